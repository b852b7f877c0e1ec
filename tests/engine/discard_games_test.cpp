// Black Hole, Aces Up, Osmosis and Gaps: games whose foundations or spaces
// follow rules of their own, over their real layouts.

#include <gtest/gtest.h>

#include "engine/autoplay.h"
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
using test::LeftPile;
using test::SetUpAndDeal;

constexpr int Spades = 0, Clubs = 1, Hearts = 2, Diamonds = 3;

// Black Hole: 0 the hole, 1..17 fans of three.
TEST(BlackHole, TheHoleStartsWithTheFirstAce)
{
    for (uint32_t number : {1u, 2u, 777u}) {
        Game g;
        SetUpAndDeal(g, games::BlackHole, number);
        const TableState& t = g.T;
        EXPECT_EQ(CardsOf(t, 0), std::vector<int>{0});
        std::vector<int> first;
        for (int k = 0; first.size() < 3; ++k)
            if (t.DealOrder[static_cast<size_t>(k)].CardIndex != 0) first.push_back(t.DealOrder[static_cast<size_t>(k)].CardIndex);
        EXPECT_EQ(CardsOf(t, 1), first) << number;
        for (int p = 1; p <= 17; ++p) EXPECT_EQ(t.PileAt(p).Count, 3) << p;
    }
}

TEST(BlackHole, OneRankUpOrDownAroundTheCorner)
{
    Game g;
    SetUpAndDeal(g, games::BlackHole, 3);
    TableState& t = g.T;
    const int two = CardOf(Hearts, 1), king = CardOf(Clubs, RankKing), four = CardOf(Diamonds, 3);
    const int middle = CardOf(Spades, 9);
    const test::PileCards fans{{1, {middle, two}}, {2, {king}}, {3, {four}}};
    struct Row {
        std::vector<int> Hole;
        int Card;
        bool Accepted;
    } rows[] = {
        {{CardOf(Spades, RankAce)}, two, true},
        {{CardOf(Spades, RankAce)}, king, true},
        {{CardOf(Spades, RankAce)}, four, false},
        {{CardOf(Spades, RankAce), CardOf(Spades, 1), CardOf(Spades, 2)}, four, true},
        {{CardOf(Spades, RankAce), CardOf(Spades, 1), CardOf(Spades, 2)}, two, true},
        {{CardOf(Hearts, RankKing)}, CardOf(Hearts, RankAce), true},
    };
    for (const Row& row : rows) {
        test::PileCards piles = fans;
        piles.push_back({0, row.Hole});
        if (row.Hole.size() == 1 && row.Hole[0] == CardOf(Hearts, RankKing)) piles.push_back({4, {CardOf(Hearts, RankAce)}});
        Arrange(t, piles);
        EXPECT_EQ(Ask(t, row.Card, 0), row.Accepted ? 0 : -1) << row.Card << " on " << row.Hole.back();
    }
    EXPECT_EQ(PickRule(t, middle), PickAction::Nothing);
    EXPECT_EQ(Ask(t, two, 3), -1) << "fans take nothing";
    EXPECT_EQ(Ask(t, two, 5), -1) << "nor do emptied fan places";
}

// Aces Up: 0 stock, 1..4 tableau, 5 the discard pile.
TEST(AcesUp, ACardGoesWhenAHigherOneOfItsSuitShows)
{
    Game g;
    SetUpAndDeal(g, games::AcesUp, 1);
    TableState& t = g.T;
    const int five = CardOf(Hearts, 4), queen = CardOf(Hearts, RankQueen), ace = CardOf(Hearts, RankAce);
    const int three = CardOf(Hearts, 2);
    struct Row {
        test::PileCards Piles;
        int Card;
        bool Discarded;
        const char* Why;
    } rows[] = {
        {{{1, {five}}, {2, {queen}}}, five, true, "a Queen of its suit shows"},
        {{{1, {five}}, {2, {queen}}}, queen, false, "nothing higher shows"},
        {{{1, {five}}, {2, {ace}}}, five, true, "Aces are high"},
        {{{1, {five}}, {2, {ace}}}, ace, false, "an Ace never goes"},
        {{{1, {five}}, {2, {three}}}, five, false, "only a lower heart shows"},
        {{{1, {five}}, {2, {queen, CardOf(Spades, 1)}}}, five, false, "a covered heart does not count"},
        {{{1, {CardOf(Clubs, 1), five}}, {2, {CardOf(Clubs, 8)}}}, CardOf(Clubs, 1), false, "only top cards go"},
    };
    for (const Row& row : rows) {
        Arrange(t, row.Piles);
        if (PickRule(t, row.Card) != PickAction::PickUp) {
            EXPECT_FALSE(row.Discarded) << row.Why;
            continue;
        }
        EXPECT_EQ(Ask(t, row.Card, 5), row.Discarded ? 5 : -1) << row.Why;
    }
    Arrange(t, {{1, {five}}, {2, {queen}}});
    EXPECT_EQ(Ask(t, five, 3), 3) << "any card fills a space";
    EXPECT_EQ(Ask(t, five, 2), -1) << "nothing builds on a card";
}

TEST(AcesUp, EachPressDealsOneCardOntoEveryPile)
{
    Game g;
    SetUpAndDeal(g, games::AcesUp, 2);
    TableState& t = g.T;
    Arrange(t, {{0, std::vector<int>(CardsOf(g.T, 0))}, {1, {CardsOf(g.T, 1)}}});
    for (int press = 1; press <= 12; ++press) {
        Left(g, TopCard(t, 0));
        EXPECT_EQ(t.PileAt(0).Count, 48 - 4 * press);
        EXPECT_EQ(t.PileAt(3).Count, press) << "empty piles are dealt to as well";
    }
    const TableState before = t;
    LeftPile(g, 0);
    EXPECT_TRUE(t.Cards == before.Cards);
}

