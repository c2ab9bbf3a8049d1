// The review screen on a 100,000-QSO log: re-scoring, the Cabrillo, STF, ADIF and text log files
// written by the export pass, the screen opened, and a band view and Log General shown
// (offscreen); the printed log of a 2,000-QSO log painted into a PDF file.
#include "app/page_printer.h"
#include "app/review_window.h"
#include "bench/bench_log.h"
#include "review/adif.h"
#include "review/cabrillo.h"
#include "review/review_controls.h"
#include "review/stf.h"
#include "review/text_log.h"
#include "scoring/contests/registry.h"
#include "store/reference_data.h"
#include "store/schema.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace korvel;

struct Data {
    QTemporaryDir dir;
    store::Databases dbs;
    SharedState state;
    forms::ScriptedMessageBox box;
};
Data* g_data = nullptr;
Data* g_small = nullptr; // the first 2,000 QSOs of the same log
constexpr int kSmallLog = 2'000;

void BM_Rescore(benchmark::State& state) {
    const ContestExports& contest = scoring::contestExports(201);
    for (auto _ : state)
        benchmark::DoNotOptimize(review::rescore(g_data->dbs.log, contest));
}
BENCHMARK(BM_Rescore)->Unit(benchmark::kMillisecond);

template <class MakeWriter> void writeFile(benchmark::State& state, MakeWriter make) {
    Data& d = *g_data;
    store::ReviewQueries queries(d.dbs.log, d.dbs.ref);
    const QString path = d.dir.filePath(QStringLiteral("export.txt"));
    for (auto _ : state) {
        auto writer = make();
        const review::PassResult r = review::exportToFile(queries, writer, path);
        if (!r.ok || r.qsos != bench::kLogSize) state.SkipWithError("the file was not written");
    }
}

void BM_CabrilloFile(benchmark::State& state) {
    writeFile(state, [] {
        review::CabrilloHeader h;
        h.callsign = QStringLiteral("YO9XX");
        return review::CabrilloWriter(h, {});
    });
}
BENCHMARK(BM_CabrilloFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_StfFile(benchmark::State& state) {
    writeFile(state, [] {
        review::StfHeader h;
        h.myCall = QStringLiteral("YO9XX");
        return review::StfWriter(h, QLatin1String(review::kDefaultStfSpecAddress));
    });
}
BENCHMARK(BM_StfFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_AdifFile(benchmark::State& state) {
    writeFile(state, [] {
        return review::AdifWriter(QStringLiteral("BENCH"), review::adifComment(201, {}));
    });
}
BENCHMARK(BM_AdifFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_TextLogFile(benchmark::State& state) {
    const ContestExports& contest = scoring::contestExports(201);
    writeFile(state, [&] {
        return review::TextLogWriter(QStringLiteral("YO9XX"), QString(), contest.textLogBandColumn,
                                     contest.textPointsGap, [&] {
                                         return review::exportPassTotals(
                                             review::rescore(g_data->dbs.log, contest), contest);
                                     });
    });
}
BENCHMARK(BM_TextLogFile)->Unit(benchmark::kMillisecond)->Iterations(5);

// The printed log of 2,000 QSOs: the export pass lays out its pages, the painter writes them
// into a PDF file.
void BM_PrintedLogPdf(benchmark::State& state) {
    Data& d = *g_small;
    const ContestExports& contest = scoring::contestExports(201);
    store::ReviewQueries queries(d.dbs.log, d.dbs.ref);
    QtPagePrinter printer(QtPagePrinter::Output::PdfFile);
    const QString path = d.dir.filePath(QStringLiteral("log.pdf"));
    for (auto _ : state) {
        review::PrintedLogWriter writer(QStringLiteral("CQWWDX 28.11.26 YO9XX - LOG GENERAL"), [&] {
            return review::exportPassTotals(review::rescore(d.dbs.log, contest), contest);
        });
        QBuffer none;
        none.open(QIODevice::WriteOnly);
        const review::PassResult r = review::runExportPass(queries, writer, none);
        const review::PrintResult printed = printer.print(writer.document(), path);
        if (!r.ok || r.qsos != kSmallLog || !printed.ok)
            state.SkipWithError("the PDF file was not written");
    }
}
BENCHMARK(BM_PrintedLogPdf)->Unit(benchmark::kMillisecond)->Iterations(5);

// From LOG to the review screen painted: the model's load (re-scoring, the grids bound) and
// the window shown with the first page of the log.
void BM_OpenReviewScreen(benchmark::State& state) {
    Data& d = *g_data;
    for (auto _ : state) {
        auto form = std::make_unique<ReviewForm>(d.state, d.dbs, d.box);
        form->load();
        auto window = std::make_unique<ReviewWindow>(*form);
        window->resize(1024, 768);
        window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window->grab());
        state.PauseTiming();
        window.reset();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenReviewScreen)->Unit(benchmark::kMillisecond)->Iterations(5);

// A view chosen on the open screen: re-scored, its rows bound and painted.
void view(benchmark::State& state, const char* option) {
    Data& d = *g_data;
    ReviewForm form(d.state, d.dbs, d.box);
    form.load();
    ReviewWindow window(form);
    window.resize(1024, 768);
    window.show();
    form.click(QLatin1String(rc::mnuLogAnzeigen));
    window.sync();
    QApplication::processEvents();
    for (auto _ : state) {
        form.click(QLatin1String(option));
        window.sync();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
void BM_BandView(benchmark::State& state) {
    view(state, rc::OpB20);
}
BENCHMARK(BM_BandView)->Unit(benchmark::kMillisecond)->Iterations(10);
void BM_LogGeneralView(benchmark::State& state) {
    view(state, rc::OpbLogGen);
}
BENCHMARK(BM_LogGeneralView)->Unit(benchmark::kMillisecond)->Iterations(10);

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
    s.MyCall = QStringLiteral("YO9XX");
    s.DataDir = s.AppDir = data->dir.path();
    g_data = data.get();
    auto small = std::make_unique<Data>();
    if (!bench::bulkFill(
            QDir(small->dir.path()).filePath(QLatin1String(store::kLogDatabaseFile)),
            std::vector<store::QsoRow>(log.rows.begin(), log.rows.begin() + kSmallLog)) ||
        !store::openDatabases(small->dir.path(), small->dbs).ok()) {
        std::fprintf(stderr, "could not build the small log\n");
        return 1;
    }
    g_small = small.get();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
