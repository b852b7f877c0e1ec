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

using test::Arrange;
using test::CardOf;
using test::CardsOf;
using test::DropOn;
using test::Left;
using test::LeftPile;
using test::RecordingView;
using test::Rebase;
using test::Right;
using test::SameCardsAndPiles;
using test::SetUpAndDeal;

TEST(Stock, TurnAndUndoGiveBackWasteAndPass)
{
    Game g;
    SetUpAndDeal(g, games::Klondike, 99);
    TableState& t = g.T;
    std::vector<int> firstPass;
    while (t.PileAt(0).Count > 0) {
        firstPass.push_back(TopCard(t, 0));
        Left(g, TopCard(t, 0));
    }
    const TableState beforeTurn = t;
    LeftPile(g, 0);
    EXPECT_EQ(t.Rules.StockPass, 2);
    EXPECT_EQ(t.PileAt(1).Count, 0);
    EXPECT_EQ(t.PileAt(0).Count, 24);
    for (const int c : CardsOf(t, 0)) EXPECT_FALSE(t.CardAt(c).FaceUp);
    // The next pass deals in the order of the first.
    Left(g, TopCard(t, 0));
    EXPECT_EQ(TopCard(t, 1), firstPass[0]);
    UndoMove(g);
    UndoMove(g);
    EXPECT_TRUE(SameCardsAndPiles(t, beforeTurn));
    EXPECT_EQ(t.Rules.StockPass, 1);
}

TEST(Stock, PassLimitsAndLabels)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::Klondike, 31);
    TableState& t = g.T;
    t.Rules.StockRedeals = 3;
    std::vector<std::string> labels;
    for (int pass = 0; pass < 3; ++pass) {
        labels.push_back(*RedealsLeftLabelText(t));
        while (t.PileAt(0).Count > 0) Left(g, TopCard(t, 0));
        LeftPile(g, 0);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"Redeals Left: 2", "Redeals Left: 1", "Redeals Left: 0"}));
    EXPECT_EQ(t.Rules.StockPass, 3);
    EXPECT_EQ(t.PileAt(1).Count, 24) << "no pass left: the press is ignored";
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 0  Waste: 24");

    t.Rules.StockRedeals = StockUnlimited;
    for (int k = 0; k < 5; ++k) {
        LeftPile(g, 0);
        while (t.PileAt(0).Count > 0) Left(g, TopCard(t, 0));
    }
    EXPECT_EQ(t.Rules.StockPass, 8);
}

TEST(Stock, ThreeAtATimeWithTwoLeftDealsTwo)
{
    Game g;
    SetUpAndDeal(g, games::Klondike, 1);
    g.T.Rules.GetDeckCardNum = 3;
    Arrange(g.T, {{0, {CardOf(0, 3), CardOf(1, 4)}}}, {CardOf(0, 3), CardOf(1, 4)});
    Left(g, CardOf(1, 4));
    EXPECT_EQ(CardsOf(g.T, 1), (std::vector<int>{CardOf(1, 4), CardOf(0, 3)}));
    EXPECT_TRUE(g.T.CardAt(CardOf(0, 3)).FaceUp);
}

TEST(Stock, OneIntoEmptyWithNoEmptyPileDoesNothing)
{
    // Royal Marriage: 0 stock, 1..30 tableau, 31 discards.
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::RoyalMarriage, 12);
    test::PileCards piles;
    for (int p = 1; p <= 30; ++p) piles.push_back({p, {p - 1}});
    std::vector<int> stock;
    for (int c = 30; c < 52; ++c) stock.push_back(c);
    piles.push_back({0, stock});
    Arrange(g.T, piles, stock);
    g.T.PlayedPending = false;
    const TableState before = g.T;
    view.Events.clear();
    Left(g, TopCard(g.T, 0));
    EXPECT_EQ(g.T.Cards, before.Cards);
    EXPECT_TRUE(view.Events.empty());
}

