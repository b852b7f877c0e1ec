// Merry Twos: the eight Twos start the foundations; ten single cards built
// down in suit, one card at a time, one pass through the stock.
//
//   [0] [1] [2] [3] [4] [5] [6] [7] [8] [9]       stock, waste, eight foundations
//   [10][11][12][13][14][15][16][17][18][19]      tableau

#include "../deal_ops.h"
#include "../game.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void MerryTwosLayout(Game& g)
{
    LayOutTenColumnsTwoDecks(g, 0, 13);
    // The Twos start the foundations.
    SetBuildRules(g.T.Rules, {.StartRank = 1, .TakeBack = true});
}

void MerryTwosDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    DealRankToFoundations(t, r.FoundFirst, r.FoundLast, 1, false);
    DealEach(t, r.TableFirst, r.TableLast, 1, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
