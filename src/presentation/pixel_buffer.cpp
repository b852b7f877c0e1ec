#include "pixel_buffer.h"

#include <cstring>

namespace quillo {

void PixelBuffer::Create(int width, int height)
{
    if (width <= 0 || height <= 0) {
        Free();
        return;
    }
    Width_ = width;
    Height_ = height;
    Stride_ = StrideFor(width);
    Bits_.assign(static_cast<size_t>(Stride_) * static_cast<size_t>(height), 0xFF);
}

void PixelBuffer::Free()
{
    Width_ = Height_ = Stride_ = 0;
    std::vector<uint8_t>().swap(Bits_);
}

bool PixelBuffer::SamePixels(const PixelBuffer& other) const
{
    if (Width_ != other.Width_ || Height_ != other.Height_) return false;
    const size_t n = static_cast<size_t>(Width_) * 3;
    for (int y = 0; y < Height_; ++y)
        if (std::memcmp(Row(y), other.Row(y), n) != 0) return false;
    return true;
}

}  // namespace quillo
