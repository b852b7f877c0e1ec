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
// Rules that name a game against those the game's layout produces: the
// decks, cards and pile ranges must be the layout's, and so must every rule
// the Customize dialog may not change there; what play changes (counters,
// clock, sizes, a starting rank drawn by the deal) may differ.
std::optional<std::string> CheckRulesOfGame(int game, const GameRules& r);
// The catalogue name of a game, or "game N" for an index outside it.
std::string GameNameOf(int game);
// The cards and piles in use by a game with the given (checked) rules.
// placesPile: a pile whose cards keep fixed places (Pyramid's triangle), so
// its Orders are distinct but need not run 0..Count-1; -1 for none.
std::optional<std::string> CheckTable(const GameRules& r, std::span<const Card> cards, std::span<const Pile> piles,
                                      int placesPile = -1);
std::optional<std::string> CheckSnapshot(const GameRules& r, const UndoSnapshot& s, int placesPile = -1);
// The pile of a game whose cards keep fixed places, or -1.
int PlacesPileOf(int game, const GameRules& r);

}  // namespace quillo