TEST(Moves, AcceptedAndRefusedDrops)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::Klondike, 5);
    TableState& t = g.T;
    const int red9 = CardOf(2, 8), black8 = CardOf(0, 7), red7 = CardOf(3, 6), ace = CardOf(1, 0);
    Arrange(t, {{6, {red9}}, {7, {CardOf(1, 12), black8, red7}}, {1, {ace}}});
    Rebase(g);
    view.Events.clear();
    Left(g, black8);
    ASSERT_TRUE(t.Dragging);
    EXPECT_EQ(t.PickedCount, 2);
    DropOn(g, 8);  // an empty pile takes only a King: back it goes
    EXPECT_EQ(CardsOf(t, 7), (std::vector<int>{CardOf(1, 12), black8, red7}));
    EXPECT_EQ(t.CardAt(red7).Y - t.CardAt(black8).Y, t.PileAt(7).FanY) << "spread again by the face-up step";
    EXPECT_EQ(view.Count("snapshot"), 0);
    Left(g, black8);
    DropOn(g, 6);
    EXPECT_EQ(CardsOf(t, 6), (std::vector<int>{red9, black8, red7}));
    EXPECT_EQ(t.CardAt(red7).Y, t.PileAt(6).Y + 2 * t.PileAt(6).FanY);
    EXPECT_EQ(t.PileAt(7).Count, 1);
    EXPECT_FALSE(t.Dragging);
    EXPECT_EQ(t.ActiveCard, -1);
    EXPECT_EQ(view.Count("snapshot"), 1);
    // A right press sends the Ace home.
    Right(g, ace);
    EXPECT_EQ(CardsOf(t, 2), (std::vector<int>{ace}));
    EXPECT_EQ(view.Count("snapshot"), 2);
    // A right press on a card no foundation takes moves nothing and records nothing.
    Right(g, red7);
    EXPECT_EQ(view.Count("snapshot"), 2);
}

TEST(Moves, FirstPressCountsTheGameOnce)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::Klondike, 8);
    LeftPile(g, 3);  // an empty foundation: nothing happens but the count
    Left(g, TopCard(g.T, 0));
    EXPECT_EQ(view.Count("played"), 1);
    EXPECT_FALSE(g.T.PlayedPending);
}

TEST(Autoplay, FinishesASolvedKlondikeAndWinsAtOnce)
{
    for (const bool autoplay : {true, false}) {
        RecordingView view;
        Game g(view);
        SetUpAndDeal(g, games::Klondike, 3);
        TableState& t = g.T;
        t.Opt.Autoplay = autoplay;
        std::vector<int> found[4];
        for (int s = 0; s < 4; ++s)
            for (int r = 0; r <= 10; ++r) found[s].push_back(CardOf(s, r));
        const int qClubs = CardOf(0, 11);
        Arrange(t, {{2, found[0]}, {3, found[1]}, {4, found[2]}, {5, found[3]},
                    {6, {CardOf(0, 12), CardOf(2, 11)}}, {7, {CardOf(2, 12)}}, {8, {CardOf(3, 12), CardOf(1, 11)}},
                    {9, {CardOf(1, 12), CardOf(3, 11)}}, {1, {qClubs}}});
        Rebase(g);
        Left(g, qClubs);
        DropOn(g, 7);
        EXPECT_EQ(g.GameWon, autoplay);
        EXPECT_EQ(view.Count("win"), autoplay ? 1 : 0);
        EXPECT_EQ(g.Undo.Count(), 2) << "the finishing moves add no snapshot";
        for (const int s : {0, 1, 2, 3}) {
            EXPECT_EQ(t.Rules.IsFoundation(t.CardAt(CardOf(s, RankKing)).PileIndex), autoplay) << s;
            EXPECT_EQ(t.PileAt(2 + s).Count, autoplay ? 13 : 11);
        }
        if (autoplay) {
            EXPECT_EQ(view.Events.back(), "win");
        }
    }
}

TEST(Autoplay, TurnsUpCardsAfterAMove)
{
    for (const bool autoplay : {true, false}) {
        Game g;
        SetUpAndDeal(g, games::Klondike, 3);
        TableState& t = g.T;
        t.Opt.Autoplay = autoplay;
        const int hidden = CardOf(1, 3), ace = CardOf(2, 0);
        Arrange(t, {{6, {hidden, ace}}}, {hidden});
        Right(g, ace);
        EXPECT_EQ(t.CardAt(hidden).FaceUp, autoplay);
    }
}

