#pragma once
// The rate picture of a log: QSOs per clock hour over the contest, by band, with the running
// total. Every hour from the first QSO's to the last QSO's is there, an hour without QSOs
// with zeros.

#include "core/shared_state.h"
#include "store/log_store.h"

#include <QDateTime>

#include <array>
#include <vector>

namespace korvel::review {

struct RateHour {
    QDateTime start;              // the hour's first minute, UTC
    std::array<int, 6> perBand{}; // QSOs in the order of kBands
    int total = 0;                // QSOs of the hour
    int running = 0;              // QSOs up to the end of the hour
};

// The UTC time of a stored QSO ("dd.mm.yy", "hh:mm"); invalid when either is malformed.
// Two-digit years are those of 2000 to 2099.
QDateTime qsoTime(const QString& date, const QString& utc);

// The hours of `rows`. A QSO whose date or time cannot be read, or whose band is none of
// the six, is left out.
std::vector<RateHour> rateByHour(const std::vector<store::QsoRow>& rows);

// The PNG written beside a text log ("LOG.TXT" gives "LOG_rate.png").
QString rateChartFileBeside(const QString& textLogPath);

} // namespace korvel::review
