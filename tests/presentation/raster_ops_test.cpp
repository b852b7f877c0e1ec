// Pixel buffers and the raster operations, checked against a per-pixel model.

#include <gtest/gtest.h>

#include <random>

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

TEST(PixelBuffer, DegenerateSizesFreeAndStretchAreSafe)
{
    PixelBuffer b(10, 10);
    b.Free();
    b.Free();
    for (const PixelBuffer& e : {b, PixelBuffer(0, 5), PixelBuffer(5, 0), PixelBuffer(-1, 5)}) {
        EXPECT_TRUE(e.Empty());
        EXPECT_EQ(e.SizeBytes(), 0u);
    }
    // Stretching to or from an empty buffer does nothing.
    PixelBuffer one(1, 1), big(5, 4), filled(5, 4), empty;
    Fill(one, Bgr{9, 8, 7});
    Fill(filled, Bgr{9, 8, 7});
    Stretch(big, one);
    Stretch(big, empty);
    Stretch(empty, big);
    EXPECT_TRUE(big.SamePixels(filled));
}

// Odd rounds copy a buffer onto itself, overlapping: the old pixels are read.
TEST(Blit, RandomTransfersMatchTheModel)
{
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pos(-20, 20), size(-2, 24), opd(0, 3);
    for (int i = 0; i < 800; ++i) {
        PixelBuffer d = Pattern(10, 8, i);
        const PixelBuffer before = d, src = i % 2 ? before : Pattern(11, 9, 5);
        const int dx = pos(rng), dy = pos(rng), sx = pos(rng), sy = pos(rng), w = size(rng), h = size(rng);
        const auto op = static_cast<RasterOp>(opd(rng));
        Blit(d, dx, dy, i % 2 ? d : src, sx, sy, w, h, op);
        ASSERT_TRUE(d.SamePixels(ModelBlit(before, dx, dy, src, sx, sy, w, h, op))) << i;
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

TEST(RoundHalfEven, TiesGoToEven)
{
    const std::pair<double, double> rows[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2},
                                              {2.4999, 2}, {2.5001, 3}, {254.5, 254}, {255.5, 256}};
    for (auto [v, want] : rows) EXPECT_EQ(RoundHalfEven(v), want) << v;
}

}  // namespace
}  // namespace quillo
