// First and Last: the first card dealt sets the starting rank; the eight
// cards of the rank below it, which end every foundation, lie at the bottoms
// of the tableau piles, each under the foundation it will complete.
//
//   [16] [17]  [8] [9] [10] [11] [12] [13] [14] [15]    stock, waste, foundations
//              [0] [1] [2]  [3]  [4]  [5]  [6]  [7]     tableau

#include <algorithm>

#include "../deal_ops.h"
#include "../game.h"
#include "../game_table.h"
#include "../legality.h"
#include "../moves.h"
#include "../placement.h"
#include "../pointer.h"
#include "../setup.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

namespace {

constexpr int32_t StockMargin = 12;

}  // namespace

void FirstAndLastLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 18;
    r.FaceDownFan = DownFanHalf;
    r.TableFirst = 0;
    r.TableLast = 7;
    r.FoundFirst = 8;
    r.FoundLast = 15;
    r.StockPile = 16;
    r.WasteFirst = r.WasteLast = 17;

    r.MinFieldHeight = ColumnFieldHeight(r, 0, 16);
    ComputeFieldSize(g);
    SetFans(t, 1);

    PlacePileRow(t, 16, 17, 0, 0, -1, 15, 1, 10);
    // The stock's 63 cards step 12 px up-left; keep its top card inside the field.
    t.PileAt(16).X = std::max(t.PileAt(16).X, StockMargin);
    PlacePileRow(t, 8, 15, 2, 0, -1, 15, 1, 10);
    PlacePileRow(t, 0, 7, 2, 0, -1, LowerRowY(r), 1, 10);

    r.StartRankFromDeal = true;
    r.FoundConsSuit = SuitNone;
    r.TableConsSuit = SuitAlternate;
    r.MoveUnit = MoveLegalRun;
    r.StockRedeals = 3;
    r.AutoplayAllowed = true;
    // The follow-up relies on fixed foundation order, unfilled spaces and
    // foundations that never give cards back, so only the tableau is editable.
    r.EditTableConsVal = true;
}

void FirstAndLastDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    const int32_t last = (r.StartRank + 12) % RanksPerSuit;
    DealRankToFoundations(t, r.TableFirst, r.TableLast, last, false);
    int cursor = 0;
    for (int round = 1; round <= 4; ++round) {
        for (int p = r.TableFirst; p <= r.TableLast; ++p) {
            const int card = NextUndealt(t, cursor);
            if (card == -1) return;
            const Pile& pile = t.PileAt(p);
            PlaceCard(t, card, p, round * pile.FanX, round * pile.FanY, pile.Count, true);
        }
    }
    GatherIntoStock(t);
}

// A foundation one card short of full takes the card left alone below it:
// that card is the dealt last rank, since a pile's bottom card never changes.
void FirstAndLastFollowUp(Game& g, const MoveOutcome&)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    for (int f = r.FoundFirst; f <= r.FoundLast; ++f) {
        const int p = f - 8;
        if (t.PileAt(f).Count != 12 || !r.IsTableau(p) || t.PileAt(p).Count != 1) continue;
        t.ActiveCard = TopCard(t, p);
        if (t.ActiveCard == -1) return;
        const Card& c = t.CardAt(t.ActiveCard);
        PickUp(g, c.X + CardWidthIn(t, c.Orientation) / 2, c.Y + CardHeightIn(t, c.Orientation) / 2);
        AnimateMove(g, f, true);
        return;
    }
}

}  // namespace quillo::games
