// The solver on small positions with a known answer: lines it calls won are
// replayed through the engine and must win with their last action; Lost only
// where nothing is left to search. Whole deals are solved in the scripted
// games.

#include "engine/catalogue.h"
#include "engine/solver.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using test::Arrange;
using test::CardOf;

using test::Clubs;
using test::Hearts;
using test::Spades;

// A suit from the given rank down to its Ace.
std::vector<int> SuitDown(int suit, int from = RankKing)
{
    std::vector<int> out;
    for (int r = from; r >= 0; --r)
        out.push_back(CardOf(suit, r));
    return out;
}

// Plays the line on a copy of t; true when the last action, and no earlier
// one, wins.
::testing::AssertionResult ReplayWins(const TableState& t, const std::vector<PlayerAction>& line)
{
    Game g;
    g.KeepHistory = false;
    g.T = t;
    for (size_t k = 0; k < line.size(); ++k) {
        if (g.GameWon) return ::testing::AssertionFailure() << "won early, before action " << k;
        PlayAction(g, line[k]);
    }
    if (!g.GameWon) return ::testing::AssertionFailure() << "not won after " << line.size() << " actions";
    return ::testing::AssertionSuccess();
}

struct PositionRow {
    const char* Name;
    int Game;
    test::PileCards Piles;
    std::vector<int> FaceDown;
    SolveResult Expected;
    size_t MaxLine; // for a win
};

class KnownPosition : public testing::TestWithParam<PositionRow> { };

TEST_P(KnownPosition, SolverFindsTheKnownAnswer)
{
    const PositionRow& row = GetParam();
    Game g;
    test::SetUpAndDeal(g, row.Game, 1);
    Arrange(g.T, row.Piles, row.FaceDown);
    const TableState before = g.T;
    const Solution s = Solve(g.T, { 100000, 1'000'000'000 });
    EXPECT_EQ(g.T.Cards, before.Cards) << "the search works on its own copy";
    ASSERT_EQ(s.Result, row.Expected) << ResultName(s.Result) << " after " << s.Positions << " positions";
    if (row.Expected != SolveResult::Won) return;
    EXPECT_LE(s.Line.size(), row.MaxLine);
    EXPECT_TRUE(ReplayWins(g.T, s.Line));
}

const PositionRow Positions[] = {
    // Klondike: stock 0, waste 1, foundations 2..5, tableau 6..12.
    { "KlondikeAceThenHiddenTwo", games::Klondike, { { 6, { CardOf(Spades, 1), CardOf(Spades, 0) } } },
        { CardOf(Spades, 1) }, SolveResult::Won, 3 },
    { "KlondikeTwoOverHiddenAceWithAStockToTurn", games::Klondike,
        { { 0, { CardOf(Hearts, 6), CardOf(Clubs, 4) } }, { 6, { CardOf(Spades, 0), CardOf(Spades, 1) } } },
        { CardOf(Spades, 0) }, SolveResult::Lost, 0 },
    // Free Cell: free cells 0..3, foundations 4..7, tableau 8..15.
    { "FreeCellTwoSuitsCrossed", games::FreeCell,
        { { 8, { CardOf(Hearts, 1), CardOf(Spades, 0) } }, { 9, { CardOf(Spades, 1), CardOf(Hearts, 0) } } }, {},
        SolveResult::Won, 4 },
    { "FreeCellCellsFullNoMove", games::FreeCell,
        { { 0, { CardOf(Spades, 12) } }, { 1, { CardOf(Clubs, 12) } }, { 2, { CardOf(Spades, 11) } },
            { 3, { CardOf(Clubs, 11) } }, { 8, { CardOf(Spades, 2) } }, { 9, { CardOf(Spades, 3) } },
            { 10, { CardOf(Spades, 4) } }, { 11, { CardOf(Spades, 5) } }, { 12, { CardOf(Clubs, 2) } },
            { 13, { CardOf(Clubs, 3) } }, { 14, { CardOf(Clubs, 4) } }, { 15, { CardOf(Clubs, 5) } } },
        {}, SolveResult::Lost, 0 },
    // Golf: tableau 0..6, stock 7, waste 8.
    { "GolfTwoColumnCardsUpFromTheWaste", games::Golf,
        { { 8, { CardOf(Spades, 4) } }, { 0, { CardOf(Hearts, 5) } }, { 1, { CardOf(Clubs, 6) } } }, {},
        SolveResult::Won, 2 },
    { "GolfStockCardFitsNothing", games::Golf,
        { { 8, { CardOf(Spades, 4) } }, { 0, { CardOf(Hearts, 8) } }, { 7, { CardOf(Clubs, 12) } } },
        { CardOf(Clubs, 12) }, SolveResult::Lost, 0 },
    // Scorpion, tableau 0..6: three suits built whole, the fourth's Queen
    // and its run wait to join their King.
    { "ScorpionRunJoinsItsKing", games::Scorpion,
        { { 0, SuitDown(0) }, { 1, { CardOf(3, 12) } }, { 2, SuitDown(1) }, { 4, SuitDown(3, 11) },
            { 5, SuitDown(2) } },
        {}, SolveResult::Won, 1 },
};

INSTANTIATE_TEST_SUITE_P(Positions, KnownPosition, testing::ValuesIn(Positions),
    [](const testing::TestParamInfo<PositionRow>& info) { return std::string(info.param.Name); });

TEST(Solver, SpentBudgetIsUnknownNeverLost)
{
    Game g;
    test::SetUpAndDeal(g, games::FreeCell, 2);
    const Solution s = Solve(g.T, { 50, 1'000'000'000 });
    EXPECT_EQ(s.Result, SolveResult::Unknown);
    EXPECT_TRUE(s.Line.empty());
    EXPECT_LT(s.Positions, 200);
}

} // namespace
} // namespace quillo
