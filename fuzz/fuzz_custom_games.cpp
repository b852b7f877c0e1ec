// quillo.cus reader on arbitrary bytes; every record it accepts is loaded
// over its base game.

#include <cstddef>
#include <cstdint>

#include "engine/game_table.h"
#include "engine/setup.h"
#include "storage/custom_games.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto read = quillo::DecodeCustomGames({data, size});
    auto table = quillo::GameRowTable::WithCatalogue();
    for (const auto& rec : read.Records) {
        table.AppendCustom(rec.Name, rec.BaseGame, rec.Key);
        if (!quillo::IsPlayable(rec.BaseGame)) continue;
        quillo::Game g;
        g.T.CurrentGame = rec.BaseGame;
        quillo::SetupGame(g, quillo::SetupForm::Full);
        quillo::ApplyCustomRules(g, rec, read.Version);
    }
    quillo::EncodeCustomGames(read.Records);
    return 0;
}
