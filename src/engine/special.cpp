#include "special.h"

#include <algorithm>
#include <vector>

#include "autoplay.h"
#include "deal_ops.h"
#include "legality.h"
#include "moves.h"
#include "pile_cards.h"
#include "pointer.h"

namespace quillo {

namespace {

void PlaySound(Game& g, const char* name)
{
    if (g.T.Opt.Sound) g.View().PlaySound(name);
}

bool CanPark(const TableState& t, int pile, int target)
{
    const GameRules& r = t.Rules;
    return pile != target && (r.IsTableau(pile) || r.IsReserve(pile)) && t.PileAt(pile).Count == 0;
}

// Moves the top card of a pile onto another as an engine move.
void MoveTopCard(Game& g, int from, int to)
{
    TableState& t = g.T;
    t.ActiveCard = TopCard(t, from);
    if (t.ActiveCard == -1) return;
    const Card& c = t.CardAt(t.ActiveCard);
    PickUp(g, c.X + CardWidthIn(t, c.Orientation) / 2, c.Y + CardHeightIn(t, c.Orientation) / 2);
    AnimateMove(g, to, true);
}

}  // namespace

void MarkCard(Game& g, bool on)
{
    TableState& t = g.T;
    if (on) {
        t.MarkedCard = t.ActiveCard;
        if (t.MarkedCard != -1) g.View().ShowMarked(t.MarkedCard);
    } else {
        t.MarkedCard = -1;
        g.View().RedrawField();
    }
}

void DiscardCard(TableState& t, int card)
{
    if (card < 0 || card >= MaxCards) return;
    Card& c = t.CardAt(card);
    const GameRules& r = t.Rules;
    if (c.InPlay && (r.IsWaste(c.PileIndex) || r.IsTableau(c.PileIndex)) && t.PileAt(c.PileIndex).Count > 0)
        --t.PileAt(c.PileIndex).Count;
    c.InPlay = false;
    c.Moving = false;
    c.PileIndex = r.FoundFirst;
}

void RemoveCards(Game& g, bool match)
{
    TableState& t = g.T;
    const int a = t.ActiveCard;
    const int m = t.MarkedCard;
    if (m != -1) {
        if (a == m) {
            MarkCard(g, false);
        } else if (match) {
            g.View().FadeOutCards(a, m);
            DiscardCard(t, a);
            DiscardCard(t, m);
            t.MarkedCard = -1;
            PlaySound(g, "found.wav");
            RecordSnapshot(g);
        } else {
            MarkCard(g, false);
            MarkCard(g, true);
        }
    } else {
        MarkCard(g, true);
        if (match) {
            g.View().FadeOutCards(a, -1);
            DiscardCard(t, a);
            t.MarkedCard = -1;
            PlaySound(g, "found.wav");
            g.View().RedrawField();
            RecordSnapshot(g);
        }
    }
    // Inside a compound action the caller tests for the win once it is done.
    if (g.RecordUndo) FinishAndTestWin(g);
}

void CloseGaps(Game& g, bool redraw)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    t.MarkedCard = t.ActiveCard = -1;
    if (r.TableFirst == -1) return;
    for (int p = r.TableFirst; p < r.TableLast; ++p) {
        if (t.PileAt(p).Count != 0) continue;
        int giver = p + 1;
        while (giver <= r.TableLast && t.PileAt(giver).Count == 0) ++giver;
        if (giver > r.TableLast) break;
        for (int i = 0; i < r.TotalCards; ++i) {
            Card& c = t.CardAt(i);
            if (!c.InPlay || c.PileIndex != giver) continue;
            const Pile& hole = t.PileAt(p);
            c.PileIndex = p;
            c.X = hole.X;
            c.Y = hole.Y;
            c.Order = 0;
            c.Orientation = hole.Orientation;
            t.PileAt(p).Count = 1;
            --t.PileAt(giver).Count;
            break;
        }
    }
    if (redraw) g.View().RedrawField();
}

int FreeParkingPiles(const TableState& t, int target)
{
    int free = 0;
    for (int p = 0; p < std::min(t.Rules.PileCount, MaxPiles); ++p) free += CanPark(t, p, target) ? 1 : 0;
    return free;
}

bool MoveRunViaCells(Game& g, int target)
{
    TableState& t = g.T;
    const int bottom = t.ActiveCard;
    if (bottom < 0 || target < 0) return false;
    const int source = t.CardAt(bottom).PileIndex;
    const int above = t.PileAt(source).Count - 1 - t.CardAt(bottom).Order;
    if (above < 0 || above > FreeParkingPiles(t, target)) return false;

    const bool outer = g.RecordUndo;
    g.RecordUndo = false;
    std::vector<int> parked;
    int last = -1;
    while (!IsTopCard(t, bottom)) {
        int temp = last + 1;
        while (temp < t.Rules.PileCount && !CanPark(t, temp, target)) ++temp;
        if (temp >= t.Rules.PileCount) break;  // cannot happen: counted above
        MoveTopCard(g, source, temp);
        g.View().Pause(100);
        parked.push_back(temp);
        last = temp;
    }
    MoveTopCard(g, source, target);
    g.View().Pause(100);
    for (auto it = parked.rbegin(); it != parked.rend(); ++it) {
        MoveTopCard(g, *it, target);
        g.View().Pause(50);
    }
    g.RecordUndo = outer;
    RecordSnapshot(g);
    return true;
}

void RotateReserve(Game& g, int n)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    if (r.ReserveFirst == -1 || r.StockPile == -1) return;
    const int reserve = r.ReserveFirst;
    const int k = std::min(n, t.PileAt(reserve).Count);
    if (k <= 0) return;
    std::vector<MovedCard> moved;
    for (int i = 0; i < r.TotalCards; ++i) {
        Card& c = t.CardAt(i);
        if (!c.InPlay) continue;
        if (c.PileIndex == r.StockPile) {
            c.Order += k;
        } else if (c.PileIndex == reserve) {
            if (c.Order < k) {
                moved.push_back({i, c.X, c.Y, c.Orientation});
                c.PileIndex = r.StockPile;
                c.FaceUp = false;
            } else {
                c.Order -= k;
            }
        }
    }
    t.PileAt(reserve).Count -= k;
    t.PileAt(r.StockPile).Count += k;
    // Both piles are laid out again from their corners.
    for (const int p : {r.StockPile, reserve}) {
        CardList cards;
        const int count = CardsByOrder(t, p, cards);
        const Pile& pile = t.PileAt(p);
        int32_t x = 0, y = 0;
        for (int j = 0; j < count; ++j) {
            const int card = cards[static_cast<size_t>(j)];
            if (card == -1) continue;
            Card& c = t.CardAt(card);
            if (pile.FanDir == FanStockStack) x = y = StockStackOffset(pile, j);
            c.X = pile.X + x;
            c.Y = pile.Y + y;
            c.Orientation = pile.Orientation;
            if (pile.FanDir != FanStockStack && pile.FanDir != FanNone) {
                x += c.FaceUp ? pile.FanX : pile.DownFanX;
                y += c.FaceUp ? pile.FanY : pile.DownFanY;
            }
        }
    }
    g.View().ShowMove({reserve, r.StockPile, true, moved});
    g.View().RedrawField();
}

}  // namespace quillo
