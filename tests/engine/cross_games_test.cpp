// Games whose foundations or piles stand in a cross or a ring, or follow
// rules of their own: Four Seasons, Shifted Cross, Sun, First and Last,
// WindMill, Sultan, Women's Kingdom, Kings Corners, Octagon, Crescent and
// Osmosis. Dealt piles, drops, then the own rules played through presses.

#include "engine/autoplay.h"
#include "engine/labels.h"
#include "engine/special.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

using namespace test;

// Cards first, first + 1, ... in card order: ranks ascending, suit after suit.
std::vector<int> Cards(int first, int count)
{
    std::vector<int> out;
    for (int i = 0; i < count; ++i)
        out.push_back(first + i);
    return out;
}

TEST(CrossGames, DealtPiles)
{
    ExpectDealt({
        {games::Star, {1, 1, 1, 1, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}},
        {games::Braid, {71, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 20, 0}},
        {games::FourSeasons, {46, 0, 1, 0, 0, 0, 1, 1, 1, 1, 1}},
        {games::ShiftedCross, {28, 0, 0, 0, 0, 0, 0, 6, 6, 6, 6}},
        {games::Sun, {1, 1, 1, 1, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}},
        {games::FirstAndLast, {5, 5, 5, 5, 5, 5, 5, 5, 1, 0, 0, 0, 0, 0, 0, 0, 63, 0}},
        {games::WindMill, {95, 0, 1, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::Sultan, {87, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::WomensKingdom, {34, 0, 0, 0, 0, 0, 13, 1, 1, 1, 1, 1}},
        {games::KingsCorners, {36, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::Octagon, {76, 0, 1, 1, 1, 1, 1, 1, 1, 1, 5, 5, 5, 5}},
        {games::Crescent, {1, 1, 1, 1, 1, 1, 1, 1, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6}},
        {games::Osmosis, {35, 0, 1, 0, 0, 0, 4, 4, 4, 4}},
    });
}

TEST(CrossGames, DealtBaseCards)
{
    for (const uint32_t number : { 1u, 2u, 3u }) {
        {
            // Sun: an Ace on every foundation; only a ray's top card moves.
            Game g;
            SetUpAndDeal(g, games::Sun, number);
            for (int f = 0; f < 4; ++f)
                EXPECT_EQ(g.T.CardAt(CardsOf(g.T, f)[0]).Rank, RankAce);
            const auto ray = CardsOf(g.T, 9);
            EXPECT_EQ(PickRule(g.T, ray[2]), PickAction::Nothing);
            EXPECT_EQ(PickRule(g.T, ray[3]), PickAction::PickUp);
        }
        {
            // First and Last: the rank below the start at the bottom of every
            // pile, none of it in the stock.
            Game g;
            SetUpAndDeal(g, games::FirstAndLast, number);
            const TableState& t = g.T;
            const int32_t last = (t.Rules.StartRank + 12) % 13;
            EXPECT_EQ(t.CardAt(CardsOf(t, 8)[0]).Rank, t.Rules.StartRank);
            for (int p = 0; p < 8; ++p) {
                const auto cards = CardsOf(t, p);
                EXPECT_EQ(t.CardAt(cards[0]).Rank, last);
                for (const int c : cards)
                    EXPECT_TRUE(t.CardAt(c).FaceUp);
            }
            for (const int c : CardsOf(t, 16))
                EXPECT_NE(t.CardAt(c).Rank, last);
        }
        {
            // Sultan: the fixed Kings, the Ace and the Sultan; no starting rank.
            Game g;
            SetUpAndDeal(g, games::Sultan, number);
            const int fixed[] = { 12, 64, 25, 77, 51, 103, 90, 26, 38 };
            for (int p = 2; p <= 10; ++p)
                EXPECT_EQ(CardsOf(g.T, p), std::vector<int>{ fixed[p - 2] });
            EXPECT_EQ(g.T.Rules.StartRank, -1);
        }
    }
}

TEST(CrossGames, Drops)
{
    ExpectDrops({
        {games::FourSeasons, "King on Ace", {{6, {CardOf(Spades, 0)}}, {7, {CardOf(Hearts, 12)}}},
            CardOf(Hearts, 12), 6, true, 4},
        {games::FourSeasons, "7 on 8 of any suit", {{6, {CardOf(Spades, 7)}}, {7, {CardOf(Spades, 6)}}},
            CardOf(Spades, 6), 6, true, 4},
        {games::FourSeasons, "7 on 6", {{6, {CardOf(Spades, 5)}}, {7, {CardOf(Diamonds, 6)}}},
            CardOf(Diamonds, 6), 6, false, 4},
        {games::FourSeasons, "an empty foundation takes a 5", {{6, {CardOf(Spades, 5)}}}, CardOf(Spades, 5), 3,
            false, 4},
        {games::FourSeasons, "a 5 of any suit", {{6, {CardOf(Clubs, 4)}}}, CardOf(Clubs, 4), 3, true, 4},
        {games::ShiftedCross, "one card to the hub", {{7, {CardOf(Hearts, 7)}}}, CardOf(Hearts, 7), 6, true},
        {games::ShiftedCross, "no run to the hub", {{7, {CardOf(Hearts, 7), CardOf(Spades, 6)}}},
            CardOf(Hearts, 7), 6, false},
        {games::ShiftedCross, "the hub is taken", {{6, {CardOf(Clubs, 2)}}, {7, {CardOf(Hearts, 7)}}},
            CardOf(Hearts, 7), 6, false},
        {games::ShiftedCross, "back from the hub", {{6, {CardOf(Clubs, 6)}}, {7, {CardOf(Hearts, 7)}}},
            CardOf(Clubs, 6), 7, true},
        {games::Sun, "one lower, same suit", {{4, {CardOf(0, 7)}}, {5, {CardOf(0, 6)}}}, CardOf(0, 6), 4,
            true},
        {games::Sun, "one higher, same suit", {{4, {CardOf(0, 7)}}, {5, {CardOf(0, 8)}}}, CardOf(0, 8), 4,
            true},
        {games::Sun, "one higher, other suit", {{4, {CardOf(0, 7)}}, {5, {CardOf(1, 8)}}}, CardOf(1, 8), 4,
            false},
        {games::Sun, "an Ace on its King", {{4, {CardOf(0, 12)}}, {5, {CardOf(0, 0)}}}, CardOf(0, 0), 4,
            true},
        {games::FirstAndLast, "King to a space", {{17, {CardOf(0, 12)}}}, CardOf(0, 12), 0, false},
        {games::Sultan, "an Ace of its suit onto the Sultan",
            {{10, {CardOf(2, 12)}}, {1, {CardOf(2, 0) + SecondDeck}}}, CardOf(2, 0) + SecondDeck, 10, false},
        {games::Sultan, "waste card to an empty divan place", {{1, {CardOf(0, 4)}}}, CardOf(0, 4), 11, true},
        {games::Sultan, "divan card to another empty place", {{12, {CardOf(0, 4)}}}, CardOf(0, 4), 11, true},
        {games::Sultan, "a second card onto a divan place", {{11, {CardOf(1, 5)}}, {1, {CardOf(0, 4)}}},
            CardOf(0, 4), 11, false},
        {games::Sultan, "a Queen on the Ace foundation's Jack", {{9, SuitRun(2, 0, 10)}, {1, {CardOf(2, 11)}}},
            CardOf(2, 11), 9, true},
        {games::KingsCorners, "waste card to an empty cell", {{1, {CardOf(0, 4)}}}, CardOf(0, 4), 6, true},
        {games::KingsCorners, "another cell's card to an empty cell", {{7, {CardOf(0, 4)}}}, CardOf(0, 4), 6,
            false},
        {games::KingsCorners, "waste card onto a filled cell", {{6, {CardOf(1, 5)}}, {1, {CardOf(0, 4)}}},
            CardOf(0, 4), 6, false},
        {games::Crescent, "King foundation takes its Queen", {{4, {12}}, {8, {11}}}, 11, 4, true},
        {games::Crescent, "King foundation refuses another Queen", {{4, {12}}, {8, {24}}}, 24, 4, false},
        {games::Crescent, "Ace foundation takes its 2", {{0, {0}}, {8, {1}}}, 1, 0, true},
        {games::Crescent, "Ace on its King", {{8, {25}}, {9, {13}}}, 13, 8, true},
        {games::Crescent, "King on its Ace", {{8, {13}}, {9, {25}}}, 25, 8, true},
        {games::Crescent, "empty pile refuses", {{9, {25}}}, 25, 8, false},
        {games::Crescent, "full Ace foundation refuses the other Ace",
            {{0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}, {8, {52}}}, 52, 0, false},
        {games::Crescent, "full King foundation refuses the other King",
            {{4, {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}}, {8, {64}}}, 64, 4, false},
    });
}

// First and Last: 0..7 tableau, 8..15 foundations, 16 stock, 17 waste.
TEST(FirstAndLast, AFoundationOneShortCallsItsLastCardHome)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::FirstAndLast, 1);
    TableState& t = g.T;
    t.Rules.StartRank = RankAce;
    t.Opt.Autoplay = false; // finishing by itself would serve the foundations too
    // Foundation 9 holds Ace..Queen; pile 1 holds a King under a Five that
    // moves onto a Six of the other colour.
    Arrange(t, {{9, SuitRun(0, 0, 11)}, {1, {CardOf(1, 12), CardOf(2, 4)}}, {2, {CardOf(0, 5)}}});
    Rebase(g);
    view.Events.clear();
    Drag(g, CardOf(2, 4), 2);
    EXPECT_EQ(t.PileAt(9).Count, 13);
    EXPECT_EQ(CardsOf(t, 9).back(), CardOf(1, 12));
    EXPECT_EQ(t.PileAt(1).Count, 0);
    EXPECT_EQ(view.Count("snapshot"), 1);
    UndoMove(g);
    EXPECT_EQ(CardsOf(t, 1), (std::vector<int>{ CardOf(1, 12), CardOf(2, 4) }));
}

TEST(FirstAndLast, OneFoundationServedPerMove)
{
    Game g;
    SetUpAndDeal(g, games::FirstAndLast, 1);
    TableState& t = g.T;
    t.Rules.StartRank = RankAce;
    t.Opt.Autoplay = false; // finishing by itself would serve the foundations too
    // Foundation 8 gets its twelfth card from pile 3, which leaves pile 3
    // with one card while foundation 11 already has twelve.
    Arrange(t,
        {{8, SuitRun(0, 0, 10)}, {11, SuitRun(1, 0, 11)}, {0, {CardOf(2, 12)}},
            {3, {CardOf(3, 12), CardOf(2, 11)}}, {5, {CardOf(3, 5)}}});
    Rebase(g);
    Drag(g, CardOf(2, 11), 8);
    EXPECT_EQ(t.PileAt(8).Count, 13) << "foundation 8 served from pile 0";
    EXPECT_EQ(t.PileAt(0).Count, 0);
    EXPECT_EQ(t.PileAt(11).Count, 12) << "foundation 11 waits for the next move";
    // A cancelled drag is a move too.
    Left(g, CardOf(3, 5));
    FieldRelease(g);
    EXPECT_EQ(t.PileAt(11).Count, 13);
    EXPECT_EQ(t.PileAt(3).Count, 0);
}

// WindMill: 0 stock, 1 waste, 2 centre, 3..6 corners, 7..14 sails.
TEST(WindMill, CentreAndCornersStopWhereTheyAreFull)
{
    Game g;
    SetUpAndDeal(g, games::WindMill, 16);
    TableState& t = g.T;
    const int king = CardOf(3, 12) + SecondDeck, ace = CardOf(0, 0) + SecondDeck;

    Arrange(t, {{2, Cards(0, 51)}, {1, {king}}});
    EXPECT_EQ(Ask(t, king, 2), 2) << "the 52nd card";
    Arrange(t, {{2, Cards(0, 52)}, {1, {ace}}});
    EXPECT_EQ(Ask(t, ace, 2), -1) << "a full centre";
    Rebase(g);
    Right(g, ace);
    EXPECT_EQ(CardsOf(t, 1), std::vector<int>{ ace }) << "right click sends nothing";

    // A corner down to its Ace refuses a King, and takes an Ace again once
    // its own has gone to the centre.
    const std::vector<int> corner = SuitRun(0, 12, 0, 1);
    Arrange(t, {{2, SuitRun(1, 0, 12)}, {3, corner}, {1, {king}}});
    EXPECT_EQ(Ask(t, king, 3), -1);
    Rebase(g);
    Drag(g, corner.back(), 2);
    EXPECT_EQ(CardsOf(t, 2).back(), corner.back());
    Arrange(t, {{3, SuitRun(0, 12, 1, 1)}, {1, {CardOf(2, 0)}}});
    EXPECT_EQ(Ask(t, CardOf(2, 0), 3), 3);
}

TEST(WindMill, WhoMayGoWhere)
{
    Game g;
    SetUpAndDeal(g, games::WindMill, 16);
    TableState& t = g.T;
    struct Row {
        const char* What;
        PileCards Table;
        int Card;
        int Pile;
        bool Accepted;
    } rows[] = {
        {"a corner's Two onto another corner's Three", {{3, SuitRun(0, 12, 1)}, {4, SuitRun(1, 12, 2)}},
            CardOf(0, 1), 4, false},
        {"a corner's Two onto the centre's Ace", {{3, SuitRun(0, 12, 1)}, {2, {CardOf(1, 0)}}}, CardOf(0, 1),
            2, true},
        {"the centre's King onto an empty corner", {{2, SuitRun(0, 0, 12)}}, CardOf(0, 12), 5, false},
        {"the centre's King onto an empty sail", {{2, SuitRun(0, 0, 12)}}, CardOf(0, 12), 7, false},
        {"a waste King onto an empty corner", {{1, {CardOf(0, 12)}}}, CardOf(0, 12), 5, true},
        {"the waste's card onto an empty sail", {{1, {CardOf(0, 4)}}}, CardOf(0, 4), 7, true},
        {"a sail's card onto an empty sail", {{8, {CardOf(0, 4)}}}, CardOf(0, 4), 7, false},
        {"a corner's card onto an empty sail", {{3, {CardOf(0, 12)}}}, CardOf(0, 12), 7, false},
        {"a waste card onto a filled sail", {{7, {CardOf(0, 5)}}, {1, {CardOf(1, 4)}}}, CardOf(1, 4), 7,
            false},
    };
    for (const Row& row : rows) {
        Arrange(t, row.Table);
        EXPECT_EQ(Ask(t, row.Card, row.Pile), row.Accepted ? row.Pile : -1) << row.What;
    }
}

// Women's Kingdom: 0 stock, 1 waste, 2..5 foundations, 6 reserve, 7..11 tableau.
TEST(WomensKingdom, AQueenSendsFiveReserveCardsUnderTheStock)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::WomensKingdom, 1);
    TableState& t = g.T;
    const std::vector<int> reserve = SuitRun(1, 0, 10); // 11 cards, no Queen
    const std::vector<int> reserveTail = { CardOf(2, 0), CardOf(2, 1) };
    std::vector<int> all = reserve;
    all.insert(all.end(), reserveTail.begin(), reserveTail.end());
    const std::vector<int> stock = { CardOf(3, 0), CardOf(3, 1), CardOf(3, 2) };
    Arrange(t, {{6, all}, {0, stock}, {1, {CardOf(0, 11)}}}, stock);
    Rebase(g);
    const TableState before = t;
    view.Events.clear();
    Drag(g, CardOf(0, 11), 2);
    const auto now = CardsOf(t, 0);
    ASSERT_EQ(now.size(), 8u);
    for (size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(now[k], all[k]) << "old order kept";
        EXPECT_FALSE(t.CardAt(now[k]).FaceUp);
    }
    EXPECT_EQ(t.PileAt(6).Count, 8);
    EXPECT_EQ(view.Count("snapshot"), 1);
    UndoMove(g);
    EXPECT_EQ(t.Cards, before.Cards) << "one Undo takes back the Queen and the turned cards";
    EXPECT_EQ(t.Piles, before.Piles);
}

