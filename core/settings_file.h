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
// read keep the values they had. A line that is not text (invalid UTF-8, or a control
// character other than tab, CR and LF) is such a line: it is named with its number. A line
// longer than kMaxSettingsLineBytes is cut to that length with a warning and read.
//
// A file that exists but cannot be read (no permission, a folder in its place) is not a
// missing file: the result says so and why, and the writers keep it unless told that the
// operator replaces it on purpose. Writing goes to a temporary file that replaces the old
// one only when complete, so a failed write never leaves a half-written file behind.

#include "core/shared_state.h"

#include <QString>
#include <QStringList>

namespace korvel {

inline constexpr int kInitFileLines = 19;
inline constexpr int kCwFileLines = 12;

QString initFilePath(const SharedState& state);   // AppDir + "KorvelInit.dat"
QString cwTextFilePath(const SharedState& state); // AppDir + "KorvelTextCw.dat"

inline constexpr int kMaxSettingsLineBytes = 4096;

struct SettingsReadResult {
    int fieldsRead = 0;      // how many lines were taken into the state
    bool found = false;      // the file exists and was opened for reading
    bool unreadable = false; // the file exists but cannot be read: `error` says why
    QString error;           // for an unreadable file: its name and the reason
    QStringList warnings;    // file and line of each line cut or not read, in file order
};

// Whether a write may replace a file that exists but cannot be read.
enum class ReplaceUnreadable {
    No,  // keep it: the write fails with `refused` set
    Yes, // the operator saves on purpose over the file
};

struct SettingsWriteResult {
    bool ok = false;
    bool refused = false; // an unreadable file was kept (ReplaceUnreadable::No)
    QString error;        // what went wrong, with the file name, for the operator
};

SettingsReadResult readInitFile(SharedState& state, const QString& path);
SettingsWriteResult writeInitFile(const SharedState& state, const QString& path,
                                  ReplaceUnreadable replace = ReplaceUnreadable::No);
SettingsReadResult readCwTextFile(SharedState& state, const QString& path);
SettingsWriteResult writeCwTextFile(const SharedState& state, const QString& path,
                                    ReplaceUnreadable replace = ReplaceUnreadable::No);

// Why a file that exists cannot be read ("is a folder", the system's reason); empty when
// it can be read or does not exist at all.
QString unreadableReason(const QString& path);

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
