// quillo.cus reader on arbitrary bytes; every record it accepts is set up as
// the chosen game would be, dealt and played for a few dozen random steps.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/deal.h"
#include "engine/game_table.h"
#include "engine/setup.h"
#include "storage/custom_games.h"
#include "support/random_play.h"

namespace {

uint32_t Seed(const uint8_t* data, size_t size)
{
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 16777619u;
    return h | 1u;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto read = quillo::DecodeCustomGames({data, size});
    auto table = quillo::GameRowTable::WithCatalogue();
    uint32_t x = Seed(data, size);
    std::vector<quillo::PlayerAction> scratch;
    for (const auto& rec : read.Records) {
        table.AppendCustom(rec.Name, rec.BaseGame, rec.Key);
        if (!quillo::IsPlayable(rec.BaseGame)) continue;
        quillo::Game g;
        g.T.Opt.Sound = g.T.Opt.Animation = false;
        g.T.CurrentGame = rec.BaseGame;
        quillo::SetupGame(g, quillo::SetupForm::Full);
        quillo::ApplyCustomRules(g, rec, read.Version);
        if (!quillo::NewDeal(g, quillo::DealKind::New)) __builtin_trap();  // accepted, so it must deal
        if (!quillo::test::PlayRandomSteps(g, x, 40, scratch)) __builtin_trap();
    }
    quillo::EncodeCustomGames(read.Records, read.SetAside);
    return 0;
}
