// The game in progress across runs: a run that ends without its shutdown is
// resumed by the next, an unreadable autosave is set aside; and the
// statistics window with its resets.

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>
#include <memory>

#include "app/dialog_support.h"
#include "app/file_bytes.h"
#include "app/games_dialog.h"
#include "app/main_window.h"
#include "app/statistics_dialog.h"
#include "app/autosave.h"
#include "engine/catalogue.h"
#include "engine/move_list.h"
#include "storage/saved_game.h"
#include "storage/statistics.h"
#include "storage/streaks.h"
#include "support/drawn_art.h"

namespace quillo {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// One run of the program over a program directory, started as the player
// starts it, with the drawn test art and no sound or animation.
struct ProgramRun {
    std::vector<QString> Messages;
    std::vector<QString> Questions;
    bool Answer = true;
    std::unique_ptr<F_Main> W;
    test::DrawnArt Art;

    explicit ProgramRun(const test::ProgramDir& dir) : W(std::make_unique<F_Main>(dir.Path()))
    {
        W->ShowError = [](const QString&) {};  // no card set in the directory
        W->ShowMessage = [this](const QString& title, const QString& text) {
            EXPECT_EQ(title, "Quillotaire");
            Messages.push_back(text);
        };
        W->AskYesNo = [this](const QString& text) {
            Questions.push_back(text);
            return Answer;
        };
        W->StartUp(true);
        W->MI_OptionsSound->setChecked(false);
        W->MI_OptionsAnimation->setChecked(false);
        Art.Attach(W->TableField());
        W->RedrawField();
    }
    TableState& T() { return W->CurrentGame().T; }
    // Lets the pending save run and waits for the disk.
    void Settle()
    {
        QCoreApplication::processEvents();
        W->GameAutosave().Wait();
    }
    // Plays the first listed action each time, returning every position.
    std::vector<TableState> Play(int actions)
    {
        std::vector<TableState> seen{T()};
        for (int i = 0; i < actions; ++i) {
            std::vector<PlayerAction> list;
            ListActions(T(), list);
            if (list.empty()) break;
            PlayAction(W->CurrentGame(), list.front());
            Settle();
            seen.push_back(T());
        }
        return seen;
    }
};

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
    EXPECT_TRUE(second.W->MI_GameUndo->isEnabled());
    EXPECT_TRUE(second.W->Timer1.isActive());
    // The history came along: undo walks back through the same positions.
    for (size_t back = seen.size() - 1; back-- > seen.size() - 6;) {
        second.W->MI_GameUndoClick();
        EXPECT_TRUE(SameTable(second.T(), seen[back])) << back;
    }
    second.W->MI_GameRedoClick();
    second.Settle();
    second.W.reset();
    // Undo and redo are kept as actions are.
    ProgramRun third(dir);
    EXPECT_TRUE(SameTable(third.T(), seen[seen.size() - 5]));
}

