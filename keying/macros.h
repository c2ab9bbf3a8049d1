#pragma once
// The "#" placeholders of the CW messages.

#include <QString>

namespace korvel::keying {

// What the placeholders insert.
struct MacroValues {
    QString myCall;       // #1
    QString workedCall;   // #2, the trimmed call of the desk
    QString sentExchange; // #3, the text of TxtRSTE2, with cut numbers
    QString myLocator;    // #4
};

struct Expanded {
    QString text;
    bool logOnSend = false; // the message held "#8"
};

// The sent exchange with cut numbers: "005" -> "TT5", "012" -> "T12", others unchanged.
QString cutNumber(const QString& exchange);

// Trims the message and replaces "#1", "#2", "#3", "#4" and "#8"; a "#" with any other
// character inserts nothing, and a "#" at the very end is dropped.
Expanded expandMacros(const QString& message, const MacroValues& values);

} // namespace korvel::keying
