// Spider: two decks, ten piles; a King-to-Ace run of one suit goes home.
// Rouge et Noir shares its layout (LayOutTwoDeckColumns).
//
//   [0]      [1] [2] [3] [4] [5] [6] [7] [8]    stock, eight foundations
//   [9] [10] [11] [12] [13] [14] [15] [16] [17] [18]   tableau
//
// Building ignores suit, but only runs of one suit move together. The
// stock deals a card onto every pile, and only while no pile is empty.

#include "../deal_ops.h"
#include "../game.h"
#include "../legality.h"
#include "../placement.h"
#include "../pointer.h"
#include "../setup.h"
#include "../heuristic.h"
#include "../move_list.h"
#include "games.h"
#include "room.h"

namespace quillo::games {

void LayOutTwoDeckColumns(Game& g, int faceDown, int firstRunFoundation)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    r.Decks = 2;
    r.PileCount = 19;
    r.FaceDownFan = DownFanHalf;
    r.StockPile = 0;
    r.FoundFirst = 1;
    r.FoundLast = 8;
    r.TableFirst = 9;
    r.TableLast = 18;

    r.MinFieldHeight = ColumnFieldHeight(r, faceDown, 18);
    ComputeFieldSize(g);

    PlacePile(t, 0, 0, 10, -1, 15);
    PlacePileRow(t, 1, 8, 2, 0, -1, 15, 1, 10);
    PlacePileRow(t, 9, 18, 0, 0, -1, LowerRowY(r), 1, 10);
    SetFans(t, 1);
    // King tokens on the places that take whole runs.
    for (int p = firstRunFoundation; p <= 8; ++p) t.PileAt(p).BaseRank = RankKing;

    r.MoveUnit = MoveLegalRun;
    r.StockRedeals = 1;
    r.GetDeckCardNum = 1;
    r.DealToTableau = true;
}

void SpiderLayout(Game& g)
{
    LayOutTwoDeckColumns(g, 5, 1);
    GameRules& r = g.T.Rules;
    r.FillFreeTable = FillAnyCard;
    r.StartRank = -1;
    r.AutoplayAllowed = true;
}

void SpiderDeal(Game& g)
{
    TableState& t = g.T;
    static constexpr int counts[] = {6, 6, 6, 6, 5, 5, 5, 5, 5, 5};
    DealCounts(t, t.Rules.TableFirst, t.Rules.TableLast, counts, true, FaceMode::TopUp);
    GatherIntoStock(t);
}

bool AnyTableauPileEmpty(const TableState& t)
{
    const GameRules& r = t.Rules;
    for (int p = r.TableFirst; p != -1 && p <= r.TableLast; ++p)
        if (t.PileAt(p).Count == 0) return true;
    return false;
}

void SpiderClick(Game& g, const Press& press)
{
    const TableState& t = g.T;
    const bool onStock = press.Card >= 0 && t.Rules.IsStock(t.CardAt(press.Card).PileIndex);
    if (press.Btn == Button::Left && onStock && AnyTableauPileEmpty(t)) return;
    StandardClick(g, press);
}

bool KingAboveActiveCard(const TableState& t)
{
    const Card& a = t.CardAt(t.ActiveCard);
    for (int i = 0; i < t.Rules.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        if (c.Moving && c.PileIndex == a.PileIndex && c.Order > a.Order && c.Rank == RankKing) return true;
    }
    return false;
}

bool IsWholeRunFromKing(const TableState& t, uint8_t suitCode)
{
    const GameRules& r = t.Rules;
    return t.PileAt(t.DropPile).Count == 0 && r.IsTableau(SourcePile(t)) && t.PickedCount == RanksPerSuit &&
           t.CardAt(t.ActiveCard).Rank == RankKing && IsLegalRun(t, suitCode, ConsDescending);
}

int SpiderDrop(TableState& t)
{
    const GameRules& r = t.Rules;
    const int d = t.DropPile;
    if (d == -1 || t.ActiveCard < 0 || d == SourcePile(t)) return -1;
    if (r.IsFoundation(d)) return IsWholeRunFromKing(t, SuitSame) ? d : -1;
    if (!r.IsTableau(d) || KingAboveActiveCard(t)) return -1;
    const int top = TopCard(t, d);
    if (top == -1) return d;
    const Card& target = t.CardAt(top);
    return target.FaceUp && target.Rank == t.CardAt(t.ActiveCard).Rank + 1 ? d : -1;
}

}  // namespace quillo::games

namespace quillo::games {

// Runs go home only as a whole, so built runs are the progress.
const HeuristicWeights WholeRunWeights = [] {
    HeuristicWeights w;
    w.KingRun = 8;
    w.Ordered = 3;
    return w;
}();

// The standard moves; the stock deals only while every pile holds a card.
void SpiderActions(const TableState& t, std::vector<PlayerAction>& out)
{
    TableState s = t;
    AddPickActions(s, t, out, false);
    if (!AnyPileEmpty(t, t.Rules.TableFirst, t.Rules.TableLast)) AddStockActions(t, out);
}

}  // namespace quillo::games
