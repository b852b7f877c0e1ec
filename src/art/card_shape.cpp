#include "card_shape.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>
#include <numbers>

#include "engine/card_sizes.h"
#include "presentation/card_set_format.h"
#include "presentation/raster_ops.h"
#include "presentation/sheet_preparation.h"

namespace quillo::art {

namespace {

constexpr Bgr White{255, 255, 255};
constexpr Bgr Black{0, 0, 0};
constexpr Bgr Border{48, 48, 48};
constexpr Bgr PlaceLine{200, 210, 200};
constexpr Bgr FoundationLine{150, 225, 240};

// Which pixels of a w x h cell lie on a shape, one byte a pixel, with a
// lookup that is false outside the cell.
class ShapeMask {
public:
    ShapeMask(const CardShape& shape, int w, int h) : W_(w), H_(h), On_(static_cast<size_t>(w) * h)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) On_[static_cast<size_t>(y * w + x)] = shape.PixelInside(x, y);
    }
    bool operator()(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < W_ && y < H_ && On_[static_cast<size_t>(y * W_ + x)] != 0;
    }

private:
    int W_, H_;
    std::vector<uint8_t> On_;
};

// The shape's pixels within `thickness` of its edge (or of the cell's edge),
// one byte a pixel.
std::vector<uint8_t> RingOf(const ShapeMask& inside, int w, int h, int thickness)
{
    std::vector<uint8_t> ring(static_cast<size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!inside(x, y)) continue;
            bool edge = x - thickness < 0 || y - thickness < 0 || x + thickness >= w || y + thickness >= h;
            for (int d = 1; d <= thickness && !edge; ++d)
                edge = !inside(x - d, y) || !inside(x + d, y) || !inside(x, y - d) || !inside(x, y + d);
            ring[static_cast<size_t>(y * w + x)] = edge;
        }
    return ring;
}

// Paints a ring into a cell at (x0, y0).
void PaintRing(PixelBuffer& pic, int x0, int y0, int w, int h, const std::vector<uint8_t>& ring, Bgr colour)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (ring[static_cast<size_t>(y * w + x)]) pic.SetPixel(x0 + x, y0 + y, colour);
}

}  // namespace

double CornerRadius(int width, int height)
{
    return std::max(1.5, std::min(width, height) * 0.085);
}

TurnPlacement PlacementFor(const CardSizeTable& sizes, int k)
{
    TurnPlacement p;
    const CardSize& up = sizes[Upright];
    if (k == Upright) return p;
    const int work = RotationWorkSize(sizes);
    const int c = work / 2;
    p.Angle = TurnAngles[k];
    p.TargetX = c - (work - sizes[k].Width) / 2;
    p.TargetY = c - (work - sizes[k].Height) / 2;
    p.SourceX = c - (work - up.Width) / 2;
    p.SourceY = c - (work - up.Height) / 2;
    return p;
}

CardShape::CardShape(const CardSizeTable& sizes, int k, double grow)
    : P_(PlacementFor(sizes, k)),
      W_(sizes[Upright].Width),
      H_(sizes[Upright].Height),
      R_(CornerRadius(sizes[Upright].Width, sizes[Upright].Height)),
      Grow_(grow)
{
    const double t = P_.Angle * std::numbers::pi / 180.0;
    Cos_ = std::cos(t);
    Sin_ = std::sin(t);
}

bool CardShape::Inside(double px, double py) const
{
    // Back to the upright card: card point = Source + R(-angle) (cell point - Target).
    const double dx = px - Grow_ - P_.TargetX, dy = py - Grow_ - P_.TargetY;
    const double u = dx * Cos_ + dy * Sin_ + P_.SourceX;
    const double v = -dx * Sin_ + dy * Cos_ + P_.SourceY;
    const double r = R_ + Grow_;
    const double l = -Grow_, t = -Grow_, rgt = W_ + Grow_, btm = H_ + Grow_;
    if (u < l || v < t || u > rgt || v > btm) return false;
    const double cx = std::clamp(u, l + r, rgt - r), cy = std::clamp(v, t + r, btm - r);
    return (u - cx) * (u - cx) + (v - cy) * (v - cy) <= r * r;
}

