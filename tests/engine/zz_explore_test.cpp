#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include "win_search.h"
using namespace quillo;
TEST(Explore, FindWinnable)
{
    const char* g = std::getenv("EXPLORE_GAME");
    if (!g) GTEST_SKIP();
    const int game = std::atoi(g);
    for (uint32_t n = 1; n <= 40; ++n) {
        auto line = test::FindWin(game, n, 100000);
        std::printf("game %d number %u won %d moves %zu nodes %ld\n", game, n, line.Won, line.Actions.size(), line.Nodes);
        if (line.Won) break;
    }
}
