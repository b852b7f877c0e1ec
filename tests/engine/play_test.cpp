// Moves, the stock, undo, the games' own actions, autoplay and the win,
// driven through presses and releases as the mouse drives them.

#include <gtest/gtest.h>

#include "engine/autoplay.h"
#include "engine/labels.h"
#include "engine/legality.h"
#include "engine/pointer.h"
#include "engine/special.h"
#include "test_support.h"

namespace quillo {
namespace {

using namespace test;

// Klondike: a turn of the stock gives the waste back face down for the next
// pass, in the order of the first; Undo takes the turn back. Passes end
// where the redeals do, or never.
TEST(Stock, TurnsUndoAndPassLimits)
{
    Game g;
    SetUpAndDeal(g, games::Klondike, 99);
    TableState& t = g.T;
    t.Rules.StockRedeals = 3;
    const std::vector<int> firstPass = CardsOf(t, 0);
    std::vector<std::string> labels;
    for (int pass = 0; pass < 3; ++pass) {
        labels.push_back(*RedealsLeftLabelText(t));
        while (t.PileAt(0).Count > 0)
            Left(g, TopCard(t, 0));
        const TableState beforeTurn = t;
        LeftPile(g, 0);
        if (pass > 0) continue;
        EXPECT_EQ(CardsOf(t, 0), firstPass);
        for (const int c : CardsOf(t, 0))
            EXPECT_FALSE(t.CardAt(c).FaceUp);
        UndoMove(g);
        EXPECT_TRUE(SameCardsAndPiles(t, beforeTurn));
        EXPECT_EQ(t.Rules.StockPass, 1);
        LeftPile(g, 0);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{ "Redeals Left: 2", "Redeals Left: 1", "Redeals Left: 0" }));
    EXPECT_EQ(t.Rules.StockPass, 3);
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 0  Waste: 24") << "no pass left: the press is ignored";
    t.Rules.StockRedeals = StockUnlimited;
    for (int k = 0; k < 5; ++k) {
        LeftPile(g, 0);
        while (t.PileAt(0).Count > 0)
            Left(g, TopCard(t, 0));
    }
    EXPECT_EQ(t.Rules.StockPass, 8);
}

TEST(Stock, ThreeAtATimeWithTwoLeftDealsTwo)
{
    Game g;
    SetUpAndDeal(g, games::Klondike, 1);
    g.T.Rules.GetDeckCardNum = 3;
    Lay(g.T, "0: ~4C ~5S");
    Left(g, C("5S"));
    EXPECT_EQ(CardsOf(g.T, 1), Cards("5S 4C"));
    EXPECT_TRUE(g.T.CardAt(C("4C")).FaceUp);
}

// Royal Marriage: 0 stock, 1..30 tableau, 31 discards. A stock that deals
// into an empty pile does nothing while none is empty.
TEST(Stock, OneIntoEmptyWithNoEmptyPileDoesNothing)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::RoyalMarriage, 12);
    PileCards piles;
    for (int p = 1; p <= 30; ++p)
        piles.push_back({ p, { p - 1 } });
    std::vector<int> stock;
    for (int c = 30; c < 52; ++c)
        stock.push_back(c);
    piles.push_back({ 0, stock });
    Arrange(g.T, piles, stock);
    g.T.PlayedPending = false;
    const TableState before = g.T;
    view.Events.clear();
    Left(g, TopCard(g.T, 0));
    EXPECT_EQ(g.T.Cards, before.Cards);
    EXPECT_TRUE(view.Events.empty());
}

