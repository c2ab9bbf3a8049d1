#include "app/session.h"

#include "core/paths.h"
#include "core/settings_file.h"
#include "platform/files.h"

#include <QDir>

namespace korvel {

StartReport startSession(Session& session, const QString& appDir) {
    StartReport report;
    SharedState& s = session.state;
    s.AppDir = QDir::cleanPath(appDir.isEmpty() ? defaultAppDir() : QDir(appDir).absolutePath());
    s.DataDir = deriveDataDir(s.AppDir);
    for (const QString& dir : {s.AppDir, s.DataDir}) {
        QString err = makeFolder(dir);
        if (err.isEmpty()) err = store::folderWriteError(dir);
        if (!err.isEmpty()) {
            report.folderError = err;
            return report;
        }
    }
    const SettingsReadResult init = readInitFile(s, initFilePath(s));
    s.MyCont = s.LookupCnt;
    const SettingsReadResult cw = readCwTextFile(s, cwTextFilePath(s));
    for (const SettingsReadResult* r : {&init, &cw}) {
        if (r->unreadable) report.warnings << r->error;
        report.warnings += r->warnings;
    }

    const store::OpenReport opened = store::openDatabases(s.DataDir, session.dbs);
    report.warnings += opened.warnings;
    if (!opened.refRebuilt.isEmpty()) report.notices << opened.refRebuilt;
    if (!opened.refError.isEmpty()) report.databaseError = opened.refError;
    if (!opened.logError.isEmpty())
        report.databaseError +=
            (report.databaseError.isEmpty() ? QString() : QStringLiteral("\n")) + opened.logError;
    if (opened.logDamaged) report.stopError = opened.logError;
    return report;
}

} // namespace korvel
