// The rate picture's hours: QSOs per clock hour by band with the running total, every hour
// from the first QSO's to the last's, empty ones with zeros.
#include "review/rate_chart_model.h"

#include <gtest/gtest.h>

using namespace korvel;

namespace {

store::QsoRow qso(const char* date, const char* utc, const char* band) {
    store::QsoRow r;
    r.callsign = QStringLiteral("DL1ABC");
    r.data = QLatin1String(date);
    r.utc = QLatin1String(utc);
    r.bnd = QLatin1String(band);
    return r;
}

QDateTime hour(int day, int h) {
    return QDateTime(QDate(2026, 11, day), QTime(h, 0), Qt::UTC);
}

TEST(RateChartHours, BucketsByClockHourAcrossMidnightWithEmptyHours) {
    EXPECT_TRUE(review::rateByHour({}).empty());
    EXPECT_TRUE(review::rateByHour({qso("x", "y", "20")}).empty());
    // Rows typed in off-line are not in time order: the hours still are.
    const std::vector<store::QsoRow> log = {
        qso("15.11.26", "03:05", "20"),  qso("14.11.26", "22:10", "80"),
        qso("14.11.26", "22:59", "40"),  qso("14.11.26", "23:59", "160"),
        qso("15.11.26", "00:00", "160"), qso("15.11.26", "00:30", "80"),
        qso("15.11.26", "03:06", "6"),  // no band of the six: left out
        qso("15.11.26", "25:00", "20"), // no time: left out
        qso("15.11.26", " ", "20"),     // the same
    };
    const std::vector<review::RateHour> hours = review::rateByHour(log);
    const struct {
        QDateTime start;
        std::array<int, 6> perBand; // 10, 15, 20, 40, 80, 160 m
        int total, running;
    } want[] = {
        {hour(14, 22), {0, 0, 0, 1, 1, 0}, 2, 2},
        {hour(14, 23), {0, 0, 0, 0, 0, 1}, 1, 3}, // 23:59 and 00:00 in different hours
        {hour(15, 0), {0, 0, 0, 0, 1, 1}, 2, 5},
        {hour(15, 1), {}, 0, 5}, // hours without QSOs are there with zeros
        {hour(15, 2), {}, 0, 5},
        {hour(15, 3), {0, 0, 1, 0, 0, 0}, 1, 6},
    };
    ASSERT_EQ(hours.size(), std::size(want));
    for (std::size_t i = 0; i < hours.size(); ++i) {
        EXPECT_EQ(hours[i].start, want[i].start) << i;
        EXPECT_EQ(hours[i].perBand, want[i].perBand) << i;
        EXPECT_EQ(hours[i].total, want[i].total) << i;
        EXPECT_EQ(hours[i].running, want[i].running) << i;
    }
}

TEST(RateChartHours, PictureBesideTheTextLog) {
    EXPECT_EQ(review::rateChartFileBeside(QStringLiteral("/data/LOG/YO9XX_TAC.TXT")),
              QStringLiteral("/data/LOG/YO9XX_TAC_rate.png"));
}

} // namespace
