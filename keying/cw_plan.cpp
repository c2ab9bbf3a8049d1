#include "keying/cw_plan.h"

#include <algorithm>

namespace korvel::keying {

using platform::Line;

namespace {

class Planner {
public:
    explicit Planner(CwPlan& plan) : plan_(plan) {}
    void line(Line l, bool on) { plan_.steps.push_back({CwStep::SetLine, l, on}); }
    void wait(int ms) {
        if (ms > 0) plan_.steps.push_back({CwStep::Wait, Line::Dtr, false, ms});
    }
    void show(int index, double wpm) {
        CwStep s{CwStep::Show};
        s.index = index;
        s.wpm = wpm;
        plan_.steps.push_back(s);
    }
    void stopPoint(int closingMs) {
        CwStep s{CwStep::StopPoint};
        s.ms = closingMs;
        plan_.steps.push_back(s);
    }

private:
    CwPlan& plan_;
};

} // namespace

CwPlan compileCw(const QString& text, CwSettings& settings) {
    CwPlan plan;
    plan.text = text;
    Planner p(plan);
    p.line(Line::Dtr, false);
    p.line(Line::Rts, true);
    CwTiming t = timingForSpeed(settings.wpm);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        double changed = 0;
        if (c == QLatin1Char('>') || c == QLatin1Char('<')) {
            settings.wpm =
                std::max(kMinChangedWpm, settings.wpm + (c == QLatin1Char('>') ? 5 : -5));
            t = timingAfterChange(settings.wpm);
            changed = settings.wpm;
        }
        p.show(i, changed);
        const int closingMs = ticksToMs(4 * t.dot);
        if (const char* elements = morseElements(c)) {
            for (const char* e = elements; *e; ++e) {
                const ElementTimes times =
                    elementTimes(settings.weighting, t.dot, settings.previous);
                settings.previous = times;
                p.stopPoint(closingMs);
                p.line(Line::Dtr, true);
                p.wait(*e == '-' ? times.dashMark : times.dotMark);
                p.line(Line::Dtr, false);
                p.wait(times.space);
            }
            p.wait(ticksToMs(3 * t.gap - t.dot));
        } else if (c == QLatin1Char(' ')) {
            p.wait(closingMs);
        } else if (c == QLatin1Char('~')) {
            p.wait(halfSpaceMs(settings.weighting, t.dot));
        }
    }
    plan.closing = plan.steps.size();
    plan.steps.push_back({CwStep::Wait, Line::Dtr, false, ticksToMs(4 * t.dot)});
    p.line(Line::Rts, false);
    return plan;
}

std::vector<platform::LineChange> nominalChanges(const CwPlan& plan) {
    std::vector<platform::LineChange> out;
    std::int64_t at = 0;
    for (const CwStep& s : plan.steps) {
        if (s.kind == CwStep::Wait) at += s.ms;
        if (s.kind == CwStep::SetLine) out.push_back({at, s.line, s.on});
    }
    return out;
}

bool CwRun::setLine(Line line, bool on) {
    if (!lines_ || lines_->set(line, on)) return true;
    result_.lineLost = true;
    return false;
}

bool CwRun::advance(const std::atomic<bool>& stop, const std::function<void(int, double)>& shown) {
    const std::vector<CwStep>& steps = plan_.steps;
    while (next_ < steps.size()) {
        const CwStep& s = steps[next_++];
        switch (s.kind) {
        case CwStep::SetLine:
            if (!setLine(s.line, s.on)) {
                // The port is gone: nothing more can be keyed. Try to leave the key up
                // and the transmitter on receive, and end here.
                lines_->set(Line::Dtr, false);
                lines_->set(Line::Rts, false);
                next_ = steps.size();
                return false;
            }
            break;
        case CwStep::Wait: elapsed_ += s.ms; return true;
        case CwStep::Show:
            if (shown) shown(s.index, s.wpm);
            break;
        case CwStep::StopPoint:
            if (stop.load(std::memory_order_relaxed)) {
                // The closing blank at the speed in force, then RTS off.
                result_.stopped = true;
                next_ = plan_.closing + 1;
                elapsed_ += s.ms;
                return true;
            }
            break;
        }
    }
    return false;
}

} // namespace korvel::keying