TEST(WomensKingdom, WhichQueenMovesTurnTheReserve)
{
    Game g;
    SetUpAndDeal(g, games::WomensKingdom, 1);
    TableState& t = g.T;
    const int queen = CardOf(0, 11), king = CardOf(2, 12);
    struct Row {
        const char* What;
        int From;
        bool Turns;
    } rows[] = {
        {"from the reserve onto the tableau", 6, true},
        {"from the waste onto the tableau", 1, false},
        {"from another tableau pile", 8, false},
    };
    for (const Row& row : rows) {
        std::vector<int> reserve = SuitRun(1, 0, 5);
        if (row.From == 6) reserve.push_back(queen);
        PileCards table = {{6, reserve}, {7, {king}}};
        if (row.From != 6) table.push_back({row.From, {queen}});
        Arrange(t, table);
        Rebase(g);
        Drag(g, queen, 7);
        EXPECT_EQ(CardsOf(t, 7).back(), queen) << row.What;
        EXPECT_EQ(t.PileAt(0).Count, row.Turns ? 5 : 0) << row.What;
    }
    // With the reserve empty a Queen sent home turns nothing and Undo still
    // brings it back.
    Arrange(t, {{1, {queen}}});
    Rebase(g);
    Right(g, queen);
    EXPECT_EQ(CardsOf(t, 2), std::vector<int>{ queen });
    EXPECT_EQ(t.PileAt(0).Count, 0);
    UndoMove(g);
    EXPECT_EQ(CardsOf(t, 1), std::vector<int>{ queen });
}

