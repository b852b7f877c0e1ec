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
    using namespace games;
    const char* gaps = "3: 5H; 20: 6H; 21: 6S; 22: 7H; 40: 2C; 30: KD; 45: QD";
    ExpectDrops({
        // Golf: 0..6 tableau, 7 stock, 8 waste.
        {Golf, "5 on 6", "8: 6S; 0: 5H", "5H", 8, true},
        {Golf, "7 on 6", "8: 6S; 0: 7H", "7H", 8, true},
        {Golf, "6 on 6", "8: 6S; 0: 6H", "6H", 8, false},
        {Golf, "8 on 6", "8: 6S; 0: 8H", "8H", 8, false},
        {Golf, "Q on K", "8: KS; 0: QH", "QH", 8, true},
        {Golf, "A on K", "8: KS; 0: AH", "AH", 8, false},
        {Golf, "2 on A", "8: AS; 0: 2H", "2H", 8, true},
        {Golf, "K on A", "8: AS; 0: KH", "KH", 8, false},
        {Golf, "column", "1: 6S; 0: 5H", "5H", 1, false},
        {Golf, "stock", "7: 6S; 0: 5H", "5H", 7, false},
        {Golf, "the waste card goes nowhere", "8: 6S 5S; 0: 6H", "5S", 0, false},
        // Black Hole: 0 the hole, 1..17 fans; the hole turns the corner.
        {BlackHole, "2 on A", "0: AS; 1: TS 2H", "2H", 0, true},
        {BlackHole, "K on A", "0: AS; 2: KC", "KC", 0, true},
        {BlackHole, "4 on A", "0: AS; 3: 4D", "4D", 0, false},
        {BlackHole, "4 on 3", "0: AS 2S 3S; 3: 4D", "4D", 0, true},
        {BlackHole, "2 on 3", "0: AS 2S 3S; 1: TS 2H", "2H", 0, true},
        {BlackHole, "A on K", "0: KH; 4: AH", "AH", 0, true},
        {BlackHole, "fans take nothing", "1: TS 2H; 3: 4D", "2H", 3, false},
        {BlackHole, "nor do emptied fan places", "1: TS 2H", "2H", 5, false},
        // Aces Up: 0 stock, 1..4 tableau, 5 the discard pile.
        {AcesUp, "a Queen of its suit shows", "1: 5H; 2: QH", "5H", 5, true},
        {AcesUp, "nothing higher shows", "1: 5H; 2: QH", "QH", 5, false},
        {AcesUp, "Aces are high", "1: 5H; 2: AH", "5H", 5, true},
        {AcesUp, "an Ace never goes", "1: 5H; 2: AH", "AH", 5, false},
        {AcesUp, "only a lower heart shows", "1: 5H; 2: 3H", "5H", 5, false},
        {AcesUp, "a covered heart does not count", "1: 5H; 2: QH 2S", "5H", 5, false},
        {AcesUp, "any card fills a space", "1: 5H; 2: QH", "5H", 3, true},
        {AcesUp, "nothing builds on a card", "1: 5H; 2: QH", "5H", 2, false},
        // Gaps: 0..51 in four rows of thirteen.
        {Gaps, "the next card of the left neighbour", gaps, "6H", 4, true},
        {Gaps, "another suit", gaps, "6S", 4, false},
        {Gaps, "two up", gaps, "7H", 4, false},
        {Gaps, "a first-column gap takes any Two", gaps, "2C", 13, true},
        {Gaps, "and nothing else", gaps, "6H", 13, false},
        {Gaps, "a gap right of a King is dead", gaps, "QD", 31, false},
        {Gaps, "a gap right of a gap is dead", gaps, "6H", 5, false},
        {Gaps, "a card on a card", gaps, "6H", 22, false},
    });
    ExpectPicks({
        {BlackHole, "1: TS 2H", "TS", PickAction::Nothing},
        {AcesUp, "1: 2C 5H; 2: 9C", "2C", PickAction::Nothing},
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
    }
}

