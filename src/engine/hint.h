#pragma once
// The Hint command's choice: the first action of a winning line when the
// solver finds one in its budget, otherwise the action that gains most by
// the measure of progress. Works on copies; the table is left as it is.

#include "move_list.h"
#include "solver.h"
#include "table_state.h"

namespace quillo {

enum class HintSource : uint8_t {
    None, // no action helps
    WinningLine, // the first action of a won line
    Progress, // the best action by the measure of progress
};

struct HintChoice {
    HintSource Source = HintSource::None;
    PlayerAction Action;
    SolveResult Solved = SolveResult::Unknown;
};

HintChoice FindHint(const TableState& t, const SolverBudget& budget);

} // namespace quillo
