// Any bytes as a card-set file, in full and preview loads. The frames files
// are looked for in a directory that does not exist, so the load also runs
// without frames.

#include <cstddef>
#include <cstdint>

#include "presentation/card_set_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace quillo;
    CardImageStore store;
    GameRules rules;
    CardSetHooks hooks;
    hooks.ProgramDir = "/nonexistent-quillo-dir";
    hooks.RequireFrames = false;  // the sheets are what is fuzzed
    MemorySource full({data, size});
    ReadCardSet(full, store, rules, hooks);
    MemorySource preview({data, size});
    PixelBuffer picture;
    ReadCardSetPreview(preview, picture);
    return 0;
}
