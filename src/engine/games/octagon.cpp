// Octagon: eight Ace foundations on the sides of an octagon, four corner
// piles built down in suit. An emptied corner is refilled with up to three
// cards through the waste.
//
//   [10] >>            [2] [3]            << [11]
//          [4] [5]     [0] [1]     [6] [7]           stock, waste in the middle
//   [12] >>            [8] [9]            << [13]

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

void OctagonLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 14;
    r.FaceDownFan = DownFanNone;
    r.StockPile = 0;
    r.WasteFirst = r.WasteLast = 1;
    r.FoundFirst = 2;
    r.FoundLast = 9;
    r.TableFirst = 10;
    r.TableLast = 13;

    const int W = r.CardWidth(), hx = r.Upright().HorzStep.X;
    r.MinFieldWidth = (140 + 77 * hx + 11 * W) / 3;
    ComputeFieldSize(g);
    SetFans(t, 0);
    PlacePileRow(t, 2, 3, 2, 0, 3, 0, 1, 6);
    PlacePileRow(t, 4, 5, 0, 0, 3, 1, 1, 6);
    PlacePileRow(t, 0, 1, 2, 0, 3, 1, 1, 6);
    PlacePileRow(t, 6, 7, 4, 0, 3, 1, 1, 6);
    PlacePileRow(t, 8, 9, 2, 0, 3, 2, 1, 6);
    PlacePile(t, 10, 10, -1, 3, 0);
    PlacePile(t, 12, 10, -1, 3, 2);
    t.PileAt(10).FanDir = FanRight;
    t.PileAt(12).FanDir = FanRight;
    MirrorPile(t, 10, 11, MirrorAxis::LeftRight);
    MirrorPile(t, 12, 13, MirrorAxis::LeftRight);

    // Any card fills a corner the refill left empty.
    SetBuildRules(r, {.StockRedeals = 4});
}

void OctagonDeal(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    DealRankToFoundations(t, r.FoundFirst, r.FoundLast, RankAce, false);
    DealEach(t, r.TableFirst, r.TableLast, 5, FaceMode::AllUp);
    GatherIntoStock(t);
}

// The first empty corner receives up to three cards through the waste; the
// stock is dealt when the waste is empty but never turned.
void OctagonFollowUp(Game& g, const MoveOutcome&)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    int empty = -1;
    for (int p = r.TableFirst; p <= r.TableLast && empty == -1; ++p)
        if (t.PileAt(p).Count == 0) empty = p;
    if (empty == -1) return;
    for (int k = 0; k < 3; ++k) {
        // An empty stock is never turned here, and dealing nothing would
        // still sound.
        if (t.PileAt(r.WasteFirst).Count == 0 && t.PileAt(r.StockPile).Count > 0) DealFromStock(g, StockDealNormal);
        t.ActiveCard = TopCard(t, r.WasteFirst);
        if (t.ActiveCard == -1) return;
        const Card& c = t.CardAt(t.ActiveCard);
        PickUp(g, c.X + CardWidthIn(t, c.Orientation) / 2, c.Y + CardHeightIn(t, c.Orientation) / 2);
        AnimateMove(g, empty, true);
    }
}

}  // namespace quillo::games
