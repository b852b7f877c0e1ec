// Aribert: two decks; the stock deals onto the tableau.
//
//        [0] [1] [2] [3]  [4]  [5]    upper tableau
//   [12]                               stock
//   [13] [6] [7] [8] [9] [10] [11]    foundation, lower tableau

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "games.h"

namespace quillo::games {

void AribertLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 14;
    r.FaceDownFan = DownFanHalf;
    r.TableFirst = 0;
    r.TableLast = 11;
    r.StockPile = 12;
    r.FoundFirst = r.FoundLast = 13;

    PlacePileRow(t, 0, 5, 1, 0, -1, 15, 1, 7);
    PlacePileRow(t, 6, 11, 1, 0, -1, r.FieldHeight / 2, 1, 7);
    PlacePile(t, 12, 0, 7, 23, 5);
    PlacePile(t, 13, 0, 7, 23, 11);
    SetFans(t, 1);

    r.TableConsVal = ConsDescending;
    r.TableConsSuit = SuitAlternate;
    r.FoundConsVal = ConsKeepPile;
    r.FillFreeTable = FillStartRank;
    r.MoveUnit = MoveLegalRun;
    r.StockRedeals = 1;
    r.GetDeckCardNum = 1;
    r.StartRank = RankAce;
    r.DealToTableau = true;
    r.EditTableConsVal = true;
}

void AribertDeal(Game& g)
{
    TableState& t = g.T;
    Patterns patterns;
    for (int p = t.Rules.TableFirst; p <= t.Rules.TableLast; ++p) patterns[static_cast<size_t>(p)] = "SFSF";
    DealPatterns(t, patterns, t.Rules.TableFirst, t.Rules.TableLast, true);
    GatherIntoStock(t);
}

}  // namespace quillo::games
