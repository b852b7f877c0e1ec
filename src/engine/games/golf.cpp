// Golf: every column card goes onto the one waste heap, a rank up or down
// regardless of suit and without turning the corner. Won when the columns
// are cleared; one pass through the stock.
//
//   [0] [1] [2] [3] [4] [5] [6]     tableau, five cards each
//
//   [7] [8]                         stock, waste (bottom of the field)

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../legality.h"
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

}  // namespace quillo::games
