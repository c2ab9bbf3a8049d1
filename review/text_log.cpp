#include "review/text_log.h"

namespace korvel::review {

void putAt(QString& line, int column, const QString& text) {
    if (line.size() < column - 1) line = line.leftJustified(column - 1, QLatin1Char(' '));
    line += text;
}

QString atColumns(std::initializer_list<std::pair<const char*, int>> texts) {
    QString line;
    for (const auto& [text, column] : texts)
        putAt(line, column, QLatin1String(text));
    return line;
}

QString textLogRecord(const ExportRecord& r, bool band, bool pointsGap) {
    QString line;
    line.reserve(96);
    line += r.date;
    line += r.time;
    line += r.mode;
    if (band) line += r.band.trimmed() + QLatin1String("  ");
    line += r.call;
    line += r.sent;
    line += r.received;
    line += r.mult;
    if (pointsGap) line += QLatin1String("  ");
    line += r.points;
    return line;
}

namespace {
void headLines(const QString& myCall, const QString& contestText, LineWriter& out) {
    out.line(myCall.trimmed() + QLatin1String("  ") + contestText);
    out.line(QString());
}
} // namespace

void TextLogWriter::header(LineWriter& out) {
    headLines(myCall_, contestText_, out);
    if (bandColumn_)
        out.line(atColumns({{"DATA", 1},
                            {"UTC", 13},
                            {"Mod", 19},
                            {"Bnd", 23},
                            {"CALLSIGN", 27},
                            {"SENT", 39},
                            {"RCVD", 51},
                            {"MLT", 63},
                            {"PCT", 70}}));
    else
        out.line(atColumns({{"DATA", 1},
                            {"UTC", 13},
                            {"Mod", 19},
                            {"CALLSIGN", 23},
                            {"SENT", 35},
                            {"RCVD", 47},
                            {"MLT", 59},
                            {"PCT", 64}}));
}

void TextLogWriter::line(const ExportRecord& record, LineWriter& out) {
    out.line(textLogRecord(record, bandColumn_, pointsGap_));
}

void TextLogWriter::closing(LineWriter& out) {
    const Totals t = totals_ ? totals_() : Totals{};
    QString total = QStringLiteral("TOTAL");
    putAt(total, 62, QString::number(t.mults));
    putAt(total, 66, QString::number(t.points));
    out.line(total);
}

void TextArchiveWriter::header(LineWriter& out) {
    headLines(myCall_, contestText_, out);
    out.line(atColumns({{"DATA", 1},
                        {"UTC", 13},
                        {"Mod", 19},
                        {"Bnd", 23},
                        {"CALLSIGN", 27},
                        {"SENT", 37},
                        {"RCVD", 49},
                        {"MLT", 63},
                        {"PCT", 68}}));
}

void TextArchiveWriter::line(const ExportRecord& record, LineWriter& out) {
    out.line(textLogRecord(record, true, pointsGap_));
}

} // namespace korvel::review
