// Timing accuracy of the keyer thread: "PARIS " forty times at 40 WPM in one message,
// keyed onto a recording port that stamps every line change with the monotonic clock.
//
//     keyer_bench [benchmark options]
//
// Reported (one run of about a minute):
//   whole_err_pct   the message's length, first change to RTS off, against the sum of
//                   its nominal times, in percent
//   p50_us, p99_us, max_us
//                   lateness of each line change against its nominal moment, measured
//                   from the first change (median, 99th percentile, maximum)
// The deadlines are absolute, so the lateness of one change does not add to the next.

#include "keying/cw_plan.h"
#include "keying/keyer.h"
#include "platform/control_line.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <future>
#include <vector>

namespace {

using namespace korvel;

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const auto rank = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(rank, v.size() - 1)];
}

void BM_KeyerParis40Wpm(benchmark::State& state) {
    keying::CwSettings settings;
    settings.wpm = 40;
    const keying::CwPlan plan = keying::compileCw(QStringLiteral("PARIS ").repeated(40), settings);
    const std::vector<platform::LineChange> nominal = keying::nominalChanges(plan);
    std::vector<double> lateUs;
    double wholeErrPct = 0;
    for (auto _ : state) {
        platform::RecordingPorts ports; // stamps in microseconds of CLOCK_MONOTONIC
        auto lines = ports.open(1, nullptr);
        keying::ThreadedKeyer keyer;
        std::promise<void> done;
        keying::KeyerEvents events;
        events.done = [&](keying::KeyResult) { done.set_value(); };
        keyer.key(plan, lines.get(), std::move(events));
        done.get_future().wait();

        const std::vector<platform::LineChange>& got = ports.changes;
        if (got.size() != nominal.size()) {
            state.SkipWithError("the keyer changed the lines differently from its plan");
            return;
        }
        const std::int64_t origin = got.front().at;
        lateUs.clear();
        for (std::size_t i = 0; i < got.size(); ++i)
            lateUs.push_back(double(got[i].at - origin) - double(nominal[i].at) * 1000.0);
        const double nominalUs = double(nominal.back().at) * 1000.0;
        wholeErrPct = (double(got.back().at - origin) - nominalUs) / nominalUs * 100.0;
    }
    std::vector<double> absLate;
    for (double l : lateUs)
        absLate.push_back(std::abs(l));
    state.counters["whole_err_pct"] = wholeErrPct;
    state.counters["nominal_ms"] = double(nominal.back().at);
    state.counters["changes"] = double(nominal.size());
    state.counters["p50_us"] = percentile(absLate, 0.5);
    state.counters["p99_us"] = percentile(absLate, 0.99);
    state.counters["max_us"] = *std::max_element(absLate.begin(), absLate.end());
    std::printf("keyer: %zu line changes over %.3f s nominal; whole message %+.4f %%; "
                "per change |error| median %.0f us, p99 %.0f us, max %.0f us\n",
                nominal.size(), double(nominal.back().at) / 1000.0, wholeErrPct,
                percentile(absLate, 0.5), percentile(absLate, 0.99),
                *std::max_element(absLate.begin(), absLate.end()));
}

BENCHMARK(BM_KeyerParis40Wpm)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
