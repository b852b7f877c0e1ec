// Saved-game reader on arbitrary bytes; a file it accepts is put onto a live
// game and its whole undo history stepped through.

#include <cstddef>
#include <cstdint>

#include "engine/labels.h"
#include "engine/undo.h"
#include "storage/saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto read = quillo::DecodeSavedGame({data, size});
    if (!read.Ok()) return 0;
    quillo::Game g;
    if (!quillo::ApplySavedGame(g, read.Game)) return 0;
    quillo::StockWasteLabelText(g.T);
    quillo::RedealsLeftLabelText(g.T);
    while (g.Undo.StepBack()) quillo::ReadSnapshot(g.Undo.Current(), g.T);
    return 0;
}
