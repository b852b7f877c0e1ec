// Hint, Solve, the winnable indicator and winnable-only deals through the
// window, with small solver budgets and a quick Solve.

#include <QApplication>
#include <QThread>
#include <gtest/gtest.h>

#include "app/running_window.h"
#include "app/winnable_watch.h"
#include "engine/catalogue.h"
#include "engine/position_hash.h"
#include "engine/undo.h"

namespace quillo {
namespace {

struct Window : test::RunningWindow {
    Window(int game, uint32_t number)
    {
        W->HintBudget.Milliseconds = 100;
        W->T_Solve.setInterval(0);
        Deal(game, number);
    }
};

// Runs the event loop until done says so (or a generous while).
template <class Done> void Spin(Done done)
{
    for (int i = 0; i < 4000 && !done(); ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

TEST(SolverWindow, HintLeavesTableAndHistoryAloneAndNamesAListedAction)
{
    const std::pair<int, uint32_t> deals[] = {{games::Klondike, 1}, {games::Spider, 1}, {games::Pyramid, 3}};
    for (const auto& [game, number] : deals) {
        SCOPED_TRACE(game);
        Window w(game, number);
        UndoSnapshot before{}, after{};
        WriteSnapshot(w.T(), before);
        const UndoHistory history = w.G().Undo;
        w.W->MI_GameHintClick();
        WriteSnapshot(w.T(), after);
        EXPECT_EQ(before, after);
        EXPECT_TRUE(history == w.G().Undo);
        ASSERT_NE(w.W->LastHint.Source, HintSource::None);
        std::vector<PlayerAction> listed;
        ListActions(w.T(), listed);
        EXPECT_NE(std::find(listed.begin(), listed.end(), w.W->LastHint.Action), listed.end());
    }
}

TEST(SolverWindow, IndicatorTakesOnlyTheNewestPositionsResult)
{
    Window w(games::FreeCell, 1);
    WinnableWatch watch;
    int calls = 0;
    watch.Done = [&](const WinnableVerdict&) { ++calls; };
    const int first = watch.Start(w.T(), {});
    EXPECT_NE(watch.Start(w.T(), {}), first);
    watch.Deliver(first, {SolveResult::Won, 0});
    EXPECT_EQ(calls, 0);
    Spin([&] { return calls > 0; });
    EXPECT_EQ(calls, 1);
    // A result coming after the next position was asked for is dropped.
    const int third = watch.Start(w.T(), {});
    watch.Cancel();
    watch.Deliver(third, {SolveResult::Won, 0});
    EXPECT_EQ(calls, 1);
}

// Star deals 6 and 9 are lost, deal 2 is won: as the newest position and two
// earlier ones, the way back is two steps.
TEST(SolverWindow, IndicatorCountsTheUndoStepsBackToAWinnablePosition)
{
    Window w(games::Star, 6);
    const TableState lost = w.T();
    std::vector<TableState> earlier;
    for (uint32_t number : {9u, 2u}) {
        w.Deal(games::Star, number);
        earlier.push_back(w.T());
    }
    WinnableWatch watch;
    std::vector<WinnableVerdict> verdicts;
    watch.Done = [&](const WinnableVerdict& v) { verdicts.push_back(v); };
    watch.Start(lost, earlier);
    Spin([&] { return !verdicts.empty(); });
    ASSERT_EQ(verdicts.size(), 1u);
    EXPECT_EQ(std::tie(verdicts[0].Result, verdicts[0].UndoSteps), std::make_tuple(SolveResult::Lost, 2));
}

TEST(SolverWindow, SolvePlaysTheLineToAWinThatIsNotCounted)
{
    for (int game : {games::Klondike, games::Pyramid}) {
        SCOPED_TRACE(game);
        Window w(game, 4);
        w.W->MI_GameSolveClick();
        ASSERT_TRUE(w.W->Solving());
        Spin([&] { return !w.W->Solving(); });
        EXPECT_TRUE(w.G().GameWon || w.T().Rules.GameNumber != 4u) << "the line ends in a win";
        EXPECT_EQ(w.Wins, 0) << "a deal Solve finished is not counted as the player's win";
    }
}

TEST(SolverWindow, WinnableOnlyDealsGiveANumberTheSolverWins)
{
    for (int game : {games::FreeCell, games::Klondike}) {
        SCOPED_TRACE(game);
        Window w(game, 1);
        // Bounded by positions rather than time, so that the window's search
        // and the check below give the same answer on slow (sanitizer) builds.
        w.W->SolveBudget.Positions = 200'000;
        w.W->SolveBudget.Milliseconds = 600'000;
        w.W->WinnableDealTries = 5;
        w.W->WinnableDealMs = 3'000'000;
        w.W->MI_OptionsWinnableOnly->setChecked(true);
        w.W->MI_GameNewClick();
        const uint32_t number = w.T().Rules.GameNumber;
        const uint64_t dealt = PositionHash(w.T());
        EXPECT_EQ(Solve(w.T(), w.W->SolveBudget).Result, SolveResult::Won);
        // The number is the deal's own: dealt again from it, the same table.
        w.Deal(game, number);
        EXPECT_EQ(PositionHash(w.T()), dealt);
    }
}

}  // namespace
}  // namespace quillo
