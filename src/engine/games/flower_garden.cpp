// Flower Garden: six open beds and a bouquet of sixteen free cards.
//
//       [0] [1] [2] [3]          [10] [11] [12] [13]   foundations; bouquet,
//   [4] [5] [6] [7] [8] [9]      [14] [15] [16] [17]   one card per pile,
//                                [18] [19] [20] [21]   4 x 4 on the right
//                                [22] [23] [24] [25]

#include "../deal_ops.h"
#include "../game.h"
#include "../heuristic.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void FlowerGardenLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 26;
    r.FaceDownFan = DownFanHalf;
    r.FoundFirst = 0;
    r.FoundLast = 3;
    r.TableFirst = 4;
    r.TableLast = 9;
    r.ReserveFirst = 10;
    r.ReserveLast = 25;

    // Six dealt cards, then Queen down to Ace on a King.
    r.MinFieldHeight = ColumnFieldHeight(r, 0, 18);
    ComputeFieldSize(g);

    PlacePileRow(t, 0, 3, 1, 0, -1, 15, 1, 10);
    PlacePileRow(t, 4, 9, 0, 0, -1, LowerRowY(r), 1, 10);
    for (int row = 0; row < 4; ++row) PlacePileRow(t, 10 + 4 * row, 13 + 4 * row, 6, 0, 4, row, 1, 10);
    SetFans(t, 1);

    SetBuildRules(r, {.TableSuit = SuitNone});
}

void FlowerGardenDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    static constexpr int counts[] = {6, 6, 6, 6, 6, 6};
    DealCounts(t, r.TableFirst, r.TableLast, counts, true, FaceMode::AllUp);
    DealEach(t, r.ReserveFirst, r.ReserveLast, 1, FaceMode::AllUp);
}

}  // namespace quillo::games

namespace quillo::games {

// Single cards build down regardless of suit, so shuffling a card between
// equal tops may be the only way to free one and nothing is skipped. Any
// card fits on any card one higher, so built order counts for little beside
// the cards lying above lower ones; an empty bed takes any card and is the
// resource.
const HeuristicWeights FlowerGardenWeights = [] {
    HeuristicWeights w;
    w.Ordered = 0;
    w.Buried = -8;
    w.Waiting = -5;
    w.EmptyPile = 10;
    w.DepthCost = 10;
    w.SkipSeldom = false;
    w.BestFirst = true;
    return w;
}();

}  // namespace quillo::games
