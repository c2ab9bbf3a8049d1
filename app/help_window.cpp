#include "app/help_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>

namespace korvel {

HelpWindow::HelpWindow(QString dataDir, QWidget* parent)
    : QTextBrowser(parent), dataDir_(std::move(dataDir)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowFlag(Qt::Window);
    setOpenLinks(false);
    resize(560, 420);
}

void HelpWindow::showTopic(HelpLanguage language, int context) {
    const QString path = helpFilePath(dataDir_, language);
    if (path.isEmpty() || context <= 0) return;
    const HelpPage page = helpPage(path, context);
    setHtml(page.html);
    setWindowTitle(QStringLiteral("Korvel help: %1").arg(page.title));
    if (!isVisible()) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus->window() != this) returnTo_ = focus;
        const QWidget* owner = focus ? focus->window() : QApplication::activeWindow();
        if (owner && owner != this) placeBeside(owner);
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::placeBeside(const QWidget* owner) {
    const QRect area = owner->screen() ? owner->screen()->availableGeometry() : QRect();
    const QRect frame = owner->frameGeometry();
    const QSize size(std::min(width(), std::max(320, area.width() / 2)),
                     std::min(height(), std::max(240, area.height() / 2)));
    resize(size);
    QPoint at;
    if (frame.right() + size.width() < area.right())
        at = QPoint(frame.right() + 1, frame.top());
    else if (frame.left() - size.width() > area.left())
        at = QPoint(frame.left() - size.width(), frame.top());
    else
        at = QPoint(area.right() - size.width(), area.bottom() - size.height());
    move(at);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

void HelpWindow::hideEvent(QHideEvent* event) {
    QTextBrowser::hideEvent(event);
    if (QWidget* back = returnTo_.data(); back && back->isVisible()) {
        back->window()->activateWindow();
        back->setFocus(Qt::OtherFocusReason);
    }
    returnTo_.clear();
}

} // namespace korvel
