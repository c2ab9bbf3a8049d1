#pragma once
// "korvel replay --dir DATA SCRIPT": runs a key script against the screens with the
// databases in DATA and writes what it shows to standard output.

#include <QSize>
#include <QString>

#include <functional>

class QTextStream;

namespace korvel {

struct SharedState;
class DeskForm;
class SetupForm;
class ReviewForm;
namespace review {
class PagePrinter;
}

// Called once the script ran to its end, with the screen it ended on: the desk, the setup
// screen or the review screen (the others are null; all are null after EXIT).
using ReplayEnd = std::function<void(SharedState&, DeskForm*, SetupForm*, ReviewForm*)>;

// Returns the process exit code: 0 when the script ran to its end, 2 for a script error
// (named with its line on `err`), 1 when the data folder or the databases fail. The setup
// screen takes `screen` as the size of the display. The review screen prints through
// `printer` (none: nothing can be printed).
int runReplay(const QString& dataDir, const QString& scriptPath, QTextStream& out, QTextStream& err,
              const ReplayEnd& atEnd = {}, QSize screen = QSize(1024, 768),
              review::PagePrinter* printer = nullptr);

} // namespace korvel
