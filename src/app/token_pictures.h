#pragma once
// The two built-in token pictures of the field: the foundation marks
// (I_FoundPics, 561 x 118) and the stock arrows (I_StockPics, 109 x 40),
// or whole multiples of those for a field drawn at device pixels.

#include <QImage>

#include "presentation/pixel_buffer.h"

namespace quillo {

PixelBuffer FoundationTokens(int scale = 1);
PixelBuffer StockArrows(int scale = 1);
PixelBuffer ToPixelBuffer(const QImage& image);

}  // namespace quillo
