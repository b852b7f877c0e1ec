// Golf: every column card goes onto the one waste heap, a rank up or down
// regardless of suit and without turning the corner. Won when the columns
// are cleared; one pass through the stock.
//
//   [0] [1] [2] [3] [4] [5] [6]     tableau, five cards each
//
//   [7] [8]                         stock, waste (bottom of the field)

#include <algorithm>
#include <cstdlib>

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../legality.h"
#include "../heuristic.h"
#include "games.h"

namespace quillo::games {

void GolfLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 9;
    r.FaceDownFan = DownFanNone;
    r.TableFirst = 0;
    r.TableLast = 6;
    r.StockPile = 7;
    r.WasteFirst = r.WasteLast = 8;

    const int bottom = r.FieldHeight - r.CardHeight() - 15;
    PlacePileRow(t, 0, 6, 0, 0, -1, 15, 1, 7);
    PlacePile(t, 7, 0, 7, -1, bottom);
    PlacePile(t, 8, 1, 7, -1, bottom);
    SetFans(t, 1);

    r.StockRedeals = 1;
    r.StartRank = -1;
}

void GolfDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    static constexpr int counts[] = {5, 5, 5, 5, 5, 5, 5};
    DealCounts(t, r.TableFirst, r.TableLast, counts, true, FaceMode::AllUp);
    DealEach(t, r.WasteFirst, r.WasteLast, 1, FaceMode::AllUp);
    GatherIntoStock(t);
}

int GolfDrop(TableState& t)
{
    const GameRules& r = t.Rules;
    const int s = SourcePile(t);
    const int d = t.DropPile;
    if (d == -1 || d == s || d != r.WasteFirst) return -1;
    if (!r.IsTableau(s) || t.PickedCount != 1) return -1;
    const int top = TopCard(t, r.WasteFirst);
    if (top == -1) return -1;
    // Plain numbers: a King takes only a Queen and an Ace only a Two.
    const int32_t m = t.CardAt(t.ActiveCard).Rank;
    const int32_t w = t.CardAt(top).Rank;
    return m == w + 1 || m == w - 1 ? d : -1;
}

bool GolfWon(const TableState& t)
{
    const GameRules& r = t.Rules;
    for (int p = r.TableFirst; p != -1 && p <= r.TableLast; ++p)
        if (t.PileAt(p).Count != 0) return false;
    return true;
}

bool SomeCardNeverGoes(const TableState& t, int heap, bool wrap)
{
    const GameRules& r = t.Rules;
    const int top = TopCard(t, heap);
    const int n = std::clamp(r.TotalCards, 0, MaxCards);
    auto apart = [&](int a, int b) {
        const int d = std::abs(a - b);
        return d == 1 || (wrap && d == RankKing - RankAce);
    };
    for (int i = 0; i < n; ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || !r.IsTableau(c.PileIndex)) continue;
        bool reachable = false;
        for (int j = 0; j < n && !reachable; ++j) {
            const Card& d = t.CardAt(j);
            if (!d.InPlay || !apart(d.Rank, c.Rank)) continue;
            // A card under c in its own pile comes only after c.
            const bool toCome = r.IsStock(d.PileIndex)
                || (r.IsTableau(d.PileIndex) && (d.PileIndex != c.PileIndex || d.Order > c.Order));
            reachable = toCome || j == top;
        }
        if (!reachable) return true;
    }
    return false;
}

bool GolfHopeless(const TableState& t)
{
    return SomeCardNeverGoes(t, t.Rules.WasteFirst, false);
}

// The waste heap: cards go onto it and never leave. Column cards cleared and
// stock cards kept for later are the progress; the first pass goes best first.
const HeuristicWeights GolfWeights = [] {
    HeuristicWeights w;
    w.Heaps = uint64_t{1} << 8;
    w.Hopeless = GolfHopeless;
    w.Home = w.EmptyPile = w.EmptyCell = w.Ordered = w.Buried = w.Waiting = w.FaceDown = 0;
    w.OnTableau = -10;
    w.InStock = 15;
    w.BestFirst = true;
    return w;
}();

}  // namespace quillo::games
