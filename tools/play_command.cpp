#include <iostream>
#include <string>

#include "args.h"
#include "commands.h"
#include "engine/catalogue.h"
#include "engine/game_table.h"
#include "play_session.h"

namespace quillo {

int PlayCommand(const Args& args)
{
    auto opts = ParseOptions(args, {"game", "number"});
    if (!opts.count("game")) throw UsageError("play needs --game N");
    if (!opts.count("number")) throw UsageError("play needs --number X");
    const int game = static_cast<int>(ParseInteger(opts["game"], 0, CatalogueSize - 1, "--game"));
    const auto number = static_cast<uint32_t>(ParseInteger(opts["number"], 0, UINT32_MAX, "--number"));
    if (!IsPlayable(game)) throw UsageError("game " + std::to_string(game) + " has no layout yet");

    PlaySession session(game, number);
    for (std::string line; std::getline(std::cin, line);) {
        for (const auto& out : session.Run(line)) std::cout << out << '\n';
        std::cout.flush();
    }
    return 0;
}

}  // namespace quillo
