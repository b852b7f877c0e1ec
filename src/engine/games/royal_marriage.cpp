// Royal Marriage: the Queen of suit 1 starts the row, its King ends the stock.
//
//   [0]                                          stock
//   [1]  [2]  [3]  [4]  [5]  [6]  [7]  [8]  [9]  [10]
//   [11] ...                                     [20]
//   [21] ...                                     [30]
//
// The discard pile 31 lies outside the field and is never seen.

#include <algorithm>

#include "../deal_ops.h"
#include "../game.h"
#include "../game_table.h"
#include "../legality.h"
#include "../moves.h"
#include "../pointer.h"
#include "../special.h"
#include "../autoplay.h"
#include "../placement.h"
#include "../move_list.h"
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

namespace quillo::games {

namespace {

bool Enclosed(const GameRules& r, int pile)
{
    return r.TableFirst < pile && pile < r.TableLast;
}

// Both neighbouring piles have a top card and the two match (rank or suit).
bool OutsideMatch(const TableState& t, int before, int after)
{
    const int a = TopCard(t, before);
    const int b = TopCard(t, after);
    if (a == -1 || b == -1) return false;
    return t.CardAt(a).Rank == t.CardAt(b).Rank || t.CardAt(a).Suit == t.CardAt(b).Suit;
}

// Discards the pair (or the pressed card alone) and closes the row: one action.
void RemoveAndClose(Game& g)
{
    g.RecordUndo = false;
    RemoveCards(g, true);
    CloseGaps(g, true);
    g.RecordUndo = true;
    RecordSnapshot(g);
    FinishAndTestWin(g);
}

}  // namespace

void RoyalMarriageClick(Game& g, const Press& press)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    if (press.Btn != Button::Left || press.Card == -1) return;
    const int pile = t.CardAt(press.Card).PileIndex;
    if (r.IsStock(pile)) {
        DealFromStock(g, r.StockClickMode);
        return;
    }
    if (!r.IsTableau(pile)) return;
    const int m = t.MarkedCard;
    if (m == press.Card) {
        MarkCard(g, false);
        return;
    }
    if (m != -1) {
        const int lo = std::min(pile, t.CardAt(m).PileIndex);
        const int hi = std::max(pile, t.CardAt(m).PileIndex);
        if (hi == lo + 1 && Enclosed(r, lo) && Enclosed(r, hi) && OutsideMatch(t, lo - 1, hi + 1)) {
            RemoveAndClose(g);
            return;
        }
        MarkCard(g, false);
        t.ActiveCard = press.Card;
    }
    if (Enclosed(r, pile) && OutsideMatch(t, pile - 1, pile + 1)) {
        RemoveAndClose(g);
        return;
    }
    MarkCard(g, true);
}

bool RoyalMarriageWon(const TableState& t)
{
    const GameRules& r = t.Rules;
    for (int i = 0; i < r.TotalCards; ++i) {
        const Card& c = t.CardAt(i);
        if (c.InPlay && r.IsTableau(c.PileIndex) && (c.Suit != 1 || (c.Rank != RankQueen && c.Rank != RankKing)))
            return false;
    }
    return true;
}

}  // namespace quillo::games

namespace quillo::games {

// A card between two that match goes alone; two such cards go as a pair.
void RoyalMarriageActions(const TableState& t, std::vector<PlayerAction>& out)
{
    const GameRules& r = t.Rules;
    const TopCards tops = FindTopCards(t);
    auto top = [&](int p) { return p >= 0 && p < MaxPiles ? tops[static_cast<size_t>(p)] : -1; };
    auto match = [&](int p, int q) {
        const int a = top(p), b = top(q);
        return a != -1 && b != -1 &&
               (t.CardAt(a).Rank == t.CardAt(b).Rank || t.CardAt(a).Suit == t.CardAt(b).Suit);
    };
    auto enclosed = [&](int p) { return r.TableFirst < p && p < r.TableLast; };
    auto alone = [&](int p) { return enclosed(p) && top(p) != -1 && match(p - 1, p + 1); };
    for (int p = r.TableFirst; p <= r.TableLast; ++p) {
        if (alone(p)) out.push_back({ActionKind::Press, top(p), p, -1});
        // A first press on a card that goes alone removes it instead of marking.
        if (enclosed(p) && enclosed(p + 1) && top(p) != -1 && top(p + 1) != -1 && !alone(p) && match(p - 1, p + 2))
            out.push_back({ActionKind::TwoPresses, top(p), p + 1, top(p + 1)});
    }
    AddStockActions(t, out);
}

}  // namespace quillo::games
