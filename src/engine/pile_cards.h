#pragma once
// The cards of one pile by position, for walks from the bottom up.

#include <algorithm>
#include <array>

#include "table_state.h"

namespace quillo {

using CardList = std::array<int, MaxCards>;

// Fills out[0..Count-1] with the pile's InPlay cards by Order (-1 where a
// position is missing) and returns the pile's Count (clamped to the array).
inline int CardsByOrder(const TableState& t, int pile, CardList& out)
{
    if (pile < 0 || pile >= MaxPiles) return 0;
    const int count = std::clamp(t.PileAt(pile).Count, 0, MaxCards);
    std::fill(out.begin(), out.begin() + count, -1);
    const int n = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    for (int i = 0; i < n; ++i) {
        const Card& c = t.CardAt(i);
        if (c.InPlay && c.PileIndex == pile && c.Order >= 0 && c.Order < count) out[static_cast<size_t>(c.Order)] = i;
    }
    return count;
}

}  // namespace quillo
