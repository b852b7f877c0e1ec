#include "card_shape.h"

#include <algorithm>
#include <cmath>
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

// Pixels of a w x h cell on the shape, and those on its inner edge.
template <class Inside>
void Ring(PixelBuffer& pic, int x0, int y0, int w, int h, Inside inside, int thickness, Bgr line, bool asMask)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!inside(x, y)) continue;
            bool edge = false;
            for (int d = 1; d <= thickness && !edge; ++d)
                edge = !inside(x - d, y) || !inside(x + d, y) || !inside(x, y - d) || !inside(x, y + d) ||
                       x - d < 0 || y - d < 0 || x + d >= w || y + d >= h;
            if (edge) pic.SetPixel(x0 + x, y0 + y, asMask ? Black : line);
        }
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
        const CardShape card(sizes, k), grown(sizes, k, 2.0);
        auto on = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && card.PixelInside(x, y); };
        auto onGrown = [&](int x, int y) { return x >= 0 && y >= 0 && x < w + 4 && y < h + 4 && grown.PixelInside(x, y); };
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool in = on(x, y);
                f.Picture.SetPixel(FrameOutline * pitch + 1 + x, y0 + y, in ? White : Black);
                f.Picture.SetPixel(FrameMask * pitch + 1 + x, y0 + y, in ? Black : White);
                f.Picture.SetPixel(FramePlaceMask * pitch + 1 + x, y0 + y, White);
            }
        for (int y = 0; y < h + 4; ++y)
            for (int x = 0; x < w + 4; ++x) f.Picture.SetPixel(FrameFoundationMask * pitch + 1 + x, y0 + y, White);
        Ring(f.Picture, FrameOutline * pitch + 1, y0, w, h, on, 1, Border, false);
        Ring(f.Picture, FramePlaceOutline * pitch + 1, y0, w, h, on, thick, PlaceLine, false);
        Ring(f.Picture, FramePlaceMask * pitch + 1, y0, w, h, on, thick, PlaceLine, true);
        Ring(f.Picture, FrameFoundationOutline * pitch + 1, y0, w + 4, h + 4, onGrown, thick + 1, FoundationLine, false);
        Ring(f.Picture, FrameFoundationMask * pitch + 1, y0, w + 4, h + 4, onGrown, thick + 1, FoundationLine, true);
        // Classes 4..7 are the same cells turned a quarter anticlockwise.
        for (int c = 0; c < FramesColumns; ++c) {
            const int cw = c >= FrameFoundationOutline ? w + 4 : w, ch = c >= FrameFoundationOutline ? h + 4 : h;
            TurnCellAnticlockwise(f.Picture, c * pitch + 1, y0, cw, ch, f.Picture, c * pitch + 1, (k + 4) * pitch + 1);
        }
    }
    return f;
}

void CutToShape(PixelBuffer& sheet, int x0, int y0, const FramesPicture& frames, int k, int w, int h)
{
    const int fy = k * frames.Pitch + 1;
    for (int y = 0; y < h; ++y) {
        if (y0 + y >= sheet.Height()) break;
        uint8_t* d = sheet.PixelAt(x0, y0 + y);
        const uint8_t* outline = frames.Picture.PixelAt(FrameOutline * frames.Pitch + 1, fy + y);
        const uint8_t* mask = frames.Picture.PixelAt(FrameMask * frames.Pitch + 1, fy + y);
        for (int i = 0; i < 3 * w; ++i) d[i] = static_cast<uint8_t>(d[i] & ~mask[i] & outline[i]);
    }
}

}  // namespace quillo::art
