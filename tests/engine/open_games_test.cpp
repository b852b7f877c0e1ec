// Deals, drops and stocks of the games played by the standard rules alone:
// Trial, Dogs to the Basket, Cat's Tail, Peacock, Gothic Castle, Parterre,
// Forest House, Fair Market and New Fashioned.

#include <gtest/gtest.h>

#include "engine/autoplay.h"
#include "engine/labels.h"
#include "engine/legality.h"
#include "engine/pointer.h"
#include "test_support.h"

namespace quillo {
namespace {

using test::Arrange;
using test::CardOf;
using test::CardsOf;
using test::RecordingView;
using test::SetUpAndDeal;

int Dealt(const TableState& t, int k)
{
    return t.DealOrder[static_cast<size_t>(k)].CardIndex;
}

void PressCard(Game& g, int card)
{
    const Card& c = g.T.CardAt(card);
    FieldPress(g, {Button::Left, card, c.PileIndex, c.X + 5, c.Y + 5});
}

void PressPile(Game& g, int pile)
{
    FieldPress(g, {Button::Left, -1, pile, g.T.PileAt(pile).X + 5, g.T.PileAt(pile).Y + 5});
}

TEST(OpenGames, TrialDealsTwoHiddenCardsUnderEachOpenOne)
{
    Game g;
    SetUpAndDeal(g, games::Trial, 77);
    const TableState& t = g.T;
    for (int k = 0; k < 24; ++k) {
        const Card& c = t.CardAt(Dealt(t, k));
        const Pile& pile = t.PileAt(6 + k % 8);
        EXPECT_EQ(c.PileIndex, 6 + k % 8) << k;
        EXPECT_EQ(c.Order, k / 8) << k;
        EXPECT_EQ(c.FaceUp, k >= 16) << k;
        EXPECT_EQ(c.Y, pile.Y + (k / 8) * pile.DownFanY) << k;
    }
    ASSERT_EQ(t.PileAt(0).Count, 28);
    EXPECT_EQ(CardsOf(t, 0).back(), Dealt(t, 51));
    EXPECT_EQ(t.Rules.FillRank, -1);
}

TEST(OpenGames, CatsTailHeadsEveryPileWithAKing)
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
        EXPECT_EQ(t.CardAt(pile[0]).Y, t.PileAt(16 + i).Y);
        EXPECT_EQ(t.CardAt(pile[12]).Y, t.PileAt(16 + i).Y + 12 * t.PileAt(16 + i).FanY);
    }
    for (int p = 0; p < 8; ++p) EXPECT_EQ(t.PileAt(p).Count, 0);
}

TEST(OpenGames, AcesOnTheFoundationsThenOneCardEach)
{
    for (int game : {games::Peacock, games::NewFashioned}) {
        Game g;
        SetUpAndDeal(g, game, 9);
        const TableState& t = g.T;
        const GameRules& r = t.Rules;
        std::vector<int> aces, others;
        for (int k = 0; k < 52; ++k) (t.CardAt(Dealt(t, k)).Rank == RankAce ? aces : others).push_back(Dealt(t, k));
        for (int i = 0; i < 4; ++i) EXPECT_EQ(CardsOf(t, r.FoundFirst + i), std::vector<int>{aces[size_t(i)]}) << game;
        for (int p = r.TableFirst; p <= r.TableLast; ++p)
            EXPECT_EQ(CardsOf(t, p), std::vector<int>{others[size_t(p - r.TableFirst)]}) << game;
        EXPECT_EQ(t.PileAt(0).Count, 52 - 4 - (r.TableLast - r.TableFirst + 1)) << game;
        EXPECT_EQ(*StartRankLabelText(t), "Starting Rank: Ace");
    }
}

TEST(OpenGames, GothicCastleTopWallsTakeTheLastTwoCards)
{
    Game g;
    SetUpAndDeal(g, games::GothicCastle, 5);
    const TableState& t = g.T;
    for (int k = 0; k < 50; ++k) {
        EXPECT_EQ(t.CardAt(Dealt(t, k)).PileIndex, 4 + k % 10);
        EXPECT_EQ(t.CardAt(Dealt(t, k)).Order, k / 10);
    }
    EXPECT_EQ(CardsOf(t, 4).back(), Dealt(t, 50));
    EXPECT_EQ(CardsOf(t, 9).back(), Dealt(t, 51));
    const Card& last = t.CardAt(Dealt(t, 51));
    EXPECT_EQ(last.X, t.PileAt(9).X + 5 * t.Rules.Upright().HorzStep.X);
}

