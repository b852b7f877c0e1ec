// Canfield.
//
//   [0] [1]     [2] [3] [4] [5]      stock, waste, four foundations
//   [6]         [7] [8] [9] [10]     reserve of 13, four tableau piles
//
// The first card dealt goes to the first foundation and sets the starting
// rank of all four.

#include "../deal_ops.h"
#include "../game.h"
#include "../game_table.h"
#include "../legality.h"
#include "../moves.h"
#include "../pointer.h"
#include "../special.h"
#include "../autoplay.h"
#include "../placement.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void CanfieldLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    SetReserveRowRanges(r, 4);

    const int lowerRow = r.CardHeight() + 35;
    PlacePileRow(t, 0, 1, 0, 0, -1, 15, 1, 7);
    PlacePileRow(t, 2, 5, 3, 0, -1, 15, 1, 7);
    PlacePile(t, 6, 0, 7, -1, lowerRow);
    PlacePileRow(t, 7, 10, 3, 0, -1, lowerRow, 1, 7);
    SetFans(t, 1);

    r.TableConsSuit = SuitAlternate;
    r.FillFreeTable = FillGameRule6;
    r.MoveUnit = MoveLegalRun;
    r.StockRedeals = 4;
    r.GetDeckCardNum = 3;
    r.StartRankFromDeal = true;
    r.AutoplayAllowed = true;
    r.FoundTakeCards = true;
    r.EditTableConsVal = r.EditFoundConsVal = r.EditFoundTakeCards = true;
}

void DealOneEachAndReserve(Game& g, int reserveCards)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    DealEach(t, r.TableFirst, r.TableLast, 1, FaceMode::AllUp);
    DealEach(t, r.ReserveFirst, r.ReserveLast, reserveCards, FaceMode::TopUp);
    GatherIntoStock(t);
}

void CanfieldDeal(Game& g)
{
    DealOneEachAndReserve(g, 13);
}

}  // namespace quillo::games

namespace quillo::games {

void RefillFromReserve(Game& g, const MoveOutcome&)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    if (r.ReserveFirst == -1 || r.TableFirst == -1 || t.PileAt(r.ReserveFirst).Count == 0) return;
    for (int p = r.TableFirst; p <= r.TableLast; ++p) {
        if (t.PileAt(p).Count != 0) continue;
        t.ActiveCard = TopCard(t, r.ReserveFirst);
        const Card& c = t.CardAt(t.ActiveCard);
        PickUp(g, c.X + CardWidthIn(t, c.Orientation) / 2, c.Y + CardHeightIn(t, c.Orientation) / 2);
        AnimateMove(g, p, true);
        return;
    }
}

}  // namespace quillo::games
