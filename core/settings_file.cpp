#include "core/settings_file.h"

#include "core/paths.h"
#include "platform/files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

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
    // Kept as typed ("+02" reads back as "+02"); read as a number only where one is needed.
    return {[](SharedState& s, const QString& v) {
                s.TimeOffset = v;
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

// One line of the file without its line end, cut to kMaxSettingsLineBytes (at a character
// boundary); the rest of a longer line is skipped without being kept. False at the end.
bool readRawLine(QFile& file, QByteArray& line, bool& cut) {
    cut = false;
    if (file.atEnd()) return false;
    // Room for a line of the longest length and its CR LF.
    char buf[kMaxSettingsLineBytes + 3];
    const qint64 n = file.readLine(buf, sizeof buf);
    if (n < 0) return false;
    line = QByteArray(buf, n);
    if (line.endsWith('\n')) {
        line.chop(1);
    } else if (!file.atEnd()) {
        cut = true;
        char skip[16384];
        while (!file.atEnd()) {
            const qint64 m = file.readLine(skip, sizeof skip);
            if (m <= 0 || skip[m - 1] == '\n') break;
        }
    }
    if (line.endsWith('\r')) line.chop(1);
    if (line.size() > kMaxSettingsLineBytes) {
        cut = true;
        qsizetype at = kMaxSettingsLineBytes;
        while (at > 0 && (static_cast<uchar>(line[at]) & 0xC0) == 0x80)
            --at; // back to the first byte of the character that does not fit
        line.truncate(at);
    }
    return true;
}

// Why the bytes of a line are not text, or empty when they are.
QString notTextReason(const QByteArray& bytes, QString& text) {
    QStringDecoder decode(QStringDecoder::Utf8);
    text = decode(bytes);
    if (decode.hasError()) return QStringLiteral("not valid UTF-8");
    for (const QChar c : std::as_const(text))
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\t') &&
            c != QLatin1Char('\r'))
            return QStringLiteral("the control character U+%1")
                .arg(
                    QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    return {};
}

SettingsReadResult readLines(SharedState& state, const QString& path,
                             const std::vector<LineField>& layout) {
    SettingsReadResult result;
    if (const QString why = unreadableReason(path); !why.isEmpty()) {
        result.unreadable = true;
        result.error = QStringLiteral("%1 cannot be read: %2").arg(path, why);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return result; // not there
    result.found = true;
    QByteArray bytes;
    bool cut = false;
    for (const LineField& f : layout) {
        if (!readRawLine(file, bytes, cut)) break; // a short file: the rest keep their values
        const int lineNo = result.fieldsRead + 1;
        if (cut)
            result.warnings << QStringLiteral("%1, line %2: longer than %3 bytes, cut")
                                   .arg(path)
                                   .arg(lineNo)
                                   .arg(kMaxSettingsLineBytes);
        QString line;
        if (const QString why = notTextReason(bytes, line); !why.isEmpty()) {
            result.warnings << QStringLiteral("%1, line %2 is not text (%3): read up to line %4")
                                   .arg(path)
                                   .arg(lineNo)
                                   .arg(why)
                                   .arg(lineNo - 1);
            break;
        }
        if (!f.read(state, settings_line::field(line))) {
            result.warnings << QStringLiteral("%1, line %2: cannot read \"%3\"")
                                   .arg(path)
                                   .arg(lineNo)
                                   .arg(line);
            break;
        }
        ++result.fieldsRead;
    }
    return result;
}

SettingsWriteResult writeLines(const SharedState& state, const QString& path,
                               const std::vector<LineField>& layout, ReplaceUnreadable replace) {
    SettingsWriteResult result;
    if (replace == ReplaceUnreadable::No) {
        if (const QString why = unreadableReason(path); !why.isEmpty()) {
            result.refused = true;
            result.error =
                QStringLiteral("%1 cannot be read (%2): it is kept, the settings were not written")
                    .arg(path, why);
            return result;
        }
    }
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

QString unreadableReason(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink() && !info.exists())
        return QStringLiteral("it points to %1, which does not exist").arg(info.symLinkTarget());
    if (!info.exists()) return {};
    if (info.isDir()) return QStringLiteral("it is a folder");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return file.errorString();
    return {};
}

QString initFilePath(const SharedState& state) {
    return childPath(state.AppDir, QStringLiteral("KorvelInit.dat"));
}

QString cwTextFilePath(const SharedState& state) {
    return childPath(state.AppDir, QStringLiteral("KorvelTextCw.dat"));
}

SettingsReadResult readInitFile(SharedState& state, const QString& path) {
    return readLines(state, path, initLines());
}

SettingsWriteResult writeInitFile(const SharedState& state, const QString& path,
                                  ReplaceUnreadable replace) {
    return writeLines(state, path, initLines(), replace);
}

SettingsReadResult readCwTextFile(SharedState& state, const QString& path) {
    return readLines(state, path, cwLines());
}

SettingsWriteResult writeCwTextFile(const SharedState& state, const QString& path,
                                    ReplaceUnreadable replace) {
    return writeLines(state, path, cwLines(), replace);
}

} // namespace korvel
