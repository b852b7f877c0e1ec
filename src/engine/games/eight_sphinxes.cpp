// Eight Sphinxes: a Klondike-like temple between two rows of sphinxes, each
// guarding two face-down cards under a face-up one.
//
//   [12] [0] [1] [2] [3] [4] [5] [16]     stock, waste, four foundations
//   [13] [6] [7] [8] [9] [10][11] [17]    six tableau piles
//   [14]                          [18]
//   [15]                          [19]    sphinxes: reserves of three cards

#include <algorithm>

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void EightSphinxesLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 20;
    r.FaceDownFan = DownFanHalf;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 5;
    r.TableFirst = 6;
    r.TableLast = 11;
    r.ReserveFirst = 12;
    r.ReserveLast = 19;

    const int H = r.CardHeight();
    r.MinFieldHeight = std::max(4 * H + 40, ColumnFieldHeight(r, 0, 14));
    ComputeFieldSize(g);
    SetFans(t, 1);

    PlacePileRow(t, 0, 5, 1, 0, -1, 15, 1, 8);
    PlacePileRow(t, 6, 11, 1, 0, -1, LowerRowY(r), 1, 8);
    PlacePileRow(t, 12, 15, 0, 1, 4, 0, 0, 8);
    PlacePileRow(t, 16, 19, 7, 1, 4, 0, 0, 8);

    SetBuildRules(r, {.TableSuit = SuitAlternate, .Fill = FillKing, .Move = MoveLegalRun, .StockRedeals = 3, .TakeBack = true});
}

void EightSphinxesDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    DealEach(t, r.ReserveFirst, r.ReserveLast, 3, FaceMode::TopUp);
    DealEach(t, r.TableFirst, r.TableLast, 2, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
