// Cat's Tail: two decks in eight piles of thirteen, each headed by a King;
// eight free cells; runs of any length move as a unit.
//
//       [0] [1] [2] [3] [4] [5] [6] [7]       free cells
//   [8] [16][17][18][19][20][21][22][23] [12] tableau, fanned down,
//   [9]                                  [13] between two columns of
//   [10]                                 [14] foundations
//   [11]                                 [15]

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void CatsTailLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 24;
    r.FaceDownFan = DownFanNone;
    r.ReserveFirst = 0;
    r.ReserveLast = 7;
    r.FoundFirst = 8;
    r.FoundLast = 15;
    r.TableFirst = 16;
    r.TableLast = 23;

    const int32_t H = r.CardHeight();
    // Twenty cards below the tableau row.
    r.MinFieldHeight = 2 * H + 50 + 19 * r.Upright().VertStep.Y;
    ComputeFieldSize(g);
    PlacePileRow(t, 0, 7, 1, 0, -1, 15, 1, 10);
    PlacePileRow(t, 8, 11, 0, 1, 4, 0, 0, 10);
    PlacePileRow(t, 12, 15, 9, 1, 4, 0, 0, 10);
    PlacePileRow(t, 16, 23, 1, 0, -1, H + 35, 1, 10);
    SetFans(t, 1);

    // Any legal run moves at once, whatever the number of empty cells.
    SetBuildRules(r, {.TableSuit = SuitAlternate, .Fill = FillNever, .Move = MoveLegalRun});
    r.FreeCells = true;
}

void CatsTailDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    static constexpr int counts[] = {13, 13, 13, 13, 13, 13, 13, 13};
    DealCounts(t, r.TableFirst, r.TableLast, counts, true, FaceMode::AllUp);
    // Every pile is headed by a King: the i-th King of the deal changes places
    // with the bottom card of pile i. Kings already placed lie on lower piles
    // and are never met again as bottom cards.
    int pile = r.TableFirst;
    for (int k = 0; k < r.TotalCards && pile <= r.TableLast; ++k) {
        const int king = t.DealOrder[static_cast<size_t>(k)].CardIndex;
        if (t.CardAt(king).Rank != RankKing) continue;
        int bottom = -1;
        for (int i = 0; i < r.TotalCards; ++i) {
            const Card& c = t.CardAt(i);
            if (c.InPlay && c.PileIndex == pile && c.Order == 0) bottom = i;
        }
        if (bottom != -1 && bottom != king) SwapCards(t, king, bottom);
        ++pile;
    }
}

}  // namespace quillo::games
