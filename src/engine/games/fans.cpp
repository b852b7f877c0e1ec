// Fans: seventeen fans of three and one of a single card, built down in suit
// one card at a time; a space takes only a King. No stock.
//
//        [0]  [1]  [2]  [3]          foundations
//   [4]  [5]  [6]  [7]  [8]          tableau, fanned to the right
//   [9]  [10] [11] [12] [13]
//   [14] [15] [16] [17] [18]
//   [19] [20] [21]

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void FansLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 22;
    r.FaceDownFan = DownFanNone;
    r.FoundFirst = 0;
    r.FoundLast = 3;
    r.TableFirst = 4;
    r.TableLast = 21;

    r.MinFieldHeight = 5 * r.CardHeight() + 30;
    ComputeFieldSize(g);
    PlacePileRow(t, 0, 3, 1, 0, 5, 0, 1, 6);
    const int slot = (r.FieldWidth - 20) / 5;
    for (int p = 4; p <= 21; ++p) {
        const int k = p - 4;
        PlacePile(t, p, 10 + (k % 5) * slot, -1, 5, k / 5 + 1);
    }
    SetFans(t, 2);

    SetBuildRules(r, {.Fill = FillKing, .StockRedeals = StockUnlimited});
}

void FansDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::AllUp);
}

}  // namespace quillo::games
