// Pyramid's pairs and win, and Crescent's Deal button and foundations.

#include <gtest/gtest.h>

#include "engine/autoplay.h"
#include "engine/games/games.h"
#include "engine/labels.h"
#include "engine/legality.h"
#include "engine/pointer.h"
#include "engine/special.h"
#include "test_support.h"

namespace quillo {
namespace {

using test::CardOf;
using test::CardsOf;
using test::RecordingView;
using test::SetUpAndDeal;

void PressCard(Game& g, int card)
{
    const Card& c = g.T.CardAt(card);
    FieldPress(g, {Button::Left, card, c.PileIndex, c.X + 5, c.Y + 5});
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
    for (int place : places) DiscardCard(t, AtPlace(t, place));
}

TEST(Pyramid, TrianglePlaces)
{
    Game g;
    SetUpAndDeal(g, games::Pyramid, 3);
    const TableState& t = g.T;
    struct Row {
        int Place, X, Y;
    } rows[] = {{0, 360, 15}, {3, 266, 115}, {21, 76, 315}, {27, 644, 315}};
    for (const Row& row : rows) {
        EXPECT_EQ(t.CardAt(AtPlace(t, row.Place)).X, row.X) << row.Place;
        EXPECT_EQ(t.CardAt(AtPlace(t, row.Place)).Y, row.Y) << row.Place;
    }
    EXPECT_EQ(t.PileAt(0).Count, 24);
    EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 2");
}

TEST(Pyramid, ACardIsFreeOnlyWhenBothCardsBelowAreGone)
{
    struct Row {
        std::initializer_list<int> Cleared;
        int Place;
        bool Available;
    } rows[] = {
        {{}, 21, true},   {{}, 27, true},     {{}, 3, false},    {{6}, 3, false},
        {{7}, 3, false},  {{6, 7}, 3, true},  {{21, 22}, 15, true}, {{22}, 15, false},
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
    while (t.PileAt(0).Count > 0 && (t.PileAt(1).Count == 0 ||
                                     t.CardAt(CardsOf(t, 1).back()).Rank + t.CardAt(low).Rank != 11)) {
        PressCard(g, CardsOf(t, 0).back());
        ++pressed;
    }
    ASSERT_GT(t.PileAt(1).Count, 0) << "deal 11 has a partner for place 21 in its stock";
    const int partner = CardsOf(t, 1).back();
    const TableState before = t;
    view.Events.clear();
    PressCard(g, low);
    EXPECT_EQ(t.MarkedCard, low);
    EXPECT_EQ(view.Count("snapshot"), 0) << "marking records nothing";
    PressCard(g, partner);
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
    PressCard(g, marked);
    ASSERT_EQ(t.MarkedCard, marked);
    // A King pressed while another card is marked goes at once and clears the mark.
    int king = -1;
    for (int place = 21; place < 28; ++place)
        if (t.CardAt(AtPlace(t, place)).Rank == RankKing) king = AtPlace(t, place);
    if (king != -1) {
        PressCard(g, king);
        EXPECT_FALSE(t.CardAt(king).InPlay);
        EXPECT_EQ(t.MarkedCard, -1);
    }
    // A marked waste card sent back by the turn of the stock pairs with nothing.
    while (t.PileAt(0).Count > 0) PressCard(g, CardsOf(t, 0).back());
    const int top = CardsOf(t, 1).back();
    PressCard(g, top);
    ASSERT_EQ(t.MarkedCard, top);
    FieldPress(g, {Button::Left, -1, 0, t.PileAt(0).X + 5, t.PileAt(0).Y + 5});
    ASSERT_EQ(t.PileAt(1).Count, 0);
    int partner = -1;
    for (int place = 21; place < 28; ++place) {
        const int c = AtPlace(t, place);
        if (c != -1 && t.CardAt(c).Rank + t.CardAt(top).Rank == 11) partner = c;
    }
    if (partner == -1) partner = AtPlace(t, 22);
    PressCard(g, partner);
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
    test::Arrange(t, {{0, {CardOf(1, 3), CardOf(1, 4)}}, {1, {CardOf(2, 5)}}, {2, {apex}}});
    EXPECT_FALSE(IsWon(t));
    PressCard(g, apex);
    EXPECT_TRUE(IsWon(t));
    EXPECT_EQ(view.Count("win"), 1);
    EXPECT_EQ(t.PileAt(0).Count, 2);
}

// Crescent piles: 0..3 Ace foundations, 4..7 King foundations, 8..23 tableau.
TEST(Crescent, DealPutsTheBaseCardsOnTheFoundations)
{
    Game g;
    SetUpAndDeal(g, games::Crescent, 21);
    const TableState& t = g.T;
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(CardsOf(t, s), std::vector<int>{13 * s});
        EXPECT_EQ(CardsOf(t, 4 + s), std::vector<int>{13 * s + 12});
    }
    std::vector<int> rest;
    for (int k = 0; k < 104; ++k) {
        const int c = t.DealOrder[size_t(k)].CardIndex;
        if (c >= 52 || (c % 13 != 0 && c % 13 != 12)) rest.push_back(c);
    }
    EXPECT_EQ(CardsOf(t, 8)[0], rest[0]);
    EXPECT_EQ(CardsOf(t, 9)[0], rest[1]);
    for (int p = 8; p <= 23; ++p) EXPECT_EQ(t.PileAt(p).Count, 6);
    EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 3");
}

TEST(Crescent, DealButtonBringsEachBottomCardToTheTop)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::Crescent, 21);
    TableState& t = g.T;
    const auto pile = CardsOf(t, 8);
    const TableState dealt = t;
    view.Events.clear();
    DealButton(g);
    EXPECT_EQ(CardsOf(t, 8), (std::vector<int>{pile[1], pile[2], pile[3], pile[4], pile[5], pile[0]}));
    EXPECT_EQ(t.CardAt(pile[0]).Y, t.PileAt(8).Y + 5 * t.PileAt(8).FanY);
    EXPECT_EQ(t.CardAt(pile[1]).Y, t.PileAt(8).Y);
    EXPECT_EQ(view.Count("snapshot"), 1);
    EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 2");
    UndoMove(g);
    EXPECT_TRUE(t.Cards == dealt.Cards);
    EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 3");
    for (int k = 0; k < 3; ++k) DealButton(g);
    EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 0");
    const TableState spent = t;
    DealButton(g);
    EXPECT_TRUE(t.Cards == spent.Cards);
    // A pile of one card stays as it is.
    test::Arrange(t, {{8, {CardOf(1, 4)}}});
    t.Rules.TableRedealsUsed = 0;
    DealButton(g);
    EXPECT_EQ(t.CardAt(CardOf(1, 4)).Order, 0);
}

