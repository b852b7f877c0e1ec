// Forest House: two decks; eight open trees, and a house of four reserve
// piles that alone may fill a clearing while it holds cards.
//
//   [0] [1]     [2] [3] [4] [5]     [6] [10]   stock, waste, house,
//                                   [7] [11]   two columns of foundations
//   [14] ... [21]                   [8] [12]   trees, fanned down
//                                   [9] [13]

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void ForestHouseLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 22;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.ReserveFirst = 2;
    r.ReserveLast = 5;
    r.FoundFirst = 6;
    r.FoundLast = 13;
    r.TableFirst = 14;
    r.TableLast = 21;

    const int32_t H = r.CardHeight();
    r.MinFieldHeight = 2 * H + 50 + 14 * r.Upright().VertStep.Y;
    ComputeFieldSize(g);
    PlacePileRow(t, 0, 1, 0, 0, -1, 15, 1, 10);
    PlacePileRow(t, 2, 5, 3, 0, -1, 15, 1, 10);
    PlacePileRow(t, 6, 9, 8, 1, 4, 0, 0, 10);
    PlacePileRow(t, 10, 13, 9, 1, 4, 0, 0, 10);
    PlacePileRow(t, 14, 21, 0, 0, -1, H + 35, 1, 10);
    SetFans(t, 1);

    // While the house holds cards, only a house card fills a clearing; the
    // code has no dialog item.
    SetBuildRules(r, {.TableSuit = SuitAlternate, .Fill = FillGameRule6, .Move = MoveLegalRun});
    r.EditFillFreeTable = false;
}

void ForestHouseDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    static constexpr int trees[] = {5, 5, 5, 5, 5, 5, 5, 5};
    static constexpr int house[] = {5, 5, 5, 5};
    DealCounts(t, r.TableFirst, r.TableLast, trees, true, FaceMode::AllUp);
    DealCounts(t, r.ReserveFirst, r.ReserveLast, house, false, FaceMode::TopUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
