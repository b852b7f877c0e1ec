// Prints a won deal as the keys a player presses, one xdotool key name a
// line: the small search finds the line, and each action is played by keys
// on a copy of the game to check that the keys reach the win.
//
//   keyboard_line GAME NUMBER

#include <cstdio>
#include <cstdlib>

#include "engine/key_play.h"
#include "engine/win_search.h"

int main(int argc, char** argv)
{
    using namespace quillo;
    if (argc != 3) {
        std::fprintf(stderr, "usage: keyboard_line GAME NUMBER\n");
        return 2;
    }
    const int game = std::atoi(argv[1]);
    const auto number = static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10));
    if (game < 0 || game >= CatalogueSize || !IsPlayable(game)) {
        std::fprintf(stderr, "no such game: %s\n", argv[1]);
        return 2;
    }
    const test::WinLine line = test::FindWin(game, number, 20000);
    if (!line.Won) {
        std::fprintf(stderr, "no win found in %ld positions\n", line.Nodes);
        return 1;
    }
    Game g;
    test::SetUpAndDeal(g, game, number);
    KeyPlay k;
    std::vector<KeyCommand> keys;
    for (const PlayerAction& a : line.Actions)
        if (!test::PlayActionByKeys(g, k, a, keys)) {
            std::fprintf(stderr, "an action the keys cannot play\n");
            return 1;
        }
    if (!g.GameWon) {
        std::fprintf(stderr, "the keys did not win\n");
        return 1;
    }
    for (KeyCommand c : keys) std::printf("%s\n", test::KeyName(c));
    std::fprintf(stderr, "%zu actions, %zu keys\n", line.Actions.size(), keys.size());
    return 0;
}
