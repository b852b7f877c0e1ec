// Big Harp, Agnes, Merry Twos, Golf, Look of Fortune, Fans, Icebreaker,
// Four Seasons, Duke, Shifted Cross and Threes over real deals: the dealt
// table, the room the longest columns need, the drop rules that set each
// game apart, Icebreaker's refill and the own win tests.

#include <gtest/gtest.h>

#include "engine/autoplay.h"
#include "engine/card_sizes.h"
#include "engine/labels.h"
#include "engine/legality.h"
#include "engine/pointer.h"
#include "test_support.h"

namespace quillo {
namespace {

using test::Arrange;
using test::CardOf;
using test::CardsOf;
using test::SetUpAndDeal;

// Suits 0 and 1 share a colour, 2 and 3 the other.
constexpr int Clubs = 0, Spades = 1, Hearts = 2, Diamonds = 3;

std::vector<int> Counts(const TableState& t, int32_t first, int32_t last)
{
    std::vector<int> out;
    for (int p = first; p != -1 && p <= last; ++p) out.push_back(t.PileAt(p).Count);
    return out;
}

std::vector<int> Repeat(int n, int value)
{
    return std::vector<int>(static_cast<size_t>(n), value);
}

struct DealtShape {
    int Game;
    int Stock;  // -1: no stock
    std::vector<int> Table, Found, Waste, Reserve;
    bool TopOnlyUp;          // tableau cards under the top one lie face down
    int FoundationRank;      // rank of every dealt foundation card, -1 when it comes from the deal
};

TEST(FirstDozen, DealtTables)
{
    const DealtShape shapes[] = {
        {games::BigHarp, 49, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, Repeat(8, 0), {0}, {}, true, -1},
        {games::Agnes, 16, {1, 2, 3, 4, 5, 6, 7}, {1, 0, 0, 0}, Repeat(7, 1), {}, true, -1},
        {games::MerryTwos, 86, Repeat(10, 1), Repeat(8, 1), {0}, {}, false, 1},
        {games::Golf, 16, Repeat(7, 5), {}, {1}, {}, false, -1},
        {games::LookOfFortune, 36, Repeat(12, 1), Repeat(4, 1), {0}, {}, false, RankAce},
        {games::Fans, -1, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1}, Repeat(4, 0), {}, {}, false, -1},
        {games::Icebreaker, 54, Repeat(10, 5), Repeat(4, 0), {0}, {}, true, -1},
        {games::FourSeasons, 46, Repeat(5, 1), {1, 0, 0, 0}, {0}, {}, false, -1},
        {games::Duke, 36, Repeat(4, 1), Repeat(4, 0), {0}, Repeat(4, 3), false, -1},
        {games::ShiftedCross, 28, Repeat(4, 6), Repeat(4, 0), {0}, {0}, false, -1},
        {games::Threes, 24, Repeat(8, 3), Repeat(4, 1), {0}, {}, true, 2},
    };
    for (const DealtShape& s : shapes) {
        for (const uint32_t number : {1u, 77u, 4000000000u}) {
            Game g;
            SetUpAndDeal(g, s.Game, number);
            const TableState& t = g.T;
            const GameRules& r = t.Rules;
            const std::string what = std::string(Catalogue()[static_cast<size_t>(s.Game)].Name) + " #" +
                                     std::to_string(number);
            EXPECT_EQ(r.StockPile == -1 ? -1 : t.PileAt(r.StockPile).Count, s.Stock) << what;
            EXPECT_EQ(Counts(t, r.TableFirst, r.TableLast), s.Table) << what;
            EXPECT_EQ(Counts(t, r.FoundFirst, r.FoundLast), s.Found) << what;
            EXPECT_EQ(Counts(t, r.WasteFirst, r.WasteLast), s.Waste) << what;
            EXPECT_EQ(Counts(t, r.ReserveFirst, r.ReserveLast), s.Reserve) << what;
            for (int p = r.TableFirst; p <= r.TableLast; ++p) {
                for (const int card : CardsOf(t, p)) {
                    const bool top = IsTopCard(t, card);
                    EXPECT_EQ(t.CardAt(card).FaceUp, top || !s.TopOnlyUp) << what << " pile " << p;
                }
            }
            // Foundation cards: the fixed rank, or the starting rank the deal chose.
            const int32_t rank = s.FoundationRank == -1 ? r.StartRank : s.FoundationRank;
            for (int p = r.FoundFirst; p != -1 && p <= r.FoundLast; ++p)
                for (const int card : CardsOf(t, p)) EXPECT_EQ(t.CardAt(card).Rank, rank) << what;
            if (r.StartRankFromDeal || s.FoundationRank > 0) {
                EXPECT_EQ(StartRankLabelText(t), "Starting Rank: " + std::string(RankName(rank))) << what;
            }
        }
    }
}

// Where the top card of a dealt pile lies from the pile's corner, in face-up
// steps (VS, HS) and half steps for face-down cards (DS); and the first cards
// of the deal go round the piles before any pile gets a second.
TEST(FirstDozen, DealtFansAndRoundRobin)
{
    struct Top {
        int Game, Pile, Right, Down;  // in HS, and in DS for face-down cards
    } tops[] = {{games::BigHarp, 19, 0, 9},    {games::Agnes, 18, 0, 6},      {games::Icebreaker, 15, 0, 4},
                {games::Threes, 6, 0, 2},      {games::Duke, 6, 2, 0},        {games::ShiftedCross, 7, -5, 0},
                {games::ShiftedCross, 10, 5, 0}, {games::Fans, 20, 2, 0},     {games::LookOfFortune, 17, 0, 0}};
    for (const Top& top : tops) {
        Game g;
        SetUpAndDeal(g, top.Game, 9);
        const TableState& t = g.T;
        const CardSize& up = t.Rules.Upright();
        const Card& c = t.CardAt(TopCard(t, top.Pile));
        EXPECT_EQ(c.X - t.PileAt(top.Pile).X, top.Right * up.HorzStep.X) << top.Game << " pile " << top.Pile;
        EXPECT_EQ(c.Y - t.PileAt(top.Pile).Y, top.Down * (up.VertStep.Y / 2)) << top.Game << " pile " << top.Pile;
    }
    for (const int game : {games::BigHarp, games::Icebreaker, games::Threes}) {
        Game g;
        SetUpAndDeal(g, game, 9);
        const TableState& t = g.T;
        const int piles = t.Rules.TableLast - t.Rules.TableFirst + 1;
        int k = 0;
        for (size_t d = 0; k < piles; ++d) {
            const Card& c = t.CardAt(t.DealOrder[d].CardIndex);
            if (t.Rules.IsFoundation(c.PileIndex)) continue;  // the Threes went home first
            EXPECT_EQ(c.PileIndex, t.Rules.TableFirst + k) << game << " card " << d;
            EXPECT_EQ(c.Order, 0) << game;
            ++k;
        }
    }
}

// Positions the layouts promise on the 792-pixel field with 71 x 96 cards.
TEST(FirstDozen, ReferencePositions)
{
    struct Place {
        int Game, Pile, X, Y;  // Y -1: not checked (the field grew)
    } places[] = {
        {games::BigHarp, 10, 7, 131},        {games::BigHarp, 19, 7 + 9 * 78, 131},
        {games::BigHarp, 9, 7 + 9 * 78, 15}, {games::Agnes, 0, 15, 15},
        {games::Agnes, 11, 15 + 7 * 86, 15}, {games::Agnes, 4, 15 + 8 * 86, 15 + 3 * 104},
        {games::Agnes, 18, 15 + 6 * 86, 131}, {games::LookOfFortune, 6, 101, 131},
        {games::LookOfFortune, 13, 617, 243}, {games::LookOfFortune, 14, 101, 355},
        {games::Fans, 0, -1, 7},             {games::Fans, 8, 10 + 4 * 154, 110},
        {games::Fans, 21, 10 + 2 * 154, 419}, {games::FourSeasons, 2, 250, 59},
        {games::FourSeasons, 8, 357, 214},   {games::FourSeasons, 5, 464, 369},
        {games::FourSeasons, 0, 36, 214},    {games::ShiftedCross, 6, 360, 214},
        {games::ShiftedCross, 7, 277, 59},   {games::ShiftedCross, 10, 443, 369},
        {games::ShiftedCross, 1, 91, 214},   {games::Golf, 7, -1, 526 - 96 - 15},
    };
    for (const Place& p : places) {
        Game g;
        SetUpAndDeal(g, p.Game, 1);
        const Pile& pile = g.T.PileAt(p.Pile);
        if (p.X != -1) {
            EXPECT_EQ(pile.X, p.X) << p.Game << " pile " << p.Pile;
        }
        if (p.Y != -1) {
            EXPECT_EQ(pile.Y, p.Y) << p.Game << " pile " << p.Pile;
        }
    }
}

// The longest column a game can build still fits the field, for the default
// cards and for a larger set: d face-down cards under 13 face-up ones going
// down, an 18-card arm of the cross going sideways.
TEST(FirstDozen, LongestColumnsFitTheField)
{
    struct Room {
        int Game, Down;
    } rooms[] = {{games::BigHarp, 9}, {games::Agnes, 6}, {games::MerryTwos, 0}, {games::Icebreaker, 4},
                 {games::Duke, 0},    {games::Threes, 2}};
    for (const CardSizeTable& sizes : {DefaultCardSizes(), MakeCardSizes(86, 116)}) {
        for (const Room& room : rooms) {
            Game g;
            g.T.Rules.CardSizes = sizes;
            SetUpAndDeal(g, room.Game, 3);
            const GameRules& r = g.T.Rules;
            ASSERT_EQ(r.CardHeight(), sizes[Upright].Height);
            for (int p = r.TableFirst; p <= r.TableLast; ++p) {
                const Pile& pile = g.T.PileAt(p);
                EXPECT_LE(pile.Y + room.Down * pile.DownFanY + 12 * pile.FanY + r.CardHeight(), r.FieldHeight)
                    << room.Game << " pile " << p << " at height " << r.CardHeight();
            }
        }
        Game g;
        g.T.Rules.CardSizes = sizes;
        SetUpAndDeal(g, games::ShiftedCross, 3);
        const GameRules& r = g.T.Rules;
        for (int p = 7; p <= 10; ++p) {
            const Pile& pile = g.T.PileAt(p);
            const int end = pile.X + 17 * pile.FanX;
            EXPECT_GE(end, 0) << p;
            EXPECT_LE(end + r.CardWidth(), r.FieldWidth) << p;
            // An arm never runs into the hub or the foundation beside it.
            EXPECT_TRUE(pile.FanX < 0 ? pile.X < g.T.PileAt(6).X : pile.X > g.T.PileAt(6).X) << p;
        }
        // Duke's reserve fans end left of the first tableau pile.
        SetUpAndDeal(g, games::Duke, 3);
        EXPECT_LT(g.T.PileAt(7).X + 2 * g.T.PileAt(7).FanX + g.T.Rules.CardWidth(), g.T.PileAt(10).X);
    }
}

// Ask the drop rule about the group from card (and every card above it).
int Ask(TableState& t, int card, int pile)
{
    t.ActiveCard = card;
    t.PickedCount = 0;
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        Card& c = t.CardAt(i);
        c.Moving = c.InPlay && c.PileIndex == t.CardAt(card).PileIndex && c.Order >= t.CardAt(card).Order;
        t.PickedCount += c.Moving ? 1 : 0;
    }
    t.DropPile = pile;
    const int result = CanDrop(t);
    for (int i = 0; i < t.Rules.TotalCards; ++i) t.CardAt(i).Moving = false;
    return result;
}