// Klondike: 0 stock, 1 waste, 2..5 foundations, 6..12 tableau.
TEST(Moves, AcceptedAndRefusedDrops)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::Klondike, 5);
    TableState& t = g.T;
    Lay(t, "6: 9H; 7: KS 8C 7D; 1: AS");
    Rebase(g);
    view.Events.clear();
    Left(g, C("8C"));
    ASSERT_TRUE(t.Dragging);
    EXPECT_EQ(t.PickedCount, 2);
    DropOn(g, 8); // an empty pile takes only a King: back it goes
    EXPECT_EQ(CardsOf(t, 7), Cards("KS 8C 7D"));
    EXPECT_EQ(t.CardAt(C("7D")).Y - t.CardAt(C("8C")).Y, t.PileAt(7).FanY) << "spread again by the face-up step";
    EXPECT_EQ(view.Count("snapshot"), 0);
    Drag(g, C("8C"), 6);
    EXPECT_EQ(CardsOf(t, 6), Cards("9H 8C 7D"));
    EXPECT_EQ(t.CardAt(C("7D")).Y, t.PileAt(6).Y + 2 * t.PileAt(6).FanY);
    EXPECT_FALSE(t.Dragging);
    EXPECT_EQ(t.ActiveCard, -1);
    EXPECT_EQ(view.Count("snapshot"), 1);
    // A right press sends the Ace home; one on a card no foundation takes
    // moves nothing and records nothing.
    Right(g, C("AS"));
    EXPECT_EQ(CardsOf(t, 2), Cards("AS"));
    Right(g, C("7D"));
    EXPECT_EQ(view.Count("snapshot"), 2);
}

TEST(Autoplay, FinishesASolvedKlondikeAndWinsAtOnce)
{
    for (const bool autoplay : { true, false }) {
        RecordingView view;
        Game g(view);
        SetUpAndDeal(g, games::Klondike, 3);
        TableState& t = g.T;
        t.Opt.Autoplay = autoplay;
        Lay(t, "2: AC-JC; 3: AS-JS; 4: AH-JH; 5: AD-JD; 6: KC QH; 7: KH; 8: KD QS; 9: KS QD; 1: QC");
        Rebase(g);
        Drag(g, C("QC"), 7);
        EXPECT_EQ(g.GameWon, autoplay);
        EXPECT_EQ(view.Count("win"), autoplay ? 1 : 0);
        EXPECT_EQ(g.Undo.Count(), 2) << "the finishing moves add no snapshot";
        for (int p = 2; p <= 5; ++p)
            EXPECT_EQ(t.PileAt(p).Count, autoplay ? 13 : 11);
        if (autoplay) {
            EXPECT_EQ(view.Events.back(), "win");
        }
    }
}

TEST(Autoplay, TurnsUpCardsAfterAMove)
{
    for (const bool autoplay : { true, false }) {
        Game g;
        SetUpAndDeal(g, games::Klondike, 3);
        g.T.Opt.Autoplay = autoplay;
        Lay(g.T, "6: ~4S AH");
        Right(g, C("AH"));
        EXPECT_EQ(g.T.CardAt(C("4S")).FaceUp, autoplay);
    }
}

// Scorpion (0..6 tableau, 7 stock): four Kings each leading its suit.
// Royal Marriage: won with only the Queen and King of spades left, whatever
// the stock holds.
TEST(WinTests, OwnTests)
{
    const struct {
        int Game;
        const char* Table;
        bool Won;
    } rows[] = {
        { games::Scorpion, "0: KC-AC; 2: KS-AS; 3: KH-AH; 6: KD-AD", true },
        { games::Scorpion, "0: KC-AC; 2: KS-AS; 3: KH-AH; 6: KD-9D 7D 8D 6D-AD", false },
        { games::Scorpion, "0: KC-AC; 2: KS-AS; 3: ~KH QH-AH; 6: KD-AD", false },
        { games::RoyalMarriage, "1: QS; 2: KS; 0: 5C", true },
        { games::RoyalMarriage, "1: QS; 2: 5C; 3: KS", false },
    };
    for (const auto& row : rows) {
        Game g;
        SetUpAndDeal(g, row.Game, 1);
        Lay(g.T, row.Table);
        EXPECT_EQ(IsWon(g.T), row.Won) << row.Table;
    }
}

