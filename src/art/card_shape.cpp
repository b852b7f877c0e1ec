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
    for (int k = 0; k < 4; ++k) {
        const int w = sizes[k].Width, h = sizes[k].Height;
        const int y0 = k * pitch + 1;
        const ShapeMask on(CardShape(sizes, k), w, h), onGrown(CardShape(sizes, k, 2.0), w + 4, h + 4);
        for (int y = 0; y < h; ++y) {
            uint8_t* outline = f.Picture.PixelAt(FrameOutline * pitch + 1, y0 + y);
            uint8_t* mask = f.Picture.PixelAt(FrameMask * pitch + 1, y0 + y);
            for (int x = 0; x < w; ++x) {
                const uint8_t in = on(x, y) ? 255 : 0;
                std::memset(outline + 3 * x, in, 3);
                std::memset(mask + 3 * x, 255 - in, 3);
            }
            std::memset(f.Picture.PixelAt(FramePlaceMask * pitch + 1, y0 + y), 255, 3 * static_cast<size_t>(w));
        }
        for (int y = 0; y < h + 4; ++y)
            std::memset(f.Picture.PixelAt(FrameFoundationMask * pitch + 1, y0 + y), 255, 3 * static_cast<size_t>(w + 4));
        // Place and foundation outlines and their masks share their rings.
        PaintRing(f.Picture, FrameOutline * pitch + 1, y0, w, h, RingOf(on, w, h, 1), Border);
        const std::vector<uint8_t> place = RingOf(on, w, h, thick);
        PaintRing(f.Picture, FramePlaceOutline * pitch + 1, y0, w, h, place, PlaceLine);
        PaintRing(f.Picture, FramePlaceMask * pitch + 1, y0, w, h, place, Black);
        const std::vector<uint8_t> foundation = RingOf(onGrown, w + 4, h + 4, thick + 1);
        PaintRing(f.Picture, FrameFoundationOutline * pitch + 1, y0, w + 4, h + 4, foundation, FoundationLine);
        PaintRing(f.Picture, FrameFoundationMask * pitch + 1, y0, w + 4, h + 4, foundation, Black);
    }
    // Classes 4..7 are the same cells turned a quarter anticlockwise (from a
    // copy: turning within one picture takes the slow, checked way).
    const PixelBuffer upper = f.Picture;
    for (int k = 0; k < 4; ++k) {
        const int w = sizes[k].Width, h = sizes[k].Height;
        for (int c = 0; c < FramesColumns; ++c) {
            const int cw = c >= FrameFoundationOutline ? w + 4 : w, ch = c >= FrameFoundationOutline ? h + 4 : h;
            TurnCellAnticlockwise(upper, c * pitch + 1, k * pitch + 1, cw, ch, f.Picture, c * pitch + 1, (k + 4) * pitch + 1);
        }
    }
    return f;
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
