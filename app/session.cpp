#include "app/session.h"

#include "platform/files.h"
#include "core/paths.h"
#include "core/settings_file.h"

#include <QDir>

namespace korvel {

StartReport startSession(Session& session, const QString& appDir) {
    StartReport report;
    SharedState& s = session.state;
    s.AppDir = QDir::cleanPath(appDir.isEmpty() ? defaultAppDir() : QDir(appDir).absolutePath());
    s.DataDir = deriveDataDir(s.AppDir);
    for (const QString& dir : {s.AppDir, s.DataDir}) {
        if (QString err = makeFolder(dir); !err.isEmpty()) {
            report.folderError = err;
            return report;
        }
    }
    const SettingsReadResult init = readInitFile(s, initFilePath(s));
    if (!init.warning.isEmpty()) report.warnings << init.warning;
    s.MyCont = s.LookupCnt;
    const SettingsReadResult cw = readCwTextFile(s, cwTextFilePath(s));
    if (!cw.warning.isEmpty()) report.warnings << cw.warning;

    const store::OpenReport opened = store::openDatabases(s.DataDir, session.dbs);
    report.warnings += opened.warnings;
    if (!opened.refError.isEmpty()) report.databaseError = opened.refError;
    if (!opened.logError.isEmpty())
        report.databaseError +=
            (report.databaseError.isEmpty() ? QString() : QStringLiteral("\n")) + opened.logError;
    return report;
}

} // namespace korvel
