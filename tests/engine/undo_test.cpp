// The undo history reaches back to the deal, and Redo brings undone actions
// back until a new one is made.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/catalogue.h"
#include "engine/move_list.h"
#include "engine/undo.h"
#include "test_support.h"

namespace quillo {
namespace {

UndoSnapshot SnapshotOf(const TableState& t)
{
    UndoSnapshot s{};
    WriteSnapshot(t, s);
    return s;
}

// Plays up to n random legal actions and returns the table after the deal
// and after every action that recorded a snapshot.
std::vector<UndoSnapshot> PlayRandom(Game& g, int n, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::vector<UndoSnapshot> seen{SnapshotOf(g.T)};
    std::vector<PlayerAction> actions;
    for (int i = 0; i < n && !g.GameWon; ++i) {
        actions.clear();
        ListActions(g.T, actions);
        if (actions.empty()) break;
        const int before = g.Undo.Count();
        PlayAction(g, actions[rng() % actions.size()]);
        if (g.Undo.Count() != before && !g.GameWon) seen.push_back(SnapshotOf(g.T));
    }
    return seen;
}

struct Walk {
    int Game;
    uint32_t Number;
};

class UndoWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(UndoWalk, BackToTheDealAndForwardAgainByteForByte)
{
    Game g;
    test::SetUpAndDeal(g, GetParam().Game, GetParam().Number);
    const std::vector<UndoSnapshot> seen = PlayRandom(g, 150, GetParam().Number);
    const int last = static_cast<int>(seen.size()) - 1;
    ASSERT_GE(last, 40) << "the walk should get somewhere";
    ASSERT_EQ(g.Undo.Count(), last + 1);

    for (int k = last - 1; k >= 0; --k) {
        UndoMove(g);
        ASSERT_EQ(SnapshotOf(g.T), seen[static_cast<size_t>(k)]) << "undo to step " << k;
        EXPECT_EQ(g.UndoEnabled, k > 0);
        EXPECT_TRUE(g.RedoEnabled);
    }
    UndoMove(g);  // nothing before the deal
    EXPECT_EQ(SnapshotOf(g.T), seen[0]);
    for (int k = 1; k <= last; ++k) {
        RedoMove(g);
        ASSERT_EQ(SnapshotOf(g.T), seen[static_cast<size_t>(k)]) << "redo to step " << k;
    }
    EXPECT_FALSE(g.RedoEnabled);
    EXPECT_TRUE(g.UndoEnabled);
}

TEST_P(UndoWalk, ANewActionForgetsWhatRedoHeld)
{
    Game g;
    test::SetUpAndDeal(g, GetParam().Game, GetParam().Number);
    const std::vector<UndoSnapshot> seen = PlayRandom(g, 60, GetParam().Number + 1);
    ASSERT_GE(seen.size(), 10u);
    for (int k = 0; k < 5; ++k) UndoMove(g);
    ASSERT_EQ(g.Undo.RedoCount(), 5);

    const std::vector<UndoSnapshot> branch = PlayRandom(g, 3, 99);
    ASSERT_GE(branch.size(), 2u);
    EXPECT_EQ(g.Undo.RedoCount(), 0);
    EXPECT_FALSE(g.RedoEnabled);
    RedoMove(g);
    EXPECT_EQ(SnapshotOf(g.T), branch.back()) << "Redo has nothing left to bring back";
    // The new branch undoes onto the position it started from.
    for (size_t k = 1; k < branch.size(); ++k) UndoMove(g);
    EXPECT_EQ(SnapshotOf(g.T), seen[seen.size() - 6]);
}

INSTANTIATE_TEST_SUITE_P(Games, UndoWalk,
                         ::testing::Values(Walk{games::Klondike, 1}, Walk{games::Spider, 3}, Walk{games::Braid, 2},
                                           Walk{games::Pyramid, 5}),
                         [](const auto& info) { return std::to_string(info.param.Game); });

TEST(UndoHistory, EditAllReachesUndoneStepsToo)
{
    Game g;
    test::SetUpAndDeal(g, games::Klondike, 4);
    const std::vector<UndoSnapshot> seen = PlayRandom(g, 30, 4);
    ASSERT_GE(seen.size(), 6u);
    for (int k = 0; k < 3; ++k) g.Undo.StepBack();

    // As a re-layout does: every position moves by the same amount.
    g.Undo.EditAll([](UndoSnapshot& s) { s[SnapshotPilesOffset] ^= 0x40; });
    auto moved = [](UndoSnapshot s) {
        s[SnapshotPilesOffset] ^= 0x40;
        return s;
    };
    EXPECT_EQ(g.Undo.RedoCount(), 3);
    EXPECT_EQ(g.Undo.Current(), moved(seen[seen.size() - 4]));
    while (g.Undo.StepForward()) {
    }
    EXPECT_EQ(g.Undo.Current(), moved(seen.back()));
    while (g.Undo.StepBack()) {
    }
    EXPECT_EQ(g.Undo.Current(), moved(seen.front()));
}

}  // namespace
}  // namespace quillo
