// Timings of the per-keystroke reads of the log and reference databases on a log of
// 100,000 QSOs, and of the durable QSO insert.
//
//     store_bench [benchmark options] [folder]
//
// The databases are built in a temporary folder, under `folder` when one is given (so the
// insert can be timed on the disk a log really lives on).

#include "bench/bench_log.h"
#include "store/log_store.h"
#include "store/reference_data.h"
#include "store/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using korvel::bench::kLogBands;
using korvel::bench::kLogModes;
using korvel::bench::kLogSize;
using korvel::bench::pick;
using korvel::bench::pickOf;
using korvel::bench::randomCall;
using korvel::bench::randomQso;
using korvel::store::LogStore;
using korvel::store::MarkColumn;
using korvel::store::QsoRow;

constexpr std::size_t kProbeCount = 1024; // inputs cycled through by each read benchmark

struct Probe {
    QString call, band, mode;
};
struct MarkProbe {
    QString mark, band;
};

// Everything the benchmarks read: the stores and the inputs they are called with.
struct Bench {
    Bench() = default;
    explicit Bench(const QString& dirTemplate) : dir(dirTemplate) {}

    QTemporaryDir dir;
    LogStore log;
    LogStore insertLog; // a copy of the full log, so the reads see the same data every run
    korvel::store::Databases ref;

    std::vector<Probe> present, absent;
    std::vector<MarkProbe> marks, absentMarks;
    std::vector<QString> typed6, typed3;
    std::vector<QsoRow> newRows;
};
Bench* g_bench = nullptr;

korvel::bench::Random g_rng(20240611);

bool build(Bench& b) {
    if (!b.dir.isValid()) return false;
    const QDir root(b.dir.path());

    korvel::bench::BenchLog built;
    const QString logPath = root.filePath(QLatin1String(korvel::store::kLogDatabaseFile));
    if (!korvel::bench::buildLog(g_rng, logPath, built)) return false;
    const std::vector<QString>& calls = built.calls;
    const std::vector<QsoRow>& rows = built.rows;
    const QString copyPath = root.filePath(QStringLiteral("insert-log"));
    if (!QFile::copy(logPath, copyPath)) return false;

    for (const auto& [store, path] :
         {std::pair{&b.log, logPath}, std::pair{&b.insertLog, copyPath}})
        if (QString err = store->open(path); !err.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(err));
            return false;
        }
    if (b.log.count() != kLogSize) return false;

    const QString refDir = root.filePath(QStringLiteral("ref"));
    if (auto report = korvel::store::openDatabases(refDir, b.ref); !report.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(report.refError + report.logError));
        return false;
    }

    while (b.present.size() < kProbeCount) {
        const QsoRow& r = rows[std::size_t(pick(g_rng, kLogSize))];
        b.present.push_back({r.callsign, r.bnd, r.md});
        if (r.callsign.size() >= 6) b.typed6.push_back(r.callsign.left(6));
        b.typed3.push_back(r.callsign.left(3));
    }
    while (b.absent.size() < kProbeCount) {
        QString call = randomCall(g_rng);
        if (!built.known.contains(call))
            b.absent.push_back({call, QLatin1String(pickOf(g_rng, kLogBands)),
                                QLatin1String(pickOf(g_rng, kLogModes))});
    }
    for (const QsoRow& r : rows)
        if (!r.mlt.isEmpty() && b.marks.size() < kProbeCount) b.marks.push_back({r.mlt, r.bnd});
    for (std::size_t i = 0; i < kProbeCount; ++i)
        b.absentMarks.push_back(
            {QStringLiteral("Z%1*").arg(i % 26), QLatin1String(pickOf(g_rng, kLogBands))});
    for (int i = 0; i < 4096; ++i)
        b.newRows.push_back(randomQso(g_rng, calls, kLogSize + i));
    return true;
}

template <class T> const T& cycle(const std::vector<T>& items, std::size_t& i) {
    return items[i++ % items.size()];
}

// Dupe checks.

void BM_HasCallBand(benchmark::State& state, bool hit) {
    const auto& probes = hit ? g_bench->present : g_bench->absent;
    std::size_t i = 0, found = 0;
    for (auto _ : state) {
        const Probe& p = cycle(probes, i);
        found += g_bench->log.hasCallBand(p.call, p.band);
    }
    if (hit ? found != i : found != 0) state.SkipWithError("wrong answers");
}

