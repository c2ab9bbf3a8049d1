#include "core/station_settings.h"

#include "platform/files.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <functional>
#include <vector>

namespace korvel {

namespace {

using settings_line::field;
using settings_line::integer;
using settings_line::quoted;

struct Line {
    std::function<bool(StationSettings&, const QString&)> read;
    std::function<QString(const StationSettings&)> write;
};

Line text(QString StationSettings::*m) {
    return {[m](StationSettings& s, const QString& v) {
                s.*m = v;
                return true;
            },
            [m](const StationSettings& s) { return quoted(s.*m); }};
}

Line number(int StationSettings::*m) {
    return {[m](StationSettings& s, const QString& v) {
                bool ok = false;
                const int n = v.trimmed().toInt(&ok);
                if (ok) s.*m = n;
                return ok;
            },
            [m](const StationSettings& s) { return integer(s.*m); }};
}

// A switch is written as 100 (on) or 0 (off), like the flags of the shared state.
Line flag(bool StationSettings::*m) {
    return {[m](StationSettings& s, const QString& v) {
                bool ok = false;
                const int n = v.trimmed().toInt(&ok);
                if (ok) s.*m = n == 100;
                return ok;
            },
            [m](const StationSettings& s) { return integer(s.*m ? 100 : 0); }};
}

// The node list on one line, the nodes separated by blanks.
Line nodes() {
    return {[](StationSettings& s, const QString& v) {
                s.clusterNodes = v.split(QLatin1Char(' '), Qt::SkipEmptyParts);
                return true;
            },
            [](const StationSettings& s) { return quoted(s.clusterNodes.join(QLatin1Char(' '))); }};
}

const std::vector<Line>& layout() {
    static const std::vector<Line> lines = {
        flag(&StationSettings::rigOn),
        number(&StationSettings::rigModel),
        text(&StationSettings::rigDevice),
        number(&StationSettings::rigSerialSpeed),
        text(&StationSettings::rigHost),
        number(&StationSettings::rigPort),
        number(&StationSettings::rigPollMs),
        flag(&StationSettings::clusterOn),
        nodes(),
        number(&StationSettings::clusterNode),
        number(&StationSettings::spotMinutes),
        flag(&StationSettings::cwDaemonOn),
        text(&StationSettings::cwDaemonHost),
        number(&StationSettings::cwDaemonPort),
        number(&StationSettings::cwDaemonWeighting),
    };
    return lines;
}

} // namespace

QString stationFilePath(const QString& dataDir) {
    return childPath(dataDir, QStringLiteral("KorvelStation.dat"));
}

StationReadResult readStationFile(StationSettings& settings, const QString& path) {
    StationReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return result;
    result.found = true;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    for (const Line& l : layout()) {
        QString line;
        if (!in.readLineInto(&line)) break;
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (!l.read(settings, field(line))) {
            result.warning = QStringLiteral("%1, line %2: cannot read \"%3\"")
                                 .arg(path)
                                 .arg(result.fieldsRead + 1)
                                 .arg(line);
            break;
        }
        ++result.fieldsRead;
    }
    return result;
}

QString writeStationFile(const StationSettings& settings, const QString& path) {
    QByteArray bytes;
    for (const Line& l : layout())
        bytes += l.write(settings).toUtf8() + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

bool splitNode(const QString& node, QString* host, int* port) {
    const qsizetype colon = node.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0) return false;
    bool ok = false;
    const int p = node.mid(colon + 1).toInt(&ok);
    if (!ok || p < 1 || p > 65535) return false;
    *host = node.left(colon).trimmed();
    *port = p;
    return !host->isEmpty();
}

} // namespace korvel
