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
    Offset_ = 0;
    Size_ = static_cast<size_t>(Stride_) * static_cast<size_t>(height);
    Bits_.assign(Size_, 0xFF);
}

bool PixelBuffer::Adopt(std::vector<uint8_t>&& bytes, size_t offset, int width, int height)
{
    if (width <= 0 || height <= 0) return false;
    const size_t size = static_cast<size_t>(StrideFor(width)) * static_cast<size_t>(height);
    if (offset > bytes.size() || bytes.size() - offset < size) return false;
    Width_ = width;
    Height_ = height;
    Stride_ = StrideFor(width);
    Offset_ = offset;
    Size_ = size;
    Bits_ = std::move(bytes);
    return true;
}

void PixelBuffer::Free()
{
    Width_ = Height_ = Stride_ = 0;
    Offset_ = Size_ = 0;
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
