// Peacock: the Aces start the foundations; ten single-card feathers, set in
// an arc like a spread tail, are built down in suit.
//
//   [0] [1]                 [2] [3] [4] [5]   stock, waste, foundations
//   [6]                                [15]
//       [7]                        [14]
//          [8] [9] [10] [11] [12] [13]        feathers, fanned down

#include <array>

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void PeacockLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 16;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 5;
    r.TableFirst = 6;
    r.TableLast = 15;

    const int32_t H = r.CardHeight();
    // A 13-card feather on the lowest feather.
    r.MinFieldHeight = 2 * H + 82 + 12 * r.Upright().VertStep.Y;
    ComputeFieldSize(g);
    PlacePileRow(t, 0, 1, 0, 0, -1, 15, 1, 10);
    PlacePileRow(t, 2, 5, 6, 0, -1, 15, 1, 10);
    static constexpr std::array<int32_t, 10> drop = {32, 18, 8, 2, 0, 0, 2, 8, 18, 32};
    for (int k = 0; k < 10; ++k) PlacePile(t, 6 + k, k, 10, -1, H + 35 + drop[static_cast<size_t>(k)]);
    SetFans(t, 1);

    SetBuildRules(r, {.Move = MoveLegalRun, .StockRedeals = 2, .TakeBack = true});
}

// Peacock and New Fashioned: the Aces to the foundations, then one card on
// each tableau pile.
void AcesThenOneEachDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    DealRankToFoundations(t, r.FoundFirst, r.FoundLast, RankAce, false);
    DealEach(t, r.TableFirst, r.TableLast, 1, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
