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

// A dealt game whose view records what it is told, bound as [view, g, t].
struct Dealing {
    RecordingView view;
    Game g{ view };
    TableState& t = g.T;
    Dealing(int game, uint32_t deal) { SetUpAndDeal(g, game, deal); }
};

TEST(CrossGames, DealtPiles)
{
    ExpectDealt({
        {games::Star, {1, 1, 1, 1, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}},
        {games::Braid, {71, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 20, 0}},
        {games::FourSeasons, {46, 0, 1, 0, 0, 0, 1, 1, 1, 1, 1}},
        {games::ShiftedCross, {28, 0, 0, 0, 0, 0, 0, 6, 6, 6, 6}},
        {games::FirstAndLast, {5, 5, 5, 5, 5, 5, 5, 5, 1, 0, 0, 0, 0, 0, 0, 0, 63, 0}},
        {games::WindMill, {95, 0, 1, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::Sultan, {87, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::WomensKingdom, {34, 0, 0, 0, 0, 0, 13, 1, 1, 1, 1, 1}},
        {games::KingsCorners, {36, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::Octagon, {76, 0, 1, 1, 1, 1, 1, 1, 1, 1, 5, 5, 5, 5}},
    });
}

TEST(CrossGames, DealtBaseCards)
{
    for (const uint32_t number : { 1u, 2u, 3u }) {
        {
            // Sun and Star: an Ace of each suit on the foundations; only a
            // ray's top card moves.
            Game g;
            for (const int game : { games::Star, games::Sun }) {
                SetUpAndDeal(g, game, number);
                std::vector<int> aces;
                for (int f = 0; f < 4; ++f)
                    aces.push_back(CardsOf(g.T, f)[0]);
                std::sort(aces.begin(), aces.end());
                EXPECT_EQ(aces, Cards("AC AS AH AD")) << game;
            }
            const auto ray = CardsOf(g.T, 9);
            EXPECT_EQ(PickRule(g.T, ray[2]), PickAction::Nothing);
            EXPECT_EQ(PickRule(g.T, ray[3]), PickAction::PickUp);
        }
        // First and Last: the rank below the start at the bottom of every
        // pile, none of it in the stock.
        auto&& [view, g, t] = Dealing(games::FirstAndLast, number);
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
        // Sultan: the fixed Kings, the Ace and the Sultan; no starting rank.
        SetUpAndDeal(g, games::Sultan, number);
        const int fixed[] = { 12, 64, 25, 77, 51, 103, 90, 26, 38 };
        for (int p = 2; p <= 10; ++p)
            EXPECT_EQ(CardsOf(t, p), std::vector<int>{ fixed[p - 2] });
        EXPECT_EQ(t.Rules.StartRank, -1);
    }
}

TEST(CrossGames, Drops)
{
    using namespace games;
    const char* fullCentre = "2: AC-KC AS-KS AH-KH AD-KD; 1: AC'";
    ExpectDrops({
        {FourSeasons, "King on Ace", "6: AS; 7: KH", "KH", 6, true, 4},
        {FourSeasons, "7 on 8 of any suit", "6: 8S; 7: 7S", "7S", 6, true, 4},
        {FourSeasons, "7 on 6", "6: 6S; 7: 7D", "7D", 6, false, 4},
        {FourSeasons, "an empty foundation refuses a 6", "6: 6S", "6S", 3, false, 4},
        {FourSeasons, "a 5 of any suit", "6: 5C", "5C", 3, true, 4},
        {ShiftedCross, "one card to the hub", "7: 8H", "8H", 6, true},
        {ShiftedCross, "no run to the hub", "7: 8H 7S", "8H", 6, false},
        {ShiftedCross, "the hub is taken", "6: 3C; 7: 8H", "8H", 6, false},
        {ShiftedCross, "back from the hub", "6: 7C; 7: 8H", "7C", 7, true},
        {Sun, "one lower, same suit", "4: 8C; 5: 7C", "7C", 4, true},
        {Sun, "one higher, same suit", "4: 8C; 5: 9C", "9C", 4, true},
        {Sun, "one higher, other suit", "4: 8C; 5: 9S", "9S", 4, false},
        {Sun, "an Ace on its King", "4: KC; 5: AC", "AC", 4, true},
        {FirstAndLast, "King to a space", "17: KC", "KC", 0, false},
        {Sultan, "an Ace of its suit onto the Sultan", "10: KH; 1: AH'", "AH'", 10, false},
        {Sultan, "waste card to an empty divan place", "1: 5C", "5C", 11, true},
        {Sultan, "divan card to another empty place", "12: 5C", "5C", 11, true},
        {Sultan, "a second card onto a divan place", "11: 6S; 1: 5C", "5C", 11, false},
        {Sultan, "a Queen on the Ace foundation's Jack", "9: AH-JH; 1: QH", "QH", 9, true},
        {KingsCorners, "waste card to an empty cell", "1: 5C", "5C", 6, true},
        {KingsCorners, "another cell's card to an empty cell", "7: 5C", "5C", 6, false},
        {KingsCorners, "waste card onto a filled cell", "6: 6S; 1: 5C", "5C", 6, false},
        // Crescent: 0..3 Ace foundations, 4..7 King foundations, 8..23 tableau.
        {Crescent, "King foundation takes its Queen", "4: KC; 8: QC", "QC", 4, true},
        {Crescent, "King foundation refuses another Queen", "4: KC; 8: QS", "QS", 4, false},
        {Crescent, "Ace foundation takes its 2", "0: AC; 8: 2C", "2C", 0, true},
        {Crescent, "Ace on its King", "8: KS; 9: AS", "AS", 8, true},
        {Crescent, "King on its Ace", "8: AS; 9: KS", "KS", 8, true},
        {Crescent, "empty pile refuses", "9: KS", "KS", 8, false},
        {Crescent, "full Ace foundation refuses the other Ace", "0: AC-KC; 8: AC'", "AC'", 0, false},
        {Crescent, "full King foundation refuses the other King", "4: KC-AC; 8: KC'", "KC'", 4, false},
        // WindMill: 0 stock, 1 waste, 2 centre, 3..6 corners, 7..14 sails.
        {WindMill, "the 52nd card", "2: AC-KC AS-KS AH-KH AD-QD; 1: KD'", "KD'", 2, true},
        {WindMill, "a full centre", fullCentre, "AC'", 2, false},
        {WindMill, "a corner down to its Ace refuses a King", "2: AS-KS; 3: KC'-AC'; 1: KD'", "KD'", 3, false},
        {WindMill, "a corner's Ace onto the centre's King", "2: AS-KS; 3: KC'-AC'", "AC'", 2, true},
        {WindMill, "a corner whose Ace went takes an Ace again", "3: KC'-2C'; 1: AH", "AH", 3, true},
        {WindMill, "a corner's Two onto another corner's Three", "3: KC-2C; 4: KS-3S", "2C", 4, false},
        {WindMill, "a corner's Two onto the centre's Ace", "3: KC-2C; 2: AS", "2C", 2, true},
        {WindMill, "the centre's King onto an empty corner", "2: AC-KC", "KC", 5, false},
        {WindMill, "the centre's King onto an empty sail", "2: AC-KC", "KC", 7, false},
        {WindMill, "a waste King onto an empty corner", "1: KC", "KC", 5, true},
        {WindMill, "the waste's card onto an empty sail", "1: 5C", "5C", 7, true},
        {WindMill, "a sail's card onto an empty sail", "8: 5C", "5C", 7, false},
        {WindMill, "a corner's card onto an empty sail", "3: KC", "KC", 7, false},
        {WindMill, "a waste card onto a filled sail", "7: 6C; 1: 5S", "5S", 7, false},
    });
    // A right press sends nothing to a full centre either.
    auto&& [view, g, t] = Dealing(WindMill, 16);
    Lay(t, fullCentre);
    Right(g, C("AC'"));
    EXPECT_EQ(CardsOf(t, 1), Cards("AC'"));
}

// First and Last: 0..7 tableau, 8..15 foundations, 16 stock, 17 waste. A
// foundation one short calls its last card home after a move, one foundation
// per move; a cancelled drag is a move too.
TEST(FirstAndLast, AFoundationOneShortCallsItsLastCardHome)
{
    auto&& [view, g, t] = Dealing(games::FirstAndLast, 1);
    t.Rules.StartRank = RankAce;
    t.Opt.Autoplay = false; // finishing by itself would serve the foundations too
    Lay(t, "9: AC-QC; 1: KS 5H; 2: 6C");
    Rebase(g);
    view.Events.clear();
    Drag(g, C("5H"), 2);
    EXPECT_EQ(std::tuple(CardsOf(t, 9).back(), t.PileAt(1).Count, view.Count("snapshot")), std::tuple(C("KS"), 0, 1));
    UndoMove(g);
    EXPECT_EQ(CardsOf(t, 1), Cards("KS 5H"));

    Lay(t, "8: AC-JC; 11: AS-QS; 0: KH; 3: KD QH; 5: 6D");
    Rebase(g);
    Drag(g, C("QH"), 8);
    EXPECT_EQ(Counts(t, { 8, 0, 11 }), (std::vector<int>{ 13, 0, 12 })) << "foundation 11 waits for the next move";
    Left(g, C("6D"));
    FieldRelease(g);
    EXPECT_EQ(Counts(t, { 11, 3 }), (std::vector<int>{ 13, 0 }));
}

// Women's Kingdom: 0 stock, 1 waste, 2..5 foundations, 6 reserve, 7..11
// tableau. A Queen from the reserve sends five reserve cards under the stock.
TEST(WomensKingdom, AQueenSendsFiveReserveCardsUnderTheStock)
{
    auto&& [view, g, t] = Dealing(games::WomensKingdom, 1);
    Lay(t, "6: AS-JS AH 2H; 0: ~AD ~2D ~3D; 1: QC");
    Rebase(g);
    const TableState before = t;
    view.Events.clear();
    Drag(g, C("QC"), 2);
    EXPECT_EQ(CardsOf(t, 0), Cards("AS 2S 3S 4S 5S AD 2D 3D")) << "old order kept";
    for (const int card : CardsOf(t, 0))
        EXPECT_FALSE(t.CardAt(card).FaceUp);
    EXPECT_EQ(std::pair(t.PileAt(6).Count, view.Count("snapshot")), std::pair(8, 1));
    UndoMove(g);
    EXPECT_TRUE(SameCardsAndPiles(t, before)) << "one Undo takes back the Queen and the turned cards";
}

TEST(WomensKingdom, WhichQueenMovesTurnTheReserve)
{
    auto&& [view, g, t] = Dealing(games::WomensKingdom, 1);
    const struct {
        const char* Table;
        bool Turns;
    } rows[] = {
        {"6: AS-6S QC; 7: KH", true}, // from the reserve onto the tableau
        {"6: AS-6S; 7: KH; 1: QC", false}, // from the waste
        {"6: AS-6S; 7: KH; 8: QC", false}, // from another tableau pile
    };
    for (const auto& row : rows) {
        Lay(t, row.Table);
        Rebase(g);
        Drag(g, C("QC"), 7);
        EXPECT_EQ(CardsOf(t, 7).back(), C("QC")) << row.Table;
        EXPECT_EQ(t.PileAt(0).Count, row.Turns ? 5 : 0) << row.Table;
    }
    // With the reserve empty a Queen sent home turns nothing and Undo still
    // brings it back.
    Lay(t, "1: QC");
    Rebase(g);
    Right(g, C("QC"));
    EXPECT_EQ(Counts(t, 0, 2), (std::vector<int>{ 0, 0, 1 }));
    UndoMove(g);
    EXPECT_EQ(CardsOf(t, 1), Cards("QC"));
}

// Kings Corners: 0 stock, 1 waste, 2..5 foundations, 6..21 cells.
TEST(KingsCorners, WonWithOnlyCourtCardsLeft)
{
    auto&& [view, g, t] = Dealing(games::KingsCorners, 1);
    const std::string courts = "2: AC-5C; 6: KC; 9: QS; 14: JH; 20: KD; 21: JS";
    const std::pair<const char*, bool> rows[] = { { "", true }, { "; 1: KH", false }, { "; 7: TH", false } };
    for (const auto& [more, won] : rows) {
        Lay(t, courts + more);
        EXPECT_EQ(IsWon(t), won) << more;
    }
}

// Octagon: 0 stock, 1 waste, 2..9 foundations, 10..13 tableau.
TEST(Octagon, AnEmptyCornerTakesThreeCardsThroughTheWaste)
{
    auto&& [view, g, t] = Dealing(games::Octagon, 1);
    Lay(t, "2: AC; 12: 2C; 1: 8H; 0: ~AS'-TS'; 10: 4D; 11: 5D; 13: 6D");
    Rebase(g);
    const TableState before = t;
    view.Events.clear();
    Drag(g, C("2C"), 2);
    EXPECT_EQ(CardsOf(t, 12), Cards("8H TS' 9S'"));
    EXPECT_EQ(Counts(t, { 0, 1 }), (std::vector<int>{ 8, 0 }));
    EXPECT_EQ(view.Count("snapshot"), 1);
    UndoMove(g);
    EXPECT_TRUE(SameCardsAndPiles(t, before));
    // Nothing to refill with: the corner stays empty and takes any card.
    Lay(t, "2: AC; 12: 2C; 10: 4D; 11: 5D; 13: 6D");
    Rebase(g);
    t.Opt.Sound = true;
    view.Events.clear();
    Drag(g, C("2C"), 2);
    EXPECT_EQ(std::pair(t.PileAt(12).Count, view.Count("work.wav")), std::pair(0, 0)) << "nothing dealt, nothing heard";
    EXPECT_EQ(Ask(t, C("6D"), 12), 12);
}

// Crescent: the Deal button brings each pile's bottom card to its top, three
// times; Undo gives the redeal back.
TEST(Crescent, DealButtonBringsEachBottomCardToTheTop)
{
    auto&& [view, g, t] = Dealing(games::Crescent, 21);
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
}

// Osmosis: 0 stock, 1 waste, 2..5 foundations, 6..9 reserves.
TEST(Osmosis, ALowerFoundationFollowsTheRanksAboveIt)
{
    auto&& [view, g, t] = Dealing(games::Osmosis, 4);
    t.Rules.StartRank = 6;
    Lay(t, "2: 7H; 6: 2H; 7: 7S; 8: 7C");
    EXPECT_EQ(Ask(t, C("2H"), 2), 2) << "the first foundation takes any card of its suit";
    EXPECT_EQ(Ask(t, C("7S"), 3), 3);
    EXPECT_EQ(Ask(t, C("7C"), 4), -1) << "pile 3 has not started";
    Lay(t, "2: 7H; 3: 7S; 6: 9S; 7: 9H");
    EXPECT_EQ(Ask(t, C("9S"), 3), -1) << "no Nine above yet";
    Drag(g, C("9H"), 2);
    ASSERT_EQ(t.CardAt(C("9H")).PileIndex, 2);
    EXPECT_EQ(Ask(t, C("9S"), 3), 3);
}
} // namespace
} // namespace quillo
