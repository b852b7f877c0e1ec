#pragma once
// A mask cell read once into runs of pixels, so that masked drawing copies
// the opaque inside of a card a row at a time and works byte by byte only
// where the mask is mixed (the rounded corners). Drawing by spans gives
// exactly the pixels DrawMasked gives. No Qt here.

#include <array>
#include <cstdint>
#include <vector>

#include "pixel_buffer.h"

namespace quillo {

// A rectangle of pixels, right and bottom excluded.
struct PixelBox {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    static PixelBox Of(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    PixelBox Meet(const PixelBox& b) const;
};

// Cuts b out of each box of the list (at most four pieces a box).
void SubtractBox(std::vector<PixelBox>& boxes, const PixelBox& b);

// A pixel on the rim of a drawn card whose outline line or outer edge
// passes through it. Of its area (in 255ths) the card covers Alpha, the face
// inside the line Inner (at most Alpha): the face's colour is taken from the
// cell pixel (X + FromX, Y + FromY), the line's from (X + LineX, Y + LineY),
// and what lies below keeps the rest.
struct EdgePixel {
    uint16_t X = 0, Y = 0;
    uint8_t Alpha = 0, Inner = 0;
    int8_t FromX = 0, FromY = 0, LineX = 0, LineY = 0;
};

enum class SpanKind : uint8_t {
    Copy,   // mask black: the picture replaces what lies below
    Keep,   // mask white over a black picture: nothing changes
    Mixed,  // anything else: (below AND mask) OR picture, byte by byte
    Blend,  // rim pixels of a soft edge, one EdgePixel each
};

struct MaskSpan {
    int Begin = 0, End = 0;  // columns of the cell, End excluded
    SpanKind Kind = SpanKind::Mixed;
    uint32_t First = 0;  // Blend: the EdgePixel of Begin
};

class MaskSpans {
public:
    MaskSpans() = default;
    // The runs of the w x h mask cell at (mx, my). With a picture cell,
    // pixels where the mask is white and the picture black are Keep; only
    // that picture may then be drawn through these spans. With whiteKeeps
    // every white mask pixel is Keep: for pictures known to be black
    // wherever the mask is white (cut to the card's shape). Not Valid() when
    // a cell does not lie wholly inside its buffer.
    // With a soft edge, its pixels inside the cell blend instead.
    MaskSpans(const PixelBuffer& mask, int mx, int my, int w, int h, const PixelBuffer* picture = nullptr, int px = 0,
              int py = 0, bool whiteKeeps = false, const std::vector<EdgePixel>* softEdge = nullptr);

    bool Valid() const { return Width_ > 0 && Height_ > 0; }
    int Width() const { return Width_; }
    int Height() const { return Height_; }
    const MaskSpan* RowBegin(int y) const { return Spans_.data() + Starts_[static_cast<size_t>(y)]; }
    const MaskSpan* RowEnd(int y) const { return Spans_.data() + Starts_[static_cast<size_t>(y) + 1]; }
    const EdgePixel& Edge(uint32_t i) const { return Edges_[i]; }

    // The opaque core, in cell coordinates: the rows that are Copy from edge
    // to edge, and the columns that are Copy from top to bottom (the longest
    // such runs). Whatever a cell drawn there covered is gone.
    PixelBox CoreRows() const { return {0, CoreTop_, Width_, CoreBottom_}; }
    PixelBox CoreColumns() const { return {CoreLeft_, 0, CoreRight_, Height_}; }
    // The largest rectangle of Copy pixels: the core of a card turned by an
    // odd angle, which has no full rows or columns.
    PixelBox CoreInside() const { return Inside_; }
    // The core in CoreBandCount bands of rows, each the columns Copy in all
    // of its rows: a staircase that follows a turned card's sides.
    static constexpr int CoreBandCount = 10;
    const std::array<PixelBox, CoreBandCount>& CoreBands() const { return Bands_; }

private:
    int Width_ = 0, Height_ = 0;
    int CoreTop_ = 0, CoreBottom_ = 0, CoreLeft_ = 0, CoreRight_ = 0;
    PixelBox Inside_;
    std::array<PixelBox, CoreBandCount> Bands_{};
    std::vector<MaskSpan> Spans_;
    std::vector<EdgePixel> Edges_;  // the Blend pixels, row by row
    std::vector<uint32_t> Starts_;  // Height_ + 1 offsets into Spans_
};

// Whether the w x h picture cell at (px, py) is black wherever the mask
// read into spans is white.
bool BlackOutsideMask(const MaskSpans& spans, const PixelBuffer& mask, int mx, int my, const PixelBuffer& picture,
                      int px, int py);

// DrawMasked(dst, dx, dy, mask, mx, my, picture, px, py, w, h) for the cell
// the spans were read from, limited to the clip box of dst.
void DrawMaskedSpans(PixelBuffer& dst, int dx, int dy, const MaskSpans& spans, const PixelBuffer& mask, int mx,
                     int my, const PixelBuffer& picture, int px, int py, const PixelBox& clip);

}  // namespace quillo
