// Women's Kingdom: Canfield-like, with Queens starting the foundations. A
// Queen put home, or played from the reserve onto the tableau, sends up to
// five of the deepest reserve cards under the stock.
//
//   [0] [1]     [2] [3] [4] [5]      stock, waste, four foundations
//   [6]     [7] [8] [9] [10][11]     reserve of 13, five tableau piles

#include "../deal_ops.h"
#include "../game.h"
#include "../game_table.h"
#include "../legality.h"
#include "../placement.h"
#include "../setup.h"
#include "../special.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void WomensKingdomLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 12;
    r.FaceDownFan = DownFanHalf;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 5;
    r.ReserveFirst = r.ReserveLast = 6;
    r.TableFirst = 7;
    r.TableLast = 11;

    r.MinFieldHeight = ColumnFieldHeight(r, 0, 15);
    ComputeFieldSize(g);
    SetFans(t, 1);
    PlacePileRow(t, 0, 1, 0, 0, -1, 15, 1, 7);
    PlacePileRow(t, 2, 5, 3, 0, -1, 15, 1, 7);
    PlacePile(t, 6, 0, 7, -1, LowerRowY(r));
    PlacePileRow(t, 7, 11, 2, 0, -1, LowerRowY(r), 1, 7);

    SetBuildRules(r, {.TableSuit = SuitAlternate, .Fill = FillGameRule6, .Move = MoveLegalRun, .StockRedeals = 3,
                      .StartRank = RankQueen});
    // Taking a Queen back would let the rule drain the reserve at will, and
    // the Customize dialog offers no reserve-only filling.
    r.EditFillFreeTable = r.EditFoundTakeCards = false;
}

void WomensKingdomDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    DealEach(t, r.TableFirst, r.TableLast, 1, FaceMode::AllUp);
    DealEach(t, r.ReserveFirst, r.ReserveLast, 13, FaceMode::TopUp);
    GatherIntoStock(t);
}

// The move's own snapshot, taken after this rule, covers the turned cards,
// so one Undo takes back the Queen's move and the turn together.
void WomensKingdomFollowUp(Game& g, const MoveOutcome& m)
{
    const TableState& t = g.T;
    const GameRules& r = t.Rules;
    if (!m.Completed) return;
    const bool home = r.IsFoundation(m.Target);
    const bool fromReserve = r.IsTableau(m.Target) && m.Source == r.ReserveFirst;
    if (!home && !fromReserve) return;
    const int top = TopCard(t, m.Target);
    if (top != -1 && t.CardAt(top).Rank == RankQueen) RotateReserve(g, 5);
}

}  // namespace quillo::games
