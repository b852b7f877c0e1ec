// Icebreaker: two packs, four foundations that go on past the King. Ten
// columns of four face-down cards under one face-up card; an emptied column
// takes the waste's top card at once; the waste is turned back once. Won
// with 13 cards on every foundation.
//
//   [0] [1]                 [2] [3] [4] [5]   stock, waste, four foundations
//   [6] [7] [8] [9] [10] [11] [12] [13] [14] [15]   tableau

#include "../deal_ops.h"
#include "../game.h"
#include "../game_table.h"
#include "../legality.h"
#include "../moves.h"
#include "../pointer.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void IcebreakerLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    SetRowRanges(r, 2, 4, 10);

    r.MinFieldHeight = ColumnFieldHeight(r, 4, 13);
    ComputeFieldSize(g);
    PlaceRowsOfColumns(t, 10, 6);
    SetFans(t, 1);

    SetBuildRules(r, {.StockRedeals = 2});
}

void IcebreakerDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::TopUp);
    GatherIntoStock(t);
}

void IcebreakerRefill(Game& g, const MoveOutcome&)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    if (r.TableFirst == -1 || r.WasteFirst == -1) return;
    int space = -1;
    for (int p = r.TableFirst; p <= r.TableLast && space == -1; ++p)
        if (t.PileAt(p).Count == 0) space = p;
    if (space == -1) return;
    // An empty stock deals nothing; the space then stays open for any card.
    if (t.PileAt(r.WasteFirst).Count == 0) DealFromStock(g, StockDealNormal);
    const int top = TopCard(t, r.WasteFirst);
    if (top == -1) return;
    t.ActiveCard = top;
    const Card& c = t.CardAt(top);
    PickUp(g, c.X + CardWidthIn(t, c.Orientation) / 2, c.Y + CardHeightIn(t, c.Orientation) / 2);
    AnimateMove(g, space, true);
}

bool IcebreakerWon(const TableState& t)
{
    const GameRules& r = t.Rules;
    if (r.FoundFirst == -1) return false;
    for (int f = r.FoundFirst; f <= r.FoundLast; ++f)
        if (t.PileAt(f).Count < RanksPerSuit) return false;
    return true;
}

}  // namespace quillo::games
