// Opening the help viewer at a topic, as F1 does: the window made, the
// topic resolved, the page with its picture laid out and drawn. The help
// file is opened once per run, as in the program; that first open is
// measured on its own, the first time ever (the collection made) and later.

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>
#include <memory>
#include <benchmark/benchmark.h>

#include "app/help_engine.h"
#include "app/help_window.h"

namespace quillo {
namespace {

void BM_OpenHelpFile(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir cache;
        HelpEngine help(QUILLO_HELP_FILE, cache.path());
        if (!help.Open()) state.SkipWithError("no help file");
        benchmark::DoNotOptimize(help.Engine());
    }
}
BENCHMARK(BM_OpenHelpFile)->Unit(benchmark::kMillisecond);

// Every later run finds its collection in the cache folder.
void BM_OpenHelpFileAgain(benchmark::State& state)
{
    QTemporaryDir cache;
    HelpEngine(QUILLO_HELP_FILE, cache.path()).Open();
    for (auto _ : state) {
        HelpEngine help(QUILLO_HELP_FILE, cache.path());
        if (!help.Open()) state.SkipWithError("no help file");
        benchmark::DoNotOptimize(help.Engine());
    }
}
BENCHMARK(BM_OpenHelpFileAgain)->Unit(benchmark::kMillisecond);

void BM_ViewerAtTopic(benchmark::State& state)
{
    for (auto _ : state) {
        // The engine is opened beforehand; its widgets belong to one window.
        state.PauseTiming();
        QTemporaryDir cache;
        auto help = std::make_unique<HelpEngine>(QUILLO_HELP_FILE, cache.path());
        if (!help->Open()) {
            state.SkipWithError("no help file");
            break;
        }
        state.ResumeTiming();
        auto w = std::make_unique<HelpWindow>(*help, nullptr);
        w->ShowTopic("H_klondike");
        w->show();
        const QPixmap drawn = w->grab();
        benchmark::DoNotOptimize(drawn.cacheKey());
        state.PauseTiming();
        w.reset();
        help.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ViewerAtTopic)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillo

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
