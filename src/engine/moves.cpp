#include "moves.h"

#include <algorithm>
#include <array>

#include "deal_ops.h"
#include "fan_fit.h"
#include "game_fit.h"
#include "game_table.h"
#include "labels.h"
#include "legality.h"
#include "pile_cards.h"
#include "special.h"

namespace quillo {

namespace {

int CardCount(const TableState& t)
{
    return std::clamp(t.Rules.TotalCards, 0, MaxCards);
}

bool HasTrait(const TableState& t, uint16_t trait)
{
    return (HooksOf(t.CurrentGame).Traits & trait) != 0;
}

void PlaySound(Game& g, const char* name)
{
    if (g.T.Opt.Sound) g.View().PlaySound(name);
}

// The step from a card to the next one above it on a pile.
Offset StepAfter(const Pile& p, const Card& below)
{
    if (p.FanDir == FanNone || p.FanDir == FanStockStack) return {};
    return below.FaceUp ? Offset{p.FanX, p.FanY} : Offset{p.DownFanX, p.DownFanY};
}

// Puts a card on top of a pile at its next place, in the pile's orientation.
void Append(TableState& t, int card, int pile, Offset at)
{
    Card& c = t.CardAt(card);
    Pile& p = t.PileAt(pile);
    if (c.InPlay && c.PileIndex >= 0 && c.PileIndex < MaxPiles && c.PileIndex != pile) --t.PileAt(c.PileIndex).Count;
    c.PileIndex = pile;
    c.Order = p.Count;
    c.X = p.X + at.X;
    c.Y = p.Y + at.Y;
    c.Orientation = p.Orientation;
    c.InPlay = true;
    ++p.Count;
}

void RefreshIfStockOrWaste(Game& g, int a, int b)
{
    const GameRules& r = g.T.Rules;
    auto touches = [&](int p) { return p != -1 && (p == r.StockPile || p == r.WasteFirst); };
    if (touches(a) || touches(b)) UpdateStockLabels(g);
}

// Napoleon's Tomb serves one waste pile fewer on each pass; the count
// follows from StockPass, so an Undo brings it back with the pass.
void ServedWastesFromPass(GameRules& r)
{
    constexpr int wastes = 5;
    r.ActiveWastes = std::clamp(wastes - (r.StockPass - 1), 1, wastes);
    if (r.WasteFirst != -1) r.WasteLast = r.WasteFirst + r.ActiveWastes - 1;
}

}  // namespace

Offset TopOffset(const TableState& t, int pile)
{
    if (pile < 0 || pile >= MaxPiles) return {};
    const Pile& p = t.PileAt(pile);
    if (p.Count < 2 || p.FanDir == FanNone) return {};
    if (p.FanDir == FanStockStack) {
        const int32_t o = StockStackOffset(p, p.Count - 1);
        return {o, o};
    }
    CardList cards;
    const int n = CardsByOrder(t, pile, cards);
    Offset off;
    for (int k = 0; k + 1 < n; ++k) {
        if (cards[static_cast<size_t>(k)] == -1) continue;
        const Offset s = StepAfter(p, t.CardAt(cards[static_cast<size_t>(k)]));
        off.X += s.X;
        off.Y += s.Y;
    }
    return off;
}

Offset NextOffset(const TableState& t, int pile)
{
    if (pile < 0 || pile >= MaxPiles) return {};
    const Pile& p = t.PileAt(pile);
    if (p.Count == 0 || p.FanDir == FanNone) return {};
    if (p.FanDir == FanStockStack) {
        const int32_t o = StockStackOffset(p, p.Count);
        return {o, o};
    }
    Offset off = TopOffset(t, pile);
    const int top = TopCard(t, pile);
    const Offset s = top == -1 ? Offset{p.FanX, p.FanY} : StepAfter(p, t.CardAt(top));
    return {off.X + s.X, off.Y + s.Y};
}

void AnimateMove(Game& g, int d, bool accepted)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    const int s = SourcePile(t);
    // Kept from move to move: setting up a hundred entries afresh cost more
    // than the rest of a one-card move.
    static thread_local std::array<MovedCard, MaxCards> moved;
    // The moving cards, where gathered: only they need their mark cleared.
    std::array<int, MaxCards> group;
    int grouped = -1;
    int n = 0;
    if (s >= 0 && s < MaxPiles) {
        if (d == -1 || !accepted || d >= MaxPiles || d == s) {
            d = s;
            accepted = false;
        }
        if (accepted) PlaySound(g, r.IsFoundation(d) ? "found.wav" : "work.wav");

        const int total = CardCount(t);
        for (int i = 0; i < total; ++i)
            if (t.CardAt(i).Moving) group[static_cast<size_t>(n++)] = i;
        grouped = n;
        // By insertion, keeping equals in order: a group is a few cards, too
        // few to pay for a sort's buffer.
        for (int k = 1; k < n; ++k) {
            const int card = group[static_cast<size_t>(k)];
            int j = k;
            for (; j > 0 && t.CardAt(card).Order < t.CardAt(group[static_cast<size_t>(j - 1)]).Order; --j)
                group[static_cast<size_t>(j)] = group[static_cast<size_t>(j - 1)];
            group[static_cast<size_t>(j)] = card;
        }
        for (int k = 0; k < n; ++k) {
            const Card& c = t.CardAt(group[static_cast<size_t>(k)]);
            moved[static_cast<size_t>(k)] = {group[static_cast<size_t>(k)], c.X, c.Y, c.Orientation};
        }

        if (accepted) {
            Offset at = NextOffset(t, d);
            const Pile& target = t.PileAt(d);
            for (int k = 0; k < n; ++k) {
                const int card = group[static_cast<size_t>(k)];
                Append(t, card, d, at);
                if (target.FanDir == FanStockStack) {
                    at.X = at.Y = StockStackOffset(target, target.Count);
                } else {
                    const Offset step = StepAfter(target, t.CardAt(card));
                    at.X += step.X;
                    at.Y += step.Y;
                }
            }
        } else {
            const Pile& home = t.PileAt(s);
            Offset at;
            for (int k = 0; k < n; ++k) {
                Card& c = t.CardAt(group[static_cast<size_t>(k)]);
                c.X = r.PickX + at.X;
                c.Y = r.PickY + at.Y;
                c.Orientation = home.Orientation;
                if (HasTrait(t, TraitPutBackOneCard)) {
                    // The braid's cards lean left and right by position.
                    if (s == r.TableLast) c.Orientation = c.Order % 2 == 1 ? 5 : 1;
                    n = 1;
                    break;
                }
                const Offset step = StepAfter(home, c);
                at.X += step.X;
                at.Y += step.Y;
            }
        }
    }
    if (grouped >= 0) {
        for (int k = 0; k < grouped; ++k) t.CardAt(group[static_cast<size_t>(k)]).Moving = false;
    } else {
        const int total = CardCount(t);
        for (int i = 0; i < total; ++i) t.CardAt(i).Moving = false;
    }
    t.Dragging = false;
    t.ActiveCard = -1;
    t.PickedCount = 0;
    t.HoverPile = -1;
    if (s < 0) return;
    // The glide ends where the cards lie once both piles fit the field; the
    // cards a squeeze moved without gliding are drawn afterwards.
    const bool refitted = FitFans(t);
    RefreshIfStockOrWaste(g, s, d);
    g.View().ShowMove({s, d, accepted, std::span<const MovedCard>(moved.data(), static_cast<size_t>(n))});
    if (refitted) g.View().RedrawField();
}

