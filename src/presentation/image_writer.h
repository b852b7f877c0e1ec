#pragma once
// Encoders for the picture files the program writes itself: 24-bit BMP (card
// sheets, frames pictures, previews, textures), GIF (textures) and JPEG
// (textures).

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "pixel_buffer.h"

namespace quillo {

// An uncompressed bottom-up 24-bit Windows BMP: the buffer's own row layout
// behind the two standard headers.
std::vector<uint8_t> EncodeBmp(const PixelBuffer& image);

// A GIF89a of palette indexes (width x height, row by row from the top).
// Returns an empty vector when the sizes disagree.
std::vector<uint8_t> EncodeGif(int width, int height, std::span<const uint8_t> indexes,
                               const std::array<Bgr, 256>& palette);

// A baseline JPEG at the given quality (1..100); empty on failure.
std::vector<uint8_t> EncodeJpeg(const PixelBuffer& image, int quality);

}  // namespace quillo
