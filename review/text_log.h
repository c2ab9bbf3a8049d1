#pragma once
// The text log: a head, a column line, one fixed-width record line per QSO and the TOTAL
// line. The text archive saved under a name of the operator's choice has its own column line
// (always with the band) and no TOTAL line.

#include "review/export_pass.h"
#include "review/rescoring.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

namespace korvel::review {

// `text` at the 1-based `column` of `line`: the line is filled with blanks up to it; a line
// already longer pushes the text on.
void putAt(QString& line, int column, const QString& text);

// Each text at its 1-based column; a text that reaches past the next column pushes it on.
QString atColumns(std::initializer_list<std::pair<const char*, int>> texts);

// Date, time, mode, [band and two blanks,] call, sent, received, multiplier, [two blanks,]
// points, each in its fixed width.
QString textLogRecord(const ExportRecord& r, bool band, bool pointsGap);

// The text log of the log folder. Without `bandColumn` the column line and the record lines
// have no band; `totals` gives the totals formed at the end of the pass for the TOTAL line.
class TextLogWriter : public FormatWriter {
public:
    TextLogWriter(QString myCall, QString contestText, bool bandColumn, bool pointsGap,
                  std::function<Totals()> totals)
        : myCall_(std::move(myCall)), contestText_(std::move(contestText)), bandColumn_(bandColumn),
          pointsGap_(pointsGap), totals_(std::move(totals)) {}
    void header(LineWriter& out) override;
    void line(const ExportRecord& record, LineWriter& out) override;
    void closing(LineWriter& out) override;

private:
    QString myCall_;
    QString contestText_;
    bool bandColumn_;
    bool pointsGap_;
    std::function<Totals()> totals_;
};

class TextArchiveWriter : public FormatWriter {
public:
    // `contestText` follows the own call on the first line; `pointsGap` as textLogRecord.
    TextArchiveWriter(QString myCall, QString contestText, bool pointsGap)
        : myCall_(std::move(myCall)), contestText_(std::move(contestText)), pointsGap_(pointsGap) {}
    void header(LineWriter& out) override;
    void line(const ExportRecord& record, LineWriter& out) override;
    void closing(LineWriter&) override {}

private:
    QString myCall_;
    QString contestText_;
    bool pointsGap_;
};

} // namespace korvel::review
