#include "raster_ops.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace quillo {

namespace {

// Clips a w x h transfer against both buffers, moving both corners together.
// Returns false when nothing is left.
bool ClipTransfer(int dstW, int dstH, int& dx, int& dy, int srcW, int srcH, int& sx, int& sy, int& w, int& h)
{
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min({w, srcW - sx, dstW - dx});
    h = std::min({h, srcH - sy, dstH - dy});
    return w >= 1 && h >= 1;
}

bool ClipRect(const PixelBuffer& b, int& x, int& y, int& w, int& h)
{
    if (x < 0) { w += x; x = 0; }
    if (y < 0) { h += y; y = 0; }
    w = std::min(w, b.Width() - x);
    h = std::min(h, b.Height() - y);
    return w >= 1 && h >= 1;
}

void AndBytes(uint8_t* __restrict d, const uint8_t* __restrict s, size_t n)
{
    for (size_t i = 0; i < n; ++i) d[i] &= s[i];
}

void OrBytes(uint8_t* __restrict d, const uint8_t* __restrict s, size_t n)
{
    for (size_t i = 0; i < n; ++i) d[i] |= s[i];
}

void NotBytes(uint8_t* __restrict d, const uint8_t* __restrict s, size_t n)
{
    for (size_t i = 0; i < n; ++i) d[i] = static_cast<uint8_t>(~s[i]);
}

void MaskBytes(uint8_t* __restrict d, const uint8_t* __restrict m, const uint8_t* __restrict p, size_t n)
{
    for (size_t i = 0; i < n; ++i) d[i] = static_cast<uint8_t>((d[i] & m[i]) | p[i]);
}

bool Overlaps(int ax, int ay, int bx, int by, int w, int h)
{
    return ax < bx + w && bx < ax + w && ay < by + h && by < ay + h;
}

}  // namespace

void Blit(PixelBuffer& dst, int dx, int dy, const PixelBuffer& src, int sx, int sy, int w, int h, RasterOp op)
{
    if (!ClipTransfer(dst.Width(), dst.Height(), dx, dy, src.Width(), src.Height(), sx, sy, w, h)) return;
    if (&dst == &src && Overlaps(dx, dy, sx, sy, w, h)) {
        // Same picture, overlapping rectangles: go through a copy of the source.
        PixelBuffer tmp(w, h);
        Blit(tmp, 0, 0, src, sx, sy, w, h, RasterOp::Copy);
        Blit(dst, dx, dy, tmp, 0, 0, w, h, op);
        return;
    }
    const size_t n = static_cast<size_t>(w) * 3;
    for (int y = 0; y < h; ++y) {
        uint8_t* d = dst.Row(dy + y) + 3 * dx;
        const uint8_t* s = src.Row(sy + y) + 3 * sx;
        switch (op) {
        case RasterOp::Copy: std::memcpy(d, s, n); break;
        case RasterOp::And: AndBytes(d, s, n); break;
        case RasterOp::Or: OrBytes(d, s, n); break;
        case RasterOp::NotCopy: NotBytes(d, s, n); break;
        }
    }
}

void DrawMasked(PixelBuffer& dst, int dx, int dy, const PixelBuffer& mask, int mx, int my, const PixelBuffer& picture,
                int px, int py, int w, int h)
{
    if (&dst == &mask || &dst == &picture) {
        Blit(dst, dx, dy, mask, mx, my, w, h, RasterOp::And);
        Blit(dst, dx, dy, picture, px, py, w, h, RasterOp::Or);
        return;
    }
    // Clip the picture rectangle into the mask's coordinates as well, so all
    // three rectangles shrink together.
    int ox = dx, oy = dy;
    if (!ClipTransfer(dst.Width(), dst.Height(), dx, dy, mask.Width(), mask.Height(), mx, my, w, h)) return;
    px += dx - ox;
    py += dy - oy;
    int ddx = dx, ddy = dy;
    if (!ClipTransfer(dst.Width(), dst.Height(), ddx, ddy, picture.Width(), picture.Height(), px, py, w, h)) return;
    mx += ddx - dx;
    my += ddy - dy;
    const size_t n = static_cast<size_t>(w) * 3;
    for (int y = 0; y < h; ++y)
        MaskBytes(dst.Row(ddy + y) + 3 * ddx, mask.Row(my + y) + 3 * mx, picture.Row(py + y) + 3 * px, n);
}

void InvertRect(PixelBuffer& dst, int x, int y, int w, int h)
{
    if (!ClipRect(dst, x, y, w, h)) return;
    const size_t n = static_cast<size_t>(w) * 3;
    for (int r = 0; r < h; ++r) {
        uint8_t* d = dst.Row(y + r) + 3 * x;
        for (size_t i = 0; i < n; ++i) d[i] = static_cast<uint8_t>(~d[i]);
    }
}

void FillRect(PixelBuffer& dst, int x, int y, int w, int h, uint8_t value)
{
    if (!ClipRect(dst, x, y, w, h)) return;
    for (int r = 0; r < h; ++r) std::memset(dst.Row(y + r) + 3 * x, value, static_cast<size_t>(w) * 3);
}

