#pragma once
// The two settings files of the program directory: "KorvelInit.dat" (own station and
// summary-sheet header, 19 lines) and "KorvelTextCw.dat" (eleven CW texts and the serial
// port number, 12 lines).
//
// Line format: a text is written between double quotes; an integer in decimal with a
// blank in the sign position when it is not negative and one trailing blank. Lines end
// with CR LF. The files are UTF-8 (their texts are normally plain ASCII).
//
// A double quote cannot be written inside a quoted text. The writer replaces every double
// quote in a text by an apostrophe, so a written file always reads back as written
// (apart from that replacement); the setup screen keeps double quotes out of the fields.
//
// Reading stops at the first line that is missing or cannot be read; the fields not yet
// read keep the values they had. Writing goes to a temporary file that replaces the old
// one only when complete, so a failed write never leaves a half-written file behind.

#include "core/shared_state.h"

#include <QString>
#include <QStringList>

namespace korvel {

inline constexpr int kInitFileLines = 19;
inline constexpr int kCwFileLines = 12;

QString initFilePath(const SharedState& state);   // AppDir + "KorvelInit.dat"
QString cwTextFilePath(const SharedState& state); // AppDir + "KorvelTextCw.dat"

struct SettingsReadResult {
    int fieldsRead = 0; // how many lines were taken into the state
    bool found = false; // false when the file does not exist or cannot be opened
    QString warning;    // file and line of a line that could not be read, else empty
};

struct SettingsWriteResult {
    bool ok = false;
    QString error; // what went wrong, with the file name, for the operator
};

SettingsReadResult readInitFile(SharedState& state, const QString& path);
SettingsWriteResult writeInitFile(const SharedState& state, const QString& path);
SettingsReadResult readCwTextFile(SharedState& state, const QString& path);
SettingsWriteResult writeCwTextFile(const SharedState& state, const QString& path);

// The line format, exposed for the tests and for other fixed-format readers.
namespace settings_line {
QString quoted(const QString& text);
QString integer(long long value);
// One field of a line: leading blanks skipped; a field starting with a double quote runs
// to the next one; otherwise it ends at the first comma or at the end of the line
// (trailing blanks dropped).
QString field(const QString& line);
} // namespace settings_line

} // namespace korvel