FramesPicture BuildFramesPicture(int width, int height)
{
    const CardSizeTable sizes = MakeCardSizes(width, height);
    int pitch = 0;
    for (const CardSize& s : sizes) pitch = std::max({pitch, s.Width + 5, s.Height + 5});
    FramesPicture f;
    f.Pitch = pitch;
    f.Picture.Create(FramesColumns * pitch + 1, OrientationCount * pitch + 1);
    Fill(f.Picture, Black);
    const int thick = height >= 90 ? 2 : 1;
    // Each class is made in a band of its own, copied into its row and,
    // turned a quarter anticlockwise, into the row of class k + 4.
    PixelBuffer band(f.Picture.Width(), pitch);
    for (int k = 0; k < 4; ++k) {
        const int w = sizes[k].Width, h = sizes[k].Height;
        Fill(band, Black);
        const ShapeMask on(CardShape(sizes, k), w, h), onGrown(CardShape(sizes, k, 2.0), w + 4, h + 4);
        for (int y = 0; y < h; ++y) {
            uint8_t* outline = band.PixelAt(FrameOutline * pitch + 1, y);
            uint8_t* mask = band.PixelAt(FrameMask * pitch + 1, y);
            for (int x = 0; x < w; ++x) {
                const uint8_t in = on(x, y) ? 255 : 0;
                std::memset(outline + 3 * x, in, 3);
                std::memset(mask + 3 * x, 255 - in, 3);
            }
            std::memset(band.PixelAt(FramePlaceMask * pitch + 1, y), 255, 3 * static_cast<size_t>(w));
        }
        for (int y = 0; y < h + 4; ++y)
            std::memset(band.PixelAt(FrameFoundationMask * pitch + 1, y), 255, 3 * static_cast<size_t>(w + 4));
        // Place and foundation outlines and their masks share their rings.
        PaintRing(band, FrameOutline * pitch + 1, 0, w, h, RingOf(on, w, h, 1), Border);
        const std::vector<uint8_t> place = RingOf(on, w, h, thick);
        PaintRing(band, FramePlaceOutline * pitch + 1, 0, w, h, place, PlaceLine);
        PaintRing(band, FramePlaceMask * pitch + 1, 0, w, h, place, Black);
        const std::vector<uint8_t> foundation = RingOf(onGrown, w + 4, h + 4, thick + 1);
        PaintRing(band, FrameFoundationOutline * pitch + 1, 0, w + 4, h + 4, foundation, FoundationLine);
        PaintRing(band, FrameFoundationMask * pitch + 1, 0, w + 4, h + 4, foundation, Black);
        for (int y = 0; y < pitch; ++y)
            std::memcpy(f.Picture.Row(k * pitch + 1 + y), band.Row(y), static_cast<size_t>(band.Width()) * 3);
        for (int c = 0; c < FramesColumns; ++c) {
            const int cw = c >= FrameFoundationOutline ? w + 4 : w, ch = c >= FrameFoundationOutline ? h + 4 : h;
            TurnCellAnticlockwise(band, c * pitch + 1, 0, cw, ch, f.Picture, c * pitch + 1, (k + 4) * pitch + 1);
        }
    }
    return f;
}

