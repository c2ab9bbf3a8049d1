#pragma once
// The Morse table and the timing of the keyer. Times are counted in ticks of the PC
// clock, 18.2 to the second, and every timed step is a whole number of milliseconds.

#include <QChar>

#include <array>

namespace korvel::keying {

// 43 entries: the character keyed, then its elements ("." dot, "-" dash). Upper and lower
// case differ: "a" is the prosign AR, "s" is SK, "=" is BT.
extern const std::array<const char*, 43> kMorseTable;

// The elements of `c` (".-" for "A"), or nullptr for a character the table lacks.
const char* morseElements(QChar c);

// x ticks as milliseconds: x * 1000 / 18.2, rounded to the nearest whole millisecond.
int ticksToMs(double ticks);

// The dot unit and the spacing unit, in ticks.
struct CwTiming {
    double dot = 0;
    double gap = 0;
};

// The set-up at the start of a message. Below 13 WPM the characters keep the speed of
// 13 WPM and only the spacing stretches.
CwTiming timingForSpeed(double wpm);
// After ">" or "<" in a message: no slow-speed correction.
CwTiming timingAfterChange(double wpm);

// The three weightings of the CW panel (options OpB50, OpB62, Opb75), or none selected.
enum class Weighting { None, W50, W62, W75 };

// Mark and space times of the elements, in milliseconds.
struct ElementTimes {
    int dotMark = 0;
    int dashMark = 0;
    int space = 0;
    bool operator==(const ElementTimes&) const = default;
};

// The element times of a weighting at dot unit `dot`; with none selected, `previous`.
ElementTimes elementTimes(Weighting w, double dot, const ElementTimes& previous);

// The half space "~": 2 dot units times the weighting's space factor; none without one.
int halfSpaceMs(Weighting w, double dot);

} // namespace korvel::keying