void FillRect(PixelBuffer& dst, int x, int y, int w, int h, Bgr c)
{
    if (c.B == c.G && c.G == c.R) {
        FillRect(dst, x, y, w, h, c.B);
        return;
    }
    if (!ClipRect(dst, x, y, w, h)) return;
    // Build one row, then copy it down.
    uint8_t* first = dst.Row(y) + 3 * x;
    for (int i = 0; i < w; ++i) {
        first[3 * i] = c.B;
        first[3 * i + 1] = c.G;
        first[3 * i + 2] = c.R;
    }
    for (int r = 1; r < h; ++r) std::memcpy(dst.Row(y + r) + 3 * x, first, static_cast<size_t>(w) * 3);
}

void TurnCellAnticlockwise(const PixelBuffer& src, int sx, int sy, int w, int h, PixelBuffer& dst, int dx, int dy)
{
    const bool inside = sx >= 0 && sy >= 0 && sx + w <= src.Width() && sy + h <= src.Height() && dx >= 0 &&
                        dy >= 0 && dx + h <= dst.Width() && dy + w <= dst.Height();
    if (!inside || &src == &dst) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int tx = dx + y, ty = dy + w - 1 - x;
                if (!src.Contains(sx + x, sy + y) || !dst.Contains(tx, ty)) continue;
                const uint8_t* s = src.PixelAt(sx + x, sy + y);
                uint8_t* d = dst.PixelAt(tx, ty);
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
            }
        return;
    }
    // In 8 x 8 blocks: read eight source rows of a block, then write each
    // target row of the block in one piece. Source row y becomes target
    // column dx + y; source column x becomes target row dy + w - 1 - x.
    constexpr int block = 8;
    for (int by = 0; by < h; by += block)
        for (int bx = 0; bx < w; bx += block) {
            const int ny = std::min(block, h - by), nx = std::min(block, w - bx);
            uint8_t tile[block][block * 3];
            for (int y = 0; y < ny; ++y) std::memcpy(tile[y], src.PixelAt(sx + bx, sy + by + y), static_cast<size_t>(nx) * 3);
            for (int x = 0; x < nx; ++x) {
                uint8_t row[block * 3];
                for (int y = 0; y < ny; ++y) {
                    row[3 * y] = tile[y][3 * x];
                    row[3 * y + 1] = tile[y][3 * x + 1];
                    row[3 * y + 2] = tile[y][3 * x + 2];
                }
                std::memcpy(dst.PixelAt(dx + by, dy + w - 1 - (bx + x)), row, static_cast<size_t>(ny) * 3);
            }
        }
}

BilinearRotation::BilinearRotation(int dstWidth, int dstHeight, const PixelBuffer& src, int cx, int cy,
                                   double degrees)
    : Src_(src), Ws_(src.Width()), Hs_(src.Height()), Cx_(cx), Cy_(cy)
{
    const double t = -degrees * std::numbers::pi / 180.0;
    Cos_ = std::cos(t);
    Sin_ = std::sin(t);
    // Division rounding toward zero, as C++ does.
    ShiftX_ = cx - (dstWidth - Ws_) / 2;
    ShiftY_ = cy - (dstHeight - Hs_) / 2;
}

void Stretch(PixelBuffer& dst, const PixelBuffer& src)
{
    // Empty buffers on either side would divide by zero below: nothing to do.
    if (src.Empty() || dst.Empty()) return;
    const int ws = src.Width(), hs = src.Height(), w = dst.Width(), h = dst.Height();
    const int64_t xstep = (static_cast<int64_t>(ws - 1) * 32768) / w;
    const int64_t ystep = (static_cast<int64_t>(hs - 1) * 32768) / h;
    for (int y = 0; y < h; ++y) {
        const int64_t fy = y * ystep;
        const int sy = static_cast<int>(fy / 32768);
        const int sy1 = hs == 1 ? sy : std::min(sy + 1, hs - 1);
        const int64_t wy = fy % 32768;
        const uint8_t* r0 = src.Row(sy);
        const uint8_t* r1 = src.Row(sy1);
        uint8_t* d = dst.Row(y);
        for (int x = 0; x < w; ++x) {
            const int64_t fx = x * xstep;
            const int sx = static_cast<int>(fx / 32768);
            // A one-column source has no right neighbour; its weight is zero anyway.
            const int sx1 = std::min(sx + 1, ws - 1);
            const int64_t wx = fx % 32768;
            const int64_t q = (wx * (32768 - wy)) / 32768;
            const int64_t p = 32768 - wy - q;
            const int64_t s = (wx * wy) / 32768;
            const int64_t r = wy - s;
            for (int k = 0; k < 3; ++k) {
                const int64_t v = p * r0[3 * sx + k] + q * r0[3 * sx1 + k] + r * r1[3 * sx + k] + s * r1[3 * sx1 + k];
                d[3 * x + k] = static_cast<uint8_t>(v / 32768);
            }
        }
    }
}

}  // namespace quillo
