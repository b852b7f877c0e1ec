// Spider and Rouge et Noir: whole runs from a King go home, over their real
// layouts.

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/legality.h"
#include "table_probe.h"

namespace quillo {
namespace {

using test::Arrange;
using test::Ask;
using test::CardOf;
using test::Left;
using test::SetUpAndDeal;

constexpr int Spades = 0, Clubs = 1, Hearts = 2, Diamonds = 3;
constexpr int SecondDeck = CardsPerDeck;

// Spider: 0 stock, 1..8 foundations, 9..18 tableau.
TEST(Spider, TheStockDealsOnlyWhileEveryPileHoldsACard)
{
    Game g;
    SetUpAndDeal(g, games::Spider, 12);
    TableState& t = g.T;
    std::vector<int> stock;
    for (int k = 0; k < 20; ++k) stock.push_back(SecondDeck + k);
    test::PileCards piles{{0, stock}};
    for (int p = 9; p <= 18; ++p)
        if (p != 13) piles.push_back({p, {p}});
    Arrange(t, piles);
    test::Rebase(g);
    const TableState before = t;
    Left(g, TopCard(t, 0));
    EXPECT_TRUE(t.Cards == before.Cards) << "the press raises the stock, nothing more";
    EXPECT_EQ(g.Undo.Count(), 1);
    piles.push_back({13, {13}});
    Arrange(t, piles);
    Left(g, TopCard(t, 0));
    EXPECT_EQ(t.PileAt(0).Count, 10);
    for (int p = 9; p <= 18; ++p) EXPECT_EQ(t.PileAt(p).Count, 2) << p;
}

TEST(Spider, OnlyRunsOfOneSuitMoveTogether)
{
    Game g;
    SetUpAndDeal(g, games::Spider, 13);
    TableState& t = g.T;
    const int nine = CardOf(Spades, 8), eight = CardOf(Spades, 7), seven = CardOf(Hearts, 6);
    const int nine2 = SecondDeck + nine, eight2 = SecondDeck + eight, seven2 = SecondDeck + CardOf(Spades, 6);
    Arrange(t, {{9, {nine, eight, seven}}, {10, {nine2, eight2, seven2}}, {11, {CardOf(Diamonds, 9)}}});
    EXPECT_EQ(PickRule(t, eight), PickAction::Nothing);
    EXPECT_EQ(PickRule(t, seven), PickAction::PickUp);
    EXPECT_EQ(PickRule(t, nine2), PickAction::PickUp);
    EXPECT_EQ(Ask(t, nine2, 11), 11) << "onto a Ten of any suit";
    EXPECT_EQ(Ask(t, nine2, 12), 12) << "into a space";
}

TEST(Spider, AFoundationTakesOneWholeSuitFromTheKing)
{
    Game g;
    SetUpAndDeal(g, games::Spider, 14);
    TableState& t = g.T;
    std::vector<int> run;
    for (int r = RankKing; r >= RankAce; --r) run.push_back(CardOf(Spades, r));
    const int ace = SecondDeck + CardOf(Hearts, RankAce), king = CardOf(Diamonds, RankKing);
    Arrange(t, {{9, run}, {10, {ace}}, {11, {king}}});
    EXPECT_EQ(Ask(t, run[0], 1), 1);
    EXPECT_EQ(Ask(t, run[1], 1), -1) << "twelve cards";
    EXPECT_EQ(Ask(t, ace, 1), -1) << "a single Ace";
    EXPECT_EQ(Ask(t, king, 10), -1) << "no King on an Ace";
    Arrange(t, {{9, run}, {2, {SecondDeck + CardOf(Clubs, RankKing)}}});
    EXPECT_EQ(Ask(t, run[0], 2), -1) << "an occupied foundation";
}

// Rouge et Noir: 0 stock, 1..4 colour foundations, 5..8 run foundations,
// 9..18 tableau.
TEST(RougeEtNoir, RunFoundationsTakeAWholeAlternatingRun)
{
    Game g;
    SetUpAndDeal(g, games::RougeEtNoir, 21);
    TableState& t = g.T;
    std::vector<int> run, broken;
    for (int r = RankKing; r >= RankAce; --r) {
        run.push_back(CardOf(r % 2 == 0 ? Spades : Hearts, r));
        broken.push_back(SecondDeck + CardOf(r % 2 == 0 || r == 5 ? Spades : Hearts, r));
    }
    Arrange(t, {{9, run}, {10, broken}});
    EXPECT_EQ(Ask(t, run[0], 5), 5);
    EXPECT_EQ(Ask(t, run[1], 5), -1) << "twelve cards";
    EXPECT_EQ(Ask(t, run[0], 1), -1) << "a colour foundation";
    EXPECT_EQ(Ask(t, broken[0], 6), -1) << "a colour break";
}

TEST(RougeEtNoir, TwoColourFoundationsPerColour)
{
    Game g;
    SetUpAndDeal(g, games::RougeEtNoir, 22);
    TableState& t = g.T;
    const int red = SecondDeck + CardOf(Hearts, RankAce), black = CardOf(Spades, RankAce);
    Arrange(t, {{1, {CardOf(Hearts, RankAce)}}, {2, {CardOf(Diamonds, RankAce)}}, {9, {red}}, {10, {black}}});
    EXPECT_EQ(Ask(t, red, 3), -1);
    EXPECT_EQ(Ask(t, red, 4), -1);
    EXPECT_EQ(Ask(t, black, 3), 3);
}

TEST(RougeEtNoir, NoWrapInTheTableau)
{
    Game g;
    SetUpAndDeal(g, games::RougeEtNoir, 23);
    TableState& t = g.T;
    const int ace = CardOf(Spades, RankAce), king = CardOf(Hearts, RankKing), buried = CardOf(Hearts, RankAce);
    const int queen = CardOf(Diamonds, RankQueen), lead = CardOf(Clubs, RankKing);
    Arrange(t, {{9, {ace}}, {10, {king}}, {11, {buried, CardOf(Spades, RankKing)}}, {12, {queen}},
                {13, {lead, SecondDeck + queen}}, {15, {CardOf(Hearts, 2)}}});
    EXPECT_EQ(Ask(t, king, 9), -1) << "a King on an Ace";
    ASSERT_EQ(PickRule(t, buried), PickAction::PickUp);
    for (int p = 1; p <= 18; ++p) EXPECT_EQ(Ask(t, buried, p), -1) << "A, K goes nowhere: " << p;
    EXPECT_EQ(Ask(t, queen, 14), -1) << "a space takes only a King";
    EXPECT_EQ(Ask(t, lead, 14), 14);
}

}  // namespace
}  // namespace quillo
