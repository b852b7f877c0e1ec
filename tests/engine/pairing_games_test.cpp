// Games of pairs and discards: Golf, Black Hole, Aces Up, Gaps and Pyramid
// (Monte Carlo and Royal Marriage are played through their listers in the
// action-list check). Dealt piles, drops, then the own rules.

#include "engine/autoplay.h"
#include "engine/games/games.h"
#include "engine/labels.h"
#include "engine/special.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using namespace test;

TEST(PairingGames, DealtPiles)
{
    ExpectDealt({
        {games::Golf, {5, 5, 5, 5, 5, 5, 5, 16, 1}},
        {games::BlackHole, {1, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
        {games::AcesUp, {48, 1, 1, 1, 1, 0}},
        {games::Pyramid, {24, 0, 28, 0}},
        {games::MonteCarlo, {27, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}},
        {games::RoyalMarriage,
            {51, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    });
}

TEST(PairingGames, Drops)
{
    ExpectDrops({
        {games::Golf, "5 on 6", {{8, {CardOf(Spades, 5)}}, {0, {CardOf(Hearts, 4)}}}, CardOf(Hearts, 4), 8,
            true},
        {games::Golf, "7 on 6", {{8, {CardOf(Spades, 5)}}, {0, {CardOf(Hearts, 6)}}}, CardOf(Hearts, 6), 8,
            true},
        {games::Golf, "6 on 6", {{8, {CardOf(Spades, 5)}}, {0, {CardOf(Hearts, 5)}}}, CardOf(Hearts, 5), 8,
            false},
        {games::Golf, "8 on 6", {{8, {CardOf(Spades, 5)}}, {0, {CardOf(Hearts, 7)}}}, CardOf(Hearts, 7), 8,
            false},
        {games::Golf, "Q on K", {{8, {CardOf(Spades, 12)}}, {0, {CardOf(Hearts, 11)}}}, CardOf(Hearts, 11),
            8, true},
        {games::Golf, "A on K", {{8, {CardOf(Spades, 12)}}, {0, {CardOf(Hearts, 0)}}}, CardOf(Hearts, 0), 8,
            false},
        {games::Golf, "2 on A", {{8, {CardOf(Spades, 0)}}, {0, {CardOf(Hearts, 1)}}}, CardOf(Hearts, 1), 8,
            true},
        {games::Golf, "K on A", {{8, {CardOf(Spades, 0)}}, {0, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 8,
            false},
        {games::Golf, "column", {{1, {CardOf(Spades, 5)}}, {0, {CardOf(Hearts, 4)}}}, CardOf(Hearts, 4), 1,
            false},
        {games::Golf, "stock", {{7, {CardOf(Spades, 5)}}, {0, {CardOf(Hearts, 4)}}}, CardOf(Hearts, 4), 7,
            false},
        {games::Golf, "the waste card goes nowhere",
            {{8, {CardOf(Spades, 5), CardOf(Spades, 4)}}, {0, {CardOf(Hearts, 5)}}}, CardOf(Spades, 4), 0,
            false},
    });
}

// Black Hole: 0 the hole, 1..17 fans of three.
TEST(BlackHole, TheHoleStartsWithTheFirstAce)
{
    for (uint32_t number : { 1u, 2u, 777u }) {
        Game g;
        SetUpAndDeal(g, games::BlackHole, number);
        const TableState& t = g.T;
        EXPECT_EQ(CardsOf(t, 0), std::vector<int>{ 0 });
        std::vector<int> first;
        for (int k = 0; first.size() < 3; ++k)
            if (t.DealOrder[static_cast<size_t>(k)].CardIndex != 0)
                first.push_back(t.DealOrder[static_cast<size_t>(k)].CardIndex);
        EXPECT_EQ(CardsOf(t, 1), first) << number;
        for (int p = 1; p <= 17; ++p)
            EXPECT_EQ(t.PileAt(p).Count, 3) << p;
    }
}

TEST(BlackHole, OneRankUpOrDownAroundTheCorner)
{
    Game g;
    SetUpAndDeal(g, games::BlackHole, 3);
    TableState& t = g.T;
    const int two = CardOf(Hearts, 1), king = CardOf(Clubs, RankKing), four = CardOf(Diamonds, 3);
    const int middle = CardOf(Spades, 9);
    const PileCards fans{{1, {middle, two}}, {2, {king}}, {3, {four}}};
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
        PileCards piles = fans;
        piles.push_back({ 0, row.Hole });
        if (row.Hole.size() == 1 && row.Hole[0] == CardOf(Hearts, RankKing))
            piles.push_back({4, {CardOf(Hearts, RankAce)}});
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
        PileCards Piles;
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
        {{{1, {CardOf(Clubs, 1), five}}, {2, {CardOf(Clubs, 8)}}}, CardOf(Clubs, 1), false,
            "only top cards go"},
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
    Arrange(t,
        {{5, discarded}, {1, {CardOf(Spades, RankAce), CardOf(Hearts, RankAce)}},
            {3, {CardOf(Clubs, RankAce)}}, {4, {CardOf(Diamonds, RankAce)}}});
    EXPECT_TRUE(IsWon(t));
    discarded.pop_back();
    Arrange(t, {{5, discarded}, {0, {last}}, {1, {CardOf(Spades, RankAce)}}});
    EXPECT_FALSE(IsWon(t)) << "a card left in the stock";
}

// Gaps: 0..51 in four rows of thirteen.
TEST(Gaps, AGapTakesTheNextCardOfItsLeftNeighbour)
{
    Game g;
    SetUpAndDeal(g, games::Gaps, 9);
    TableState& t = g.T;
    const int six = CardOf(Hearts, 5), sixSpades = CardOf(Spades, 5), seven = CardOf(Hearts, 6);
    const int two = CardOf(Clubs, 1), queen = CardOf(Diamonds, RankQueen);
    Arrange(t,
        {{3, {CardOf(Hearts, 4)}}, {20, {six}}, {21, {sixSpades}}, {22, {seven}}, {40, {two}},
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
    const int suits[] = { Diamonds, Spades, Hearts, Clubs };
    PileCards rows;
    for (int row = 0; row < 4; ++row)
        for (int c = 0; c < 12; ++c)
            rows.push_back({13 * row + c, {CardOf(suits[row], c + 1)}});
    Arrange(t, rows);
    EXPECT_TRUE(IsWon(t)) << "whichever row holds which suit";
    // The King of the last row waits at the end; the move that fills its gap wins.
    rows.back().first = 51;
    Arrange(t, rows);
    Rebase(g);
    EXPECT_FALSE(IsWon(t));
    Left(g, CardOf(Clubs, RankKing));
    DropOn(g, 50);
    EXPECT_TRUE(g.GameWon);
}

// Pyramid piles: 0 stock, 1 waste, 2 the pyramid, 3 the hidden discard pile.
int AtPlace(const TableState& t, int place)
{
    for (int i = 0; i < 52; ++i)
        if (t.CardAt(i).InPlay && t.CardAt(i).PileIndex == 2 && t.CardAt(i).Order == place) return i;
    return -1;
}

// Takes the cards at the given places off the pyramid as discards would.
void Clear(TableState& t, std::initializer_list<int> places)
{
    for (int place : places)
        DiscardCard(t, AtPlace(t, place));
}

TEST(Pyramid, ACardIsFreeOnlyWhenBothCardsBelowAreGone)
{
    struct Row {
        std::initializer_list<int> Cleared;
        int Place;
        bool Available;
    } rows[] = {
        {{}, 21, true},
        {{}, 27, true},
        {{}, 3, false},
        {{6}, 3, false},
        {{7}, 3, false},
        {{6, 7}, 3, true},
        {{21, 22}, 15, true},
        {{22}, 15, false},
    };
    for (const Row& row : rows) {
        Game g;
        SetUpAndDeal(g, games::Pyramid, 11);
        Clear(g.T, row.Cleared);
        EXPECT_EQ(games::PyramidAvailable(g.T, AtPlace(g.T, row.Place)), row.Available) << row.Place;
    }
}

TEST(Pyramid, PairWithTheWasteLeavesEveryOtherCardInPlace)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::Pyramid, 11);
    TableState& t = g.T;
    // Deal from the stock until the waste's top pairs with place 21.
    const int low = AtPlace(t, 21);
    int pressed = 0;
    while (t.PileAt(0).Count > 0
        && (t.PileAt(1).Count == 0 || t.CardAt(CardsOf(t, 1).back()).Rank + t.CardAt(low).Rank != 11)) {
        Left(g, CardsOf(t, 0).back());
        ++pressed;
    }
    ASSERT_GT(t.PileAt(1).Count, 0) << "deal 11 has a partner for place 21 in its stock";
    const int partner = CardsOf(t, 1).back();
    const TableState before = t;
    view.Events.clear();
    Left(g, low);
    EXPECT_EQ(t.MarkedCard, low);
    EXPECT_EQ(view.Count("snapshot"), 0) << "marking records nothing";
    Left(g, partner);
    EXPECT_FALSE(t.CardAt(low).InPlay);
    EXPECT_FALSE(t.CardAt(partner).InPlay);
    EXPECT_EQ(t.PileAt(2).Count, 27);
    EXPECT_EQ(t.PileAt(1).Count, before.PileAt(1).Count - 1);
    for (int place = 0; place < 28; ++place)
        if (place != 21) {
            EXPECT_EQ(AtPlace(t, place), AtPlace(before, place)) << place;
        }
    EXPECT_EQ(view.Count("snapshot"), 1);
    UndoMove(g);
    EXPECT_TRUE(t.Cards == before.Cards);
    EXPECT_EQ(t.PileAt(2).Count, 28);
}

TEST(Pyramid, KingsGoAloneAndStaleMarksAreDropped)
{
    Game g;
    SetUpAndDeal(g, games::Pyramid, 11);
    TableState& t = g.T;
    // Clear the bottom row but one card, and put a King at place 27's neighbour.
    const int marked = AtPlace(t, 21);
    Left(g, marked);
    ASSERT_EQ(t.MarkedCard, marked);
    // A King pressed while another card is marked goes at once and clears the mark.
    int king = -1;
    for (int place = 21; place < 28; ++place)
        if (t.CardAt(AtPlace(t, place)).Rank == RankKing) king = AtPlace(t, place);
    if (king != -1) {
        Left(g, king);
        EXPECT_FALSE(t.CardAt(king).InPlay);
        EXPECT_EQ(t.MarkedCard, -1);
    }
    // A marked waste card sent back by the turn of the stock pairs with nothing.
    while (t.PileAt(0).Count > 0)
        Left(g, CardsOf(t, 0).back());
    const int top = CardsOf(t, 1).back();
    Left(g, top);
    ASSERT_EQ(t.MarkedCard, top);
    FieldPress(g, { Button::Left, -1, 0, t.PileAt(0).X + 5, t.PileAt(0).Y + 5 });
    ASSERT_EQ(t.PileAt(1).Count, 0);
    int partner = -1;
    for (int place = 21; place < 28; ++place) {
        const int c = AtPlace(t, place);
        if (c != -1 && t.CardAt(c).Rank + t.CardAt(top).Rank == 11) partner = c;
    }
    if (partner == -1) partner = AtPlace(t, 22);
    Left(g, partner);
    EXPECT_TRUE(t.CardAt(top).InPlay);
    EXPECT_TRUE(t.CardAt(partner).InPlay);
    EXPECT_EQ(t.MarkedCard, partner);
}

TEST(Pyramid, ClearingThePyramidWinsWithCardsLeft)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::Pyramid, 11);
    TableState& t = g.T;
    // The apex alone is left, a King, with cards in the stock and the waste.
    const int apex = CardOf(0, RankKing);
    Arrange(t, {{0, {CardOf(1, 3), CardOf(1, 4)}}, {1, {CardOf(2, 5)}}, {2, {apex}}});
    EXPECT_FALSE(IsWon(t));
    Left(g, apex);
    EXPECT_TRUE(IsWon(t));
    EXPECT_EQ(view.Count("win"), 1);
    EXPECT_EQ(t.PileAt(0).Count, 2);
}
} // namespace
} // namespace quillo
