// Setup, shuffle and deal of each laid-out game.

#include <benchmark/benchmark.h>

#include "engine/deal.h"
#include "engine/game.h"
#include "engine/game_table.h"
#include "engine/setup.h"

namespace {

using namespace quillo;

void BM_SetupAndDeal(benchmark::State& state)
{
    const int game = static_cast<int>(state.range(0));
    Game g;
    g.T.Opt.Sound = g.T.Opt.Animation = false;
    g.T.CurrentGame = game;
    uint32_t number = 1;
    for (auto _ : state) {
        SetupGame(g, SetupForm::Full);
        g.T.Rules.GameNumber = number++;
        NewDeal(g, DealKind::Restart);
        benchmark::DoNotOptimize(g.T.Cards);
    }
    state.SetLabel(std::string(Catalogue()[static_cast<size_t>(game)].Name));
}

void BM_DealOnly(benchmark::State& state)
{
    const int game = static_cast<int>(state.range(0));
    Game g;
    g.T.Opt.Sound = g.T.Opt.Animation = false;
    g.T.CurrentGame = game;
    SetupGame(g, SetupForm::Full);
    for (auto _ : state) {
        NewDeal(g, DealKind::New);
        benchmark::DoNotOptimize(g.T.Cards);
    }
    state.SetLabel(std::string(Catalogue()[static_cast<size_t>(game)].Name));
}

void LaidOutGames(benchmark::internal::Benchmark* b)
{
    for (int i = 0; i < CatalogueSize; ++i)
        if (IsPlayable(i)) b->Arg(i);
}

}  // namespace

BENCHMARK(BM_SetupAndDeal)->Apply(LaidOutGames);
BENCHMARK(BM_DealOnly)->Apply(LaidOutGames);
BENCHMARK_MAIN();