void BM_HasCallBandMode(benchmark::State& state, bool hit) {
    const auto& probes = hit ? g_bench->present : g_bench->absent;
    std::size_t i = 0, found = 0;
    for (auto _ : state) {
        const Probe& p = cycle(probes, i);
        found += g_bench->log.hasCallBandMode(p.call, p.band, p.mode);
    }
    if (hit ? found != i : found != 0) state.SkipWithError("wrong answers");
}

// Multiplier marks.

void BM_HasMarkOnBand(benchmark::State& state, bool hit) {
    const auto& probes = hit ? g_bench->marks : g_bench->absentMarks;
    std::size_t i = 0, found = 0;
    for (auto _ : state) {
        const MarkProbe& p = cycle(probes, i);
        found += g_bench->log.hasMark(MarkColumn::Mlt, p.mark, p.band);
    }
    if (hit ? found != i : found != 0) state.SkipWithError("wrong answers");
}

void BM_HasMarkInLog(benchmark::State& state, bool hit) {
    const auto& probes = hit ? g_bench->marks : g_bench->absentMarks;
    std::size_t i = 0, found = 0;
    for (auto _ : state) {
        const MarkProbe& p = cycle(probes, i);
        found += g_bench->log.hasMark(MarkColumn::Mlt, p.mark);
    }
    if (hit ? found != i : found != 0) state.SkipWithError("wrong answers");
}

// Calls beginning with the typed text.

void BM_CallsStartingWith(benchmark::State& state, int length) {
    const auto& typed = length == 6 ? g_bench->typed6 : g_bench->typed3;
    const int limit = length == 6 ? 0 : 50;
    std::size_t i = 0, rows = 0;
    for (auto _ : state) {
        auto found = g_bench->log.callsStartingWith(cycle(typed, i), limit);
        rows += found.size();
        benchmark::DoNotOptimize(found.data());
    }
    if (rows < i) state.SkipWithError("a typed text found nothing");
    state.counters["rows"] = benchmark::Counter(double(rows) / double(i));
}

// Country of a call on the shipped reference database.

void BM_CountryByLongestPrefix(benchmark::State& state, const char* call) {
    const QString key = QLatin1String(call);
    if (!g_bench->ref.ref.countryByLongestPrefix(key)) {
        state.SkipWithError("no country found");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(g_bench->ref.ref.countryByLongestPrefix(key));
}

// A QSO insert that returns once the row is on the disk.

void BM_InsertQsoDurable(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        if (g_bench->insertLog.insertQso(cycle(g_bench->newRows, i)) < 0) {
            state.SkipWithError(qPrintable(g_bench->insertLog.lastError()));
            break;
        }
    }
}

void registerAll() {
    // Median of five runs, in microseconds; each run of a read lasts about 0.2 s.
    auto read = [](const char* name, auto fn, auto arg) {
        benchmark::RegisterBenchmark(name, fn, arg)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.2)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    };
    read("HasCallBand/present", BM_HasCallBand, true);
    read("HasCallBand/absent", BM_HasCallBand, false);
    read("HasCallBandMode/present", BM_HasCallBandMode, true);
    read("HasCallBandMode/absent", BM_HasCallBandMode, false);
    read("HasMarkOnBand/present", BM_HasMarkOnBand, true);
    read("HasMarkOnBand/absent", BM_HasMarkOnBand, false);
    read("HasMarkInLog/present", BM_HasMarkInLog, true);
    read("HasMarkInLog/absent", BM_HasMarkInLog, false);
    read("CallsStartingWith/6chars", BM_CallsStartingWith, 6);
    read("CallsStartingWith/3chars_limit50", BM_CallsStartingWith, 3);
    read("CountryByLongestPrefix/DL1ABC", BM_CountryByLongestPrefix, "DL1ABC");
    read("CountryByLongestPrefix/UA9XYZ", BM_CountryByLongestPrefix, "UA9XYZ");
    read("CountryByLongestPrefix/VP2EAB", BM_CountryByLongestPrefix, "VP2EAB");
    benchmark::RegisterBenchmark("InsertQsoDurable", BM_InsertQsoDurable)
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(300)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // What is left after the benchmark options: at most the folder to work in.
    QCoreApplication app(argc, argv);
    const auto folder = korvel::bench::benchFolderTemplate("store_bench");
    if (!folder) return 2;
    auto bench = folder->isEmpty() ? std::make_unique<Bench>() : std::make_unique<Bench>(*folder);
    if (!build(*bench)) {
        std::fprintf(stderr, "could not build the benchmark databases\n");
        return 1;
    }
    g_bench = bench.get();
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_bench = nullptr;
    return 0;
}
