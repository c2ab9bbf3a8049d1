#pragma once
// Helpers of the keying tests: messages keyed on the fake clock and what the recording
// port saw, written compactly.

#include "keying/cw_plan.h"
#include "keying/keyer.h"
#include "platform/control_line.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace korvel::keying::test {

// Keys `text` on the fake clock and returns every line change, in milliseconds from the
// start of the message.
inline std::vector<platform::LineChange> keyOnFakeClock(const QString& text, CwSettings& settings) {
    FakeKeyer keyer;
    platform::RecordingPorts ports([&keyer] { return keyer.nowMs(); });
    auto lines = ports.open(1, nullptr);
    keyer.key(compileCw(text, settings), lines.get(), {});
    keyer.finishMessage();
    return ports.changes;
}

inline std::vector<platform::LineChange> keyOnFakeClock(const QString& text, double wpm = 30,
                                                        Weighting w = Weighting::W50) {
    CwSettings settings;
    settings.wpm = wpm;
    settings.weighting = w;
    return keyOnFakeClock(text, settings);
}

// The key line as alternating durations: "+37" a mark, "-154" the silence up to the next
// mark. The silence after the last mark is left out.
inline QString keyDurations(const std::vector<platform::LineChange>& changes) {
    QStringList out;
    std::int64_t since = -1;
    bool down = false;
    for (const platform::LineChange& c : changes) {
        if (c.line != platform::Line::Dtr || c.on == down) continue;
        if (since >= 0)
            out << (down ? QStringLiteral("+%1") : QStringLiteral("-%1")).arg(c.at - since);
        since = c.at;
        down = c.on;
    }
    return out.join(QLatin1Char(' '));
}

// The moment of the last change of `line` to `on`, or -1.
inline std::int64_t lastChange(const std::vector<platform::LineChange>& changes,
                               platform::Line line, bool on) {
    std::int64_t at = -1;
    for (const platform::LineChange& c : changes)
        if (c.line == line && c.on == on) at = c.at;
    return at;
}

} // namespace korvel::keying::test
