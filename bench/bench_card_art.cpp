// Card sets drawn in memory: the whole upright set (52 faces, backs, frames
// picture) at the sizes a window asks for, its parts, and the first turned
// sheet a game such as Star builds on demand.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "art/card_painter.h"
#include "art/card_shape.h"
#include "art/drawn_card_set.h"
#include "presentation/sheet_preparation.h"

namespace {

using namespace quillo;

// Upright card sizes: 1280x1024, 1920x1080 and 3840x2160 windows with
// Klondike maximised, and the default 71 x 96.
void DrawnSetSizes(benchmark::internal::Benchmark* b)
{
    b->Args({71, 96})->Args({120, 162})->Args({165, 223})->Args({300, 405});
}

void BM_DrawCardSet(benchmark::State& state)
{
    const auto w = static_cast<int32_t>(state.range(0)), h = static_cast<int32_t>(state.range(1));
    for (auto _ : state) {
        CardImageStore store = art::DrawCardSet(w, h);
        benchmark::DoNotOptimize(store.CardSheets[Upright].Bits());
    }
}
BENCHMARK(BM_DrawCardSet)->Apply(DrawnSetSizes)->Unit(benchmark::kMillisecond);

void BM_FramesPicture(benchmark::State& state)
{
    const auto w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(art::BuildFramesPicture(w, h).Picture.Bits());
}
BENCHMARK(BM_FramesPicture)->Apply(DrawnSetSizes)->Unit(benchmark::kMillisecond);

// One face of each kind painted into a card-sized picture.
void BM_PaintFace(benchmark::State& state)
{
    const int w = 165, h = 223;
    const int rank = static_cast<int>(state.range(0));
    const art::CardLook look = art::DrawnSetLook();
    QImage img(w, h, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&img);
        art::PaintFace(p, w, h, rank, 2, look);
    }
}
BENCHMARK(BM_PaintFace)->Arg(0)->Arg(6)->Arg(9)->Arg(12)->Unit(benchmark::kMicrosecond);

void BM_FirstTurnedSheet(benchmark::State& state)
{
    const CardImageStore drawn = art::DrawCardSet(165, 223);
    for (auto _ : state) {
        state.PauseTiming();
        CardImageStore store = drawn;
        state.ResumeTiming();
        BuildTurnedSheet(store, 1);
        benchmark::DoNotOptimize(store.CardSheets[1].Bits());
    }
}
BENCHMARK(BM_FirstTurnedSheet)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
