// Forty Thieves: two decks, ten open columns of four, one card at a time.
//
//   [0]  [1]  [2]  [3]  [4]  [5]  [6]  [7]  [8]  [9]    stock, waste, eight foundations
//   [10] [11] [12] [13] [14] [15] [16] [17] [18] [19]   tableau

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void FortyThievesLayout(Game& g)
{
    // Four dealt cards and a whole suit from King down.
    LayOutTenColumnsTwoDecks(g, 0, 16);
    SetBuildRules(g.T.Rules, {});
}

void FortyThievesDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
