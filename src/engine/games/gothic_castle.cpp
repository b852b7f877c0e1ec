// Gothic Castle: ten walls around a keep of four foundations, built up or
// down in suit, turning the corner between King and Ace.
//
//   [4]  . . .      [0]      [9]  . . .
//   [5]  . . .      [1]      [10] . . .
//   [6]  . . .      [2]      [11] . . .
//   [7]  . . .      [3]      [12] . . .
//   [8]  . . .               [13] . . .    walls fanned to the right

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void GothicCastleLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 14;
    r.FaceDownFan = DownFanNone;
    r.FoundFirst = 0;
    r.FoundLast = 3;
    r.TableFirst = 4;
    r.TableLast = 13;

    r.MinFieldHeight = 5 * r.CardHeight() + 30;
    ComputeFieldSize(g);
    for (int i = 0; i < 4; ++i) PlacePile(t, i, 0, 1, 4, i);
    const int32_t rightX = t.PileAt(0).X + r.CardWidth() + 15;
    for (int row = 0; row < 5; ++row) {
        PlacePile(t, 4 + row, 15, -1, 5, row);
        PlacePile(t, 9 + row, rightX, -1, 5, row);
    }
    SetFans(t, 2);

    SetBuildRules(r, {});
    r.TableConsVal = ConsEither;
}

void GothicCastleDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {6, 5, 5, 5, 5, 6, 5, 5, 5, 5};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::AllUp);
}

}  // namespace quillo::games