TEST(WinTests, OwnTests)
{
    {
        // Scorpion: 0..6 tableau, 7 stock. Four Kings each leading its suit.
        Game g;
        SetUpAndDeal(g, games::Scorpion, 1);
        std::vector<int> suits[4];
        for (int s = 0; s < 4; ++s)
            for (int r = 12; r >= 0; --r) suits[s].push_back(CardOf(s, r));
        Arrange(g.T, {{0, suits[0]}, {2, suits[1]}, {3, suits[2]}, {6, suits[3]}});
        EXPECT_TRUE(IsWon(g.T));
        std::swap(suits[3][5], suits[3][6]);
        Arrange(g.T, {{0, suits[0]}, {2, suits[1]}, {3, suits[2]}, {6, suits[3]}});
        EXPECT_FALSE(IsWon(g.T));
        Arrange(g.T, {{0, suits[0]}, {2, suits[1]}, {3, suits[2]}, {6, suits[3]}}, {suits[2][0]});
        EXPECT_FALSE(IsWon(g.T)) << "a face-down King";
    }
    {
        // Royal Marriage: won with only the Queen and King of suit 1 left,
        // whatever the stock holds.
        Game g;
        SetUpAndDeal(g, games::RoyalMarriage, 1);
        Arrange(g.T, {{1, {CardOf(1, 11)}}, {2, {CardOf(1, 12)}}, {0, {CardOf(0, 4)}}});
        EXPECT_TRUE(IsWon(g.T));
        Arrange(g.T, {{1, {CardOf(1, 11)}}, {2, {CardOf(0, 4)}}, {3, {CardOf(1, 12)}}});
        EXPECT_FALSE(IsWon(g.T));
    }
}

// Monte Carlo piles: 0 stock, 1..25 tableau five to a row, 26 discards.
TEST(MonteCarlo, NeighboursByPileNumber)
{
    struct Row {
        int A, B;
        bool Removed;
    } rows[] = {{5, 6, true}, {1, 5, true}, {1, 6, true}, {1, 7, true}, {1, 3, false}, {7, 1, true}, {1, 8, false}};
    for (const Row& row : rows) {
        RecordingView view;
        Game g(view);
        SetUpAndDeal(g, games::MonteCarlo, 3);
        const int a = CardOf(0, 6), b = CardOf(2, 6);
        Arrange(g.T, {{row.A, {a}}, {row.B, {b}}, {10, {CardOf(1, 2)}}});
        Rebase(g);
        Left(g, a);
        EXPECT_EQ(g.T.MarkedCard, a);
        Left(g, b);
        EXPECT_EQ(!g.T.CardAt(a).InPlay && !g.T.CardAt(b).InPlay, row.Removed) << row.A << ' ' << row.B;
        EXPECT_EQ(g.T.MarkedCard, row.Removed ? -1 : b) << "a failed pair marks the second card";
        EXPECT_EQ(view.Count("snapshot"), row.Removed ? 1 : 0);
        EXPECT_EQ(view.Fades, row.Removed ? 1 : 0);
        if (row.Removed) {
            EXPECT_EQ(g.T.PileAt(row.A).Count + g.T.PileAt(row.B).Count, 0);
        }
    }
}

TEST(MonteCarlo, DealButtonClosesGapsAndRefills)
{
    Game g;
    SetUpAndDeal(g, games::MonteCarlo, 3);
    TableState& t = g.T;
    const int a = CardOf(0, 6), b = CardOf(2, 6), c = CardOf(1, 2);
    Arrange(t, {{1, {a}}, {2, {b}}, {3, {c}}, {0, {CardOf(3, 1), CardOf(3, 2)}}});
    Left(g, a);
    Left(g, b);
    DealButton(g);
    EXPECT_EQ(CardsOf(t, 1), std::vector<int>{c});
    EXPECT_EQ(CardsOf(t, 2), std::vector<int>{CardOf(3, 2)});
    EXPECT_EQ(CardsOf(t, 3), std::vector<int>{CardOf(3, 1)});
    EXPECT_EQ(t.CardAt(c).X, t.PileAt(1).X);
}

