#pragma once
// The setup screen's window: mirrors the SetupForm model and forwards clicks to it.

#include "app/form_binder.h"
#include "setup/setup_form.h"

#include <QMainWindow>

namespace korvel {

class SetupWindow : public QMainWindow {
public:
    explicit SetupWindow(SetupForm& model, QWidget* parent = nullptr);
    void showStatus(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void forward(const QString& control);

    SetupForm& model_;
    FormBinder binder_;
};

} // namespace korvel