// Monte Carlo piles: 0 stock, 1..25 tableau five to a row, 26 discards.
TEST(MonteCarlo, NeighboursByPileNumber)
{
    const struct {
        int A, B;
        bool Removed;
    } rows[] = { { 5, 6, true }, { 1, 5, true }, { 1, 6, true }, { 1, 7, true }, { 1, 3, false }, { 7, 1, true },
        { 1, 8, false } };
    for (const auto& row : rows) {
        RecordingView view;
        Game g(view);
        SetUpAndDeal(g, games::MonteCarlo, 3);
        Arrange(g.T, { { row.A, Cards("7C") }, { row.B, Cards("7H") }, { 10, Cards("3S") } });
        Rebase(g);
        Left(g, C("7C"));
        EXPECT_EQ(g.T.MarkedCard, C("7C"));
        Left(g, C("7H"));
        EXPECT_EQ(g.T.PileAt(row.A).Count + g.T.PileAt(row.B).Count, row.Removed ? 0 : 2) << row.A << ' ' << row.B;
        EXPECT_EQ(g.T.MarkedCard, row.Removed ? -1 : C("7H")) << "a failed pair marks the second card";
        EXPECT_EQ(view.Count("snapshot"), row.Removed ? 1 : 0);
        EXPECT_EQ(view.Fades, row.Removed ? 1 : 0);
    }
}

TEST(MonteCarlo, DealButtonClosesGapsAndRefills)
{
    Game g;
    SetUpAndDeal(g, games::MonteCarlo, 3);
    TableState& t = g.T;
    Lay(t, "1: 7C; 2: 7H; 3: 3S; 0: 2D 3D");
    Left(g, C("7C"));
    Left(g, C("7H"));
    DealButton(g);
    EXPECT_EQ((std::vector{ CardsOf(t, 1), CardsOf(t, 2), CardsOf(t, 3) }),
        (std::vector{ Cards("3S"), Cards("3D"), Cards("2D") }));
    EXPECT_EQ(t.CardAt(C("3S")).X, t.PileAt(1).X);
}

// Royal Marriage (0 stock, 1..30 tableau): a pair between two matching cards
// goes, the row closes up, one snapshot; the ends of the row never go.
TEST(RoyalMarriage, PairRemovalClosesTheRowInOneSnapshot)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::RoyalMarriage, 4);
    TableState& t = g.T;
    Lay(t, "1: QS; 2: 5C; 3: TH; 4: 2D; 5: 5D; 6: KS");
    Rebase(g);
    view.Events.clear();
    Left(g, C("TH")); // alone it lies between a 5 of clubs and a 2 of diamonds: marked
    EXPECT_EQ(t.MarkedCard, C("TH"));
    Left(g, C("2D")); // the pair lies between two Fives
    EXPECT_EQ((std::vector{ CardsOf(t, 3), CardsOf(t, 4) }), (std::vector{ Cards("5D"), Cards("KS") }));
    EXPECT_EQ(t.PileAt(5).Count + t.PileAt(6).Count, 0);
    EXPECT_EQ(t.CardAt(C("KS")).X, t.PileAt(4).X);
    EXPECT_EQ(t.MarkedCard, -1);
    EXPECT_EQ(view.Count("snapshot"), 1);
    // The first pile never goes, not even in a pair.
    Left(g, C("5C"));
    Left(g, C("QS"));
    EXPECT_TRUE(t.CardAt(C("QS")).InPlay);
    EXPECT_EQ(t.MarkedCard, C("QS"));
    Left(g, C("QS"));
    EXPECT_EQ(t.MarkedCard, -1);
    // One Undo brings the pair back.
    UndoMove(g);
    EXPECT_EQ((std::vector{ CardsOf(t, 3), CardsOf(t, 6) }), (std::vector{ Cards("TH"), Cards("KS") }));
}

TEST(RoyalMarriage, ASingleCardBetweenMatchingNeighboursGoesAlone)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::RoyalMarriage, 4);
    TableState& t = g.T;
    Lay(t, "1: QS; 2: 5C; 3: 3S; 4: 3H");
    Left(g, C("5C")); // between two spades
    EXPECT_EQ(CardsOf(t, 2), Cards("3S"));
    EXPECT_EQ(view.Count("snapshot"), 1);
    Left(g, C("3H")); // the last card in play is no end of the row, but has no right neighbour
    EXPECT_TRUE(t.CardAt(C("3H")).InPlay);
}

