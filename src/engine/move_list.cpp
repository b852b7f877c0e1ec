#include "move_list.h"

#include <algorithm>
#include <cstdlib>

#include "catalogue.h"
#include "game_table.h"
#include "games/games.h"
#include "legality.h"
#include "pile_cards.h"
#include "pointer.h"

namespace quillo {

namespace {

int Cards(const TableState& t)
{
    return std::clamp(t.Rules.TotalCards, 0, MaxCards);
}

bool AnyEmpty(const TableState& t, int32_t first, int32_t last)
{
    for (int p = first; p != -1 && p <= last; ++p)
        if (t.PileAt(p).Count == 0) return true;
    return false;
}

int CountEmpty(const TableState& t, int32_t first, int32_t last)
{
    int n = 0;
    for (int p = first; p != -1 && p <= last; ++p) n += t.PileAt(p).Count == 0 ? 1 : 0;
    return n;
}

// Drops of the group picked at card; s is a scratch copy of the table.
void AddDrags(TableState& s, const TableState& t, int card, std::vector<PlayerAction>& out)
{
    const bool regroups = (HooksOf(t.CurrentGame).Traits & TraitRegroupsDrag) != 0;
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
        targets = DropTargets(s);
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
    for (int p = 0; p < MaxPiles; ++p) {
        if (((targets >> p) & 1) == 0) continue;
        // A release counts only the first drop box under the group, so a pile
        // whose box lies beneath another's is out of reach.
        pick();
        const Offset at = DropPoint(s, p);
        LayOutGroupFor(s, p, at.X, at.Y);
        const bool reached = FindDropPile(s) == p;
        restore();
        if (reached) out.push_back({ActionKind::Drag, card, p, -1});
    }
}

void AddStockActions(const TableState& t, std::vector<PlayerAction>& out)
{
    const GameRules& r = t.Rules;
    if (r.StockPile == -1) return;
    const int top = TopCard(t, r.StockPile);
    if (top != -1) {
        const bool toTableau = r.DealToTableau;
        const int32_t first = toTableau ? r.TableFirst : r.WasteFirst;
        const int32_t last = toTableau ? r.TableLast : r.WasteLast;
        const bool needsEmpty = r.StockClickMode != StockDealNormal && t.CurrentGame != games::NapoleonsTomb &&
                                t.CurrentGame != games::Aribert;
        if (!needsEmpty || AnyEmpty(t, first, last)) out.push_back({ActionKind::Press, top, r.StockPile, -1});
    } else if (r.StockRedeals == StockUnlimited || r.StockRedeals - r.StockPass >= 1) {
        out.push_back({ActionKind::EmptyStock, -1, r.StockPile, -1});
    }
}

void ListStandard(TableState& s, const TableState& t, std::vector<PlayerAction>& out, bool tableauOnly)
{
    const GameRules& r = t.Rules;
    for (int i = 0; i < Cards(t); ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || r.IsStock(c.PileIndex)) continue;
        if (tableauOnly && !r.IsTableau(c.PileIndex)) continue;
        switch (PickRule(t, i)) {
        case PickAction::TurnUp: out.push_back({ActionKind::Press, i, c.PileIndex, -1}); break;
        case PickAction::PickUp: AddDrags(s, t, i, out); break;
        default: break;
        }
    }
}

void ListNapoleonsTomb(TableState& s, const TableState& t, std::vector<PlayerAction>& out)
{
    const GameRules& r = t.Rules;
    for (int i = 0; i < Cards(t); ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || !IsTopCard(t, i)) continue;
        if (r.IsWaste(c.PileIndex) || (r.IsTableau(c.PileIndex) && c.FaceUp)) AddDrags(s, t, i, out);
        if (r.IsTableau(c.PileIndex) && !c.FaceUp) out.push_back({ActionKind::Press, i, c.PileIndex, -1});
    }
}

void ListFreeCell(TableState& s, const TableState& t, std::vector<PlayerAction>& out)
{
    const GameRules& r = t.Rules;
    const int free = CountEmpty(t, r.ReserveFirst, r.ReserveLast) + CountEmpty(t, r.TableFirst, r.TableLast);
    const TopCards tops = FindTopCards(t);
    for (int i = 0; i < Cards(t); ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay) continue;
        if (IsTopCard(t, i)) {
            if (PickRule(t, i) == PickAction::PickUp) AddDrags(s, t, i, out);
            continue;
        }
        if (!r.IsTableau(c.PileIndex) || !IsLegalRunFrom(t, i, SuitAlternate, ConsDescending)) continue;
        const int length = t.PileAt(c.PileIndex).Count - c.Order;
        for (int p = r.TableFirst; p <= r.TableLast; ++p) {
            if (p == c.PileIndex) continue;
            const int top = tops[static_cast<size_t>(p)];
            if (top == -1) {
                // A whole run to an empty column: the column itself is no free place.
                if (free - 1 > 0 && length <= free) out.push_back({ActionKind::TwoPresses, i, p, -1});
                continue;
            }
            s.ActiveCard = i;
            s.DropPile = p;
            if (length <= free + 1 && CanDropOnTableau(s)) out.push_back({ActionKind::TwoPresses, i, p, top});
        }
    }
    s.ActiveCard = t.ActiveCard;
    s.DropPile = t.DropPile;
}