void PerformMove(Game& g, int target, bool record)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    const bool outer = g.RecordUndo;
    g.RecordUndo = record;
    const int source = SourcePile(t);
    AnimateMove(g, target, target != -1);

    const GameHooks& hooks = HooksOf(t.CurrentGame);
    if (hooks.FollowUp != nullptr && TableFitsGame(t)) {
        g.RecordUndo = false;
        hooks.FollowUp(g, {source, target, target != -1 && source != -1});
        // Back to the caller's setting: autoplay moves stay unrecorded.
        g.RecordUndo = record;
    }
    if (record && t.Opt.Autoplay && (r.AutoplayAllowed || HasTrait(t, TraitAlwaysTurnUp))) TurnUpTopCards(g);
    UpdateStockLabels(g);
    if (target != -1) RecordSnapshot(g);
    g.View().ResetCursor();
    g.RecordUndo = outer;
}

bool DealFromStock(Game& g, int mode)
{
    TableState& t = g.T;
    const GameRules& r = t.Rules;
    const int first = r.DealToTableau ? r.TableFirst : r.WasteFirst;
    const int last = r.DealToTableau ? r.TableLast : r.WasteLast;
    if (r.StockPile == -1 || first == -1) return false;
    if (mode != StockDealNormal) {
        bool anyEmpty = false;
        for (int p = first; p <= last; ++p) anyEmpty = anyEmpty || t.PileAt(p).Count == 0;
        if (!anyEmpty) return false;
    }
    bool dealt = false;
    CardList stock;
    int k = CardsByOrder(t, r.StockPile, stock) - 1;
    int current = first;
    int onCurrent = 0;
    const int perPile = std::max(1, r.GetDeckCardNum);
    while (k >= 0 && current <= last) {
        if (mode != StockDealNormal && onCurrent == 0) {
            while (current <= last && t.PileAt(current).Count != 0) ++current;
            if (current > last) break;
        }
        const int card = stock[static_cast<size_t>(k--)];
        if (card == -1) continue;
        Append(t, card, current, NextOffset(t, current));
        t.CardAt(card).FaceUp = true;
        dealt = true;
        if (mode == StockDealOneIntoEmpty) break;
        if (++onCurrent >= perPile) {
            ++current;
            onCurrent = 0;
        }
    }
    g.View().RedrawPile(r.StockPile);
    UpdateStockLabels(g);
    g.View().RedrawField();
    RecordSnapshot(g);
    PlaySound(g, "work.wav");
    return dealt;
}

