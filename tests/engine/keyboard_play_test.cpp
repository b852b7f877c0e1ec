// Keyboard play: where the arrows take the cursor on real deals, and whole
// won lines played by keys leave the same tables as the mouse's presses.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "engine/keyboard_cursor.h"
#include "engine/pointer.h"
#include "key_play.h"
#include "test_support.h"
#include "win_search.h"

namespace quillo {
namespace {

using M = CursorMove;

// A place as the rows name it: a pile and a card by its position in the
// pile, -1 for the top.
struct Place {
    int Pile;
    int Order;
};

struct Walk {
    const char* Name;
    int Game;
    uint32_t Number;
    Place From;
    std::vector<M> Moves;
    Place To;
};

KeyCursor CursorAt(const TableState& t, Place p)
{
    return {p.Pile, p.Order == -1 ? -1 : test::CardsOf(t, p.Pile)[static_cast<size_t>(p.Order)]};
}

// Klondike: stock, waste, a gap, four foundations above seven piles.
// Free Cell: four cells and four foundations above eight face-up fans.
// Yukon: seven piles with five face-up cards, the foundations in a column.
const Walk Walks[] = {
    {"RightAlongTheTopRow", games::Klondike, 1, {0, -1}, {M::Right}, {1, -1}},
    {"RightOverTheGap", games::Klondike, 1, {1, -1}, {M::Right}, {2, -1}},
    {"RightStopsAtTheEdge", games::Klondike, 1, {4, -1}, {M::Right, M::Right, M::Right}, {5, -1}},
    {"LeftStopsAtTheEdge", games::Klondike, 1, {7, -1}, {M::Left, M::Left}, {6, -1}},
    {"DownFromStock", games::Klondike, 1, {0, -1}, {M::Down}, {6, -1}},
    {"DownFromFoundation", games::Klondike, 1, {3, -1}, {M::Down}, {10, -1}},
    {"UpFromLastPile", games::Klondike, 1, {12, -1}, {M::Up}, {5, -1}},
    {"UpAndDownAgain", games::Klondike, 1, {10, -1}, {M::Up, M::Down}, {10, -1}},
    {"DownStopsAtTheBottom", games::Klondike, 1, {9, -1}, {M::Down}, {9, -1}},
    {"UpIntoTheFan", games::FreeCell, 1, {8, -1}, {M::Up, M::Up}, {8, 4}},
    {"DownBackToTheTop", games::FreeCell, 1, {8, 3}, {M::Down, M::Down, M::Down}, {8, -1}},
    {"UpThroughTheFanToTheCells", games::FreeCell, 1, {8, -1}, std::vector<M>(7, M::Up), {0, -1}},
    {"SidewaysLeavesTheFan", games::FreeCell, 1, {9, 2}, {M::Right}, {10, -1}},
    {"FaceDownCardsAreSkipped", games::Yukon, 1, {1, -1}, std::vector<M>(6, M::Up), {1, 1}},
    {"RightToTheFoundationColumn", games::Yukon, 1, {6, -1}, {M::Right}, {7, -1}},
    {"DownTheFoundationColumn", games::Yukon, 1, {7, -1}, {M::Down, M::Down}, {9, -1}},
};

class CursorWalk : public testing::TestWithParam<Walk> {};

TEST_P(CursorWalk, EndsWhereExpected)
{
    const Walk& w = GetParam();
    Game g;
    test::SetUpAndDeal(g, w.Game, w.Number);
    KeyCursor c = CursorAt(g.T, w.From);
    for (M m : w.Moves) c = MoveCursor(g.T, c, m, false);
    const KeyCursor want = FitCursor(g.T, CursorAt(g.T, w.To));
    EXPECT_EQ(c.Pile, want.Pile);
    EXPECT_EQ(c.Card, want.Card);
}

INSTANTIATE_TEST_SUITE_P(RealDeals, CursorWalk, testing::ValuesIn(Walks),
                         [](const testing::TestParamInfo<Walk>& info) { return std::string(info.param.Name); });

TEST(CursorFrame, CoversTheCardAndTheCardsOnIt)
{
    Game g;
    test::SetUpAndDeal(g, games::FreeCell, 1);
    const TableState& t = g.T;
    const std::vector<int> pile = test::CardsOf(t, 8);
    const Card& from = t.CardAt(pile[3]);
    const Card& top = t.CardAt(pile.back());
    const CursorBox box = CursorFrame(t, {8, pile[3]});
    EXPECT_EQ(box.Left, from.X);
    EXPECT_EQ(box.Top, from.Y);
    EXPECT_EQ(box.Bottom, top.Y + CardHeightIn(t, top.Orientation) - 1);
    // An empty place is framed by its own box.
    const Pile& cell = t.PileAt(0);
    EXPECT_EQ(CursorFrame(t, {0, -1}),
        (CursorBox{ cell.X, cell.Y, cell.X + CardWidthIn(t, cell.Orientation) - 1,
            cell.Y + CardHeightIn(t, cell.Orientation) - 1 }));
}

// Cards and piles alike; the stacking order of the piles may differ, as
// Shift+Enter (the right button) raises no pile where a drag does.
bool SameCards(const TableState& a, const TableState& b)
{
    for (int p = 0; p < MaxPiles; ++p) {
        Pile x = a.PileAt(p), y = b.PileAt(p);
        x.Layer = y.Layer = 0;
        if (!(x == y)) return false;
    }
    return a.Cards == b.Cards;
}

struct Deal {
    int Game;
    uint32_t Number;
};

// Deals the small search wins, in games with stocks, fans, cells and a
// foundation column.
const Deal KeyedDeals[] = {
    {games::Klondike, 33}, {games::FreeCell, 32}, {games::Yukon, 3}, {games::Canfield, 9}, {games::Agnes, 13},
};

class KeyedLine : public testing::TestWithParam<Deal> {};

TEST_P(KeyedLine, KeysLeaveTheMouseTableAtEveryStep)
{
    const Deal d = GetParam();
    const test::WinLine line = test::FindWin(d.Game, d.Number, 20000);
    ASSERT_TRUE(line.Won);
    Game mouse, keys;
    test::SetUpAndDeal(mouse, d.Game, d.Number);
    test::SetUpAndDeal(keys, d.Game, d.Number);
    mouse.T.Opt.Autoplay = keys.T.Opt.Autoplay = true;
    KeyPlay k;
    std::vector<KeyCommand> pressed;
    for (size_t n = 0; n < line.Actions.size(); ++n) {
        PlayAction(mouse, line.Actions[n]);
        ASSERT_TRUE(test::PlayActionByKeys(keys, k, line.Actions[n], pressed)) << "action " << n;
        ASSERT_TRUE(SameCards(mouse.T, keys.T)) << "after action " << n << " of " << line.Actions.size();
        ASSERT_FALSE(keys.T.Dragging);
    }
    EXPECT_TRUE(keys.GameWon);
    EXPECT_EQ(keys.Undo.Count(), mouse.Undo.Count());
}

INSTANTIATE_TEST_SUITE_P(WonDeals, KeyedLine, testing::ValuesIn(KeyedDeals),
                         [](const auto& info) { return test::GameTestName(info.param.Game); });

// Escape, a refused drop and a drop back on the own pile all return the
// group to where it lay, without an undo step.
TEST(KeyCarry, ReturnsTheGroupWhenNotDropped)
{
    using K = KeyCommand;
    const std::vector<std::vector<K>> endings = {
        { K::Right, K::Cancel },
        { K::Right, K::Right, K::Left, K::Left, K::Activate },
        { K::Activate }, // the cursor on an empty foundation: refused unless the card is an Ace
    };
    for (const auto& ending : endings) {
        Game g;
        test::SetUpAndDeal(g, games::FreeCell, 1);
        const TableState before = g.T;
        KeyPlay k;
        k.Cursor = { 8, -1 };
        PlayKey(g, k, K::Activate);
        ASSERT_TRUE(k.Carrying && g.T.Dragging);
        if (ending.size() == 1) k.Cursor = { 4, -1 };
        for (K c : ending)
            PlayKey(g, k, c);
        EXPECT_FALSE(k.Carrying || g.T.Dragging);
        EXPECT_TRUE(SameCards(g.T, before));
        EXPECT_EQ(g.Undo.Count(), 1);
    }
}

}  // namespace
}  // namespace quillo
