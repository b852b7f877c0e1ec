#include "action_commands.h"
#include "args.h"
#include "commands.h"
#include "engine/catalogue.h"
#include "engine/game_table.h"
#include "engine/solver.h"
#include "json_writer.h"
#include "play_session.h"

#include <cmath>
#include <iostream>
#include <string>

namespace quillo {

int SolveCommand(const Args& args)
{
    auto opts = ParseOptions(args, { "game", "number", "budget-ms", "positions" });
    if (!opts.count("game")) throw UsageError("solve needs --game N");
    if (!opts.count("number")) throw UsageError("solve needs --number X");
    const int game = static_cast<int>(ParseInteger(opts["game"], 0, CatalogueSize - 1, "--game"));
    const auto number = static_cast<uint32_t>(ParseInteger(opts["number"], 0, UINT32_MAX, "--number"));
    if (!IsPlayable(game)) throw UsageError("game " + std::to_string(game) + " has no layout yet");
    SolverBudget budget;
    if (opts.count("budget-ms")) budget.Milliseconds = ParseInteger(opts["budget-ms"], 1, 3'600'000, "--budget-ms");
    if (opts.count("positions")) budget.Positions = ParseInteger(opts["positions"], 1, 1'000'000'000, "--positions");

    // The deal exactly as quillo-tool play deals it, so the line replays there.
    PlaySession session(game, number);
    const Solution s = Solve(session.G().T, budget);
    JsonWriter j;
    j.BeginObject();
    j.Key("game").Int(game);
    j.Key("number").Int(number);
    j.Key("result").Str(ResultName(s.Result));
    j.Key("positions").Int(s.Positions);
    j.Key("milliseconds").Int(std::llround(s.Milliseconds));
    j.Key("line");
    j.BeginArray();
    for (const auto& c : LineCommands(s.Line))
        j.Str(c);
    j.EndArray();
    j.EndObject();
    std::cout << j.Text() << '\n';
    return 0;
}

} // namespace quillo