TEST(Crescent, FoundationsAndTableau)
{
    struct Row {
        const char* What;
        test::PileCards Piles;
        int Card, Target;
        bool Accepted;
    } rows[] = {
        {"King foundation takes its Queen", {{4, {12}}, {8, {11}}}, 11, 4, true},
        {"King foundation refuses another Queen", {{4, {12}}, {8, {24}}}, 24, 4, false},
        {"Ace foundation takes its 2", {{0, {0}}, {8, {1}}}, 1, 0, true},
        {"Ace on its King", {{8, {25}}, {9, {13}}}, 13, 8, true},
        {"King on its Ace", {{8, {13}}, {9, {25}}}, 25, 8, true},
        {"empty pile refuses", {{9, {25}}}, 25, 8, false},
        {"full Ace foundation refuses the other Ace", {{0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}, {8, {52}}}, 52, 0,
         false},
        {"full King foundation refuses the other King", {{4, {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}}, {8, {64}}}, 64,
         4, false},
    };
    for (const Row& row : rows) {
        Game g;
        SetUpAndDeal(g, games::Crescent, 1);
        TableState& t = g.T;
        test::Arrange(t, row.Piles);
        t.ActiveCard = row.Card;
        t.PickedCount = 1;
        t.CardAt(row.Card).Moving = true;
        t.DropPile = row.Target;
        EXPECT_EQ(CanDrop(t) == row.Target, row.Accepted) << row.What;
    }
}

}  // namespace
}  // namespace quillo
