// Saved games through the Game menu: written, read back with their history,
// and refused whole when the file is not sound.

#include <QAction>
#include <QDir>
#include <gtest/gtest.h>

#include "app/running_window.h"
#include "engine/catalogue.h"
#include "engine/undo.h"
#include "storage/saved_game.h"

namespace quillo {
namespace {

struct SavedGameWindow : ::testing::Test {
    test::RunningWindow R;
    F_Main& W = *R.W;
    Game& G = W.CurrentGame();
    int DialogsShown = 0;

    void SetUp() override
    {
        W.ResizeField(792, 526);
        test::StartGame(G, games::Klondike, 4242);
        G.T.Opt = {false, false, false};
        R.Errors.clear();
    }
    std::string File(const char* name) const { return R.OwnDir->File(name); }
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
};

TEST_F(SavedGameWindow, SaveThenLoadBringsBackTheTableAndItsHistory)
{
    const std::vector<TableState> seen = R.Play(6);
    ASSERT_EQ(seen.size(), 7u);
    const std::vector<UndoSnapshot> history = G.Undo.Newest(G.Undo.Count());
    ASSERT_GE(history.size(), 4u);
    G.T.Rules.BackCount = 4;
    G.T.Rules.BackIndex = 3;
    const QString caption = W.windowTitle(), stock = W.LabelText(StatusLabel::StockAndWaste);
    QString proposed;
    W.AskSaveName = [&](const QString& name) {
        proposed = name;
        return QString::fromStdString(File("mid.sav"));
    };
    W.MI_GameSaveClick();
    EXPECT_EQ(proposed, "Klondike [4242]");

    // Another game in play, with a card set of two backs.
    test::StartGame(G, games::FreeCell, 9);
    G.T.Rules.BackCount = 2;
    G.T.Rules.BackIndex = 1;
    W.StopClock();
    LoadFrom(File("mid.sav"));
    EXPECT_TRUE(R.Errors.empty() && R.Messages.empty());
    EXPECT_TRUE(G.T.CurrentGame == games::Klondike && G.T.Cards == seen.back().Cards && G.T.Piles == seen.back().Piles);
    EXPECT_EQ(W.windowTitle(), caption);
    EXPECT_EQ(W.LabelText(StatusLabel::StockAndWaste), stock);
    EXPECT_TRUE(W.Timer1.isActive());
    // The backs are this run's card set's: back 3 of a two-back set is not drawn.
    EXPECT_EQ(std::tie(G.T.Rules.BackCount, G.T.Rules.BackIndex), std::make_tuple(2, 1));

    // Undo walks back through the saved positions to the deal.
    ASSERT_EQ(G.Undo.Count(), static_cast<int>(history.size()));
    for (int n = static_cast<int>(history.size()) - 1; n >= 1; --n) {
        W.MI_GameUndo->trigger();
        TableState expect = G.T;
        ReadSnapshot(history[static_cast<size_t>(n - 1)], expect);
        EXPECT_TRUE(G.T.Cards == expect.Cards && G.T.Rules.StockPass == expect.Rules.StockPass) << n;
    }
    EXPECT_TRUE(G.T.Cards == seen.front().Cards);
    EXPECT_FALSE(W.MI_GameUndo->isEnabled());
}

TEST_F(SavedGameWindow, CancelAndTheCelebrationLeaveEverythingAlone)
{
    SaveTo("");  // Cancel
    EXPECT_EQ(DialogsShown, 1);
    EXPECT_TRUE(QDir(R.OwnDir->Path()).entryList({"*.sav"}).isEmpty());
    W.T_Finish.start();
    SaveTo(File("late.sav"));
    LoadFrom(File("late.sav"));
    W.T_Finish.stop();
    EXPECT_EQ(DialogsShown, 1);
    EXPECT_TRUE(QDir(R.OwnDir->Path()).entryList({"*.sav"}).isEmpty());
}

TEST_F(SavedGameWindow, UnreadableFilesLeaveTheLiveGameAndSayWhy)
{
    R.Play(3);
    SaveTo(File("good.sav"));
    const QByteArray good = test::ReadBytes(File("good.sav"));
    ASSERT_GT(good.size(), 8000);
    QByteArray outdated = good, wideName = good, otherKind = good;
    outdated[10 + 2] = '1';  // "1.1"
    wideName[941] = 1;       // the game name's length above 256
    otherKind.replace(0, 8, "CARDSSET");
    struct Row {
        const char* Name;
        QByteArray Bytes;  // none: the file does not exist
        size_t Errors;
        std::vector<QString> Messages;
    };
    const Row rows[] = {
        {"cut.sav", good.left(good.size() / 2), 1, {}},
        {"wide.sav", wideName, 1, {}},
        {"old.sav", outdated, 0, {"The save game version is outdated!"}},
        {"other.set", otherKind, 0, {}},
        {"missing.sav", {}, 1, {}},
    };
    // The live game moves on after saving, so an untouched table differs from the file.
    R.Play(2);
    const TableState before = G.T;
    const int undoBefore = G.Undo.Count();
    const QString caption = W.windowTitle();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        R.Errors.clear();
        R.Messages.clear();
        if (!row.Bytes.isEmpty()) test::WriteBytes(File(row.Name), row.Bytes);
        LoadFrom(File(row.Name));
        EXPECT_EQ(R.Errors.size(), row.Errors);
        EXPECT_TRUE(std::all_of(R.Errors.begin(), R.Errors.end(), [](const QString& e) { return !e.isEmpty(); }));
        EXPECT_EQ(R.Messages, row.Messages);
        EXPECT_TRUE(G.T.Cards == before.Cards && G.T.Rules == before.Rules);
        EXPECT_EQ(G.Undo.Count(), undoBefore);
        EXPECT_EQ(W.windowTitle(), caption);
    }
}

}  // namespace
}  // namespace quillo
