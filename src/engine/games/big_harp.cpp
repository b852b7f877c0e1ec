// Big Harp: double Klondike on ten columns, one pass through the stock.
//
//   [0] [1] [2] [3] [4] [5] [6] [7] [8] [9]       stock, waste, eight foundations
//   [10][11][12][13][14][15][16][17][18][19]      tableau, 0..9 cards face down

#include "../deal_ops.h"
#include "../game.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void BigHarpLayout(Game& g)
{
    LayOutTenColumnsTwoDecks(g, 9, 13);
    SetBuildRules(g.T.Rules, {.TableSuit = SuitAlternate, .Move = MoveLegalRun, .TakeBack = true});
}

void BigHarpDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::TopUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
