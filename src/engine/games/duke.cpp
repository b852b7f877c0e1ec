// Duke: four reserves of three cards spread to the right, four tableau
// piles built down in alternating colours; a space takes any card or run;
// three passes through the stock.
//
//   [0] [1]         [2]  [3]  [4]  [5]     stock, waste, foundations
//   [6] [7]         [10] [11] [12] [13]    reserves 6..9 in a 2 x 2 block,
//   [8] [9]                                tableau 10..13

#include "../deal_ops.h"
#include "../game.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void DukeLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 14;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 5;
    r.ReserveFirst = 6;
    r.ReserveLast = 9;
    r.TableFirst = 10;
    r.TableLast = 13;

    r.MinFieldHeight = ColumnFieldHeight(r, 0, 13);
    ComputeFieldSize(g);
    const int W = r.CardWidth(), H = r.CardHeight();
    const int hs = r.Upright().HorzStep.X;
    PlacePile(t, 0, 0, 7, -1, 15);
    const int xa = t.PileAt(0).X;
    const int xb = xa + W + 2 * hs + 16;
    PlacePile(t, 1, xa + W + 10, -1, -1, 15);
    PlacePileRow(t, 2, 5, 3, 0, -1, 15, 1, 7);
    PlacePile(t, 6, xa, -1, -1, LowerRowY(r));
    PlacePile(t, 7, xb, -1, -1, LowerRowY(r));
    PlacePile(t, 8, xa, -1, -1, 2 * H + 45);
    PlacePile(t, 9, xb, -1, -1, 2 * H + 45);
    PlacePileRow(t, 10, 13, 3, 0, -1, LowerRowY(r), 1, 7);
    SetFans(t, 1);
    for (int p = 6; p <= 9; ++p) t.PileAt(p).FanDir = FanRight;

    SetBuildRules(r, {.TableSuit = SuitAlternate, .Move = MoveLegalRun, .StockRedeals = 3, .TakeBack = true});
}

void DukeDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    static constexpr int counts[] = {3, 3, 3, 3};
    DealCounts(t, r.ReserveFirst, r.ReserveLast, counts, true, FaceMode::AllUp);
    DealEach(t, r.TableFirst, r.TableLast, 1, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
