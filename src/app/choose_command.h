#pragma once
// What the choose command does after the chooser's OK.

#include <cstdint>
#include <string>
#include <vector>

namespace quillo {

class Game;
struct RecentGame;

// Sets the game up, loads its custom rules for a custom game, deals it and
// moves it to the front of the recent games. A custom game no longer in the
// file is played with its base game's rules, as the built-in game. A game
// that cannot be laid out, or a custom record refused (refused then says
// why), changes nothing and gives false.
bool PlayChosenGame(Game& g, const std::string& customGamesPath, std::vector<RecentGame>& recent, int game,
                    int32_t custom, std::string* refused = nullptr);

}  // namespace quillo
