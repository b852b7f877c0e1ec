#include <iostream>
#include <string>

#include "args.h"
#include "commands.h"
#include "engine/catalogue.h"
#include "engine/game_table.h"
#include "play_session.h"
#include "storage/saved_game.h"

namespace quillo {

namespace {

void RunCommands(PlaySession& session)
{
    for (std::string line; std::getline(std::cin, line);) {
        for (const auto& out : session.Run(line)) std::cout << out << '\n';
        std::cout.flush();
    }
}

}  // namespace

int PlayCommand(const Args& args)
{
    auto opts = ParseOptions(args, {"game", "number", "load"});
    if (opts.count("load")) {
        // Goes on from a saved game instead of a fresh deal.
        const SavedGameRead read = ReadSavedGame(opts["load"]);
        if (!read.Ok()) throw UsageError("--load: " + (read.Message.empty() ? "not a saved game" : read.Message));
        PlaySession session(read.Game);
        if (!session.Loaded()) throw UsageError("--load: the saved game cannot be set up");
        RunCommands(session);
        return 0;
    }
    if (!opts.count("game")) throw UsageError("play needs --game N");
    if (!opts.count("number")) throw UsageError("play needs --number X");
    const int game = static_cast<int>(ParseInteger(opts["game"], 0, CatalogueSize - 1, "--game"));
    const auto number = static_cast<uint32_t>(ParseInteger(opts["number"], 0, UINT32_MAX, "--number"));
    if (!IsPlayable(game)) throw UsageError("game " + std::to_string(game) + " has no layout yet");

    PlaySession session(game, number);
    RunCommands(session);
    return 0;
}

}  // namespace quillo
