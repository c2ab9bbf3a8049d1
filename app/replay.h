#pragma once
// "korvel replay --dir DATA SCRIPT": runs a key script against the screens with the
// databases in DATA and writes what it shows to standard output.

#include <QString>

class QTextStream;

namespace korvel {

// Returns the process exit code: 0 when the script ran to its end, 2 for a script error
// (named with its line on `err`), 1 when the data folder or the databases fail.
int runReplay(const QString& dataDir, const QString& scriptPath, QTextStream& out,
              QTextStream& err);

} // namespace korvel
