// Four Seasons: a cross of five cards with the foundations in its corners.
// The first card dealt fixes the foundations' base rank; the cross is built
// down regardless of suit, one card at a time; one pass through the stock.
//
//                [2]  [6]  [3]       foundations at the corners,
//   [0]  [1]     [7]  [8]  [9]       the cross in between
//                [4]  [10] [5]
//   stock, waste

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void FourSeasonsLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 11;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 5;
    r.TableFirst = 6;
    r.TableLast = 10;

    // (pile, col of 7, row of 3)
    static constexpr int places[][3] = {{0, 0, 1}, {1, 1, 1}, {2, 2, 0}, {3, 4, 0}, {4, 2, 2}, {5, 4, 2},
                                        {6, 3, 0}, {7, 2, 1}, {8, 3, 1}, {9, 4, 1}, {10, 3, 2}};
    for (const auto& p : places) PlacePile(t, p[0], p[1], 7, 3, p[2]);
    SetFans(t, 0);

    SetBuildRules(r, {.TableSuit = SuitNone, .StartRank = -1});
}

void FourSeasonsDeal(Game& g)
{
    TableState& t = g.T;
    DealEach(t, t.Rules.TableFirst, t.Rules.TableLast, 1, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
