// From "show the desk" to the desk on screen, on a 100,000-QSO log: the model's opening
// (hand-over, tallies, grid) and the window's widgets, shown and painted once. Runs offscreen.
#include "app/desk_window.h"
#include "bench/bench_log.h"
#include "store/reference_data.h"
#include "tests/support/desk_station.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace korvel;

struct Data {
    QTemporaryDir dir;
    store::Databases dbs;
    SharedState state;
    forms::ScriptedMessageBox box;
    FakeClock clock;
    SilentMessageKeys keys;
};
Data* g_data = nullptr;

void BM_ShowDesk(benchmark::State& state) {
    Data& d = *g_data;
    for (auto _ : state) {
        auto desk = std::make_unique<DeskForm>(d.state, d.dbs, d.box, d.clock, d.keys);
        testing::openDesk(*desk, 20, "CW");
        auto window = std::make_unique<DeskWindow>(*desk, d.state);
        window->resize(1024, 768);
        window->show();
        window->sync();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->grab());
        state.PauseTiming();
        window.reset();
        desk.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowDesk)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    auto data = std::make_unique<Data>();
    bench::Random rng(20240611);
    bench::BenchLog log;
    if (!bench::openBenchDatabases(rng, data->dir.path(), data->dbs, log)) return 1;
    SharedState& s = data->state;
    s.ContestCode = 201;
    testing::setStation(s);
    g_data = data.get();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