// Free Cell: 0..3 cells, 4..7 foundations, 8..15 tableau. Two presses move
// a run through the empty cells as far as they allow.
TEST(FreeCell, RunsThroughTwoEmptyCells)
{
    for (const char* run : { "9C 8H 7S", "9C 8H 7S 6D" }) {
        RecordingView view;
        Game g(view);
        SetUpAndDeal(g, games::FreeCell, 10);
        TableState& t = g.T;
        Lay(t, std::string("2: AC; 3: 2C; 9: TD; 10: KC; 11: KS; 12: KH; 13: KD; 14: QC; 15: QS; 8: ") + run);
        Rebase(g);
        view.Events.clear();
        Left(g, C("9C"));
        EXPECT_EQ(t.MarkedCard, C("9C"));
        Left(g, C("TD"));
        if (Cards(run).size() == 3) {
            EXPECT_EQ(CardsOf(t, 9), Cards(std::string("TD ") + run));
            EXPECT_EQ(t.PileAt(0).Count + t.PileAt(1).Count, 0) << "the cells are free again";
            EXPECT_EQ(view.Count("snapshot"), 1);
            EXPECT_EQ(view.Moves, 5) << "two parked, one placed, two fetched";
        } else {
            EXPECT_EQ(CardsOf(t, 8), Cards(run));
            EXPECT_TRUE(t.Dragging) << "the press picks up the pressed card instead";
            FieldRelease(g);
            EXPECT_EQ(view.Count("snapshot"), 0);
        }
    }
}

TEST(FreeCell, RunToAnEmptyColumnTakesWhatTheFreePlacesAllow)
{
    for (const char* cells : { "3: 4C; ", "" }) {
        Game g;
        SetUpAndDeal(g, games::FreeCell, 10);
        TableState& t = g.T;
        Lay(t, std::string(cells) + "0: AC; 1: 2C; 2: 3C; 8: 9C 8H 7S; 10: KC; 11: KS; 12: KH; 13: KD; 14: QC; 15: QS");
        Left(g, C("9C"));
        LeftPile(g, 9);
        EXPECT_EQ(CardsOf(t, 8), Cards(*cells != 0 ? "9C 8H 7S" : "9C"));
        EXPECT_EQ(CardsOf(t, 9), Cards(*cells != 0 ? "" : "8H 7S"));
        EXPECT_EQ(t.MarkedCard, -1);
    }
}

TEST(FreeCell, RightPressParksInACell)
{
    Game g;
    SetUpAndDeal(g, games::FreeCell, 10);
    Lay(g.T, "0: 2S; 8: 4C 8H");
    Right(g, C("8H"));
    EXPECT_EQ(CardsOf(g.T, 1), Cards("8H")) << "the first empty cell";
    Right(g, C("4C"));
    EXPECT_EQ(CardsOf(g.T, 2), Cards("4C"));
}

// Aribert: 0..11 tableau, 12 stock, 13 foundation. Piles closed by a face-up
// Ace above their bottom card get no cards from the stock.
TEST(Aribert, ClosedPilesGetNoCardsFromTheStock)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::Aribert, 21);
    TableState& t = g.T;
    t.Opt.Sound = true;
    const std::string stock = "12: ~AH'-KH' ~AD'-7D'";
    Lay(t, "0: AC; 1: 6S AS; 3: 4D; 4: 5D; 5: 6D; 6: 7D; 7: 8D; 8: 9D; 9: TD; 10: JD; 11: QD; " + stock);
    Rebase(g);
    view.Events.clear();
    Left(g, TopCard(t, 12));
    EXPECT_EQ(Counts(t, 0, 12), (std::vector<int>{ 1, 2, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 10 }))
        << "an empty pile gets a card in the round";
    EXPECT_EQ(view.Count("stock.wav"), 1);
    EXPECT_EQ(view.Count("snapshot"), 1);
    // Without an Ace above the bottom, the empty piles are filled first, alone.
    Lay(t, "0: AC; 3: 4D; " + stock);
    view.Events.clear();
    Left(g, TopCard(t, 12));
    EXPECT_EQ(Counts(t, 0, 11), std::vector<int>(12, 1));
    EXPECT_EQ(view.Count("work.wav"), 1);
    EXPECT_EQ(view.Count("stock.wav"), 0);
}

