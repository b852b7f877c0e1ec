// Eagle Wing and Chameleon: an emptied tableau pile takes the reserve's top
// card, over their real layouts.

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/legality.h"
#include "table_probe.h"

namespace quillo {
namespace {

using test::Arrange;
using test::Ask;
using test::CardOf;
using test::CardsOf;
using test::DropOn;
using test::Left;
using test::SetUpAndDeal;

constexpr int Spades = 0, Clubs = 1, Hearts = 2, Diamonds = 3;
constexpr int SecondDeck = CardsPerDeck;

// Eagle Wing: 0 stock, 1 waste, 2..5 foundations, 6 trunk, 7..14 wings.
// Chameleon: 0 stock, 1 waste, 2..5 foundations, 6 reserve, 7..9 tableau.
struct RefillCase {
    int Game;
    int Foundation, Reserve, Pile, LastPile;
};

class ReserveRefill : public testing::TestWithParam<RefillCase> {};

TEST_P(ReserveRefill, AnEmptiedPileTakesTheReserveTopInTheSameAction)
{
    const RefillCase rc = GetParam();
    Game g;
    SetUpAndDeal(g, rc.Game, 11);
    TableState& t = g.T;
    const int five = CardOf(Hearts, 4), six = CardOf(Hearts, 5), hidden = CardOf(Clubs, 1), top = CardOf(Clubs, 2);
    test::PileCards piles{{rc.Foundation, {five}}, {rc.Pile, {six}}, {rc.Reserve, {hidden, top}}};
    for (int p = rc.Pile + 1, k = 0; p <= rc.LastPile; ++p, ++k) piles.push_back({p, {CardOf(Diamonds, k)}});
    Arrange(t, piles, {hidden});
    test::Rebase(g);
    const TableState before = t;
    Left(g, six);
    DropOn(g, rc.Foundation);
    EXPECT_EQ(CardsOf(t, rc.Pile), std::vector<int>{top});
    EXPECT_EQ(t.PileAt(rc.Reserve).Count, 1);
    EXPECT_TRUE(t.CardAt(hidden).FaceUp) << "Autoplay turns the next reserve card";
    EXPECT_EQ(g.Undo.Count(), 2) << "one snapshot for the move and the refill";
    UndoMove(g);
    EXPECT_TRUE(test::SameCardsAndPiles(t, before));
    // With the reserve gone, any card or run fills the space.
    Arrange(t, {{rc.Foundation, {five}}, {1, {CardOf(Spades, 8)}}});
    EXPECT_EQ(Ask(t, CardOf(Spades, 8), rc.Pile), rc.Pile);
}

INSTANTIATE_TEST_SUITE_P(Games, ReserveRefill,
                         testing::Values(RefillCase{games::EagleWing, 2, 6, 7, 14},
                                         RefillCase{games::Chameleon, 2, 6, 7, 9}),
                         [](const auto& info) { return info.param.Game == games::EagleWing ? "EagleWing" : "Chameleon"; });

TEST(EagleWing, WingsBuildInSuitAroundTheCorner)
{
    Game g;
    SetUpAndDeal(g, games::EagleWing, 4);
    TableState& t = g.T;
    const int king = CardOf(Hearts, RankKing), queen = CardOf(Spades, RankQueen);
    Arrange(t, {{7, {CardOf(Hearts, RankAce)}}, {8, {CardOf(Diamonds, RankKing)}}, {1, {king}}, {9, {queen}}, {6, {1}}});
    EXPECT_EQ(Ask(t, king, 7), 7) << "a King on the Ace of its suit";
    EXPECT_EQ(Ask(t, queen, 8), -1) << "a Queen only on the King of its suit";
    EXPECT_EQ(Ask(t, queen, 10), -1) << "the trunk still holds a card";
}

TEST(Chameleon, RunsMoveWholeRegardlessOfSuit)
{
    Game g;
    SetUpAndDeal(g, games::Chameleon, 7);
    TableState& t = g.T;
    const int seven = CardOf(Spades, 6), king = CardOf(Hearts, RankKing);
    Arrange(t, {{7, {seven, CardOf(Hearts, 5), CardOf(Clubs, 4)}}, {8, {CardOf(Diamonds, 7)}},
                {9, {CardOf(Clubs, RankAce)}}, {1, {king}}, {6, {CardOf(Diamonds, 2)}}});
    EXPECT_EQ(PickRule(t, seven), PickAction::PickUp);
    EXPECT_EQ(Ask(t, seven, 8), 8);
    EXPECT_EQ(Ask(t, king, 9), 9) << "a King on an Ace of any suit";
}

}  // namespace
}  // namespace quillo
