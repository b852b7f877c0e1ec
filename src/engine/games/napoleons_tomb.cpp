// Napoleon's Tomb: two decks around a cross; positions are points of the
// reference field, scaled.
//
//   [6]    [11]    [7]        [1] [2] [3]    waste 1..5
//          [15]                   [4] [5]
//   [14][18][10][16][12]
//          [17]                   [0]        stock
//   [9]    [13]    [8]
//
// Foundations 6..9 in the corners, tableau 10..18 (10 the centre).

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "games.h"

namespace quillo::games {

void NapoleonsTombLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 19;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = 1;
    r.WasteLast = 5;
    r.FoundFirst = 6;
    r.FoundLast = 9;
    r.TableFirst = 10;
    r.TableLast = 18;

    struct Point {
        double X, Y;
        int32_t Orientation;
    };
    static constexpr Point points[19] = {
        {701, 363, 3}, {519, 15, 3},  {610, 15, 3},  {701, 15, 3},  {610, 145, 3}, {701, 145, 3}, {56, 56, 5},
        {328, 56, 1},  {328, 328, 5}, {56, 328, 1},  {219, 198, 3}, {198, 22, 7},  {413, 198, 3}, {198, 413, 7},
        {22, 198, 3},  {198, 113, 7}, {322, 198, 3}, {198, 322, 7}, {113, 198, 3},
    };
    for (int p = 0; p < 19; ++p) {
        PlacePileScaled(t, p, points[p].X, points[p].Y, points[p].Orientation);
        t.PileAt(p).FanDir = FanNone;
    }

    r.StockRedeals = StockUnlimited;
    r.GetDeckCardNum = 1;
    r.StartRank = RankKing;
    r.FoundTakeCards = true;
    r.EditFoundTakeCards = true;
}

void NapoleonsTombDeal(Game& g)
{
    TableState& t = g.T;
    DealEach(t, 15, 18, 10, FaceMode::AllDown);
    DealEach(t, 11, 14, 1, FaceMode::AllUp);
    t.Rules.ActiveWastes = 5;
    GatherIntoStock(t);
}

}  // namespace quillo::games
