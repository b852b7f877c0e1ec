#include "field.h"

#include <deque>
#include <utility>
#include <vector>

#include "engine/catalogue.h"
#include "engine/game_table.h"
#include "engine/deal.h"
#include "engine/pointer.h"
#include "presentation/raster_ops.h"

namespace quillo {

namespace {

const CardSize& SizeOf(const TableState& t, int orientation)
{
    return t.Rules.CardSizes[static_cast<size_t>(orientation & 7)];
}

int PileCount(const TableState& t)
{
    return std::clamp(t.Rules.PileCount, 0, MaxPiles);
}

int CardCount(const TableState& t)
{
    return std::clamp(t.Rules.TotalCards, 0, MaxCards);
}

// Token cells of the foundation and stock pictures.
constexpr int TokenW = 39, TokenH = 38;
constexpr int ArrowW = 35, ArrowH = 38;

// Columns of a cell that [begin, end) keeps once the cuts are taken out.
std::vector<std::pair<int, int>> Uncovered(int begin, int end, std::vector<std::pair<int, int>>& cuts)
{
    std::sort(cuts.begin(), cuts.end());
    std::vector<std::pair<int, int>> left;
    int at = begin;
    for (auto [b, e] : cuts) {
        if (b > at) left.emplace_back(at, std::min(b, end));
        at = std::max(at, e);
        if (at >= end) break;
    }
    if (at < end) left.emplace_back(at, end);
    return left;
}

}  // namespace

struct ShapeCache {
    struct Entry {
        int Column, Orientation, Width, Height;
        bool WhiteKeeps;
        MaskSpans Spans;
    };
    // Whether every cell of a sheet is black outside the card's mask.
    struct SheetVerdict {
        const PixelBuffer* Sheet;
        const uint8_t* Bits;
        int Width, Height, Orientation, CellWidth, CellHeight;
        bool Cut;
    };
    const PixelBuffer* Frames = nullptr;
    const uint8_t* Bits = nullptr;
    int Pitch = 0;
    std::deque<Entry> Entries;  // handed out by reference: never moved
    std::vector<SheetVerdict> Sheets;
};

const MaskSpans& Field::SpansOf(int column, int o, int w, int h, bool whiteKeeps) const
{
    if (!Art.Shapes) Art.Shapes = std::make_shared<ShapeCache>();
    ShapeCache& cache = *Art.Shapes;
    const PixelBuffer& frames = *Art.Frames;
    const int P = Art.FramePitch;
    if (cache.Frames != &frames || cache.Bits != frames.Bits() || cache.Pitch != P) {
        cache.Entries.clear();
        cache.Sheets.clear();
        cache.Frames = &frames;
        cache.Bits = frames.Bits();
        cache.Pitch = P;
    }
    for (const ShapeCache::Entry& e : cache.Entries)
        if (e.Column == column && e.Orientation == o && e.Width == w && e.Height == h && e.WhiteKeeps == whiteKeeps)
            return e.Spans;
    const bool mark = column != 1;
    const std::vector<EdgePixel>* soft = !mark && Art.SoftEdges ? &(*Art.SoftEdges)[static_cast<size_t>(o)] : nullptr;
    MaskSpans spans(frames, column * P + 1, o * P + 1, w, h, mark ? &frames : nullptr, (column - 1) * P + 1,
                    o * P + 1, whiteKeeps, soft);
    cache.Entries.push_back({column, o, w, h, whiteKeeps, std::move(spans)});
    return cache.Entries.back().Spans;
}

const MaskSpans& Field::CardSpans(int o, int w, int h, const PixelBuffer& sheet) const
{
    const MaskSpans& plain = SpansOf(1, o, w, h);
    if (!plain.Valid()) return plain;
    ShapeCache& cache = *Art.Shapes;
    auto same = [&](const ShapeCache::SheetVerdict& v) {
        return v.Sheet == &sheet && v.Bits == sheet.Bits() && v.Width == sheet.Width() && v.Height == sheet.Height() &&
               v.Orientation == o && v.CellWidth == w && v.CellHeight == h;
    };
    auto found = std::find_if(cache.Sheets.begin(), cache.Sheets.end(), same);
    if (found == cache.Sheets.end()) {
        // Sets cut to the card's shape are black around it: the corners then
        // need no work at all.
        const int P = Art.FramePitch;
        bool cut = true;
        for (int row = 0; cut && row * (h + 1) < sheet.Height(); ++row)
            for (int col = 0; cut && col < 14 && col * (w + 1) < sheet.Width(); ++col)
                cut = BlackOutsideMask(plain, *Art.Frames, P + 1, o * P + 1, sheet, (w + 1) * col, (h + 1) * row);
        cache.Sheets.push_back({&sheet, sheet.Bits(), sheet.Width(), sheet.Height(), o, w, h, cut});
        found = cache.Sheets.end() - 1;
    }
    return found->Cut ? SpansOf(1, o, w, h, true) : plain;
}

bool CardArt::Ready() const
{
    if (Frames == nullptr || Frames->Empty() || FramePitch <= 0) return false;
    for (const PixelBuffer* s : Sheets)
        if (s == nullptr || (s->Empty() && !BuildSheet)) return false;
    return true;
}

const PixelBuffer& CardArt::Sheet(int orientation) const
{
    const PixelBuffer& sheet = *Sheets[static_cast<size_t>(orientation)];
    if (sheet.Empty() && BuildSheet) BuildSheet(orientation);
    return sheet;
}

void Field::Resize(int width, int height)
{
    I_Field.Create(width, height);
    I_StoreScr.Create(width, height);
    if (Bkg.BackgroundMode == BackgroundStretched) Restretch();
}

void Field::Restretch()
{
    if (Bkg.TextureBuffer.Empty() || I_Field.Empty()) return;
    Bkg.StretchedBuffer.Create(I_Field.Width(), I_Field.Height());
    Stretch(Bkg.StretchedBuffer, Bkg.TextureBuffer);
}

void Field::SetTexture(PixelBuffer texture, const std::string& path)
{
    if (texture.Empty()) {
        Bkg.BackgroundMode = BackgroundColour;
        return;
    }
    Bkg.TextureBuffer.Free();
    Bkg.StretchedBuffer.Free();
    I_Bkg = std::move(texture);
    if (Bkg.BackgroundMode == BackgroundStretched) {
        Bkg.TextureBuffer = I_Bkg;
        Restretch();
    }
    Bkg.TexturePath = path;
}

void Field::DrawBackground(PixelBuffer& image) const
{
    const int w = image.Width(), h = image.Height();
    if (Bkg.BackgroundMode == BackgroundTiled && !I_Bkg.Empty()) {
        const int tw = I_Bkg.Width(), th = I_Bkg.Height();
        for (int j = 0; j <= h / th; ++j)
            for (int i = 0; i <= w / tw; ++i) CopyRect(image, i * tw, j * th, I_Bkg, 0, 0, tw, th);
    } else if (Bkg.BackgroundMode == BackgroundStretched && !Bkg.StretchedBuffer.Empty()) {
        CopyRect(image, 0, 0, Bkg.StretchedBuffer, 0, 0, w, h);
    } else {
        Fill(image, BgrFromRgb(Bkg.BackgroundColor));
    }
}

void Field::DrawBackgroundRect(PixelBuffer& image, const FieldRect& r) const
{
    if (r.Empty()) return;
    if (Bkg.BackgroundMode == BackgroundTiled && !I_Bkg.Empty()) {
        const int tw = I_Bkg.Width(), th = I_Bkg.Height();
        // Both bounds inclusive, as the colour fill below.
        const int i0 = std::max(0, r.Left) / tw, i1 = std::max(0, r.Right) / tw;
        const int j0 = std::max(0, r.Top) / th, j1 = std::max(0, r.Bottom) / th;
        for (int j = j0; j <= j1; ++j)
            for (int i = i0; i <= i1; ++i) {
                const int left = std::max(r.Left, i * tw), right = std::min(r.Right, i * tw + tw - 1);
                const int top = std::max(r.Top, j * th), bottom = std::min(r.Bottom, j * th + th - 1);
                if (right < left || bottom < top) continue;
                CopyRect(image, left, top, I_Bkg, left - i * tw, top - j * th, right - left + 1, bottom - top + 1);
            }
    } else if (Bkg.BackgroundMode == BackgroundStretched && !Bkg.StretchedBuffer.Empty()) {
        CopyRect(image, r.Left, r.Top, Bkg.StretchedBuffer, r.Left, r.Top, r.Width() + 1, r.Height() + 1);
    } else {
        FillRect(image, r.Left, r.Top, r.Width() + 1, r.Height() + 1, BgrFromRgb(Bkg.BackgroundColor));
    }
}

FieldRect Field::CardRect(const TableState& t, int card)
{
    const Card& c = t.CardAt(card);
    const CardSize& s = SizeOf(t, c.Orientation);
    return FieldRect::Of(c.X, c.Y, s.Width, s.Height);
}

FieldRect Field::PileRect(const TableState& t, int pile)
{
    const Pile& p = t.PileAt(pile);
    const CardSize& s = SizeOf(t, p.Orientation);
    FieldRect r = FieldRect::Of(p.X, p.Y, s.Width, s.Height);
    if (p.Kind == KindFoundation) r = {r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 2};
    return r;
}

void Field::DrawPileMark(PixelBuffer& image, const TableState& t, int pile) const
{
    if (Art.Frames == nullptr || Art.FramePitch <= 0) return;
    const Pile& p = t.PileAt(pile);
    const int o = p.Orientation & 7;
    const CardSize& s = SizeOf(t, o);
    const int P = Art.FramePitch;
    const bool found = p.Kind == KindFoundation;
    const int column = found ? 4 : 2;
    const int boxX = found ? p.X - 2 : p.X, boxY = found ? p.Y - 2 : p.Y;
    const int boxW = found ? s.Width + 4 : s.Width, boxH = found ? s.Height + 4 : s.Height;
    const MaskSpans& spans = SpansOf(column + 1, o, boxW, boxH);
    if (spans.Valid() && &image != Art.Frames)
        DrawMaskedSpans(image, boxX, boxY, spans, *Art.Frames, (column + 1) * P + 1, o * P + 1, *Art.Frames,
                        column * P + 1, o * P + 1, PixelBox::Of(boxX, boxY, boxW, boxH));
    else
        DrawMasked(image, boxX, boxY, *Art.Frames, (column + 1) * P + 1, o * P + 1, *Art.Frames, column * P + 1,
                   o * P + 1, boxW, boxH);
    // Small cards have no room for tokens.
    if (t.Rules.CardHeight() <= 36) return;
    if (found && !I_FoundPics.Empty()) {
        // Sheets k times their usual size serve a field at device pixels.
        const int k = std::max(1, I_FoundPics.Width() / 561);
        const int left = boxX + (boxW - k * TokenW) / 2, top = boxY + (boxH - k * TokenH) / 2;
        int tx = 521, ty = 1;
        if (p.BaseRank >= 0 && p.BaseRank <= RankKing && p.BaseColor >= 0 && p.BaseColor <= 2) {
            tx = p.BaseRank * 40 + 1;
            ty = p.BaseColor * 39 + 1;
        }
        DrawMasked(image, left, top, I_FoundPics, k * 521, k * 40, I_FoundPics, k * tx, k * ty, k * TokenW,
                   k * TokenH);
    } else if (p.Kind == KindStock && !I_StockPics.Empty()) {
        const int k = std::max(1, I_StockPics.Width() / 109);
        const int left = boxX + (boxW - k * ArrowW) / 2, top = boxY + (boxH - k * ArrowH) / 2;
        const GameRules& r = t.Rules;
        const bool spent = r.StockRedeals != StockUnlimited && r.StockRedeals - r.StockPass < 1;
        const int ax = (p.Count > 0 || spent) ? 37 : 1;
        DrawMasked(image, left, top, I_StockPics, k * 73, k, I_StockPics, k * ax, k, k * ArrowW, k * ArrowH);
    }
}

void Field::DrawCard(PixelBuffer& image, const TableState& t, int card) const
{
    const Card& c = t.CardAt(card);
    DrawCardAt(image, t, card, c.X, c.Y, c.Orientation, c.FaceUp);
}

void Field::DrawCardAt(PixelBuffer& image, const TableState& t, int card, int x, int y, int orientation,
                       bool faceUp) const
{
    const CardSize& s = SizeOf(t, orientation & 7);
    DrawCardPart(image, t, card, x, y, orientation, faceUp, PixelBox::Of(x, y, s.Width, s.Height));
}

void Field::DrawCardPart(PixelBuffer& image, const TableState& t, int card, int x, int y, int orientation,
                         bool faceUp, const PixelBox& clip) const
{
    if (!Art.Ready()) return;
    const Card& c = t.CardAt(card);
    const int o = orientation & 7;
    const CardSize& s = SizeOf(t, o);
    const int P = Art.FramePitch;
    const PixelBuffer& sheet = Art.Sheet(o);
    const int sx = faceUp ? (s.Width + 1) * c.Rank : (s.Width + 1) * 13;
    const int sy = faceUp ? (s.Height + 1) * c.Suit : (s.Height + 1) * t.Rules.BackIndex;
    const MaskSpans& spans = CardSpans(o, s.Width, s.Height, sheet);
    if (spans.Valid() && &image != Art.Frames && &image != &sheet) {
        DrawMaskedSpans(image, x, y, spans, *Art.Frames, P + 1, o * P + 1, sheet, sx, sy, clip);
        return;
    }
    const PixelBox part = clip.Meet(PixelBox::Of(x, y, s.Width, s.Height));
    if (part.Empty()) return;
    const int ox = part.Left - x, oy = part.Top - y;
    DrawMasked(image, part.Left, part.Top, *Art.Frames, P + 1 + ox, o * P + 1 + oy, sheet, sx + ox, sy + oy,
               part.Right - part.Left, part.Bottom - part.Top);
}

Field::Cover Field::CoverOf(const TableState& t, int card) const
{
    if (!Art.Ready()) return {};
    const Card& c = t.CardAt(card);
    const int o = c.Orientation & 7;
    const CardSize& s = SizeOf(t, o);
    const PixelBuffer& sheet = Art.Sheet(o);
    const int sx = c.FaceUp ? (s.Width + 1) * c.Rank : (s.Width + 1) * 13;
    const int sy = c.FaceUp ? (s.Height + 1) * c.Suit : (s.Height + 1) * t.Rules.BackIndex;
    // A cell cut short by its sheet leaves part of its core undrawn.
    if (sx < 0 || sy < 0 || sx + s.Width > sheet.Width() || sy + s.Height > sheet.Height()) return {};
    const MaskSpans& spans = SpansOf(1, o, s.Width, s.Height);
    if (!spans.Valid()) return {};
    auto at = [&](PixelBox b) { return PixelBox{b.Left + c.X, b.Top + c.Y, b.Right + c.X, b.Bottom + c.Y}; };
    Cover cover{at(spans.CoreRows()), at(spans.CoreColumns()), at(spans.CoreInside()), {}};
    // Inside the rows or the columns it would only cost another cut.
    auto within = [](const PixelBox& a, const PixelBox& b) {
        return a.Empty() || (b.Left <= a.Left && b.Top <= a.Top && a.Right <= b.Right && a.Bottom <= b.Bottom);
    };
    if (within(cover.Inside, cover.Rows) || within(cover.Inside, cover.Columns)) cover.Inside = {};
    for (size_t k = 0; k < cover.Bands.size(); ++k) {
        const PixelBox band = spans.CoreBands()[k];
        if (!band.Empty()) cover.Bands[k] = at(band);
        if (within(cover.Bands[k], cover.Rows) || within(cover.Bands[k], cover.Columns)) cover.Bands[k] = {};
    }
    return cover;
}

void Field::DrawCardsInOrder(PixelBuffer& image, const TableState& t, const int* cards, int count,
                             const PixelBox& clip) const
{
    if (!Art.Ready() || count <= 0) return;
    std::vector<Cover> covers(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) covers[static_cast<size_t>(i)] = CoverOf(t, cards[i]);
    std::vector<std::pair<int, int>> rowCuts, columnCuts;
    std::vector<PixelBox> insideCuts, parts;
    for (int i = 0; i < count; ++i) {
        const FieldRect r = CardRect(t, cards[i]);
        const PixelBox box = clip.Meet({r.Left, r.Top, r.Right, r.Bottom}).Meet({0, 0, image.Width(), image.Height()});
        if (box.Empty()) continue;
        rowCuts.clear();
        columnCuts.clear();
        insideCuts.clear();
        for (int j = i + 1; j < count; ++j) {
            const Cover& above = covers[static_cast<size_t>(j)];
            if (!above.Rows.Empty() && above.Rows.Left <= box.Left && above.Rows.Right >= box.Right)
                rowCuts.emplace_back(above.Rows.Top, above.Rows.Bottom);
            if (!above.Columns.Empty() && above.Columns.Top <= box.Top && above.Columns.Bottom >= box.Bottom)
                columnCuts.emplace_back(above.Columns.Left, above.Columns.Right);
            if (!above.Inside.Meet(box).Empty()) insideCuts.push_back(above.Inside);
            for (const PixelBox& band : above.Bands)
                if (!band.Meet(box).Empty()) insideCuts.push_back(band);
        }
        parts.clear();
        for (auto [top, bottom] : Uncovered(box.Top, box.Bottom, rowCuts))
            for (auto [left, right] : Uncovered(box.Left, box.Right, columnCuts))
                parts.push_back({left, top, right, bottom});
        for (const PixelBox& cut : insideCuts) SubtractBox(parts, cut);
        const Card& c = t.CardAt(cards[i]);
        for (const PixelBox& part : parts) DrawCardPart(image, t, cards[i], c.X, c.Y, c.Orientation, c.FaceUp, part);
    }
}

void Field::BlendCard(PixelBuffer& image, const PixelBuffer& below, const TableState& t, int card, int percent) const
{
    if (!Art.Ready()) return;
    const Card& c = t.CardAt(card);
    const CardSize& s = SizeOf(t, Upright);
    const int P = Art.FramePitch;
    const PixelBuffer& sheet = Art.Sheet(Upright);
    const PixelBuffer& frames = *Art.Frames;
    for (int y = 0; y < s.Height; ++y) {
        const int fy = c.Y + y, my = Upright * P + 1 + y, sy = (s.Height + 1) * c.Suit + y;
        if (fy < 0 || fy >= image.Height() || fy >= below.Height() || my >= frames.Height() || sy >= sheet.Height())
            continue;
        for (int x = 0; x < s.Width; ++x) {
            const int fx = c.X + x, mx = P + 1 + x, sx = (s.Width + 1) * c.Rank + x;
            if (fx < 0 || fx >= image.Width() || fx >= below.Width() || mx >= frames.Width() || sx >= sheet.Width())
                continue;
            uint8_t* out = image.PixelAt(fx, fy);
            const uint8_t* bg = below.PixelAt(fx, fy);
            if (frames.GetPixel(mx, my) == Bgr{255, 255, 255}) {
                for (int k = 0; k < 3; ++k) out[k] = bg[k];
                continue;
            }
            const uint8_t* face = sheet.PixelAt(sx, sy);
            for (int k = 0; k < 3; ++k)
                out[k] = static_cast<uint8_t>(bg[k] * (100 - percent) / 100 + face[k] * percent / 100);
        }
    }
}

void Field::DrawCardInverted(const TableState& t, int card)
{
    if (!Art.Ready()) return;
    const Card& c = t.CardAt(card);
    const int o = t.PileAt(c.PileIndex).Orientation & 7;
    const CardSize& s = SizeOf(t, o);
    const int P = Art.FramePitch;
    const int w = s.Width, h = s.Height;
    // Scratch: the inverted face, black outside the card.
    if (Scratch_.Width() < 2 * w || Scratch_.Height() < h) Scratch_.Create(2 * w, h);
    CopyRect(Scratch_, 0, 0, Art.Sheet(o), (w + 1) * c.Rank, (h + 1) * c.Suit, w, h);
    InvertRect(Scratch_, 0, 0, w, h);
    CopyRect(Scratch_, w, 0, *Art.Frames, P + 1, o * P + 1, w, h);
    InvertRect(Scratch_, w, 0, w, h);
    Blit(Scratch_, 0, 0, Scratch_, w, 0, w, h, RasterOp::And);
    DrawMasked(I_Field, c.X, c.Y, *Art.Frames, P + 1, o * P + 1, Scratch_, 0, 0, w, h);
}

void Field::DrawField(TableState& t)
{
    DrawPilesAndCards(I_Field, t, true);
    Surface_->Invalidate(FieldRect::Of(0, 0, I_Field.Width(), I_Field.Height()));
}

void Field::DrawPilesAndCards(PixelBuffer& image, TableState& t) const
{
    DrawPilesAndCards(image, t, false);
}

void Field::DrawPilesAndCards(PixelBuffer& image, TableState& t, bool withBackground) const
{
    SortPileOrder(t);
    SortDealOrder(t);
    const int piles = PileCount(t), cards = CardCount(t);
    if (withBackground) {
        // No background under the cards' opaque cores: the cards paint those.
        std::vector<PixelBox> open{{0, 0, image.Width(), image.Height()}};
        for (int i = 0; i < cards; ++i) {
            const Card& c = t.CardAt(i);
            if (!c.InPlay || c.PileIndex < 0 || c.PileIndex >= piles) continue;
            const Cover cover = CoverOf(t, i);
            SubtractBox(open, cover.Rows);
            SubtractBox(open, cover.Columns);
            SubtractBox(open, cover.Inside);
        }
        for (const PixelBox& b : open) DrawBackgroundRect(image, {b.Left, b.Top, b.Right - 1, b.Bottom - 1});
    }
    for (int k = 0; k < piles; ++k) DrawPileMark(image, t, t.PileOrder[static_cast<size_t>(k)].PileIndex);
    // Cards pile by pile: a pile higher in the order covers the ones below.
    std::array<std::array<int8_t, MaxCards>, MaxPiles> byPile;
    std::array<int, MaxPiles> counts{};
    for (int k = 0; k < cards; ++k) {
        const int i = t.DealOrder[static_cast<size_t>(k)].CardIndex;
        const Card& c = t.CardAt(i);
        if (!c.InPlay || c.PileIndex < 0 || c.PileIndex >= piles) continue;
        auto& n = counts[static_cast<size_t>(c.PileIndex)];
        byPile[static_cast<size_t>(c.PileIndex)][static_cast<size_t>(n++)] = static_cast<int8_t>(i);
    }
    std::array<int, MaxCards> order;
    int n = 0;
    for (int k = 0; k < piles; ++k) {
        const auto p = static_cast<size_t>(t.PileOrder[static_cast<size_t>(k)].PileIndex);
        for (int m = 0; m < counts[p]; ++m) order[static_cast<size_t>(n++)] = byPile[p][static_cast<size_t>(m)];
    }
    DrawCardsInOrder(image, t, order.data(), n, {0, 0, image.Width(), image.Height()});
}

void Field::RedrawPile(TableState& t, int pile, bool withBackground)
{
    if (pile < 0 || pile >= PileCount(t)) return;
    FieldRect r = PileRect(t, pile);
    if (withBackground) DrawBackgroundRect(I_Field, r);
    DrawPileMark(I_Field, t, pile);
    SortDealOrder(t);
    for (int k = 0; k < CardCount(t); ++k) {
        const int i = t.DealOrder[static_cast<size_t>(k)].CardIndex;
        const Card& c = t.CardAt(i);
        if (!c.InPlay || c.PileIndex != pile) continue;
        DrawCard(I_Field, t, i);
        r.Extend(CardRect(t, i));
    }
    Surface_->Invalidate(r);
}

void Field::RedrawCard(const TableState& t, int card)
{
    DrawCard(I_Field, t, card);
    Surface_->Invalidate(CardRect(t, card));
}

void Field::ShowMarked(TableState& t, int card)
{
    if (card < 0 || card >= CardCount(t)) return;
    const Card& m = t.CardAt(card);
    FieldRect r = CardRect(t, card);
    DrawCardInverted(t, card);
    if (HasTrait(t.CurrentGame, TraitMarksRun)) {
        SortDealOrder(t);
        for (int k = 0; k < CardCount(t); ++k) {
            const int i = t.DealOrder[static_cast<size_t>(k)].CardIndex;
            const Card& c = t.CardAt(i);
            if (!c.InPlay || c.PileIndex != m.PileIndex || c.Order <= m.Order) continue;
            DrawCardInverted(t, i);
            r.Extend(CardRect(t, i));
        }
    }
    Surface_->Invalidate(r);
    Surface_->RepaintNow();
}

bool Field::MaskOpaque(int orientation, int x, int y) const
{
    if (Art.Frames == nullptr || Art.FramePitch <= 0) return true;
    const int P = Art.FramePitch;
    const int fx = P + 1 + x, fy = (orientation & 7) * P + 1 + y;
    if (!Art.Frames->Contains(fx, fy)) return true;
    return !(Art.Frames->GetPixel(fx, fy) == Bgr{255, 255, 255});
}

}  // namespace quillo
