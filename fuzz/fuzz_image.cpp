// Any bytes through the picture decoders (BMP, GIF, JPEG).

#include <cstddef>
#include <cstdint>

#include "presentation/image_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    quillo::PixelBuffer image;
    quillo::DecodePicture({data, size}, image);
    return 0;
}
