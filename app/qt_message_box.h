#pragma once
// The message-box interface shown as a real modal dialog.

#include "forms/message_box.h"

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

} // namespace korvel
