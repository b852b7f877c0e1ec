// The field's drawing: cards through their mask, pile marks, backgrounds,
// what a redraw invalidates, and which card a point picks.

#include <gtest/gtest.h>

#include <tuple>

#include "engine/card_sizes.h"
#include "presentation/field.h"
#include "presentation/hit_test.h"
#include "presentation/raster_ops.h"
#include "support/drawn_art.h"

namespace quillo {
namespace {

using test::DrawnArt;
using test::RecordingSurface;

constexpr Bgr Green = BgrFromRgb(0x008000);

const auto TokenColour = [](int col, int row) { return Bgr{uint8_t(col * 10), uint8_t(row * 50), 77}; };

// Token pictures: each cell one colour, the masks fully opaque.
void AttachTokens(Field& f)
{
    f.I_FoundPics.Create(561, 118);
    Fill(f.I_FoundPics, Bgr{});
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 14; ++col)
            if (col < 13 || row == 0) FillRect(f.I_FoundPics, col * 40 + 1, row * 39 + 1, 39, 38, TokenColour(col, row));
    f.I_StockPics.Create(109, 40);
    FillRect(f.I_StockPics, 1, 1, 35, 38, Bgr{255, 0, 0});   // blue arrow
    FillRect(f.I_StockPics, 37, 1, 35, 38, Bgr{0, 128, 255}); // orange arrow
    FillRect(f.I_StockPics, 73, 1, 35, 38, Bgr{});
}

struct Fixture {
    RecordingSurface Surface;
    Field F{Surface};
    const DrawnArt& Art;
    TableState T;

    static const DrawnArt& ArtFor(const CardSizeTable& sizes)
    {
        static const DrawnArt normal, small(MakeCardSizes(26, 36));
        return sizes == DefaultCardSizes() ? normal : small;
    }

    explicit Fixture(const CardSizeTable& sizes = DefaultCardSizes()) : Art(ArtFor(sizes))
    {
        std::tie(T.Rules.CardSizes, T.Rules.TotalCards) = std::pair(sizes, 52);
        Art.Attach(F);
        AttachTokens(F);
        F.Resize(400, 300);
        F.DrawBackground(F.I_Field);
    }

