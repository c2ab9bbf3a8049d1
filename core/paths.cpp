#include "core/paths.h"

#include <QDir>
#include <QFileInfo>

namespace korvel {

QString deriveDataDir(const QString& appDir) {
    const qsizetype p = appDir.lastIndexOf(QLatin1Char(']'));
    if (p < 0) return appDir;
    return appDir.left(2) + appDir.mid(p + 1);
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
