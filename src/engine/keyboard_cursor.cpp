#include "keyboard_cursor.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "autoplay.h"
#include "legality.h"
#include "pile_cards.h"
#include "pointer.h"

namespace quillo {

namespace {

int PileCount(const TableState& t)
{
    return std::clamp(t.Rules.PileCount, 0, MaxPiles);
}

bool Still(const TableState& t, int card, int pile)
{
    const Card& c = t.CardAt(card);
    return c.InPlay && !c.Moving && c.PileIndex == pile;
}

// Centre of a pile's place, in doubled pixels to stay whole.
Offset PlaceCentre(const TableState& t, int pile)
{
    const Pile& p = t.PileAt(pile);
    return {2 * p.X + CardWidthIn(t, p.Orientation), 2 * p.Y + CardHeightIn(t, p.Orientation)};
}

// The face-up neighbour of a card in its pile that lies above (up) or
// below it on the screen, -1 if none.
int FanNeighbour(const TableState& t, int pile, int card, bool up)
{
    CardList cards;
    const int n = CardsByOrder(t, pile, cards);
    const Card& c = t.CardAt(card);
    for (int order : {c.Order - 1, c.Order + 1}) {
        if (order < 0 || order >= n) continue;
        const int other = cards[static_cast<size_t>(order)];
        if (other == -1 || !Still(t, other, pile) || !t.CardAt(other).FaceUp) continue;
        const int32_t dy = t.CardAt(other).Y - c.Y;
        if (up ? dy < 0 : dy > 0) return other;
    }
    return -1;
}

// The nearest pile whose place lies that way; distance across the
// direction counts three times, so that a row is kept while it goes on.
int NearestPile(const TableState& t, int from, CursorMove m)
{
    const Offset here = PlaceCentre(t, from);
    int best = -1;
    int64_t bestCost = std::numeric_limits<int64_t>::max();
    for (int p = 0; p < PileCount(t); ++p) {
        if (p == from) continue;
        const Offset there = PlaceCentre(t, p);
        const int64_t dx = there.X - here.X;
        const int64_t dy = there.Y - here.Y;
        int64_t along = 0, across = 0;
        switch (m) {
        case CursorMove::Left: along = -dx, across = dy; break;
        case CursorMove::Right: along = dx, across = dy; break;
        case CursorMove::Up: along = -dy, across = dx; break;
        case CursorMove::Down: along = dy, across = dx; break;
        }
        if (along <= 0) continue;
        const int64_t cost = along + 3 * std::abs(across);
        if (cost < bestCost) {
            bestCost = cost;
            best = p;
        }
    }
    return best;
}

void Extend(CursorBox& box, bool& any, int32_t x, int32_t y, int32_t w, int32_t h)
{
    if (!any) {
        box = {x, y, x + w - 1, y + h - 1};
        any = true;
        return;
    }
    box.Left = std::min(box.Left, x);
    box.Top = std::min(box.Top, y);
    box.Right = std::max(box.Right, x + w - 1);
    box.Bottom = std::max(box.Bottom, y + h - 1);
}

// Lays the carried group out from (x, y) with the pile's fan and turn.
void LayGroupAt(TableState& t, int pile, int32_t x, int32_t y)
{
    LayOutGroupFor(t, pile, x, y);
    t.HoverPile = pile;
}

// The carried group back on its own places, as it lay before the pick-up.
void LayGroupHome(TableState& t)
{
    const int source = SourcePile(t);
    if (source >= 0) LayGroupAt(t, source, t.Rules.PickX, t.Rules.PickY);
}

CursorMove ArrowOf(KeyCommand cmd)
{
    switch (cmd) {
    case KeyCommand::Left: return CursorMove::Left;
    case KeyCommand::Right: return CursorMove::Right;
    case KeyCommand::Up: return CursorMove::Up;
    default: return CursorMove::Down;
    }
}

}  // namespace

int TopStill(const TableState& t, int pile)
{
    int top = -1;
    const int n = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    for (int i = 0; i < n; ++i)
        if (Still(t, i, pile) && (top == -1 || t.CardAt(i).Order > t.CardAt(top).Order)) top = i;
    return top;
}

KeyCursor FitCursor(const TableState& t, KeyCursor c)
{
    if (c.Pile < 0 || c.Pile >= PileCount(t)) c = {};
    if (c.Card < 0 || c.Card >= std::clamp(t.Rules.TotalCards, 0, MaxCards) || !Still(t, c.Card, c.Pile)
        || !t.CardAt(c.Card).FaceUp || c.Card == TopStill(t, c.Pile))
        c.Card = -1;
    return c;
}

int CursorCard(const TableState& t, const KeyCursor& c)
{
    const KeyCursor fit = FitCursor(t, c);
    if (PileCount(t) == 0) return -1;
    return fit.Card != -1 ? fit.Card : TopStill(t, fit.Pile);
}

KeyCursor MoveCursor(const TableState& t, KeyCursor c, CursorMove m, bool carrying)
{
    c = FitCursor(t, c);
    if (PileCount(t) == 0) return c;
    if (!carrying && (m == CursorMove::Up || m == CursorMove::Down)) {
        const int card = CursorCard(t, c);
        const int next = card == -1 ? -1 : FanNeighbour(t, c.Pile, card, m == CursorMove::Up);
        if (next != -1) return FitCursor(t, {c.Pile, next});
    }
    const int pile = NearestPile(t, c.Pile, m);
    if (pile == -1) return c;
    return {pile, -1};
}

CursorBox CursorFrame(const TableState& t, const KeyCursor& c)
{
    const KeyCursor fit = FitCursor(t, c);
    CursorBox box;
    if (PileCount(t) == 0) return box;
    bool any = false;
    const int card = CursorCard(t, fit);
    if (card != -1) {
        const int32_t from = t.CardAt(card).Order;
        const int n = std::clamp(t.Rules.TotalCards, 0, MaxCards);
        for (int i = 0; i < n; ++i) {
            const Card& k = t.CardAt(i);
            if (Still(t, i, fit.Pile) && k.Order >= from)
                Extend(box, any, k.X, k.Y, CardWidthIn(t, k.Orientation), CardHeightIn(t, k.Orientation));
        }
    } else {
        const Pile& p = t.PileAt(fit.Pile);
        Extend(box, any, p.X, p.Y, CardWidthIn(t, p.Orientation), CardHeightIn(t, p.Orientation));
    }
    return box;
}

Offset PressPoint(const TableState& t, int card)
{
    const Card& c = t.CardAt(card);
    const int w = CardWidthIn(t, c.Orientation);
    const int h = CardHeightIn(t, c.Orientation);
    Offset at{c.X + w / 2, c.Y + h / 2};
    if (IsTopCard(t, card)) return at;
    // The part left uncovered by the next card up.
    CardList cards;
    const int n = CardsByOrder(t, c.PileIndex, cards);
    const int next = c.Order + 1 < n ? cards[static_cast<size_t>(c.Order + 1)] : -1;
    if (next == -1) return at;
    const int dx = t.CardAt(next).X - c.X;
    const int dy = t.CardAt(next).Y - c.Y;
    if (dy != 0 && std::abs(dy) >= std::abs(dx))
        at.Y = dy > 0 ? c.Y + dy / 2 : c.Y + h + dy / 2;
    else if (dx != 0)
        at.X = dx > 0 ? c.X + dx / 2 : c.X + w + dx / 2;
    return at;
}

bool KeyPress(Game& g, const KeyCursor& c)
{
    TableState& t = g.T;
    if (t.Dragging || PileCount(t) == 0) return false;
    const KeyCursor fit = FitCursor(t, c);
    Press p;
    p.Card = CursorCard(t, fit);
    p.Pile = fit.Pile;
    if (p.Card != -1) {
        const Offset at = PressPoint(t, p.Card);
        p.X = at.X;
        p.Y = at.Y;
    } else {
        const Pile& pl = t.PileAt(fit.Pile);
        p.X = pl.X + CardWidthIn(t, pl.Orientation) / 2;
        p.Y = pl.Y + CardHeightIn(t, pl.Orientation) / 2;
    }
    FieldPress(g, p);
    return t.Dragging;
}

void KeyCarryTo(Game& g, const KeyCursor& c)
{
    TableState& t = g.T;
    if (!t.Dragging || t.ActiveCard < 0) return;
    if (c.Pile < 0 || c.Pile >= PileCount(t)) return;
    if (c.Pile == SourcePile(t)) {
        LayGroupHome(t);
        return;
    }
    // Where it would land, so that the pile's top card stays in sight.
    const Pile& p = t.PileAt(c.Pile);
    const Offset next = NextOffset(t, c.Pile);
    LayGroupAt(t, c.Pile, p.X + next.X, p.Y + next.Y);
}

void KeyDrop(Game& g, const KeyCursor& c)
{
    TableState& t = g.T;
    if (!t.Dragging || t.ActiveCard < 0) return;
    if (c.Pile < 0 || c.Pile >= PileCount(t) || c.Pile == SourcePile(t)) {
        KeyCancel(g);
        return;
    }
    // The pile chosen by the keys is the one tried, even where another
    // pile's drop point lies within snapping distance. The group stays where
    // it is shown, so that the move (or the way back) starts from there.
    KeyCarryTo(g, c);
    t.DropPile = c.Pile;
    PerformMove(g, CanDrop(t), true);
    FinishAndTestWin(g);
}

void KeyCancel(Game& g)
{
    TableState& t = g.T;
    if (!t.Dragging || t.ActiveCard < 0) return;
    t.DropPile = -1;
    PerformMove(g, CanDrop(t), true);
    FinishAndTestWin(g);
}

void KeySendHome(Game& g, const KeyCursor& c)
{
    TableState& t = g.T;
    if (t.Dragging) return;
    const int card = CursorCard(t, c);
    if (card == -1) return;
    const Offset at = PressPoint(t, card);
    FieldPress(g, {Button::Right, card, t.CardAt(card).PileIndex, at.X, at.Y});
}

void PlayKey(Game& g, KeyPlay& k, KeyCommand cmd)
{
    TableState& t = g.T;
    if (k.Carrying && !t.Dragging) k.Carrying = false;
    const bool mouseDrag = t.Dragging && !k.Carrying;
    switch (cmd) {
    case KeyCommand::Left:
    case KeyCommand::Right:
    case KeyCommand::Up:
    case KeyCommand::Down: {
        k.Cursor = MoveCursor(t, k.Cursor, ArrowOf(cmd), t.Dragging);
        if (k.Carrying) KeyCarryTo(g, k.Cursor);
        break;
    }
    case KeyCommand::Activate:
        if (k.Carrying)
            KeyDrop(g, k.Cursor);
        else if (!mouseDrag)
            k.Carrying = KeyPress(g, k.Cursor);
        break;
    case KeyCommand::SendHome:
        if (!t.Dragging) KeySendHome(g, k.Cursor);
        break;
    case KeyCommand::Cancel:
        if (k.Carrying) KeyCancel(g);
        break;
    case KeyCommand::Deal:
        if (!t.Dragging) DealButton(g);
        break;
    }
    if (!t.Dragging) k.Carrying = false;
    k.Cursor = FitCursor(t, k.Cursor);
}

}  // namespace quillo