    int AddPile(int x, int y, int32_t kind = KindOther)
    {
        const int p = T.Rules.PileCount++;
        std::tie(T.PileAt(p).X, T.PileAt(p).Y, T.PileAt(p).Kind, T.PileAt(p).Layer) = std::tuple(x, y, kind, p);
        return p;
    }
    // A card on top of the pile, fanned 20 pixels down.
    int AddCard(int pile, int rank, int suit, bool faceUp)
    {
        int i = 0;
        while (T.CardAt(i).InPlay) ++i;
        Card& c = T.CardAt(i);
        Pile& p = T.PileAt(pile);
        std::tie(c.InPlay, c.Order, c.PileIndex, c.Rank, c.Suit, c.FaceUp, c.X, c.Y) =
            std::tuple(true, p.Count, pile, rank, suit, faceUp, p.X, p.Y + 20 * p.Count);
        ++p.Count;
        return i;
    }
};

TEST(FieldDrawing, CardsAreDrawnThroughTheirMaskAndRedrawsInvalidateWhatTheyDrew)
{
    Fixture fx;
    const int p = fx.AddPile(50, 40);
    const int up = fx.AddCard(p, 4, 2, true), down = fx.AddCard(p, 0, 0, false);
    const int marked = fx.AddCard(fx.AddPile(200, 40), 7, 1, false);
    fx.T.Rules.BackIndex = 2;
    fx.F.DrawCard(fx.F.I_Field, fx.T, up);
    fx.F.DrawCard(fx.F.I_Field, fx.T, down);
    fx.F.DrawCardInverted(fx.T, marked);  // a marked card is shown by its face
    const PixelBuffer& img = fx.F.I_Field;
    const Bgr face = test::FaceColour(7, 1), inverted{uint8_t(~face.B), uint8_t(~face.G), uint8_t(~face.R)};
    EXPECT_EQ(std::tuple(img.GetPixel(60, 45), img.GetPixel(60, 100), img.GetPixel(230, 80)),
              std::tuple(test::FaceColour(4, 2), test::BackColour(2), inverted));
    // The cut corners keep the background.
    for (auto [x, y] : {std::pair{50, 40}, {50 + 70, 60 + 95}, {200, 40}}) EXPECT_EQ(img.GetPixel(x, y), Green) << x;

    // The pile, then the top card alone, then the whole field.
    fx.Surface.Invalidated.clear();
    fx.F.RedrawPile(fx.T, p, true);
    fx.F.RedrawCard(fx.T, down);
    fx.F.DrawField(fx.T);
    EXPECT_EQ(fx.Surface.Invalidated,
              (std::vector<FieldRect>{{50, 40, 121, 156}, {50, 60, 121, 156}, {0, 0, 400, 300}}));
    EXPECT_EQ(img.GetPixel(60, 100), test::BackColour(2));
}

// Each mark's centre shows its token, and its frame line the outline; cards
// too small for a token get the outline alone.
TEST(FieldDrawing, PileMarksCarryTheRightToken)
{
    struct Row {
        const char* Name;
        bool Small;
        int32_t Kind, BaseRank, BaseColor, Count, StockRedeals, StockPass;
        Bgr Centre;
    };
    const Bgr blue{255, 0, 0}, orange{0, 128, 255};
    const Row rows[] = {
        {"red ace foundation", false, KindFoundation, 0, BaseColorRed, 0, -1, 1, TokenColour(0, 2)},
        {"grey king foundation", false, KindFoundation, 12, BaseColorAny, 0, -1, 1, TokenColour(12, 0)},
        {"foundation without rank", false, KindFoundation, NoBaseRank, BaseColorBlack, 0, -1, 1, TokenColour(13, 0)},
        {"plain foundation", false, KindFoundation, 3, BaseColorPlain, 0, -1, 1, TokenColour(13, 0)},
        {"empty stock, unlimited", false, KindStock, NoBaseRank, 3, 0, -1, 5, blue},
        {"empty stock, passes left", false, KindStock, NoBaseRank, 3, 0, 3, 2, blue},
        {"empty stock, used up", false, KindStock, NoBaseRank, 3, 0, 3, 3, orange},
        {"stock holding cards", false, KindStock, NoBaseRank, 3, 5, -1, 1, orange},
        {"tableau", false, KindOther, 0, BaseColorRed, 0, -1, 1, Green},
        {"small foundation", true, KindFoundation, 0, BaseColorRed, 0, -1, 1, Green},
        {"small stock", true, KindStock, NoBaseRank, 3, 0, -1, 1, Green},
    };
    for (const Row& row : rows) {
        Fixture fx(row.Small ? MakeCardSizes(26, 36) : DefaultCardSizes());
        const int p = fx.AddPile(100, 100, row.Kind);
        std::tie(fx.T.PileAt(p).BaseRank, fx.T.PileAt(p).BaseColor, fx.T.PileAt(p).Count) =
            std::tuple(row.BaseRank, row.BaseColor, row.Count);
        std::tie(fx.T.Rules.StockRedeals, fx.T.Rules.StockPass) = std::tuple(row.StockRedeals, row.StockPass);
        fx.F.DrawPileMark(fx.F.I_Field, fx.T, p);
        const CardSize& card = fx.T.Rules.CardSizes[Upright];
        EXPECT_EQ(fx.F.I_Field.GetPixel(100 + card.Width / 2, 100 + card.Height / 2), row.Centre) << row.Name;
        EXPECT_EQ(fx.F.I_Field.GetPixel(row.Kind == KindFoundation ? 98 : 100, 100 + card.Height / 3), test::MarkColour)
            << row.Name;
    }
}

TEST(FieldDrawing, TiledAndStretchedBackgrounds)
{
    Fixture fx;
    PixelBuffer tile(37, 23);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) tile.SetPixel(x, y, Bgr{static_cast<uint8_t>(x * 6), static_cast<uint8_t>(y * 9), 9});
    fx.F.Bkg.BackgroundMode = BackgroundTiled;
    fx.F.SetTexture(tile, "tile.bmp");
    PixelBuffer whole(400, 300), part(400, 300);
    fx.F.DrawBackground(whole);
    // Partial tiles at the right and bottom edges are drawn.
    EXPECT_EQ(whole.GetPixel(399, 299), tile.GetPixel(399 % 37, 299 % 23));
    const FieldRect rects[] = {{0, 0, 399, 299}, {30, 20, 80, 50}, {350, 280, 399, 299}, {36, 22, 37, 23}};
    for (const FieldRect& r : rects) {
        Fill(part, Bgr{1, 2, 3});
        fx.F.DrawBackgroundRect(part, r);
        for (int y = r.Top; y <= r.Bottom; ++y)
            for (int x = r.Left; x <= r.Right; ++x) ASSERT_EQ(part.GetPixel(x, y), whole.GetPixel(x, y)) << x << "," << y;
        EXPECT_TRUE(r.Left == 0 || part.GetPixel(r.Left - 1, r.Top) == (Bgr{1, 2, 3}));
    }
    // A stretched texture follows the field's size.
    Fill(tile, Bgr{10, 20, 30});
    fx.F.Bkg.BackgroundMode = BackgroundStretched;
    fx.F.SetTexture(tile, "t.bmp");
    fx.F.Resize(640, 480);
    fx.F.DrawBackground(fx.F.I_Field);
    EXPECT_EQ(fx.F.I_Field.GetPixel(639, 479), (Bgr{10, 20, 30}));
}

// Two piles overlapping: pile 1 lies over pile 0 and starts inside it.
TEST(HitTest, TransparentCornersLetTheCardBeneathBePicked)
{
    Fixture fx;
    const int under = fx.AddPile(10, 10), over = fx.AddPile(60, 80);
    const int a = fx.AddCard(under, 0, 0, true), b = fx.AddCard(over, 1, 1, true);
    // b's cut corner over a, inside b, a alone, a's own cut corner, a's left
    // edge (the box is open), nothing.
    const std::tuple<int, int, int> rows[] = {{61, 81, a},  {64, 84, b},  {20, 20, a},
                                              {11, 11, -1}, {10, 50, -1}, {300, 250, -1}};
    for (const auto& [x, y, card] : rows) EXPECT_EQ(CardAt(fx.T, fx.F, x, y), card) << x << "," << y;
    // Raising the lower pile puts its card on top.
    std::tie(fx.T.PileAt(under).Layer, fx.T.PileAt(over).Layer) = std::pair(1, 0);
    EXPECT_EQ(CardAt(fx.T, fx.F, 64, 84), a);
    // PileAt visits from the lowest layer up.
    EXPECT_EQ(std::tuple(PileAt(fx.T, 64, 84), PileAt(fx.T, 20, 20), PileAt(fx.T, 300, 250)),
              std::tuple(over, under, -1));
}

}  // namespace
}  // namespace quillo
