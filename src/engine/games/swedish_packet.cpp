// Swedish Packet: forty cards face up in eight columns; the packet of
// twelve left over is dealt once, one card across each column.
//
//   [0]             [1] [2] [3] [4]     stock, four foundations
//   [5] [6] [7] [8] [9] [10][11][12]    tableau

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void SwedishPacketLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 13;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.FoundFirst = 1;
    r.FoundLast = 4;
    r.TableFirst = 5;
    r.TableLast = 12;

    r.MinFieldHeight = ColumnFieldHeight(r, 0, 16);
    ComputeFieldSize(g);
    SetFans(t, 1);
    PlacePile(t, 0, 0, 8, -1, 15);
    PlacePileRow(t, 1, 4, 4, 0, -1, 15, 1, 8);
    PlacePileRow(t, 5, 12, 0, 0, -1, LowerRowY(r), 1, 8);

    // One pass only: a second would gather the whole tableau into the stock.
    SetBuildRules(r, {.TableSuit = SuitNone, .Move = MoveLegalRun});
    r.DealToTableau = true;
}

void SwedishPacketDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    DealEach(t, r.TableFirst, r.TableLast, 5, FaceMode::AllUp);
    GatherIntoStock(t);
}

}  // namespace quillo::games
