// Saved games through the Game menu: written, read back with their history,
// and refused whole when the file is not sound.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <gtest/gtest.h>

#include "app/file_bytes.h"
#include "app/running_window.h"
#include "engine/catalogue.h"
#include "engine/undo.h"
#include "storage/saved_game.h"

namespace quillo {
namespace {

using test::ReadBytes;
using test::WriteBytes;

struct SavedGameWindow : ::testing::Test {
    test::RunningWindow R;
    F_Main& W = *R.W;
    std::vector<QString>& Errors = R.Errors;
    std::vector<QString>& Messages = R.Messages;
    test::ProgramDir& Dir = *R.OwnDir;
    int DialogsShown = 0;

    void SetUp() override
    {
        W.ResizeField(792, 526);
        test::StartGame(W.CurrentGame(), games::Klondike, 4242);
        W.CurrentGame().T.Opt = {false, false, false};
        Errors.clear();
    }
    void SaveTo(const std::string& path)
    {
        W.AskSaveName = [this, path](const QString&) {
            ++DialogsShown;
            return QString::fromStdString(path);
        };
        W.MI_GameSaveClick();
    }
    void LoadFrom(const std::string& path)
    {
        W.AskOpenName = [this, path] {
            ++DialogsShown;
            return QString::fromStdString(path);
        };
        W.MI_GameLoadClick();
    }
    std::vector<TableState> Play(int moves) { return R.Play(moves); }
};

TEST_F(SavedGameWindow, SaveThenLoadBringsBackTheTableAndItsHistory)
{
    Game& g = W.CurrentGame();
    const std::vector<TableState> seen = Play(6);
    ASSERT_EQ(seen.size(), 7u);
    const std::vector<UndoSnapshot> history = g.Undo.Newest(g.Undo.Count());
    ASSERT_GE(history.size(), 4u);
    g.T.Rules.BackCount = 4;
    g.T.Rules.BackIndex = 3;
    const QString caption = W.windowTitle();
    const QString stock = W.LabelText(StatusLabel::StockAndWaste);

    QString proposed;
    W.AskSaveName = [&](const QString& name) {
        proposed = name;
        return QString::fromStdString(Dir.File("mid.sav"));
    };
    W.MI_GameSaveClick();
    EXPECT_EQ(proposed, "Klondike [4242]");
    ASSERT_TRUE(QFile::exists(QString::fromStdString(Dir.File("mid.sav"))));

    // Another game in play, with a card set of two backs.
    test::StartGame(g, games::FreeCell, 9);
    g.T.Rules.BackCount = 2;
    g.T.Rules.BackIndex = 1;
    W.StopClock();
    LoadFrom(Dir.File("mid.sav"));
    EXPECT_TRUE(Errors.empty() && Messages.empty());
    EXPECT_EQ(g.T.CurrentGame, games::Klondike);
    EXPECT_TRUE(g.T.Cards == seen.back().Cards);
    EXPECT_TRUE(g.T.Piles == seen.back().Piles);
    EXPECT_EQ(W.windowTitle(), caption);
    EXPECT_EQ(W.LabelText(StatusLabel::StockAndWaste), stock);
    EXPECT_TRUE(W.MI_GameUndo->isEnabled());
    EXPECT_TRUE(W.Timer1.isActive());
    // The backs are this run's card set's: back 3 of a two-back set is not drawn.
    EXPECT_EQ(g.T.Rules.BackCount, 2);
    EXPECT_EQ(g.T.Rules.BackIndex, 1);

    // Undo walks back through the saved positions to the deal.
    ASSERT_EQ(g.Undo.Count(), static_cast<int>(history.size()));
    for (int n = static_cast<int>(history.size()) - 1; n >= 1; --n) {
        W.MI_GameUndo->trigger();
        TableState expect = g.T;
        ReadSnapshot(history[static_cast<size_t>(n - 1)], expect);
        EXPECT_TRUE(g.T.Cards == expect.Cards) << n;
        EXPECT_EQ(g.T.Rules.StockPass, expect.Rules.StockPass) << n;
    }
    EXPECT_TRUE(g.T.Cards == seen.front().Cards);
    EXPECT_FALSE(W.MI_GameUndo->isEnabled());
}

TEST_F(SavedGameWindow, CancelAndTheCelebrationLeaveEverythingAlone)
{
    W.AskSaveName = [this](const QString&) {
        ++DialogsShown;
        return QString();
    };
    W.MI_GameSaveClick();
    EXPECT_EQ(DialogsShown, 1);
    EXPECT_TRUE(QDir(Dir.Path()).entryList({"*.sav"}).isEmpty());

    W.T_Finish.start();
    SaveTo(Dir.File("late.sav"));
    LoadFrom(Dir.File("late.sav"));
    W.T_Finish.stop();
    EXPECT_EQ(DialogsShown, 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Dir.File("late.sav"))));
}

TEST_F(SavedGameWindow, UnreadableFilesLeaveTheLiveGameAndSayWhy)
{
    Play(3);
    SaveTo(Dir.File("good.sav"));
    const QByteArray good = ReadBytes(Dir.File("good.sav"));
    ASSERT_GT(good.size(), 8000);
    QByteArray outdated = good;
    outdated[10 + 2] = '1';  // "1.1"
    QByteArray wideName = good;
    wideName[941] = 1;  // the game name's length above 256

    struct Row {
        const char* Name;
        QByteArray Bytes;  // none: the file does not exist
        bool Error;        // an error box
        QString Message;   // a plain box
    };
    const Row rows[] = {
        {"cut.sav", good.left(good.size() / 2), true, {}},
        {"wide.sav", wideName, true, {}},
        {"old.sav", outdated, false, "The save game version is outdated!"},
        {"other.set", ReadBytes(Dir.File("good.sav")).replace(0, 8, "CARDSSET"), false, {}},
        {"missing.sav", {}, true, {}},
    };
    // The live game moves on after saving, so an untouched table differs from the file.
    Play(2);
    const TableState before = W.CurrentGame().T;
    const int undoBefore = W.CurrentGame().Undo.Count();
    const QString caption = W.windowTitle();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Errors.clear();
        Messages.clear();
        if (!row.Bytes.isEmpty()) WriteBytes(Dir.File(row.Name), row.Bytes);
        LoadFrom(Dir.File(row.Name));
        EXPECT_EQ(Errors.size(), row.Error ? 1u : 0u);
        if (row.Error && !Errors.empty()) {
            EXPECT_FALSE(Errors.front().isEmpty());
        }
        EXPECT_EQ(Messages, row.Message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{row.Message});
        EXPECT_TRUE(W.CurrentGame().T.Cards == before.Cards);
        EXPECT_EQ(W.CurrentGame().T.Rules, before.Rules);
        EXPECT_EQ(W.CurrentGame().Undo.Count(), undoBefore);
        EXPECT_EQ(W.windowTitle(), caption);
    }
}

}  // namespace
}  // namespace quillo
