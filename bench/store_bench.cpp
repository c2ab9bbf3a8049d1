// Timings of the per-keystroke reads of the log and reference databases on a log of
// 100,000 QSOs, and of the durable QSO insert.
//
//     store_bench [benchmark options] [folder]
//
// The databases are built in a temporary folder, under `folder` when one is given (so the
// insert can be timed on the disk a log really lives on).

#include "store/connection.h"
#include "store/log_store.h"
#include "store/reference_data.h"
#include "store/schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <unordered_set>
#include <vector>

namespace {

using korvel::store::LogStore;
using korvel::store::MarkColumn;
using korvel::store::QsoRow;

constexpr int kLogSize = 100'000;
constexpr int kDistinctCalls = 30'000;
constexpr std::size_t kProbeCount = 1024; // inputs cycled through by each read benchmark

const char* const kBands[] = {"10", "15", "20", "40", "80", "160"};
const char* const kModes[] = {"CW", "SSB"};
// Country prefixes; the ones ending in a digit take no further call-area digit.
const char* const kPrefixes[] = {"DL", "K",  "W",  "N",  "JA", "UA9", "UA3", "G",
                                 "F",  "I",  "SP", "OK", "OM", "ON",  "PA",  "EA",
                                 "HA", "YO", "LZ", "OH", "SM", "VE3", "YU",  "S5"};
const char* const kCounties[] = {"CT*", "MA*", "NY*", "NJ*", "PA*", "OH*", "MI*", "IL*",
                                 "WI*", "MN*", "TX*", "CA*", "WA*", "OR*", "FL*", "GA*"};

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

std::mt19937 g_rng(20240611);

int pick(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(g_rng);
}

template <class T, std::size_t N> const T& pickOf(const T (&items)[N]) {
    return items[pick(static_cast<int>(N))];
}

QString randomCall() {
    QString prefix = QLatin1String(pickOf(kPrefixes));
    QString call = prefix;
    if (!prefix.back().isDigit()) call += QChar('0' + pick(10));
    const int letters = 1 + pick(3);
    for (int i = 0; i < letters; ++i)
        call += QChar('A' + pick(26));
    return call;
}

// The country prefix a call was made from.
QString countryPrefix(const QString& call) {
    for (const char* p : kPrefixes) {
        const QLatin1String prefix(p);
        if (!call.startsWith(prefix)) continue;
        if (QChar(prefix.back()).isDigit() || call.at(prefix.size()).isDigit()) return prefix;
    }
    return {};
}

QsoRow randomQso(const std::vector<QString>& calls, int serial) {
    QsoRow r;
    r.callsign = calls[std::size_t(pick(int(calls.size())))];
    r.data = QStringLiteral("%1.06.24").arg(8 + serial / 60'000, 2, 10, QChar('0'));
    r.utc = QStringLiteral("%1:%2")
                .arg((serial / 60) % 24, 2, 10, QChar('0'))
                .arg(serial % 60, 2, 10, QChar('0'));
    r.bnd = QLatin1String(pickOf(kBands));
    r.md = QLatin1String(pickOf(kModes));
    r.sent = QStringLiteral("599 %1").arg(serial + 1, 3, 10, QChar('0'));
    r.rcvd = QStringLiteral("599 %1").arg(1 + pick(2000), 3, 10, QChar('0'));
    r.pfx = countryPrefix(r.callsign);
    if (pick(20) == 0) r.mlt = pick(2) ? r.pfx : QString(QLatin1String(pickOf(kCounties)));
    r.pct = pick(3) ? QStringLiteral("1") : QStringLiteral("3");
    return r;
}

// Fills the log file at `path` with `rows` in one unsynchronised transaction on a
// connection of its own; the schema is the one LogStore creates.
bool bulkFill(const QString& path, const std::vector<QsoRow>& rows) {
    {
        LogStore schema;
        if (QString err = schema.open(path); !err.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(err));
            return false;
        }
    }
    korvel::store::Connection c;
    if (QString err = c.open(path); !err.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(err));
        return false;
    }
    c.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    c.db().transaction();
    QSqlQuery q = c.prepare(QStringLiteral(
        "INSERT INTO LogGen (Callsign, Data, UTC, Bnd, Sent, Rcvd, Md, Pfx, Mlt, Mlt1, Pct) "
        "VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
    for (const QsoRow& r : rows) {
        int i = 0;
        for (const QString* v : {&r.callsign, &r.data, &r.utc, &r.bnd, &r.sent, &r.rcvd, &r.md,
                                 &r.pfx, &r.mlt, &r.mlt1, &r.pct})
            q.bindValue(i++, v->isNull() ? QString(QLatin1String("")) : *v);
        if (!q.exec()) {
            std::fprintf(stderr, "insert: %s\n", qPrintable(q.lastError().text()));
            return false;
        }
    }
    q.finish();
    return c.db().commit();
}

bool build(Bench& b) {
    if (!b.dir.isValid()) return false;
    const QDir root(b.dir.path());

    std::vector<QString> calls;
    std::unordered_set<QString> known;
    while (calls.size() < std::size_t(kDistinctCalls)) {
        QString call = randomCall();
        if (known.insert(call).second) calls.push_back(call);
    }
    std::vector<QsoRow> rows;
    rows.reserve(kLogSize);
    for (int i = 0; i < kLogSize; ++i)
        rows.push_back(randomQso(calls, i));

    const QString logPath = root.filePath(QLatin1String(korvel::store::kLogDatabaseFile));
    if (!bulkFill(logPath, rows)) return false;
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
        const QsoRow& r = rows[std::size_t(pick(kLogSize))];
        b.present.push_back({r.callsign, r.bnd, r.md});
        if (r.callsign.size() >= 6) b.typed6.push_back(r.callsign.left(6));
        b.typed3.push_back(r.callsign.left(3));
    }
    while (b.absent.size() < kProbeCount) {
        QString call = randomCall();
        if (!known.contains(call))
            b.absent.push_back(
                {call, QLatin1String(pickOf(kBands)), QLatin1String(pickOf(kModes))});
    }
    for (const QsoRow& r : rows)
        if (!r.mlt.isEmpty() && b.marks.size() < kProbeCount) b.marks.push_back({r.mlt, r.bnd});
    for (std::size_t i = 0; i < kProbeCount; ++i)
        b.absentMarks.push_back(
            {QStringLiteral("Z%1*").arg(i % 26), QLatin1String(pickOf(kBands))});
    for (int i = 0; i < 4096; ++i)
        b.newRows.push_back(randomQso(calls, kLogSize + i));
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
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 2) {
        std::fprintf(stderr, "usage: store_bench [benchmark options] [folder]\n");
        return 2;
    }
    std::unique_ptr<Bench> bench;
    if (args.size() == 2)
        bench =
            std::make_unique<Bench>(QDir(args[1]).filePath(QStringLiteral("korvel-bench-XXXXXX")));
    else
        bench = std::make_unique<Bench>();
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
