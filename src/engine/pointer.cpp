#include "pointer.h"

#include <algorithm>
#include <cstdlib>

#include "autoplay.h"
#include "game_fit.h"
#include "legality.h"
#include "special.h"

namespace quillo {

namespace {

constexpr int SnapDistance = 40;
constexpr int SnapCardWidth = 71;  // the card width SnapDistance was made for

int PileCount(const TableState& t)
{
    return std::clamp(t.Rules.PileCount, 0, MaxPiles);
}


bool HasTrait(const TableState& t, uint16_t trait)
{
    return (HooksOf(t.CurrentGame).Traits & trait) != 0;
}

void ShiftGroup(TableState& t, int32_t dx, int32_t dy)
{
    const int n = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    for (int i = 0; i < n; ++i) {
        Card& c = t.CardAt(i);
        if (c.Moving) {
            c.X += dx;
            c.Y += dy;
        }
    }
}

}  // namespace

// Lays the group out from ActiveCard at (x, y), fanned and turned as pile
// would show it.
void LayOutGroupFor(TableState& t, int pile, int32_t x, int32_t y)
{
    const Pile& p = t.PileAt(pile);
    const int32_t base = t.CardAt(t.ActiveCard).Order;
    const int n = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    for (int i = 0; i < n; ++i) {
        Card& c = t.CardAt(i);
        if (!c.Moving) continue;
        c.X = x + (c.Order - base) * p.FanX;
        c.Y = y + (c.Order - base) * p.FanY;
        c.Orientation = p.Orientation;
    }
}

void SortPileOrder(TableState& t)
{
    const int n = PileCount(t);
    for (int p = 0; p < n; ++p) t.PileOrder[static_cast<size_t>(p)] = {t.PileAt(p).Layer, p};
    // By insertion, which keeps equals in order and, for a few dozen piles,
    // costs less than a sort that takes a buffer.
    for (int p = 1; p < n; ++p) {
        const PilePair moved = t.PileOrder[static_cast<size_t>(p)];
        int k = p;
        for (; k > 0 && moved.Key < t.PileOrder[static_cast<size_t>(k - 1)].Key; --k)
            t.PileOrder[static_cast<size_t>(k)] = t.PileOrder[static_cast<size_t>(k - 1)];
        t.PileOrder[static_cast<size_t>(k)] = moved;
    }
}

void RaisePile(TableState& t, int pile)
{
    const int n = PileCount(t);
    if (pile < 0 || pile >= n) return;
    const int32_t old = t.PileAt(pile).Layer;
    for (int p = 0; p < n; ++p)
        if (t.PileAt(p).Layer > old) --t.PileAt(p).Layer;
    t.PileAt(pile).Layer = n - 1;
    SortPileOrder(t);
}

bool NearDropPoint(const TableState& t, int32_t x, int32_t y, Offset point)
{
    const int width = t.Rules.CardSizes[Upright].Width;
    const int snap = width > SnapCardWidth ? SnapDistance * width / SnapCardWidth : SnapDistance;
    return std::abs(x - point.X) < snap && std::abs(y - point.Y) < snap;
}

Offset DropPoint(const TableState& t, int pile)
{
    const Pile& p = t.PileAt(pile);
    const Offset off = TopOffset(t, pile);
    return {p.X + off.X, p.Y + off.Y};
}

void PickUp(Game& g, int x, int y)
{
    TableState& t = g.T;
    const int active = t.ActiveCard;
    if (active < 0 || active >= MaxCards) return;
    const Card& a = t.CardAt(active);
    t.PickedCount = 0;
    const int n = std::clamp(t.Rules.TotalCards, 0, MaxCards);
    for (int i = 0; i < n; ++i) {
        Card& c = t.CardAt(i);
        if (c.InPlay && c.PileIndex == a.PileIndex && c.Order >= a.Order) {
            c.Moving = true;
            ++t.PickedCount;
        }
    }
    t.Rules.PickX = a.X;
    t.Rules.PickY = a.Y;
    t.HomeGripX = t.GripX = x - a.X;
    t.HomeGripY = t.GripY = y - a.Y;
    t.HoverPile = a.PileIndex;
    t.Dragging = true;
    g.View().DragStarted();
}

void StandardClick(Game& g, const Press& press)
{
    TableState& t = g.T;
    if (press.Btn == Button::Right) {
        SendToFoundation(g, press.X, press.Y);
        return;
    }
    switch (PickRule(t, press.Card)) {
    case PickAction::Deal: DealFromStock(g, t.Rules.StockClickMode); break;
    case PickAction::TurnUp: TurnUp(g); break;
    case PickAction::PickUp: PickUp(g, press.X, press.Y); break;
    case PickAction::Nothing: break;
    }
}

void FieldPress(Game& g, const Press& in)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    if (g.View().CelebrationRunning()) {
        g.View().FinishCelebration();
        return;
    }
    if (t.Dragging) return;  // a second button while dragging
    if (!TableFitsGame(t)) return;
    Press press = in;
    const bool hit = press.Card >= 0 && press.Card < r.TotalCards && t.CardAt(press.Card).InPlay;
    if (!hit) press.Card = -1;
    t.ActiveCard = press.Card;
    if (t.PlayedPending) {
        t.PlayedPending = false;
        g.View().GamePlayed();
    }
    const GameHooks& hooks = HooksOf(t.CurrentGame);
    auto click = [&](const Press& p) {
        if (hooks.Click != nullptr)
            hooks.Click(g, p);
        else
            StandardClick(g, p);
    };
    if (press.Btn == Button::Left) {
        if (!hit) {
            const int pile = press.Pile >= 0 && press.Pile < PileCount(t) ? press.Pile : -1;
            if (pile == -1) {
                if (t.MarkedCard != -1) MarkCard(g, false);
                return;
            }
            if (r.IsStock(pile) && PressEmptyStock(g)) return;
            if (!r.EmptyPileClicks) return;
            press.Pile = pile;
        } else {
            press.Pile = t.CardAt(press.Card).PileIndex;
        }
        RaisePile(t, press.Pile);
        g.View().RedrawPile(press.Pile);
        g.View().Repaint();
        click(press);
        return;
    }
    if (!hit) return;
    const Card& c = t.CardAt(press.Card);
    if (!c.FaceUp || !IsTopCard(t, press.Card) || r.IsFoundation(c.PileIndex) || r.IsReserve2(c.PileIndex)) return;
    press.Pile = c.PileIndex;
    click(press);
}

