#include "review/printed_page.h"

namespace korvel::review {

QString pageText(const PrintedPage& page) {
    QString text;
    for (const PrintRow& row : page) {
        QString line;
        for (const PrintCell& c : row.cells) {
            if (line.size() < c.column) line = line.leftJustified(c.column, QLatin1Char(' '));
            line += c.text;
        }
        text += line;
        text += QLatin1Char('\n');
    }
    return text;
}

namespace {

constexpr int kHeadSize = 16;
constexpr int kLineSize = 10;

PrintRow emptyRow(int size) {
    return {size, {}};
}

} // namespace

void PrintedLogWriter::beginPage() {
    PrintedPage& page = document_.pages.emplace_back();
    for (int i = 0; i < 3; ++i)
        page.push_back(emptyRow(kHeadSize));
    page.push_back({kHeadSize, {{5, title_}}});
    page.push_back(emptyRow(kHeadSize));
    page.push_back({kLineSize,
                    {{5, QStringLiteral("Nr.")},
                     {10, QStringLiteral("Date")},
                     {24, QStringLiteral("Time")},
                     {33, QStringLiteral("Mode")},
                     {40, QStringLiteral("Callsign")},
                     {55, QStringLiteral("Sent")},
                     {69, QStringLiteral("Rcvd")},
                     {84, QStringLiteral("Band")},
                     {91, QStringLiteral("Multi")},
                     {99, QStringLiteral("Pts")}}});
    page.push_back(emptyRow(kLineSize));
    linesOnPage_ = 0;
}

void PrintedLogWriter::header(LineWriter&) {
    document_.pages.clear();
    beginPage();
}

void PrintedLogWriter::line(const ExportRecord& r, LineWriter&) {
    if (linesOnPage_ == kQsoLinesPerPage) beginPage();
    document_.pages.back().push_back({kLineSize,
                                      {{5, r.number.trimmed()},
                                       {10, r.date.trimmed()},
                                       {24, r.time.trimmed()},
                                       {33, r.mode.trimmed()},
                                       {40, r.call.trimmed()},
                                       {53, r.sent.trimmed()},
                                       {67, r.received.trimmed()},
                                       {82, r.band.trimmed()},
                                       {89, r.mult.trimmed()},
                                       {99, r.points.trimmed()}}});
    ++linesOnPage_;
}

void PrintedLogWriter::closing(LineWriter&) {
    const Totals t = totals_ ? totals_() : Totals{};
    PrintedPage& page = document_.pages.back();
    page.push_back(emptyRow(kLineSize));
    page.push_back({kLineSize,
                    {{50, QStringLiteral("TOTAL")},
                     {84, QString::number(t.mults)},
                     {90, QString::number(t.points)}}});
}

} // namespace korvel::review
