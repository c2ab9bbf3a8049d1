#include "app/form_binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace korvel {

void FormBinder::sync() {
    for (auto& [name, widget] : widgets_) {
        const forms::Control& c = model_.ctl(name);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (edit->text() != c.text) edit->setText(c.text);
            if (model_.focus() == name) edit->setSelection(c.selStart, c.selLength);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(c.text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(c.text);
            if (button->isCheckable()) button->setChecked(c.checked);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            group->setTitle(c.text);
        } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
            QStringList current;
            for (int i = 0; i < list->count(); ++i)
                current << list->item(i)->text();
            if (current != c.items) {
                list->clear();
                list->addItems(c.items);
            }
        }
        widget->setVisible(c.visible);
        widget->setEnabled(c.enabled);
        QPalette pal = widget->palette();
        const QColor colour(c.back.r, c.back.g, c.back.b);
        if (c.isText() || c.kind == forms::ControlKind::List) {
            pal.setColor(QPalette::Base, colour);
        } else {
            pal.setColor(QPalette::Window, colour);
        }
        widget->setPalette(pal);
        if (model_.focus() == name && !widget->hasFocus()) widget->setFocus();
    }
    for (auto& [name, action] : actions_) {
        const forms::Control& c = model_.ctl(name);
        action->setText(c.text);
        action->setVisible(c.visible);
        action->setEnabled(c.enabled);
    }
}

} // namespace korvel
