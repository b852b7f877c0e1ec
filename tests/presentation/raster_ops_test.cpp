// Pixel buffers and the raster operations, checked against a per-pixel model.

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "presentation/raster_ops.h"

namespace quillo {
namespace {

// Every pixel gets a distinct-ish colour so misplaced copies show.
PixelBuffer Pattern(int w, int h, int seed)
{
    PixelBuffer b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, {static_cast<uint8_t>(x * 7 + seed), static_cast<uint8_t>(y * 13 + seed),
                              static_cast<uint8_t>((x ^ y) + 3 * seed)});
    return b;
}

uint8_t Apply(RasterOp op, uint8_t d, uint8_t s)
{
    switch (op) {
    case RasterOp::Copy: return s;
    case RasterOp::And: return d & s;
    case RasterOp::Or: return d | s;
    case RasterOp::NotCopy: return static_cast<uint8_t>(~s);
    }
    return d;
}

// The transfer as the definition reads: a destination pixel changes exactly
// when both it and its source pixel lie inside their buffers.
PixelBuffer ModelBlit(PixelBuffer dst, int dx, int dy, const PixelBuffer& src, int sx, int sy, int w, int h,
                      RasterOp op)
{
    PixelBuffer out = dst;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!dst.Contains(dx + x, dy + y) || !src.Contains(sx + x, sy + y)) continue;
            for (int k = 0; k < 3; ++k)
                out.PixelAt(dx + x, dy + y)[k] = Apply(op, dst.PixelAt(dx + x, dy + y)[k], src.PixelAt(sx + x, sy + y)[k]);
        }
    return out;
}

TEST(PixelBuffer, DegenerateSizesAndFreeLeaveAnEmptyBuffer)
{
    PixelBuffer b(10, 10);
    b.Free();
    b.Free();
    for (const PixelBuffer& e : {b, PixelBuffer(0, 5), PixelBuffer(5, 0), PixelBuffer(-1, 5)}) {
        EXPECT_TRUE(e.Empty());
        EXPECT_EQ(e.SizeBytes(), 0u);
    }
}

TEST(Blit, RandomTransfersMatchTheModel)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pos(-20, 20), size(-2, 24), opd(0, 3);
    const PixelBuffer src = Pattern(11, 9, 5);
    for (int i = 0; i < 400; ++i) {
        PixelBuffer d = Pattern(10, 8, i);
        const PixelBuffer before = d;
        const int dx = pos(rng), dy = pos(rng), sx = pos(rng), sy = pos(rng), w = size(rng), h = size(rng);
        const auto op = static_cast<RasterOp>(opd(rng));
        Blit(d, dx, dy, src, sx, sy, w, h, op);
        ASSERT_TRUE(d.SamePixels(ModelBlit(before, dx, dy, src, sx, sy, w, h, op))) << i;
    }
}

TEST(Blit, OverlappingCopyWithinOneBufferReadsTheOldPixels)
{
    for (auto [dx, dy] : {std::pair{1, 0}, {0, 1}, {-1, -1}, {2, 3}}) {
        PixelBuffer b = Pattern(12, 10, 9);
        const PixelBuffer before = b;
        Blit(b, 3 + dx, 3 + dy, b, 3, 3, 6, 5);
        EXPECT_TRUE(b.SamePixels(ModelBlit(before, 3 + dx, 3 + dy, before, 3, 3, 6, 5, RasterOp::Copy)));
    }
}

TEST(FillAndInvert, TouchOnlyTheClippedRectangle)
{
    PixelBuffer b(6, 5);
    FillRect(b, -2, 1, 4, 2, Bgr{10, 20, 30});
    InvertRect(b, 1, 2, 10, 10);
    FillRect(b, 5, 0, 1, 1, uint8_t{7});
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            Bgr want{255, 255, 255};
            if (x < 2 && y >= 1 && y < 3) want = {10, 20, 30};
            if (x >= 1 && y >= 2) want = {uint8_t(~want.B), uint8_t(~want.G), uint8_t(~want.R)};
            if (x == 5 && y == 0) want = {7, 7, 7};
            EXPECT_EQ(b.GetPixel(x, y), want) << x << "," << y;
        }
}

TEST(TurnCell, MovesPixelXYToYWMinus1MinusX)
{
    const PixelBuffer src = Pattern(5, 3, 2);
    PixelBuffer t(3, 5);
    TurnCellAnticlockwise(src, 0, 0, 5, 3, t, 0, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(t.GetPixel(y, 4 - x), src.GetPixel(x, y));
    // A cell hanging over the source edge turns only what exists.
    PixelBuffer edge(4, 4);
    TurnCellAnticlockwise(src, 3, 1, 4, 4, edge, 0, 0);
    EXPECT_EQ(edge.GetPixel(0, 3), src.GetPixel(3, 1));
}

TEST(RoundHalfEven, TiesGoToEven)
{
    const std::pair<double, double> rows[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2},
                                              {2.4999, 2}, {2.5001, 3}, {254.5, 254}, {255.5, 256}};
    for (auto [v, want] : rows) EXPECT_EQ(RoundHalfEven(v), want) << v;
}

TEST(RotateBilinear, RightAnglesAndZeroAreExactPixelMoves)
{
    // 90 degrees clockwise about the centre of an even square: three
    // anticlockwise quarter turns.
    PixelBuffer src = Pattern(4, 4, 11), same(4, 4), turned(4, 4), quarter(4, 4);
    RotateBilinear(same, src, 2, 2, 0.0);
    EXPECT_TRUE(same.SamePixels(src));
    RotateBilinear(turned, src, 2, 2, 90.0);
    for (int i = 0; i < 3; ++i) {
        TurnCellAnticlockwise(src, 0, 0, 4, 4, quarter, 0, 0);
        std::swap(src, quarter);
    }
    EXPECT_TRUE(turned.SamePixels(src));
}

TEST(RotateBilinear, LeavesPixelsOutsideTheSourceAndRegionsMatchTheWhole)
{
    const PixelBuffer src = Pattern(20, 30, 6);
    PixelBuffer whole(50, 50), part(50, 50);
    Fill(whole, Bgr{0, 0, 0});
    Fill(part, Bgr{0, 0, 0});
    RotateBilinear(whole, src, 25, 25, 37.0);
    EXPECT_EQ(std::tuple(whole.GetPixel(0, 0), whole.GetPixel(49, 49)), std::tuple(Bgr{}, Bgr{}));
    EXPECT_NE(whole.GetPixel(25, 25), (Bgr{0, 0, 0}));
    RotateBilinearRegion(part, src, 25, 25, 37.0, 10, 12, 20, 17);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) {
            const bool inside = x >= 10 && x < 30 && y >= 12 && y < 29;
            ASSERT_EQ(part.GetPixel(x, y), inside ? whole.GetPixel(x, y) : (Bgr{0, 0, 0})) << x << "," << y;
        }
    PixelBuffer empty;
    RotateBilinear(part, empty, 0, 0, 10.0);  // no source: nothing happens
    RotateBilinear(empty, src, 0, 0, 10.0);
}

TEST(Stretch, OnePixelAndEmptyBuffersAreSafe)
{
    PixelBuffer one(1, 1), big(5, 4), filled(5, 4), empty;
    Fill(one, Bgr{9, 8, 7});
    Fill(filled, Bgr{9, 8, 7});
    Stretch(big, one);
    Stretch(big, empty);
    Stretch(empty, big);
    EXPECT_TRUE(big.SamePixels(filled));
}

}  // namespace
}  // namespace quillo
