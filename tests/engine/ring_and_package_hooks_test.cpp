// The own rules of First and Last, WindMill, Women's Kingdom, Kings Corners
// and Octagon, and the stocks of Swedish Packet and Octagon,
// played through presses and releases.

#include <gtest/gtest.h>

#include "engine/autoplay.h"
#include "table_moves.h"

namespace quillo {
namespace {

using test::Arrange;
using test::CardOf;
using test::CardsOf;
using test::RecordingView;
using test::SetUpAndDeal;

using test::Ask;
using test::Drag;
using test::Press;
using test::Rebase;
using test::SecondDeck;
using test::SuitRun;

// Cards first, first + 1, ... in card order: ranks ascending, suit after suit.
std::vector<int> Cards(int first, int count)
{
    std::vector<int> out;
    for (int i = 0; i < count; ++i) out.push_back(first + i);
    return out;
}

// First and Last: 0..7 tableau, 8..15 foundations, 16 stock, 17 waste.
TEST(FirstAndLast, AFoundationOneShortCallsItsLastCardHome)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::FirstAndLast, 1);
    TableState& t = g.T;
    t.Rules.StartRank = RankAce;
    t.Opt.Autoplay = false;  // finishing by itself would serve the foundations too
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
    EXPECT_EQ(CardsOf(t, 1), (std::vector<int>{CardOf(1, 12), CardOf(2, 4)}));
}

TEST(FirstAndLast, OneFoundationServedPerMove)
{
    Game g;
    SetUpAndDeal(g, games::FirstAndLast, 1);
    TableState& t = g.T;
    t.Rules.StartRank = RankAce;
    t.Opt.Autoplay = false;  // finishing by itself would serve the foundations too
    // Foundation 8 gets its twelfth card from pile 3, which leaves pile 3
    // with one card while foundation 11 already has twelve.
    Arrange(t, {{8, SuitRun(0, 0, 10)},
                {11, SuitRun(1, 0, 11)},
                {0, {CardOf(2, 12)}},
                {3, {CardOf(3, 12), CardOf(2, 11)}},
                {5, {CardOf(3, 5)}}});
    Rebase(g);
    Drag(g, CardOf(2, 11), 8);
    EXPECT_EQ(t.PileAt(8).Count, 13) << "foundation 8 served from pile 0";
    EXPECT_EQ(t.PileAt(0).Count, 0);
    EXPECT_EQ(t.PileAt(11).Count, 12) << "foundation 11 waits for the next move";
    // A cancelled drag is a move too.
    Press(g, CardOf(3, 5));
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
    Press(g, ace, Button::Right);
    EXPECT_EQ(CardsOf(t, 1), std::vector<int>{ace}) << "right click sends nothing";

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
        test::PileCards Table;
        int Card;
        int Pile;
        bool Accepted;
    } rows[] = {
        {"a corner's Two onto another corner's Three", {{3, SuitRun(0, 12, 1)}, {4, SuitRun(1, 12, 2)}}, CardOf(0, 1), 4, false},
        {"a corner's Two onto the centre's Ace", {{3, SuitRun(0, 12, 1)}, {2, {CardOf(1, 0)}}}, CardOf(0, 1), 2, true},
        {"the centre's King onto an empty corner", {{2, SuitRun(0, 0, 12)}}, CardOf(0, 12), 5, false},
        {"the centre's King onto an empty sail", {{2, SuitRun(0, 0, 12)}}, CardOf(0, 12), 7, false},
        {"a waste King onto an empty corner", {{1, {CardOf(0, 12)}}}, CardOf(0, 12), 5, true},
        {"the waste's card onto an empty sail", {{1, {CardOf(0, 4)}}}, CardOf(0, 4), 7, true},
        {"a sail's card onto an empty sail", {{8, {CardOf(0, 4)}}}, CardOf(0, 4), 7, false},
        {"a corner's card onto an empty sail", {{3, {CardOf(0, 12)}}}, CardOf(0, 12), 7, false},
        {"a waste card onto a filled sail", {{7, {CardOf(0, 5)}}, {1, {CardOf(1, 4)}}}, CardOf(1, 4), 7, false},
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
    const std::vector<int> reserve = SuitRun(1, 0, 10);  // 11 cards, no Queen
    const std::vector<int> reserveTail = {CardOf(2, 0), CardOf(2, 1)};
    std::vector<int> all = reserve;
    all.insert(all.end(), reserveTail.begin(), reserveTail.end());
    const std::vector<int> stock = {CardOf(3, 0), CardOf(3, 1), CardOf(3, 2)};
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
        test::PileCards table = {{6, reserve}, {7, {king}}};
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
    Press(g, queen, Button::Right);
    EXPECT_EQ(CardsOf(t, 2), std::vector<int>{queen});
    EXPECT_EQ(t.PileAt(0).Count, 0);
    UndoMove(g);
    EXPECT_EQ(CardsOf(t, 1), std::vector<int>{queen});
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
    Press(g, CardsOf(t, 0).back());
    for (int p = 5; p <= 12; ++p) EXPECT_EQ(t.PileAt(p).Count, 6);
    EXPECT_EQ(view.Count("snapshot"), 1);
    EXPECT_EQ(view.Count("work.wav"), 1);
    Press(g, CardsOf(t, 0).back());
    for (int p = 5; p <= 12; ++p) EXPECT_EQ(t.PileAt(p).Count, p <= 8 ? 7 : 6);
    EXPECT_EQ(t.PileAt(0).Count, 0);
    EXPECT_FALSE(PressEmptyStock(g));
    EXPECT_EQ(t.PileAt(0).Count, 0);
}

