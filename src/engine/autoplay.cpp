#include "autoplay.h"

#include <algorithm>

#include "game_fit.h"
#include "game_table.h"
#include "legality.h"
#include "moves.h"
#include "pointer.h"

namespace quillo {

namespace {

// Does some foundation take the card alone? Leaves the play fields idle.
int FoundationFor(TableState& t, int card)
{
    const GameRules& r = t.Rules;
    int found = -1;
    for (int f = r.FoundFirst; f != -1 && f <= r.FoundLast && found == -1; ++f) {
        t.ActiveCard = card;
        t.DropPile = f;
        t.PickedCount = 1;
        t.CardAt(card).Moving = true;
        if (CanDrop(t) == f) found = f;
        t.CardAt(card).Moving = false;
        t.PickedCount = 0;
    }
    t.ActiveCard = card;
    return found;
}

bool PileRangeEmpty(const TableState& t, int32_t first, int32_t last)
{
    for (int p = first; p != -1 && p <= last; ++p)
        if (t.PileAt(p).Count > 0) return false;
    return true;
}

}  // namespace

bool SendToFoundation(Game& g, int x, int y)
{
    TableState& t = g.T;
    const int card = t.ActiveCard;
    bool moved = false;
    if (card >= 0 && card < MaxCards) {
        const int f = FoundationFor(t, card);
        if (f != -1) {
            t.ActiveCard = card;
            PickUp(g, x, y);
            PerformMove(g, f, true);
            moved = true;
        }
    }
    FinishAndTestWin(g);
    return moved;
}

bool IsSolved(const TableState& t)
{
    const GameRules& r = t.Rules;
    if (r.StockPile != -1 && t.PileAt(r.StockPile).Count > 0) return false;
    if (!PileRangeEmpty(t, r.WasteFirst, r.WasteLast) || !PileRangeEmpty(t, r.ReserveFirst, r.ReserveLast))
        return false;
    const int n = std::clamp(r.TotalCards, 0, MaxCards);
    for (int i = 0; i < n; ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || !r.IsTableau(c.PileIndex)) continue;
        if (!c.FaceUp) return false;
        if (c.Order == 0 && !IsLegalRunFrom(t, i, r.TableConsSuit, r.TableConsVal)) return false;
    }
    return true;
}

void AutoFinish(Game& g)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    if (!t.Opt.Autoplay || !r.AutoplayAllowed || !IsSolved(t)) return;
    const int n = std::clamp(r.TotalCards, 0, MaxCards);
    for (bool again = true; again;) {
        again = false;
        for (int i = 0; i < n && !again; ++i) {
            const Card& c = t.CardAt(i);
            if (!c.InPlay || !c.FaceUp || !r.IsTableau(c.PileIndex) || !IsTopCard(t, i)) continue;
            const int f = FoundationFor(t, i);
            if (f == -1) continue;
            t.ActiveCard = i;
            PickUp(g, c.X + CardWidthIn(t, c.Orientation) / 2, c.Y + CardHeightIn(t, c.Orientation) / 2);
            PerformMove(g, f, false);
            again = true;
        }
    }
    t.ActiveCard = -1;
}

bool StandardWon(const TableState& t)
{
    const GameRules& r = t.Rules;
    const int n = std::clamp(r.TotalCards, 0, MaxCards);
    for (int i = 0; i < n; ++i) {
        const Card& c = t.CardAt(i);
        if (c.InPlay && !r.IsFoundation(c.PileIndex) && !r.IsReserve2(c.PileIndex)) return false;
    }
    return true;
}

bool IsWon(const TableState& t)
{
    if (!TableFitsGame(t)) return false;
    const GameHooks& h = HooksOf(t.CurrentGame);
    return h.Won != nullptr ? h.Won(t) : StandardWon(t);
}

void WinGame(Game& g)
{
    g.View().StopClock();
    if (g.T.Opt.Sound) g.View().PlaySound("win.wav");
    g.GameWon = true;
    g.View().StartCelebration();
}

void FinishAndTestWin(Game& g)
{
    AutoFinish(g);
    if (!g.GameWon && IsWon(g.T)) WinGame(g);
}

}  // namespace quillo
