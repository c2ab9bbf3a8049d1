#pragma once
// The QSO rate on the desk: QSOs per hour over the last 10 QSOs and over the last 60
// minutes, and the time since the last QSO, from the times of the latest stored QSOs. The
// times are read from the log when it changes; the figures are worked out from them and the
// clock, without the log.

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace korvel {

class RateMeter {
public:
    // QSO times kept. More than any station logs in an hour, so that the hour's rate is
    // never cut short by what is kept.
    static constexpr int kKept = 1000;

    struct Figures {
        int last10 = 0;   // QSOs per hour over the last 10 QSOs (or as many as there are)
        int lastHour = 0; // QSOs of the last 60 minutes
        std::optional<qint64> sinceLast; // seconds since the last QSO
    };

    // The times of the latest QSOs, in any order; invalid ones are left out.
    void setTimes(std::vector<QDateTime> times);
    // The time of one more QSO.
    void add(const QDateTime& time);
    Figures figures(const QDateTime& now) const;
    // "RATE 120/h (10)  45/h (60 min)  LAST 02:13"
    static QString text(const Figures& f);

private:
    std::vector<QDateTime> times_; // the newest first
};

} // namespace korvel
