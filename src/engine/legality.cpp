#include "legality.h"

#include <algorithm>

#include "game_fit.h"
#include "game_table.h"

namespace quillo {

namespace {

int CardCount(const TableState& t)
{
    return std::clamp(t.Rules.TotalCards, 0, MaxCards);
}

bool ValidPile(const TableState& t, int pile)
{
    return pile >= 0 && pile < t.Rules.PileCount && pile < MaxPiles;
}

// Top card lookups either scan the cards or use a table made beforehand.
struct Tops {
    const TableState& T;
    const TopCards* Known = nullptr;
    int operator()(int pile) const
    {
        if (Known != nullptr && pile >= 0 && pile < MaxPiles) return (*Known)[static_cast<size_t>(pile)];
        return TopCard(T, pile);
    }
};

bool OnFoundation(const TableState& t, const Tops& top)
{
    const GameRules& r = t.Rules;
    const int d = t.DropPile;
    if (!r.IsFoundation(d) || t.PickedCount != 1 || t.ActiveCard < 0) return false;
    const Card& c = t.CardAt(t.ActiveCard);
    const int topCard = top(d);
    if (topCard == -1) return r.StartRank != -1 && c.Rank == r.StartRank;
    const Pile& p = t.PileAt(d);
    const Card& target = t.CardAt(topCard);
    return SuitFits(p.ConsSuit, c, target) && RankFits(t, p.ConsVal, c, target, r.FullFoundations);
}

bool AllReservesEmpty(const TableState& t)
{
    const GameRules& r = t.Rules;
    for (int p = r.ReserveFirst; p != -1 && p <= r.ReserveLast; ++p)
        if (t.PileAt(p).Count > 0) return false;
    return true;
}

bool OnTableau(const TableState& t, const Tops& top)
{
    const GameRules& r = t.Rules;
    const int d = t.DropPile;
    if (!r.IsTableau(d) || t.ActiveCard < 0) return false;
    const Card& c = t.CardAt(t.ActiveCard);
    const int source = c.PileIndex;
    const int topCard = top(d);
    if (topCard != -1) {
        if (r.TableBuildFrom == BuildFromNone) return false;
        if (r.TableBuildFrom == BuildFromWasteOrReserve && !r.IsWaste(source) && !r.IsReserve(source)) return false;
        const Card& target = t.CardAt(topCard);
        return target.FaceUp && SuitFits(r.TableConsSuit, c, target) && RankFits(t, r.TableConsVal, c, target, false);
    }
    const bool basic = r.FillFreeTable == FillAnyCard || (r.FillFreeTable == FillFromWaste && source == r.WasteFirst) ||
                       c.Rank == r.FillRank;
    switch (r.FillFreeTable) {
    case FillGameRule7: return r.IsReserve(source) || r.IsWaste(source) || basic;
    case FillGameRule6: return r.IsReserve(source) || r.ReserveFirst == -1 || AllReservesEmpty(t);
    case FillGameRule8: {
        const bool stockEmpty = r.StockPile == -1 || t.PileAt(r.StockPile).Count == 0;
        if (!stockEmpty) return basic;
        if (r.StockPass == r.StockRedeals) return true;
        const bool wasteEmpty = r.WasteFirst == -1 || t.PileAt(r.WasteFirst).Count == 0;
        return wasteEmpty || basic;
    }
    default: return basic;
    }
}

int Standard(const TableState& t, const Tops& top)
{
    const GameRules& r = t.Rules;
    const int d = t.DropPile;
    if (!ValidPile(t, d) || t.ActiveCard < 0) return -1;
    if (OnFoundation(t, top) || OnTableau(t, top)) return d;
    if (r.FreeCells && r.IsReserve(d) && t.PileAt(d).Count == 0 && t.PickedCount == 1) return d;
    return -1;
}

}  // namespace

int TopCard(const TableState& t, int pile)
{
    if (!ValidPile(t, pile)) return -1;
    const int32_t count = t.PileAt(pile).Count;
    if (count <= 0) return -1;
    const int n = CardCount(t);
    for (int i = 0; i < n; ++i) {
        const Card& c = t.CardAt(i);
        if (c.PileIndex == pile && c.InPlay && c.Order == count - 1) return i;
    }
    return -1;
}

bool IsTopCard(const TableState& t, int card)
{
    if (card < 0 || card >= MaxCards) return false;
    const Card& c = t.CardAt(card);
    return ValidPile(t, c.PileIndex) && c.Order == t.PileAt(c.PileIndex).Count - 1;
}

TopCards FindTopCards(const TableState& t)
{
    TopCards tops;
    tops.fill(-1);
    const int n = CardCount(t);
    for (int i = n - 1; i >= 0; --i) {  // backwards, so the first in card order wins
        const Card& c = t.CardAt(i);
        if (!c.InPlay || !ValidPile(t, c.PileIndex)) continue;
        if (c.Order == t.PileAt(c.PileIndex).Count - 1) tops[static_cast<size_t>(c.PileIndex)] = i;
    }
    return tops;
}

int BaseCard(const TableState& t, int pile)
{
    int base = -1;
    const int n = CardCount(t);
    for (int i = 0; i < n; ++i) {
        const Card& c = t.CardAt(i);
        if (c.InPlay && c.PileIndex == pile && c.Order == 0) base = i;
    }
    return base;
}

bool SuitFits(uint8_t code, const Card& moving, const Card& target)
{
    switch (code) {
    case SuitSame: return moving.Suit == target.Suit;
    case SuitAlternate: return ColoursDiffer(moving.Suit, target.Suit);
    case SuitSameColour: return !ColoursDiffer(moving.Suit, target.Suit);
    default: return true;
    }
}

bool RankFits(const TableState& t, uint8_t code, const Card& moving, const Card& target, bool noRepeat)
{
    const int32_t m = moving.Rank;
    const int32_t v = target.Rank;
    if (noRepeat) {
        // A foundation never takes a second card of the rank it began with.
        const int base = BaseCard(t, target.PileIndex);
        if (base != -1 && t.CardAt(base).Rank == m) return false;
    }
    const bool up = m == v + 1 || (v == RankKing && m == RankAce);
    const bool down = m == v - 1 || (v == RankAce && m == RankKing);
    switch (code) {
    case ConsNoOrder: return true;
    case ConsAscending: return up;
    case ConsDescending: return down;
    case ConsEither: return up || down;
    default: return false;
    }
}

bool IsLegalRunFrom(const TableState& t, int card, uint8_t suitCode, uint8_t orderCode)
{
    if (card < 0 || card >= MaxCards) return false;
    const Card& a = t.CardAt(card);
    if (!ValidPile(t, a.PileIndex)) return false;
    const int32_t count = t.PileAt(a.PileIndex).Count;
    if (count < 2) return true;
    // Cards of the pile by position; a missing position ends the walk.
    std::array<int, MaxCards> at;
    const int n = CardCount(t);
    const int32_t from = a.Order;
    if (from < 0 || from >= count) return false;
    std::fill(at.begin() + from, at.begin() + count, -1);
    for (int i = 0; i < n; ++i) {
        const Card& c = t.CardAt(i);
        if (c.InPlay && c.PileIndex == a.PileIndex && c.Order > from && c.Order < count)
            at[static_cast<size_t>(c.Order)] = i;
    }
    int previous = card;
    for (int32_t k = from + 1; k < count; ++k) {
        const int next = at[static_cast<size_t>(k)];
        if (next == -1) return false;  // a gap: the walk never reaches the top
        const Card& c = t.CardAt(next);
        const Card& below = t.CardAt(previous);
        if (!c.FaceUp || !RankFits(t, orderCode, c, below, false) || !SuitFits(suitCode, c, below)) return false;
        previous = next;
    }
    return true;
}

bool IsLegalRun(const TableState& t, uint8_t suitCode, uint8_t orderCode)
{
    return IsLegalRunFrom(t, t.ActiveCard, suitCode, orderCode);
}

PickAction PickRule(const TableState& t, int card)
{
    if (card < 0 || card >= MaxCards || !t.CardAt(card).InPlay) return PickAction::Nothing;
    const GameRules& r = t.Rules;
    const Card& c = t.CardAt(card);
    const int p = c.PileIndex;
    const bool top = IsTopCard(t, card);
    if (r.IsStock(p)) return PickAction::Deal;
    if (r.IsWaste(p)) return top ? PickAction::PickUp : PickAction::Nothing;
    if (r.IsFoundation(p)) return top && r.FoundTakeCards ? PickAction::PickUp : PickAction::Nothing;
    if (r.IsReserve(p)) {
        if (!top) return PickAction::Nothing;
        return c.FaceUp ? PickAction::PickUp : PickAction::TurnUp;
    }
    if (r.IsTableau(p)) {
        if (!c.FaceUp) return top ? PickAction::TurnUp : PickAction::Nothing;
        if (top || r.MoveUnit == MoveAnyRun) return PickAction::PickUp;
        if (r.MoveUnit == MoveLegalRun && IsLegalRunFrom(t, card, r.TableConsSuit, r.TableConsVal))
            return PickAction::PickUp;
    }
    return PickAction::Nothing;
}

bool CanDropOnFoundation(const TableState& t)
{
    return OnFoundation(t, Tops{t});
}

bool CanDropOnTableau(const TableState& t)
{
    return OnTableau(t, Tops{t});
}

int CanDropStandard(const TableState& t)
{
    return Standard(t, Tops{t});
}

int CanDrop(TableState& t)
{
    if (!TableFitsGame(t)) return -1;
    const GameHooks& h = HooksOf(t.CurrentGame);
    if (h.Drop != nullptr) return h.Drop(t);
    return CanDropStandard(t);
}

uint64_t DropTargets(TableState& t, const TopCards* known)
{
    if (!TableFitsGame(t)) return 0;
    const int source = SourcePile(t);
    const int saved = t.DropPile;
    const int piles = std::clamp(t.Rules.PileCount, 0, MaxPiles);
    uint64_t set = 0;
    if (HooksOf(t.CurrentGame).Drop != nullptr) {
        for (int p = 0; p < piles; ++p) {
            if (p == source) continue;
            t.DropPile = p;
            if (CanDrop(t) == p) set |= uint64_t{1} << p;
        }
    } else {
        TopCards found;
        if (known == nullptr) found = FindTopCards(t);
        const Tops top{t, known != nullptr ? known : &found};
        for (int p = 0; p < piles; ++p) {
            if (p == source) continue;
            t.DropPile = p;
            if (Standard(t, top) == p) set |= uint64_t{1} << p;
        }
    }
    t.DropPile = saved;
    return set;
}

}  // namespace quillo
