#pragma once
// The compass rose of the desk: two circles, N, E, S, W and the beam heading's line.

#include <QWidget>

namespace korvel {

class CompassWidget : public QWidget {
public:
    explicit CompassWidget(QWidget* parent = nullptr);
    void setHeading(int degrees);
    int heading() const { return heading_; }
    QSize sizeHint() const override { return {120, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int heading_ = -1; // none yet
};

} // namespace korvel