// Royal Marriage (0 stock, 1..30 tableau): a pair between two matching cards
// goes, the row closes up, one snapshot; the ends of the row never go.
TEST(RoyalMarriage, PairRemovalClosesTheRowInOneSnapshot)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::RoyalMarriage, 4);
    TableState& t = g.T;
    const int queen = CardOf(1, 11), five = CardOf(0, 4), x = CardOf(2, 9), y = CardOf(3, 1), otherFive = CardOf(3, 4),
              king = CardOf(1, 12);
    Arrange(t, {{1, {queen}}, {2, {five}}, {3, {x}}, {4, {y}}, {5, {otherFive}}, {6, {king}}});
    Rebase(g);
    view.Events.clear();
    Left(g, x);  // alone it lies between a 5 of suit 0 and a 2 of suit 3: marked
    EXPECT_EQ(t.MarkedCard, x);
    Left(g, y);  // the pair lies between two Fives
    EXPECT_FALSE(t.CardAt(x).InPlay);
    EXPECT_FALSE(t.CardAt(y).InPlay);
    EXPECT_EQ(CardsOf(t, 3), std::vector<int>{otherFive});
    EXPECT_EQ(CardsOf(t, 4), std::vector<int>{king});
    EXPECT_EQ(t.PileAt(5).Count + t.PileAt(6).Count, 0);
    EXPECT_EQ(t.CardAt(king).X, t.PileAt(4).X);
    EXPECT_EQ(t.MarkedCard, -1);
    EXPECT_EQ(view.Count("snapshot"), 1);
    // The first pile never goes, not even in a pair.
    Left(g, five);
    Left(g, queen);
    EXPECT_TRUE(t.CardAt(queen).InPlay);
    EXPECT_EQ(t.MarkedCard, queen);
    Left(g, queen);
    EXPECT_EQ(t.MarkedCard, -1);
    // One Undo brings the pair back.
    UndoMove(g);
    EXPECT_EQ(CardsOf(t, 3), std::vector<int>{x});
    EXPECT_EQ(CardsOf(t, 6), std::vector<int>{king});
}

TEST(RoyalMarriage, ASingleCardBetweenMatchingNeighboursGoesAlone)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::RoyalMarriage, 4);
    TableState& t = g.T;
    const int queen = CardOf(1, 11), x = CardOf(0, 4), z = CardOf(1, 2), last = CardOf(2, 2);
    Arrange(t, {{1, {queen}}, {2, {x}}, {3, {z}}, {4, {last}}});
    Left(g, x);  // between two cards of suit 1
    EXPECT_FALSE(t.CardAt(x).InPlay);
    EXPECT_EQ(CardsOf(t, 2), std::vector<int>{z});
    EXPECT_EQ(view.Count("snapshot"), 1);
    Left(g, last);  // the last card in play is no end of the row, but has no right neighbour
    EXPECT_TRUE(t.CardAt(last).InPlay);
}

// Free Cell: 0..3 cells, 4..7 foundations, 8..15 tableau.
TEST(FreeCell, RunsThroughTwoEmptyCells)
{
    for (const int length : {3, 4}) {
        RecordingView view;
        Game g(view);
        SetUpAndDeal(g, games::FreeCell, 10);
        TableState& t = g.T;
        std::vector<int> run{CardOf(0, 8), CardOf(2, 7), CardOf(1, 6), CardOf(3, 5)};
        run.resize(static_cast<size_t>(length));
        const int ten = CardOf(3, 9);
        Arrange(t, {{2, {CardOf(0, 0)}}, {3, {CardOf(0, 1)}}, {8, run}, {9, {ten}}, {10, {CardOf(0, 12)}},
                    {11, {CardOf(1, 12)}}, {12, {CardOf(2, 12)}}, {13, {CardOf(3, 12)}}, {14, {CardOf(0, 11)}},
                    {15, {CardOf(1, 11)}}});
        Rebase(g);
        view.Events.clear();
        Left(g, run[0]);
        EXPECT_EQ(t.MarkedCard, run[0]);
        Left(g, ten);
        if (length == 3) {
            std::vector<int> expected{ten};
            expected.insert(expected.end(), run.begin(), run.end());
            EXPECT_EQ(CardsOf(t, 9), expected);
            EXPECT_EQ(t.PileAt(0).Count + t.PileAt(1).Count, 0) << "the cells are free again";
            EXPECT_EQ(view.Count("snapshot"), 1);
            EXPECT_EQ(view.Moves, 5) << "two parked, one placed, two fetched";
        } else {
            EXPECT_EQ(CardsOf(t, 8), run);
            EXPECT_TRUE(t.Dragging) << "the press picks up the pressed card instead";
            FieldRelease(g);
            EXPECT_EQ(view.Count("snapshot"), 0);
        }
    }
}

