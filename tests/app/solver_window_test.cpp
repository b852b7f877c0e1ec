// Hint, Solve, the winnable indicator and winnable-only deals through the
// window, with small solver budgets and a quick Solve.

#include "app/running_window.h"
#include "app/winnable_watch.h"
#include "engine/catalogue.h"
#include "engine/position_hash.h"
#include "engine/undo.h"

#include <QApplication>
#include <QThread>
#include <gtest/gtest.h>

namespace quillo {
namespace {

struct Window : test::RunningWindow {
    Window()
    {
        W->HintBudget.Milliseconds = 100;
        W->T_Solve.setInterval(0);
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

struct GameDeal {
    int Game;
    uint32_t Number;
};

TEST(SolverWindow, HintLeavesTableAndHistoryAloneAndNamesAListedAction)
{
    Window w;
    for (const GameDeal& d : {GameDeal{games::Klondike, 1}, GameDeal{games::Spider, 1}, GameDeal{games::Pyramid, 3}}) {
        SCOPED_TRACE(d.Game);
        w.Deal(d.Game, d.Number);
        UndoSnapshot before{}, after{};
        WriteSnapshot(w.G().T, before);
        const UndoHistory history = w.G().Undo;
        w.W->MI_GameHintClick();
        WriteSnapshot(w.G().T, after);
        EXPECT_EQ(before, after);
        EXPECT_TRUE(history == w.G().Undo);
        ASSERT_NE(w.W->LastHint.Source, HintSource::None);
        std::vector<PlayerAction> listed;
        ListActions(w.G().T, listed);
        EXPECT_NE(std::find(listed.begin(), listed.end(), w.W->LastHint.Action), listed.end());
    }
}

TEST(SolverWindow, IndicatorTakesOnlyTheNewestPositionsResult)
{
    Window w;
    w.Deal(games::FreeCell, 1);
    WinnableWatch watch;
    int calls = 0;
    watch.Done = [&](const WinnableVerdict&) { ++calls; };
    const int first = watch.Start(w.G().T, {});
    const int second = watch.Start(w.G().T, {});
    EXPECT_NE(first, second);
    watch.Deliver(first, { SolveResult::Won, 0 });
    EXPECT_EQ(calls, 0);
    Spin([&] { return calls > 0; });
    EXPECT_EQ(calls, 1);
    // A result coming after the next position was asked for is dropped.
    const int third = watch.Start(w.G().T, {});
    watch.Cancel();
    watch.Deliver(third, { SolveResult::Won, 0 });
    EXPECT_EQ(calls, 1);
}

TEST(SolverWindow, IndicatorCountsTheUndoStepsBackToAWinnablePosition)
{
    // Star deals 6 and 9 are lost, deal 2 is won: as the newest position
    // and two earlier ones, the way back is two steps.
    Window w;
    auto table = [&](uint32_t number) {
        w.Deal(games::Star, number);
        return w.G().T;
    };
    const TableState lost = table(6);
    std::vector<TableState> earlier{ table(9), table(2) };
    WinnableWatch watch;
    std::vector<WinnableVerdict> verdicts;
    watch.Done = [&](const WinnableVerdict& v) { verdicts.push_back(v); };
    watch.Start(lost, earlier);
    Spin([&] { return !verdicts.empty(); });
    ASSERT_EQ(verdicts.size(), 1u);
    EXPECT_EQ(verdicts[0].Result, SolveResult::Lost);
    EXPECT_EQ(verdicts[0].UndoSteps, 2);
}

TEST(SolverWindow, SolvePlaysTheLineToAWinThatIsNotCounted)
{
    for (const GameDeal& d : { GameDeal{ games::Klondike, 4 }, GameDeal{ games::Pyramid, 4 } }) {
        SCOPED_TRACE(d.Game);
        Window w;
        w.Deal(d.Game, d.Number);
        w.W->MI_GameSolveClick();
        ASSERT_TRUE(w.W->Solving());
        Spin([&] { return !w.W->Solving(); });
        EXPECT_TRUE(w.G().GameWon || w.G().T.Rules.GameNumber != d.Number) << "the line ends in a win";
        EXPECT_EQ(w.Wins, 0) << "a deal Solve finished is not counted as the player's win";
    }
}

TEST(SolverWindow, WinnableOnlyDealsGiveANumberTheSolverWins)
{
    for (int game : { games::FreeCell, games::Klondike }) {
        SCOPED_TRACE(game);
        Window w;
        w.Deal(game, 1);
        // Bounded by positions rather than time, so that the window's search
        // and the check below give the same answer on slow (sanitizer) builds.
        w.W->SolveBudget.Positions = 200'000;
        w.W->SolveBudget.Milliseconds = 600'000;
        w.W->WinnableDealTries = 5;
        w.W->WinnableDealMs = 3'000'000;
        w.W->MI_OptionsWinnableOnly->setChecked(true);
        w.W->MI_GameNewClick();
        const uint32_t number = w.G().T.Rules.GameNumber;
        const uint64_t dealt = PositionHash(w.G().T);
        EXPECT_EQ(Solve(w.G().T, w.W->SolveBudget).Result, SolveResult::Won);
        // The number is the deal's own: dealt again from it, the same table.
        w.Deal(game, number);
        EXPECT_EQ(PositionHash(w.G().T), dealt);
    }
}

} // namespace
} // namespace quillo
