#pragma once
// Per-game behaviour: one row per catalogue game. An empty entry means the
// standard behaviour; a game without a layout cannot be set up yet.

#include <array>

#include "catalogue.h"

namespace quillo {

class Game;

struct GameHooks {
    // Fixes decks, pile ranges, positions, fans and the rules that differ
    // from the base values.
    void (*Layout)(Game&) = nullptr;
    // Lays the shuffled cards onto the piles.
    void (*Deal)(Game&) = nullptr;
    // Runs after every card has taken its pile's orientation.
    void (*AfterDeal)(Game&) = nullptr;
};

const std::array<GameHooks, CatalogueSize>& GameTable();
const GameHooks& HooksOf(int catalogueIndex);
bool IsPlayable(int catalogueIndex);

}  // namespace quillo
