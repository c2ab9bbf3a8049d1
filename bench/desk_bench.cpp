// Timings of the QSO entry desk on a log of 100,000 QSOs, in CQ-WW on 20 m CW: the whole
// analysis of a call, the partial-call lookup behind one typed key, and the commit of a
// QSO including its durable write.
//
//     desk_bench [benchmark options] [folder]
//
// The databases are built in a temporary folder, under `folder` when one is given (so the
// commit can be timed on the disk a log really lives on). Every case times each operation
// on its own and reports, besides the mean, the median (p50_us) and the 99th percentile
// (p99_us, nearest rank) of one repetition; the aggregates are over five repetitions, and
// a last table gives the percentiles over all repetitions of a case together, of the wall
// time and of the thread's CPU time (a busy machine stretches the one, not the other). A
// p99 is printed only over at least 1,000 timings; with fewer the largest ones decide it.

#include "bench/bench_log.h"
#include "core/shared_state.h"
#include "desk/desk_form.h"
#include "desk/message_keys.h"
#include "forms/message_box.h"
#include "platform/clock.h"
#include "store/reference_data.h"
#include "store/schema.h"
#include "tests/support/desk_station.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace korvel;
using bench::kLogSize;
using forms::Key;
using forms::KeyEvent;

constexpr std::size_t kProbeCount = 256; // calls cycled through by each analysis case
// Iterations per repetition: five repetitions of 200 give the 1,000 timings a p99 needs.
constexpr int kIterations = 200;
constexpr std::size_t kNewCallCount = 5 * kIterations; // each commit a call not yet logged
constexpr int kPercentileSamples = 1000;

// Calls from countries that have no QSO in the log, all over the world.
const char* const kOtherCountries[] = {"VP2EAB", "ZS6ABC", "4X1AB", "VK2XY", "PY1AA", "LU1AA",
                                       "9A2AA",  "ZL2AB",  "JT1AA", "CE3AA", "CT3AB", "KH6AB",
                                       "VU2AB",  "A61AB",  "UN7AB", "5B4AB"};

// The partial calls typed into the empty call field, one key after the other.
const char* const kTyped[] = {"D", "DL", "DL1", "DL1A"};

// One desk on a data folder of its own, set up for CQ-WW on 20 m CW.
struct Station {
    SharedState state;
    store::Databases dbs;
    forms::ScriptedMessageBox box;
    FakeClock clock{QDateTime(QDate(2024, 6, 9), QTime(12, 0), Qt::UTC)};
    SilentMessageKeys keys;
    std::unique_ptr<DeskForm> desk;

    bool open(const QString& folder) {
        if (auto report = store::openDatabases(folder, dbs); !report.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(report.refError + report.logError));
            return false;
        }
        state.ContestCode = 201;
        testing::setStation(state);
        desk = std::make_unique<DeskForm>(state, dbs, box, clock, keys);
        testing::openDesk(*desk, 20, "CW");
        return true;
    }
    QString& text(const char* control) { return desk->ctl(QLatin1String(control)).text; }
};

struct Bench {
    Bench() = default;
    explicit Bench(const QString& dirTemplate) : dir(dirTemplate) {}

    QTemporaryDir dir;
    Station reads;  // the full log, never written
    Station commit; // a copy of the full log that the commits grow

    std::vector<QString> present, absent, otherCountries, newCalls;
};
Bench* g_bench = nullptr;

bool build(Bench& b) {
    if (!b.dir.isValid()) return false;
    bench::Random rng(20240611);
    const QDir root(b.dir.path());
    const QString readDir = root.filePath(QStringLiteral("reads"));
    const QString commitDir = root.filePath(QStringLiteral("commit"));
    if (!root.mkpath(readDir) || !root.mkpath(commitDir)) return false;

    bench::BenchLog log;
    const QString logFile = QLatin1String(store::kLogDatabaseFile);
    if (!bench::buildLog(rng, QDir(readDir).filePath(logFile), log)) return false;
    if (!QFile::copy(QDir(readDir).filePath(logFile), QDir(commitDir).filePath(logFile)))
        return false;
    // The reference database is built from the shipped data once and copied.
    const QString refFile = QLatin1String(store::kRefDatabaseFile);
    if (const auto report = store::buildReferenceDatabase(QDir(readDir).filePath(refFile));
        !report.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(report.error));
        return false;
    }
    if (!QFile::copy(QDir(readDir).filePath(refFile), QDir(commitDir).filePath(refFile)))
        return false;
    if (!b.reads.open(readDir) || !b.commit.open(commitDir)) return false;
    if (b.reads.dbs.log.count() != kLogSize) return false;

    while (b.present.size() < kProbeCount)
        b.present.push_back(log.rows[std::size_t(bench::pick(rng, kLogSize))].callsign);
    QSet<QString> taken;
    while (b.absent.size() < kProbeCount || b.newCalls.size() < kNewCallCount) {
        QString call = bench::randomCall(rng);
        if (log.known.contains(call) || taken.contains(call)) continue;
        taken.insert(call);
        (b.absent.size() < kProbeCount ? b.absent : b.newCalls).push_back(call);
    }
    for (const char* call : kOtherCountries)
        b.otherCountries.push_back(QLatin1String(call));
    return true;
}

