// The game in progress across runs and in saved files: a run that ends
// without its shutdown is resumed by the next, an unreadable autosave is set
// aside, saved games are read back with their history or refused whole; and
// the statistics window with its resets.

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "app/running_window.h"
#include "app/statistics_dialog.h"
#include "engine/catalogue.h"
#include "engine/undo.h"
#include "storage/saved_game.h"

namespace quillo {
namespace {

using ProgramRun = test::RunningWindow;

bool SameTable(const TableState& a, const TableState& b)
{
    return a.CurrentGame == b.CurrentGame && a.Cards == b.Cards && a.Piles == b.Piles;
}

// The caption, the stock label and whether the clock runs.
std::tuple<QString, QString, bool> Shown(const F_Main& w)
{
    return {w.windowTitle(), w.LabelText(StatusLabel::StockAndWaste), w.Timer1.isActive()};
}

TEST(Autosave, AKilledRunIsResumedWithItsHistoryAndCaption)
{
    test::ProgramDir dir;
    std::vector<TableState> seen;
    std::tuple<QString, QString, bool> shown;
    {
        ProgramRun first(dir);
        seen = first.Play(12);
        ASSERT_EQ(seen.size(), 13u);
        shown = Shown(*first.W);
        // Ends without its shutdown, as a killed process does.
    }
    ProgramRun second(dir);
    EXPECT_TRUE(second.Messages.empty() && SameTable(second.T(), seen.back()));
    EXPECT_EQ(Shown(*second.W), shown);
    // The history came along: undo walks back through the same positions.
    for (size_t back = seen.size() - 1; back-- > seen.size() - 6;) {
        second.W->MI_GameUndoClick();
        EXPECT_TRUE(SameTable(second.T(), seen[back])) << back;
    }
    second.W->MI_GameRedoClick();
    second.Settle();
    second.W.reset();
    // Undo and redo are kept as actions are.
    EXPECT_TRUE(SameTable(ProgramRun(dir).T(), seen[seen.size() - 5]));
}

TEST(Autosave, AnUnreadableAutosaveIsSetAsideAndANewDealStarts)
{
    QByteArray whole;
    {
        test::ProgramDir dir;
        ProgramRun first(dir);
        first.Play(3);
        whole = test::ReadBytes(dir.File(AutosaveFileName));
    }
    for (const QByteArray& bytes : {QByteArray("not a saved game at all"), whole.left(whole.size() / 2), QByteArray()}) {
        SCOPED_TRACE(bytes.size());
        test::ProgramDir dir;
        test::WriteBytes(dir.File(AutosaveFileName), bytes);
        ProgramRun run(dir);
        ASSERT_EQ(run.Messages.size(), 1u);
        EXPECT_TRUE(run.Messages[0].contains("autosave.sav.bak"));
        EXPECT_EQ(test::ReadBytes(dir.File("autosave.sav.bak")), bytes);
        EXPECT_EQ(std::pair(run.T().CurrentGame, run.W->MI_GameUndo->isEnabled()),
                  std::pair(int(games::Klondike), false));
        // The new deal takes the autosave's place.
        run.Settle();
        const SavedGameRead read = ReadSavedGame(dir.File(AutosaveFileName));
        EXPECT_TRUE(read.Ok() && read.Game.Caption == run.W->windowTitle().toStdString());
    }
}

// A game counted as played ends won or left: a new deal or a restart leave
// it and break the streak, a restart before the first press leaves nothing.
// Closing the program does not leave it: it comes back at the next start and
// its win goes on with the streak.
TEST(Streaks, LeavingAGameBreaksTheStreakClosingTheProgramDoesNot)
{
    test::ProgramDir dir;
    {
        ProgramRun first(dir);
        F_Main& w = *first.W;
        w.OnGamePlayed();
        w.MI_GameNewClick();  // left
        for (int i = 0; i < 2; ++i) {
            w.OnGamePlayed();
            w.CountWin();
            w.MI_GameNewClick();  // after a win nothing is left
        }
        w.MI_GameRestartClick();
        first.Settle();
        EXPECT_EQ(test::StoredRow(dir, games::Klondike).Streak, 2);
        w.OnGamePlayed();
        w.MI_GameRestartClick();  // left
        w.OnGamePlayed();
        w.CountWin();
        w.MI_GameNewClick();
        first.Play(3);
        ASSERT_FALSE(first.T().PlayedPending);
        w.close();
    }
    ProgramRun second(dir);
    second.W->CountWin();
    second.W->MI_GameNewClick();
    EXPECT_EQ(second.Row(games::Klondike).Streak, 2);
    second.Play(3);
    second.W->MI_GameNewClick();
    second.W->close();
    const GameRow k = test::StoredRow(dir, games::Klondike);
    EXPECT_EQ(std::tie(k.Played, k.Won, k.Streak, k.LongestStreak), std::make_tuple(7, 4, 0, 2));
}

// The column's texts, top to bottom.
std::vector<std::string> Column(TF_Statistics& d, int column)
{
    std::vector<std::string> out;
    for (int r = 0; r < d.T_Stats->rowCount(); ++r) out.push_back(d.T_Stats->item(r, column)->text().toStdString());
    return out;
}

// The statistics window over counted Klondike and Free Cell games, as the
// menu command shows it: listed sorted with totals; resets ask first and are
// written only after Yes.
TEST(StatisticsWindow, ListsSortsAndResets)
{
    test::ProgramDir dir;
    ProgramRun run(dir);
    GameRow& k = run.Row(games::Klondike);
    std::tie(k.Played, k.Won, k.BestPlayer, k.BestTime) = std::make_tuple(4, 1, "Ann", "0:03:10");
    GameRow& f = run.Row(games::FreeCell);
    std::tie(f.Played, f.Won, f.BestTime) = std::make_tuple(2, 2, "0:01:05");
    // Klondike: two wins, 1:03:20 in all; Free Cell: a win, then left.
    GameRowTable& rows = run.W->F_Games->SG_Table;
    for (int seconds : {100, 3700}) CountOutcome(rows, games::Klondike, -1, true, seconds);
    CountOutcome(rows, games::FreeCell, -1, true, 30);
    CountOutcome(rows, games::FreeCell, -1, false, 35);
    // Played, streak, longest and seconds as the files hold them.
    const auto stored = [&](int game) {
        const GameRow r = test::StoredRow(dir, game);
        return std::vector<int32_t>{r.Played, r.Streak, r.LongestStreak, r.SecondsPlayed};
    };
    using Texts = std::vector<std::string>;
    bool shown = false;
    run.W->ShowStatisticsWindow = [&](TF_Statistics& d) {
        shown = true;
        EXPECT_EQ(Column(d, StatsGame), (Texts{"Free Cell", "Klondike"}));
        EXPECT_EQ(d.L_Totals->text(), "Total: 6 played, 3 won (50.0%)");
        const std::pair<int, Texts> columns[] = {{StatsWinRate, {"100.0%", "25.0%"}}, {StatsBestPlayer, {"", "Ann"}},
                                                 {StatsStreak, {"0", "2"}},           {StatsLongestStreak, {"1", "2"}},
                                                 {StatsTimePlayed, {"0:01:05", "1:03:20"}}};
        for (const auto& [column, texts] : columns) EXPECT_EQ(Column(d, column), texts) << column;
        const std::tuple<int, Qt::SortOrder, Texts> orders[] = {
            {StatsPlayed, Qt::DescendingOrder, {"Klondike", "Free Cell"}},
            {StatsWinRate, Qt::AscendingOrder, {"Klondike", "Free Cell"}},  // as numbers
            {StatsTimePlayed, Qt::AscendingOrder, {"Free Cell", "Klondike"}},
        };
        for (const auto& [column, order, names] : orders) {
            d.T_Stats->sortItems(column, order);
            EXPECT_EQ(Column(d, StatsGame), names) << column;
        }

        d.T_Stats->selectRow(1);  // Klondike
        for (bool yes : {false, true}) {
            run.Answer = yes;
            d.B_Reset->click();
        }
        EXPECT_EQ(run.Questions, std::vector<QString>(2, "Reset the statistics of Klondike?"));
        EXPECT_EQ(Column(d, StatsGame), Texts{"Free Cell"});
        const GameRow& reset = run.Row(games::Klondike);
        EXPECT_TRUE(reset.Played == 0 && reset.Won == 0 && reset.BestPlayer.empty() && reset.BestTime.empty());
        EXPECT_EQ(stored(games::Klondike), (std::vector<int32_t>{0, 0, 0, 0}));
        EXPECT_EQ(stored(games::FreeCell), (std::vector<int32_t>{2, 0, 1, 65}));
        for (bool yes : {false, true}) {
            run.Answer = yes;
            d.B_ResetAll->click();
            EXPECT_EQ(d.T_Stats->rowCount(), yes ? 0 : 1);
        }
        EXPECT_EQ(d.L_Totals->text(), "Total: 0 played, 0 won (0.0%)");
        EXPECT_EQ(stored(games::FreeCell), (std::vector<int32_t>{0, 0, 0, 0}));
        EXPECT_EQ(test::StoredRow(dir, games::FreeCell).BestTime, "");
    };
    run.W->MI_GameStatistics->trigger();
    EXPECT_TRUE(shown);
}

struct SavedGameWindow : ::testing::Test {
    test::RunningWindow R;
    F_Main& W = *R.W;
    Game& G = W.CurrentGame();

