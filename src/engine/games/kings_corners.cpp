// Kings Corners: sixteen one-card cells between four corner foundations.
// Number cards go home; the deal is won when the stock and waste are used up
// and only court cards remain in the grid.
//
//   [2]  [6]  [7]  [8]  [9]   [3]
//   [0]  [10] [11] [12] [13]         stock
//   [1]  [14] [15] [16] [17]         waste
//   [4]  [18] [19] [20] [21]  [5]

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"

namespace quillo::games {

void KingsCornersLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 22;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 5;
    r.TableFirst = 6;
    r.TableLast = 21;

    r.MinFieldHeight = 4 * r.CardHeight() + 40;
    ComputeFieldSize(g);
    SetFans(t, 0);
    PlacePile(t, 2, 0, 6, 4, 0);
    PlacePile(t, 3, 5, 6, 4, 0);
    PlacePile(t, 4, 0, 6, 4, 3);
    PlacePile(t, 5, 5, 6, 4, 3);
    PlacePile(t, 0, 0, 6, 4, 1);
    PlacePile(t, 1, 0, 6, 4, 2);
    for (int row = 0; row < 4; ++row) PlacePileRow(t, 6 + 4 * row, 9 + 4 * row, 1, 0, 4, row, 1, 6);

    r.TableBuildFrom = BuildFromNone;
    r.FillFreeTable = FillFromWaste;
    r.StartRank = RankAce;
    r.StockRedeals = 1;
    r.AutoplayAllowed = true;
}

void KingsCornersDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    DealEach(t, r.TableFirst, r.TableLast, 1, FaceMode::AllUp);
    GatherIntoStock(t);
}

bool KingsCornersWon(const TableState& t)
{
    const GameRules& r = t.Rules;
    if (t.PileAt(r.StockPile).Count > 0 || t.PileAt(r.WasteFirst).Count > 0) return false;
    for (int i = 0; i < r.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        if (c.InPlay && c.FaceUp && r.IsTableau(c.PileIndex) && c.Rank < RankJack) return false;
    }
    return true;
}

}  // namespace quillo::games
