#include "hit_test.h"

#include "engine/deal.h"
#include "engine/pointer.h"
#include "presentation/field.h"

namespace quillo {

namespace {

const CardSize& SizeOf(const TableState& t, int orientation)
{
    return t.Rules.CardSizes[static_cast<size_t>(orientation & 7)];
}

}  // namespace

int CardAt(TableState& t, const Field& field, int x, int y)
{
    SortPileOrder(t);
    SortDealOrder(t);
    const int piles = std::clamp(t.Rules.PileCount, 0, MaxPiles);
    const int cards = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    for (int k = piles - 1; k >= 0; --k) {
        const int p = t.PileOrder[static_cast<size_t>(k)].PileIndex;
        const CardSize& s = SizeOf(t, t.PileAt(p).Orientation);
        for (int n = cards - 1; n >= 0; --n) {
            const int i = t.DealOrder[static_cast<size_t>(n)].CardIndex;
            const Card& c = t.CardAt(i);
            if (!c.InPlay || c.PileIndex != p) continue;
            if (!(c.X < x && x < c.X + s.Width && c.Y < y && y < c.Y + s.Height)) continue;
            if (field.MaskOpaque(t.PileAt(p).Orientation, x - c.X, y - c.Y)) return i;
        }
    }
    return -1;
}

int PileAt(TableState& t, int x, int y)
{
    SortPileOrder(t);
    const int piles = std::clamp(t.Rules.PileCount, 0, MaxPiles);
    for (int k = 0; k < piles; ++k) {
        const int p = t.PileOrder[static_cast<size_t>(k)].PileIndex;
        const Pile& pile = t.PileAt(p);
        const CardSize& s = SizeOf(t, pile.Orientation);
        if (pile.X < x && x < pile.X + s.Width && pile.Y < y && y < pile.Y + s.Height) return p;
    }
    return -1;
}

}  // namespace quillo
