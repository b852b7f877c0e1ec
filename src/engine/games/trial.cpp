// Trial: a one-deck Klondike whose emptied piles stay empty until the stock
// is spent.
//
//   [0] [1]         [2] [3] [4] [5]    stock, waste, four foundations
//   [6] [7] [8] [9] [10] [11] [12] [13] eight tableau piles, fanned down

#include "../deal_ops.h"
#include "../game.h"
#include "../placement.h"
#include "../setup.h"
#include "games.h"

namespace quillo::games {

void TrialLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 14;
    r.FaceDownFan = DownFanHalf;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 5;
    r.TableFirst = 6;
    r.TableLast = 13;

    const int32_t H = r.CardHeight();
    const int32_t vs = r.Upright().VertStep.Y;
    // Two half-stepped face-down cards and a 13-card run below the row.
    r.MinFieldHeight = 2 * H + 40 + 2 * (vs / 2) + 12 * vs;
    ComputeFieldSize(g);
    PlacePileRow(t, 0, 1, 0, 0, -1, 15, 1, 8);
    PlacePileRow(t, 2, 5, 4, 0, -1, 15, 1, 8);
    PlacePileRow(t, 6, 13, 0, 0, -1, H + 35, 1, 8);
    SetFans(t, 1);

    r.TableConsVal = ConsDescending;
    r.TableConsSuit = SuitAlternate;
    r.FoundConsVal = ConsAscending;
    r.FoundConsSuit = SuitSame;
    // An emptied pile waits for the stock to run out; FillRank stays -1.
    r.FillFreeTable = FillGameRule8;
    r.MoveUnit = MoveLegalRun;
    r.StockRedeals = 2;
    r.GetDeckCardNum = 1;
    r.StartRank = RankAce;
    r.AutoplayAllowed = true;
    r.FoundTakeCards = true;
    r.EditTableConsVal = r.EditFoundConsVal = r.EditFoundTakeCards = true;
}

void TrialDeal(Game& g)
{
    TableState& t = g.T;
    Patterns patterns;
    for (int p = t.Rules.TableFirst; p <= t.Rules.TableLast; ++p) patterns[static_cast<size_t>(p)] = "SSF";
    DealPatterns(t, patterns, t.Rules.TableFirst, t.Rules.TableLast, true);
    GatherIntoStock(t);
}

}  // namespace quillo::games
