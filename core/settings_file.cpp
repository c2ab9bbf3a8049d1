#include "core/settings_file.h"

#include "platform/files.h"
#include "core/paths.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <functional>
#include <vector>

namespace korvel {

namespace settings_line {

QString quoted(const QString& text) {
    QString clean = text;
    clean.replace(QLatin1Char('"'), QLatin1Char('\''));
    return QLatin1Char('"') + clean + QLatin1Char('"');
}

QString integer(long long value) {
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value) +
           QLatin1Char(' ');
}

QString field(const QString& line) {
    qsizetype i = 0;
    while (i < line.size() && line[i] == QLatin1Char(' '))
        ++i;
    if (i < line.size() && line[i] == QLatin1Char('"')) {
        const qsizetype end = line.indexOf(QLatin1Char('"'), i + 1);
        return end < 0 ? line.mid(i + 1) : line.mid(i + 1, end - i - 1);
    }
    qsizetype end = line.indexOf(QLatin1Char(','), i);
    if (end < 0) end = line.size();
    QString value = line.mid(i, end - i);
    while (!value.isEmpty() && value.back().isSpace())
        value.chop(1);
    return value;
}

} // namespace settings_line

namespace {

// One line of a settings file: how to read it into the state and how to write it.
struct LineField {
    // Returns false when the text cannot be taken (an integer that is not a number).
    std::function<bool(SharedState&, const QString&)> read;
    std::function<QString(const SharedState&)> write;
};

LineField text(QString SharedState::*m) {
    return {[m](SharedState& s, const QString& v) {
                s.*m = v;
                return true;
            },
            [m](const SharedState& s) { return settings_line::quoted(s.*m); }};
}

LineField number(int SharedState::*m) {
    return {[m](SharedState& s, const QString& v) {
                bool ok = false;
                const int n = v.trimmed().toInt(&ok);
                if (ok) s.*m = n;
                return ok;
            },
            [m](const SharedState& s) { return settings_line::integer(s.*m); }};
}

LineField timeOffset() {
    return {[](SharedState& s, const QString& v) {
                bool numeric = false;
                const double n = v.trimmed().toDouble(&numeric);
                s.TimeOffset = numeric ? QVariant(n) : QVariant(v);
                return true;
            },
            [](const SharedState& s) { return settings_line::quoted(s.TimeOffset.toString()); }};
}

const std::vector<LineField>& initLines() {
    static const std::vector<LineField> lines = {
        text(&SharedState::MyCall),
        timeOffset(),
        text(&SharedState::LookupCnt),
        text(&SharedState::MyZone),
        text(&SharedState::MyPrfx),
        text(&SharedState::MyBezirk),
        text(&SharedState::SummaryOperators),
        text(&SharedState::SummaryOpName),
        number(&SharedState::SummaryOperatorCount),
        text(&SharedState::SummaryQTH),
        text(&SharedState::SummaryAddress),
        text(&SharedState::SummaryTx),
        text(&SharedState::SummaryRx),
        text(&SharedState::SummaryAnt1),
        text(&SharedState::SummaryAnt2),
        text(&SharedState::SummaryAnt3),
        text(&SharedState::SummaryAnt4),
        text(&SharedState::SummaryAnt5),
        text(&SharedState::MyQRA),
    };
    return lines;
}

const std::vector<LineField>& cwLines() {
    static const std::vector<LineField> lines = [] {
        std::vector<LineField> l;
        for (auto m : {&SharedState::CwTextF1, &SharedState::CwTextF2, &SharedState::CwTextF3,
                       &SharedState::CwTextF4, &SharedState::CwTextF5, &SharedState::CwTextF6,
                       &SharedState::CwTextF7, &SharedState::CwTextF8, &SharedState::CwTextF9,
                       &SharedState::CwTextF10, &SharedState::CwTextF11})
            l.push_back(text(m));
        l.push_back(number(&SharedState::ComPort));
        return l;
    }();
    return lines;
}

SettingsReadResult readLines(SharedState& state, const QString& path,
                             const std::vector<LineField>& layout) {
    SettingsReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return result;
    result.found = true;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    for (const LineField& f : layout) {
        QString line;
        if (!in.readLineInto(&line)) break; // a short file: the rest keep their values
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (!f.read(state, settings_line::field(line))) {
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

SettingsWriteResult writeLines(const SharedState& state, const QString& path,
                               const std::vector<LineField>& layout) {
    SettingsWriteResult result;
    QByteArray bytes;
    for (const LineField& f : layout)
        bytes += f.write(state).toUtf8() + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        result.error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace

QString initFilePath(const SharedState& state) {
    return childPath(state.AppDir, QStringLiteral("KorvelInit.dat"));
}

QString cwTextFilePath(const SharedState& state) {
    return childPath(state.AppDir, QStringLiteral("KorvelTextCw.dat"));
}

SettingsReadResult readInitFile(SharedState& state, const QString& path) {
    return readLines(state, path, initLines());
}

SettingsWriteResult writeInitFile(const SharedState& state, const QString& path) {
    return writeLines(state, path, initLines());
}

SettingsReadResult readCwTextFile(SharedState& state, const QString& path) {
    return readLines(state, path, cwLines());
}

SettingsWriteResult writeCwTextFile(const SharedState& state, const QString& path) {
    return writeLines(state, path, cwLines());
}

} // namespace korvel