TEST(OpenGames, ForestHouseShowsOnlyTheTopOfEachHousePile)
{
    Game g;
    SetUpAndDeal(g, games::ForestHouse, 31);
    const TableState& t = g.T;
    for (int k = 0; k < 40; ++k) EXPECT_EQ(t.CardAt(Dealt(t, k)).PileIndex, 14 + k % 8);
    for (int h = 0; h < 4; ++h) {
        for (int k = 0; k < 5; ++k) {
            const Card& c = t.CardAt(Dealt(t, 40 + 5 * h + k));
            EXPECT_EQ(c.PileIndex, 2 + h);
            EXPECT_EQ(c.Order, k);
            EXPECT_EQ(c.FaceUp, k == 4);
        }
    }
    EXPECT_EQ(t.PileAt(0).Count, 44);
}

// One row per drop: the table is laid out as listed, card is picked with
// every card above it and dropped on target.
struct DropCase {
    const char* What;
    int Game;
    test::PileCards Piles;
    int Card;
    int Target;
    bool Accepted;
    int StockPass = 1;
};

TEST(OpenGames, Drops)
{
    const int K0 = CardOf(0, 12), Q0 = CardOf(0, 11), Q2 = CardOf(2, 11), A2 = CardOf(2, 0), A3 = CardOf(3, 0);
    const int K3 = CardOf(3, 12), two1 = CardOf(1, 1);
    const DropCase cases[] = {
        // Trial: 0 stock, 1 waste, 2..5 foundations, 6..13 tableau.
        {"trial: stock left, waste King", games::Trial, {{0, {two1}}, {1, {K0}}}, K0, 6, false},
        {"trial: first pass over, waste holds cards", games::Trial, {{1, {K0, Q2}}}, Q2, 6, false},
        {"trial: first pass over, waste empty, run", games::Trial, {{7, {K0, Q2}}}, K0, 6, true},
        {"trial: turned and spent, waste card", games::Trial, {{1, {K0, Q2}}}, Q2, 6, true, 2},
        {"trial: King on Ace of the other colour", games::Trial, {{7, {K0}}, {8, {A2}}}, K0, 8, true},
        // Dogs to the Basket: 6..9 holding piles fed only from the waste.
        {"dogs: waste onto any card", games::DogsToTheBasket, {{1, {Q2}}, {6, {CardOf(1, 3)}}}, Q2, 6, true},
        {"dogs: waste onto an empty pile", games::DogsToTheBasket, {{1, {Q2}}}, Q2, 7, true},
        {"dogs: pile to pile", games::DogsToTheBasket, {{6, {Q2}}, {7, {K0}}}, Q2, 7, false},
        {"dogs: pile to empty pile", games::DogsToTheBasket, {{6, {Q2}}}, Q2, 8, false},
        // Cat's Tail: 0..7 cells, 8..15 foundations, 16..23 tableau.
        {"cats: one card to a cell", games::CatsTail, {{16, {K0, Q2}}}, Q2, 0, true},
        {"cats: two cards to a cell", games::CatsTail, {{16, {K0, Q2}}}, K0, 0, false},
        {"cats: occupied cell", games::CatsTail, {{16, {K0, Q2}}, {0, {two1}}}, Q2, 0, false},
        {"cats: empty pile refuses a King", games::CatsTail, {{16, {K0}}, {0, {K3}}}, K3, 17, false},
        {"cats: cell card to a pile", games::CatsTail, {{16, {K0}}, {0, {Q2}}}, Q2, 16, true},
        // Peacock: 6..15 feathers in suit.
        {"peacock: 7 on the 8 of its suit", games::Peacock, {{6, {CardOf(2, 7)}}, {7, {CardOf(2, 6)}}}, CardOf(2, 6), 6, true},
        {"peacock: 7 on another 8", games::Peacock, {{6, {CardOf(3, 7)}}, {7, {CardOf(2, 6)}}}, CardOf(2, 6), 6, false},
        {"peacock: run of three", games::Peacock, {{6, {CardOf(1, 8)}}, {7, {CardOf(1, 7), CardOf(1, 6), CardOf(1, 5)}}},
         CardOf(1, 7), 6, true},
        {"peacock: foundation card to an empty feather", games::Peacock, {{2, {A2, CardOf(2, 1)}}}, CardOf(2, 1), 6, true},
        // Gothic Castle: 0..3 foundations, 4..13 walls, up or down in suit.
        {"castle: 6 on 5", games::GothicCastle, {{4, {CardOf(2, 4)}}, {5, {CardOf(2, 5)}}}, CardOf(2, 5), 4, true},
        {"castle: 6 on 7", games::GothicCastle, {{4, {CardOf(2, 6)}}, {5, {CardOf(2, 5)}}}, CardOf(2, 5), 4, true},
        {"castle: 6 on another 7", games::GothicCastle, {{4, {CardOf(3, 6)}}, {5, {CardOf(2, 5)}}}, CardOf(2, 5), 4, false},
        {"castle: Ace on its King", games::GothicCastle, {{4, {K3}}, {5, {A3}}}, A3, 4, true},
        {"castle: empty wall", games::GothicCastle, {{5, {Q0}}}, Q0, 4, true},
        {"castle: empty foundation refuses a 2", games::GothicCastle, {{5, {two1}}}, two1, 0, false},
        {"castle: empty foundation takes an Ace", games::GothicCastle, {{5, {A3}}}, A3, 0, true},
        // Parterre: 2..5 benches, 10..17 beds.
        {"parterre: waste to a bench", games::Parterre, {{1, {Q2}}}, Q2, 2, true},
        {"parterre: occupied bench", games::Parterre, {{1, {Q2}}, {2, {two1}}}, Q2, 2, false},
        {"parterre: run to a bench", games::Parterre, {{10, {K0, Q2}}}, K0, 3, false},
        {"parterre: bench to a bed", games::Parterre, {{2, {Q2}}, {10, {K0}}}, Q2, 10, true},
        // Forest House: 2..5 house, 14..21 trees.
        {"house: waste King while the house has cards", games::ForestHouse, {{1, {K0}}, {3, {two1}}}, K0, 14, false},
        {"house: tree run while the house has cards", games::ForestHouse, {{15, {K0, Q2}}, {3, {two1}}}, K0, 14, false},
        {"house: house card fills", games::ForestHouse, {{3, {two1}}}, two1, 14, true},
        {"house: house empty, waste fills", games::ForestHouse, {{1, {K0}}}, K0, 14, true},
        // Fair Market: 1..4 stalls, 9..17 tableau regardless of suit.
        {"market: 6 on any 7", games::FairMarket, {{9, {CardOf(0, 6)}}, {2, {CardOf(3, 5)}}}, CardOf(3, 5), 9, true},
        {"market: mixed run", games::FairMarket, {{9, {CardOf(0, 8)}}, {10, {CardOf(1, 7), CardOf(3, 6)}}}, CardOf(1, 7), 9, true},
        {"market: nothing on a stall", games::FairMarket, {{1, {CardOf(0, 6)}}, {10, {CardOf(1, 5)}}}, CardOf(1, 5), 1, false},
        {"market: run to an empty pile", games::FairMarket, {{10, {CardOf(1, 7), CardOf(3, 6)}}}, CardOf(1, 7), 11, true},
        // New Fashioned: 1..4 foundations regardless of suit, 5..10 tableau.
        {"fashioned: 2 on any Ace", games::NewFashioned, {{1, {A2}}, {5, {two1}}}, two1, 1, true},
        {"fashioned: 6 on any 7", games::NewFashioned, {{5, {CardOf(0, 6)}}, {6, {CardOf(3, 5)}}}, CardOf(3, 5), 5, true},
    };
    for (const DropCase& d : cases) {
        Game g;
        SetUpAndDeal(g, d.Game, 1);
        TableState& t = g.T;
        Arrange(t, d.Piles);
        t.Rules.StockPass = d.StockPass;
        t.ActiveCard = d.Card;
        t.PickedCount = 0;
        for (int i = 0; i < t.Rules.TotalCards; ++i) {
            Card& c = t.CardAt(i);
            c.Moving = c.InPlay && c.PileIndex == t.CardAt(d.Card).PileIndex && c.Order >= t.CardAt(d.Card).Order;
            t.PickedCount += c.Moving ? 1 : 0;
        }
        t.DropPile = d.Target;
        EXPECT_EQ(CanDrop(t) == d.Target, d.Accepted) << d.What;
    }
}

