// Aces Up: four piles; a card is discarded while a higher card of its suit
// shows on another pile. Won when only the Aces are left.
//
//   [0]     [1] [2] [3] [4]     [5]     stock, tableau, discard pile

#include "../deal_ops.h"
#include "../game.h"
#include "../legality.h"
#include "../placement.h"
#include "games.h"

namespace quillo::games {

namespace {

// Aces rank above Kings here.
int32_t AcesHigh(const Card& c)
{
    return c.Rank == RankAce ? RanksPerSuit : c.Rank;
}

bool CanDiscard(const TableState& t)
{
    const GameRules& r = t.Rules;
    const int source = SourcePile(t);
    if (t.PickedCount != 1 || !r.IsTableau(source)) return false;
    const Card& a = t.CardAt(t.ActiveCard);
    for (int q = r.TableFirst; q <= r.TableLast; ++q) {
        if (q == source) continue;
        const int top = TopCard(t, q);
        if (top == -1) continue;
        const Card& c = t.CardAt(top);
        if (c.FaceUp && c.Suit == a.Suit && AcesHigh(c) > AcesHigh(a)) return true;
    }
    return false;
}

}  // namespace

void AcesUpLayout(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 1;
    r.PileCount = 6;
    r.FaceDownFan = DownFanHalf;
    r.StockPile = 0;
    r.TableFirst = 1;
    r.TableLast = 4;
    r.FoundFirst = r.FoundLast = 5;

    PlacePile(t, 0, 0, 7, -1, 15);
    PlacePileRow(t, 1, 4, 2, 0, -1, 15, 1, 7);
    PlacePile(t, 5, 6, 7, -1, 15);
    SetFans(t, 1);

    r.TableBuildFrom = BuildFromNone;
    r.FillFreeTable = FillAnyCard;
    r.FoundConsSuit = SuitNone;
    r.StockRedeals = 1;
    r.DealToTableau = true;
    r.StartRank = -1;
    r.EditFillFreeTable = true;
}

void AcesUpDeal(Game& g)
{
    TableState& t = g.T;
    DealEach(t, t.Rules.TableFirst, t.Rules.TableLast, 1, FaceMode::AllUp);
    GatherIntoStock(t);
}

// The discard pile takes a card whatever lies on it; the tableau follows the
// standard rule.
int AcesUpDrop(TableState& t)
{
    const GameRules& r = t.Rules;
    const int d = t.DropPile;
    if (d == -1 || t.ActiveCard < 0 || d == SourcePile(t)) return -1;
    if (r.IsFoundation(d)) return CanDiscard(t) ? d : -1;
    return CanDropOnTableau(t) ? d : -1;
}

bool AcesUpWon(const TableState& t)
{
    const GameRules& r = t.Rules;
    for (int i = 0; i < r.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        if (c.InPlay && c.Rank != RankAce && !r.IsFoundation(c.PileIndex)) return false;
    }
    return true;
}

}  // namespace quillo::games
