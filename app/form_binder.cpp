#include "app/form_binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <cmath>

namespace korvel {

namespace {

// The colour a control has when nothing marks it: no style sheet is needed for it.
bool isDefaultColour(const forms::Control& c) {
    const bool textLike =
        c.isText() || c.kind == forms::ControlKind::List || c.kind == forms::ControlKind::Grid;
    return c.back == (textLike ? forms::colour::kWhite : forms::colour::kButtonFace);
}

// The text colour that reads best on a background: white on a dark one (the magenta of a
// chosen band), black otherwise, by the contrast ratio of their relative luminances.
double luminance(const forms::Rgb& c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

QString colourSheet(const forms::Rgb& back) {
    const double l = luminance(back);
    const bool white = (1.05 / (l + 0.05)) > ((l + 0.05) / 0.05);
    return QStringLiteral("background-color: #%1; color: %2;")
        .arg(back.hex(), white ? QStringLiteral("white") : QStringLiteral("black"));
}

} // namespace

void FormBinder::sync() {
    for (auto& [name, widget] : widgets_) {
        const forms::Control& c = model_.ctl(name);
        const bool focused = model_.focus() == name;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (edit->text() != c.text) edit->setText(c.text);
            if (focused) {
                if (c.selLength > 0)
                    edit->setSelection(c.selStart, c.selLength);
                else
                    edit->setCursorPosition(c.selStart);
            }
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text() != c.text) label->setText(c.text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->text() != c.text) button->setText(c.text);
            if (button->isCheckable()) button->setChecked(c.checked);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            if (group->title() != c.text) group->setTitle(c.text);
        } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
            QStringList current;
            for (int i = 0; i < list->count(); ++i)
                current << list->item(i)->text();
            if (current != c.items) {
                list->clear();
                list->addItems(c.items);
            }
            if (list->currentRow() != c.listIndex) list->setCurrentRow(c.listIndex);
        }
        if (widget->isVisibleTo(widget->parentWidget()) != c.visible) widget->setVisible(c.visible);
        if (widget->isEnabled() != c.enabled) widget->setEnabled(c.enabled);
        const QString sheet = isDefaultColour(c) ? QString() : colourSheet(c.back);
        QString& applied = sheets_[name];
        if (applied != sheet) {
            applied = sheet;
            // A colour must not change the font: the font the widget shows now is made its
            // own before the style sheet comes.
            if (!widget->testAttribute(Qt::WA_SetFont)) widget->setFont(widget->font());
            widget->setStyleSheet(sheet);
        }
        // A choice reached by the keyboard shows its focus frame (Tab as the reason).
        if (focused && !widget->hasFocus() && widget->isVisible())
            widget->setFocus(qobject_cast<QAbstractButton*>(widget) ? Qt::TabFocusReason
                                                                    : Qt::OtherFocusReason);
    }
    for (auto& [name, action] : actions_) {
        const forms::Control& c = model_.ctl(name);
        if (action->text() != c.text) action->setText(c.text);
        action->setVisible(c.visible);
        action->setEnabled(c.enabled);
    }
}

} // namespace korvel
