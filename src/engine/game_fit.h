#pragma once
// The piles and decks each game's layout produces. The deal and every game
// hook index their tables by the rules' pile ranges, so a rules record that
// came from a file is played only by the game whose layout it fits.

#include <optional>
#include <string>

#include "game_rules.h"

namespace quillo {

struct TableState;

// The rules the game's layout routine writes on a fresh table (setup in
// full, no view), or null for a game that cannot be set up. Laid out once
// per run.
const GameRules* LaidOutRules(int game);
// What in the rules' decks, cards, pile count and pile ranges differs from
// the game's layout, or nothing when they fit.
std::optional<std::string> ShapeMismatch(int game, const GameRules& r);
// Whether the table's game may run its deal and hooks on it. A table that
// does not fit is a fault upstream: asserted in debug builds, refused else.
bool TableFitsGame(const TableState& t);

}  // namespace quillo
