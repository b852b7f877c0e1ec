// Card-set loading from the program directory the build made (the directory
// of this executable): the default "2.0" set with every rotation, a "3.0"
// set, a preview, a frames file.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "presentation/card_set_reader.h"

namespace {

using namespace quillo;

std::string ProgramDir()
{
    return std::filesystem::canonical("/proc/self/exe").parent_path().string();
}

void LoadFull(benchmark::State& state, const char* name)
{
    const std::string dir = ProgramDir();
    CardSetHooks hooks;
    hooks.ProgramDir = dir;
    for (auto _ : state) {
        CardImageStore store;
        GameRules rules;
        if (!LoadCardSet(dir + "/" + name, store, rules, hooks)) {
            state.SkipWithError("card set missing: build the data first");
            return;
        }
        benchmark::DoNotOptimize(store.CardSheets[0].Bits());
    }
}

void BM_LoadDefaultSetWithRotations(benchmark::State& state) { LoadFull(state, "wheels.cr3"); }
BENCHMARK(BM_LoadDefaultSetWithRotations)->Unit(benchmark::kMillisecond);

void BM_LoadVersion3Set(benchmark::State& state) { LoadFull(state, "parlour.cr4"); }
BENCHMARK(BM_LoadVersion3Set)->Unit(benchmark::kMillisecond);

void BM_LoadPreview(benchmark::State& state)
{
    const std::string path = ProgramDir() + "/wheels.cr3";
    for (auto _ : state) {
        PixelBuffer preview;
        if (!LoadCardSetPreview(path, preview)) {
            state.SkipWithError("card set missing");
            return;
        }
        benchmark::DoNotOptimize(preview.Bits());
    }
}
BENCHMARK(BM_LoadPreview)->Unit(benchmark::kMicrosecond);

void BM_LoadFrames(benchmark::State& state)
{
    const std::string dir = ProgramDir();
    for (auto _ : state) {
        Frames frames;
        if (!LoadFrames(2, frames, dir, nullptr)) {
            state.SkipWithError("frames missing");
            return;
        }
        benchmark::DoNotOptimize(frames.Picture.Bits());
    }
}
BENCHMARK(BM_LoadFrames)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
