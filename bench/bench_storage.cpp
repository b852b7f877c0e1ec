// Reading and writing the program's own files: a saved game with a full undo
// history, the statistics of every listed game, a custom game saved into a
// file of many.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "engine/catalogue.h"
#include "engine/deal.h"
#include "engine/setup.h"
#include "storage/custom_games.h"
#include "storage/saved_game.h"
#include "storage/statistics.h"

namespace {

using namespace quillo;

Game FullHistory()
{
    Game g;
    g.T.CurrentGame = games::Klondike;
    SetupGame(g, SetupForm::Full);
    g.T.Rules.GameNumber = 7;
    NewDeal(g, DealKind::Restart);
    for (int i = 0; i < UndoSlots; ++i) g.Undo.Push(g.T);
    return g;
}

std::string ScratchDir()
{
    std::string templ = (std::filesystem::temp_directory_path() / "quillo-bench-XXXXXX").string();
    return mkdtemp(templ.data());
}

void BM_SavedGameEncode(benchmark::State& state)
{
    const SavedGame s = CaptureSavedGame(FullHistory());
    for (auto _ : state) benchmark::DoNotOptimize(EncodeSavedGame(s));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * EncodeSavedGame(s).size()));
}

void BM_SavedGameDecode(benchmark::State& state)
{
    const std::vector<uint8_t> bytes = EncodeSavedGame(CaptureSavedGame(FullHistory()));
    for (auto _ : state) benchmark::DoNotOptimize(DecodeSavedGame(bytes).Outcome);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

// The whole command's file side, with the flush to disk.
void BM_SavedGameWriteAtomic(benchmark::State& state)
{
    const std::string dir = ScratchDir();
    const SavedGame s = CaptureSavedGame(FullHistory());
    for (auto _ : state) benchmark::DoNotOptimize(WriteSavedGame(dir + "/b.sav", s).Ok());
    std::filesystem::remove_all(dir);
}

void BM_StatisticsRoundTrip(benchmark::State& state)
{
    GameRowTable table = GameRowTable::WithCatalogue();
    for (int i = 0; i < 200; ++i) table.AppendCustom("Custom " + std::to_string(i), i % CatalogueSize, i);
    std::vector<StatisticsRecord> recs;
    for (const GameRow& r : table.Rows()) recs.push_back({r.Game, r.Key, 10, 5, "Player", "00:05:00"});
    for (auto _ : state) {
        StatisticsRead read = DecodeStatistics(EncodeStatistics(recs));
        benchmark::DoNotOptimize(read.Records.size());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * recs.size()));
}

void BM_SaveCustomGameIntoMany(benchmark::State& state)
{
    const std::string dir = ScratchDir();
    const std::string path = dir + "/quillo.cus";
    Game g = FullHistory();
    GameRowTable table = GameRowTable::WithCatalogue();
    int32_t highest = -1;
    for (int i = 0; i < state.range(0); ++i) SaveCustomGame(path, table, highest, g, highest + 1, "G");
    for (auto _ : state) benchmark::DoNotOptimize(SaveCustomGame(path, table, highest, g, 0, "G").Ok());
    std::filesystem::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_SavedGameEncode);
BENCHMARK(BM_SavedGameDecode);
BENCHMARK(BM_SavedGameWriteAtomic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StatisticsRoundTrip);
BENCHMARK(BM_SaveCustomGameIntoMany)->Arg(10)->Arg(200)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