void RedealStock(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    if (r.StockPile == -1) return;
    const int total = CardCount(t);
    if (HasTrait(t, TraitGatherTableauOnRedeal) && r.WasteFirst != -1 && r.TableFirst != -1) {
        for (int p = r.TableFirst; p <= r.TableLast; ++p) {
            CardList cards;
            for (int k = CardsByOrder(t, p, cards) - 1; k >= 0; --k) {
                const int card = cards[static_cast<size_t>(k)];
                if (card != -1) Append(t, card, r.WasteFirst, NextOffset(t, r.WasteFirst));
            }
            t.PileAt(p).Count = 0;
        }
    }
    const int first = r.DealToTableau ? r.TableFirst : r.WasteFirst;
    const int last = r.DealToTableau ? r.TableLast : r.WasteLast;
    if (first != -1) {
        // From the top down over all source piles, so the next pass deals the
        // cards in the order of this one.
        std::array<int, MaxCards> cards;
        int n = 0;
        for (int i = 0; i < total; ++i) {
            const Card& c = t.CardAt(i);
            if (c.InPlay && c.PileIndex >= first && c.PileIndex <= last) cards[static_cast<size_t>(n++)] = i;
        }
        std::stable_sort(cards.begin(), cards.begin() + n, [&](int a, int b) {
            const Card& x = t.CardAt(a);
            const Card& y = t.CardAt(b);
            return x.Order != y.Order ? x.Order > y.Order : x.PileIndex > y.PileIndex;
        });
        for (int k = 0; k < n; ++k) {
            const int card = cards[static_cast<size_t>(k)];
            Append(t, card, r.StockPile, NextOffset(t, r.StockPile));
            t.CardAt(card).FaceUp = false;
        }
    }
    // The pass is counted before the snapshot, so that the snapshot holds the
    // table as it now stands.
    ++r.StockPass;
    g.View().RedrawField();
    RecordSnapshot(g);
    PlaySound(g, "return.wav");
    UpdateStockLabels(g);
}

bool PressEmptyStock(Game& g)
{
    GameRules& r = g.T.Rules;
    if (r.StockPile == -1) return false;
    if (r.StockRedeals != StockUnlimited && r.StockRedeals - r.StockPass < 1) return false;
    if (HasTrait(g.T, TraitShrinkingWastes)) r.ActiveWastes = std::max(1, r.ActiveWastes - 1);
    RedealStock(g);
    return true;
}

void TurnUp(Game& g)
{
    TableState& t = g.T;
    const int card = t.ActiveCard;
    if (card < 0 || !IsTopCard(t, card)) return;
    PlaySound(g, "open.wav");
    t.CardAt(card).FaceUp = true;
    g.View().RedrawCard(card);
    g.View().Repaint();
}