void ListMonteCarlo(const TableState& t, std::vector<PlayerAction>& out)
{
    const GameRules& r = t.Rules;
    for (int a = 0; a < Cards(t); ++a) {
        const Card& x = t.CardAt(a);
        if (!x.InPlay || !r.IsTableau(x.PileIndex)) continue;
        for (int b = 0; b < Cards(t); ++b) {
            const Card& y = t.CardAt(b);
            if (!y.InPlay || !r.IsTableau(y.PileIndex) || y.PileIndex <= x.PileIndex || y.Rank != x.Rank) continue;
            const int apart = y.PileIndex - x.PileIndex;
            if (apart == 1 || apart == 4 || apart == 5 || apart == 6) out.push_back({ActionKind::TwoPresses, a, -1, b});
        }
    }
    // The Deal button helps only where a gap can be closed or filled.
    bool gap = false, cardAfterGap = false;
    for (int p = r.TableFirst; p <= r.TableLast; ++p) {
        if (t.PileAt(p).Count == 0)
            gap = true;
        else if (gap)
            cardAfterGap = true;
    }
    if (gap && (cardAfterGap || t.PileAt(r.StockPile).Count > 0)) out.push_back({ActionKind::DealButton, -1, -1, -1});
}

void ListRoyalMarriage(const TableState& t, std::vector<PlayerAction>& out)
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
        if (!enclosed(p) || !enclosed(p + 1) || top(p) == -1 || top(p + 1) == -1 || !match(p - 1, p + 2)) continue;
        // A first press on a card that goes alone removes it instead of marking,
        // so the pair starts from the one that does not.
        if (!alone(p))
            out.push_back({ActionKind::TwoPresses, top(p), p + 1, top(p + 1)});
        else if (!alone(p + 1))
            out.push_back({ActionKind::TwoPresses, top(p + 1), p, top(p)});
    }
    AddStockActions(t, out);
}

void ListPyramid(const TableState& t, std::vector<PlayerAction>& out)
{
    std::vector<int> free;
    for (int i = 0; i < Cards(t); ++i)
        if (games::PyramidAvailable(t, i)) free.push_back(i);
    for (size_t a = 0; a < free.size(); ++a) {
        const Card& x = t.CardAt(free[a]);
        if (x.Rank == RankKing) out.push_back({ActionKind::Press, free[a], x.PileIndex, -1});
        for (size_t b = a + 1; b < free.size(); ++b)
            // Ranks count from 0: pairs totalling 13 in card values total 11, a Queen.
            if (x.Rank + t.CardAt(free[b]).Rank == RankQueen) out.push_back({ActionKind::TwoPresses, free[a], -1, free[b]});
    }
    AddStockActions(t, out);
}

}  // namespace

void ListActions(const TableState& t, std::vector<PlayerAction>& out)
{
    TableState s = t;
    switch (t.CurrentGame) {
    case games::FreeCell: ListFreeCell(s, t, out); break;
    case games::MonteCarlo: ListMonteCarlo(t, out); break;
    case games::RoyalMarriage: ListRoyalMarriage(t, out); break;
    case games::Pyramid: ListPyramid(t, out); break;
    case games::Crescent:
        ListStandard(s, t, out, false);
        if (t.Rules.TableRedealsUsed < t.Rules.TableRedeals) out.push_back({ActionKind::DealButton, -1, -1, -1});
        break;
    case games::NapoleonsTomb:
        ListNapoleonsTomb(s, t, out);
        AddStockActions(t, out);
        break;
    case games::Aribert:
        ListStandard(s, t, out, true);
        AddStockActions(t, out);
        break;
    default:
        ListStandard(s, t, out, false);
        // Spider deals only while every pile holds a card.
        if (t.CurrentGame != games::Spider || !AnyEmpty(t, t.Rules.TableFirst, t.Rules.TableLast))
            AddStockActions(t, out);
        break;
    }
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

}  // namespace quillo
