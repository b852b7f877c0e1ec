// The autosave's cost on the UI thread: capturing the game, encoding it and
// handing the bytes to the writer thread, which flushes and renames them.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "app/autosave.h"
#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/move_list.h"
#include "engine/setup.h"
#include "storage/saved_game.h"

namespace {

using namespace quillo;

// A two-deck game some way in, so that the history is full.
void PlayedSpider(Game& g)
{
    g.T.CurrentGame = games::Spider;
    g.T.Opt = {false, false, false};
    SetupGame(g, SetupForm::Full);
    g.T.Rules.GameNumber = 11;
    NewDeal(g, DealKind::Restart);
    for (int i = 0; i < 60; ++i) {
        std::vector<PlayerAction> actions;
        ListActions(g.T, actions);
        if (actions.empty()) break;
        PlayAction(g, actions[static_cast<size_t>(i) % actions.size()]);
    }
}

void BM_AutosaveHandOff(benchmark::State& state)
{
    Game g;
    PlayedSpider(g);
    std::string dir = (std::filesystem::temp_directory_path() / "quillo-bench-XXXXXX").string();
    dir = mkdtemp(dir.data());
    {
        AutosaveWriter writer(dir + "/autosave.sav");
        size_t bytes = 0;
        for (auto _ : state) {
            std::vector<uint8_t> encoded = EncodeSavedGame(CaptureSavedGame(g, "Quillotaire - Spider [11]", ""));
            bytes = encoded.size();
            writer.Hand(std::move(encoded));
        }
        writer.Wait();
        state.counters["bytes"] = static_cast<double>(bytes);
    }
    std::filesystem::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_AutosaveHandOff)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
