#include "review/export_pass.h"

#include "review/fixed_width.h"

#include <QSaveFile>

namespace korvel::review {

ExportRecord exportRecord(const store::QsoRow& row, std::int64_t number) {
    ExportRecord r;
    r.number = fixedWidth(QString::number(number), 4);
    r.call = fixedWidth(row.callsign, 12);
    r.date = fixedWidth(row.data, 12);
    r.time = fixedWidth(row.utc, 6);
    r.band = row.bnd;
    r.sent = fixedWidth(row.sent, 12);
    r.received = fixedWidth(row.rcvd, 12);
    r.mode = fixedWidth(row.md, 4);
    r.mult = fixedWidth(row.mlt.isEmpty() ? QStringLiteral(" ") : row.mlt, 5);
    r.points = fixedWidth(row.pct, 8);
    return r;
}

namespace {
bool isSsb(const QString& mode) {
    return mode.trimmed() == QLatin1String("SSB");
}
} // namespace

QString reportOf(const QString& field, const QString& mode) {
    return field.trimmed().left(isSsb(mode) ? 2 : 3);
}

QString exchangeOf(const QString& field, const QString& mode) {
    return field.trimmed().mid(isSsb(mode) ? 3 : 4);
}

namespace {
constexpr qsizetype kBlock = 64 * 1024;
}

void LineWriter::line(const QString& text) {
    if (!ok()) return;
    held_ += text.toUtf8();
    held_ += "\r\n";
    if (held_.size() >= kBlock) flush();
}

void LineWriter::flush() {
    if (held_.isEmpty() || !ok()) return;
    if (device_.write(held_) != held_.size())
        error_ = device_.errorString().isEmpty() ? QStringLiteral("write failed")
                                                 : device_.errorString();
    held_.clear();
}

PassResult runExportPass(store::ReviewQueries& queries, FormatWriter& writer, QIODevice& out) {
    PassResult result;
    LineWriter lines(out);
    writer.header(lines);
    lines.flush();
    const std::map<std::int64_t, std::int64_t> freqs = queries.qsoFreqs();
    const bool read = !lines.ok() || queries.forEachQso([&](const store::QsoRow& row) {
        ExportRecord record = exportRecord(row, result.qsos + 1);
        if (const auto f = freqs.find(row.id); f != freqs.end()) record.kHz = f->second;
        writer.line(record, lines);
        if (!lines.ok()) return false;
        ++result.qsos;
        return true;
    });
    if (read) writer.closing(lines);
    lines.flush();
    result.ok = read && lines.ok();
    if (!read)
        result.error = QStringLiteral("the log cannot be read: ") + queries.lastError();
    else if (!lines.ok())
        result.error = lines.error();
    return result;
}

PassResult exportToFile(store::ReviewQueries& queries, FormatWriter& writer, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        PassResult r;
        r.error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return r;
    }
    PassResult r = runExportPass(queries, writer, file);
    if (!r.ok) {
        file.cancelWriting();
        r.error = QStringLiteral("%1: %2").arg(path, r.error);
        return r;
    }
    if (!file.commit()) {
        r.ok = false;
        r.error = QStringLiteral("%1: %2").arg(path, file.errorString());
    }
    return r;
}

QString writeLinesToFile(const QStringList& lines, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    QString error;
    {
        LineWriter out(file);
        for (const QString& line : lines)
            out.line(line);
        out.flush();
        error = out.error();
    }
    if (!error.isEmpty()) {
        file.cancelWriting();
        return QStringLiteral("%1: %2").arg(path, error);
    }
    if (!file.commit()) return QStringLiteral("%1: %2").arg(path, file.errorString());
    return QString();
}

} // namespace korvel::review
