#pragma once
// Ordinary picture files (BMP, GIF, JPEG) into 24-bit pixel buffers. This is
// the program's image library: card-set pictures, the frames picture and the
// background textures all come through here. Nothing in it throws; a failure
// is a false (or type 0) and leaves the target buffer as it was.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "pixel_buffer.h"

namespace quillo {

enum ImageType : int { ImageNone = 0, ImageBmp = 1, ImageGif = 2, ImageJpeg = 3 };

// The type by the first five bytes: FF D8 FF is JPEG, "GIF8" GIF, "BM" BMP.
// Fewer than five bytes, or an unreadable file, is ImageNone.
int DetectImageType(const std::string& path);
int DetectImageType(std::span<const uint8_t> head);

// Decodes a whole picture file held in memory.
bool DecodePicture(std::span<const uint8_t> bytes, PixelBuffer& image);
// The same, taking over the bytes: a plain 24-bit BMP becomes the picture
// without copying its pixels. The bytes are consumed either way.
bool DecodePicture(std::vector<uint8_t>&& bytes, PixelBuffer& image);

// Reads and decodes a picture file.
bool LoadImageFile(PixelBuffer& image, const std::string& path);

// Pictures larger than this many pixels, or wider or taller than this, are
// refused from their header, before any pixel memory is taken.
constexpr int64_t MaxPicturePixels = 64'000'000;
constexpr int64_t MaxPictureSide = 16'384;
constexpr bool PictureSizeAllowed(int64_t width, int64_t height)
{
    return width <= MaxPictureSide && height <= MaxPictureSide && width * height <= MaxPicturePixels;
}

}  // namespace quillo
