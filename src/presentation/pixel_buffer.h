#pragma once
// A 24-bit picture stored bottom-up, the way the field, the card sheets and
// the frames picture are kept in memory. Rows are padded to a multiple of 4
// bytes; a pixel is three bytes blue, green, red. No Qt here: the hot drawing
// paths work on plain bytes.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillo {

struct Bgr {
    uint8_t B = 0, G = 0, R = 0;
    bool operator==(const Bgr&) const = default;
};

// 0x00RRGGBB, the way colours are written in the settings and in code.
constexpr Bgr BgrFromRgb(uint32_t rgb)
{
    return {static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb >> 16)};
}

class PixelBuffer {
public:
    PixelBuffer() = default;
    // A white picture of w x h; a size below 1 gives an empty buffer.
    PixelBuffer(int width, int height) { Create(width, height); }

    void Create(int width, int height);
    // Takes over bytes that already hold bottom-up rows of this layout,
    // starting at offset (a decoded file's own memory, without a copy).
    // False, leaving the buffer alone, when they are too few.
    bool Adopt(std::vector<uint8_t>&& bytes, size_t offset, int width, int height);
    // Releases the pixels; the sizes become zero. Freeing an empty buffer does nothing.
    void Free();

    bool Empty() const { return Width_ <= 0 || Height_ <= 0; }
    int Width() const { return Width_; }
    int Height() const { return Height_; }
    int Stride() const { return Stride_; }
    size_t SizeBytes() const { return Size_; }
    uint8_t* Bits() { return Bits_.data() + Offset_; }
    const uint8_t* Bits() const { return Bits_.data() + Offset_; }

    // Row y, 0 being the top row. y must lie in 0..Height-1.
    uint8_t* Row(int y) { return Bits() + static_cast<size_t>(Height_ - 1 - y) * static_cast<size_t>(Stride_); }
    const uint8_t* Row(int y) const
    {
        return Bits() + static_cast<size_t>(Height_ - 1 - y) * static_cast<size_t>(Stride_);
    }
    uint8_t* PixelAt(int x, int y) { return Row(y) + 3 * x; }
    const uint8_t* PixelAt(int x, int y) const { return Row(y) + 3 * x; }

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width_ && y < Height_; }
    Bgr GetPixel(int x, int y) const
    {
        const uint8_t* p = PixelAt(x, y);
        return {p[0], p[1], p[2]};
    }
    void SetPixel(int x, int y, Bgr c)
    {
        uint8_t* p = PixelAt(x, y);
        p[0] = c.B;
        p[1] = c.G;
        p[2] = c.R;
    }

    // Same size and same pixels (row padding ignored).
    bool SamePixels(const PixelBuffer& other) const;

    static int StrideFor(int width) { return (width * 3 + 3) & ~3; }

private:
    int Width_ = 0;
    int Height_ = 0;
    int Stride_ = 0;
    size_t Offset_ = 0;  // where the pixels start in Bits_
    size_t Size_ = 0;
    std::vector<uint8_t> Bits_;
};

}  // namespace quillo