TEST(KingsCorners, Won)
{
    // Kings Corners: 0 stock, 1 waste, 2..5 foundations, 6..21 cells.
    Game k;
    SetUpAndDeal(k, games::KingsCorners, 1);
    const PileCards courts = {{2, SuitRun(0, 0, 4)}, {6, {CardOf(0, 12)}}, {9, {CardOf(1, 11)}},
        {14, {CardOf(2, 10)}}, {20, {CardOf(3, 12)}}, {21, {CardOf(1, 10)}}};
    Arrange(k.T, courts);
    EXPECT_TRUE(IsWon(k.T)) << "five court cards, foundations stopped anywhere";
    PileCards more = courts;
    more.push_back({1, {CardOf(2, 12)}});
    Arrange(k.T, more);
    EXPECT_FALSE(IsWon(k.T)) << "a card left in the waste";
    more.back() = {7, {CardOf(2, 9)}};
    Arrange(k.T, more);
    EXPECT_FALSE(IsWon(k.T)) << "a Ten in the grid";
}

// Octagon: 0 stock, 1 waste, 2..9 foundations, 10..13 tableau.
TEST(Octagon, AnEmptyCornerTakesThreeCardsThroughTheWaste)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::Octagon, 1);
    TableState& t = g.T;
    const std::vector<int> stock = SuitRun(1, 0, 9, 1);
    const int waste = CardOf(2, 7);
    Arrange(t,
        {{2, {CardOf(0, 0)}}, {12, {CardOf(0, 1)}}, {1, {waste}}, {0, stock}, {10, {CardOf(3, 3)}},
            {11, {CardOf(3, 4)}}, {13, {CardOf(3, 5)}}},
        stock);
    Rebase(g);
    const TableState before = t;
    view.Events.clear();
    Drag(g, CardOf(0, 1), 2);
    EXPECT_EQ(CardsOf(t, 12), (std::vector<int>{ waste, stock[9], stock[8] }));
    EXPECT_EQ(t.PileAt(0).Count, 8);
    EXPECT_EQ(t.PileAt(1).Count, 0);
    EXPECT_EQ(view.Count("snapshot"), 1);
    UndoMove(g);
    EXPECT_EQ(t.Cards, before.Cards);
    EXPECT_EQ(t.Piles, before.Piles);

    // Nothing to refill with: the corner stays empty and takes any card.
    Arrange(t,
        {{2, {CardOf(0, 0)}}, {12, {CardOf(0, 1)}}, {10, {CardOf(3, 3)}}, {11, {CardOf(3, 4)}},
            {13, {CardOf(3, 5)}}});
    Rebase(g);
    t.Opt.Sound = true;
    view.Events.clear();
    Drag(g, CardOf(0, 1), 2);
    EXPECT_EQ(t.PileAt(12).Count, 0);
    EXPECT_EQ(view.Count("work.wav"), 0) << "nothing dealt, nothing heard";
    EXPECT_EQ(Ask(t, CardOf(3, 5), 12), 12);
}