TEST(AcesUp, WonWithOnlyTheAcesLeft)
{
    Game g;
    SetUpAndDeal(g, games::AcesUp, 3);
    TableState& t = g.T;
    std::vector<int> discarded;
    for (int card = 0; card < CardsPerDeck; ++card)
        if (t.CardAt(card).Rank != RankAce) discarded.push_back(card);
    const int last = discarded.back();
    Arrange(t, {{5, discarded}, {1, {CardOf(Spades, RankAce), CardOf(Hearts, RankAce)}}, {3, {CardOf(Clubs, RankAce)}},
                {4, {CardOf(Diamonds, RankAce)}}});
    EXPECT_TRUE(IsWon(t));
    discarded.pop_back();
    Arrange(t, {{5, discarded}, {0, {last}}, {1, {CardOf(Spades, RankAce)}}});
    EXPECT_FALSE(IsWon(t)) << "a card left in the stock";
}

// Osmosis: 0 stock, 1 waste, 2..5 foundations, 6..9 reserves.
TEST(Osmosis, ALowerFoundationFollowsTheRanksAboveIt)
{
    Game g;
    SetUpAndDeal(g, games::Osmosis, 4);
    TableState& t = g.T;
    const int seven = 6;
    const int heart2 = CardOf(Hearts, 1), spade7 = CardOf(Spades, seven), club7 = CardOf(Clubs, seven);
    const int spade9 = CardOf(Spades, 8), heart9 = CardOf(Hearts, 8);
    Arrange(t, {{2, {CardOf(Hearts, seven)}}, {6, {heart2}}, {7, {spade7}}, {8, {club7}}});
    t.Rules.StartRank = seven;
    EXPECT_EQ(Ask(t, heart2, 2), 2) << "the first foundation takes any card of its suit";
    EXPECT_EQ(Ask(t, spade7, 3), 3);
    EXPECT_EQ(Ask(t, club7, 4), -1) << "pile 3 has not started";
    Arrange(t, {{2, {CardOf(Hearts, seven)}}, {3, {spade7}}, {6, {spade9}}, {7, {heart9}}});
    EXPECT_EQ(Ask(t, spade9, 3), -1) << "no Nine above yet";
    Left(g, heart9);
    DropOn(g, 2);
    ASSERT_EQ(t.CardAt(heart9).PileIndex, 2);
    EXPECT_EQ(Ask(t, spade9, 3), 3);
}

// Gaps: 0..51 in four rows of thirteen.
TEST(Gaps, TheAcesLeaveFourGaps)
{
    Game g;
    SetUpAndDeal(g, games::Gaps, 8);
    const TableState dealt = g.T;
    std::vector<int> gaps;
    for (int p = 0; p < 52; ++p)
        if (dealt.PileAt(p).Count == 0) gaps.push_back(p);
    std::vector<int> acePlaces;
    for (int k = 0; k < 52; ++k)
        if (dealt.CardAt(dealt.DealOrder[static_cast<size_t>(k)].CardIndex).Rank == RankAce) acePlaces.push_back(k);
    EXPECT_EQ(gaps, acePlaces);
    for (int ace = 0; ace < 52; ace += 13) EXPECT_FALSE(dealt.CardAt(ace).InPlay);
    NewDeal(g, DealKind::Restart);
    EXPECT_TRUE(g.T.Cards == dealt.Cards && g.T.Piles == dealt.Piles);
}

TEST(Gaps, AGapTakesTheNextCardOfItsLeftNeighbour)
{
    Game g;
    SetUpAndDeal(g, games::Gaps, 9);
    TableState& t = g.T;
    const int six = CardOf(Hearts, 5), sixSpades = CardOf(Spades, 5), seven = CardOf(Hearts, 6);
    const int two = CardOf(Clubs, 1), queen = CardOf(Diamonds, RankQueen);
    Arrange(t, {{3, {CardOf(Hearts, 4)}}, {20, {six}}, {21, {sixSpades}}, {22, {seven}}, {40, {two}},
                {30, {CardOf(Diamonds, RankKing)}}, {45, {queen}}});
    EXPECT_EQ(Ask(t, six, 4), 4);
    EXPECT_EQ(Ask(t, sixSpades, 4), -1);
    EXPECT_EQ(Ask(t, seven, 4), -1);
    EXPECT_EQ(Ask(t, two, 13), 13) << "a first-column gap takes any Two";
    EXPECT_EQ(Ask(t, six, 13), -1);
    EXPECT_EQ(Ask(t, queen, 31), -1) << "a gap right of a King is dead";
    EXPECT_EQ(Ask(t, six, 5), -1) << "a gap right of a gap is dead";
    EXPECT_EQ(Ask(t, six, 22), -1) << "a card on a card";
}

TEST(Gaps, WonWhenEveryRowRunsTwoToKingInOneSuit)
{
    Game g;
    SetUpAndDeal(g, games::Gaps, 10);
    TableState& t = g.T;
    const int suits[] = {Diamonds, Spades, Hearts, Clubs};
    test::PileCards rows;
    for (int row = 0; row < 4; ++row)
        for (int c = 0; c < 12; ++c) rows.push_back({13 * row + c, {CardOf(suits[row], c + 1)}});
    Arrange(t, rows);
    EXPECT_TRUE(IsWon(t)) << "whichever row holds which suit";
    // The King of the last row waits at the end; the move that fills its gap wins.
    rows.back().first = 51;
    Arrange(t, rows);
    test::Rebase(g);
    EXPECT_FALSE(IsWon(t));
    Left(g, CardOf(Clubs, RankKing));
    DropOn(g, 50);
    EXPECT_TRUE(g.GameWon);
}

}  // namespace
}  // namespace quillo