void DragTo(Game& g, int x, int y)
{
    TableState& t = g.T;
    if (!t.Dragging || t.ActiveCard < 0) return;
    const int source = SourcePile(t);
    const int before = t.PickedCount;
    const int hover = t.HoverPile >= 0 ? t.HoverPile : source;
    const int32_t hoverOrientation = t.PileAt(hover).Orientation;
    SortPileOrder(t);
    int target = -1;
    int32_t gripX = 0, gripY = 0;
    for (int k = 0; k < PileCount(t) && target == -1; ++k) {
        const int p = t.PileOrder[static_cast<size_t>(k)].PileIndex;
        if (p == source) continue;
        const Pile& pile = t.PileAt(p);
        if (pile.Orientation != hoverOrientation) {
            gripX = CardWidthIn(t, pile.Orientation) / 2;
            gripY = CardHeightIn(t, pile.Orientation) / 2;
        } else {
            gripX = t.GripX;
            gripY = t.GripY;
        }
        if (!NearDropPoint(t, x - gripX, y - gripY, DropPoint(t, p))) continue;
        t.DropPile = p;
        if (CanDrop(t) == p) target = p;
    }
    int32_t trialX, trialY;
    if (target != -1) {
        t.GripX = gripX;
        t.GripY = gripY;
        trialX = x - gripX;
        trialY = y - gripY;
        t.CardAt(t.ActiveCard).Orientation = t.PileAt(target).Orientation;
        g.View().SetDragCursor();
    } else {
        if (HasTrait(t, TraitRegroupsDrag) && t.PickedCount >= 2) {
            t.DropPile = -1;
            CanDrop(t);
        }
        target = source;
        t.GripX = t.HomeGripX;
        t.GripY = t.HomeGripY;
        trialX = x - t.HomeGripX;
        trialY = y - t.HomeGripY;
        g.View().ResetCursor();
    }
    if (target != t.HoverPile) {
        LayOutGroupFor(t, target, trialX, trialY);
        t.HoverPile = target;
    } else {
        const Card& a = t.CardAt(t.ActiveCard);
        ShiftGroup(t, trialX - a.X, trialY - a.Y);
    }
    if (t.PickedCount != before) g.View().PickedGroupChanged();
}

void SnapGroupTo(Game& g, int pile)
{
    TableState& t = g.T;
    if (!t.Dragging || t.ActiveCard < 0 || pile < 0 || pile >= PileCount(t)) return;
    const Offset at = DropPoint(t, pile);
    LayOutGroupFor(t, pile, at.X, at.Y);
    t.HoverPile = pile;
}

int FindDropPile(const TableState& t)
{
    if (t.ActiveCard < 0) return -1;
    const int source = SourcePile(t);
    const Card& a = t.CardAt(t.ActiveCard);
    // Stacking order from the piles' layers, lowest first.
    std::array<int, MaxPiles> order;
    const int n = PileCount(t);
    for (int p = 0; p < n; ++p) order[static_cast<size_t>(p)] = p;
    std::stable_sort(order.begin(), order.begin() + n,
                     [&](int a1, int b1) { return t.PileAt(a1).Layer < t.PileAt(b1).Layer; });
    for (int k = 0; k < n; ++k) {
        const int p = order[static_cast<size_t>(k)];
        if (p != source && NearDropPoint(t, a.X, a.Y, DropPoint(t, p))) return p;
    }
    return -1;
}

namespace {

// The release's rule: the pile whose drop box holds the group, if the game
// takes the group there. Leaves DropPile set, as the move needs it.
int AimRelease(TableState& t)
{
    t.DropPile = FindDropPile(t);
    return CanDrop(t);
}

}  // namespace

void FieldRelease(Game& g)
{
    TableState& t = g.T;
    if (!t.Dragging) return;
    PerformMove(g, AimRelease(t), true);
    FinishAndTestWin(g);
}

int ReleaseTarget(const TableState& t)
{
    if (!t.Dragging || t.ActiveCard < 0) return -1;
    TableState probe = t;
    return AimRelease(probe);
}

}  // namespace quillo
