// The solver on small positions with a known answer: lines it calls won are
// replayed through the engine and must win with their last action; Lost only
// where nothing is left to search. Whole deals are solved in the scripted
// games.

#include "engine/catalogue.h"
#include "engine/fan_fit.h"
#include "engine/games/games.h"
#include "engine/position_hash.h"
#include "engine/solver.h"
#include "engine/table_snapshots.h"
#include "support/random_play.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using test::Arrange;
using test::CardOf;

using test::Clubs;
using test::Hearts;
using test::Spades;

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
    const char* Table; // as test::Lay reads it
    SolveResult Expected;
    size_t MaxLine; // for a win
};

class KnownPosition : public testing::TestWithParam<PositionRow> { };

TEST_P(KnownPosition, SolverFindsTheKnownAnswer)
{
    const PositionRow& row = GetParam();
    Game g;
    test::SetUpAndDeal(g, row.Game, 1);
    test::Lay(g.T, row.Table);
    const TableState before = g.T;
    const Solution s = Solve(g.T, { 100000, 1'000'000'000 });
    EXPECT_EQ(g.T.Cards, before.Cards) << "the search works on its own copy";
    ASSERT_EQ(s.Result, row.Expected) << ResultName(s.Result) << " after " << s.Positions << " positions";
    if (row.Expected != SolveResult::Won) return;
    EXPECT_LE(s.Line.size(), row.MaxLine);
    EXPECT_TRUE(ReplayWins(g.T, s.Line));
}

// Klondike: stock 0, waste 1, foundations 2..5, tableau 6..12. Free Cell:
// free cells 0..3, foundations 4..7, tableau 8..15. Golf: tableau 0..6,
// stock 7, waste 8. Scorpion, tableau 0..6: three suits built whole, the
// fourth's Queen and its run wait to join their King. Baker's Dozen:
// foundations 0..3, tableau 4..16, spaces never filled: the Three of Spades
// could go home, but the Two of Diamonds must lie on it first to free its Ace.
const PositionRow Positions[] = {
    { "KlondikeAceThenHiddenTwo", games::Klondike, "6: ~2S AS", SolveResult::Won, 3 },
    { "KlondikeTwoOverHiddenAceWithAStockToTurn", games::Klondike, "0: 7H 5C; 6: ~AS 2S", SolveResult::Lost, 0 },
    { "FreeCellTwoSuitsCrossed", games::FreeCell, "8: 2H AS; 9: 2S AH", SolveResult::Won, 4 },
    { "FreeCellCellsFullNoMove", games::FreeCell,
        "0: KS; 1: KC; 2: QS; 3: QC; 8: 3S; 9: 4S; 10: 5S; 11: 6S; 12: 3C; 13: 4C; 14: 5C; 15: 6C", SolveResult::Lost,
        0 },
    { "GolfTwoColumnCardsUpFromTheWaste", games::Golf, "8: 5S; 0: 6H; 1: 7C", SolveResult::Won, 2 },
    { "GolfStockCardFitsNothing", games::Golf, "8: 5S; 0: 9H; 7: ~KC", SolveResult::Lost, 0 },
    { "ScorpionRunJoinsItsKing", games::Scorpion, "0: KC-AC; 1: KD; 2: KS-AS; 4: QD-AD; 5: KH-AH", SolveResult::Won,
        1 },
    { "BakersDozenThreeWaitsForATwoOfAnotherSuit", games::BakersDozen, "0: AS 2S; 4: AD 2D; 5: 3S", SolveResult::Won,
        4 },
    { "BakersDozenTwoOverItsAceWithNowhereToGo", games::BakersDozen, "0: AS; 4: AD 2D; 5: 2S", SolveResult::Lost, 0 },
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
    // Across the passes that start afresh, the budget still counts all.
    test::SetUpAndDeal(g, games::FreeCell, 102);
    const Solution passes = Solve(g.T, { 12'000, 1'000'000'000 });
    EXPECT_EQ(passes.Result, SolveResult::Unknown);
    EXPECT_LT(passes.Positions, 12'100);
}

// Deals the first measure wanders on are won by a later pass, with a line
// that replays to the win.
TEST(Solver, WinsTheDealsTheFirstPassWandersOn)
{
    for (const uint32_t deal : { 142u, 164u }) {
        Game g;
        test::SetUpAndDeal(g, games::FreeCell, deal);
        const Solution s = Solve(g.T, { 60'000, 1'000'000'000 });
        ASSERT_EQ(s.Result, SolveResult::Won) << deal;
        EXPECT_TRUE(ReplayWins(g.T, s.Line)) << deal;
    }
}

// Games whose own weights decide most deals: one deal each, won within a
// budget of positions, and the line replays to the win. Klondike's deal is
// won by best first after its depth-first opening has spent its share.
TEST(Solver, WinsADealOfEachGameWithItsOwnWeights)
{
    const std::pair<int, uint32_t> deals[] = {
        { games::Klondike, 16 },
        { games::BakersDozen, 2 },
        { games::Scorpion, 1 },
        { games::FlowerGarden, 4 },
    };
    for (const auto& [game, deal] : deals) {
        Game g;
        test::SetUpAndDeal(g, game, deal);
        const Solution s = Solve(g.T, { 100'000, 1'000'000'000 });
        ASSERT_EQ(s.Result, SolveResult::Won) << test::NameOf(game) << " " << deal;
        EXPECT_TRUE(ReplayWins(g.T, s.Line)) << test::NameOf(game) << " " << deal;
    }
}

// Golf, tableau 0..6, stock 7, waste 8: a column card with no card a rank
// away on the waste's top or still to come can never go.
struct GolfRow {
    const char* Name;
    const char* Table;
    bool Hopeless;
};

class GolfDeadCard : public testing::TestWithParam<GolfRow> { };

TEST_P(GolfDeadCard, HopelessOnlyWhereACardCanNeverGo)
{
    Game g;
    test::SetUpAndDeal(g, games::Golf, 1);
    test::Lay(g.T, GetParam().Table);
    EXPECT_EQ(games::GolfHopeless(g.T), GetParam().Hopeless);
}

const GolfRow GolfRows[] = {
    { "KingWithEveryQueenGone", "0: KS; 8: QH 4S", true },
    { "QueenOnTheWasteTop", "0: KS; 8: QH", false },
    { "QueenInTheStock", "0: KS; 7: QH; 8: 4S", false },
    { "QueenInAnotherColumn", "0: KS; 1: QH", false },
    { "QueenAboveInItsOwnColumn", "0: KS QH; 7: JC", false },
    { "OnlyNeighbourUnderItInItsColumn", "0: 5H 6S; 8: TS", true },
    { "AceNeedsATwoNotAKing", "0: AS; 7: KH", true },
};

INSTANTIATE_TEST_SUITE_P(Positions, GolfDeadCard, testing::ValuesIn(GolfRows),
    [](const testing::TestParamInfo<GolfRow>& info) { return std::string(info.param.Name); });

// A heap's order below its top makes no other position; its top does, and
// so does the order of any other pile.
TEST(PositionHash, HeapCountsItsTopAndCardsNotTheirOrder)
{
    const uint64_t waste = uint64_t{ 1 } << 8;
    auto hash = [&](const test::PileCards& piles, uint64_t heaps) {
        Game g;
        test::SetUpAndDeal(g, games::Golf, 1);
        Arrange(g.T, piles);
        return PositionHash(g.T, false, heaps);
    };
    const int a = CardOf(Spades, 3), b = CardOf(Hearts, 4), c = CardOf(Clubs, 5), d = CardOf(Spades, 9);
    const uint64_t abc = hash({ { 0, { d } }, { 8, { a, b, c } } }, waste);
    EXPECT_EQ(hash({ { 0, { d } }, { 8, { b, a, c } } }, waste), abc);
    EXPECT_NE(hash({ { 0, { d } }, { 8, { a, c, b } } }, waste), abc);
    EXPECT_NE(hash({ { 0, { d } }, { 8, { a, b } } }, waste), abc);
    EXPECT_NE(hash({ { 0, { d } }, { 8, { b, a, c } } }, 0), hash({ { 0, { d } }, { 8, { a, b, c } } }, 0));
}

// Black Hole, hole 0 and fans 1..17: the hole turns the corner, so an Ace
// may follow a King.
TEST(BlackHoleDeadCard, TheHoleTurnsTheCorner)
{
    Game g;
    test::SetUpAndDeal(g, games::BlackHole, 1);
    for (const auto& [table, hopeless] :
        { std::pair{ "0: KH; 1: AS", false }, { "0: 6H; 1: AS; 2: QC", true }, { "0: 6H; 1: AS; 2: KC", false } }) {
        test::Lay(g.T, table);
        EXPECT_EQ(games::BlackHoleHopeless(g.T), hopeless) << table;
    }
}

// Tables kept as changes from the deal come back whole: every field the
// engine plays with, after runs of actions that move, turn and deal cards.
struct DealRow {
    int Game;
    uint32_t Number;
};

class SnapshotRoundTrip : public testing::TestWithParam<DealRow> { };

TEST_P(SnapshotRoundTrip, EveryKeptTableComesBackAsItWas)
{
    Game g;
    g.KeepHistory = false;
    test::SetUpAndDeal(g, GetParam().Game, GetParam().Number);
    TableSnapshots kept;
    kept.Reset(g.T);
    std::vector<TableState> tables;
    std::vector<PlayerAction> actions;
    // Each table is kept many times over, so that the kept changes run
    // through more than one of the pool's blocks.
    constexpr int Copies = 200;
    for (int step = 0; step < 60; ++step) {
        tables.push_back(g.T);
        for (int copy = 0; copy < Copies; ++copy)
            ASSERT_EQ(kept.Add(g.T), step * Copies + copy);
        actions.clear();
        ListActions(g.T, actions);
        if (actions.empty()) break;
        // A fixed spread over the list, so the runs differ from game to game.
        PlayAction(g, actions[static_cast<size_t>(step * 7) % actions.size()]);
    }
    ASSERT_GT(tables.size(), 5u);
    TableState back;
    for (size_t i = tables.size() * 2; i-- > 0;) {
        const size_t k = i / 2;
        kept.Get(static_cast<int>(k) * Copies + (i % 2 == 0 ? 0 : Copies - 1), back);
        const TableState& want = tables[k];
        ASSERT_EQ(back.Cards, want.Cards) << k;
        ASSERT_EQ(back.Piles, want.Piles) << k;
        ASSERT_EQ(back.Rules, want.Rules) << k;
        ASSERT_EQ(back.PileOrder, want.PileOrder) << k;
        ASSERT_EQ(back.DealOrder, want.DealOrder) << k;
        ASSERT_EQ(back.ActiveCard, want.ActiveCard) << k;
        ASSERT_EQ(back.MarkedCard, want.MarkedCard) << k;
        ASSERT_EQ(back.RandSeed, want.RandSeed) << k;
        ASSERT_EQ(back.PlayedPending, want.PlayedPending) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Deals, SnapshotRoundTrip,
    testing::Values(DealRow{ games::Klondike, 3 }, DealRow{ games::FreeCell, 2 }, DealRow{ games::Spider, 1 },
        DealRow{ games::Pyramid, 2 }, DealRow{ games::Golf, 5 }, DealRow{ games::MonteCarlo, 4 },
        DealRow{ games::Crescent, 1 }));

// The solver's way of playing a listed action makes the very table the
// press, snap and release make, in every game, along random walks.
TEST(ListedPlay, MakesTheTableThePointerMakes)
{
    std::vector<PlayerAction> listed, scratch;
    for (const int game : test::LaidOutGames()) {
        Game g;
        g.KeepHistory = false;
        test::SetUpAndDeal(g, game, 3);
        uint32_t x = 2463534242u + static_cast<uint32_t>(game);
        for (int step = 0; step < 40; ++step) {
            listed.clear();
            ListActions(g.T, listed);
            for (const PlayerAction& a : listed) {
                Game full, direct;
                full.KeepHistory = direct.KeepHistory = false;
                full.T = direct.T = g.T;
                PlayAction(full, a);
                PlayListedAction(direct, a);
                const TableState &f = full.T, &d = direct.T;
                ASSERT_TRUE(f.Cards == d.Cards && f.Piles == d.Piles && f.Rules == d.Rules
                    && f.PileOrder == d.PileOrder && f.ActiveCard == d.ActiveCard && f.DropPile == d.DropPile
                    && f.MarkedCard == d.MarkedCard && f.Dragging == d.Dragging && f.HoverPile == d.HoverPile
                    && full.GameWon == direct.GameWon)
                    << g.T.GameName << " step " << step << " card " << a.Card << " to pile " << a.Pile;
            }
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            if (listed.empty() || g.GameWon) break;
            // Mostly listed actions, now and then a careless press.
            if (x % 5 == 0)
                test::PlayRandomStep(g, x, scratch);
            else
                PlayAction(g, listed[x % listed.size()]);
        }
    }
}

// Fitting every fan after a move skips counting the cards of piles that fit
// however their cards face; the steps must still be those that counting
// gives, on both sides of the edge (Klondike's first column, 6, at Y 131,
// 96 tall, steps 20 up and 10 down, in a field 526 tall).
TEST(FanFit, SkippingTheCountGivesTheCountedSteps)
{
    for (const int down : { 0, 4, 8 }) {
        for (int up = 1; up <= 20; ++up) {
            Game g;
            test::SetUpAndDeal(g, games::Klondike, 1);
            std::vector<int> column, faceDown;
            for (int k = 0; k < down + up; ++k) {
                column.push_back(k);
                if (k < down) faceDown.push_back(k);
            }
            Arrange(g.T, { { 6, column } }, faceDown);
            FitFans(g.T);
            for (int p = 0; p < g.T.Rules.PileCount; ++p) {
                const Pile& pile = g.T.PileAt(p);
                const PileSteps steps{ { pile.FanX, pile.FanY }, { pile.DownFanX, pile.DownFanY } };
                EXPECT_TRUE(steps == FittedSteps(g.T, p)) << "pile " << p << ", " << down << " down, " << up << " up";
            }
        }
    }
}

} // namespace
} // namespace quillo
