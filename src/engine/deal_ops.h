#pragma once
// Deal operations: each takes cards from DealOrder front to back, skipping
// cards already in play. A deal that runs out of cards simply stops.

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "table_state.h"

namespace quillo {

enum class FaceMode { AllUp = 0, AllDown = 1, TopUp = 2 };

// Offset of position n on a stock stack: every tenth card two pixels
// up-left, never past the field's top or left edge.
inline int32_t StockStackOffset(const Pile& stack, int n)
{
    return std::max(-2 * (n / 10), -std::max(0, std::min(stack.X, stack.Y)));
}

// Places a card on a pile at an offset from its corner, with position k.
void PlaceCard(TableState& t, int card, int pile, int32_t dx, int32_t dy, int k, bool faceUp);
void PutAlone(TableState& t, int card, int pile);
void SwapCards(TableState& t, int a, int b);
void DealEach(TableState& t, int first, int last, int perPile, FaceMode mode);
void DealCounts(TableState& t, int first, int last, std::span<const int> counts, bool roundRobin, FaceMode mode);

// One text per pile: its length is the pile's card count, "F" a face-up card,
// any other character a face-down one, from the bottom up.
using Patterns = std::array<std::string, MaxPiles>;
void DealPatterns(TableState& t, const Patterns& patterns, int first, int last, bool roundRobin);

void DealRankToFoundations(TableState& t, int first, int last, int32_t rank, bool random);
void GatherIntoStock(TableState& t);

// The next card of DealOrder not yet in play, or -1.
int NextUndealt(const TableState& t, int& cursor);

}  // namespace quillo
