#pragma once
// The cards of a pile by position, for walks from the bottom up.

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

// Every pile's cards by position, found in one walk over the cards, for
// measures that look at many piles at once.
class CardPlaces {
public:
    explicit CardPlaces(const TableState& t)
    {
        for (size_t p = 0; p < MaxPiles; ++p) Base_[p + 1] = Base_[p] + std::clamp(t.Piles[p].Count, 0, MaxCards);
        At_.fill(-1);
        const int n = std::clamp(t.Rules.TotalCards, 0, MaxCards);
        for (int i = 0; i < n; ++i) {
            const Card& c = t.CardAt(i);
            if (!c.InPlay || c.PileIndex < 0 || c.PileIndex >= MaxPiles) continue;
            const int slot = Slot(c.PileIndex, c.Order);
            if (slot != -1) At_[static_cast<size_t>(slot)] = static_cast<int16_t>(i);
        }
    }
    // The card at place k of pile p, counted from the bottom; -1 where none.
    int At(int p, int k) const
    {
        const int slot = Slot(p, k);
        return slot == -1 ? -1 : At_[static_cast<size_t>(slot)];
    }

private:
    static constexpr int Capacity = MaxCards * 2;
    int Slot(int p, int k) const
    {
        const int slot = Base_[static_cast<size_t>(p)] + k;
        return k >= 0 && slot < Base_[static_cast<size_t>(p) + 1] && slot < Capacity ? slot : -1;
    }
    std::array<int, MaxPiles + 1> Base_{};
    std::array<int16_t, Capacity> At_;
};

}  // namespace quillo
