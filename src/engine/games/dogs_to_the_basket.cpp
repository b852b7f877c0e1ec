// Dogs to the Basket: four holding piles fed from the waste and emptied onto
// the foundations; every turn of the stock gathers them back into it.
//
//   [0]      [6] [7] [8] [9]      [2]   stock, four holding piles, foundations
//   [1]                           [3]   waste below the stock
//                                 [4]
//                                 [5]

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"

namespace quillo::games {

void DogsToTheBasketLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 10;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 5;
    r.TableFirst = 6;
    r.TableLast = 9;

    const int32_t H = r.CardHeight();
    // A holding pile of 20 cards from the top row.
    r.MinFieldHeight = H + 30 + 19 * r.Upright().VertStep.Y;
    ComputeFieldSize(g);
    PlacePile(t, 0, 0, 7, -1, 15);
    PlacePile(t, 1, 0, 7, -1, H + 35);
    PlacePileRow(t, 2, 5, 6, 1, 4, 0, 0, 7);
    PlacePileRow(t, 6, 9, 2, 0, -1, 15, 1, 7);
    SetFans(t, 1);

    r.TableConsVal = ConsNoOrder;
    r.TableConsSuit = SuitNone;
    r.FillFreeTable = FillFromWaste;
    r.StockRedeals = 3;
    r.TableBuildFrom = BuildFromWasteOrReserve;
    r.StartRank = RankAce;
    r.AutoplayAllowed = true;
    r.EditFoundConsVal = r.EditFillFreeTable = true;
}

void DogsToTheBasketDeal(Game& g)
{
    TableState& t = g.T;
    DealEach(t, t.Rules.TableFirst, t.Rules.TableLast, 1, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