TEST(OpenGames, NewFashionedFoundationStopsAtTheKing)
{
    Game g;
    SetUpAndDeal(g, games::NewFashioned, 1);
    TableState& t = g.T;
    std::vector<int> run;
    for (int rank = 0; rank < 13; ++rank) run.push_back(CardOf(rank % 4, rank));
    Arrange(t, {{1, run}, {5, {CardOf(1, 0)}}});
    t.ActiveCard = CardOf(1, 0);
    t.PickedCount = 1;
    t.CardAt(CardOf(1, 0)).Moving = true;
    t.DropPile = 1;
    EXPECT_EQ(CanDrop(t), -1);
}

TEST(OpenGames, MarketStallsGetOneCardEachPerPress)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::FairMarket, 12);
    TableState& t = g.T;
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 25");
    const auto stock = CardsOf(t, 0);
    view.Events.clear();
    PressCard(g, stock.back());
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(CardsOf(t, s), std::vector<int>{stock[stock.size() - size_t(s)]});
    EXPECT_EQ(view.Count("snapshot"), 1);
    for (int press = 2; press <= 7; ++press) PressCard(g, CardsOf(t, 0).back());
    EXPECT_EQ(t.PileAt(0).Count, 0);
    EXPECT_EQ(t.PileAt(1).Count, 7);
    EXPECT_EQ(t.PileAt(2).Count, 6);
    EXPECT_EQ(CardsOf(t, 1).back(), stock.front());
    const TableState before = t;
    PressPile(g, 0);
    EXPECT_TRUE(t.Cards == before.Cards);
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 0");
}

