// The solver over runs of deals: time per deal (median, 99th percentile),
// the share won and decided, and positions searched per second.
// Arguments: game, first deal, last deal, budget in milliseconds.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "engine/catalogue.h"
#include "engine/solver.h"
#include "test_support.h"

namespace {

using namespace quillo;

// This thread's processor time: on a loaded machine the wall-clock figures
// (and the budget) stretch, these do not.
double CpuMilliseconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double Percentile(std::vector<double> v, double p)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5))];
}

void BM_SolveDeals(benchmark::State& state)
{
    const int game = static_cast<int>(state.range(0));
    const auto first = static_cast<uint32_t>(state.range(1));
    const auto last = static_cast<uint32_t>(state.range(2));
    const SolverBudget budget{100'000'000, state.range(3)};
    std::vector<double> all, decided, cpu, searched;
    long won = 0, positions = 0;
    double milliseconds = 0;
    for (auto _ : state) {
        all.clear();
        decided.clear();
        cpu.clear();
        searched.clear();
        won = positions = 0;
        milliseconds = 0;
        for (uint32_t n = first; n <= last; ++n) {
            Game g;
            test::SetUpAndDeal(g, game, n);
            const double before = CpuMilliseconds();
            const Solution s = Solve(g.T, budget);
            cpu.push_back(CpuMilliseconds() - before);
            all.push_back(s.Milliseconds);
            if (s.Result != SolveResult::Unknown) decided.push_back(s.Milliseconds);
            won += s.Result == SolveResult::Won ? 1 : 0;
            positions += s.Positions;
            searched.push_back(static_cast<double>(s.Positions));
            milliseconds += s.Milliseconds;
        }
    }
    const auto deals = static_cast<double>(last - first + 1);
    state.counters["deals"] = deals;
    state.counters["won_share"] = static_cast<double>(won) / deals;
    state.counters["decided_share"] = static_cast<double>(decided.size()) / deals;
    state.counters["median_ms"] = Percentile(all, 0.5);
    state.counters["p99_ms"] = Percentile(all, 0.99);
    state.counters["decided_median_ms"] = Percentile(decided, 0.5);
    state.counters["positions_per_s"] = milliseconds > 0 ? static_cast<double>(positions) * 1000 / milliseconds : 0;
    double cpuTotal = 0;
    for (const double c : cpu) cpuTotal += c;
    state.counters["cpu_median_ms"] = Percentile(cpu, 0.5);
    state.counters["cpu_p99_ms"] = Percentile(cpu, 0.99);
    state.counters["positions_median"] = Percentile(searched, 0.5);
    state.counters["positions_p99"] = Percentile(searched, 0.99);
    state.counters["positions_per_cpu_s"] = cpuTotal > 0 ? static_cast<double>(positions) * 1000 / cpuTotal : 0;
}

// Free Cell deals 1..1000 within 1 s each; Klondike deals 1..200 within 2 s;
// shorter runs of both for a quick look; and Free Cell's next thousand, to
// see that what was tuned on the first holds beyond it.
BENCHMARK(BM_SolveDeals)
    ->Args({games::FreeCell, 1, 1000, 1000})
    ->Args({games::Klondike, 1, 200, 2000})
    ->Args({games::FreeCell, 1, 200, 1000})
    ->Args({games::FreeCell, 1001, 2000, 1000})
    ->Args({games::Klondike, 1, 50, 2000})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
