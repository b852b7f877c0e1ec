// Chameleon: Canfield with three tableau piles building regardless of suit.
//
//   [0] [1]     [2] [3] [4] [5]      stock, waste, four foundations
//   [6]         [7] [8] [9]          reserve of 12, three tableau piles
//
// The first card dealt goes to the first foundation and sets the starting
// rank; an emptied pile takes the reserve's top card (RefillFromReserve).

#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void ChameleonLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    SetReserveRowRanges(r, 3);

    // Building wraps past the Ace, so a column can outgrow a suit.
    r.MinFieldHeight = ColumnFieldHeight(r, 0, 16);
    ComputeFieldSize(g);

    const int lowerRow = LowerRowY(r);
    PlacePileRow(t, 0, 1, 0, 0, -1, 15, 1, 7);
    PlacePileRow(t, 2, 5, 3, 0, -1, 15, 1, 7);
    PlacePile(t, 6, 0, 7, -1, lowerRow);
    PlacePileRow(t, 7, 9, 3, 0, -1, lowerRow, 1, 7);
    SetFans(t, 1);

    SetBuildRules(r, {.TableSuit = SuitNone, .Fill = FillGameRule6, .Move = MoveLegalRun, .StartRank = -1,
                      .TakeBack = true});
    r.EditFillFreeTable = false;  // the dialog has no item for the reserve rule
}

void ChameleonDeal(Game& g)
{
    DealOneEachAndReserve(g, 12);
}

}  // namespace quillo::games
