// Parterre: eight open flower beds, four garden benches used as free cells,
// and a stock dealt once.
//
//   [0] [1] [2] [3] [4] [5] [6] [7] [8] [9]   stock, waste, benches, foundations
//       [10][11][12][13][14][15][16][17]      beds, fanned down

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void ParterreLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 18;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.ReserveFirst = 2;
    r.ReserveLast = 5;
    r.FoundFirst = 6;
    r.FoundLast = 9;
    r.TableFirst = 10;
    r.TableLast = 17;

    const int32_t H = r.CardHeight();
    // Fifteen cards below the bed row.
    r.MinFieldHeight = 2 * H + 50 + 14 * r.Upright().VertStep.Y;
    ComputeFieldSize(g);
    PlacePileRow(t, 0, 9, 0, 0, -1, 15, 1, 10);
    PlacePileRow(t, 10, 17, 1, 0, -1, H + 35, 1, 10);
    SetFans(t, 1);

    SetBuildRules(r, {.TableSuit = SuitAlternate, .Move = MoveLegalRun, .TakeBack = true});
    r.FreeCells = true;
}

void ParterreDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {4, 4, 4, 4, 4, 4, 4, 4};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
