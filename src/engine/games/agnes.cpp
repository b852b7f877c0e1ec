// Agnes: Klondike's deal under a row of seven reserve piles that the stock
// feeds, one card each per press. The first card dealt starts the
// foundations and fixes their base rank.
//
//   [0] [5] [6] [7] [8] [9] [10] [11]  [1]    stock, seven reserve piles, foundation 1
//                                      [2]
//   [12][13][14][15][16][17][18]       [3]    tableau, 0..6 cards face down
//                                      [4]    foundations 2..4 below foundation 1

#include "../deal_ops.h"
#include "../game.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void AgnesLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 19;
    r.FaceDownFan = DownFanHalf;
    r.StockPile = 0;
    r.FoundFirst = 1;
    r.FoundLast = 4;
    // The stock deals onto these and only their top cards can be taken.
    r.WasteFirst = 5;
    r.WasteLast = 11;
    r.TableFirst = 12;
    r.TableLast = 18;

    r.MinFieldHeight = ColumnFieldHeight(r, 6, 13);
    ComputeFieldSize(g);
    const int H = r.CardHeight();
    PlacePile(t, 0, 0, 9, -1, 15);
    PlacePileRow(t, 5, 11, 1, 0, -1, 15, 1, 9);
    for (int k = 0; k < 4; ++k) PlacePile(t, 1 + k, 8, 9, -1, 15 + k * (H + 8));
    PlacePileRow(t, 12, 18, 0, 0, -1, LowerRowY(r), 1, 9);
    SetFans(t, 1);

    SetBuildRules(r, {.TableSuit = SuitAlternate, .Fill = FillKing, .Move = MoveLegalRun, .StartRank = -1});
}

void AgnesDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    static constexpr int counts[] = {1, 2, 3, 4, 5, 6, 7};
    DealCounts(t, r.TableFirst, r.TableLast, counts, true, FaceMode::TopUp);
    DealEach(t, r.WasteFirst, r.WasteLast, 1, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
