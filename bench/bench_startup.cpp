// Start-up to a drawn, dealt table: the main window created, the welcome and
// loading boxes closed as soon as they show, the card set of the program
// directory loaded, the first game set up, dealt and painted. Also reports
// the resident memory once the first window stands.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <memory>

#include "app/main_window.h"

namespace {

double ResidentMegabytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

double FirstStartRss = 0;

void BM_StartUpToDealtTable(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<quillo::F_Main>(QApplication::applicationDirPath());
        window->StartUp(true);
        window->repaint();
        QApplication::processEvents();
        if (FirstStartRss == 0) FirstStartRss = ResidentMegabytes();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rss_after_first_start_MB"] = FirstStartRss;
}
BENCHMARK(BM_StartUpToDealtTable)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