TEST(WinTests, KingsCorners)
{
    // Kings Corners: 0 stock, 1 waste, 2..5 foundations, 6..21 cells.
    Game k;
    SetUpAndDeal(k, games::KingsCorners, 1);
    const test::PileCards courts = {{2, SuitRun(0, 0, 4)}, {6, {CardOf(0, 12)}}, {9, {CardOf(1, 11)}},
                                    {14, {CardOf(2, 10)}}, {20, {CardOf(3, 12)}}, {21, {CardOf(1, 10)}}};
    Arrange(k.T, courts);
    EXPECT_TRUE(IsWon(k.T)) << "five court cards, foundations stopped anywhere";
    test::PileCards more = courts;
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
    Arrange(t, {{2, {CardOf(0, 0)}}, {12, {CardOf(0, 1)}}, {1, {waste}}, {0, stock}, {10, {CardOf(3, 3)}},
                {11, {CardOf(3, 4)}}, {13, {CardOf(3, 5)}}},
            stock);
    Rebase(g);
    const TableState before = t;
    view.Events.clear();
    Drag(g, CardOf(0, 1), 2);
    EXPECT_EQ(CardsOf(t, 12), (std::vector<int>{waste, stock[9], stock[8]}));
    EXPECT_EQ(t.PileAt(0).Count, 8);
    EXPECT_EQ(t.PileAt(1).Count, 0);
    EXPECT_EQ(view.Count("snapshot"), 1);
    UndoMove(g);
    EXPECT_EQ(t.Cards, before.Cards);
    EXPECT_EQ(t.Piles, before.Piles);

    // Nothing to refill with: the corner stays empty and takes any card.
    Arrange(t, {{2, {CardOf(0, 0)}}, {12, {CardOf(0, 1)}}, {10, {CardOf(3, 3)}}, {11, {CardOf(3, 4)}},
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
        while (t.PileAt(0).Count > 0) Press(g, CardsOf(t, 0).back());
        EXPECT_EQ(PressEmptyStock(g), pass < 4) << pass;
    }
    EXPECT_EQ(t.Rules.StockPass, 4);
}

}  // namespace
}  // namespace quillo
