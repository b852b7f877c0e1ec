// Drawing by mask runs against the plain masked transfer: random masks and
// clips, and whole tables whose covered cards and background are skipped.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "engine/card_sizes.h"
#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/setup.h"
#include "presentation/mask_spans.h"
#include "presentation/raster_ops.h"
#include "presentation/table_effects.h"
#include "support/drawn_art.h"
#include "support/random_play.h"

namespace quillo {
namespace {

// Masks of black, white and odd pixels in runs, as card shapes have them;
// pictures black under white mask pixels when cut.
struct MaskCase {
    PixelBuffer Mask, Picture;
};

MaskCase RandomMask(std::mt19937& rng, int w, int h, bool cut)
{
    MaskCase m{PixelBuffer(w, h), PixelBuffer(w, h)};
    std::uniform_int_distribution<int> kind(0, 5), byte(0, 255), run(1, 6);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w;) {
            const int k = kind(rng), n = run(rng);
            for (int i = 0; i < n && x < w; ++i, ++x) {
                const auto b = static_cast<uint8_t>(byte(rng));
                const Bgr mask = k < 2 ? Bgr{} : k < 4 ? Bgr{255, 255, 255} : Bgr{b, 255, uint8_t(b / 2)};
                m.Mask.SetPixel(x, y, mask);
                const bool black = (cut && mask == Bgr{255, 255, 255}) || byte(rng) < 40;
                m.Picture.SetPixel(x, y, black ? Bgr{} : Bgr{b, uint8_t(b * 3), uint8_t(b ^ 0x5A)});
            }
        }
    return m;
}

// A soft edge on random pixels of a w x h cell.
std::vector<EdgePixel> RandomEdge(std::mt19937& rng, int w, int h)
{
    std::uniform_int_distribution<int> share(0, 255), from(-2, 2), pick(0, 3);
    std::vector<EdgePixel> edge;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (pick(rng) == 0) {
                const int a = share(rng), i = share(rng) * a / 255;
                edge.push_back({uint16_t(x), uint16_t(y), uint8_t(a), uint8_t(i), int8_t(from(rng)), int8_t(from(rng)),
                                int8_t(from(rng)), int8_t(from(rng))});
            }
    return edge;
}

// DrawMasked restricted to the clip box; edge pixels instead blend the
// picture pixel they name over what was there.
PixelBuffer ModelClipped(const PixelBuffer& before, int dx, int dy, const MaskCase& m, int mx, int my, int w, int h,
                         const PixelBox& clip, const std::vector<EdgePixel>& edge)
{
    PixelBuffer all = before;
    DrawMasked(all, dx, dy, m.Mask, mx, my, m.Picture, mx, my, w, h);
    for (const EdgePixel& e : edge) {
        const int x = dx + e.X, y = dy + e.Y;
        const int fx = mx + e.X + e.FromX, fy = my + e.Y + e.FromY, lx = mx + e.X + e.LineX, ly = my + e.Y + e.LineY;
        if (!before.Contains(x, y)) continue;
        // A colour from outside the picture: the pixel is left alone.
        if (!m.Picture.Contains(fx, fy) || !m.Picture.Contains(lx, ly)) {
            all.SetPixel(x, y, before.GetPixel(x, y));
            continue;
        }
        const Bgr b = before.GetPixel(x, y), f = m.Picture.GetPixel(fx, fy), l = m.Picture.GetPixel(lx, ly);
        const int a = e.Alpha, i = e.Inner;
        auto mix = [&](uint8_t face, uint8_t line, uint8_t below) {
            return uint8_t((face * i + line * (a - i) + below * (255 - a) + 127) / 255);
        };
        all.SetPixel(x, y, {mix(f.B, l.B, b.B), mix(f.G, l.G, b.G), mix(f.R, l.R, b.R)});
    }
    PixelBuffer out = before;
    for (int y = std::max(clip.Top, 0); y < std::min(clip.Bottom, out.Height()); ++y)
        for (int x = std::max(clip.Left, 0); x < std::min(clip.Right, out.Width()); ++x)
            out.SetPixel(x, y, all.GetPixel(x, y));
    return out;
}

TEST(MaskSpans, DrawingByRunsMatchesTheMaskedTransferAndBlendsTheSoftEdge)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> pos(-14, 20), cell(0, 6), size(1, 12), flag(0, 3);
    for (int i = 0; i < 800; ++i) {
        const int form = flag(rng);  // 0 mask only, 1 with its picture, 2 cut picture, 3 soft edge
        const MaskCase m = RandomMask(rng, 18, 18, form >= 2);
        const int mx = cell(rng), my = cell(rng), w = size(rng), h = size(rng);
        const std::vector<EdgePixel> edge = form == 3 ? RandomEdge(rng, w, h) : std::vector<EdgePixel>{};
        const MaskSpans spans(m.Mask, mx, my, w, h, form == 1 ? &m.Picture : nullptr, mx, my, form >= 2, &edge);
        ASSERT_TRUE(spans.Valid());
        PixelBuffer d(16, 12);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x) d.SetPixel(x, y, {uint8_t(x * 9 + i), uint8_t(y * 17), uint8_t(x ^ y)});
        const int dx = pos(rng), dy = pos(rng);
        const PixelBox clip{pos(rng), pos(rng), pos(rng) + 8, pos(rng) + 8};
        const PixelBuffer want = ModelClipped(d, dx, dy, m, mx, my, w, h, clip, edge);
        DrawMaskedSpans(d, dx, dy, spans, m.Mask, mx, my, m.Picture, mx, my, clip);
        ASSERT_TRUE(d.SamePixels(want)) << i;
    }
    // A cell leaving its mask is refused, not read.
    const MaskCase m = RandomMask(rng, 8, 8, false);
    for (auto [x, y, w, h] : {std::array{-1, 0, 4, 4}, {5, 0, 4, 4}, {0, 5, 4, 4}, {0, 0, 0, 3}})
        EXPECT_FALSE(MaskSpans(m.Mask, x, y, w, h).Valid()) << x << "," << y;
}

