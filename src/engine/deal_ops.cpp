#include "deal_ops.h"

#include <algorithm>

#include "random.h"

namespace quillo {

int NextUndealt(const TableState& t, int& cursor)
{
    while (cursor < t.Rules.TotalCards) {
        const int card = t.DealOrder[static_cast<size_t>(cursor++)].CardIndex;
        if (!t.CardAt(card).InPlay) return card;
    }
    return -1;
}

void PlaceCard(TableState& t, int card, int pile, int32_t dx, int32_t dy, int k, bool faceUp)
{
    Card& c = t.CardAt(card);
    Pile& p = t.PileAt(pile);
    c.PileIndex = pile;
    c.X = p.X + dx;
    c.Y = p.Y + dy;
    c.Order = k;
    c.InPlay = true;
    if (faceUp) c.FaceUp = true;
    ++p.Count;
}

void PutAlone(TableState& t, int card, int pile)
{
    PlaceCard(t, card, pile, 0, 0, 0, true);
    t.CardAt(card).Orientation = t.PileAt(pile).Orientation;
    t.PileAt(pile).Count = 1;
}

void SwapCards(TableState& t, int a, int b)
{
    Card& x = t.CardAt(a);
    Card& y = t.CardAt(b);
    std::swap(x.PileIndex, y.PileIndex);
    std::swap(x.X, y.X);
    std::swap(x.Y, y.Y);
    std::swap(x.Order, y.Order);
}

void DealEach(TableState& t, int first, int last, int perPile, FaceMode mode)
{
    int cursor = 0;
    for (int p = first; p <= last; ++p) {
        const Pile& pile = t.PileAt(p);
        for (int k = 0; k < perPile; ++k) {
            const int card = NextUndealt(t, cursor);
            if (card == -1) return;
            int32_t dx, dy;
            if (pile.FanDir == FanStockStack) {
                dx = dy = StockStackOffset(pile, k);
            } else {
                dx = k * pile.FanX;
                dy = k * pile.FanY;
            }
            const bool up = mode == FaceMode::AllUp || (mode == FaceMode::TopUp && k == perPile - 1);
            PlaceCard(t, card, p, dx, dy, k, up);
        }
    }
}

namespace {

// Deals count(i) cards to pile first + i, pile by pile or row by row; place
// decides where and how each card lies.
template <class Count, class Place>
void DealByCounts(TableState& t, int first, int last, Count count, bool roundRobin, Place place)
{
    int cursor = 0;
    const int piles = last - first + 1;
    if (!roundRobin) {
        for (int i = 0; i < piles; ++i) {
            for (int k = 0; k < count(i); ++k) {
                const int card = NextUndealt(t, cursor);
                if (card == -1) return;
                place(card, first + i, k);
            }
        }
        return;
    }
    int rows = 0;
    for (int i = 0; i < piles; ++i) rows = std::max(rows, count(i));
    for (int k = 0; k < rows; ++k) {
        for (int i = 0; i < piles; ++i) {
            if (count(i) <= k) continue;
            const int card = NextUndealt(t, cursor);
            if (card == -1) return;
            place(card, first + i, k);
        }
    }
}

}  // namespace

void DealCounts(TableState& t, int first, int last, std::span<const int> counts, bool roundRobin, FaceMode mode)
{
    auto count = [&](int i) { return i < static_cast<int>(counts.size()) ? counts[static_cast<size_t>(i)] : 0; };
    DealByCounts(t, first, last, count, roundRobin, [&](int card, int p, int k) {
        const Pile& pile = t.PileAt(p);
        int32_t dx, dy;
        if (pile.FanDir == FanStockStack) {
            dx = dy = StockStackOffset(pile, k);
        } else if (mode == FaceMode::AllUp) {
            dx = k * pile.FanX;
            dy = k * pile.FanY;
        } else {
            dx = k * pile.DownFanX;
            dy = k * pile.DownFanY;
        }
        const bool up = mode == FaceMode::AllUp || (mode == FaceMode::TopUp && k == count(p - first) - 1);
        PlaceCard(t, card, p, dx, dy, k, up);
    });
}

void DealPatterns(TableState& t, const Patterns& patterns, int first, int last, bool roundRobin)
{
    auto count = [&](int i) { return static_cast<int>(patterns[static_cast<size_t>(first + i)].size()); };
    std::array<std::pair<int32_t, int32_t>, MaxPiles> offset{};
    DealByCounts(t, first, last, count, roundRobin, [&](int card, int p, int k) {
        const Pile& pile = t.PileAt(p);
        const bool up = patterns[static_cast<size_t>(p)][static_cast<size_t>(k)] == 'F';
        auto& [dx, dy] = offset[static_cast<size_t>(p)];
        PlaceCard(t, card, p, dx, dy, k, up);
        if (pile.FanDir != FanNone) {
            dx += up ? pile.FanX : pile.DownFanX;
            dy += up ? pile.FanY : pile.DownFanY;
        }
    });
}

void DealRankToFoundations(TableState& t, int first, int last, int32_t rank, bool random)
{
    if (!random) {
        int pile = first;
        for (int k = 0; k < t.Rules.TotalCards && pile <= last; ++k) {
            const int card = t.DealOrder[static_cast<size_t>(k)].CardIndex;
            const Card& c = t.CardAt(card);
            if (c.InPlay || c.Rank != rank) continue;
            PutAlone(t, card, pile++);
        }
        return;
    }
    const bool twoDecks = last - first + 1 >= 8;
    uint32_t choices = 4;
    for (int card = 0; card < CardsPerDeck && choices > 0; ++card) {
        if (t.CardAt(card).Rank != rank) continue;
        uint32_t r = Random(t.RandSeed, choices--);
        for (int p = first; p <= first + 3; ++p) {
            if (t.PileAt(p).Count != 0) continue;
            if (r-- == 0) {
                PutAlone(t, card, p);
                if (twoDecks) PutAlone(t, card + CardsPerDeck, p + 4);
                break;
            }
        }
    }
}

void GatherIntoStock(TableState& t)
{
    const int stock = t.Rules.StockPile;
    if (stock == -1) return;
    int cursor = 0;
    for (int card = NextUndealt(t, cursor); card != -1; card = NextUndealt(t, cursor)) {
        const int n = t.PileAt(stock).Count;
        const int32_t o = StockStackOffset(t.PileAt(stock), n);
        PlaceCard(t, card, stock, o, o, n, false);
        t.CardAt(card).Orientation = t.PileAt(stock).Orientation;
    }
}

}  // namespace quillo
