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

// A dealt game whose view records what it is told, bound as [view, g, t].
struct Dealing {
    RecordingView view;
    Game g{ view };
    TableState& t = g.T;
    Dealing(int game, uint32_t deal) { SetUpAndDeal(g, game, deal); }
};

// Klondike: a turn of the stock gives the waste back face down for the next
// pass, in the order of the first; Undo takes the turn back. Passes end
// where the redeals do, or never.
TEST(Stock, TurnsUndoAndPassLimits)
{
    auto&& [view, g, t] = Dealing(games::Klondike, 99);
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
        EXPECT_TRUE(SameCardsAndPiles(t, beforeTurn) && t.Rules.StockPass == 1);
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
    auto&& [view, g, t] = Dealing(games::Klondike, 1);
    t.Rules.GetDeckCardNum = 3;
    Lay(t, "0: ~4C ~5S");
    Left(g, C("5S"));
    EXPECT_EQ(CardsOf(t, 1), Cards("5S 4C"));
    EXPECT_TRUE(t.CardAt(C("4C")).FaceUp);
}

// Royal Marriage: 0 stock, 1..30 tableau, 31 discards. A stock that deals
// into an empty pile does nothing while none is empty.
TEST(Stock, OneIntoEmptyWithNoEmptyPileDoesNothing)
{
    auto&& [view, g, t] = Dealing(games::RoyalMarriage, 12);
    PileCards piles;
    for (int p = 1; p <= 30; ++p)
        piles.push_back({ p, { p - 1 } });
    std::vector<int> stock;
    for (int c = 30; c < 52; ++c)
        stock.push_back(c);
    piles.push_back({ 0, stock });
    Arrange(t, piles, stock);
    t.PlayedPending = false;
    const TableState before = t;
    view.Events.clear();
    Left(g, TopCard(t, 0));
    EXPECT_EQ(t.Cards, before.Cards);
    EXPECT_TRUE(view.Events.empty());
}

// Klondike: 0 stock, 1 waste, 2..5 foundations, 6..12 tableau.
TEST(Moves, AcceptedAndRefusedDrops)
{
    auto&& [view, g, t] = Dealing(games::Klondike, 5);
    Lay(t, "6: 9H; 7: KS 8C 7D; 1: AS");
    Rebase(g);
    view.Events.clear();
    Left(g, C("8C"));
    ASSERT_EQ(std::pair(t.Dragging, t.PickedCount), std::pair(true, 2));
    DropOn(g, 8); // an empty pile takes only a King: back it goes
    EXPECT_EQ(CardsOf(t, 7), Cards("KS 8C 7D"));
    EXPECT_EQ(t.CardAt(C("7D")).Y - t.CardAt(C("8C")).Y, t.PileAt(7).FanY) << "spread again by the face-up step";
    EXPECT_EQ(view.Count("snapshot"), 0);
    Drag(g, C("8C"), 6);
    EXPECT_EQ(CardsOf(t, 6), Cards("9H 8C 7D"));
    EXPECT_EQ(t.CardAt(C("7D")).Y, t.PileAt(6).Y + 2 * t.PileAt(6).FanY);
    EXPECT_EQ(std::tuple(t.Dragging, t.ActiveCard, view.Count("snapshot")), std::tuple(false, -1, 1));
    // A right press sends the Ace home; one on a card no foundation takes
    // moves nothing and records nothing.
    Right(g, C("AS"));
    EXPECT_EQ(CardsOf(t, 2), Cards("AS"));
    Right(g, C("7D"));
    EXPECT_EQ(view.Count("snapshot"), 2);
}

