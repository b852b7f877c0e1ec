// Baker's Dozen, Forty Thieves and Flower Garden: open columns, over their
// real layouts.

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
using test::SetUpAndDeal;

constexpr int Spades = 0, Clubs = 1, Hearts = 2, Diamonds = 3;
constexpr int SecondDeck = CardsPerDeck;

// Baker's Dozen: 0..3 foundations, 4..16 tableau.
TEST(BakersDozen, KingsSinkBelowTheOtherCardsOfTheirColumn)
{
    for (uint32_t number = 1; number <= 30; ++number) {
        Game g;
        SetUpAndDeal(g, games::BakersDozen, number);
        const TableState& t = g.T;
        for (int c = 0; c < 13; ++c) {
            std::vector<int> dealt;
            for (int row = 0; row < 4; ++row) dealt.push_back(t.DealOrder[static_cast<size_t>(c + 13 * row)].CardIndex);
            std::stable_partition(dealt.begin(), dealt.end(), [&](int card) { return t.CardAt(card).Rank == RankKing; });
            EXPECT_EQ(CardsOf(t, 4 + c), dealt) << "deal " << number << " column " << c;
        }
    }
}

TEST(BakersDozen, TopCardsOnlyAndSpacesStayEmpty)
{
    Game g;
    SetUpAndDeal(g, games::BakersDozen, 3);
    TableState& t = g.T;
    const int king = CardOf(Spades, RankKing), queen = CardOf(Hearts, RankQueen), otherKing = CardOf(Diamonds, RankKing);
    const int four = CardOf(Clubs, 3), lastKing = CardOf(Clubs, RankKing);
    Arrange(t, {{4, {king, queen}}, {5, {CardOf(Diamonds, 4), four}}, {7, {otherKing}}, {8, {CardOf(Spades, 1), lastKing}}});
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
    for (int r = RankAce; r <= RankKing; ++r) spades.push_back(CardOf(Spades, r));
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

}  // namespace
}  // namespace quillo