TEST(OpenGames, NewFashionedDealsOntoEveryPileEmptyOrNot)
{
    Game g;
    SetUpAndDeal(g, games::NewFashioned, 3);
    TableState& t = g.T;
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 42");
    const int moved = CardsOf(t, 7)[0];
    Arrange(t, {{0, CardsOf(t, 0)}, {5, CardsOf(t, 5)}, {6, CardsOf(t, 6)}, {8, {moved}}});
    for (int press = 0; press < 7; ++press) PressCard(g, CardsOf(t, 0).back());
    EXPECT_EQ(t.PileAt(0).Count, 0);
    EXPECT_EQ(t.PileAt(7).Count, 7) << "the emptied pile got a card each press";
    EXPECT_EQ(t.PileAt(8).Count, 8);
    EXPECT_EQ(t.PileAt(10).Count, 7);
}

TEST(OpenGames, OneTurnOfTheStock)
{
    for (int game : {games::Trial, games::Peacock}) {
        Game g;
        SetUpAndDeal(g, game, 8);
        TableState& t = g.T;
        EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 1");
        while (t.PileAt(0).Count > 0) PressCard(g, CardsOf(t, 0).back());
        PressPile(g, 0);
        EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 0");
        EXPECT_GT(t.PileAt(0).Count, 0);
        while (t.PileAt(0).Count > 0) PressCard(g, CardsOf(t, 0).back());
        const int waste = t.PileAt(1).Count;
        PressPile(g, 0);
        EXPECT_EQ(t.PileAt(1).Count, waste) << game;
    }
    for (int game : {games::Parterre, games::ForestHouse}) {
        Game g;
        SetUpAndDeal(g, game, 8);
        EXPECT_EQ(RedealsLeftLabelText(g.T), std::nullopt) << game << ": one pass, no redeal to count";
    }
}

// Parterre: a card on a bench keeps the finish from starting.
TEST(OpenGames, ParterreFinishesOnlyWithEmptyBenches)
{
    for (bool benchCard : {false, true}) {
        Game g;
        SetUpAndDeal(g, games::Parterre, 2);
        TableState& t = g.T;
        t.Opt.Autoplay = true;
        // Everything home but two Kings on beds and the Queen of suit 3 on a
        // bench or a bed.
        test::PileCards piles;
        for (int s = 0; s < 4; ++s) {
            std::vector<int> home;
            for (int rank = 0; rank < 13 - (s == 2 ? 1 : s == 3 ? 2 : 0); ++rank) home.push_back(CardOf(s, rank));
            piles.push_back({6 + s, home});
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
TEST(OpenGames, DogsGoBackToTheBasket)
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
    PressPile(g, 0);
    EXPECT_EQ(t.PileAt(0).Count, 5);
    for (int p : {1, 6, 7, 8, 9}) EXPECT_EQ(t.PileAt(p).Count, 0);
    EXPECT_EQ(t.Rules.StockPass, 2);
    std::vector<int> dealt;
    TableState turned = t;
    for (int k = 0; k < 5; ++k) {
        PressCard(g, CardsOf(t, 0).back());
        dealt.push_back(CardsOf(t, 1).back());
    }
    EXPECT_EQ(dealt, (std::vector<int>{a, b, d, c, e}));
    for (int k = 0; k < 5; ++k) UndoMove(g);
    EXPECT_TRUE(t.Cards == turned.Cards);
    UndoMove(g);
    EXPECT_TRUE(t.Cards == before.Cards);
    EXPECT_EQ(t.Rules.StockPass, 1);
    // After the last turn the press does nothing, even with dogs out.
    Arrange(t, {{6, {c}}});
    t.Rules.StockPass = 3;
    PressPile(g, 0);
    EXPECT_EQ(CardsOf(t, 6), std::vector<int>{c});
}

}  // namespace
}  // namespace quillo