TEST(Octagon, FourPassesThroughTheStock)
{
    Game g;
    SetUpAndDeal(g, games::Octagon, 1);
    TableState& t = g.T;
    for (int pass = 1; pass <= 4; ++pass) {
        EXPECT_EQ(t.Rules.StockPass, pass);
        while (t.PileAt(0).Count > 0)
            Left(g, CardsOf(t, 0).back());
        EXPECT_EQ(PressEmptyStock(g), pass < 4) << pass;
    }
    EXPECT_EQ(t.Rules.StockPass, 4);
}

// Crescent piles: 0..3 Ace foundations, 4..7 King foundations, 8..23 tableau.
TEST(Crescent, DealButtonBringsEachBottomCardToTheTop)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::Crescent, 21);
    TableState& t = g.T;
    const auto pile = CardsOf(t, 8);
    const TableState dealt = t;
    view.Events.clear();
    EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 3");
    DealButton(g);
    EXPECT_EQ(CardsOf(t, 8), (std::vector<int>{ pile[1], pile[2], pile[3], pile[4], pile[5], pile[0] }));
    EXPECT_EQ(view.Count("snapshot"), 1);
    EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 2");
    UndoMove(g);
    EXPECT_TRUE(t.Cards == dealt.Cards);
    EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 3");
    for (int k = 0; k < 3; ++k)
        DealButton(g);
    EXPECT_EQ(*RedealsLeftLabelText(t), "Redeals Left: 0");
    const TableState spent = t;
    DealButton(g);
    EXPECT_TRUE(t.Cards == spent.Cards);
    // A pile of one card stays as it is.
    Arrange(t, {{8, {CardOf(1, 4)}}});
    t.Rules.TableRedealsUsed = 0;
    DealButton(g);
    EXPECT_EQ(t.CardAt(CardOf(1, 4)).Order, 0);
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
} // namespace
} // namespace quillo