template <class T> const T& cycle(const std::vector<T>& items, std::size_t& i) {
    return items[i++ % items.size()];
}

// Every operation's wall and CPU time, by case, over all repetitions.
struct Pooled {
    std::vector<double> wall, cpu;
};
std::map<std::string, Pooled> g_pooled;

double threadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// The time of each operation of a repetition: handed to the library as the iteration's
// time (so the untimed preparation is left out) and kept for the percentiles.
class Timings {
public:
    Timings(benchmark::State& state, Pooled& pooled) : state_(state), pooled_(pooled) {
        micros_.reserve(std::size_t(state.max_iterations));
    }

    template <class Op> void time(Op&& op) {
        const double cpuStart = threadCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        op();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        const double cpu = threadCpuSeconds() - cpuStart;
        state_.SetIterationTime(took.count());
        micros_.push_back(took.count() * 1e6);
        pooled_.cpu.push_back(cpu * 1e6);
    }

    // The median of this repetition, as a counter; the p99 only over the pooled timings.
    void report() {
        if (micros_.empty()) return;
        pooled_.wall.insert(pooled_.wall.end(), micros_.begin(), micros_.end());
        state_.counters["p50_us"] = percentile(micros_, 0.50);
    }

    // Nearest rank.
    static double percentile(std::vector<double>& micros, double p) {
        std::sort(micros.begin(), micros.end());
        const auto rank = static_cast<std::size_t>(std::ceil(p * double(micros.size())));
        return micros[std::max<std::size_t>(rank, 1) - 1];
    }

private:
    benchmark::State& state_;
    Pooled& pooled_;
    std::vector<double> micros_;
};

// The whole analysis of a call typed into the empty desk: country, dupe, multipliers,
// points, band marks.

enum class Calls { Present, Absent, OtherCountries };

void BM_AnalyseCall(benchmark::State& state, Timings& timings, Calls which) {
    Station& st = g_bench->reads;
    DeskForm& desk = *st.desk;
    const auto& calls = which == Calls::Present  ? g_bench->present
                        : which == Calls::Absent ? g_bench->absent
                                                 : g_bench->otherCountries;
    std::size_t i = 0, dupes = 0, unknown = 0;
    for (auto _ : state) {
        st.text("txtIndic") = cycle(calls, i);
        st.text("TxtRSTR2").clear();
        desk.focusAtEnd(QStringLiteral("txtIndic"));
        timings.time([&] { desk.analyseCall(); });
        dupes += desk.dupeState() == DupeState::Refused;
        unknown += desk.ctl(QStringLiteral("TxtEroare")).visible;
    }
    if (unknown) state.SkipWithError("a call found no country");
    if (which != Calls::Present && dupes) state.SkipWithError("a new call came out a dupe");
    state.counters["dupes"] = double(dupes) / double(i);
    state.counters["grid_rows"] = double(desk.gridRows().size());
}

// The log grid of the band, which the analysis and the commit load again.

void BM_RefreshLogGrid(benchmark::State& state, Timings& timings) {
    DeskForm& desk = *g_bench->reads.desk;
    for (auto _ : state)
        timings.time([&] { desk.refreshLogGrid(); });
    state.counters["grid_rows"] = double(desk.gridRows().size());
}

// The partial-call lookup behind one key: the call field holds all of `typed` but its last
// character, which is the key timed.

void BM_TypeKey(benchmark::State& state, Timings& timings, const char* typed) {
    Station& st = g_bench->reads;
    DeskForm& desk = *st.desk;
    const QString whole = QLatin1String(typed);
    const KeyEvent key{Key::Char, whole.back()};
    std::size_t rows = 0;
    for (auto _ : state) {
        st.text("txtIndic") = whole.chopped(1);
        desk.focusAtEnd(QStringLiteral("txtIndic"));
        timings.time([&] { desk.pressKey(key); });
        if (st.text("txtIndic") != whole) {
            state.SkipWithError("the key did not reach the call field");
            break;
        }
        rows = desk.gridRows().size();
    }
    if (rows == 0) state.SkipWithError("the lookup found nothing");
    state.counters["rows"] = double(rows);
}

// The commit of an analysed QSO with a new call, up to the row being on disk and the desk
// cleared for the next QSO.

