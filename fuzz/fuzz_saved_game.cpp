// Saved-game reader on arbitrary bytes; a file it accepts is put onto a live
// game, its whole undo history stepped through, and then, put on afresh,
// played for a few dozen random steps.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/labels.h"
#include "engine/undo.h"
#include "storage/saved_game.h"
#include "support/random_play.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto read = quillo::DecodeSavedGame({data, size});
    if (!read.Ok()) return 0;
    quillo::Game g;
    g.T.Opt.Sound = g.T.Opt.Animation = false;
    if (!quillo::ApplySavedGame(g, read.Game)) return 0;
    quillo::StockWasteLabelText(g.T);
    quillo::RedealsLeftLabelText(g.T);
    while (g.Undo.StepBack()) quillo::ReadSnapshot(g.Undo.Current(), g.T);

    if (!quillo::ApplySavedGame(g, read.Game)) __builtin_trap();
    uint32_t x = 2166136261u;
    for (size_t i = 0; i < size; ++i) x = (x ^ data[i]) * 16777619u;
    x |= 1u;
    std::vector<quillo::PlayerAction> scratch;
    if (!quillo::test::PlayRandomSteps(g, x, 40, scratch)) __builtin_trap();
    return 0;
}
