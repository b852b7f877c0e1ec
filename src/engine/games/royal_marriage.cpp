// Royal Marriage: the Queen of suit 1 starts the row, its King ends the stock.
//
//   [0]                                          stock
//   [1]  [2]  [3]  [4]  [5]  [6]  [7]  [8]  [9]  [10]
//   [11] ...                                     [20]
//   [21] ...                                     [30]
//
// The discard pile 31 lies outside the field and is never seen.

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "games.h"

namespace quillo::games {

namespace {
constexpr int QueenOfSuit1 = 24;
constexpr int KingOfSuit1 = 25;
}  // namespace

void RoyalMarriageLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 32;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.TableFirst = 1;
    r.TableLast = 30;
    r.FoundFirst = r.FoundLast = 31;

    PlacePile(t, 0, 0, 10, 4, 0);
    for (int row = 1; row <= 3; ++row) PlacePileRow(t, 10 * (row - 1) + 1, 10 * (row - 1) + 10, 0, 0, 4, row, 1, 10);
    PlacePile(t, 31, 20, 10, 4, 3);
    SetFans(t, 0);

    r.StockRedeals = 1;
    r.GetDeckCardNum = 1;
    r.DealToTableau = true;
    r.StockClickMode = StockDealOneIntoEmpty;
}

void RoyalMarriageDeal(Game& g)
{
    TableState& t = g.T;
    PutAlone(t, QueenOfSuit1, t.Rules.TableFirst);
    GatherIntoStock(t);
    const int stock = t.Rules.StockPile;
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        if (c.InPlay && c.PileIndex == stock && c.Order == 0) {
            SwapCards(t, i, KingOfSuit1);
            break;
        }
    }
}

}  // namespace quillo::games