// Napoleon's Tomb: each pass through the stock serves one waste pile fewer.
TEST(NapoleonsTomb, AfterFourPassesOneWastePile)
{
    Game g;
    SetUpAndDeal(g, games::NapoleonsTomb, 17);
    TableState& t = g.T;
    for (int pass = 0; pass < 4; ++pass) {
        while (t.PileAt(0).Count > 0)
            Left(g, TopCard(t, 0));
        LeftPile(g, 0);
    }
    EXPECT_EQ(t.Rules.ActiveWastes, 1);
    EXPECT_EQ(t.Rules.StockPass, 5);
    Left(g, TopCard(t, 0));
    EXPECT_EQ(Counts(t, 1, 5), (std::vector<int>{ 1, 0, 0, 0, 0 }));
    // Undo of a turn of the stock brings back the waste piles it served.
    UndoMove(g);
    UndoMove(g);
    EXPECT_EQ(t.Rules.StockPass, 4);
    EXPECT_EQ(t.Rules.ActiveWastes, 2);
}

TEST(Braid, ARefusedMovePutsOneCardBackLeaning)
{
    Game g;
    SetUpAndDeal(g, games::Braid, 6);
    TableState& t = g.T;
    const int top = TopCard(t, 21);
    const Card before = t.CardAt(top);
    Left(g, top);
    ASSERT_TRUE(t.Dragging);
    t.CardAt(top).X += 300;
    t.CardAt(top).Orientation = Upright;
    FieldRelease(g);
    EXPECT_EQ(t.CardAt(top), before);
}

// Picks up the first face-up top card a press lifts and some pile takes
// (else the first one lifted); -1 if none.
int PickAnyTop(Game& g)
{
    int lifted = -1;
    for (const bool needTarget : { true, false }) {
        for (int p = 0; p < g.T.Rules.PileCount; ++p) {
            const int c = TopCard(g.T, p);
            if (c == -1 || !g.T.CardAt(c).FaceUp) continue;
            Left(g, c);
            if (!g.T.Dragging) continue;
            if (lifted == -1) lifted = c;
            if (!needTarget || DropTargets(g.T) != 0) return c;
            FieldRelease(g);
        }
    }
    return -1;
}

// The pile shown as the drop target while dragging is the pile the release
// puts the group on, wherever the pointer stands: on a pile's drop point,
// inside and just outside the snap distance, and far from every pile.
TEST(DropOutline, NamesThePileTheReleaseMovesTheGroupTo)
{
    const std::pair<int, uint32_t> deals[] = { { games::Klondike, 8 }, { games::Klondike, 606 }, { games::Spider, 3 },
        { games::FreeCell, 10 }, { games::Yukon, 5 }, { games::Braid, 6 }, { games::Star, 2 },
        { games::NapoleonsTomb, 1 } };
    for (const auto& [game, deal] : deals) {
        int landed = 0;
        for (int p = 0; p < MaxPiles; ++p) {
            for (const int nudge : { 0, 25, 39, 41, 90 }) {
                Game g;
                SetUpAndDeal(g, game, deal);
                if (p >= g.T.Rules.PileCount) break;
                const int card = PickAnyTop(g);
                ASSERT_NE(card, -1) << game;
                const int source = g.T.CardAt(card).PileIndex;
                const Offset at = DropPoint(g.T, p);
                DragTo(g, at.X + g.T.GripX + nudge, at.Y + g.T.GripY + nudge / 2);
                const TableState before = g.T;
                const int shown = ReleaseTarget(g.T);
                EXPECT_TRUE(SameCardsAndPiles(before, g.T) && before.DropPile == g.T.DropPile) << "asking moves nothing";
                FieldRelease(g);
                EXPECT_EQ(shown == -1 ? source : shown, g.T.CardAt(card).PileIndex)
                    << "game " << game << " pile " << p << " nudge " << nudge;
                EXPECT_EQ(ReleaseTarget(g.T), -1) << "nothing is shown once the group is down";
                landed += shown != -1 ? 1 : 0;
            }
        }
        EXPECT_GT(landed, 0) << "game " << game << ": some pile takes the group";
    }
}

}  // namespace
}  // namespace quillo
