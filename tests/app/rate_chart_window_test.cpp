// The rate picture of the review screen's window: "Format TXT" leaves it as a PNG beside
// the text log, with a bar for every hour of the log.
#include "app/rate_chart_widget.h"
#include "app/review_window.h"
#include "tests/support/review_screen.h"

#include <QBarSet>
#include <QChart>
#include <QFileInfo>
#include <QImage>
#include <QStackedBarSeries>

#include <gtest/gtest.h>

#include <memory>

using namespace korvel;

namespace {

class RateChartWindow : public korvel::testing::ReviewScreen {};

TEST_F(RateChartWindow, FormatTxtSavesThePictureBesideTheTextLog) {
    log({{"DL1ABC", "28.11.26", "12:05", "20", "599 28", "599 28", "CW"},
         {"OK1ABC", "28.11.26", "12:59", "40", "599 28", "599 28", "CW"},
         {"W1AW", "28.11.26", "15:00", "20", "599 28", "599 8", "CW"}});
    s.ContestCode = 200; // IARU-HF offers the text log
    s.ContestName = QStringLiteral("IARU-HF ");
    ReviewWindow window(open());
    run("click mnutxt\ntype a\nkey Enter\ntype ion popescu\nkey Enter\nkey Backspace\ntype 2\n"
        "key Enter\nanswer Yes\nanswer Yes\nclick CmdGata\n");
    window.sync();
    const QString textLog = form->lastExportPath();
    ASSERT_FALSE(textLog.isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    const QString png = review::rateChartFileBeside(textLog);
    EXPECT_EQ(QFileInfo(png).path(), QFileInfo(textLog).path());
    const QImage picture(png);
    ASSERT_FALSE(picture.isNull()) << png.toStdString();
    EXPECT_EQ(picture.size(), QSize(1200, 600));
    // The chart fills the picture: something is drawn near each of its four edges.
    int left = picture.width(), right = 0, top = picture.height(), bottom = 0;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2)
            if (picture.pixelColor(x, y) != Qt::white) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_LT(left, 100);
    EXPECT_GT(right, 1100);
    EXPECT_LT(top, 100);
    EXPECT_GT(bottom, 500);
}

TEST_F(RateChartWindow, OneBarAnHourStackedByBand) {
    review::RateHour a, b;
    a.perBand = {0, 0, 3, 1, 0, 0};
    a.total = a.running = 4;
    b.running = 4;
    std::unique_ptr<QChart> chart(makeRateChart({a, b}, QStringLiteral("t")));
    auto* bars = qobject_cast<QStackedBarSeries*>(chart->series().front());
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->count(), 6);               // a set per band
    EXPECT_EQ(bars->barSets()[2]->count(), 2); // a bar per hour, the empty one too
    EXPECT_EQ(bars->barSets()[2]->at(0), 3);
    EXPECT_EQ(bars->barSets()[3]->at(1), 0);
}

} // namespace