TEST(SubtractBox, LeavesExactlyThePixelsOutsideTheCut)
{
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> v(-3, 12);
    for (int i = 0; i < 200; ++i) {
        std::vector<PixelBox> boxes{{0, 0, 10, 10}};
        const PixelBox cuts[] = {{v(rng), v(rng), v(rng), v(rng)}, {v(rng), v(rng), v(rng), v(rng)}};
        for (const PixelBox& c : cuts) SubtractBox(boxes, c);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                auto in = [&](const PixelBox& b) { return x >= b.Left && x < b.Right && y >= b.Top && y < b.Bottom; };
                const int n = static_cast<int>(std::count_if(boxes.begin(), boxes.end(), in));
                ASSERT_EQ(n, in(cuts[0]) || in(cuts[1]) ? 0 : 1) << i << ": " << x << "," << y;
            }
    }
}

// The field drawn the plain way: background, every mark, then every card
// whole, pile by pile.
PixelBuffer PlainField(Field& f, TableState& t)
{
    PixelBuffer img(f.Width(), f.Height());
    f.DrawBackground(img);
    SortPileOrder(t);
    SortDealOrder(t);
    for (int k = 0; k < t.Rules.PileCount; ++k) f.DrawPileMark(img, t, t.PileOrder[static_cast<size_t>(k)].PileIndex);
    const int P = f.Art.FramePitch;
    for (int k = 0; k < t.Rules.PileCount; ++k)
        for (int n = 0; n < t.Rules.TotalCards; ++n) {
            const int i = t.DealOrder[static_cast<size_t>(n)].CardIndex;
            const Card& c = t.CardAt(i);
            if (!c.InPlay || c.PileIndex != t.PileOrder[static_cast<size_t>(k)].PileIndex) continue;
            const int o = c.Orientation & 7;
            const CardSize& s = t.Rules.CardSizes[static_cast<size_t>(o)];
            const int sx = (s.Width + 1) * (c.FaceUp ? c.Rank : 13);
            const int sy = (s.Height + 1) * (c.FaceUp ? c.Suit : t.Rules.BackIndex);
            DrawMasked(img, c.X, c.Y, *f.Art.Frames, P + 1, o * P + 1, f.Art.Sheet(o), sx, sy, s.Width, s.Height);
        }
    return img;
}

