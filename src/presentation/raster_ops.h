#pragma once
// Block transfers and picture transforms on PixelBuffers. Rectangles are
// given as position plus width and height; both the source and the
// destination rectangle are clipped to their buffers, and nothing happens
// when a clipped side is below 1 pixel. No Qt here.

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

// Bilinear rotation of src into dst, clockwise by degrees about (cx, cy) of
// dst, src centred on dst. Destination pixels whose nearest source pixel is
// outside src keep their value. Only the destination rectangle (rx, ry, rw,
// rh) is written; every pixel is computed independently, so a region gives
// exactly the pixels a full rotation would.
void RotateBilinear(PixelBuffer& dst, const PixelBuffer& src, int cx, int cy, double degrees);
void RotateBilinearRegion(PixelBuffer& dst, const PixelBuffer& src, int cx, int cy, double degrees, int rx, int ry,
                          int rw, int rh);

// Bilinear stretch of the whole of src onto the whole of dst in 15-bit fixed
// point. Does nothing when either buffer is empty.
void Stretch(PixelBuffer& dst, const PixelBuffer& src);

// Round to the nearest integer, halves to even, as the rotation requires.
inline double RoundHalfEven(double v)
{
    // Adding and removing 1.5 * 2^52 rounds in the default mode (nearest,
    // ties to even); exact for |v| < 2^51. IEEE arithmetic forbids folding
    // the pair away (the build never uses -ffast-math).
    constexpr double magic = 6755399441055744.0;
    return (v + magic) - magic;
}

}  // namespace quillo
