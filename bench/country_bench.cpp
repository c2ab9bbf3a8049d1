// The country of every call of a real call list (MASTER.SCP from the Debian package
// hamradio-files; without it, the calls of the benchmark log), resolved as the desk resolves
// it: each call timed on its own, wall and CPU time, median and 99th percentile over all of
// them.
#include "bench/bench_log.h"
#include "scoring/country_resolution.h"
#include "store/reference_data.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>

namespace {

using namespace korvel;

store::Databases* g_dbs = nullptr;
std::vector<QString> g_calls;

std::vector<QString> loadCalls() {
    std::vector<QString> calls;
    QFile file(QStringLiteral("/usr/share/hamradio-files/MASTER.SCP"));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString c = in.readLine().trimmed().toUpper();
            if (!c.isEmpty() && !c.startsWith(QLatin1Char('#'))) calls.push_back(c);
        }
        return calls;
    }
    bench::Random rng(7);
    for (int i = 0; i < 20'000; ++i)
        calls.push_back(bench::randomCall(rng));
    return calls;
}

double threadCpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
}

void BM_ResolveEveryCall(benchmark::State& state) {
    const scoring::CountryLookups find{
        [](const QString& c) { return g_dbs->ref.countryByExactCall(c); },
        [](const QString& k) { return g_dbs->ref.countryByLongestPrefix(k); }};
    std::vector<double> wall(g_calls.size()), cpu(g_calls.size());
    std::size_t unknown = 0;
    for (auto _ : state) {
        unknown = 0;
        for (std::size_t i = 0; i < g_calls.size(); ++i) {
            const double c0 = threadCpuNs();
            const auto t0 = std::chrono::steady_clock::now();
            const auto row = scoring::resolveCountry(g_calls[i], find);
            const auto t1 = std::chrono::steady_clock::now();
            cpu[i] = threadCpuNs() - c0;
            wall[i] = std::chrono::duration<double, std::nano>(t1 - t0).count();
            unknown += !row;
            benchmark::DoNotOptimize(row);
        }
    }
    auto quantile = [](std::vector<double> v, double q) {
        const auto k = static_cast<std::ptrdiff_t>(q * double(v.size() - 1));
        std::nth_element(v.begin(), v.begin() + k, v.end());
        return v[static_cast<std::size_t>(k)] / 1000.0;
    };
    state.counters["calls"] = double(g_calls.size());
    state.counters["unknown"] = double(unknown);
    state.counters["wall_median_us"] = quantile(wall, 0.5);
    state.counters["wall_p99_us"] = quantile(wall, 0.99);
    state.counters["cpu_median_us"] = quantile(cpu, 0.5);
    state.counters["cpu_p99_us"] = quantile(cpu, 0.99);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    store::Databases dbs;
    if (!dir.isValid() || !store::openDatabases(dir.path(), dbs).ok()) {
        std::fprintf(stderr, "could not build the reference database\n");
        return 1;
    }
    g_dbs = &dbs;
    g_calls = loadCalls();
    benchmark::RegisterBenchmark("ResolveEveryCall", BM_ResolveEveryCall)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_dbs = nullptr;
    return 0;
}
