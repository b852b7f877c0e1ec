#pragma once
// JPEG through libjpeg-turbo. Its fatal errors come back here as a false
// instead of ending the program.

#include <cstdint>
#include <span>

#include "pixel_buffer.h"

namespace quillo {

bool DecodeJpeg(std::span<const uint8_t> bytes, PixelBuffer& image);

}  // namespace quillo
