#include "move_list.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "autoplay.h"
#include "game_table.h"
#include "legality.h"
#include "moves.h"
#include "pile_cards.h"
#include "pointer.h"

namespace quillo {

namespace {

int Cards(const TableState& t)
{
    return std::clamp(t.Rules.TotalCards, 0, MaxCards);
}

}  // namespace

Offset DragFacts::DropPointOf(int pile)
{
    const auto p = static_cast<size_t>(pile);
    if (!Known_[p]) {
        Points_[p] = DropPoint(T_, pile);
        Known_[p] = true;
    }
    return Points_[p];
}

const TopCards& DragFacts::Tops()
{
    if (!TopsKnown_) Tops_ = FindTopCards(T_);
    TopsKnown_ = true;
    return Tops_;
}

bool AnyPileEmpty(const TableState& t, int32_t first, int32_t last)
{
    for (int p = first; p != -1 && p <= last; ++p)
        if (t.PileAt(p).Count == 0) return true;
    return false;
}

int CountEmptyPiles(const TableState& t, int32_t first, int32_t last)
{
    int n = 0;
    for (int p = first; p != -1 && p <= last; ++p) n += t.PileAt(p).Count == 0 ? 1 : 0;
    return n;
}

void AddDrags(TableState& s, const TableState& t, int card, std::vector<PlayerAction>& out, DragFacts& facts)
{
    const bool regroups = HasTrait(t.CurrentGame, TraitRegroupsDrag);
    const Card& a = t.CardAt(card);
    const int n = Cards(t);
    auto pick = [&] {
        s.ActiveCard = card;
        s.PickedCount = 0;
        for (int i = 0; i < n; ++i) {
            Card& c = s.CardAt(i);
            if (c.InPlay && c.PileIndex == a.PileIndex && c.Order >= a.Order) {
                c.Moving = true;
                ++s.PickedCount;
            }
        }
        s.Dragging = true;
    };
    auto restore = [&] {
        // Only the source pile's cards and the play fields can have changed.
        for (int i = 0; i < n; ++i)
            if (t.CardAt(i).PileIndex == a.PileIndex) s.CardAt(i) = t.CardAt(i);
        s.ActiveCard = t.ActiveCard;
        s.PickedCount = t.PickedCount;
        s.DropPile = t.DropPile;
        s.Dragging = t.Dragging;
    };
    pick();
    uint64_t targets = 0;
    if (!regroups) {
        targets = DropTargets(s, &facts.Tops());
    } else {
        // The drop rule re-forms the group, so every pile is asked afresh.
        for (int p = 0; p < std::min(t.Rules.PileCount, MaxPiles); ++p) {
            if (p == a.PileIndex) continue;
            restore();
            pick();
            s.DropPile = p;
            if (CanDrop(s) == p) targets |= uint64_t{1} << p;
        }
    }
    restore();
    if (targets == 0) return;
    // A release counts only the first drop box under the group, so a pile
    // whose box lies beneath another's is out of reach: the first is the
    // lowest in stacking order, the earlier pile among equals, as the
    // release takes them. The group snapped to a pile lies at that pile's
    // drop point.
    const int piles = std::clamp(t.Rules.PileCount, 0, MaxPiles);
    for (int p = 0; p < piles; ++p) {
        if (((targets >> p) & 1) == 0) continue;
        const Offset at = facts.DropPointOf(p);
        int first = -1;
        for (int q = 0; q < piles; ++q) {
            if (q == a.PileIndex || (first != -1 && t.PileAt(q).Layer >= t.PileAt(first).Layer)) continue;
            if (NearDropPoint(t, at.X, at.Y, facts.DropPointOf(q))) first = q;
        }
        if (first == p) out.push_back({ActionKind::Drag, card, p, -1});
    }
}

void AddDrags(TableState& s, const TableState& t, int card, std::vector<PlayerAction>& out)
{
    DragFacts facts(t);
    AddDrags(s, t, card, out, facts);
}

void AddStockActions(const TableState& t, std::vector<PlayerAction>& out, bool dealsRegardless)
{
    const GameRules& r = t.Rules;
    if (r.StockPile == -1) return;
    const int top = TopCard(t, r.StockPile);
    if (top != -1) {
        const bool toTableau = r.DealToTableau;
        const int32_t first = toTableau ? r.TableFirst : r.WasteFirst;
        const int32_t last = toTableau ? r.TableLast : r.WasteLast;
        const bool needsEmpty = r.StockClickMode != StockDealNormal && !dealsRegardless;
        if (!needsEmpty || AnyPileEmpty(t, first, last)) out.push_back({ActionKind::Press, top, r.StockPile, -1});
    } else if (r.StockRedeals == StockUnlimited || r.StockRedeals - r.StockPass >= 1) {
        out.push_back({ActionKind::EmptyStock, -1, r.StockPile, -1});
    }
}

void AddPickActions(TableState& s, const TableState& t, std::vector<PlayerAction>& out, bool tableauOnly)
{
    const GameRules& r = t.Rules;
    DragFacts facts(t);
    for (int i = 0; i < Cards(t); ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || r.IsStock(c.PileIndex)) continue;
        if (tableauOnly && !r.IsTableau(c.PileIndex)) continue;
        switch (PickRule(t, i)) {
        case PickAction::TurnUp: out.push_back({ActionKind::Press, i, c.PileIndex, -1}); break;
        case PickAction::PickUp: AddDrags(s, t, i, out, facts); break;
        default: break;
        }
    }
}

