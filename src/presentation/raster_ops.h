#pragma once
// Block transfers and picture transforms on PixelBuffers. Rectangles are
// given as position plus width and height; both the source and the
// destination rectangle are clipped to their buffers, and nothing happens
// when a clipped side is below 1 pixel. No Qt here.

#include <algorithm>
#include <cmath>

#include "pixel_buffer.h"

namespace quillo {

enum class RasterOp {
    Copy,     // dst = src
    And,      // dst &= src  (the mask pass of masked drawing)
    Or,       // dst |= src  (the picture pass)
    NotCopy,  // dst = ~src
};

// Transfers w x h pixels from (sx, sy) of src to (dx, dy) of dst. src and dst
// may be the same buffer, even with overlapping rectangles.
void Blit(PixelBuffer& dst, int dx, int dy, const PixelBuffer& src, int sx, int sy, int w, int h,
          RasterOp op = RasterOp::Copy);

inline void CopyRect(PixelBuffer& dst, int dx, int dy, const PixelBuffer& src, int sx, int sy, int w, int h)
{
    Blit(dst, dx, dy, src, sx, sy, w, h, RasterOp::Copy);
}

// Masked drawing in one pass: dst = (dst AND mask) OR picture, the same as
// an And transfer of the mask followed by an Or transfer of the picture when
// both source rectangles lie inside their buffers.
void DrawMasked(PixelBuffer& dst, int dx, int dy, const PixelBuffer& mask, int mx, int my, const PixelBuffer& picture,
                int px, int py, int w, int h);

// Inverts every byte of the rectangle in place.
void InvertRect(PixelBuffer& dst, int x, int y, int w, int h);

// Fills the rectangle with one byte value, or with one colour.
void FillRect(PixelBuffer& dst, int x, int y, int w, int h, uint8_t value);
void FillRect(PixelBuffer& dst, int x, int y, int w, int h, Bgr colour);
inline void Fill(PixelBuffer& dst, Bgr colour) { FillRect(dst, 0, 0, dst.Width(), dst.Height(), colour); }

// Turns the w x h cell at (sx, sy) of src a quarter anticlockwise into the
// h x w cell at (dx, dy) of dst: source pixel (x, y) goes to (y, w - 1 - x).
// Pixels falling outside either buffer are skipped.
void TurnCellAnticlockwise(const PixelBuffer& src, int sx, int sy, int w, int h, PixelBuffer& dst, int dx, int dy);

// Round to the nearest integer, halves to even, as the rotation requires.
inline double RoundHalfEven(double v)
{
    // Adding and removing 1.5 * 2^52 rounds in the default mode (nearest,
    // ties to even); exact for |v| < 2^51. IEEE arithmetic forbids folding
    // the pair away (the build never uses -ffast-math).
    constexpr double magic = 6755399441055744.0;
    return (v + magic) - magic;
}

// The bilinear rotation one destination pixel at a time: destination pixel
// (x, y) maps to source point (sx, sy); its nearest source pixel (ties to
// even) and the one right of and below it are blended.
class BilinearRotation {
public:
    BilinearRotation(int dstWidth, int dstHeight, const PixelBuffer& src, int cx, int cy, double degrees);

    // Where destination pixel (x, y) samples the source: its nearest source
    // pixel (X0, Y0), the neighbours right and below (clamped to the
    // source), and the fractions towards them.
    struct Taps {
        int X0, Y0, X1, Y1;
        double Fx, Fy;
    };
    // False when the nearest source pixel lies outside the source.
    bool Locate(int x, int y, Taps& t) const
    {
        const double X = 2.0 * (x - Cx_) + 1.0, Y = 2.0 * (y - Cy_) + 1.0;
        const double sx = (X * Cos_ - Y * Sin_ - 1.0) / 2.0 + ShiftX_;
        const double sy = (X * Sin_ + Y * Cos_ - 1.0) / 2.0 + ShiftY_;
        const double rx = RoundHalfEven(sx), ry = RoundHalfEven(sy);
        if (rx < 0 || ry < 0 || rx >= Ws_ || ry >= Hs_) return false;
        t.X0 = static_cast<int>(rx);
        t.Y0 = static_cast<int>(ry);
        t.X1 = std::min(t.X0 + 1, Ws_ - 1);
        t.Y1 = std::min(t.Y0 + 1, Hs_ - 1);
        t.Fx = sx - rx;
        t.Fy = sy - ry;
        return true;
    }

    // One pixel blended from its four source pixels (three bytes each).
    static void Blend(const uint8_t* p00, const uint8_t* p10, const uint8_t* p01, const uint8_t* p11, double fx,
                      double fy, uint8_t* out)
    {
        for (int k = 0; k < 3; ++k) {
            const double a = p00[k], b = p10[k], c = p01[k], d = p11[k];
            const double top = a + (b - a) * fx;
            const double bottom = c + (d - c) * fx;
            const double v = RoundHalfEven(top + (bottom - top) * fy);
            out[k] = static_cast<uint8_t>(v < 0.0 ? 0.0 : v > 255.0 ? 255.0 : v);
        }
    }

private:
    const PixelBuffer& Src_;
    int Ws_, Hs_, Cx_, Cy_;
    double Cos_, Sin_, ShiftX_, ShiftY_;
};

// Bilinear stretch of the whole of src onto the whole of dst in 15-bit fixed
// point. Does nothing when either buffer is empty.
void Stretch(PixelBuffer& dst, const PixelBuffer& src);

}  // namespace quillo
