// Super check partial on the real call list (MASTER.SCP from the Debian package
// hamradio-files, about 85,000 calls; without it, as many calls made up): reading the list
// when the desk opens, and the search run on every key in the call field, from the third
// character of a call on. Target: under 2 ms per key.
#include "bench/bench_log.h"
#include "desk/super_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>

namespace {

using namespace korvel;

QString g_folder; // the folder MASTER.SCP is read from
SuperCheck g_scp;
std::vector<QString> g_typed; // every text the call field holds while calls are typed

void BM_LoadList(benchmark::State& state) {
    for (auto _ : state) {
        SuperCheck scp;
        scp.load(QString(), g_folder);
        benchmark::DoNotOptimize(scp.size());
    }
    state.counters["calls"] = static_cast<double>(g_scp.size());
}

// Each key of 500 calls typed, from the third character on: one key an iteration.
void BM_SearchPerKey(benchmark::State& state) {
    std::size_t i = 0, shown = 0;
    for (auto _ : state) {
        shown += static_cast<std::size_t>(g_scp.find(g_typed[i]).size());
        if (++i == g_typed.size()) i = 0;
    }
    benchmark::DoNotOptimize(shown);
}

double threadCpuUs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

// The slowest single key of all those typed, in processor time (a text that few calls hold
// makes the scan run through the whole list); the wall time of the same key beside it.
void BM_SlowestKey(benchmark::State& state) {
    double worstCpu = 0, worstWall = 0;
    QString worstText;
    for (auto _ : state) {
        for (const QString& t : g_typed) {
            const double c0 = threadCpuUs();
            const auto t0 = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(g_scp.find(t));
            const double cpu = threadCpuUs() - c0;
            const double wall =
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0)
                    .count();
            if (cpu > worstCpu) {
                worstCpu = cpu;
                worstWall = wall;
                worstText = t;
            }
        }
    }
    state.counters["worst_key_cpu_us"] = worstCpu;
    state.counters["its_wall_us"] = worstWall;
    state.SetLabel(worstText.toStdString());
}

BENCHMARK(BM_LoadList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchPerKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SlowestKey)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir made;
    g_folder = QLatin1String(SuperCheck::kSystemFolder);
    if (!QFile::exists(QDir(g_folder).filePath(QLatin1String(SuperCheck::kFileName)))) {
        QFile f(made.filePath(QLatin1String(SuperCheck::kFileName)));
        if (!f.open(QIODevice::WriteOnly)) return 1;
        bench::Random rng(11);
        for (int i = 0; i < 85'000; ++i)
            f.write(bench::randomCall(rng).toLatin1() + '\n');
        g_folder = made.path();
    }
    g_scp.load(QString(), g_folder);
    // 500 calls typed key by key, and texts that no call or very many calls hold.
    bench::Random rng(5);
    for (int i = 0; i < 500; ++i) {
        const QString call = bench::randomCall(rng);
        for (int n = SuperCheck::kMinTyped; n <= call.size(); ++n)
            g_typed.push_back(call.left(n));
    }
    for (const char* t : {"QQQ", "ZZZZ", "/QRP/", "1A1"})
        g_typed.push_back(QLatin1String(t));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
