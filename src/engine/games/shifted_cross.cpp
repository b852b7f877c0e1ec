// Shifted Cross: four arms spread diagonally outwards from a one-card hub;
// the foundations sit where an upright cross has its arms. Arms build down
// in alternating colours; three passes through the stock.
//
//            [7]   [2]   [8]        arms 7, 8 (fanned left, right)
//   [0] [1]  [3]   [6]   [4]        stock, waste; foundations 3, 4; hub 6
//            [9]   [5]   [10]       arms 9, 10 (fanned left, right)

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void ShiftedCrossLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 11;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 5;
    r.ReserveFirst = r.ReserveLast = 6;
    r.TableFirst = 7;
    r.TableLast = 10;

    // Room for eighteen cards on every arm: five buried under a full run.
    const int W = r.CardWidth();
    r.MinFieldWidth = 2 * (17 * r.Upright().HorzStep.X + W + 12) + W;
    ComputeFieldSize(g);
    const int cx = (r.FieldWidth - W) / 2;
    const int xl = cx - W - 12;
    const int xr = cx + W + 12;
    // (pile, x, row of 3)
    const int places[][3] = {{0, 10, 1},  {1, 20 + W, 1}, {2, cx, 0},  {3, xl, 1},  {4, xr, 1}, {5, cx, 2},
                             {6, cx, 1},  {7, xl, 0},     {8, xr, 0},  {9, xl, 2},  {10, xr, 2}};
    for (const auto& p : places) PlacePile(t, p[0], p[1], -1, 3, p[2]);
    SetFans(t, 0);
    t.PileAt(7).FanDir = t.PileAt(9).FanDir = FanLeft;
    t.PileAt(8).FanDir = t.PileAt(10).FanDir = FanRight;

    SetBuildRules(r, {.TableSuit = SuitAlternate, .Move = MoveLegalRun, .StockRedeals = 3, .TakeBack = true});
    r.FreeCells = true;
}

void ShiftedCrossDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {6, 6, 6, 6};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
