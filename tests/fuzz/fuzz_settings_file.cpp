// The settings reader on any file content: both layouts, read into a state that already
// holds values; a file it read must write back.
#include "core/settings_file.h"
#include "tests/fuzz/fuzz_support.h"

#include <QFile>

#include <cstdlib>

using namespace korvel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString path = fuzz::scratch().filePath(QStringLiteral("KorvelInit.dat"));
    static const QString copy = fuzz::scratch().filePath(QStringLiteral("KorvelInit.copy"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    SharedState state;
    state.MyCall = QStringLiteral("YO9XX");
    const SettingsReadResult init = readInitFile(state, path);
    const SettingsReadResult cw = readCwTextFile(state, path);
    if (!init.found || !cw.found || init.fieldsRead > kInitFileLines ||
        cw.fieldsRead > kCwFileLines)
        std::abort();
    // What was read is written and read back the same.
    if (!writeInitFile(state, copy).ok) std::abort();
    SharedState back;
    if (readInitFile(back, copy).fieldsRead != kInitFileLines) std::abort();
    return 0;
}