// Card art whose corners are not black in the sheet: nothing may be skipped there.
const test::DrawnArt& ArtFor(bool cut)
{
    static const test::DrawnArt plain;
    static const test::DrawnArt smudged = [] {
        test::DrawnArt a;
        const CardSizeTable sizes = DefaultCardSizes();
        for (int o = 0; o < OrientationCount; ++o)
            for (int row = 0; row < 4; ++row)
                for (int col = 0; col < 14; ++col)
                    a.Sheets[static_cast<size_t>(o)].SetPixel((sizes[o].Width + 1) * col, (sizes[o].Height + 1) * row,
                                                              {9, 9, 9});
        return a;
    }();
    return cut ? plain : smudged;
}

// A game dealt onto a field drawn with the given art.
struct DealtField {
    TableView View;
    Game G{View};
    test::RecordingSurface Surface;
    Field F{Surface};
    DealtField(int game, uint32_t number, bool cut)
    {
        std::tie(G.T.Opt.Sound, G.T.Opt.Animation, G.T.CurrentGame) = std::tuple(false, false, game);
        SetupGame(G, SetupForm::Full);
        G.T.Rules.GameNumber = number;
        NewDeal(G, DealKind::Restart);
        ArtFor(cut).Attach(F);
        F.Resize(G.T.Rules.FieldWidth, G.T.Rules.FieldHeight);
    }
};

TEST(FieldDrawing, SkippingCoveredCardsAndBackgroundChangesNoPixel)
{
    std::vector<PlayerAction> scratch;
    for (int game : {games::Klondike, games::Spider, games::Star, games::Braid, games::Scorpion})
        for (bool cut : {true, false}) {
            DealtField d(game, 321, cut);
            uint32_t x = 17;
            for (int step = 0; step < 3; ++step, test::PlayRandomSteps(d.G, x, 40, scratch)) {
                d.F.DrawField(d.G.T);
                ASSERT_TRUE(d.F.I_Field.SamePixels(PlainField(d.F, d.G.T)))
                    << Catalogue()[static_cast<size_t>(game)].Name << " step " << step << (cut ? "" : " smudged");
            }
        }
}

TEST(Drag, FramesShowTheStoreAndTheWholeGroupAsAPlainRedrawWould)
{
    DealtField d(games::Klondike, 99, true);
    TableState& t = d.G.T;
    Field& f = d.F;
    // A fanned group of five taken from the stock, carried about.
    const Pile& pile = t.PileAt(t.Rules.TableFirst + 2);
    for (int i = 0; i < 5; ++i) {
        Card& c = t.CardAt(i);
        std::tie(c.PileIndex, c.Order, c.X, c.Y) = std::tuple(t.Rules.TableFirst + 2, 30 + i, pile.X, pile.Y + 20 * i);
        c.FaceUp = c.InPlay = c.Moving = true;
    }
    f.DrawField(t);
    DragPainter drag;
    drag.Start(f, t);
    for (auto [dx, dy] : {std::pair{1, 0}, {0, 1}, {-3, -2}, {40, 7}, {-90, 120}, {0, -300}, {2, 2}}) {
        for (int i = 0; i < 5; ++i) t.CardAt(i).X += dx, t.CardAt(i).Y += dy;
        drag.Frame(f, t);
        PixelBuffer want = f.I_StoreScr;
        for (int n = 0; n < t.Rules.TotalCards; ++n)
            if (const int i = t.DealOrder[static_cast<size_t>(n)].CardIndex; t.CardAt(i).Moving) f.DrawCard(want, t, i);
        ASSERT_TRUE(f.I_Field.SamePixels(want)) << dx << "," << dy;
    }
}

}  // namespace
}  // namespace quillo
