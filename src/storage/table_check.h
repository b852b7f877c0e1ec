#pragma once
// Plausibility of records read from a file. The engine indexes its arrays
// with the numbers these records hold, so a record from disk must keep every
// index inside the arrays before it may reach the live game.

#include <optional>
#include <span>
#include <string>

#include "engine/card.h"
#include "engine/game_rules.h"
#include "engine/undo.h"

namespace quillo {

// Each returns nothing when the record is sound, else what is wrong with it.
std::optional<std::string> CheckRules(const GameRules& r);
// The cards and piles in use by a game with the given (checked) rules.
std::optional<std::string> CheckTable(const GameRules& r, std::span<const Card> cards, std::span<const Pile> piles);
std::optional<std::string> CheckSnapshot(const GameRules& r, const UndoSnapshot& s);

}  // namespace quillo
