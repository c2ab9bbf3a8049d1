#include "keying/morse.h"

#include <cmath>

namespace korvel::keying {

const std::array<const char*, 43> kMorseTable = {
    "E.",     "T-",     "A.-",    "I..",     "M--",     "N-.",     "D-..",    "G--.",   "K-.-",
    "O---",   "R.-.",   "S...",   "U..-",    "W.--",    "B-...",   "C-.-.",   "F..-.",  "H....",
    "J.---",  "L.-..",  "P.--.",  "Q--.-",   "V...-",   "X-..-",   "Y-.--",   "Z--..",  "0-----",
    "1.----", "2..---", "3...--", "4....-",  "5.....",  "6-....",  "7--...",  "8---..", "9----.",
    "/-..-.", "=-...-", "a.-.-.", "..-.-.-", ",--..--", "?..--..", "s...-.-",
};

const char* morseElements(QChar c) {
    for (const char* entry : kMorseTable)
        if (QChar::fromLatin1(entry[0]) == c) return entry + 1;
    return nullptr;
}

int ticksToMs(double ticks) {
    return static_cast<int>(std::lround(ticks * 1000.0 / 18.2));
}

CwTiming timingForSpeed(double s) {
    double gap = 20.0 / s;
    if (s <= 12) gap = 20.0 / (s - 1);
    if (s <= 11) gap = 20.0 / (s - 2);
    if (s <= 9) gap = 20.0 / (s - 3);
    const double dot = s < 13 ? 20.0 / 13 : gap;
    return {dot, gap * 1.4};
}

CwTiming timingAfterChange(double wpm) {
    const double dot = 20.0 / wpm;
    return {dot, 1.4 * dot};
}

ElementTimes elementTimes(Weighting w, double u, const ElementTimes& previous) {
    switch (w) {
    case Weighting::W50: return {ticksToMs(u), ticksToMs(3 * u), ticksToMs(u)};
    case Weighting::W62:
        return {ticksToMs(1.16666666 * u), ticksToMs(3 * u * 1.05555555),
                ticksToMs(0.83333333 * u)};
    case Weighting::W75:
        return {ticksToMs(1.33333333 * u), ticksToMs(3 * u * 1.11111111),
                ticksToMs(0.66666666 * u)};
    case Weighting::None: break;
    }
    // Nothing keyed yet to take the times from: the even weighting.
    return previous == ElementTimes{} ? elementTimes(Weighting::W50, u, previous) : previous;
}

int halfSpaceMs(Weighting w, double dot) {
    switch (w) {
    case Weighting::W50: return ticksToMs(2 * dot);
    case Weighting::W62: return ticksToMs(2 * dot * 0.83333333);
    case Weighting::W75: return ticksToMs(2 * dot * 0.66666666);
    case Weighting::None: break;
    }
    return 0;
}

} // namespace korvel::keying
