#pragma once
// The message-box interface shown as a real modal dialog.

#include "forms/message_box.h"

class QMenuBar;
class QWidget;

namespace korvel {

class QtMessageBox : public forms::MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    int ask(int style, const QString& prompt, const QString& title) override;

private:
    QWidget* parent_;
};

// Alt pressed and released alone does not put `bar` into keyboard navigation: Alt+letter
// still chooses its entries, but a box opened by one (EXIT) gets the next key instead of
// the menu bar, which would otherwise take the Alt release of that same Alt+letter.
void keepAltForShortcuts(QMenuBar* bar);

} // namespace korvel