    void SetUp() override
    {
        W.ResizeField(792, 526);
        test::StartGame(G, games::Klondike, 4242);
        G.T.Opt = {false, false, false};
        R.Errors.clear();
    }
    std::string File(const char* name) const { return R.OwnDir->File(name); }
    void LoadFrom(const std::string& path)
    {
        W.AskOpenName = [path] { return QString::fromStdString(path); };
        W.MI_GameLoadClick();
    }
};

TEST_F(SavedGameWindow, SaveThenLoadBringsBackTheTableAndItsHistory)
{
    const std::vector<TableState> seen = R.Play(6);
    ASSERT_EQ(seen.size(), 7u);
    const std::vector<UndoSnapshot> history = G.Undo.Newest(G.Undo.Count());
    ASSERT_GE(history.size(), 4u);
    std::tie(G.T.Rules.BackCount, G.T.Rules.BackIndex) = std::pair(4, 3);
    const auto shown = Shown(W);
    QString proposed;
    W.AskSaveName = [&](const QString& name) {
        proposed = name;
        return QString::fromStdString(File("mid.sav"));
    };
    W.MI_GameSaveClick();
    EXPECT_EQ(proposed, "Klondike [4242]");

    // Another game in play, with a card set of two backs.
    test::StartGame(G, games::FreeCell, 9);
    std::tie(G.T.Rules.BackCount, G.T.Rules.BackIndex) = std::pair(2, 1);
    W.StopClock();
    LoadFrom(File("mid.sav"));
    EXPECT_TRUE(R.Errors.empty() && R.Messages.empty() && SameTable(G.T, seen.back()));
    EXPECT_EQ(Shown(W), shown);
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
    EXPECT_TRUE(G.T.Cards == seen.front().Cards && !W.MI_GameUndo->isEnabled());
}

TEST_F(SavedGameWindow, UnreadableFilesLeaveTheLiveGameAndSayWhy)
{
    R.Play(3);
    W.AskSaveName = [this](const QString&) { return QString::fromStdString(File("good.sav")); };
    W.MI_GameSaveClick();
    const QByteArray good = test::ReadBytes(File("good.sav"));
    QByteArray outdated = good;
    outdated[10 + 2] = '1';  // "1.1"
    // The file (no bytes: it does not exist), the error boxes and the plain ones.
    const std::tuple<const char*, QByteArray, size_t, std::vector<QString>> rows[] = {
        {"cut.sav", good.left(good.size() / 2), 1, {}},
        {"old.sav", outdated, 0, {"The save game version is outdated!"}},
        {"missing.sav", {}, 1, {}},
    };
    // The live game moves on after saving, so an untouched table differs from the file.
    R.Play(2);
    const TableState before = G.T;
    const int undoBefore = G.Undo.Count();
    const QString caption = W.windowTitle();
    for (const auto& [name, bytes, errors, messages] : rows) {
        SCOPED_TRACE(name);
        R.Errors.clear();
        R.Messages.clear();
        if (!bytes.isEmpty()) test::WriteBytes(File(name), bytes);
        LoadFrom(File(name));
        EXPECT_EQ(std::pair(R.Errors.size(), R.Messages), std::pair(errors, messages));
        EXPECT_TRUE(std::all_of(R.Errors.begin(), R.Errors.end(), [](const QString& e) { return !e.isEmpty(); }));
        EXPECT_TRUE(G.T.Cards == before.Cards && G.T.Rules == before.Rules && G.Undo.Count() == undoBefore);
        EXPECT_EQ(W.windowTitle(), caption);
    }
}

}  // namespace
}  // namespace quillo
