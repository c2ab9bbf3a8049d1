#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace korvel {

QString defaultAppDir() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir(base).filePath(QStringLiteral("korvel"));
}

QString childPath(const QString& dir, const QString& name) {
    QString clean = name;
    while (clean.startsWith(QLatin1Char('\\')) || clean.startsWith(QLatin1Char('/')))
        clean.remove(0, 1);
    const QDir d(dir);
    if (d.exists(clean)) return d.filePath(clean);
    const QStringList entries = d.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& e : entries)
        if (e.compare(clean, Qt::CaseInsensitive) == 0) return d.filePath(e);
    return d.filePath(clean);
}

QString makeFolder(const QString& dir) {
    if (QDir().mkpath(dir) && QFileInfo(dir).isDir()) return {};
    return QStringLiteral("Cannot create the folder %1").arg(dir);
}

} // namespace korvel
