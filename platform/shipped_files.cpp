#include "platform/shipped_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The way from the installed executable's folder to the shipped files ("../share/korvel" for
// the usual layout), worked out by the build from the install folders.
#ifndef KORVEL_SHIPPED_FILES_FROM_BIN
#define KORVEL_SHIPPED_FILES_FROM_BIN "../share/korvel"
#endif

namespace korvel {

QString shippedFilesDir(const QString& programDir) {
    return QDir::cleanPath(
        QDir(programDir).filePath(QStringLiteral(KORVEL_SHIPPED_FILES_FROM_BIN)));
}

QString shippedFile(const QString& name, const QString& programDir) {
    if (!programDir.isEmpty()) {
        const QString installed = QDir(shippedFilesDir(programDir)).filePath(name);
        if (QFileInfo(installed).isFile()) return installed;
    }
    return QStringLiteral(":/") + name;
}

QString shippedFile(const QString& name) {
    // Without an application object there is no program folder to go by.
    const QString programDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return shippedFile(name, programDir);
}

} // namespace korvel
