#pragma once
// A solver for every game: a depth-first search ordered by a measure of
// progress, over the engine's own action list, with a table of seen
// positions. It plays on a copy of the table and never touches the caller's.

#include "move_list.h"
#include "table_state.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace quillo {

enum class SolveResult : uint8_t {
    Won, // Line wins the deal
    Lost, // every position reachable was searched: no win exists
    Unknown, // the budget ran out first
};

struct SolverBudget {
    long Positions = 1'000'000;
    long Milliseconds = 2000;
    // Set by another thread to stop the search early (the result is then unknown).
    const std::atomic<bool>* Cancel = nullptr;
};

struct Solution {
    SolveResult Result = SolveResult::Unknown;
    std::vector<PlayerAction> Line;
    long Positions = 0;
    double Milliseconds = 0;
};

Solution Solve(const TableState& t, const SolverBudget& budget);

const char* ResultName(SolveResult r);

} // namespace quillo
