// Osmosis: four reserves of four and four foundations fanned to the right.
//
//   [6]   [2] ->                [0]    reserve, foundation, stock
//   [7]   [3] ->                [1]    waste
//   [8]   [4] ->
//   [9]   [5] ->
//
// The first card dealt starts pile 2 and sets the starting rank. A lower
// foundation takes a card of its suit only once a card of that rank lies in
// the foundation above it.

#include "../deal_ops.h"
#include "../game.h"
#include "../legality.h"
#include "../placement.h"
#include "games.h"

namespace quillo::games {

void OsmosisLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 10;
    r.FaceDownFan = DownFanHalf;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 5;
    r.ReserveFirst = 6;
    r.ReserveLast = 9;

    for (int i = 0; i < 4; ++i) {
        PlacePile(t, 6 + i, 0, 7, 4, i);
        PlacePile(t, 2 + i, 2, 7, 4, i);
    }
    PlacePile(t, 0, 6, 7, 4, 0);
    PlacePile(t, 1, 6, 7, 4, 1);
    SetFans(t, 0);
    for (int p = 2; p <= 9; ++p) t.PileAt(p).FanDir = FanRight;

    r.FoundConsVal = ConsNoOrder;
    r.GetDeckCardNum = 3;
    r.StartRankFromDeal = true;
    r.AutoplayAllowed = true;
}

void OsmosisDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    Patterns patterns;
    for (int p = r.ReserveFirst; p <= r.ReserveLast; ++p) patterns[static_cast<size_t>(p)] = "SSSF";
    DealPatterns(t, patterns, r.ReserveFirst, r.ReserveLast, true);
    GatherIntoStock(t);
}

int OsmosisDrop(TableState& t)
{
    const GameRules& r = t.Rules;
    const int d = t.DropPile;
    if (d == -1 || d == SourcePile(t) || !r.IsFoundation(d) || !CanDropOnFoundation(t)) return -1;
    if (d == r.FoundFirst) return d;
    const int32_t rank = t.CardAt(t.ActiveCard).Rank;
    for (int i = 0; i < r.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        if (c.InPlay && c.PileIndex == d - 1 && c.Rank == rank) return d;
    }
    return -1;
}

}  // namespace quillo::games
