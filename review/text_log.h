#pragma once
// The text log: a head, a column line, one fixed-width record line per QSO. The text archive
// saved under a name of the operator's choice has its own column line (always with the band)
// and no TOTAL line.

#include "review/export_pass.h"

#include <QString>

#include <initializer_list>
#include <utility>

namespace korvel::review {

// Each text at its 1-based column; a text that reaches past the next column pushes it on.
QString atColumns(std::initializer_list<std::pair<const char*, int>> texts);

// Date, time, mode, [band and two blanks,] call, sent, received, multiplier, [two blanks,]
// points, each in its fixed width.
QString textLogRecord(const ExportRecord& r, bool band, bool pointsGap);

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
