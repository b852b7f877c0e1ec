#include "table_effects.h"

#include <array>
#include <cmath>
#include <vector>

#include "engine/deal.h"
#include "engine/pointer.h"
#include "presentation/raster_ops.h"

namespace quillo {

namespace {

int Piles(const TableState& t)
{
    return std::clamp(t.Rules.PileCount, 0, MaxPiles);
}

int Cards(const TableState& t)
{
    return std::clamp(t.Rules.TotalCards, 0, MaxCards);
}

// Copies r, right and bottom included, from the store onto the field.
void RestoreFromStore(Field& f, const FieldRect& r)
{
    if (r.Empty()) return;
    CopyRect(f.I_Field, r.Left, r.Top, f.I_StoreScr, r.Left, r.Top, r.Width() + 1, r.Height() + 1);
}

FieldRect Union(FieldRect a, const FieldRect& b)
{
    a.Extend(b);
    return a;
}

}  // namespace

void RebuildStoreUnder(Field& f, TableState& t, const FieldRect& r, const CardSet& excluded)
{
    if (r.Empty()) return;
    SortPileOrder(t);
    SortDealOrder(t);
    std::bitset<MaxPiles> touched;
    for (int p = 0; p < Piles(t); ++p)
        if (Field::PileRect(t, p).Meets(r)) touched.set(static_cast<size_t>(p));
    for (int i = 0; i < Cards(t); ++i) {
        const Card& c = t.CardAt(i);
        if (!c.InPlay || excluded.test(static_cast<size_t>(i)) || c.PileIndex < 0 || c.PileIndex >= Piles(t)) continue;
        if (Field::CardRect(t, i).Meets(r)) touched.set(static_cast<size_t>(c.PileIndex));
    }
    f.DrawBackgroundRect(f.I_StoreScr, r);
    for (int k = 0; k < Piles(t); ++k) {
        const int p = t.PileOrder[static_cast<size_t>(k)].PileIndex;
        if (touched.test(static_cast<size_t>(p))) f.DrawPileMark(f.I_StoreScr, t, p);
    }
    for (int k = 0; k < Piles(t); ++k) {
        const int p = t.PileOrder[static_cast<size_t>(k)].PileIndex;
        if (!touched.test(static_cast<size_t>(p))) continue;
        for (int n = 0; n < Cards(t); ++n) {
            const int i = t.DealOrder[static_cast<size_t>(n)].CardIndex;
            const Card& c = t.CardAt(i);
            if (c.InPlay && c.PileIndex == p && !excluded.test(static_cast<size_t>(i))) f.DrawCard(f.I_StoreScr, t, i);
        }
    }
}

FieldRect MovingRect(const TableState& t)
{
    FieldRect r;
    for (int i = 0; i < Cards(t); ++i)
        if (t.CardAt(i).Moving) r.Extend(Field::CardRect(t, i));
    return r;
}

int GlideSteps(int dx, int dy)
{
    const double distance = RoundHalfEven(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
    return std::clamp(static_cast<int>(distance) / 50, 1, 15);
}

void DragPainter::Start(Field& f, TableState& t)
{
    Last_ = MovingRect(t);
    CopyRect(f.I_StoreScr, 0, 0, f.I_Field, 0, 0, f.I_Field.Width(), f.I_Field.Height());
    CardSet moving;
    for (int i = 0; i < Cards(t); ++i)
        if (t.CardAt(i).Moving) moving.set(static_cast<size_t>(i));
    RebuildStoreUnder(f, t, Last_, moving);
    Ready_ = true;
}

void DragPainter::Frame(Field& f, TableState& t, const FieldRect& extra)
{
    SortDealOrder(t);
    std::array<int, MaxCards> group;
    int count = 0;
    FieldRect now;
    for (int n = 0; n < Cards(t); ++n) {
        const int i = t.DealOrder[static_cast<size_t>(n)].CardIndex;
        if (!t.CardAt(i).Moving) continue;
        group[static_cast<size_t>(count++)] = i;
        now.Extend(Field::CardRect(t, i));
    }
    // Only what the group's opaque cores will not paint over comes back
    // from the store.
    if (!Last_.Empty()) {
        std::vector<PixelBox> gone{{Last_.Left, Last_.Top, Last_.Right + 1, Last_.Bottom + 1}};
        for (int k = 0; k < count; ++k) {
            const Field::Cover c = f.CoverOf(t, group[static_cast<size_t>(k)]);
            SubtractBox(gone, c.Rows);
            SubtractBox(gone, c.Columns);
            SubtractBox(gone, c.Inside);
        }
        for (const PixelBox& b : gone)
            CopyRect(f.I_Field, b.Left, b.Top, f.I_StoreScr, b.Left, b.Top, b.Right - b.Left, b.Bottom - b.Top);
    }
    f.DrawCardsInOrder(f.I_Field, t, group.data(), count, {0, 0, f.Width(), f.Height()});
    FieldRect shown = Union(Last_, now);
    shown.Extend(extra);
    f.Surface().Invalidate(shown);
    f.Surface().RepaintNow();
    Last_ = now;
}

void DragPainter::GroupChanged(Field& f, TableState& t)
{
    // The cards that left the group lie in their piles again: draw the store
    // under the old group without the new one.
    RestoreFromStore(f, Last_);
    CardSet moving;
    for (int i = 0; i < Cards(t); ++i)
        if (t.CardAt(i).Moving) moving.set(static_cast<size_t>(i));
    const FieldRect old = Last_;
    RebuildStoreUnder(f, t, old, moving);
    RestoreFromStore(f, old);
    f.Surface().Invalidate(old);
    Last_ = MovingRect(t);
}

void ShowMove(Field& f, TableState& t, const MoveShow& move, bool animate, bool storeReady)
{
    if (move.Cards.empty()) return;
    const int count = static_cast<int>(move.Cards.size());
    FieldRect old;
    CardSet moved;
    for (const MovedCard& m : move.Cards) {
        const CardSize& s = t.Rules.CardSizes[static_cast<size_t>(m.FromOrientation & 7)];
        old.Extend(FieldRect::Of(m.FromX, m.FromY, s.Width, s.Height));
        moved.set(static_cast<size_t>(m.Card));
    }
    if (!storeReady) {
        // An engine move: the store has to lose the cards at their old places.
        CopyRect(f.I_StoreScr, 0, 0, f.I_Field, 0, 0, f.I_Field.Width(), f.I_Field.Height());
        RebuildStoreUnder(f, t, old, moved);
    }
    const MovedCard& lead = move.Cards.front();
    const Card& leadCard = t.CardAt(lead.Card);
    const int dx = leadCard.X - lead.FromX, dy = leadCard.Y - lead.FromY;
    const int n = GlideSteps(dx, dy);
    const int stepX = dx / n, stepY = dy / n;
    for (int i = animate ? 0 : n - 1; i < n; ++i) {
        FieldRect now;
        const bool last = i == n - 1;
        for (int k = 0; k < count; ++k) {
            const MovedCard& m = move.Cards[static_cast<size_t>(k)];
            const Card& c = t.CardAt(m.Card);
            const int x = last ? c.X : m.FromX + stepX * (i + 1);
            const int y = last ? c.Y : m.FromY + stepY * (i + 1);
            const int o = last ? c.Orientation : m.FromOrientation;
            const CardSize& s = t.Rules.CardSizes[static_cast<size_t>(o & 7)];
            now.Extend(FieldRect::Of(x, y, s.Width, s.Height));
        }
        const FieldRect shown = Union(old, now);
        RestoreFromStore(f, shown);
        for (int k = 0; k < count; ++k) {
            const MovedCard& m = move.Cards[static_cast<size_t>(k)];
            const Card& c = t.CardAt(m.Card);
            if (last)
                f.DrawCard(f.I_Field, t, m.Card);
            else
                f.DrawCardAt(f.I_Field, t, m.Card, m.FromX + stepX * (i + 1), m.FromY + stepY * (i + 1),
                             m.FromOrientation, c.FaceUp);
        }
        f.Surface().Invalidate(shown);
        f.Surface().RepaintNow();
        old = now;
        f.Surface().Sleep(10);
    }
}

void FadeOutCards(Field& f, TableState& t, int cardA, int cardB)
{
    FieldRect u;
    CardSet two;
    for (int c : {cardA, cardB})
        if (c >= 0 && c < Cards(t)) {
            u.Extend(Field::CardRect(t, c));
            two.set(static_cast<size_t>(c));
        }
    if (u.Empty()) return;
    CopyRect(f.I_StoreScr, 0, 0, f.I_Field, 0, 0, f.I_Field.Width(), f.I_Field.Height());
    RebuildStoreUnder(f, t, u, two);
    for (int a = 80; a >= 0; a -= 20) {
        for (int c : {cardA, cardB}) {
            if (c < 0 || c >= Cards(t)) continue;
            f.BlendCard(f.I_Field, f.I_StoreScr, t, c, a);
            f.Surface().Invalidate(Field::CardRect(t, c));
        }
        f.Surface().RepaintNow();
        f.Surface().Sleep(20);
    }
}

void NewDealEffect(Field& f, TableState& t)
{
    if (Cards(t) < 2) return;
    f.DrawBackground(f.I_Field);
    const int w = t.Rules.CardWidth(), h = t.Rules.CardHeight();
    int x0 = (f.Width() - w) / 2, x1 = x0;
    const int y = (f.Height() - h) / 2;
    const FieldRect r{x0 - 80, y, x0 + w + 80, y + h};
    f.DrawCardAt(f.I_Field, t, 0, x0, y, Upright, false);
    f.Surface().Invalidate(FieldRect::Of(0, 0, f.Width(), f.Height()));
    f.Surface().RepaintNow();
    for (int k = 0; k < 5; ++k) {
        x0 += 16;
        x1 -= 16;
        f.DrawBackgroundRect(f.I_Field, r);
        f.DrawCardAt(f.I_Field, t, 0, x0, y, Upright, false);
        f.DrawCardAt(f.I_Field, t, 1, x1, y, Upright, false);
        f.Surface().Invalidate(r);
        f.Surface().RepaintNow();
        f.Surface().Sleep(10);
    }
}

}  // namespace quillo
