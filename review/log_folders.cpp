#include "review/log_folders.h"

#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korvel::review {

QString exportFolder(const QString& dataDir, const char* name) {
    return childPath(dataDir, QLatin1String(name));
}

FolderResult ensureExportFolder(const QString& dataDir, const char* name) {
    FolderResult r;
    r.path = exportFolder(dataDir, name);
    if (QFileInfo(r.path).isDir()) return r;
    r.error = makeFolder(r.path);
    r.created = r.error.isEmpty();
    return r;
}

QString folderCreatedMessage(const QString& dataDir, const char* name) {
    return QStringLiteral("Folderul ") + dataDir + QLatin1Char('\\') + QLatin1String(name) +
           QStringLiteral(" a fost creiat. Datele se inscriu in folderul nou creiat");
}

QString safeFileName(const QString& text) {
    QString out = text;
    for (QChar& ch : out) {
        const bool asciiLetterOrDigit = ch.unicode() < 128 && ch.isLetterOrNumber();
        if (!asciiLetterOrDigit && ch != QLatin1Char('-')) ch = QLatin1Char('_');
    }
    return out;
}

QString fileCall(const QString& myCall) {
    QString call = myCall.trimmed();
    if (call.endsWith(QLatin1String("/p")) || call.endsWith(QLatin1String("/P"))) call.chop(2);
    if (call.size() >= 2 && call.at(call.size() - 2) == QLatin1Char('/')) call.chop(2);
    if (call.endsWith(QLatin1String("/MM"))) call.chop(3);
    if (call.endsWith(QLatin1String("/QRP"))) call.chop(4);
    if (const qsizetype slash = call.indexOf(QLatin1Char('/')); slash >= 0)
        call = call.mid(slash + 1);
    return safeFileName(call);
}

namespace {
// The contest name and the date come from the catalogue and the settings file: only a folder
// separator is taken out of them.
QString contestAndDate(const QString& contestName, const QString& date) {
    QString rest = contestName + date;
    rest.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return rest;
}
} // namespace

QString exportFileName(const QString& myCall, const QString& contestName, const QString& date,
                       const QString& extension) {
    return fileCall(myCall) + QLatin1Char(' ') + contestAndDate(contestName, date) + extension;
}

QString textLogFileName(const QString& myCall, const QString& contestName, const QString& date,
                        bool namedByBand, const QString& extension) {
    if (namedByBand)
        return fileCall(myCall) + QStringLiteral("100 ") + contestAndDate(contestName, date) +
               extension;
    return exportFileName(myCall, contestName, date, QStringLiteral("LOG ALL") + extension);
}

QStringList stationFileNames(const QString& myCall) {
    const QString call = safeFileName(myCall);
    QStringList names;
    for (const char* suffix : {".EtapA.txt", ".EtapB.txt", ".txt", "10.txt", "15.txt", "20.txt",
                               "40.txt", "80.txt", "160.txt", "LOG ALL.txt", ".CBR", ".STF"})
        names << call + QLatin1String(suffix);
    return names;
}

QStringList clearStationFiles(const QString& folder, const QString& myCall) {
    QStringList failed;
    for (const QString& name : stationFileNames(myCall)) {
        const QString path = childPath(folder, name);
        QFile file(path);
        if (file.exists() && !file.remove())
            failed << path + QStringLiteral(": ") + file.errorString();
    }
    return failed;
}

} // namespace korvel::review