TEST(FreeCell, RunToAnEmptyColumnTakesWhatTheFreePlacesAllow)
{
    for (const int emptyCells : {0, 1}) {
        Game g;
        SetUpAndDeal(g, games::FreeCell, 10);
        TableState& t = g.T;
        const std::vector<int> run{CardOf(0, 8), CardOf(2, 7), CardOf(1, 6)};
        std::vector<int> cells{CardOf(0, 0), CardOf(0, 1), CardOf(0, 2), CardOf(0, 3)};
        Arrange(t, {{0, {cells[0]}}, {1, {cells[1]}}, {2, {cells[2]}}, {3, emptyCells != 0 ? std::vector<int>{} : std::vector<int>{cells[3]}},
                    {8, run}, {10, {CardOf(0, 12)}}, {11, {CardOf(1, 12)}}, {12, {CardOf(2, 12)}},
                    {13, {CardOf(3, 12)}}, {14, {CardOf(0, 11)}}, {15, {CardOf(1, 11)}}});
        Left(g, run[0]);
        LeftPile(g, 9);
        if (emptyCells == 0) {
            EXPECT_EQ(CardsOf(t, 8), run);
        } else {
            EXPECT_EQ(CardsOf(t, 8), std::vector<int>{run[0]});
            EXPECT_EQ(CardsOf(t, 9), (std::vector<int>{run[1], run[2]}));
        }
        EXPECT_EQ(t.MarkedCard, -1);
    }
}

TEST(FreeCell, RightPressParksInACell)
{
    Game g;
    SetUpAndDeal(g, games::FreeCell, 10);
    TableState& t = g.T;
    const int card = CardOf(2, 7);
    Arrange(t, {{0, {CardOf(1, 1)}}, {8, {CardOf(0, 3), card}}});
    Right(g, card);
    EXPECT_EQ(CardsOf(t, 1), std::vector<int>{card}) << "the first empty cell";
    Right(g, CardOf(0, 3));
    EXPECT_EQ(CardsOf(t, 2), std::vector<int>{CardOf(0, 3)});
}

// Aribert: 0..11 tableau, 12 stock, 13 foundation.
TEST(Aribert, ClosedPilesGetNoCardsFromTheStock)
{
    RecordingView view;
    Game g(view);
    SetUpAndDeal(g, games::Aribert, 21);
    TableState& t = g.T;
    t.Opt.Sound = true;
    std::vector<int> stock;
    for (int k = 0; k < 20; ++k) stock.push_back(52 + CardOf(2, k % 13) + (k >= 13 ? 13 : 0));
    // Piles 0 and 1 are closed (a face-up Ace on top; pile 1's above its
    // bottom), pile 2 is empty, the others hold one card.
    const test::PileCards piles = {
        {0, {CardOf(0, 0)}}, {1, {CardOf(1, 5), CardOf(1, 0)}}, {3, {CardOf(3, 3)}}, {4, {CardOf(3, 4)}},
        {5, {CardOf(3, 5)}}, {6, {CardOf(3, 6)}}, {7, {CardOf(3, 7)}}, {8, {CardOf(3, 8)}},
        {9, {CardOf(3, 9)}}, {10, {CardOf(3, 10)}}, {11, {CardOf(3, 11)}}, {12, stock}};
    Arrange(t, piles, stock);
    Rebase(g);
    view.Events.clear();
    Left(g, TopCard(t, 12));
    EXPECT_EQ(t.PileAt(0).Count, 1);
    EXPECT_EQ(t.PileAt(1).Count, 2);
    EXPECT_EQ(t.PileAt(2).Count, 1) << "an empty pile gets a card in the round";
    for (int p = 3; p <= 11; ++p) EXPECT_EQ(t.PileAt(p).Count, 2) << p;
    EXPECT_EQ(t.PileAt(12).Count, 10);
    EXPECT_EQ(view.Count("stock.wav"), 1);
    EXPECT_EQ(view.Count("snapshot"), 1);
    // Without an Ace above the bottom, the empty piles are filled first, alone.
    Arrange(t, {{0, {CardOf(0, 0)}}, {3, {CardOf(3, 3)}}, {12, stock}}, stock);
    view.Events.clear();
    Left(g, TopCard(t, 12));
    EXPECT_EQ(t.PileAt(0).Count, 1);
    EXPECT_EQ(t.PileAt(3).Count, 1);
    for (int p = 1; p <= 11; ++p) EXPECT_EQ(t.PileAt(p).Count, 1) << p;
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
        while (t.PileAt(0).Count > 0) Left(g, TopCard(t, 0));
        LeftPile(g, 0);
    }
    EXPECT_EQ(t.Rules.ActiveWastes, 1);
    EXPECT_EQ(t.Rules.StockPass, 5);
    const int before = t.PileAt(0).Count;
    Left(g, TopCard(t, 0));
    EXPECT_EQ(t.PileAt(1).Count, 1);
    for (int p = 2; p <= 5; ++p) EXPECT_EQ(t.PileAt(p).Count, 0) << p;
    EXPECT_EQ(t.PileAt(0).Count, before - 1);
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

}  // namespace
}  // namespace quillo

