#include "review/rate_chart_model.h"

#include <QDir>
#include <QFileInfo>

#include <map>

namespace korvel::review {

QDateTime qsoTime(const QString& date, const QString& utc) {
    QDate d = QDate::fromString(date.trimmed(), QStringLiteral("dd.MM.yy"));
    const QTime t = QTime::fromString(utc.trimmed(), QStringLiteral("HH:mm"));
    if (!d.isValid() || !t.isValid()) return {};
    if (d.year() < 2000) d = d.addYears(100);
    return QDateTime(d, t, Qt::UTC);
}

std::vector<RateHour> rateByHour(const std::vector<store::QsoRow>& rows) {
    std::map<QDateTime, std::array<int, 6>> counted;
    for (const store::QsoRow& r : rows) {
        const QDateTime t = qsoTime(r.data, r.utc);
        const int band = bandIndex(r.bnd.trimmed().toInt());
        if (!t.isValid() || band < 0) continue;
        const QDateTime hour(t.date(), QTime(t.time().hour(), 0), Qt::UTC);
        ++counted[hour][static_cast<std::size_t>(band)];
    }
    std::vector<RateHour> hours;
    if (counted.empty()) return hours;
    int running = 0;
    const QDateTime last = counted.rbegin()->first;
    for (QDateTime h = counted.begin()->first; h <= last; h = h.addSecs(3600)) {
        RateHour hour;
        hour.start = h;
        if (const auto it = counted.find(h); it != counted.end()) hour.perBand = it->second;
        for (int n : hour.perBand)
            hour.total += n;
        running += hour.total;
        hour.running = running;
        hours.push_back(hour);
    }
    return hours;
}

QString rateChartFileBeside(const QString& textLogPath) {
    const QFileInfo f(textLogPath);
    return f.dir().filePath(f.completeBaseName() + QStringLiteral("_rate.png"));
}

} // namespace korvel::review
