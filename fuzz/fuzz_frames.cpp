// Any bytes as a frames file.

#include <cstddef>
#include <cstdint>

#include "presentation/frames_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    quillo::Frames frames;
    quillo::MemorySource src({data, size});
    quillo::ReadFrames(src, 2, "fuzz.frm", frames, [](const std::string&) {});
    return 0;
}
