#pragma once
// A CW message turned into the steps the keyer carries out: line changes, waits of whole
// milliseconds, "character reached" marks for the display, and the points before every
// element where a stop is noticed. The plan is made on the user-interface thread and run
// by a keyer (a thread of its own, or a fake clock in tests).

#include "keying/morse.h"
#include "platform/control_line.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace korvel::keying {

// Lowest speed that ">" and "<" can leave: the timing needs a positive speed.
inline constexpr double kMinChangedWpm = 5;

struct CwStep {
    enum Kind { SetLine, Wait, Show, StopPoint } kind;
    platform::Line line = platform::Line::Dtr; // SetLine
    bool on = false;                           // SetLine
    int ms = 0;     // Wait: its length; StopPoint: the closing blank at the speed in force
    int index = 0;  // Show: position of the character in the message (from 0)
    double wpm = 0; // Show: the new speed when the character changed it, else 0
};

struct CwPlan {
    QString text;
    std::vector<CwStep> steps;
    std::size_t closing = 0; // first step of the closing blank (a Wait, then RTS off)
};

// What a message needs besides its text. `previous` holds the element times used last;
// with no weighting selected they are used again, and compile() leaves the last ones there.
struct CwSettings {
    double wpm = 30;
    Weighting weighting = Weighting::W50;
    ElementTimes previous;
};

// Plans `text` (already expanded): DTR off and RTS on, every character as the Morse
// table and the timing give it, then the closing blank and RTS off.
CwPlan compileCw(const QString& text, CwSettings& settings);

// Line changes of a plan as it runs unstopped: (milliseconds from the start, line, on).
std::vector<platform::LineChange> nominalChanges(const CwPlan& plan);

struct KeyResult {
    bool stopped = false;  // a stop was noticed before an element
    bool lineLost = false; // the port stopped answering; the message ended there
};

// Runs a plan step by step. The caller sleeps until start + elapsedMs() between calls.
class CwRun {
public:
    // `lines` may be null: the message then runs through its timing and display only.
    CwRun(const CwPlan& plan, platform::ControlLines* lines) : plan_(plan), lines_(lines) {}

    // Carries out the steps due now, up to and including the next wait. Returns false
    // when the message has ended. `shown` is told of every character reached.
    bool advance(const std::atomic<bool>& stop,
                 const std::function<void(int index, double wpm)>& shown);
    std::int64_t elapsedMs() const { return elapsed_; }
    const KeyResult& result() const { return result_; }

private:
    bool setLine(platform::Line line, bool on);

    const CwPlan& plan_;
    platform::ControlLines* lines_;
    std::size_t next_ = 0;
    std::int64_t elapsed_ = 0;
    KeyResult result_;
};

} // namespace korvel::keying
