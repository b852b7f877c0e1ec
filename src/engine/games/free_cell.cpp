// Free Cell: every card dealt face up, four free cells.
//
//   [0] [1] [2] [3]     [4] [5] [6] [7]    free cells, foundations
//   [8] [9] [10] [11] [12] [13] [14] [15]  tableau

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "games.h"

namespace quillo::games {

void FreeCellLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 16;
    r.FaceDownFan = DownFanHalf;
    r.ReserveFirst = 0;
    r.ReserveLast = 3;
    r.FoundFirst = 4;
    r.FoundLast = 7;
    r.TableFirst = 8;
    r.TableLast = 15;

    PlacePileRow(t, 0, 3, 0, 0, -1, 15, 1, 9);
    PlacePileRow(t, 4, 7, 5, 0, -1, 15, 1, 9);
    PlacePileRow(t, 8, 15, 0, 0, -1, r.CardHeight() + 35, 1, 8);
    SetFans(t, 1);

    r.TableConsVal = ConsDescending;
    r.TableConsSuit = SuitAlternate;
    r.FoundConsVal = ConsAscending;
    r.FoundConsSuit = SuitSame;
    r.FillFreeTable = FillAnyCard;
    r.MoveUnit = MoveSingle;
    r.GetDeckCardNum = 1;
    r.StartRank = RankAce;
    r.AutoplayAllowed = true;
    r.FoundTakeCards = true;
    r.FreeCells = true;
    r.EmptyPileClicks = true;
    r.EditTableConsVal = r.EditFoundConsVal = r.EditFillFreeTable = r.EditFoundTakeCards = true;
}

void FreeCellDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {7, 7, 7, 7, 6, 6, 6, 6};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::AllUp);
}

}  // namespace quillo::games
