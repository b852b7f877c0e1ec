// The game in progress across runs: a run that ends without its shutdown is
// resumed by the next, an unreadable autosave is set aside; and the
// statistics window with its resets.

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "app/autosave.h"
#include "app/file_bytes.h"
#include "app/games_dialog.h"
#include "app/running_window.h"
#include "app/statistics_dialog.h"
#include "engine/catalogue.h"
#include "storage/saved_game.h"
#include "storage/statistics.h"
#include "storage/streaks.h"

namespace quillo {
namespace {

using test::ReadBytes;
using test::WriteBytes;
using ProgramRun = test::RunningWindow;

bool SameTable(const TableState& a, const TableState& b)
{
    return a.CurrentGame == b.CurrentGame && a.Cards == b.Cards && a.Piles == b.Piles;
}

TEST(Autosave, AKilledRunIsResumedWithItsHistoryAndCaption)
{
    test::ProgramDir dir;
    std::vector<TableState> seen;
    QString caption, stock;
    {
        ProgramRun first(dir);
        seen = first.Play(12);
        ASSERT_EQ(seen.size(), 13u);
        caption = first.W->windowTitle();
        stock = first.W->LabelText(StatusLabel::StockAndWaste);
        // Ends without its shutdown, as a killed process does.
    }
    ProgramRun second(dir);
    EXPECT_TRUE(second.Messages.empty());
    EXPECT_TRUE(SameTable(second.T(), seen.back()));
    EXPECT_EQ(second.W->windowTitle(), caption);
    EXPECT_EQ(second.W->LabelText(StatusLabel::StockAndWaste), stock);
    EXPECT_TRUE(second.W->Timer1.isActive());
    // The history came along: undo walks back through the same positions.
    for (size_t back = seen.size() - 1; back-- > seen.size() - 6;) {
        second.W->MI_GameUndoClick();
        EXPECT_TRUE(SameTable(second.T(), seen[back])) << back;
    }
    second.W->MI_GameRedoClick();
    second.Settle();
    second.W.reset();
    // Undo and redo are kept as actions are; a new deal replaces the game.
    TableState dealt;
    {
        ProgramRun third(dir);
        EXPECT_TRUE(SameTable(third.T(), seen[seen.size() - 5]));
        third.W->MI_GameNewClick();
        third.Settle();
        dealt = third.T();
    }
    ProgramRun fourth(dir);
    EXPECT_TRUE(SameTable(fourth.T(), dealt));
    EXPECT_FALSE(fourth.W->MI_GameUndo->isEnabled());
}

TEST(Autosave, AnUnreadableAutosaveIsSetAsideAndANewDealStarts)
{
    std::vector<uint8_t> whole;
    {
        test::ProgramDir dir;
        ProgramRun first(dir);
        first.Play(3);
        first.Settle();
        const QByteArray bytes = ReadBytes(dir.File(AutosaveFileName));
        whole.assign(bytes.begin(), bytes.end());
    }
    ASSERT_GT(whole.size(), 100u);
    const QByteArray rows[] = {
        QByteArray("not a saved game at all"),
        QByteArray(reinterpret_cast<const char*>(whole.data()), static_cast<qsizetype>(whole.size() / 2)),
        QByteArray(),
    };
    for (const QByteArray& bytes : rows) {
        SCOPED_TRACE(bytes.size());
        test::ProgramDir dir;
        WriteBytes(dir.File(AutosaveFileName), bytes);
        ProgramRun run(dir);
        ASSERT_EQ(run.Messages.size(), 1u);
        EXPECT_TRUE(run.Messages[0].contains("autosave.sav.bak"));
        EXPECT_EQ(ReadBytes(dir.File("autosave.sav.bak")), bytes);
        EXPECT_EQ(run.T().CurrentGame, games::Klondike);
        EXPECT_FALSE(run.W->MI_GameUndo->isEnabled());
        // The new deal takes the autosave's place.
        run.Settle();
        const SavedGameRead read = ReadSavedGame(dir.File(AutosaveFileName));
        ASSERT_TRUE(read.Ok());
        EXPECT_EQ(read.Game.Caption, run.W->windowTitle().toStdString());
    }
}

// The statistics window over a program directory whose chooser has counted
// some games; Check sees the window as the menu command shows it.
struct StatisticsRun {
    test::ProgramDir Dir;
    ProgramRun R{Dir};
    GameRowTable& Rows() { return R.W->F_Games->SG_Table; }
    GameRow& Row(int game) { return Rows().Rows()[static_cast<size_t>(Rows().Find(game, -1))]; }

