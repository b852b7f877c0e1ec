// Trial: a one-deck Klondike whose emptied piles stay empty until the stock
// is spent.
//
//   [0] [1]         [2] [3] [4] [5]    stock, waste, four foundations
//   [6] [7] [8] [9] [10] [11] [12] [13] eight tableau piles, fanned down

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void TrialLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    SetRowRanges(r, 1, 4, 8);

    const int32_t H = r.CardHeight();
    const int32_t vs = r.Upright().VertStep.Y;
    // Two half-stepped face-down cards and a 13-card run below the row.
    r.MinFieldHeight = 2 * H + 40 + 2 * (vs / 2) + 12 * vs;
    ComputeFieldSize(g);
    PlaceRowsOfColumns(t, 8, 4);
    SetFans(t, 1);

    // An emptied pile waits for the stock to run out; FillRank stays -1. The
    // code has no dialog item, so the filling is not offered for editing.
    SetBuildRules(r, {.TableSuit = SuitAlternate, .Fill = FillGameRule8, .Move = MoveLegalRun, .StockRedeals = 2,
                      .TakeBack = true});
    r.EditFillFreeTable = false;
}

void TrialDeal(Game& g)
{
    TableState& t = g.T;
    Patterns patterns;
    for (int p = t.Rules.TableFirst; p <= t.Rules.TableLast; ++p) patterns[static_cast<size_t>(p)] = "SSF";
    DealPatterns(t, patterns, t.Rules.TableFirst, t.Rules.TableLast, true);
    GatherIntoStock(t);
}

}  // namespace quillo::games
