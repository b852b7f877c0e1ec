// Fair Market: the stock deals one card onto each of four stalls (waste
// piles) per press; nine open piles are built down regardless of suit.
//
//   [0] [1] [2] [3] [4] [5] [6] [7] [8]   stock, four stalls, foundations
//   [9] [10] ...                 [17]     tableau, fanned down

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void FairMarketLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 18;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = 1;
    r.WasteLast = 4;
    r.FoundFirst = 5;
    r.FoundLast = 8;
    r.TableFirst = 9;
    r.TableLast = 17;

    const int32_t H = r.CardHeight();
    r.MinFieldHeight = 2 * H + 50 + 14 * r.Upright().VertStep.Y;
    ComputeFieldSize(g);
    PlacePileRow(t, 0, 8, 0, 0, -1, 15, 1, 9);
    PlacePileRow(t, 9, 17, 0, 0, -1, H + 35, 1, 9);
    SetFans(t, 1);

    SetBuildRules(r, {.TableSuit = SuitNone, .Move = MoveLegalRun, .TakeBack = true});
}

void FairMarketDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {3, 3, 3, 3, 3, 3, 3, 3, 3};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
