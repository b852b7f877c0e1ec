// Games built in columns: the Klondike kin, the open games played by the
// standard rules alone and the games whose spaces refill from a reserve.
// Dealt piles, the drops that set each game apart, then the own rules.

#include "engine/autoplay.h"
#include "engine/labels.h"
#include "engine/special.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using namespace test;

std::vector<int> Counts(const TableState& t, int32_t first, int32_t last)
{
    std::vector<int> out;
    for (int p = first; p != -1 && p <= last; ++p)
        out.push_back(t.PileAt(p).Count);
    return out;
}

int Dealt(const TableState& t, int k)
{
    return t.DealOrder[static_cast<size_t>(k)].CardIndex;
}

TEST(ColumnGames, DealtPiles)
{
    ExpectDealt({
        {games::Klondike, {24, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7}},
        {games::Chinese, {3, 0, 0, 0, 0, 0, 7, 7, 7, 7, 7, 7, 7}},
        {games::Canfield, {34, 0, 1, 0, 0, 0, 13, 1, 1, 1, 1}},
        {games::Aribert, {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 56, 0}},
        {games::Scorpion, {7, 7, 7, 7, 7, 7, 7, 3}},
        {games::FreeCell, {0, 0, 0, 0, 0, 0, 0, 0, 7, 7, 7, 7, 6, 6, 6, 6}},
        {games::NapoleonsTomb, {60, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 10, 10, 10, 10}},
        {games::BigHarp, {49, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {games::Agnes, {16, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 4, 5, 6, 7}},
        {games::MerryTwos, {86, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::LookOfFortune, {36, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::Fans, {0, 0, 0, 0, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1}},
        {games::Icebreaker, {54, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}},
        {games::Duke, {36, 0, 0, 0, 0, 0, 3, 3, 3, 3, 1, 1, 1, 1}},
        {games::Threes, {24, 0, 1, 1, 1, 1, 3, 3, 3, 3, 3, 3, 3, 3}},
        {games::Trial, {28, 0, 0, 0, 0, 0, 3, 3, 3, 3, 3, 3, 3, 3}},
        {games::DogsToTheBasket, {48, 0, 0, 0, 0, 0, 1, 1, 1, 1}},
        {games::CatsTail, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 13, 13, 13, 13, 13, 13, 13, 13}},
        {games::Peacock, {38, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::GothicCastle, {0, 0, 0, 0, 6, 5, 5, 5, 5, 6, 5, 5, 5, 5}},
        {games::Parterre, {20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4, 4, 4}},
        {games::ForestHouse, {44, 0, 5, 5, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 5, 5}},
        {games::FairMarket, {25, 0, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
        {games::NewFashioned, {42, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::EightSphinxes, {16, 0, 0, 0, 0, 0, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3}},
        {games::SwedishPacket, {12, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 5, 5}},
        {games::Yukon, {1, 6, 7, 8, 9, 10, 11, 0, 0, 0, 0}},
        {games::BakersDozen, {0, 0, 0, 0, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}},
        {games::FortyThieves, {64, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}},
        {games::FlowerGarden, {0, 0, 0, 0, 6, 6, 6, 6, 6, 6, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::EagleWing, {30, 0, 1, 0, 0, 0, 13, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::Chameleon, {36, 0, 1, 0, 0, 0, 12, 1, 1, 1}},
    });
}

// Which dealt cards of a pile lie face up, from the bottom: U up, D down.
TEST(ColumnGames, DealtFaces)
{
    struct FacesRow {
        int Game, Pile;
        std::string Faces;
    } rows[] = {
        {games::Canfield, 6, "DDDDDDDDDDDDU"}, {games::Chinese, 12, "DDDDDDU"},
        {games::Scorpion, 0, "DDDDUUU"},       {games::NapoleonsTomb, 15, "DDDDDDDDDD"},
        {games::FreeCell, 8, "UUUUUUU"},       {games::FreeCell, 15, "UUUUUU"},
        {games::Aribert, 0, "DUDU"},           {games::ForestHouse, 2, "DDDDU"},
    };
    for (const FacesRow& row : rows) {
        for (const uint32_t number : {3u, 10u, 11982u}) {
            Game g;
            SetUpAndDeal(g, row.Game, number);
            std::string faces;
            for (const int card : CardsOf(g.T, row.Pile)) faces += g.T.CardAt(card).FaceUp ? 'U' : 'D';
            EXPECT_EQ(faces, row.Faces) << NameOf(row.Game) << " #" << number << " pile " << row.Pile;
        }
    }
}

// Where the deal hides cards, only each tableau pile's top card is up.
TEST(ColumnGames, DealtHiddenUnderTheTop)
{
    for (const int game : { games::BigHarp, games::Agnes, games::Icebreaker, games::Threes, games::Trial }) {
        for (const uint32_t number : { 1u, 77u }) {
            Game g;
            SetUpAndDeal(g, game, number);
            const TableState& t = g.T;
            for (int p = t.Rules.TableFirst; p <= t.Rules.TableLast; ++p)
                for (const int card : CardsOf(t, p))
                    EXPECT_EQ(t.CardAt(card).FaceUp, IsTopCard(t, card)) << NameOf(game) << " pile " << p;
        }
    }
}

TEST(ColumnGames, Drops)
{
    const int K0 = CardOf(0, 12), Q0 = CardOf(0, 11), Q2 = CardOf(2, 11), A2 = CardOf(2, 0), A3 = CardOf(3, 0);
    const int K3 = CardOf(3, 12), two1 = CardOf(1, 1);
    std::vector<int> twoToAce = SuitRun(Spades, 1, RankKing);
    twoToAce.push_back(CardOf(Spades, RankAce));
    ExpectDrops({
        {games::BigHarp, "a run led by a 9 into a space",
            {{10, {CardOf(Clubs, 9), CardOf(Hearts, 8), CardOf(Spades, 7), CardOf(Diamonds, 6)}}},
            CardOf(Hearts, 8), 11, true},
        {games::BigHarp, "King on Ace", {{10, {CardOf(Hearts, 0)}}, {11, {CardOf(Spades, 12)}}},
            CardOf(Spades, 12), 10, true},
        {games::Agnes, "the foundation turns the corner",
            {{1, {CardOf(Spades, 10), CardOf(Spades, 11), CardOf(Spades, 12)}}, {12, {CardOf(Spades, 0)}}},
            CardOf(Spades, 0), 1, true, RankJack},
        {games::Agnes, "nothing onto a reserve pile", {{5, {CardOf(Hearts, 3)}}, {12, {CardOf(Spades, 2)}}},
            CardOf(Spades, 2), 5, false, RankJack},
        {games::Agnes, "an 8 fills under a 9 base", {{12, {CardOf(Hearts, 7)}}}, CardOf(Hearts, 7), 13, true,
            8},
        {games::Agnes, "no King under a 9 base", {{12, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 13, false,
            8},
        {games::Agnes, "a King under an Ace base", {{12, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 13, true,
            RankAce},
        {games::Agnes, "a Queen under a King base", {{12, {CardOf(Hearts, 11)}}}, CardOf(Hearts, 11), 13, true,
            RankKing},
        {games::MerryTwos, "an Ace starts nothing", {{10, {CardOf(Spades, 0)}}}, CardOf(Spades, 0), 2, false},
        {games::MerryTwos, "a Two starts a foundation", {{10, {CardOf(Spades, 1)}}}, CardOf(Spades, 1), 2,
            true},
        {games::LookOfFortune, "waste fills a space", {{1, {CardOf(Hearts, 8)}}}, CardOf(Hearts, 8), 6, true},
        {games::LookOfFortune, "no column fills a space", {{7, {CardOf(Hearts, 8)}}}, CardOf(Hearts, 8), 6,
            false},
        {games::Fans, "a King fills", {{5, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 4, true},
        {games::Fans, "a Queen does not", {{5, {CardOf(Hearts, 11)}}}, CardOf(Hearts, 11), 4, false},
        {games::Fans, "a King onto the Ace of its suit",
            {{5, {CardOf(Hearts, 0)}}, {6, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 5, true},
        {games::Icebreaker, "the second Ace on the King",
            {{2, SuitRun(Hearts, RankAce, RankKing)}, {6, {SecondDeck + CardOf(Hearts, 0)}}},
            SecondDeck + CardOf(Hearts, 0), 2, true},
        {games::Icebreaker, "the second Ace starts another foundation",
            {{2, {CardOf(Hearts, 0)}}, {6, {SecondDeck + CardOf(Hearts, 0)}}}, SecondDeck + CardOf(Hearts, 0),
            3, true},
        {games::Duke, "reserve", {{6, {CardOf(Hearts, 3)}}, {10, {CardOf(Spades, 2)}}}, CardOf(Spades, 2), 6,
            false},
        {games::Duke, "run to a space", {{10, {CardOf(Hearts, 7), CardOf(Spades, 6)}}}, CardOf(Hearts, 7), 11,
            true},
        {games::Threes, "a Two fills", {{7, {CardOf(Hearts, 1)}}}, CardOf(Hearts, 1), 6, true},
        {games::Threes, "a King does not", {{7, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 6, false},
        {games::Threes, "Ace on King",
            {{2, {CardOf(Diamonds, 2), CardOf(Diamonds, 12)}}, {6, {CardOf(Diamonds, 0)}}},
            CardOf(Diamonds, 0), 2, true},
        {games::Threes, "Two on Ace",
            {{2, {CardOf(Diamonds, 2), CardOf(Diamonds, 0)}}, {6, {CardOf(Diamonds, 1)}}},
            CardOf(Diamonds, 1), 2, true},
        {games::Trial, "stock left, waste King", {{0, {two1}}, {1, {K0}}}, K0, 6, false},
        {games::Trial, "first pass over, waste holds cards", {{1, {K0, Q2}}}, Q2, 6, false},
        {games::Trial, "first pass over, waste empty, run", {{7, {K0, Q2}}}, K0, 6, true},
        {games::Trial, "turned and spent, waste card", {{1, {K0, Q2}}}, Q2, 6, true, -1, 2},
        {games::Trial, "King on Ace of the other colour", {{7, {K0}}, {8, {A2}}}, K0, 8, true},
        {games::DogsToTheBasket, "waste onto any card", {{1, {Q2}}, {6, {CardOf(1, 3)}}}, Q2, 6, true},
        {games::DogsToTheBasket, "waste onto an empty pile", {{1, {Q2}}}, Q2, 7, true},
        {games::DogsToTheBasket, "pile to pile", {{6, {Q2}}, {7, {K0}}}, Q2, 7, false},
        {games::DogsToTheBasket, "pile to empty pile", {{6, {Q2}}}, Q2, 8, false},
        {games::CatsTail, "one card to a cell", {{16, {K0, Q2}}}, Q2, 0, true},
        {games::CatsTail, "two cards to a cell", {{16, {K0, Q2}}}, K0, 0, false},
        {games::CatsTail, "occupied cell", {{16, {K0, Q2}}, {0, {two1}}}, Q2, 0, false},
        {games::CatsTail, "empty pile refuses a King", {{16, {K0}}, {0, {K3}}}, K3, 17, false},
        {games::CatsTail, "cell card to a pile", {{16, {K0}}, {0, {Q2}}}, Q2, 16, true},
        {games::Peacock, "7 on the 8 of its suit", {{6, {CardOf(2, 7)}}, {7, {CardOf(2, 6)}}}, CardOf(2, 6),
            6, true},
        {games::Peacock, "7 on another 8", {{6, {CardOf(3, 7)}}, {7, {CardOf(2, 6)}}}, CardOf(2, 6), 6,
            false},
        {games::Peacock, "run of three",
            {{6, {CardOf(1, 8)}}, {7, {CardOf(1, 7), CardOf(1, 6), CardOf(1, 5)}}}, CardOf(1, 7), 6, true},
        {games::Peacock, "foundation card to an empty feather", {{2, {A2, CardOf(2, 1)}}}, CardOf(2, 1), 6,
            true},
        {games::GothicCastle, "6 on 5", {{4, {CardOf(2, 4)}}, {5, {CardOf(2, 5)}}}, CardOf(2, 5), 4, true},
        {games::GothicCastle, "6 on 7", {{4, {CardOf(2, 6)}}, {5, {CardOf(2, 5)}}}, CardOf(2, 5), 4, true},
        {games::GothicCastle, "6 on another 7", {{4, {CardOf(3, 6)}}, {5, {CardOf(2, 5)}}}, CardOf(2, 5), 4,
            false},
        {games::GothicCastle, "Ace on its King", {{4, {K3}}, {5, {A3}}}, A3, 4, true},
        {games::GothicCastle, "empty wall", {{5, {Q0}}}, Q0, 4, true},
        {games::GothicCastle, "empty foundation refuses a 2", {{5, {two1}}}, two1, 0, false},
        {games::GothicCastle, "empty foundation takes an Ace", {{5, {A3}}}, A3, 0, true},
        {games::Parterre, "waste to a bench", {{1, {Q2}}}, Q2, 2, true},
        {games::Parterre, "occupied bench", {{1, {Q2}}, {2, {two1}}}, Q2, 2, false},
        {games::Parterre, "run to a bench", {{10, {K0, Q2}}}, K0, 3, false},
        {games::Parterre, "bench to a bed", {{2, {Q2}}, {10, {K0}}}, Q2, 10, true},
        {games::ForestHouse, "waste King while the house has cards", {{1, {K0}}, {3, {two1}}}, K0, 14,
            false},
        {games::ForestHouse, "tree run while the house has cards", {{15, {K0, Q2}}, {3, {two1}}}, K0, 14,
            false},
        {games::ForestHouse, "house card fills", {{3, {two1}}}, two1, 14, true},
        {games::ForestHouse, "house empty, waste fills", {{1, {K0}}}, K0, 14, true},
        {games::FairMarket, "6 on any 7", {{9, {CardOf(0, 6)}}, {2, {CardOf(3, 5)}}}, CardOf(3, 5), 9,
            true},
        {games::FairMarket, "mixed run", {{9, {CardOf(0, 8)}}, {10, {CardOf(1, 7), CardOf(3, 6)}}},
            CardOf(1, 7), 9, true},
        {games::FairMarket, "nothing on a stall", {{1, {CardOf(0, 6)}}, {10, {CardOf(1, 5)}}}, CardOf(1, 5),
            1, false},
        {games::FairMarket, "run to an empty pile", {{10, {CardOf(1, 7), CardOf(3, 6)}}}, CardOf(1, 7), 11,
            true},
        {games::NewFashioned, "2 on any Ace", {{1, {A2}}, {5, {two1}}}, two1, 1, true},
        {games::NewFashioned, "6 on any 7", {{5, {CardOf(0, 6)}}, {6, {CardOf(3, 5)}}}, CardOf(3, 5), 5,
            true},
        {games::EightSphinxes, "an empty sphinx", {{1, {CardOf(0, 4)}}}, CardOf(0, 4), 12, false},
        {games::EightSphinxes, "a sphinx topped by a fitting card",
            {{13, {CardOf(2, 5)}}, {1, {CardOf(0, 4)}}}, CardOf(0, 4), 13, false},
        {games::EightSphinxes, "King from a sphinx to a space", {{12, {CardOf(0, 12)}}}, CardOf(0, 12), 6,
            true},
        {games::EightSphinxes, "King from the waste to a space", {{1, {CardOf(0, 12)}}}, CardOf(0, 12), 6,
            true},
        {games::EightSphinxes, "King with its run to a space",
            {{7, {CardOf(0, 3), CardOf(0, 12), CardOf(2, 11)}}}, CardOf(0, 12), 6, true},
        {games::EightSphinxes, "Queen to a space", {{1, {CardOf(0, 11)}}}, CardOf(0, 11), 6, false},
        {games::SwedishPacket, "mixed-suit run to a space",
            {{5, {CardOf(0, 9), CardOf(0, 8), CardOf(2, 7), CardOf(2, 6)}}}, CardOf(2, 7), 6, true},
        {games::SwedishPacket, "one lower, any suit", {{5, {CardOf(0, 9)}}, {6, {CardOf(2, 8)}}},
            CardOf(2, 8), 5, true},
        {games::Yukon, "out-of-sequence group on a card of the other colour",
            {{0, {CardOf(0, 8), CardOf(0, 2)}}, {1, {CardOf(2, 9)}}}, CardOf(0, 8), 1, true},
        {games::Yukon, "King with its cards to a space", {{1, {CardOf(0, 3), CardOf(0, 12), CardOf(1, 4)}}},
            CardOf(0, 12), 0, true},
        {games::Yukon, "Queen to a space", {{1, {CardOf(0, 11)}}}, CardOf(0, 11), 0, false},
        {games::MerryTwos, "an Ace on the Two-to-King",
            {{2, SuitRun(Spades, 1, RankKing)}, {10, {CardOf(Spades, 0)}}}, CardOf(Spades, 0), 2, true},
        {games::MerryTwos, "a second Two on a full foundation",
            {{2, twoToAce}, {11, {SecondDeck + CardOf(Spades, 1)}}}, SecondDeck + CardOf(Spades, 1), 2, false},
        {games::NewFashioned, "nothing past the King",
            {{1, {0, 14, 28, 42, 4, 18, 32, 46, 8, 22, 36, 50, 12}}, {5, {13}}}, 13, 1, false},
    });
}

// Which card a press picks up: one card at a time, a legal run from any of
// its cards, or any face-up card with what lies on it.
TEST(ColumnGames, WhatAPressPicksUp)
{
    struct PickRow {
        int Game;
        PileCards Table;
        int Card;
        PickAction Expected;
    } rows[] = {
        {games::MerryTwos, {{10, {CardOf(Spades, 3), CardOf(Spades, 2)}}}, CardOf(Spades, 3),
            PickAction::Nothing},
        {games::MerryTwos, {{10, {CardOf(Spades, 3), CardOf(Spades, 2)}}}, CardOf(Spades, 2),
            PickAction::PickUp},
        {games::Fans, {{5, {CardOf(Hearts, 12), CardOf(Hearts, 11)}}}, CardOf(Hearts, 12), PickAction::Nothing},
        {games::LookOfFortune, {{6, {CardOf(Clubs, 8), CardOf(Clubs, 7)}}}, CardOf(Clubs, 8),
            PickAction::Nothing},
        {games::Duke, {{10, {CardOf(Hearts, 7), CardOf(Spades, 6)}}}, CardOf(Hearts, 7), PickAction::PickUp},
        {games::Duke, {{10, {CardOf(Hearts, 7), CardOf(Diamonds, 6)}}}, CardOf(Hearts, 7), PickAction::Nothing},
        {games::Duke, {{6, {CardOf(Hearts, 7), CardOf(Diamonds, 2)}}}, CardOf(Hearts, 7), PickAction::Nothing},
        {games::Duke, {{6, {CardOf(Hearts, 7), CardOf(Diamonds, 2)}}}, CardOf(Diamonds, 2), PickAction::PickUp},
        {games::Threes, {{6, {CardOf(Hearts, 1), CardOf(Hearts, 0), CardOf(Hearts, 12)}}}, CardOf(Hearts, 1),
            PickAction::PickUp},
        {games::SwedishPacket, {{5, {CardOf(0, 8), CardOf(1, 7), CardOf(1, 6)}}}, CardOf(0, 8),
            PickAction::PickUp},
        {games::SwedishPacket, {{6, {CardOf(3, 8), CardOf(2, 6), CardOf(2, 7)}}}, CardOf(3, 8),
            PickAction::Nothing},
        {games::Yukon, {{2, {CardOf(0, 5), CardOf(1, 9), CardOf(3, 1), CardOf(0, 12)}}}, CardOf(1, 9),
            PickAction::PickUp},
    };
    for (const PickRow& row : rows) {
        Game g;
        SetUpAndDeal(g, row.Game, 5);
        Arrange(g.T, row.Table);
        EXPECT_EQ(PickRule(g.T, row.Card), row.Expected) << NameOf(row.Game) << " card " << row.Card;
    }
}

// Icebreaker: 0 stock, 1 waste, 2..5 foundations, 6..15 tableau. The Ace of
// spades leaves pile 6 for a foundation; what fills the space depends on the
// waste and the stock.
TEST(ColumnGames, IcebreakerRefillsASpaceFromTheWaste)
{
    const int ace = CardOf(Spades, 0);
    const int waste = CardOf(Hearts, 9), stock = CardOf(Clubs, 4), eight = CardOf(Diamonds, 8);
    struct Case {
        PileCards Table;
        std::vector<int> Refill; // pile 6 afterwards
        int Stock, Waste;
    } cases[] = {
        {{{6, {ace}}, {7, {eight}}, {1, {CardOf(Diamonds, 2), waste}}, {0, {CardOf(Clubs, 5)}}},
            {waste}, 1, 1},
        {{{6, {ace}}, {7, {eight}}, {0, {CardOf(Clubs, 5), stock}}}, {stock}, 1, 0},
        {{{6, {ace}}, {7, {eight}}}, {}, 0, 0},
    };
    for (const Case& c : cases) {
        RecordingView view;
        Game g(view);
        SetUpAndDeal(g, games::Icebreaker, 2);
        TableState& t = g.T;
        Arrange(t, c.Table, { CardOf(Clubs, 5), stock });
        Rebase(g);
        const TableState before = t;
        view.Events.clear();
        Drag(g, ace, 2);
        ASSERT_EQ(CardsOf(t, 2), std::vector<int>{ ace });
        EXPECT_EQ(CardsOf(t, 6), c.Refill);
        EXPECT_EQ(t.PileAt(0).Count, c.Stock);
        EXPECT_EQ(t.PileAt(1).Count, c.Waste);
        for (const int card : c.Refill)
            EXPECT_TRUE(t.CardAt(card).FaceUp);
        EXPECT_EQ(view.Count("snapshot"), 1) << "one snapshot for the move and the refill";
        if (c.Refill.empty()) {
            // Nothing left to refill with: the space takes any card.
            Drag(g, eight, 6);
            EXPECT_EQ(CardsOf(t, 6), std::vector<int>{ eight });
            continue;
        }
        UndoMove(g);
        EXPECT_TRUE(t.Cards == before.Cards && t.Piles == before.Piles);
    }
}

// Icebreaker turns its waste back once; the second empty stock stays empty.
TEST(ColumnGames, IcebreakerRedealsOnce)
{
    Game g;
    SetUpAndDeal(g, games::Icebreaker, 3);
    TableState& t = g.T;
    std::vector<int> stock, waste;
    for (int pass = 0; pass < 2; ++pass) {
        while (t.PileAt(0).Count > 0)
            Left(g, TopCard(t, 0));
        LeftPile(g, 0);
        stock.push_back(t.PileAt(0).Count);
        waste.push_back(t.PileAt(1).Count);
    }
    EXPECT_EQ(stock, (std::vector<int>{ 54, 0 }));
    EXPECT_EQ(waste, (std::vector<int>{ 0, 54 }));
    EXPECT_EQ(RedealsLeftLabelText(t), "Redeals Left: 0");
}

// Agnes: the stock deals one card onto each of reserve piles 5..11: 7, 7 and
// 2 cards, then nothing. The label shows the stock alone.
TEST(ColumnGames, AgnesStockFeedsTheReserveRow)
{
    Game g;
    SetUpAndDeal(g, games::Agnes, 8);
    TableState& t = g.T;
    const std::vector<std::vector<int>> after
        = {{2, 2, 2, 2, 2, 2, 2}, {3, 3, 3, 3, 3, 3, 3}, {4, 4, 3, 3, 3, 3, 3}, {4, 4, 3, 3, 3, 3, 3}};
    for (const auto& counts : after) {
        const int top = TopCard(t, 0);
        if (top != -1)
            Left(g, top);
        else
            LeftPile(g, 0);
        EXPECT_EQ(Counts(t, 5, 11), counts);
        for (int p = 5; p <= 11; ++p)
            EXPECT_TRUE(t.CardAt(TopCard(t, p)).FaceUp);
    }
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 0");
    EXPECT_EQ(t.Rules.StockPass, 1);
}

TEST(ColumnGames, CatsTailHeadsEveryPileWithAKing)
{
    Game g;
    SetUpAndDeal(g, games::CatsTail, 4242);
    const TableState& t = g.T;
    std::vector<int> kings;
    for (int k = 0; k < 104; ++k)
        if (t.CardAt(Dealt(t, k)).Rank == RankKing) kings.push_back(Dealt(t, k));
    ASSERT_EQ(kings.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        const auto pile = CardsOf(t, 16 + i);
        ASSERT_EQ(pile.size(), 13u);
        EXPECT_EQ(pile[0], kings[static_cast<size_t>(i)]) << i;
    }
    for (int p = 0; p < 8; ++p)
        EXPECT_EQ(t.PileAt(p).Count, 0);
}

TEST(ColumnGames, AcesOnTheFoundationsThenOneCardEach)
{
    for (int game : { games::Peacock, games::NewFashioned }) {
        Game g;
        SetUpAndDeal(g, game, 9);
        const TableState& t = g.T;
        const GameRules& r = t.Rules;
        std::vector<int> aces, others;
        for (int k = 0; k < 52; ++k)
            (t.CardAt(Dealt(t, k)).Rank == RankAce ? aces : others).push_back(Dealt(t, k));
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(CardsOf(t, r.FoundFirst + i), std::vector<int>{ aces[size_t(i)] }) << game;
        for (int p = r.TableFirst; p <= r.TableLast; ++p)
            EXPECT_EQ(CardsOf(t, p), std::vector<int>{ others[size_t(p - r.TableFirst)] }) << game;
        EXPECT_EQ(t.PileAt(0).Count, 52 - 4 - (r.TableLast - r.TableFirst + 1)) << game;
        EXPECT_EQ(*StartRankLabelText(t), "Starting Rank: Ace");
    }
}

TEST(ColumnGames, MarketStallsGetOneCardEachPerPress)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::FairMarket, 12);
    TableState& t = g.T;
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 25");
    const auto stock = CardsOf(t, 0);
    view.Events.clear();
    Left(g, stock.back());
    for (int s = 1; s <= 4; ++s)
        EXPECT_EQ(CardsOf(t, s), std::vector<int>{ stock[stock.size() - size_t(s)] });
    EXPECT_EQ(view.Count("snapshot"), 1);
    for (int press = 2; press <= 7; ++press)
        Left(g, CardsOf(t, 0).back());
    EXPECT_EQ(t.PileAt(0).Count, 0);
    EXPECT_EQ(t.PileAt(1).Count, 7);
    EXPECT_EQ(t.PileAt(2).Count, 6);
    EXPECT_EQ(CardsOf(t, 1).back(), stock.front());
    const TableState before = t;
    LeftPile(g, 0);
    EXPECT_TRUE(t.Cards == before.Cards);
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 0");
}

TEST(ColumnGames, NewFashionedDealsOntoEveryPileEmptyOrNot)
{
    Game g;
    SetUpAndDeal(g, games::NewFashioned, 3);
    TableState& t = g.T;
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 42");
    const int moved = CardsOf(t, 7)[0];
    Arrange(t, {{0, CardsOf(t, 0)}, {5, CardsOf(t, 5)}, {6, CardsOf(t, 6)}, {8, {moved}}});
    for (int press = 0; press < 7; ++press)
        Left(g, CardsOf(t, 0).back());
    EXPECT_EQ(t.PileAt(0).Count, 0);
    EXPECT_EQ(t.PileAt(7).Count, 7) << "the emptied pile got a card each press";
    EXPECT_EQ(t.PileAt(8).Count, 8);
    EXPECT_EQ(t.PileAt(10).Count, 7);
}

TEST(ColumnGames, OneTurnOfTheStock)
{
    for (int game : { games::Trial, games::Peacock }) {
        Game g;
        SetUpAndDeal(g, game, 8);
        TableState& t = g.T;
        EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 1");
        while (t.PileAt(0).Count > 0)
            Left(g, CardsOf(t, 0).back());
        LeftPile(g, 0);
        EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 0");
        EXPECT_GT(t.PileAt(0).Count, 0);
        while (t.PileAt(0).Count > 0)
            Left(g, CardsOf(t, 0).back());
        const int waste = t.PileAt(1).Count;
        LeftPile(g, 0);
        EXPECT_EQ(t.PileAt(1).Count, waste) << game;
    }
    for (int game : { games::Parterre, games::ForestHouse }) {
        Game g;
        SetUpAndDeal(g, game, 8);
        EXPECT_EQ(RedealsLeftLabelText(g.T), std::nullopt) << game << ": one pass, no redeal to count";
    }
}

// Parterre: a card on a bench keeps the finish from starting.
TEST(ColumnGames, ParterreFinishesOnlyWithEmptyBenches)
{
    for (bool benchCard : { false, true }) {
        Game g;
        SetUpAndDeal(g, games::Parterre, 2);
        TableState& t = g.T;
        t.Opt.Autoplay = true;
        // Everything home but two Kings on beds and the Queen of suit 3 on a
        // bench or a bed.
        PileCards piles;
        for (int s = 0; s < 4; ++s) {
            std::vector<int> home;
            for (int rank = 0; rank < 13 - (s == 2 ? 1 : s == 3 ? 2 : 0); ++rank)
                home.push_back(CardOf(s, rank));
            piles.push_back({ 6 + s, home });
        }
        piles.push_back({10, {CardOf(2, RankKing)}});
        piles.push_back({11, {CardOf(3, RankKing)}});
        piles.push_back({benchCard ? 2 : 12, {CardOf(3, RankQueen)}});
        Arrange(t, piles);
        AutoFinish(g);
        EXPECT_EQ(t.PileAt(10).Count, benchCard ? 1 : 0) << benchCard;
    }
}

// Dogs to the Basket: turning the stock first gathers the holding piles.
TEST(ColumnGames, DogsGoBackToTheBasket)
{
    Game g;
    SetUpAndDeal(g, games::DogsToTheBasket, 6);
    TableState& t = g.T;
    EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 2");
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 48  Waste: 0");
    const int a = CardOf(0, 4), b = CardOf(1, 9), c = CardOf(2, 2), d = CardOf(3, 7), e = CardOf(0, 11);
    Arrange(t, {{1, {a, b}}, {6, {c, d}}, {8, {e}}});
    g.Undo.Clear();
    g.Undo.Push(t);
    const TableState before = t;
    LeftPile(g, 0);
    EXPECT_EQ(t.PileAt(0).Count, 5);
    for (int p : { 1, 6, 7, 8, 9 })
        EXPECT_EQ(t.PileAt(p).Count, 0);
    EXPECT_EQ(t.Rules.StockPass, 2);
    std::vector<int> dealt;
    TableState turned = t;
    for (int k = 0; k < 5; ++k) {
        Left(g, CardsOf(t, 0).back());
        dealt.push_back(CardsOf(t, 1).back());
    }
    EXPECT_EQ(dealt, (std::vector<int>{ a, b, d, c, e }));
    for (int k = 0; k < 5; ++k)
        UndoMove(g);
    EXPECT_TRUE(t.Cards == turned.Cards);
    UndoMove(g);
    EXPECT_TRUE(t.Cards == before.Cards);
    EXPECT_EQ(t.Rules.StockPass, 1);
    // After the last turn the press does nothing, even with dogs out.
    Arrange(t, {{6, {c}}});
    t.Rules.StockPass = 3;
    LeftPile(g, 0);
    EXPECT_EQ(CardsOf(t, 6), std::vector<int>{ c });
}

// Baker's Dozen: 0..3 foundations, 4..16 tableau.
TEST(BakersDozen, TopCardsOnlyAndSpacesStayEmpty)
{
    Game g;
    SetUpAndDeal(g, games::BakersDozen, 3);
    TableState& t = g.T;
    const int king = CardOf(Spades, RankKing), queen = CardOf(Hearts, RankQueen),
              otherKing = CardOf(Diamonds, RankKing);
    const int four = CardOf(Clubs, 3), lastKing = CardOf(Clubs, RankKing);
    Arrange(t,
        {{4, {king, queen}}, {5, {CardOf(Diamonds, 4), four}}, {7, {otherKing}},
            {8, {CardOf(Spades, 1), lastKing}}});
    EXPECT_EQ(PickRule(t, king), PickAction::Nothing) << "a legal run is not picked";
    EXPECT_EQ(Ask(t, queen, 7), 7) << "a Queen of any suit on any King";
    EXPECT_EQ(Ask(t, four, 6), -1);
    EXPECT_EQ(Ask(t, lastKing, 6), -1) << "not even a King fills a space";
}

// Forty Thieves: 0 stock, 1 waste, 2..9 foundations, 10..19 tableau.
TEST(FortyThieves, OneCardAtATimeAndTwoFoundationsPerSuit)
{
    Game g;
    SetUpAndDeal(g, games::FortyThieves, 5);
    TableState& t = g.T;
    std::vector<int> spades;
    for (int r = RankAce; r <= RankKing; ++r)
        spades.push_back(CardOf(Spades, r));
    const int nine = CardOf(Hearts, 8), eight = CardOf(Hearts, 7), secondAce = SecondDeck + CardOf(Spades, RankAce);
    Arrange(t, {{2, spades}, {10, {nine, eight}}, {1, {secondAce}}});
    EXPECT_EQ(PickRule(t, nine), PickAction::Nothing);
    EXPECT_EQ(Ask(t, eight, 11), 11) << "any card fills a space";
    EXPECT_EQ(Ask(t, secondAce, 3), 3);
    EXPECT_EQ(Ask(t, secondAce, 2), -1) << "a finished foundation takes no second Ace";
}

// Flower Garden: 0..3 foundations, 4..9 beds, 10..25 the bouquet.
TEST(FlowerGarden, EveryBouquetCardPlaysButNoneGoesBack)
{
    Game g;
    SetUpAndDeal(g, games::FlowerGarden, 2);
    TableState& t = g.T;
    const int ace = CardOf(Hearts, RankAce), five = CardOf(Clubs, 4), six = CardOf(Diamonds, 5);
    const int under = CardOf(Spades, 9);
    Arrange(t, {{10, {ace}}, {11, {five}}, {4, {under, six}}});
    EXPECT_EQ(Ask(t, ace, 0), 0);
    EXPECT_EQ(Ask(t, five, 4), 4);
    EXPECT_EQ(Ask(t, five, 12), -1) << "an emptied bouquet place takes nothing";
    EXPECT_EQ(PickRule(t, under), PickAction::Nothing);
    EXPECT_EQ(Ask(t, six, 5), 5) << "an empty bed takes a bed card";
    EXPECT_EQ(Ask(t, five, 5), 5) << "and a bouquet card";
}

// Swedish Packet: 0 stock, 1..4 foundations, 5..12 tableau.
TEST(SwedishPacket, ThePacketIsDealtAcrossOnce)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::SwedishPacket, 1);
    TableState& t = g.T;
    t.Opt.Sound = true;
    view.Events.clear();
    Left(g, CardsOf(t, 0).back());
    for (int p = 5; p <= 12; ++p)
        EXPECT_EQ(t.PileAt(p).Count, 6);
    EXPECT_EQ(view.Count("snapshot"), 1);
    EXPECT_EQ(view.Count("work.wav"), 1);
    Left(g, CardsOf(t, 0).back());
    for (int p = 5; p <= 12; ++p)
        EXPECT_EQ(t.PileAt(p).Count, p <= 8 ? 7 : 6);
    EXPECT_EQ(t.PileAt(0).Count, 0);
    EXPECT_FALSE(PressEmptyStock(g));
    EXPECT_EQ(t.PileAt(0).Count, 0);
}

struct RefillCase {
    int Game;
    int Foundation, Reserve, Pile, LastPile;
};

class ReserveRefill : public testing::TestWithParam<RefillCase> { };

TEST_P(ReserveRefill, AnEmptiedPileTakesTheReserveTopInTheSameAction)
{
    const RefillCase rc = GetParam();
    Game g;
    SetUpAndDeal(g, rc.Game, 11);
    TableState& t = g.T;
    t.Rules.StartRank = RankAce; // a dealt start of Six would refuse the Six
    const int five = CardOf(Hearts, 4), six = CardOf(Hearts, 5), hidden = CardOf(Clubs, 1), top = CardOf(Clubs, 2);
    PileCards piles{{rc.Foundation, {five}}, {rc.Pile, {six}}, {rc.Reserve, {hidden, top}}};
    for (int p = rc.Pile + 1, k = 0; p <= rc.LastPile; ++p, ++k)
        piles.push_back({p, {CardOf(Diamonds, k)}});
    Arrange(t, piles, { hidden });
    Rebase(g);
    const TableState before = t;
    Left(g, six);
    DropOn(g, rc.Foundation);
    EXPECT_EQ(CardsOf(t, rc.Pile), std::vector<int>{ top });
    EXPECT_EQ(t.PileAt(rc.Reserve).Count, 1);
    EXPECT_TRUE(t.CardAt(hidden).FaceUp) << "Autoplay turns the next reserve card";
    EXPECT_EQ(g.Undo.Count(), 2) << "one snapshot for the move and the refill";
    UndoMove(g);
    EXPECT_TRUE(SameCardsAndPiles(t, before));
    // With the reserve gone, any card or run fills the space.
    Arrange(t, {{rc.Foundation, {five}}, {1, {CardOf(Spades, 8)}}});
    EXPECT_EQ(Ask(t, CardOf(Spades, 8), rc.Pile), rc.Pile);
}

INSTANTIATE_TEST_SUITE_P(Games, ReserveRefill,
    testing::Values(RefillCase{ games::Canfield, 2, 6, 7, 10 }, RefillCase{ games::EagleWing, 2, 6, 7, 14 },
        RefillCase{ games::Chameleon, 2, 6, 7, 9 }),
    [](const auto& info) { return GameTestName(info.param.Game); });

TEST(EagleWing, WingsBuildInSuitAroundTheCorner)
{
    Game g;
    SetUpAndDeal(g, games::EagleWing, 4);
    TableState& t = g.T;
    const int king = CardOf(Hearts, RankKing), queen = CardOf(Spades, RankQueen);
    Arrange(t,
        {{7, {CardOf(Hearts, RankAce)}}, {8, {CardOf(Diamonds, RankKing)}}, {1, {king}}, {9, {queen}},
            {6, {1}}});
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
    Arrange(t,
        {{7, {seven, CardOf(Hearts, 5), CardOf(Clubs, 4)}}, {8, {CardOf(Diamonds, 7)}},
            {9, {CardOf(Clubs, RankAce)}}, {1, {king}}, {6, {CardOf(Diamonds, 2)}}});
    EXPECT_EQ(PickRule(t, seven), PickAction::PickUp);
    EXPECT_EQ(Ask(t, seven, 8), 8);
    EXPECT_EQ(Ask(t, king, 9), 9) << "a King on an Ace of any suit";
}
} // namespace
} // namespace quillo