void BM_CommitQso(benchmark::State& state, Timings& timings) {
    Station& st = g_bench->commit;
    DeskForm& desk = *st.desk;
    const std::int64_t before = st.dbs.log.count();
    std::size_t i = 0;
    for (auto _ : state) {
        st.text("txtIndic") = cycle(g_bench->newCalls, i);
        desk.focusAtEnd(QStringLiteral("txtIndic"));
        desk.analyseCall();
        if (st.text("TxtRSTR2").trimmed().isEmpty()) st.text("TxtRSTR2") = QStringLiteral("14");
        st.clock.advance(20);
        timings.time([&] { desk.commitQso(); });
    }
    if (st.dbs.log.count() != before + std::int64_t(i)) state.SkipWithError("a QSO was not stored");
}

// A band switch and back on the full log: the tallies are kept, so nothing grows with the
// log but the band's grid of its newest QSOs.

void BM_SwitchBand(benchmark::State& state, Timings& timings) {
    DeskForm& desk = *g_bench->reads.desk;
    int band = 20;
    for (auto _ : state) {
        band = band == 20 ? 40 : 20;
        timings.time([&] { desk.switchBand(band); });
    }
    desk.switchBand(20);
    if (g_bench->reads.state.BandTallies[2].qsos == 0) state.SkipWithError("no QSO on 20 m");
}

// Opening the desk on the full log: the hand-over, the tallies counted from the log, the grid
// of the band, band and mode chosen. The window adds only its widgets to this.

void BM_OpenDesk(benchmark::State& state, Timings& timings) {
    Station& st = g_bench->reads;
    for (auto _ : state) {
        std::unique_ptr<DeskForm> desk;
        timings.time([&] {
            desk = std::make_unique<DeskForm>(st.state, st.dbs, st.box, st.clock, st.keys);
            testing::openDesk(*desk, 20, "CW");
        });
        if (st.state.BandTallies[2].qsos == 0) state.SkipWithError("no QSO counted on 20 m");
    }
}

void registerAll() {
    // Each operation timed on its own; median of five repetitions, in microseconds.
    const auto timed = [](const QString& name, int iterations, auto fn, auto... args) {
        const std::string key = name.toStdString();
        benchmark::RegisterBenchmark(key.c_str(),
                                     [key, fn, args...](benchmark::State& state) {
                                         Timings timings(state, g_pooled[key]);
                                         fn(state, timings, args...);
                                         timings.report();
                                     })
            ->Unit(benchmark::kMicrosecond)
            ->UseManualTime()
            ->Iterations(iterations)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    };
    timed(QStringLiteral("AnalyseCall/present"), kIterations, BM_AnalyseCall, Calls::Present);
    timed(QStringLiteral("AnalyseCall/absent"), kIterations, BM_AnalyseCall, Calls::Absent);
    timed(QStringLiteral("AnalyseCall/other_countries"), kIterations, BM_AnalyseCall,
          Calls::OtherCountries);
    timed(QStringLiteral("RefreshLogGrid/20m"), kIterations, BM_RefreshLogGrid);
    for (const char* typed : kTyped)
        timed(QStringLiteral("TypeKey/%1").arg(QLatin1String(typed)), kIterations, BM_TypeKey,
              typed);
    timed(QStringLiteral("SwitchBand/20m_40m"), kIterations, BM_SwitchBand);
    timed(QStringLiteral("CommitQso"), kIterations, BM_CommitQso);
    // Opening counts the whole log once: ten a repetition, reported by its median.
    timed(QStringLiteral("OpenDesk"), 10, BM_OpenDesk);
}

// The percentiles over all repetitions of a case together.
void printPooled() {
    std::printf("\n%-30s %6s %10s %10s %10s %10s\n", "pooled over the repetitions", "n", "p50_us",
                "p99_us", "cpu_p50_us", "cpu_p99_us");
    for (auto& [name, pooled] : g_pooled) {
        if (pooled.wall.empty()) continue;
        const std::size_t n = pooled.wall.size();
        const auto p99 = [n](std::vector<double>& v) {
            if (n < std::size_t(kPercentileSamples)) return std::string("-");
            char text[32];
            std::snprintf(text, sizeof text, "%.1f", Timings::percentile(v, 0.99));
            return std::string(text);
        };
        std::printf("%-30s %6zu %10.1f %10s %10.1f %10s\n", name.c_str(), n,
                    Timings::percentile(pooled.wall, 0.50), p99(pooled.wall).c_str(),
                    Timings::percentile(pooled.cpu, 0.50), p99(pooled.cpu).c_str());
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // What is left after the benchmark options: at most the folder to work in.
    QCoreApplication app(argc, argv);
    const auto folder = bench::benchFolderTemplate("desk_bench");
    if (!folder) return 2;
    auto bench = folder->isEmpty() ? std::make_unique<Bench>() : std::make_unique<Bench>(*folder);
    if (!build(*bench)) {
        std::fprintf(stderr, "could not build the benchmark databases\n");
        return 1;
    }
    g_bench = bench.get();
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    printPooled();
    benchmark::Shutdown();
    g_bench = nullptr;
    return 0;
}
