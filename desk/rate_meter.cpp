#include "desk/rate_meter.h"

#include <algorithm>

namespace korvel {

void RateMeter::setTimes(std::vector<QDateTime> times) {
    times.erase(
        std::remove_if(times.begin(), times.end(), [](const QDateTime& t) { return !t.isValid(); }),
        times.end());
    std::sort(times.begin(), times.end(), std::greater<>());
    if (times.size() > static_cast<std::size_t>(kKept)) times.resize(kKept);
    times_ = std::move(times);
}

void RateMeter::add(const QDateTime& time) {
    if (!time.isValid()) return;
    times_.insert(std::upper_bound(times_.begin(), times_.end(), time, std::greater<>()), time);
    if (times_.size() > static_cast<std::size_t>(kKept)) times_.pop_back();
}

RateMeter::Figures RateMeter::figures(const QDateTime& now) const {
    Figures f;
    if (times_.empty()) return f;
    f.sinceLast = std::max<qint64>(0, times_.front().secsTo(now));
    // Over the last 10: the QSOs from the oldest of them to the newest, at least a minute
    // (the times are whole minutes).
    const std::size_t n = std::min<std::size_t>(10, times_.size());
    if (n >= 2) {
        const qint64 span = std::max<qint64>(60, times_[n - 1].secsTo(times_.front()));
        f.last10 = static_cast<int>((static_cast<qint64>(n) * 3600 + span / 2) / span);
    }
    for (const QDateTime& t : times_) {
        if (t.secsTo(now) >= 3600) break;
        ++f.lastHour;
    }
    return f;
}

QString RateMeter::text(const Figures& f) {
    QString since = QStringLiteral("--:--");
    if (f.sinceLast) {
        const qint64 s = *f.sinceLast;
        since = s >= 3600 ? QStringLiteral("%1:%2:%3")
                                .arg(s / 3600)
                                .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                                .arg(s % 60, 2, 10, QLatin1Char('0'))
                          : QStringLiteral("%1:%2")
                                .arg(s / 60, 2, 10, QLatin1Char('0'))
                                .arg(s % 60, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("RATE %1/h (10)  %2/h (60 min)  LAST %3")
        .arg(f.last10)
        .arg(f.lastHour)
        .arg(since);
}

} // namespace korvel