namespace quillo {
namespace {

using test::SameCardsAndPiles;
using test::SetUpAndDeal;

// Picks up the first face-up top card a press lifts and some pile takes
// (else the first one lifted); -1 if none.
int PickAnyTop(Game& g)
{
    int lifted = -1;
    for (const bool needTarget : {true, false}) {
        for (int p = 0; p < g.T.Rules.PileCount; ++p) {
            const int c = TopCard(g.T, p);
            if (c == -1 || !g.T.CardAt(c).FaceUp) continue;
            const Card& top = g.T.CardAt(c);
            FieldPress(g, {Button::Left, c, p, top.X + 5, top.Y + 5});
            if (!g.T.Dragging) continue;
            if (lifted == -1) lifted = c;
            if (!needTarget || (lifted != -1 && DropTargets(g.T) != 0)) return c;
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
    struct Row {
        int Game;
        uint32_t Deal;
    };
    const Row rows[] = {{games::Klondike, 8},  {games::Klondike, 606}, {games::Spider, 3}, {games::FreeCell, 10},
                        {games::Yukon, 5},     {games::Braid, 6},      {games::Star, 2},   {games::NapoleonsTomb, 1}};
    const int nudges[] = {0, 25, 39, 41, 90};
    for (const Row& r : rows) {
        Game probe;
        SetUpAndDeal(probe, r.Game, r.Deal);
        const int piles = probe.T.Rules.PileCount;
        int landed = 0;
        for (int p = 0; p < piles; ++p) {
            for (const int nudge : nudges) {
                Game g;
                SetUpAndDeal(g, r.Game, r.Deal);
                const int card = PickAnyTop(g);
                ASSERT_NE(card, -1) << r.Game;
                const int source = g.T.CardAt(card).PileIndex;
                const Offset at = DropPoint(g.T, p);
                DragTo(g, at.X + g.T.GripX + nudge, at.Y + g.T.GripY + nudge / 2);
                const TableState before = g.T;
                const int shown = ReleaseTarget(g.T);
                EXPECT_TRUE(SameCardsAndPiles(before, g.T)) << "asking moves nothing";
                EXPECT_EQ(before.DropPile, g.T.DropPile);
                FieldRelease(g);
                const int went = g.T.CardAt(card).PileIndex;
                EXPECT_EQ(shown == -1 ? source : shown, went)
                    << "game " << r.Game << " pile " << p << " nudge " << nudge;
                EXPECT_EQ(ReleaseTarget(g.T), -1) << "nothing is shown once the group is down";
                landed += shown != -1 ? 1 : 0;
            }
        }
        EXPECT_GT(landed, 0) << "game " << r.Game << ": some pile takes the group";
    }
}

}  // namespace
}  // namespace quillo