// Autoplay turns up the card a move uncovers, and finishes a solved game
// and wins at once.
TEST(Autoplay, FinishesAndTurnsUp)
{
    for (const bool autoplay : { true, false }) {
        auto&& [view, g, t] = Dealing(games::Klondike, 3);
        t.Opt.Autoplay = autoplay;
        Lay(t, "6: ~4S AH");
        Right(g, C("AH"));
        EXPECT_EQ(t.CardAt(C("4S")).FaceUp, autoplay);
        Lay(t, "2: AC-JC; 3: AS-JS; 4: AH-JH; 5: AD-JD; 6: KC QH; 7: KH; 8: KD QS; 9: KS QD; 1: QC");
        Rebase(g);
        Drag(g, C("QC"), 7);
        EXPECT_EQ(g.GameWon, autoplay);
        EXPECT_EQ(view.Count("win"), autoplay ? 1 : 0);
        EXPECT_EQ(g.Undo.Count(), 2) << "the finishing moves add no snapshot";
        EXPECT_EQ(Counts(t, 2, 5), std::vector<int>(4, autoplay ? 13 : 11));
        EXPECT_TRUE(!autoplay || view.Events.back() == "win");
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
        auto&& [view, g, t] = Dealing(row.Game, 1);
        Lay(t, row.Table);
        EXPECT_EQ(IsWon(t), row.Won) << row.Table;
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
        auto&& [view, g, t] = Dealing(games::MonteCarlo, 3);
        Arrange(t, { { row.A, Cards("7C") }, { row.B, Cards("7H") }, { 10, Cards("3S") } });
        Rebase(g);
        Left(g, C("7C"));
        EXPECT_EQ(t.MarkedCard, C("7C"));
        Left(g, C("7H"));
        EXPECT_EQ(t.PileAt(row.A).Count + t.PileAt(row.B).Count, row.Removed ? 0 : 2) << row.A << ' ' << row.B;
        EXPECT_EQ(t.MarkedCard, row.Removed ? -1 : C("7H")) << "a failed pair marks the second card";
        EXPECT_EQ(std::pair(view.Count("snapshot"), view.Fades), std::pair(int(row.Removed), int(row.Removed)));
    }
}

TEST(MonteCarlo, DealButtonClosesGapsAndRefills)
{
    auto&& [view, g, t] = Dealing(games::MonteCarlo, 3);
    Lay(t, "1: 7C; 2: 7H; 3: 3S; 0: 2D 3D");
    Left(g, C("7C"));
    Left(g, C("7H"));
    DealButton(g);
    EXPECT_EQ((std::vector{ CardsOf(t, 1), CardsOf(t, 2), CardsOf(t, 3) }),
        (std::vector{ Cards("3S"), Cards("3D"), Cards("2D") }));
    EXPECT_EQ(t.CardAt(C("3S")).X, t.PileAt(1).X);
}

