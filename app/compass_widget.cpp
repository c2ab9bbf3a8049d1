#include "app/compass_widget.h"

#include "scoring/geo.h"

#include <QPainter>

namespace korvel {

CompassWidget::CompassWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Compass"));
    setMinimumSize(80, 80);
}

void CompassWidget::setHeading(int degrees) {
    if (degrees == heading_) return;
    heading_ = degrees;
    update();
}

void CompassWidget::paintEvent(QPaintEvent*) {
    const double size = std::min(width(), height());
    const scoring::CompassGeometry g = scoring::compassGeometry(std::max(heading_, 0), size);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate((width() - size) / 2.0, (height() - size) / 2.0);
    const QPointF centre(g.centre.x, g.centre.y);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
    p.drawEllipse(centre, g.outerRadius, g.outerRadius);
    p.drawEllipse(centre, g.innerRadius, g.innerRadius);
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(std::max(7.0, size / 12.0));
    p.setFont(f);
    const auto letter = [&](const scoring::Point& at, const QString& text) {
        QRectF box(at.x - size / 8, at.y - size / 8, size / 4, size / 4);
        p.drawText(box, Qt::AlignCenter, text);
    };
    letter(g.north, QStringLiteral("N"));
    letter(g.east, QStringLiteral("E"));
    letter(g.south, QStringLiteral("S"));
    letter(g.west, QStringLiteral("W"));
    if (heading_ >= 0) {
        p.setPen(QPen(QColor(255, 0, 0), 2.5));
        p.drawLine(centre, QPointF(g.headingEnd.x, g.headingEnd.y));
    }
}

} // namespace korvel
