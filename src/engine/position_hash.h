#pragma once
// A 64-bit key of a position for the solver's table of seen positions: every
// card's pile, place and face, and the counters that limit what comes next.

#include "rule_codes.h"
#include "table_state.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quillo {

inline uint64_t MixBits(uint64_t x)
{
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdull;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ull;
    return x ^ (x >> 33);
}

// alikePiles: the tableau piles are interchangeable, and so are the free
// cells, so positions that differ only in which of them holds what are one.
// heaps: piles (one bit each) that no card ever leaves, where only the top
// card and which cards lie below it count, not their order.
inline uint64_t PositionHash(const TableState& t, bool alikePiles = false, uint64_t heaps = 0)
{
    const GameRules& r = t.Rules;
    std::array<uint64_t, MaxPiles + 1> piles{};
    const int n = std::clamp(r.TotalCards, 0, MaxCards);
    for (int i = 0; i < n; ++i) {
        const Card& c = t.CardAt(i);
        const int p = c.InPlay && c.PileIndex >= 0 && c.PileIndex < MaxPiles ? c.PileIndex : MaxPiles;
        const bool heap = p < MaxPiles && ((heaps >> p) & 1) != 0;
        const bool top = heap && c.Order == t.PileAt(p).Count - 1;
        const uint64_t order = heap ? (top ? 0xfe : 0xff) : static_cast<uint64_t>(c.Order & 0xff);
        piles[static_cast<size_t>(p)]
            += MixBits(static_cast<uint64_t>(i) << 24 | order << 8 | static_cast<uint64_t>(c.FaceUp) << 1 | c.InPlay);
    }
    if (alikePiles) {
        auto sortRange = [&](int first, int last) {
            if (first < 0 || last < first || last >= MaxPiles) return;
            std::sort(piles.begin() + first, piles.begin() + last + 1);
        };
        sortRange(r.TableFirst, r.TableLast);
        sortRange(r.ReserveFirst, r.ReserveLast);
    }
    // With unlimited passes only the live waste count follows from the pass,
    // so positions that differ in the pass alone are one position.
    const uint64_t pass = r.StockRedeals == StockUnlimited ? 0 : static_cast<uint64_t>(r.StockPass & 0xffff);
    uint64_t h = MixBits(pass << 32 | static_cast<uint64_t>(r.TableRedealsUsed & 0xff) << 8
        | static_cast<uint64_t>(r.ActiveWastes & 0xff));
    // Piles mixed apart from one another, so the work overlaps; an empty
    // pile adds nothing.
    for (size_t p = 0; p < piles.size(); ++p)
        if (piles[p] != 0) h += MixBits(piles[p] + p * 0x9e3779b97f4a7c15ull);
    return h;
}

} // namespace quillo
