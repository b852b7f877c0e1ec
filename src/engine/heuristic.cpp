#include "heuristic.h"

#include "game_table.h"
#include "legality.h"
#include "pile_cards.h"

#include <algorithm>
#include <array>

namespace quillo {

HeuristicWeights WeightsFor(int game)
{
    const HeuristicWeights* own = HooksOf(game).Weights;
    return own != nullptr ? *own : HeuristicWeights{};
}

int Heuristic(const TableState& t, const HeuristicWeights& w)
{
    const GameRules& r = t.Rules;
    const int n = r.TotalCards < MaxCards ? r.TotalCards : MaxCards;
    const CardPlaces places(t);
    int score = 0;
    // The lowest card of each suit still out: the card its foundation waits for.
    std::array<int, 4> waited{ -1, -1, -1, -1 };
    for (int i = 0; i < n; ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || r.IsFoundation(c.PileIndex)) {
            score += w.Home;
            continue;
        }
        if (c.Suit >= 0 && c.Suit < 4) {
            int& low = waited[static_cast<size_t>(c.Suit)];
            if (low == -1 || t.CardAt(low).Rank > c.Rank) low = i;
        }
        if (!c.FaceUp) score += w.FaceDown;
        if (r.IsTableau(c.PileIndex)) score += w.OnTableau;
        if (r.IsStock(c.PileIndex)) score += w.InStock;
    }
    for (int p = r.TableFirst; p != -1 && p <= r.TableLast && p < MaxPiles; ++p) {
        const int count = t.PileAt(p).Count;
        if (count == 0) {
            score += w.EmptyPile;
            continue;
        }
        bool run = w.KingRun != 0;
        int lowest = RanksPerSuit;
        for (int k = 0; k < count; ++k) {
            const int i = places.At(p, k);
            if (i == -1) {
                run = false;
                continue;
            }
            const Card& c = t.CardAt(i);
            if (c.Rank > lowest) score += w.Buried;
            lowest = std::min(lowest, c.Rank);
            if (k == 0) {
                run = run && c.FaceUp && c.Rank == RankKing;
                if (run) score += w.KingRun;
                continue;
            }
            const int j = places.At(p, k - 1);
            if (j == -1) continue;
            const Card& below = t.CardAt(j);
            const bool fits = c.FaceUp && below.FaceUp && SuitFits(r.TableConsSuit, c, below)
                && RankFits(t, r.TableConsVal, c, below, false);
            if (fits) score += w.Ordered;
            run = run && fits && c.Suit == below.Suit && c.Rank == below.Rank - 1;
            if (run) score += w.KingRun;
        }
    }
    for (const int i : waited)
        if (i != -1 && r.IsTableau(t.CardAt(i).PileIndex))
            score += w.Waiting * (t.PileAt(t.CardAt(i).PileIndex).Count - 1 - t.CardAt(i).Order);
    for (int p = r.ReserveFirst; p != -1 && p <= r.ReserveLast && p < MaxPiles; ++p)
        if (t.PileAt(p).Count == 0) score += w.EmptyCell;
    return score;
}

} // namespace quillo
