// Look of Fortune: the Aces start the foundations; twelve single cards built
// down in suit one at a time; a space is filled from the waste only; one
// pass through the stock.
//
//   [0] [1]        [2] [3] [4] [5]     stock, waste, four foundations
//     [6]    [7]    [8]    [9]         tableau, three rows of four,
//     [10]   [11]   [12]   [13]        fanned to the right
//     [14]   [15]   [16]   [17]

#include "../game.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void LookOfFortuneLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    SetRowRanges(r, 1, 4, 12);

    const int H = r.CardHeight();
    PlacePile(t, 0, 0, 7, -1, 15);
    t.PileAt(1).X = t.PileAt(0).X + r.CardWidth() + 10;
    t.PileAt(1).Y = 15;
    PlacePileRow(t, 2, 5, 3, 0, -1, 15, 1, 7);
    for (int row = 0; row < 3; ++row)
        PlacePileRow(t, 6 + 4 * row, 9 + 4 * row, 0, 0, -1, LowerRowY(r) + row * (H + 16), 1, 4);
    SetFans(t, 2);

    SetBuildRules(r, {.Fill = FillFromWaste});
}

}  // namespace quillo::games