    StatisticsRun()
    {
        GameRow& k = Row(games::Klondike);
        k.Played = 4;
        k.Won = 1;
        k.BestPlayer = "Ann";
        k.BestTime = "0:03:10";
        GameRow& f = Row(games::FreeCell);
        f.Played = 2;
        f.Won = 2;
        f.BestTime = "0:01:05";
        // Klondike: two wins, 1:03:20 in all; Free Cell: a win, then left.
        for (int seconds : {100, 3700}) CountOutcome(Rows(), games::Klondike, -1, true, seconds);
        CountOutcome(Rows(), games::FreeCell, -1, true, 30);
        CountOutcome(Rows(), games::FreeCell, -1, false, 35);
    }
    void Show(const std::function<void(TF_Statistics&)>& check)
    {
        bool shown = false;
        R.W->ShowStatisticsWindow = [&](TF_Statistics& d) {
            shown = true;
            check(d);
        };
        R.W->MI_GameStatistics->trigger();
        EXPECT_TRUE(shown);
    }
    std::vector<std::string> Names(TF_Statistics& d)
    {
        std::vector<std::string> out;
        for (int r = 0; r < d.T_Stats->rowCount(); ++r) out.push_back(d.T_Stats->item(r, StatsGame)->text().toStdString());
        return out;
    }
    // Streak, longest and seconds as the file holds them.
    std::vector<int32_t> StoredStreaks(int game)
    {
        const GameRow r = test::StoredRow(Dir, game);
        return {r.Streak, r.LongestStreak, r.SecondsPlayed};
    }
};

// Closing the program does not leave the game in play: it comes back at the
// next start and its win continues the streak, its time counted once.
TEST(Autosave, AResumedGameGoesOnCountingItsStreak)
{
    test::ProgramDir dir;
    int32_t game = 0;
    {
        ProgramRun first(dir);
        first.Play(3);
        ASSERT_FALSE(first.T().PlayedPending);
        game = first.T().CurrentGame;
        first.W->CountWin();
        first.W->MI_GameNewClick();  // as the end of the celebration does
        first.Play(3);
        ASSERT_FALSE(first.T().PlayedPending);
        first.W->close();
    }
    ProgramRun second(dir);
    ASSERT_EQ(second.T().CurrentGame, game);
    second.W->CountWin();
    second.W->MI_GameNewClick();
    const GameRowTable& table = second.W->F_Games->SG_Table;
    const GameRow& row = table.Rows()[static_cast<size_t>(table.Find(game, -1))];
    EXPECT_EQ(std::tie(row.Played, row.Won, row.Streak, row.LongestStreak), std::make_tuple(2, 2, 2, 2));
    // A resumed game left is a loss like any other.
    second.Play(3);
    second.W->MI_GameNewClick();
    second.W->close();
    EXPECT_EQ(test::StoredRow(dir, game).Streak, 0);
    EXPECT_EQ(test::StoredRow(dir, game).LongestStreak, 2);
}

TEST(StatisticsWindow, ListsThePlayedGamesSortedWithTotals)
{
    StatisticsRun s;
    s.Show([&](TF_Statistics& d) {
        EXPECT_EQ(s.Names(d), (std::vector<std::string>{"Free Cell", "Klondike"}));
        EXPECT_EQ(d.L_Totals->text(), "Total: 6 played, 3 won (50.0%)");
        const std::pair<int, const char*> klondike[] = {
            {StatsWinRate, "25.0%"}, {StatsBestPlayer, "Ann"}, {StatsStreak, "2"}, {StatsTimePlayed, "1:03:20"}};
        for (const auto& [column, text] : klondike) EXPECT_EQ(d.T_Stats->item(1, column)->text(), text) << column;
        EXPECT_EQ(d.T_Stats->item(0, StatsLongestStreak)->text(), "1");
        struct Order {
            int Column;
            Qt::SortOrder Direction;
            std::vector<std::string> Names;
        };
        const Order orders[] = {
            {StatsPlayed, Qt::DescendingOrder, {"Klondike", "Free Cell"}},
            {StatsWinRate, Qt::AscendingOrder, {"Klondike", "Free Cell"}},
            {StatsBestTime, Qt::AscendingOrder, {"Free Cell", "Klondike"}},
            {StatsTimePlayed, Qt::AscendingOrder, {"Free Cell", "Klondike"}},
        };
        for (const Order& o : orders) {
            d.T_Stats->sortItems(o.Column, o.Direction);
            EXPECT_EQ(s.Names(d), o.Names) << o.Column;
        }
    });
}

TEST(StatisticsWindow, ResetsAskFirstAndAreWrittenOnlyAfterYes)
{
    StatisticsRun s;
    s.Show([&](TF_Statistics& d) {
        d.T_Stats->selectRow(1);  // Klondike
        s.R.Answer = false;
        d.B_Reset->click();
        EXPECT_EQ(s.Row(games::Klondike).Played, 4);
        EXPECT_EQ(d.T_Stats->rowCount(), 2);
        s.R.Answer = true;
        d.B_Reset->click();
        EXPECT_EQ(s.R.Questions, (std::vector<QString>{"Reset the statistics of Klondike?",
                                                        "Reset the statistics of Klondike?"}));
        EXPECT_EQ(s.Names(d), std::vector<std::string>{"Free Cell"});
        const GameRow& k = s.Row(games::Klondike);
        EXPECT_TRUE(k.Played == 0 && k.Won == 0 && k.BestPlayer.empty() && k.BestTime.empty());
        EXPECT_EQ(test::StoredRow(s.Dir, games::Klondike).Played, 0);
        EXPECT_EQ(test::StoredRow(s.Dir, games::FreeCell).Played, 2);
        EXPECT_EQ(s.StoredStreaks(games::Klondike), (std::vector<int32_t>{0, 0, 0}));
        EXPECT_EQ(s.StoredStreaks(games::FreeCell), (std::vector<int32_t>{0, 1, 65}));

        s.R.Answer = false;
        d.B_ResetAll->click();
        EXPECT_EQ(d.T_Stats->rowCount(), 1);
        s.R.Answer = true;
        d.B_ResetAll->click();
        EXPECT_EQ(d.T_Stats->rowCount(), 0);
        EXPECT_EQ(d.L_Totals->text(), "Total: 0 played, 0 won (0.0%)");
        EXPECT_EQ(test::StoredRow(s.Dir, games::FreeCell).Played, 0);
        EXPECT_EQ(test::StoredRow(s.Dir, games::FreeCell).BestTime, "");
        EXPECT_EQ(s.StoredStreaks(games::FreeCell), (std::vector<int32_t>{0, 0, 0}));
    });
}

}  // namespace
}  // namespace quillo
