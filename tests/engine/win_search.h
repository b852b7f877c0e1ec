#pragma once
// A winning line of a numbered deal, found by the engine's solver, and the
// quillo-tool play commands that replay it.

#include "action_commands.h"
#include "engine/solver.h"
#include "test_support.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quillo::test {

struct WinLine {
    bool Won = false;
    std::vector<PlayerAction> Actions;
    long Nodes = 0;
};

// budget counts positions, so the result does not hang on the machine's speed.
inline WinLine FindWin(int game, uint32_t number, long budget)
{
    Game g;
    SetUpAndDeal(g, game, number);
    const Solution s = Solve(g.T, { budget, 1'000'000'000 });
    return { s.Result == SolveResult::Won, s.Line, s.Positions };
}

inline std::vector<std::string> LineCommands(const WinLine& line)
{
    return quillo::LineCommands(line.Actions);
}

} // namespace quillo::test
