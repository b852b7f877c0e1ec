#pragma once
// Game setup: turns the current game's catalogue index into a laid-out,
// empty table. Three forms: full (a game is chosen), re-layout (the window
// or card set changed; the deal stays), preview (the chooser's picture).

#include "table_state.h"

namespace quillo {

class Game;

enum class SetupForm { Full, Relayout, Preview };

// Returns false, changing nothing, for a game without a layout routine.
bool SetupGame(Game& g, SetupForm form);
// Lays the table out again for a new field or card size. The deal goes on
// with its counters and clock, and a custom game keeps its own rules rather
// than the base game's that setup writes.
bool RelayoutGame(Game& g);
// Clamps the field to the screen and the layout's minimum; sets the scales.
void ComputeFieldSize(Game& g);
// Puts the rule fields onto the tableau and foundation piles.
void ApplyRules(TableState& t);
// The rule fields every layout routine starts from.
void WriteBaseValues(GameRules& r, bool full);
// Face-up and face-down steps of every pile from its fan and orientation.
void ComputePileSteps(TableState& t);

}  // namespace quillo
