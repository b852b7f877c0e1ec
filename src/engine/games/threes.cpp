// Threes: the four Threes start the foundations, which wrap on to the Two.
// Eight piles of three cards built down in suit; only a Two fills a space;
// the stock is dealt three at a time, three passes.
//
//   [0] [1]         [2] [3] [4] [5]      stock, waste, four foundations
//   [6] [7] [8] [9] [10] [11] [12] [13]  tableau, two cards face down

#include "../deal_ops.h"
#include "../game.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void ThreesLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    SetRowRanges(r, 1, 4, 8);

    r.MinFieldHeight = ColumnFieldHeight(r, 2, 13);
    ComputeFieldSize(g);
    PlaceRowsOfColumns(t, 8, 4);
    SetFans(t, 1);

    // The Threes start the foundations; a Two, one below, fills a space.
    SetBuildRules(r, {.Fill = FillKing, .Move = MoveLegalRun, .StockRedeals = 3, .DeckCards = 3, .StartRank = 2});
}

void ThreesDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    static constexpr int counts[] = {3, 3, 3, 3, 3, 3, 3, 3};
    DealRankToFoundations(t, r.FoundFirst, r.FoundLast, 2, false);
    DealCounts(t, r.TableFirst, r.TableLast, counts, true, FaceMode::TopUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
