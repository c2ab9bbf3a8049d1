// A key script run end to end through the setup screen and the desk, as "korvel replay"
// runs it, on a data folder whose reference database was built once. Each input starts
// from an empty log and no settings files. A script runs to its end or stops with a script
// error; the data folder stays usable.
#include "app/replay.h"
#include "tests/fuzz/fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdlib>

using namespace korvel;

namespace {

// Everything of the data folder but the reference database goes before each input.
void clearDataFolder(const QString& dir) {
    const QDir d(dir);
    for (const QFileInfo& e :
         d.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (e.fileName() == QLatin1String("DbsKorvel.mdb")) continue;
        if (e.isDir())
            QDir(e.filePath()).removeRecursively();
        else
            QFile::remove(e.filePath());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::application();
    static const QString dataDir = fuzz::scratch().filePath(QStringLiteral("data"));
    static const QString scriptPath = fuzz::scratch().filePath(QStringLiteral("input.script"));
    clearDataFolder(dataDir);
    {
        QFile f(scriptPath);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = runReplay(dataDir, scriptPath, outStream, errStream);
    if (code != 0 && code != 2) {
        QTextStream(stderr) << err;
        std::abort();
    }
    return 0;
}
