#pragma once
// The summary sheet of a log: the own call and the contest, the twelve station lines the
// operator fills on the review screen, the QSOs, points and multipliers by band, the claimed
// total and the declaration. Written as a text file beside the text log, or printed.

#include "core/shared_state.h"
#include "review/printed_page.h"
#include "review/rescoring.h"

#include <QString>
#include <QStringList>

#include <array>

namespace korvel::review {

inline constexpr int kStationLines = 12;

// The station values in the order of the sheet: section, operator's name, number of
// operators, QTH, address, TX, RX, antennas 1 to 4, club.
using StationValues = std::array<QString, kStationLines>;
StationValues stationValues(const SharedState& state);

struct SummarySheet {
    QString myCall;
    QString title; // the contest's title for this output; empty: none
    QString date;  // the contest date, "dd.mm.yy"
    StationValues station;
    Tallies tallies{}; // by band, recounted from the log
    Totals claimed;
    bool with160 = false; // the band table begins with 1.8 MHz
};

// The summary file, line by line.
QStringList summaryFileLines(const SummarySheet& sheet);

// The printed summary sheet, one page.
PrintedDocument printedSummary(const SummarySheet& sheet);

} // namespace korvel::review