bool TurnUpTopCards(Game& g)
{
    TableState& t = g.T;
    // Once every card is face up, as after most moves of most games, there
    // is nothing to look for.
    const int total = CardCount(t);
    int down = 0;
    while (down < total && (!t.CardAt(down).InPlay || t.CardAt(down).FaceUp)) ++down;
    if (down == total) return false;
    const TopCards tops = FindTopCards(t);
    bool any = false;
    for (int p = 0; p < std::min(t.Rules.PileCount, MaxPiles); ++p) {
        const int card = tops[static_cast<size_t>(p)];
        if (card == -1 || t.Rules.IsStock(p) || t.CardAt(card).FaceUp) continue;
        PlaySound(g, "open.wav");
        t.CardAt(card).FaceUp = true;
        g.View().RedrawCard(card);
        any = true;
    }
    if (any) g.View().Repaint();
    return any;
}

void SetUndoEnabled(Game& g, bool enabled)
{
    if (g.UndoEnabled == enabled) return;
    g.UndoEnabled = enabled;
    g.View().SetUndoEnabled(enabled);
}

void SetRedoEnabled(Game& g, bool enabled)
{
    if (g.RedoEnabled == enabled) return;
    g.RedoEnabled = enabled;
    g.View().SetRedoEnabled(enabled);
}

void RecordSnapshot(Game& g)
{
    // Every action ends here: its piles are fitted to the field before the
    // table is kept.
    if (FitFans(g.T)) g.View().RedrawField();
    if (!g.RecordUndo || !g.KeepHistory) return;
    g.Undo.Push(g.T);
    SetUndoEnabled(g, g.Undo.CanUndo());
    SetRedoEnabled(g, false);
    g.View().SnapshotRecorded();
}

namespace {

// Puts the history's current snapshot on the table after a step.
void RestoreCurrent(Game& g)
{
    TableState& t = g.T;
    ReadSnapshot(g.Undo.Current(), t);
    t.ActiveCard = t.DropPile = t.MarkedCard = t.HoverPile = -1;
    t.PickedCount = 0;
    t.Dragging = false;
    g.GameWon = false;
    if (HasTrait(t, TraitShrinkingWastes)) ServedWastesFromPass(t.Rules);
    g.View().RedrawField();
    UpdateStockLabels(g);
}

}  // namespace

void UndoMove(Game& g)
{
    if (g.View().CelebrationRunning()) return;
    if (g.Undo.CanUndo()) {
        PlaySound(g, "undo.wav");
        g.Undo.StepBack();
        RestoreCurrent(g);
    }
    if (!g.Undo.CanUndo()) SetUndoEnabled(g, false);
    SetRedoEnabled(g, g.Undo.CanRedo());
}

void RedoMove(Game& g)
{
    if (g.View().CelebrationRunning() || !g.Undo.CanRedo()) return;
    PlaySound(g, "undo.wav");
    g.Undo.StepForward();
    RestoreCurrent(g);
    SetUndoEnabled(g, g.Undo.CanUndo());
    SetRedoEnabled(g, g.Undo.CanRedo());
}

void DealButton(Game& g)
{
    TableState& t = g.T;
    GameRules& r = t.Rules;
    if (r.TableRedeals == RedealsNone) return;
    if (r.TableRedeals >= 0 && r.TableRedealsUsed >= r.TableRedeals) return;
    // Counted first, so that a snapshot of the button's action includes it.
    if (r.TableRedeals >= 0) ++r.TableRedealsUsed;
    if (HasTrait(t, TraitDealClosesGaps)) {
        CloseGaps(g, false);
        DealFromStock(g, StockDealIntoEmpty);
        g.View().RedrawField();
    }
    if (HasTrait(t, TraitDealTurnsPiles)) {
        BottomCardsToTop(t);
        g.View().RedrawField();
        PlaySound(g, "return.wav");
        RecordSnapshot(g);
    }
    UpdateStockLabels(g);
}

void BottomCardsToTop(TableState& t)
{
    const GameRules& r = t.Rules;
    for (int p = r.TableFirst; p != -1 && p <= r.TableLast; ++p) {
        Pile& pile = t.PileAt(p);
        if (pile.Count < 2) continue;
        for (int i = 0; i < CardCount(t); ++i) {
            Card& c = t.CardAt(i);
            if (!c.InPlay || c.PileIndex != p) continue;
            c.Order = c.Order == 0 ? pile.Count - 1 : c.Order - 1;
            c.X = pile.X + c.Order * pile.FanX;
            c.Y = pile.Y + c.Order * pile.FanY;
        }
    }
}

}  // namespace quillo
