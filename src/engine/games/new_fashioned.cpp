// New Fashioned: the Aces start the foundations, built up regardless of
// suit; each press of the stock deals one card onto every tableau pile.
//
//   [0]  [5] [6] [7] [8] [9] [10]  [1]   stock, tableau fanned down,
//                                  [2]   foundations in a column
//                                  [3]
//                                  [4]

#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void NewFashionedLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 11;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.FoundFirst = 1;
    r.FoundLast = 4;
    r.TableFirst = 5;
    r.TableLast = 10;

    // Twenty cards from the top row.
    r.MinFieldHeight = r.CardHeight() + 30 + 19 * r.Upright().VertStep.Y;
    ComputeFieldSize(g);
    PlacePile(t, 0, 0, 8, -1, 15);
    PlacePileRow(t, 5, 10, 1, 0, -1, 15, 1, 8);
    PlacePileRow(t, 1, 4, 7, 1, 4, 0, 0, 8);
    SetFans(t, 1);

    SetBuildRules(r, {.TableSuit = SuitNone});
    r.FoundConsSuit = SuitNone;
    r.DealToTableau = true;
}

}  // namespace quillo::games
