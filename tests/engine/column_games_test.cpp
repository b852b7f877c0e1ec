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

// A dealt game whose view records what it is told, bound as [view, g, t].
struct Dealing {
    RecordingView view;
    Game g{ view };
    TableState& t = g.T;
    Dealing(int game, uint32_t deal) { SetUpAndDeal(g, game, deal); }
};

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
        {games::FreeCell, {0, 0, 0, 0, 0, 0, 0, 0, 7, 7, 7, 7, 6, 6, 6, 6}},
        {games::BigHarp, {49, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {games::Agnes, {16, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 4, 5, 6, 7}},
        {games::MerryTwos, {86, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::LookOfFortune, {36, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::Fans, {0, 0, 0, 0, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1}},
        {games::Duke, {36, 0, 0, 0, 0, 0, 3, 3, 3, 3, 1, 1, 1, 1}},
        {games::Threes, {24, 0, 1, 1, 1, 1, 3, 3, 3, 3, 3, 3, 3, 3}},
        {games::Trial, {28, 0, 0, 0, 0, 0, 3, 3, 3, 3, 3, 3, 3, 3}},
        {games::CatsTail, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 13, 13, 13, 13, 13, 13, 13, 13}},
        {games::Peacock, {38, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::Parterre, {20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4, 4, 4}},
        {games::ForestHouse, {44, 0, 5, 5, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 5, 5}},
        {games::FairMarket, {25, 0, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 3, 3, 3, 3, 3, 3}},
        {games::NewFashioned, {42, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::EightSphinxes, {16, 0, 0, 0, 0, 0, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3}},
        {games::SwedishPacket, {12, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 5, 5}},
        {games::Yukon, {1, 6, 7, 8, 9, 10, 11, 0, 0, 0, 0}},
        {games::EagleWing, {30, 0, 1, 0, 0, 0, 13, 1, 1, 1, 1, 1, 1, 1, 1}},
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
        {games::FreeCell, 8, "UUUUUUU"},       {games::FreeCell, 15, "UUUUUU"},
        {games::Aribert, 0, "DUDU"},           {games::ForestHouse, 2, "DDDDU"},
    };
    for (const FacesRow& row : rows) {
        for (const uint32_t number : {3u, 10u, 11982u}) {
            auto&& [view, g, t] = Dealing(row.Game, number);
            std::string faces;
            for (const int card : CardsOf(t, row.Pile))
                faces += t.CardAt(card).FaceUp ? 'U' : 'D';
            EXPECT_EQ(faces, row.Faces) << NameOf(row.Game) << " #" << number << " pile " << row.Pile;
        }
    }
}

// Where the deal hides cards, only each tableau pile's top card is up.
TEST(ColumnGames, DealtHiddenUnderTheTop)
{
    for (const int game : { games::BigHarp, games::Agnes, games::Icebreaker, games::Threes, games::Trial }) {
        for (const uint32_t number : { 1u, 77u }) {
            auto&& [view, g, t] = Dealing(game, number);
            for (int p = t.Rules.TableFirst; p <= t.Rules.TableLast; ++p)
                for (const int card : CardsOf(t, p))
                    EXPECT_EQ(t.CardAt(card).FaceUp, IsTopCard(t, card)) << NameOf(game) << " pile " << p;
        }
    }
}

TEST(ColumnGames, Drops)
{
    using namespace games;
    ExpectDrops({
        {BigHarp, "a run led by a 9 into a space", "10: TC 9H 8S 7D", "9H", 11, true},
        {BigHarp, "King on Ace", "10: AH; 11: KS", "KS", 10, true},
        {Agnes, "the foundation turns the corner", "1: JS QS KS; 12: AS", "AS", 1, true, RankJack},
        {Agnes, "nothing onto a reserve pile", "5: 4H; 12: 3S", "3S", 5, false, RankJack},
        {Agnes, "an 8 fills under a 9 base", "12: 8H", "8H", 13, true, 8},
        {Agnes, "no King under a 9 base", "12: KH", "KH", 13, false, 8},
        {Agnes, "a King under an Ace base", "12: KH", "KH", 13, true, RankAce},
        {Agnes, "a Queen under a King base", "12: QH", "QH", 13, true, RankKing},
        {MerryTwos, "an Ace starts nothing", "10: AS", "AS", 2, false},
        {MerryTwos, "a Two starts a foundation", "10: 2S", "2S", 2, true},
        {MerryTwos, "an Ace on the Two-to-King", "2: 2S-KS; 10: AS", "AS", 2, true},
        {MerryTwos, "a second Two on a full foundation", "2: 2S-KS AS; 11: 2S'", "2S'", 2, false},
        {LookOfFortune, "waste fills a space", "1: 9H", "9H", 6, true},
        {LookOfFortune, "no column fills a space", "7: 9H", "9H", 6, false},
        {Fans, "a King fills", "5: KH", "KH", 4, true},
        {Fans, "a Queen does not", "5: QH", "QH", 4, false},
        {Fans, "a King onto the Ace of its suit", "5: AH; 6: KH", "KH", 5, true},
        {Icebreaker, "the second Ace on the King", "2: AH-KH; 6: AH'", "AH'", 2, true},
        {Icebreaker, "the second Ace starts another foundation", "2: AH; 6: AH'", "AH'", 3, true},
        {Duke, "reserve", "6: 4H; 10: 3S", "3S", 6, false},
        {Duke, "run to a space", "10: 8H 7S", "8H", 11, true},
        {Threes, "a Two fills", "7: 2H", "2H", 6, true},
        {Threes, "a King does not", "7: KH", "KH", 6, false},
        {Threes, "Ace on King", "2: 3D KD; 6: AD", "AD", 2, true},
        {Threes, "Two on Ace", "2: 3D AD; 6: 2D", "2D", 2, true},
        {Trial, "stock left, waste King", "0: 2S; 1: KC", "KC", 6, false},
        {Trial, "first pass over, waste holds cards", "1: KC QH", "QH", 6, false},
        {Trial, "first pass over, waste empty, run", "7: KC QH", "KC", 6, true},
        {Trial, "turned and spent, waste card", "1: KC QH", "QH", 6, true, -1, 2},
        {Trial, "King on Ace of the other colour", "7: KC; 8: AH", "KC", 8, true},
        {DogsToTheBasket, "waste onto any card", "1: QH; 6: 4S", "QH", 6, true},
        {DogsToTheBasket, "waste onto an empty pile", "1: QH", "QH", 7, true},
        {DogsToTheBasket, "pile to pile", "6: QH; 7: KC", "QH", 7, false},
        {DogsToTheBasket, "pile to empty pile", "6: QH", "QH", 8, false},
        {CatsTail, "one card to a cell", "16: KC QH", "QH", 0, true},
        {CatsTail, "two cards to a cell", "16: KC QH", "KC", 0, false},
        {CatsTail, "occupied cell", "16: KC QH; 0: 2S", "QH", 0, false},
        {CatsTail, "empty pile refuses a King", "16: KC; 0: KD", "KD", 17, false},
        {CatsTail, "cell card to a pile", "16: KC; 0: QH", "QH", 16, true},
        {Peacock, "7 on the 8 of its suit", "6: 8H; 7: 7H", "7H", 6, true},
        {Peacock, "7 on another 8", "6: 8D; 7: 7H", "7H", 6, false},
        {Peacock, "run of three", "6: 9S; 7: 8S 7S 6S", "8S", 6, true},
        {Peacock, "foundation card to an empty feather", "2: AH 2H", "2H", 6, true},
        {GothicCastle, "6 on 5", "4: 5H; 5: 6H", "6H", 4, true},
        {GothicCastle, "6 on 7", "4: 7H; 5: 6H", "6H", 4, true},
        {GothicCastle, "6 on another 7", "4: 7D; 5: 6H", "6H", 4, false},
        {GothicCastle, "Ace on its King", "4: KD; 5: AD", "AD", 4, true},
        {GothicCastle, "empty wall", "5: QC", "QC", 4, true},
        {GothicCastle, "empty foundation refuses a 2", "5: 2S", "2S", 0, false},
        {GothicCastle, "empty foundation takes an Ace", "5: AD", "AD", 0, true},
        {Parterre, "waste to a bench", "1: QH", "QH", 2, true},
        {Parterre, "occupied bench", "1: QH; 2: 2S", "QH", 2, false},
        {Parterre, "run to a bench", "10: KC QH", "KC", 3, false},
        {Parterre, "bench to a bed", "2: QH; 10: KC", "QH", 10, true},
        {ForestHouse, "waste King while the house has cards", "1: KC; 3: 2S", "KC", 14, false},
        {ForestHouse, "tree run while the house has cards", "15: KC QH; 3: 2S", "KC", 14, false},
        {ForestHouse, "house card fills", "3: 2S", "2S", 14, true},
        {ForestHouse, "house empty, waste fills", "1: KC", "KC", 14, true},
        {FairMarket, "6 on any 7", "9: 7C; 2: 6D", "6D", 9, true},
        {FairMarket, "mixed run", "9: 9C; 10: 8S 7D", "8S", 9, true},
        {FairMarket, "nothing on a stall", "1: 7C; 10: 6S", "6S", 1, false},
        {FairMarket, "run to an empty pile", "10: 8S 7D", "8S", 11, true},
        {NewFashioned, "2 on any Ace", "1: AH; 5: 2S", "2S", 1, true},
        {NewFashioned, "6 on any 7", "5: 7C; 6: 6D", "6D", 5, true},
        {NewFashioned, "nothing past the King", "1: AC 2S 3H 4D 5C 6S 7H 8D 9C TS JH QD KC; 5: AS", "AS", 1, false},
        {EightSphinxes, "an empty sphinx", "1: 5C", "5C", 12, false},
        {EightSphinxes, "a sphinx topped by a fitting card", "13: 6H; 1: 5C", "5C", 13, false},
        {EightSphinxes, "King from a sphinx to a space", "12: KC", "KC", 6, true},
        {EightSphinxes, "King from the waste to a space", "1: KC", "KC", 6, true},
        {EightSphinxes, "King with its run to a space", "7: 4C KC QH", "KC", 6, true},
        {EightSphinxes, "Queen to a space", "1: QC", "QC", 6, false},
        {SwedishPacket, "mixed-suit run to a space", "5: TC 9C 8H 7H", "8H", 6, true},
        {SwedishPacket, "one lower, any suit", "5: TC; 6: 9H", "9H", 5, true},
        {Yukon, "out-of-sequence group on a card of the other colour", "0: 9C 3C; 1: TH", "9C", 1, true},
        {Yukon, "King with its cards to a space", "1: 4C KC 5S", "KC", 0, true},
        {Yukon, "Queen to a space", "1: QC", "QC", 0, false},
        // Baker's Dozen: 0..3 foundations, 4..16 tableau.
        {BakersDozen, "a Queen of any suit on any King", "4: KS QH; 7: KD", "QH", 7, true},
        {BakersDozen, "no card fills a space", "5: 5D 4C", "4C", 6, false},
        {BakersDozen, "not even a King fills a space", "8: 2S KC", "KC", 6, false},
        // Forty Thieves: 0 stock, 1 waste, 2..9 foundations, 10..19 tableau.
        {FortyThieves, "any card fills a space", "10: 9H 8H", "8H", 11, true},
        {FortyThieves, "the second Ace starts a foundation", "2: AS-KS; 1: AS'", "AS'", 3, true},
        {FortyThieves, "a finished foundation takes no second Ace", "2: AS-KS; 1: AS'", "AS'", 2, false},
        // Flower Garden: 0..3 foundations, 4..9 beds, 10..25 the bouquet.
        {FlowerGarden, "a bouquet card home", "10: AH", "AH", 0, true},
        {FlowerGarden, "a bouquet card on a bed", "11: 5C; 4: TS 6D", "5C", 4, true},
        {FlowerGarden, "an emptied bouquet place takes nothing", "11: 5C", "5C", 12, false},
        {FlowerGarden, "an empty bed takes a bed card", "4: TS 6D", "6D", 5, true},
        {FlowerGarden, "and a bouquet card", "11: 5C", "5C", 5, true},
        // Eagle Wing: 6 trunk, 7..14 wings. Chameleon: 6 reserve, 7..9 tableau.
        {EagleWing, "a King on the Ace of its suit", "7: AH; 8: KD; 1: KH; 9: QS; 6: 2C", "KH", 7, true},
        {EagleWing, "a Queen only on the King of its suit", "7: AH; 8: KD; 1: KH; 9: QS; 6: 2C", "QS", 8, false},
        {EagleWing, "the trunk still holds a card", "7: AH; 8: KD; 1: KH; 9: QS; 6: 2C", "QS", 10, false},
        {Chameleon, "a run on one higher of any suit", "7: 7S 6H 5C; 8: 8D; 6: 3D", "7S", 8, true},
        {Chameleon, "a King on an Ace of any suit", "9: AC; 1: KH; 6: 3D", "KH", 9, true},
    });
}

// Which card a press picks up: one card at a time, a legal run from any of
// its cards, or any face-up card with what lies on it.
TEST(ColumnGames, WhatAPressPicksUp)
{
    using enum PickAction;
    using namespace games;
    ExpectPicks({
        {MerryTwos, "10: 4S 3S", "4S", Nothing},
        {MerryTwos, "10: 4S 3S", "3S", PickUp},
        {Fans, "5: KH QH", "KH", Nothing},
        {LookOfFortune, "6: 9C 8C", "9C", Nothing},
        {Duke, "10: 8H 7S", "8H", PickUp},
        {Duke, "10: 8H 7D", "8H", Nothing},
        {Duke, "6: 8H 3D", "8H", Nothing},
        {Duke, "6: 8H 3D", "3D", PickUp},
        {Threes, "6: 2H AH KH", "2H", PickUp},
        {SwedishPacket, "5: 9C 8S 7S", "9C", PickUp},
        {SwedishPacket, "6: 9D 7H 8H", "9D", Nothing},
        {Yukon, "2: 6C TS 2D KC", "TS", PickUp},
        {BakersDozen, "4: KS QH", "KS", Nothing},
        {FortyThieves, "10: 9H 8H", "9H", Nothing},
        {FlowerGarden, "4: TS 6D", "TS", Nothing},
        {Chameleon, "7: 7S 6H 5C", "7S", PickUp},
    });
}

// Icebreaker: 0 stock, 1 waste, 2..5 foundations, 6..15 tableau. The Ace of
// spades leaves pile 6 for a foundation; the waste's top fills the space,
// else the stock's, else nothing and the space takes any card.
TEST(ColumnGames, IcebreakerRefillsASpaceFromTheWaste)
{
    const struct {
        const char* Table;
        std::vector<int> Refill; // pile 6 afterwards
        int Stock, Waste;
    } cases[] = {
        {"6: AS; 7: 9D; 1: 3D TH; 0: ~6C", {C("TH")}, 1, 1},
        {"6: AS; 7: 9D; 0: ~6C ~5C", {C("5C")}, 1, 0},
        {"6: AS; 7: 9D", {}, 0, 0},
    };
    for (const auto& c : cases) {
        auto&& [view, g, t] = Dealing(games::Icebreaker, 2);
        Lay(t, c.Table);
        Rebase(g);
        const TableState before = t;
        view.Events.clear();
        Drag(g, C("AS"), 2);
        ASSERT_EQ(CardsOf(t, 2), Cards("AS"));
        EXPECT_EQ(CardsOf(t, 6), c.Refill);
        EXPECT_EQ(std::pair(t.PileAt(0).Count, t.PileAt(1).Count), std::pair(c.Stock, c.Waste));
        for (const int card : c.Refill)
            EXPECT_TRUE(t.CardAt(card).FaceUp);
        EXPECT_EQ(view.Count("snapshot"), 1) << "one snapshot for the move and the refill";
        if (c.Refill.empty()) {
            Drag(g, C("9D"), 6);
            EXPECT_EQ(CardsOf(t, 6), Cards("9D"));
            continue;
        }
        UndoMove(g);
        EXPECT_TRUE(SameCardsAndPiles(t, before));
    }
}

// Agnes: the stock deals one card onto each of reserve piles 5..11: 7, 7 and
// 2 cards, then nothing. The label shows the stock alone.
TEST(ColumnGames, AgnesStockFeedsTheReserveRow)
{
    auto&& [view, g, t] = Dealing(games::Agnes, 8);
    const std::vector<std::vector<int>> after
        = {{2, 2, 2, 2, 2, 2, 2}, {3, 3, 3, 3, 3, 3, 3}, {4, 4, 3, 3, 3, 3, 3}, {4, 4, 3, 3, 3, 3, 3}};
    for (const auto& counts : after) {
        if (TopCard(t, 0) != -1)
            Left(g, TopCard(t, 0));
        else
            LeftPile(g, 0);
        EXPECT_EQ(Counts(t, 5, 11), counts);
        for (int p = 5; p <= 11; ++p)
            EXPECT_TRUE(t.CardAt(TopCard(t, p)).FaceUp);
    }
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 0");
}

TEST(ColumnGames, CatsTailHeadsEveryPileWithAKing)
{
    auto&& [view, g, t] = Dealing(games::CatsTail, 4242);
    std::vector<int> kings, heads;
    for (int k = 0; k < 104; ++k)
        if (t.CardAt(Dealt(t, k)).Rank == RankKing) kings.push_back(Dealt(t, k));
    for (int p = 16; p < 24; ++p)
        heads.push_back(CardsOf(t, p)[0]);
    EXPECT_EQ(heads, kings);
}

TEST(ColumnGames, AcesOnTheFoundationsThenOneCardEach)
{
    for (int game : { games::Peacock, games::NewFashioned }) {
        auto&& [view, g, t] = Dealing(game, 9);
        const GameRules& r = t.Rules;
        std::vector<int> aces, others;
        for (int k = 0; k < 52; ++k)
            (t.CardAt(Dealt(t, k)).Rank == RankAce ? aces : others).push_back(Dealt(t, k));
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(CardsOf(t, r.FoundFirst + i), std::vector<int>{ aces[size_t(i)] }) << game;
        for (int p = r.TableFirst; p <= r.TableLast; ++p)
            EXPECT_EQ(CardsOf(t, p), std::vector<int>{ others[size_t(p - r.TableFirst)] }) << game;
        EXPECT_EQ(*StartRankLabelText(t), "Starting Rank: Ace");
    }
}

TEST(ColumnGames, MarketStallsGetOneCardEachPerPress)
{
    auto&& [view, g, t] = Dealing(games::FairMarket, 12);
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 25");
    const auto stock = CardsOf(t, 0);
    view.Events.clear();
    Left(g, stock.back());
    for (int s = 1; s <= 4; ++s)
        EXPECT_EQ(CardsOf(t, s), std::vector<int>{ stock[stock.size() - size_t(s)] });
    EXPECT_EQ(view.Count("snapshot"), 1);
    for (int press = 2; press <= 7; ++press)
        Left(g, CardsOf(t, 0).back());
    EXPECT_EQ(Counts(t, 0, 2), (std::vector<int>{ 0, 7, 6 }));
    EXPECT_EQ(TopCard(t, 1), stock.front());
    const TableState before = t;
    LeftPile(g, 0);
    EXPECT_TRUE(t.Cards == before.Cards);
}

TEST(ColumnGames, NewFashionedDealsOntoEveryPileEmptyOrNot)
{
    auto&& [view, g, t] = Dealing(games::NewFashioned, 3);
    Arrange(t, {{0, CardsOf(t, 0)}, {5, CardsOf(t, 5)}, {6, CardsOf(t, 6)}, {8, {CardsOf(t, 7)[0]}}});
    for (int press = 0; press < 7; ++press)
        Left(g, CardsOf(t, 0).back());
    EXPECT_EQ(Counts(t, { 0, 7, 8 }), (std::vector<int>{ 0, 7, 8 })) << "the emptied pile got a card each press";
}

// The press on the empty stock turns it while passes are left, and the label
// counts the redeals left; where one pass is all, there is nothing to count.
TEST(ColumnGames, PassesThroughTheStock)
{
    const std::pair<int, int> rows[] = { { games::Trial, 2 }, { games::Peacock, 2 }, { games::Icebreaker, 2 },
        { games::Octagon, 4 }, { games::Parterre, 1 }, { games::ForestHouse, 1 } };
    for (const auto& [game, passes] : rows) {
        auto&& [view, g, t] = Dealing(game, 8);
        const auto label = RedealsLeftLabelText(t);
        EXPECT_EQ(label.value_or("none"), passes > 1 ? "Redeals Left: " + std::to_string(passes - 1) : "none");
        int turned = 1;
        for (;; ++turned) {
            while (t.PileAt(0).Count > 0)
                Left(g, CardsOf(t, 0).back());
            const std::vector<int> waste = CardsOf(t, 1);
            if (PressEmptyStock(g)) continue;
            EXPECT_EQ(CardsOf(t, 1), waste) << NameOf(game) << ": the last press turns nothing";
            break;
        }
        EXPECT_EQ(std::pair(turned, t.Rules.StockPass), std::pair(passes, passes)) << NameOf(game);
    }
}

// Parterre: a card on a bench keeps the finish from starting.
TEST(ColumnGames, ParterreFinishesOnlyWithEmptyBenches)
{
    for (const char* queen : { "12: QD", "2: QD" }) {
        auto&& [view, g, t] = Dealing(games::Parterre, 2);
        t.Opt.Autoplay = true;
        Lay(t, std::string("6: AC-KC; 7: AS-KS; 8: AH-QH; 9: AD-JD; 10: KH; 11: KD; ") + queen);
        AutoFinish(g);
        EXPECT_EQ(t.PileAt(10).Count, queen[0] == '2' ? 1 : 0) << queen;
    }
}

// Dogs to the Basket: turning the stock first gathers the holding piles.
TEST(ColumnGames, DogsGoBackToTheBasket)
{
    auto&& [view, g, t] = Dealing(games::DogsToTheBasket, 6);
    EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 2");
    Lay(t, "1: 5C TS; 6: 3H 8D; 8: QC");
    Rebase(g);
    const TableState before = t;
    LeftPile(g, 0);
    EXPECT_EQ(Counts(t, 0, 9), (std::vector<int>{ 5, 0, 0, 0, 0, 0, 0, 0, 0, 0 }));
    std::vector<int> dealt;
    TableState turned = t;
    for (int k = 0; k < 5; ++k) {
        Left(g, CardsOf(t, 0).back());
        dealt.push_back(CardsOf(t, 1).back());
    }
    EXPECT_EQ(dealt, Cards("5C TS 8D 3H QC"));
    for (int k = 0; k < 5; ++k)
        UndoMove(g);
    EXPECT_TRUE(t.Cards == turned.Cards);
    UndoMove(g);
    EXPECT_TRUE(t.Cards == before.Cards && t.Rules.StockPass == 1);
    // After the last turn the press does nothing, even with dogs out.
    Lay(t, "6: 3H");
    t.Rules.StockPass = 3;
    LeftPile(g, 0);
    EXPECT_EQ(CardsOf(t, 6), Cards("3H"));
}

// Swedish Packet: 0 stock, 1..4 foundations, 5..12 tableau.
TEST(SwedishPacket, ThePacketIsDealtAcrossOnce)
{
    auto&& [view, g, t] = Dealing(games::SwedishPacket, 1);
    t.Opt.Sound = true;
    view.Events.clear();
    Left(g, CardsOf(t, 0).back());
    EXPECT_EQ(Counts(t, 5, 12), std::vector<int>(8, 6));
    EXPECT_EQ(std::pair(view.Count("snapshot"), view.Count("work.wav")), std::pair(1, 1));
    Left(g, CardsOf(t, 0).back());
    EXPECT_EQ(Counts(t, 0, 12), (std::vector<int>{ 0, 0, 0, 0, 0, 7, 7, 7, 7, 6, 6, 6, 6 }));
    EXPECT_FALSE(PressEmptyStock(g));
}

struct RefillCase {
    int Game;
    int Foundation, Reserve, Pile, LastPile;
};

class ReserveRefill : public testing::TestWithParam<RefillCase> { };

TEST_P(ReserveRefill, AnEmptiedPileTakesTheReserveTopInTheSameAction)
{
    const RefillCase rc = GetParam();
    auto&& [view, g, t] = Dealing(rc.Game, 11);
    t.Rules.StartRank = RankAce; // a dealt start of Six would refuse the Six
    const int five = CardOf(Hearts, 4), six = CardOf(Hearts, 5), hidden = CardOf(Clubs, 1), top = CardOf(Clubs, 2);
    PileCards piles{{rc.Foundation, {five}}, {rc.Pile, {six}}, {rc.Reserve, {hidden, top}}};
    for (int p = rc.Pile + 1, k = 0; p <= rc.LastPile; ++p, ++k)
        piles.push_back({p, {CardOf(Diamonds, k)}});
    Arrange(t, piles, { hidden });
    Rebase(g);
    const TableState before = t;
    Drag(g, six, rc.Foundation);
    EXPECT_EQ(CardsOf(t, rc.Pile), std::vector<int>{ top });
    EXPECT_EQ(std::tuple(t.PileAt(rc.Reserve).Count, t.CardAt(hidden).FaceUp, g.Undo.Count()), std::tuple(1, true, 2))
        << "Autoplay turns the next reserve card; one snapshot for the move and the refill";
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

} // namespace
} // namespace quillo