TEST(Autosave, ANewDealReplacesTheGameAndAWrittenGameIsReadable)
{
    test::ProgramDir dir;
    TableState dealt;
    QString caption;
    {
        ProgramRun first(dir);
        first.Play(5);
        first.W->MI_GameNewClick();
        first.Settle();
        dealt = first.T();
        caption = first.W->windowTitle();
    }
    const SavedGameRead read = ReadSavedGame(dir.File(AutosaveFileName));
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Game.Caption, caption.toStdString());
    ProgramRun second(dir);
    EXPECT_TRUE(SameTable(second.T(), dealt));
    EXPECT_EQ(second.W->windowTitle(), caption);
    EXPECT_FALSE(second.W->MI_GameUndo->isEnabled());
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
    // The statistics as the file holds them.
    GameRow Stored(int game)
    {
        GameRowTable t = GameRowTable::WithCatalogue();
        LoadStatistics(Dir.File(StatisticsFileName), t);
        return t.Rows()[static_cast<size_t>(t.Find(game, -1))];
    }
    // Streak, longest and seconds as quillo.str holds them.
    std::vector<int32_t> StoredStreaks(int game)
    {
        GameRowTable t = GameRowTable::WithCatalogue();
        LoadStreaks(Dir.File(StreaksFileName), t);
        const GameRow& r = t.Rows()[static_cast<size_t>(t.Find(game, -1))];
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
        first.W->ShowWinForm = [] {};
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
    second.W->ShowWinForm = [] {};
    ASSERT_EQ(second.T().CurrentGame, game);
    second.W->CountWin();
    second.W->MI_GameNewClick();
    const GameRowTable& table = second.W->F_Games->SG_Table;
    const GameRow& row = table.Rows()[static_cast<size_t>(table.Find(game, -1))];
    EXPECT_EQ(row.Played, 2);
    EXPECT_EQ(row.Won, 2);
    EXPECT_EQ(row.Streak, 2);
    EXPECT_EQ(row.LongestStreak, 2);
    // A resumed game left is a loss like any other.
    second.Play(3);
    second.W->MI_GameNewClick();
    second.W->close();
    GameRowTable rows = GameRowTable::WithCatalogue();
    LoadStreaks(dir.File("quillo.str"), rows);
    EXPECT_EQ(rows.Rows()[static_cast<size_t>(game)].Streak, 0);
    EXPECT_EQ(rows.Rows()[static_cast<size_t>(game)].LongestStreak, 2);
}

TEST(StatisticsWindow, ListsThePlayedGamesSortedWithTotals)
{
    StatisticsRun s;
    s.Show([&](TF_Statistics& d) {
        EXPECT_EQ(s.Names(d), (std::vector<std::string>{"Free Cell", "Klondike"}));
        EXPECT_EQ(d.T_Stats->item(1, StatsWinRate)->text(), "25.0%");
        EXPECT_EQ(d.T_Stats->item(1, StatsBestPlayer)->text(), "Ann");
        EXPECT_EQ(d.L_Totals->text(), "Total: 6 played, 3 won (50.0%)");
        EXPECT_EQ(d.T_Stats->item(1, StatsStreak)->text(), "2");
        EXPECT_EQ(d.T_Stats->item(0, StatsStreak)->text(), "0");
        EXPECT_EQ(d.T_Stats->item(0, StatsLongestStreak)->text(), "1");
        EXPECT_EQ(d.T_Stats->item(1, StatsTimePlayed)->text(), "1:03:20");
        EXPECT_EQ(d.T_Stats->item(0, StatsTimePlayed)->text(), "0:01:05");
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
            {StatsLongestStreak, Qt::DescendingOrder, {"Klondike", "Free Cell"}},
            {StatsStreak, Qt::AscendingOrder, {"Free Cell", "Klondike"}},
            {StatsGame, Qt::DescendingOrder, {"Klondike", "Free Cell"}},
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
        EXPECT_EQ(s.Stored(games::Klondike).Played, 0);
        EXPECT_EQ(s.Stored(games::FreeCell).Played, 2);
        EXPECT_EQ(s.StoredStreaks(games::Klondike), (std::vector<int32_t>{0, 0, 0}));
        EXPECT_EQ(s.StoredStreaks(games::FreeCell), (std::vector<int32_t>{0, 1, 65}));

        s.R.Answer = false;
        d.B_ResetAll->click();
        EXPECT_EQ(d.T_Stats->rowCount(), 1);
        s.R.Answer = true;
        d.B_ResetAll->click();
        EXPECT_EQ(d.T_Stats->rowCount(), 0);
        EXPECT_EQ(d.L_Totals->text(), "Total: 0 played, 0 won (0.0%)");
        EXPECT_EQ(s.Stored(games::FreeCell).Played, 0);
        EXPECT_EQ(s.Stored(games::FreeCell).BestTime, "");
        EXPECT_EQ(s.StoredStreaks(games::FreeCell), (std::vector<int32_t>{0, 0, 0}));
    });
}

}  // namespace
}  // namespace quillo
