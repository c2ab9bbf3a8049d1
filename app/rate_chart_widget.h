#pragma once
// The rate picture of the review screen: QSOs per hour over the contest, one bar per hour
// stacked by band, and the running total as a line on its own scale. Shown in a window of
// its own and saved as a PNG file.

#include "review/rate_chart_model.h"

#include <QDialog>
#include <QSize>
#include <QString>

#include <vector>

class QChart;

namespace korvel {

// A new chart of the hours (the caller owns it).
QChart* makeRateChart(const std::vector<review::RateHour>& hours, const QString& title);

// Draws the chart of the hours into a PNG file. Returns an empty text, or why it failed.
QString saveRateChart(const std::vector<review::RateHour>& hours, const QString& title,
                      const QString& path, QSize size = QSize(1200, 600));

class RateChartDialog : public QDialog {
public:
    // `pngPath`: where "Save PNG" writes the picture; empty: it asks for a file.
    RateChartDialog(std::vector<review::RateHour> hours, const QString& title,
                    const QString& pngPath, QWidget* parent = nullptr);
};

} // namespace korvel