// Royal Marriage (0 stock, 1..30 tableau): a pair between two matching cards
// goes, the row closes up, one snapshot; the ends of the row never go. A
// single card between matching neighbours goes alone.
TEST(RoyalMarriage, PairsAndSinglesBetweenMatchingNeighbours)
{
    auto&& [view, g, t] = Dealing(games::RoyalMarriage, 4);
    Lay(t, "1: QS; 2: 5C; 3: TH; 4: 2D; 5: 5D; 6: KS");
    Rebase(g);
    view.Events.clear();
    Left(g, C("TH")); // alone it lies between a 5 of clubs and a 2 of diamonds: marked
    EXPECT_EQ(t.MarkedCard, C("TH"));
    Left(g, C("2D")); // the pair lies between two Fives
    EXPECT_EQ((std::vector{ CardsOf(t, 3), CardsOf(t, 4) }), (std::vector{ Cards("5D"), Cards("KS") }));
    EXPECT_EQ(t.PileAt(5).Count + t.PileAt(6).Count, 0);
    EXPECT_EQ(t.CardAt(C("KS")).X, t.PileAt(4).X);
    EXPECT_EQ(std::pair(t.MarkedCard, view.Count("snapshot")), std::pair(-1, 1));
    // The first pile never goes, not even in a pair.
    Left(g, C("5C"));
    Left(g, C("QS"));
    EXPECT_EQ(std::pair(t.CardAt(C("QS")).InPlay, t.MarkedCard), std::pair(true, C("QS")));
    Left(g, C("QS"));
    EXPECT_EQ(t.MarkedCard, -1);
    // One Undo brings the pair back.
    UndoMove(g);
    EXPECT_EQ((std::vector{ CardsOf(t, 3), CardsOf(t, 6) }), (std::vector{ Cards("TH"), Cards("KS") }));
    Lay(t, "1: QS; 2: 5C; 3: 3S; 4: 3H");
    view.Events.clear();
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
        auto&& [view, g, t] = Dealing(games::FreeCell, 10);
        Lay(t, std::string("2: AC; 3: 2C; 9: TD; 10: KC; 11: KS; 12: KH; 13: KD; 14: QC; 15: QS; 8: ") + run);
        Rebase(g);
        view.Events.clear();
        Left(g, C("9C"));
        EXPECT_EQ(t.MarkedCard, C("9C"));
        Left(g, C("TD"));
        if (Cards(run).size() == 3) {
            EXPECT_EQ(CardsOf(t, 9), Cards(std::string("TD ") + run));
            EXPECT_EQ(std::tuple(t.PileAt(0).Count + t.PileAt(1).Count, view.Count("snapshot"), view.Moves),
                std::tuple(0, 1, 5))
                << "the cells are free again; two parked, one placed, two fetched";
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
        auto&& [view, g, t] = Dealing(games::FreeCell, 10);
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
    auto&& [view, g, t] = Dealing(games::FreeCell, 10);
    Lay(t, "0: 2S; 8: 4C 8H");
    Right(g, C("8H"));
    EXPECT_EQ(CardsOf(t, 1), Cards("8H")) << "the first empty cell";
    Right(g, C("4C"));
    EXPECT_EQ(CardsOf(t, 2), Cards("4C"));
}

// Aribert: 0..11 tableau, 12 stock, 13 foundation. Piles closed by a face-up
// Ace above their bottom card get no cards from the stock.
TEST(Aribert, ClosedPilesGetNoCardsFromTheStock)
{
    auto&& [view, g, t] = Dealing(games::Aribert, 21);
    t.Opt.Sound = true;
    const std::string stock = "12: ~AH'-KH' ~AD'-7D'";
    Lay(t, "0: AC; 1: 6S AS; 3: 4D; 4: 5D; 5: 6D; 6: 7D; 7: 8D; 8: 9D; 9: TD; 10: JD; 11: QD; " + stock);
    Rebase(g);
    view.Events.clear();
    Left(g, TopCard(t, 12));
    EXPECT_EQ(Counts(t, 0, 12), (std::vector<int>{ 1, 2, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 10 }))
        << "an empty pile gets a card in the round";
    EXPECT_EQ(std::pair(view.Count("stock.wav"), view.Count("snapshot")), std::pair(1, 1));
    // Without an Ace above the bottom, the empty piles are filled first, alone.
    Lay(t, "0: AC; 3: 4D; " + stock);
    view.Events.clear();
    Left(g, TopCard(t, 12));
    EXPECT_EQ(Counts(t, 0, 11), std::vector<int>(12, 1));
    EXPECT_EQ(std::pair(view.Count("work.wav"), view.Count("stock.wav")), std::pair(1, 0));
}

// Napoleon's Tomb: each pass through the stock serves one waste pile fewer.
TEST(NapoleonsTomb, AfterFourPassesOneWastePile)
{
    auto&& [view, g, t] = Dealing(games::NapoleonsTomb, 17);
    for (int pass = 0; pass < 4; ++pass) {
        while (t.PileAt(0).Count > 0)
            Left(g, TopCard(t, 0));
        LeftPile(g, 0);
    }
    EXPECT_EQ(std::pair(t.Rules.ActiveWastes, t.Rules.StockPass), std::pair(1, 5));
    Left(g, TopCard(t, 0));
    EXPECT_EQ(Counts(t, 1, 5), (std::vector<int>{ 1, 0, 0, 0, 0 }));
    // Undo of a turn of the stock brings back the waste piles it served.
    UndoMove(g);
    UndoMove(g);
    EXPECT_EQ(std::pair(t.Rules.ActiveWastes, t.Rules.StockPass), std::pair(2, 4));
}

TEST(Braid, ARefusedMovePutsOneCardBackLeaning)
{
    auto&& [view, g, t] = Dealing(games::Braid, 6);
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
                auto&& [view, g, t] = Dealing(game, deal);
                if (p >= t.Rules.PileCount) break;
                const int card = PickAnyTop(g);
                ASSERT_NE(card, -1) << game;
                const int source = t.CardAt(card).PileIndex;
                const Offset at = DropPoint(t, p);
                DragTo(g, at.X + t.GripX + nudge, at.Y + t.GripY + nudge / 2);
                const TableState before = t;
                const int shown = ReleaseTarget(t);
                EXPECT_TRUE(SameCardsAndPiles(before, t) && before.DropPile == t.DropPile) << "asking moves nothing";
                FieldRelease(g);
                EXPECT_EQ(shown == -1 ? source : shown, t.CardAt(card).PileIndex)
                    << "game " << game << " pile " << p << " nudge " << nudge;
                EXPECT_EQ(ReleaseTarget(t), -1) << "nothing is shown once the group is down";
                landed += shown != -1 ? 1 : 0;
            }
        }
        EXPECT_GT(landed, 0) << "game " << game << ": some pile takes the group";
    }
}

}  // namespace
}  // namespace quillo
