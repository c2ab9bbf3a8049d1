#include "core/paths.h"

#include <QDir>
#include <QFileInfo>

namespace korvel {

QString deriveDataDir(const QString& appDir) {
    const qsizetype p = appDir.lastIndexOf(QLatin1Char(']'));
    if (p < 0) return appDir;
    const QString rest = appDir.mid(p + 1);
    const bool drive = appDir.size() >= 2 && appDir[0].isLetter() && appDir[1] == QLatin1Char(':');
    if (drive) return appDir.left(2) + rest;
    // A folder name of this system: an absolute path is the data folder itself; anything else
    // is a folder below the program folder, never one above or beside it.
    if (rest.startsWith(QLatin1Char('/'))) return QDir::cleanPath(rest);
    QString below = rest;
    below.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString base = QDir::cleanPath(appDir);
    const QString dir = QDir::cleanPath(base + QLatin1Char('/') + below);
    return dir == base || dir.startsWith(base + QLatin1Char('/')) ? dir : base;
}

FolderOutcome createFolder(const QString& dir) {
    const QFileInfo info(dir);
    if (info.isDir()) return FolderOutcome::AlreadyThere;
    if (info.exists() || info.isSymLink()) return FolderOutcome::Failed;
    if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir()) return FolderOutcome::Failed;
    return FolderOutcome::Created;
}

QString bandToText(int band, const QString& current) {
    switch (band) {
    case 10:
    case 15:
    case 20:
    case 40:
    case 80:
    case 160: return QString::number(band);
    default: return current;
    }
}

} // namespace korvel