void ListStandardActions(const TableState& t, std::vector<PlayerAction>& out)
{
    TableState s = t;
    AddPickActions(s, t, out, false);
    AddStockActions(t, out);
}

void ListActions(const TableState& t, std::vector<PlayerAction>& out)
{
    const auto own = HooksOf(t.CurrentGame).Actions;
    if (own != nullptr)
        own(t, out);
    else
        ListStandardActions(t, out);
}
void PlayAction(Game& g, const PlayerAction& a)
{
    TableState& t = g.T;
    auto pressCard = [&](int card) {
        const Card& c = t.CardAt(card);
        Press p{Button::Left, card, c.PileIndex, c.X + CardWidthIn(t, c.Orientation) / 2,
                c.Y + CardHeightIn(t, c.Orientation) / 2};
        FieldPress(g, p);
    };
    auto pressPile = [&](int pile) {
        const Pile& pl = t.PileAt(pile);
        FieldPress(g, {Button::Left, -1, pile, pl.X + CardWidthIn(t, pl.Orientation) / 2,
                       pl.Y + CardHeightIn(t, pl.Orientation) / 2});
    };
    auto cancelDrag = [&] {
        if (t.Dragging) FieldRelease(g);
    };
    switch (a.Kind) {
    case ActionKind::Drag:
        pressCard(a.Card);
        if (t.Dragging) {
            SnapGroupTo(g, a.Pile);
            FieldRelease(g);
        }
        break;
    case ActionKind::Press:
        pressCard(a.Card);
        cancelDrag();
        break;
    case ActionKind::EmptyStock: pressPile(a.Pile); break;
    case ActionKind::DealButton: DealButton(g); break;
    case ActionKind::TwoPresses:
        pressCard(a.Card);
        cancelDrag();
        if (a.Other != -1)
            pressCard(a.Other);
        else
            pressPile(a.Pile);
        cancelDrag();
        break;
    }
}

void PlayListedAction(Game& g, const PlayerAction& a)
{
    TableState& t = g.T;
    if (a.Kind != ActionKind::Drag) {
        PlayAction(g, a);
        return;
    }
    // The lister found the target's drop box the first under the snapped
    // group, so the release would aim at it: only its drop rule is asked.
    const Card& c = t.CardAt(a.Card);
    FieldPress(g, {Button::Left, a.Card, c.PileIndex, c.X + CardWidthIn(t, c.Orientation) / 2,
                   c.Y + CardHeightIn(t, c.Orientation) / 2});
    if (!t.Dragging) return;
    t.DropPile = a.Pile;
    PerformMove(g, CanDrop(t), true);
    FinishAndTestWin(g);
}

}  // namespace quillo
