#pragma once
// "korvel replay --dir DATA SCRIPT": runs a key script against the screens with the
// databases in DATA and writes what it shows to standard output.

#include <QString>

#include <functional>

class QTextStream;

namespace korvel {

struct SharedState;
class DeskForm;

// Called once the script ran to its end, with the desk when the script opened one.
using ReplayEnd = std::function<void(SharedState&, DeskForm*)>;

// Returns the process exit code: 0 when the script ran to its end, 2 for a script error
// (named with its line on `err`), 1 when the data folder or the databases fail.
int runReplay(const QString& dataDir, const QString& scriptPath, QTextStream& out, QTextStream& err,
              const ReplayEnd& atEnd = {});

} // namespace korvel
