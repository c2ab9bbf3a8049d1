#include "review/text_log.h"

namespace korvel::review {

QString atColumns(std::initializer_list<std::pair<const char*, int>> texts) {
    QString line;
    for (const auto& [text, column] : texts) {
        if (line.size() < column - 1) line = line.leftJustified(column - 1, QLatin1Char(' '));
        line += QLatin1String(text);
    }
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

void TextArchiveWriter::header(LineWriter& out) {
    out.line(myCall_.trimmed() + QLatin1String("  ") + contestText_);
    out.line(QString());
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
