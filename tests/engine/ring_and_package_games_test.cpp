// Sun, Eight Sphinxes, First and Last, WindMill, Sultan, Women's Kingdom,
// Swedish Packet, Kings Corners, Octagon and Yukon: their deals and drop
// rules over real layouts.

#include <gtest/gtest.h>

#include "table_moves.h"

namespace quillo {
namespace {

using test::CardOf;
using test::CardsOf;
using test::SetUpAndDeal;

using test::Arrange;
using test::ExpectDrops;
using test::SecondDeck;
using test::SuitRun;

TEST(SheetGames, DealsLayTheDocumentedPiles)
{
    struct Row {
        int Game;
        std::vector<int> Counts;  // pile by pile
    } rows[] = {
        {games::Sun, {1, 1, 1, 1, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}},
        {games::EightSphinxes, {16, 0, 0, 0, 0, 0, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3}},
        {games::FirstAndLast, {5, 5, 5, 5, 5, 5, 5, 5, 1, 0, 0, 0, 0, 0, 0, 0, 63, 0}},
        {games::WindMill, {95, 0, 1, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::Sultan, {87, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::WomensKingdom, {34, 0, 0, 0, 0, 0, 13, 1, 1, 1, 1, 1}},
        {games::SwedishPacket, {12, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 5, 5}},
        {games::KingsCorners, {36, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {games::Octagon, {76, 0, 1, 1, 1, 1, 1, 1, 1, 1, 5, 5, 5, 5}},
        {games::Yukon, {1, 6, 7, 8, 9, 10, 11, 0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        for (const uint32_t number : {1u, 77u}) {
            Game g;
            SetUpAndDeal(g, row.Game, number);
            const TableState& t = g.T;
            const std::string what = std::string(Catalogue()[static_cast<size_t>(row.Game)].Name) + " #" +
                                     std::to_string(number);
            ASSERT_EQ(t.Rules.PileCount, static_cast<int>(row.Counts.size())) << what;
            for (int p = 0; p < t.Rules.PileCount; ++p)
                EXPECT_EQ(t.PileAt(p).Count, row.Counts[static_cast<size_t>(p)]) << what << " pile " << p;
        }
    }
}

TEST(SheetGames, DealtCardsOfEachGame)
{
    for (const uint32_t number : {1u, 2u, 3u}) {
        {
            // Sun: an Ace on every foundation; only a ray's top card moves.
            Game g;
            SetUpAndDeal(g, games::Sun, number);
            for (int f = 0; f < 4; ++f) EXPECT_EQ(g.T.CardAt(CardsOf(g.T, f)[0]).Rank, RankAce);
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
                for (const int c : cards) EXPECT_TRUE(t.CardAt(c).FaceUp);
            }
            for (const int c : CardsOf(t, 16)) EXPECT_NE(t.CardAt(c).Rank, last);
        }
        {
            // Sultan: the fixed Kings, the Ace and the Sultan; no starting rank.
            Game g;
            SetUpAndDeal(g, games::Sultan, number);
            const int fixed[] = {12, 64, 25, 77, 51, 103, 90, 26, 38};
            for (int p = 2; p <= 10; ++p) EXPECT_EQ(CardsOf(g.T, p), std::vector<int>{fixed[p - 2]});
            EXPECT_EQ(g.T.Rules.StartRank, -1);
        }
        {
            // Yukon: five face-up cards on every pile but the first.
            Game g;
            SetUpAndDeal(g, games::Yukon, number);
            for (int p = 1; p <= 6; ++p) {
                const auto cards = CardsOf(g.T, p);
                for (size_t k = 0; k < cards.size(); ++k) EXPECT_EQ(g.T.CardAt(cards[k]).FaceUp, k >= cards.size() - 5);
            }
        }
    }
}

TEST(SheetGames, SunLayoutOnTheReferenceField)
{
    Game g;
    SetUpAndDeal(g, games::Sun, 1);
    const int expected[][2] = {{321, 163}, {400, 163}, {321, 267}, {400, 267}, {361, 10},  {521, 38},
                               {638, 113}, {682, 215}, {638, 317}, {521, 392}, {361, 420}, {201, 392},
                               {84, 317},  {40, 215},  {84, 113},  {201, 38}};
    for (int p = 0; p < 16; ++p) {
        EXPECT_EQ(g.T.PileAt(p).X, expected[p][0]) << p;
        EXPECT_EQ(g.T.PileAt(p).Y, expected[p][1]) << p;
    }
    for (int a = 0; a < 16; ++a)
        for (int b = a + 1; b < 16; ++b) {
            const Pile &p = g.T.PileAt(a), &q = g.T.PileAt(b);
            EXPECT_FALSE(p.X < q.X + 71 && q.X < p.X + 71 && p.Y < q.Y + 96 && q.Y < p.Y + 96) << a << " " << b;
        }
}

TEST(SheetGames, DropRules)
{
    // Sun: 0..3 foundations, 4..15 rays.
    ExpectDrops(games::Sun, {
        {"one lower, same suit", {{4, {CardOf(0, 7)}}, {5, {CardOf(0, 6)}}}, CardOf(0, 6), 4, true},
        {"one higher, same suit", {{4, {CardOf(0, 7)}}, {5, {CardOf(0, 8)}}}, CardOf(0, 8), 4, true},
        {"one higher, other suit", {{4, {CardOf(0, 7)}}, {5, {CardOf(1, 8)}}}, CardOf(1, 8), 4, false},
        {"an Ace on its King", {{4, {CardOf(0, 12)}}, {5, {CardOf(0, 0)}}}, CardOf(0, 0), 4, true},
    });
    // Eight Sphinxes: 0 stock, 1 waste, 2..5 foundations, 6..11 tableau, 12..19 sphinxes.
    ExpectDrops(games::EightSphinxes, {
        {"an empty sphinx", {{1, {CardOf(0, 4)}}}, CardOf(0, 4), 12, false},
        {"a sphinx topped by a fitting card", {{13, {CardOf(2, 5)}}, {1, {CardOf(0, 4)}}}, CardOf(0, 4), 13, false},
        {"King from a sphinx to a space", {{12, {CardOf(0, 12)}}}, CardOf(0, 12), 6, true},
        {"King from the waste to a space", {{1, {CardOf(0, 12)}}}, CardOf(0, 12), 6, true},
        {"King with its run to a space", {{7, {CardOf(0, 3), CardOf(0, 12), CardOf(2, 11)}}}, CardOf(0, 12), 6, true},
        {"Queen to a space", {{1, {CardOf(0, 11)}}}, CardOf(0, 11), 6, false},
    });
    // First and Last: 0..7 tableau, 8..15 foundations, 16 stock, 17 waste.
    ExpectDrops(games::FirstAndLast, {
        {"King to a space", {{17, {CardOf(0, 12)}}}, CardOf(0, 12), 0, false},
    });
    // Swedish Packet: 0 stock, 1..4 foundations, 5..12 tableau.
    ExpectDrops(games::SwedishPacket, {
        {"mixed-suit run to a space", {{5, {CardOf(0, 9), CardOf(0, 8), CardOf(2, 7), CardOf(2, 6)}}}, CardOf(2, 7), 6, true},
        {"one lower, any suit", {{5, {CardOf(0, 9)}}, {6, {CardOf(2, 8)}}}, CardOf(2, 8), 5, true},
    });
    // Kings Corners: 0 stock, 1 waste, 2..5 foundations, 6..21 cells.
    ExpectDrops(games::KingsCorners, {
        {"waste card to an empty cell", {{1, {CardOf(0, 4)}}}, CardOf(0, 4), 6, true},
        {"another cell's card to an empty cell", {{7, {CardOf(0, 4)}}}, CardOf(0, 4), 6, false},
        {"waste card onto a filled cell", {{6, {CardOf(1, 5)}}, {1, {CardOf(0, 4)}}}, CardOf(0, 4), 6, false},
    });
    // Sultan: 2..9 foundations, 10 the Sultan, 11..18 the divan.
    ExpectDrops(games::Sultan, {
        {"an Ace of its suit onto the Sultan", {{10, {CardOf(2, 12)}}, {1, {CardOf(2, 0) + SecondDeck}}}, CardOf(2, 0) + SecondDeck, 10, false},
        {"waste card to an empty divan place", {{1, {CardOf(0, 4)}}}, CardOf(0, 4), 11, true},
        {"divan card to another empty place", {{12, {CardOf(0, 4)}}}, CardOf(0, 4), 11, true},
        {"a second card onto a divan place", {{11, {CardOf(1, 5)}}, {1, {CardOf(0, 4)}}}, CardOf(0, 4), 11, false},
        {"a Queen on the Ace foundation's Jack", {{9, SuitRun(2, 0, 10)}, {1, {CardOf(2, 11)}}}, CardOf(2, 11), 9, true},
    });
    // Yukon: 0..6 tableau, 7..10 foundations.
    ExpectDrops(games::Yukon, {
        {"out-of-sequence group on a card of the other colour", {{0, {CardOf(0, 8), CardOf(0, 2)}}, {1, {CardOf(2, 9)}}}, CardOf(0, 8), 1, true},
        {"King with its cards to a space", {{1, {CardOf(0, 3), CardOf(0, 12), CardOf(1, 4)}}}, CardOf(0, 12), 0, true},
        {"Queen to a space", {{1, {CardOf(0, 11)}}}, CardOf(0, 11), 0, false},
    });
}

TEST(SheetGames, PickingUp)
{
    Game g;
    SetUpAndDeal(g, games::SwedishPacket, 1);
    TableState& t = g.T;
    Arrange(t, {{5, {CardOf(0, 8), CardOf(1, 7), CardOf(1, 6)}}, {6, {CardOf(3, 8), CardOf(2, 6), CardOf(2, 7)}}});
    EXPECT_EQ(PickRule(t, CardOf(0, 8)), PickAction::PickUp) << "descending run of mixed suits";
    EXPECT_EQ(PickRule(t, CardOf(3, 8)), PickAction::Nothing) << "out of sequence above it";

    Game y;
    SetUpAndDeal(y, games::Yukon, 1);
    Arrange(y.T, {{2, {CardOf(0, 5), CardOf(1, 9), CardOf(3, 1), CardOf(0, 12)}}}, {CardOf(0, 5)});
    EXPECT_EQ(PickRule(y.T, CardOf(1, 9)), PickAction::PickUp) << "any face-up card with what lies on it";
    EXPECT_EQ(PickRule(y.T, CardOf(0, 5)), PickAction::Nothing);

    Game s;
    SetUpAndDeal(s, games::Sultan, 1);
    EXPECT_EQ(PickRule(s.T, 38), PickAction::Nothing) << "the Sultan stays";
}

}  // namespace
}  // namespace quillo
