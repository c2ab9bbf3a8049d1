#include "app/rate_chart_widget.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace korvel {

namespace {

// Band colours: one for each band, in the order of kBands.
const QColor kBandColours[] = {QColor(220, 50, 47), QColor(203, 75, 22),  QColor(181, 137, 0),
                               QColor(133, 153, 0), QColor(38, 139, 210), QColor(108, 113, 196)};

// An axis from 0 with ticks on whole numbers (1, 2 or 5 times a power of ten apart), about
// eight of them at most.
void wholeNumberAxis(QValueAxis* axis, int most) {
    int step = 1;
    for (int base = 1; most > step * 8; base *= 10)
        for (int m : {1, 2, 5}) {
            step = m * base;
            if (most <= step * 8) break;
        }
    axis->setRange(0, std::max(1, (most + step - 1) / step) * step);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%d"));
}

} // namespace

QChart* makeRateChart(const std::vector<review::RateHour>& hours, const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* bars = new QStackedBarSeries;
    for (std::size_t b = 0; b < kBands.size(); ++b) {
        auto* set = new QBarSet(QStringLiteral("%1 m").arg(kBands[b]));
        set->setColor(kBandColours[b]);
        for (const review::RateHour& h : hours)
            *set << h.perBand[b];
        bars->append(set);
    }
    bars->setBarWidth(0.9);
    chart->addSeries(bars);

    auto* running = new QLineSeries;
    running->setName(QStringLiteral("Total"));
    running->setPen(QPen(Qt::black, 2));
    QStringList hourNames;
    int most = 1;
    for (std::size_t i = 0; i < hours.size(); ++i) {
        const review::RateHour& h = hours[i];
        hourNames << h.start.toString(h.start.time().hour() == 0 || i == 0
                                          ? QStringLiteral("dd.MM HH")
                                          : QStringLiteral("HH"));
        running->append(static_cast<qreal>(i), h.running);
        most = std::max(most, h.total);
    }
    chart->addSeries(running);

    auto* x = new QBarCategoryAxis;
    x->append(hourNames);
    x->setTitleText(QStringLiteral("Hour (UTC)"));
    chart->addAxis(x, Qt::AlignBottom);
    bars->attachAxis(x);
    running->attachAxis(x);
    auto* perHour = new QValueAxis;
    wholeNumberAxis(perHour, most);
    perHour->setTitleText(QStringLiteral("QSOs per hour"));
    chart->addAxis(perHour, Qt::AlignLeft);
    bars->attachAxis(perHour);
    auto* total = new QValueAxis;
    wholeNumberAxis(total, hours.empty() ? 1 : hours.back().running);
    total->setTitleText(QStringLiteral("QSOs in all"));
    chart->addAxis(total, Qt::AlignRight);
    running->attachAxis(total);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QString saveRateChart(const std::vector<review::RateHour>& hours, const QString& title,
                      const QString& path, QSize size) {
    // Drawn from a scene of its own: a view that is never shown would not lay the chart out
    // to the picture's size.
    QGraphicsScene scene;
    QChart* chart = makeRateChart(hours, title);
    scene.addItem(chart);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    chart->setGeometry(area);
    if (chart->layout()) chart->layout()->activate();
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, area, area);
    }
    if (!picture.save(path, "PNG")) return QStringLiteral("Cannot write %1").arg(path);
    return {};
}

RateChartDialog::RateChartDialog(std::vector<review::RateHour> hours, const QString& title,
                                 const QString& pngPath, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmRateChart"));
    setWindowTitle(QStringLiteral("RATE CHART"));
    auto* layout = new QVBoxLayout(this);
    auto* view = new QChartView(makeRateChart(hours, title), this);
    view->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view, 1);
    auto* said = new QLabel(this);
    layout->addWidget(said);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* save =
        buttons->addButton(QStringLiteral("Save PNG"), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("CmdSaveRate"));
    connect(save, &QPushButton::clicked, this, [this, hours, title, pngPath, said] {
        const QString path =
            !pngPath.isEmpty()
                ? pngPath
                : QFileDialog::getSaveFileName(this, windowTitle(), QStringLiteral("rate.png"),
                                               QStringLiteral("PNG (*.png)"));
        if (path.isEmpty()) return;
        const QString error = saveRateChart(hours, title, path);
        said->setText(error.isEmpty() ? QStringLiteral("Saved %1").arg(path) : error);
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(900, 500);
}

} // namespace korvel