struct DropCase {
    int Game;
    int32_t StartRank;  // -1: as the layout sets it
    test::PileCards Table;
    int Card, Pile;
    bool Accepted;
    const char* Why;
};

TEST(FirstDozen, DropRules)
{
    const int second = CardsPerDeck;  // offset of the second pack's cards
    const DropCase cases[] = {
        // Golf: 0..6 columns, 7 stock, 8 waste.
        {games::Golf, -1, {{8, {CardOf(Spades, 5)}}, {0, {CardOf(Hearts, 4)}}}, CardOf(Hearts, 4), 8, true, "5 on 6"},
        {games::Golf, -1, {{8, {CardOf(Spades, 5)}}, {0, {CardOf(Hearts, 6)}}}, CardOf(Hearts, 6), 8, true, "7 on 6"},
        {games::Golf, -1, {{8, {CardOf(Spades, 5)}}, {0, {CardOf(Hearts, 5)}}}, CardOf(Hearts, 5), 8, false, "6 on 6"},
        {games::Golf, -1, {{8, {CardOf(Spades, 5)}}, {0, {CardOf(Hearts, 7)}}}, CardOf(Hearts, 7), 8, false, "8 on 6"},
        {games::Golf, -1, {{8, {CardOf(Spades, 12)}}, {0, {CardOf(Hearts, 11)}}}, CardOf(Hearts, 11), 8, true, "Q on K"},
        {games::Golf, -1, {{8, {CardOf(Spades, 12)}}, {0, {CardOf(Hearts, 0)}}}, CardOf(Hearts, 0), 8, false, "A on K"},
        {games::Golf, -1, {{8, {CardOf(Spades, 0)}}, {0, {CardOf(Hearts, 1)}}}, CardOf(Hearts, 1), 8, true, "2 on A"},
        {games::Golf, -1, {{8, {CardOf(Spades, 0)}}, {0, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 8, false, "K on A"},
        {games::Golf, -1, {{1, {CardOf(Spades, 5)}}, {0, {CardOf(Hearts, 4)}}}, CardOf(Hearts, 4), 1, false, "column"},
        {games::Golf, -1, {{7, {CardOf(Spades, 5)}}, {0, {CardOf(Hearts, 4)}}}, CardOf(Hearts, 4), 7, false, "stock"},
        {games::Golf, -1, {{8, {CardOf(Spades, 5), CardOf(Spades, 4)}}, {0, {CardOf(Hearts, 5)}}}, CardOf(Spades, 4), 0,
         false, "the waste card goes nowhere"},
        // Big Harp: 10..19 tableau, 2..9 foundations.
        {games::BigHarp, -1, {{10, {CardOf(Clubs, 9), CardOf(Hearts, 8), CardOf(Spades, 7), CardOf(Diamonds, 6)}}},
         CardOf(Hearts, 8), 11, true, "a run led by a 9 into a space"},
        {games::BigHarp, -1, {{10, {CardOf(Hearts, 0)}}, {11, {CardOf(Spades, 12)}}}, CardOf(Spades, 12), 10, true,
         "King on Ace"},
        // Agnes: 1..4 foundations, 5..11 reserve row, 12..18 tableau; base Jack.
        {games::Agnes, RankJack, {{1, {CardOf(Spades, 10), CardOf(Spades, 11), CardOf(Spades, 12)}}, {12, {CardOf(Spades, 0)}}},
         CardOf(Spades, 0), 1, true, "the foundation turns the corner"},
        {games::Agnes, RankJack, {{5, {CardOf(Hearts, 3)}}, {12, {CardOf(Spades, 2)}}}, CardOf(Spades, 2), 5, false,
         "nothing onto a reserve pile"},
        {games::Agnes, 8, {{12, {CardOf(Hearts, 7)}}}, CardOf(Hearts, 7), 13, true, "an 8 fills under a 9 base"},
        {games::Agnes, 8, {{12, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 13, false, "no King under a 9 base"},
        {games::Agnes, RankAce, {{12, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 13, true, "a King under an Ace base"},
        {games::Agnes, RankKing, {{12, {CardOf(Hearts, 11)}}}, CardOf(Hearts, 11), 13, true, "a Queen under a King base"},
        // Merry Twos: 2..9 foundations from Two, 10..19 tableau.
        {games::MerryTwos, -1, {{10, {CardOf(Spades, 0)}}}, CardOf(Spades, 0), 2, false, "an Ace starts nothing"},
        {games::MerryTwos, -1, {{10, {CardOf(Spades, 1)}}}, CardOf(Spades, 1), 2, true, "a Two starts a foundation"},
        // Look of Fortune: 1 waste, 6..17 tableau.
        {games::LookOfFortune, -1, {{1, {CardOf(Hearts, 8)}}}, CardOf(Hearts, 8), 6, true, "waste fills a space"},
        {games::LookOfFortune, -1, {{7, {CardOf(Hearts, 8)}}}, CardOf(Hearts, 8), 6, false, "no column fills a space"},
        // Fans: 4..21 tableau, only a King fills.
        {games::Fans, -1, {{5, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 4, true, "a King fills"},
        {games::Fans, -1, {{5, {CardOf(Hearts, 11)}}}, CardOf(Hearts, 11), 4, false, "a Queen does not"},
        {games::Fans, -1, {{5, {CardOf(Hearts, 0)}}, {6, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 5, true,
         "a King onto the Ace of its suit"},
        // Icebreaker: four foundations for two packs go on past the King.
        {games::Icebreaker, -1, {{2, {CardOf(Hearts, 0), CardOf(Hearts, 1), CardOf(Hearts, 2), CardOf(Hearts, 3),
                                      CardOf(Hearts, 4), CardOf(Hearts, 5), CardOf(Hearts, 6), CardOf(Hearts, 7),
                                      CardOf(Hearts, 8), CardOf(Hearts, 9), CardOf(Hearts, 10), CardOf(Hearts, 11),
                                      CardOf(Hearts, 12)}},
                                {6, {second + CardOf(Hearts, 0)}}},
         second + CardOf(Hearts, 0), 2, true, "the second Ace on the King"},
        {games::Icebreaker, -1, {{2, {CardOf(Hearts, 0)}}, {6, {second + CardOf(Hearts, 0)}}}, second + CardOf(Hearts, 0),
         3, true, "the second Ace starts another foundation"},
        // Four Seasons: 6..10 the cross, down regardless of suit; base Five.
        {games::FourSeasons, 4, {{6, {CardOf(Spades, 0)}}, {7, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 6, true,
         "King on Ace"},
        {games::FourSeasons, 4, {{6, {CardOf(Spades, 7)}}, {7, {CardOf(Spades, 6)}}}, CardOf(Spades, 6), 6, true,
         "7 on 8 of any suit"},
        {games::FourSeasons, 4, {{6, {CardOf(Spades, 5)}}, {7, {CardOf(Diamonds, 6)}}}, CardOf(Diamonds, 6), 6, false,
         "7 on 6"},
        {games::FourSeasons, 4, {{6, {CardOf(Spades, 5)}}}, CardOf(Spades, 5), 3, false, "an empty foundation takes a 5"},
        {games::FourSeasons, 4, {{6, {CardOf(Clubs, 4)}}}, CardOf(Clubs, 4), 3, true, "a 5 of any suit"},
        // Duke: nothing onto a reserve (6..9); a space takes an alternating run.
        {games::Duke, -1, {{6, {CardOf(Hearts, 3)}}, {10, {CardOf(Spades, 2)}}}, CardOf(Spades, 2), 6, false, "reserve"},
        {games::Duke, -1, {{10, {CardOf(Hearts, 7), CardOf(Spades, 6)}}}, CardOf(Hearts, 7), 11, true, "run to a space"},
        // Shifted Cross: hub 6 is a one-card cell.
        {games::ShiftedCross, -1, {{7, {CardOf(Hearts, 7)}}}, CardOf(Hearts, 7), 6, true, "one card to the hub"},
        {games::ShiftedCross, -1, {{7, {CardOf(Hearts, 7), CardOf(Spades, 6)}}}, CardOf(Hearts, 7), 6, false,
         "no run to the hub"},
        {games::ShiftedCross, -1, {{6, {CardOf(Clubs, 2)}}, {7, {CardOf(Hearts, 7)}}}, CardOf(Hearts, 7), 6, false,
         "the hub is taken"},
        {games::ShiftedCross, -1, {{6, {CardOf(Clubs, 6)}}, {7, {CardOf(Hearts, 7)}}}, CardOf(Clubs, 6), 7, true,
         "back from the hub"},
        // Threes: a Two fills; the foundations run on to the Two.
        {games::Threes, -1, {{7, {CardOf(Hearts, 1)}}}, CardOf(Hearts, 1), 6, true, "a Two fills"},
        {games::Threes, -1, {{7, {CardOf(Hearts, 12)}}}, CardOf(Hearts, 12), 6, false, "a King does not"},
        {games::Threes, -1, {{2, {CardOf(Diamonds, 2), CardOf(Diamonds, 12)}}, {6, {CardOf(Diamonds, 0)}}},
         CardOf(Diamonds, 0), 2, true, "Ace on King"},
        {games::Threes, -1, {{2, {CardOf(Diamonds, 2), CardOf(Diamonds, 0)}}, {6, {CardOf(Diamonds, 1)}}},
         CardOf(Diamonds, 1), 2, true, "Two on Ace"},
    };
    for (const DropCase& c : cases) {
        Game g;
        SetUpAndDeal(g, c.Game, 5);
        TableState& t = g.T;
        if (c.StartRank != -1) {
            t.Rules.StartRank = c.StartRank;
            ComputeFillRank(t.Rules);
        }
        Arrange(t, c.Table);
        EXPECT_EQ(Ask(t, c.Card, c.Pile), c.Accepted ? c.Pile : -1) << c.Game << ": " << c.Why;
    }
}

// Which card a press picks up: one card at a time where MoveUnit is 0, a
// legal run from any card of it where it is 1.
TEST(FirstDozen, WhatAPressPicksUp)
{
    struct PickCase {
        int Game;
        test::PileCards Table;
        int Card;
        PickAction Expected;
    } cases[] = {
        {games::MerryTwos, {{10, {CardOf(Spades, 3), CardOf(Spades, 2)}}}, CardOf(Spades, 3), PickAction::Nothing},
        {games::MerryTwos, {{10, {CardOf(Spades, 3), CardOf(Spades, 2)}}}, CardOf(Spades, 2), PickAction::PickUp},
        {games::Fans, {{5, {CardOf(Hearts, 12), CardOf(Hearts, 11)}}}, CardOf(Hearts, 12), PickAction::Nothing},
        {games::LookOfFortune, {{6, {CardOf(Clubs, 8), CardOf(Clubs, 7)}}}, CardOf(Clubs, 8), PickAction::Nothing},
        {games::Duke, {{10, {CardOf(Hearts, 7), CardOf(Spades, 6)}}}, CardOf(Hearts, 7), PickAction::PickUp},
        {games::Duke, {{10, {CardOf(Hearts, 7), CardOf(Diamonds, 6)}}}, CardOf(Hearts, 7), PickAction::Nothing},
        {games::Duke, {{6, {CardOf(Hearts, 7), CardOf(Diamonds, 2)}}}, CardOf(Hearts, 7), PickAction::Nothing},
        {games::Duke, {{6, {CardOf(Hearts, 7), CardOf(Diamonds, 2)}}}, CardOf(Diamonds, 2), PickAction::PickUp},
        {games::ShiftedCross, {{7, {CardOf(Hearts, 7), CardOf(Spades, 6), CardOf(Diamonds, 5)}}}, CardOf(Spades, 6),
         PickAction::PickUp},
        {games::Threes, {{6, {CardOf(Hearts, 1), CardOf(Hearts, 0), CardOf(Hearts, 12)}}}, CardOf(Hearts, 1),
         PickAction::PickUp},
    };
    for (const PickCase& c : cases) {
        Game g;
        SetUpAndDeal(g, c.Game, 5);
        Arrange(g.T, c.Table);
        EXPECT_EQ(PickRule(g.T, c.Card), c.Expected) << c.Game << " card " << c.Card;
    }
}

TEST(FirstDozen, MerryTwosFoundationStopsAfterTheAce)
{
    Game g;
    SetUpAndDeal(g, games::MerryTwos, 5);
    TableState& t = g.T;
    std::vector<int> run;
    for (int r = 1; r <= RankKing; ++r) run.push_back(CardOf(Spades, r));
    Arrange(t, {{2, run}, {10, {CardOf(Spades, 0)}}, {11, {CardsPerDeck + CardOf(Spades, 1)}}});
    EXPECT_EQ(Ask(t, CardOf(Spades, 0), 2), 2);
    run.push_back(CardOf(Spades, 0));
    Arrange(t, {{2, run}, {11, {CardsPerDeck + CardOf(Spades, 1)}}});
    EXPECT_EQ(Ask(t, CardsPerDeck + CardOf(Spades, 1), 2), -1) << "a second Two on a full foundation";
}

void Left(Game& g, int card)
{
    const Card& c = g.T.CardAt(card);
    FieldPress(g, {Button::Left, card, c.PileIndex, c.X + 5, c.Y + 5});
}

void LeftPile(Game& g, int pile)
{
    FieldPress(g, {Button::Left, -1, pile, g.T.PileAt(pile).X + 5, g.T.PileAt(pile).Y + 5});
}

void Drag(Game& g, int card, int pile)
{
    Left(g, card);
    SnapGroupTo(g, pile);
    FieldRelease(g);
}

void Rebase(Game& g)
{
    g.Undo.Clear();
    g.Undo.Push(g.T);
    SetUndoEnabled(g, false);
}

// Icebreaker: 0 stock, 1 waste, 2..5 foundations, 6..15 tableau. The Ace of
// spades leaves pile 6 for a foundation; what fills the space depends on the
// waste and the stock.
TEST(FirstDozen, IcebreakerRefillsASpaceFromTheWaste)
{
    const int ace = CardOf(Spades, 0);
    const int waste = CardOf(Hearts, 9), stock = CardOf(Clubs, 4), eight = CardOf(Diamonds, 8);
    struct Case {
        test::PileCards Table;
        std::vector<int> Refill;  // pile 6 afterwards
        int Stock, Waste;
    } cases[] = {
        {{{6, {ace}}, {7, {eight}}, {1, {CardOf(Diamonds, 2), waste}}, {0, {CardOf(Clubs, 5)}}}, {waste}, 1, 1},
        {{{6, {ace}}, {7, {eight}}, {0, {CardOf(Clubs, 5), stock}}}, {stock}, 1, 0},
        {{{6, {ace}}, {7, {eight}}}, {}, 0, 0},
    };
    for (const Case& c : cases) {
        test::RecordingView view;
        Game g(view);
        SetUpAndDeal(g, games::Icebreaker, 2);
        TableState& t = g.T;
        Arrange(t, c.Table, {CardOf(Clubs, 5), stock});
        Rebase(g);
        const TableState before = t;
        view.Events.clear();
        Drag(g, ace, 2);
        ASSERT_EQ(CardsOf(t, 2), std::vector<int>{ace});
        EXPECT_EQ(CardsOf(t, 6), c.Refill);
        EXPECT_EQ(t.PileAt(0).Count, c.Stock);
        EXPECT_EQ(t.PileAt(1).Count, c.Waste);
        for (const int card : c.Refill) EXPECT_TRUE(t.CardAt(card).FaceUp);
        EXPECT_EQ(view.Count("snapshot"), 1) << "one snapshot for the move and the refill";
        if (c.Refill.empty()) {
            // Nothing left to refill with: the space takes any card.
            Drag(g, eight, 6);
            EXPECT_EQ(CardsOf(t, 6), std::vector<int>{eight});
            continue;
        }
        UndoMove(g);
        EXPECT_TRUE(t.Cards == before.Cards && t.Piles == before.Piles);
    }
}

// Icebreaker turns its waste back once; the second empty stock stays empty.
TEST(FirstDozen, IcebreakerRedealsOnce)
{
    Game g;
    SetUpAndDeal(g, games::Icebreaker, 3);
    TableState& t = g.T;
    std::vector<int> stock, waste;
    for (int pass = 0; pass < 2; ++pass) {
        while (t.PileAt(0).Count > 0) Left(g, TopCard(t, 0));
        LeftPile(g, 0);
        stock.push_back(t.PileAt(0).Count);
        waste.push_back(t.PileAt(1).Count);
    }
    EXPECT_EQ(stock, (std::vector<int>{54, 0}));
    EXPECT_EQ(waste, (std::vector<int>{0, 54}));
    EXPECT_EQ(RedealsLeftLabelText(t), "Redeals Left: 0");
}

TEST(FirstDozen, OwnWinTests)
{
    const int second = CardsPerDeck;
    auto suit = [](int s, int from, int to) {
        std::vector<int> out;
        for (int r = from; r <= to; ++r) out.push_back(CardOf(s, r % RanksPerSuit));
        return out;
    };
    {
        // Golf: cleared columns win, whatever the stock and waste hold.
        Game g;
        SetUpAndDeal(g, games::Golf, 1);
        Arrange(g.T, {{7, {CardOf(Spades, 3)}}, {8, {CardOf(Hearts, 3)}}});
        EXPECT_TRUE(IsWon(g.T));
        Arrange(g.T, {{8, {CardOf(Hearts, 3)}}, {6, {CardOf(Spades, 3)}}});
        EXPECT_FALSE(IsWon(g.T));
    }
    {
        // Icebreaker: thirteen on every foundation, with cards left elsewhere.
        Game g;
        SetUpAndDeal(g, games::Icebreaker, 1);
        TableState& t = g.T;
        Arrange(t, {{2, suit(Spades, 0, 12)}, {3, suit(Hearts, 0, 12)}, {4, suit(Clubs, 0, 12)},
                    {5, suit(Diamonds, 0, 12)}, {0, {second + 4}}, {6, {second + 20}}});
        EXPECT_TRUE(IsWon(t));
        // 26 on one foundation do not make up for 12 on another.
        std::vector<int> twice = suit(Hearts, 0, 12);
        for (int r = 0; r <= 12; ++r) twice.push_back(second + CardOf(Hearts, r));
        Arrange(t, {{2, suit(Spades, 0, 11)}, {3, twice}, {4, suit(Clubs, 0, 12)}, {5, suit(Diamonds, 0, 12)}});
        EXPECT_FALSE(IsWon(t));
    }
}

// Agnes: the stock deals one card onto each of reserve piles 5..11: 7, 7 and
// 2 cards, then nothing. The label shows the stock alone.
TEST(FirstDozen, AgnesStockFeedsTheReserveRow)
{
    Game g;
    SetUpAndDeal(g, games::Agnes, 8);
    TableState& t = g.T;
    const std::vector<std::vector<int>> after = {
        {2, 2, 2, 2, 2, 2, 2}, {3, 3, 3, 3, 3, 3, 3}, {4, 4, 3, 3, 3, 3, 3}, {4, 4, 3, 3, 3, 3, 3}};
    for (const auto& counts : after) {
        const int top = TopCard(t, 0);
        if (top != -1)
            Left(g, top);
        else
            LeftPile(g, 0);
        EXPECT_EQ(Counts(t, 5, 11), counts);
        for (int p = 5; p <= 11; ++p) EXPECT_TRUE(t.CardAt(TopCard(t, p)).FaceUp);
    }
    EXPECT_EQ(StockWasteLabelText(t), "Stock: 0");
    EXPECT_EQ(t.Rules.StockPass, 1);
}

}  // namespace
}  // namespace quillo
