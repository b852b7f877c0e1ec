// The Hint command's answer time over a few deals of several games, with the
// window's budget (280 ms of search, the answer within 300 ms): median and slowest
// answer per game. Arguments: game, first deal, last deal. BM_HintEveryGame
// runs every game over deals 1-3.

#include "engine/catalogue.h"
#include "engine/hint.h"
#include "test_support.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

using namespace quillo;

void BM_Hint(benchmark::State& state)
{
    const int game = static_cast<int>(state.range(0));
    const auto first = static_cast<uint32_t>(state.range(1));
    const auto last = static_cast<uint32_t>(state.range(2));
    const SolverBudget budget{ 100'000, 280, nullptr };
    std::vector<double> times;
    long fromWin = 0;
    for (auto _ : state) {
        times.clear();
        fromWin = 0;
        for (uint32_t n = first; n <= last; ++n) {
            Game g;
            test::SetUpAndDeal(g, game, n);
            const auto start = std::chrono::steady_clock::now();
            const HintChoice h = FindHint(g.T, budget);
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            fromWin += h.Source == HintSource::WinningLine ? 1 : 0;
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["deals"] = static_cast<double>(times.size());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["max_ms"] = times.back();
    state.counters["from_won_line"] = static_cast<double>(fromWin);
}

BENCHMARK(BM_Hint)
    ->ArgNames({ "game", "first", "last" })
    ->Args({ games::Klondike, 1, 10 })
    ->Args({ games::FreeCell, 1, 10 })
    ->Args({ games::Spider, 1, 10 })
    ->Args({ games::Pyramid, 1, 10 })
    ->Args({ games::Golf, 1, 10 })
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Every game, a few deals each: the slowest answer anywhere.
BENCHMARK(BM_Hint)
    ->Name("BM_HintEveryGame")
    ->ArgNames({ "game", "first", "last" })
    ->Apply([](benchmark::internal::Benchmark* b) {
        for (int game = 0; game < CatalogueSize; ++game)
            b->Args({ game, 1, 3 });
    })
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