TEST(AcesUp, EachPressDealsOneCardOntoEveryPile)
{
    Game g;
    SetUpAndDeal(g, games::AcesUp, 2);
    TableState& t = g.T;
    Arrange(t, {{0, std::vector<int>(CardsOf(g.T, 0))}, {1, {CardsOf(g.T, 1)}}});
    for (int press = 1; press <= 12; ++press) {
        Left(g, TopCard(t, 0));
        EXPECT_EQ(Counts(t, { 0, 3 }), (std::vector<int>{ 48 - 4 * press, press })) << "empty piles are dealt to as well";
    }
    const TableState before = t;
    LeftPile(g, 0);
    EXPECT_TRUE(t.Cards == before.Cards);
}

TEST(AcesUp, WonWithOnlyTheAcesLeft)
{
    Game g;
    SetUpAndDeal(g, games::AcesUp, 3);
    const std::string rest = "2C-KC 2S-KS 2H-KH 2D-QD";
    Lay(g.T, "5: " + rest + " KD; 1: AS AH; 3: AC; 4: AD");
    EXPECT_TRUE(IsWon(g.T));
    Lay(g.T, "5: " + rest + "; 0: KD; 1: AS");
    EXPECT_FALSE(IsWon(g.T)) << "a card left in the stock";
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
    while (t.PileAt(0).Count > 0
        && (t.PileAt(1).Count == 0 || t.CardAt(CardsOf(t, 1).back()).Rank + t.CardAt(low).Rank != 11))
        Left(g, CardsOf(t, 0).back());
    ASSERT_GT(t.PileAt(1).Count, 0) << "deal 11 has a partner for place 21 in its stock";
    const int partner = CardsOf(t, 1).back();
    const TableState before = t;
    view.Events.clear();
    Left(g, low);
    EXPECT_EQ(t.MarkedCard, low);
    EXPECT_EQ(view.Count("snapshot"), 0) << "marking records nothing";
    Left(g, partner);
    EXPECT_FALSE(t.CardAt(low).InPlay || t.CardAt(partner).InPlay);
    EXPECT_EQ(t.PileAt(1).Count, before.PileAt(1).Count - 1);
    for (int place = 0; place < 28; ++place)
        EXPECT_EQ(AtPlace(t, place), place == 21 ? -1 : AtPlace(before, place)) << place;
    EXPECT_EQ(view.Count("snapshot"), 1);
    UndoMove(g);
    EXPECT_TRUE(SameCardsAndPiles(t, before));
}

TEST(Pyramid, KingsGoAloneAndStaleMarksAreDropped)
{
    Game g;
    SetUpAndDeal(g, games::Pyramid, 11);
    TableState& t = g.T;
    // A King pressed while another card is marked goes at once and clears the mark.
    Left(g, AtPlace(t, 21));
    ASSERT_EQ(t.MarkedCard, AtPlace(t, 21));
    for (int place = 22; place < 28; ++place) {
        const int king = AtPlace(t, place);
        if (t.CardAt(king).Rank != RankKing) continue;
        Left(g, king);
        EXPECT_FALSE(t.CardAt(king).InPlay);
        EXPECT_EQ(t.MarkedCard, -1);
        break;
    }
    // A marked waste card sent back by the turn of the stock pairs with nothing.
    while (t.PileAt(0).Count > 0)
        Left(g, CardsOf(t, 0).back());
    const int top = CardsOf(t, 1).back();
    Left(g, top);
    ASSERT_EQ(t.MarkedCard, top);
    LeftPile(g, 0);
    ASSERT_EQ(t.PileAt(1).Count, 0);
    int partner = -1;
    for (int place = 21; place < 28; ++place) {
        const int c = AtPlace(t, place);
        if (c != -1 && t.CardAt(c).Rank + t.CardAt(top).Rank == 11) partner = c;
    }
    if (partner == -1) partner = AtPlace(t, 22);
    Left(g, partner);
    EXPECT_TRUE(t.CardAt(top).InPlay && t.CardAt(partner).InPlay);
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
