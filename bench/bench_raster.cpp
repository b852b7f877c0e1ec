// Raster operations at the sizes the field drawing uses.

#include <benchmark/benchmark.h>

#include "presentation/raster_ops.h"

namespace {

using namespace quillo;

// A full 1920 x 1080 redraw: tiled background plus 52 masked cards.
void BM_FullFieldRedraw(benchmark::State& state)
{
    PixelBuffer field(1920, 1080), tile(256, 256), mask(73, 98), sheet(72 * 14, 97 * 4);
    Fill(tile, Bgr{20, 110, 30});
    for (auto _ : state) {
        for (int j = 0; j <= 1080 / 256; ++j)
            for (int i = 0; i <= 1920 / 256; ++i) CopyRect(field, i * 256, j * 256, tile, 0, 0, 256, 256);
        for (int c = 0; c < 52; ++c)
            DrawMasked(field, 40 + (c % 13) * 140, 30 + (c / 13) * 250, mask, 1, 1, sheet, (c % 13) * 72, (c / 13) * 97,
                       71, 96);
        benchmark::DoNotOptimize(field.Bits());
    }
}
BENCHMARK(BM_FullFieldRedraw)->Unit(benchmark::kMicrosecond);

// One drag frame of 13 fanned cards: restore the covered rectangle from the
// stored field, then draw the group.
void BM_DragFrame13(benchmark::State& state)
{
    PixelBuffer field(1920, 1080), store(1920, 1080), mask(73, 98), sheet(72 * 14, 97 * 4);
    int x = 300;
    for (auto _ : state) {
        x = x == 300 ? 305 : 300;
        CopyRect(field, x - 5, 200, store, x - 5, 200, 71 + 10, 96 + 12 * 20 + 5);
        for (int c = 0; c < 13; ++c) DrawMasked(field, x, 200 + 20 * c, mask, 1, 1, sheet, c * 72, 0, 71, 96);
        benchmark::DoNotOptimize(field.Bits());
    }
}
BENCHMARK(BM_DragFrame13)->Unit(benchmark::kMicrosecond);

void BM_StretchToField(benchmark::State& state)
{
    PixelBuffer src(640, 480), dst(1920, 1080);
    for (auto _ : state) {
        Stretch(dst, src);
        benchmark::DoNotOptimize(dst.Bits());
    }
}
BENCHMARK(BM_StretchToField)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