std::vector<EdgePixel> SoftEdgeOf(const FramesPicture& frames, int width, int height, int k)
{
    const CardSizeTable sizes = MakeCardSizes(width, height);
    const int turned = k & 3;
    const int w = sizes[turned].Width, h = sizes[turned].Height;
    // The card, and the face inside its one-pixel outline.
    const CardShape card(sizes, turned), face(sizes, turned, -1.0);
    const int mx = FrameMask * frames.Pitch + 1, my = turned * frames.Pitch + 1;
    if (!frames.Picture.Contains(mx + w - 1, my + h - 1)) return {};
    auto on = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && frames.Picture.PixelAt(mx + x, my + y)[0] == 0;
    };
    // The outline the sheet's cells carry: card pixels beside a pixel off it.
    auto ring = [&](int x, int y) { return on(x, y) && (!on(x - 1, y) || !on(x + 1, y) || !on(x, y - 1) || !on(x, y + 1)); };
    // The card's pixels in each row run from First to Last - 1 (it is convex).
    std::vector<int> first(static_cast<size_t>(h), w), last(static_cast<size_t>(h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (on(x, y)) {
                first[static_cast<size_t>(y)] = std::min(first[static_cast<size_t>(y)], x);
                last[static_cast<size_t>(y)] = x + 1;
            }
    constexpr int n = 8;  // samples a side
    auto share = [&](auto inside) {
        // The shape is convex: a pixel whose corners are on it is on it whole.
        if (inside(0.0, 0.0) && inside(1.0, 0.0) && inside(0.0, 1.0) && inside(1.0, 1.0)) return 255;
        int covered = 0;
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < n; ++i) covered += inside((i + 0.5) / n, (j + 0.5) / n);
        return (covered * 255 + n * n / 2) / (n * n);
    };
    // The nearest pixel within two steps that passes the test.
    auto nearest = [&](int x, int y, auto test, int8_t& ox, int8_t& oy) {
        int best = 99;
        for (int j = -2; j <= 2; ++j)
            for (int i = -2; i <= 2; ++i)
                if (i * i + j * j < best && test(x + i, y + j)) {
                    best = i * i + j * j;
                    ox = static_cast<int8_t>(i);
                    oy = static_cast<int8_t>(j);
                }
        return best < 99;
    };
    std::vector<EdgePixel> edge;
    for (int y = 0; y < h; ++y) {
        // Pixels whose 5 x 5 neighbourhood is all on or all off the card
        // are plain: only the two bands between need a look.
        int lo = 0, hi = w, outLo = w, outHi = 0;
        for (int j = y - 2; j <= y + 2; ++j) {
            const bool row = j >= 0 && j < h;
            const int f = row ? first[static_cast<size_t>(j)] : w, l = row ? last[static_cast<size_t>(j)] : 0;
            lo = std::max(lo, f);
            hi = std::min(hi, l);
            outLo = std::min(outLo, f);
            outHi = std::max(outHi, l);
        }
        for (int x = std::max(0, outLo - 2); x < std::min(w, outHi + 2); ++x) {
            if (x >= lo + 2 && x < hi - 2) x = hi - 2;
            const bool in = on(x, y), line = ring(x, y);
            const int alpha = share([&](double u, double v) { return card.Inside(x + u, y + v); });
            const int inner = std::min(alpha, share([&](double u, double v) { return face.Inside(x + u - 1, y + v - 1); }));
            const bool plain = in ? alpha == 255 && inner == (line ? 0 : 255) : alpha == 0;
            if (plain) continue;
            EdgePixel e{static_cast<uint16_t>(x), static_cast<uint16_t>(y), static_cast<uint8_t>(alpha),
                        static_cast<uint8_t>(inner), 0, 0, 0, 0};
            const bool haveFace = nearest(x, y, [&](int i, int j) { return on(i, j) && !ring(i, j); }, e.FromX, e.FromY);
            const bool haveLine = nearest(x, y, ring, e.LineX, e.LineY);
            if (!haveLine && !haveFace) continue;
            if (!haveFace) {
                e.FromX = e.LineX;
                e.FromY = e.LineY;
            } else if (!haveLine) {
                e.LineX = e.FromX;
                e.LineY = e.FromY;
            }
            edge.push_back(e);
        }
    }
    return k < 4 ? edge : QuarterTurnEdge(edge, w);
}

std::vector<EdgePixel> QuarterTurnEdge(std::vector<EdgePixel> edge, int w)
{
    // As the turned sheets are made: (x, y) of the w x h cell goes to (y, w - 1 - x).
    for (EdgePixel& e : edge) {
        const EdgePixel s = e;
        e.X = s.Y;
        e.Y = static_cast<uint16_t>(w - 1 - s.X);
        e.FromX = s.FromY;
        e.FromY = static_cast<int8_t>(-s.FromX);
        e.LineX = s.LineY;
        e.LineY = static_cast<int8_t>(-s.LineX);
    }
    return edge;
}

void CutToShape(PixelBuffer& sheet, int x0, int y0, const FramesPicture& frames, int k, int w, int h)
{
    const int fy = k * frames.Pitch + 1;
    for (int y = 0; y < h; ++y) {
        if (y0 + y >= sheet.Height()) break;
        uint8_t* __restrict d = sheet.PixelAt(x0, y0 + y);
        const uint8_t* __restrict outline = frames.Picture.PixelAt(FrameOutline * frames.Pitch + 1, fy + y);
        const uint8_t* __restrict mask = frames.Picture.PixelAt(FrameMask * frames.Pitch + 1, fy + y);
        for (int i = 0; i < 3 * w; ++i) d[i] = static_cast<uint8_t>(d[i] & ~mask[i] & outline[i]);
    }
}

}  // namespace quillo::art
