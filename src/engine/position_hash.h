#pragma once
// A 64-bit key of a position for the solver's table of seen positions: every
// card's pile, place and face, and the counters that limit what comes next.

#include "rule_codes.h"
#include "table_state.h"

#include <cstdint>

namespace quillo {

inline uint64_t PositionHash(const TableState& t)
{
    const GameRules& r = t.Rules;
    // With unlimited passes only the live waste count follows from the pass,
    // so positions that differ in the pass alone are one position.
    const uint64_t pass = r.StockRedeals == StockUnlimited ? 0 : static_cast<uint64_t>(r.StockPass & 0xffff);
    uint64_t h = 1469598103934665603ull
        ^ (pass << 32 | static_cast<uint64_t>(r.TableRedealsUsed & 0xff) << 8
            | static_cast<uint64_t>(r.ActiveWastes & 0xff));
    const int n = r.TotalCards < MaxCards ? r.TotalCards : MaxCards;
    for (int i = 0; i < n; ++i) {
        const Card& c = t.CardAt(i);
        const uint64_t v = static_cast<uint64_t>(c.PileIndex + 1) << 16 | static_cast<uint64_t>(c.Order & 0xff) << 8
            | static_cast<uint64_t>(c.FaceUp) << 1 | static_cast<uint64_t>(c.InPlay);
        h = (h ^ v) * 1099511628211ull;
        h ^= h >> 29;
    }
    return h;
}

} // namespace quillo
