#pragma once
// Shuffle and new deal. Every deal is reproducible from GameNumber, the
// generator state its shuffle started from.

#include "table_state.h"

namespace quillo {

class Game;

// Shuffles the first TotalCards cards and builds DealOrder.
void Shuffle(TableState& t);
// Sorts DealOrder ascending by each card's current Order (exchange sort).
void SortDealOrder(TableState& t);
// FillRank from FillFreeTable and StartRank.
void ComputeFillRank(GameRules& r);

enum class DealKind { New, Restart, Preview };

// Makes a fresh deal of the current game on a table already set up.
// Returns false for a game that has no deal.
bool NewDeal(Game& g, DealKind kind);

}  // namespace quillo
