// Eagle Wing: a trunk of thirteen between eight wings.
//
//   [0] [1]     [2] [3] [4] [5]              stock, waste, four foundations
//   [7] [8] [9] [10] [6] [11] [12] [13] [14]   wings, trunk in the middle
//
// The first card dealt goes to the first foundation and sets the starting
// rank; an emptied wing takes the trunk's top card (RefillFromReserve).
// Canfield's deal serves: one card per wing, thirteen in the trunk.

#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void EagleWingLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    SetReserveRowRanges(r, 8);

    r.MinFieldHeight = ColumnFieldHeight(r, 0, 13);
    ComputeFieldSize(g);

    const int lowerRow = LowerRowY(r);
    PlacePileRow(t, 0, 1, 0, 0, -1, 15, 1, 9);
    PlacePileRow(t, 2, 5, 2, 0, -1, 15, 1, 8);
    PlacePile(t, 6, 4, 9, -1, lowerRow);
    PlacePileRow(t, 7, 10, 0, 0, -1, lowerRow, 1, 9);
    PlacePileRow(t, 11, 14, 5, 0, -1, lowerRow, 1, 9);
    SetFans(t, 1);

    SetBuildRules(r, {.Fill = FillGameRule6, .Move = MoveLegalRun, .StockRedeals = 3, .StartRank = -1,
                      .TakeBack = true});
    r.EditFillFreeTable = false;  // the dialog has no item for the reserve rule
}

}  // namespace quillo::games
