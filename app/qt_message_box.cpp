#include "app/qt_message_box.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QTimer>

namespace korvel {

namespace {

QMessageBox::StandardButton standard(int answer) {
    using namespace forms::msg;
    switch (answer) {
    case kOk: return QMessageBox::Ok;
    case kCancel: return QMessageBox::Cancel;
    case kAbort: return QMessageBox::Abort;
    case kRetry: return QMessageBox::Retry;
    case kIgnore: return QMessageBox::Ignore;
    case kYes: return QMessageBox::Yes;
    case kNo: return QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon icon(int style) {
    using namespace forms::msg;
    switch (style & 0x70) {
    case kCritical: return QMessageBox::Critical;
    case kQuestion: return QMessageBox::Question;
    case kExclamation: return QMessageBox::Warning;
    case kInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

class NoAltNavigation : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation) return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

} // namespace

void keepAltForShortcuts(QMenuBar* bar) {
    auto* style = new NoAltNavigation;
    style->setParent(bar);
    bar->setStyle(style);
}

int QtMessageBox::ask(int style, const QString& prompt, const QString& title) {
    QMessageBox box(icon(style), title, prompt, QMessageBox::NoButton, parent_);
    const std::vector<int> answers = forms::msg::buttons(style);
    for (int a : answers)
        box.addButton(standard(a));
    box.setDefaultButton(standard(forms::msg::defaultAnswer(style)));
    const int escape = forms::msg::escapeAnswer(style);
    box.setEscapeButton(standard(escape));
    // The box takes the keyboard as soon as it shows, also where no window manager hands
    // it the focus: the operator's next key answers it. Afterwards the window it came from
    // has the keyboard again.
    QTimer::singleShot(0, &box, [&box] {
        box.raise();
        box.activateWindow();
    });
    const QPointer<QWidget> back = parent_ ? parent_->window() : QApplication::activeWindow();
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    if (back && back->isVisible()) back->activateWindow();
    for (int a : answers)
        if (standard(a) == pressed) return a;
    return escape;
}

} // namespace korvel
