#pragma once
// The setup screen's window: it mirrors the SetupForm model and hands it every key and
// click. Own station on the left, the wizard's current choice and the CW messages on the
// right; the status line carries notices.

#include "app/form_binder.h"
#include "setup/setup_form.h"

#include <QMainWindow>

#include <functional>

class QLabel;

namespace korvel {

class SetupWindow : public QMainWindow {
public:
    explicit SetupWindow(SetupForm& model, QWidget* parent = nullptr);

    // Copies the model onto the widgets (after every event, and after the model's load).
    void sync();
    void showStatus(const QString& text);
    SetupForm& model() { return model_; }
    // The button RIG / CLUSTER / KEYER (Alt+K) opens the station screen here.
    std::function<void()> onStation;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    QWidget* field(const QString& name, QWidget* parent, int width = 0);
    QWidget* label(const QString& name, QWidget* parent);
    QWidget* choice(const QString& name, QWidget* parent); // option button or check box
    QWidget* frame(const QString& name, QWidget* parent);
    QWidget* stationPanel(QWidget* parent);
    QWidget* optionsPanel(QWidget* parent);
    QWidget* contestFrame(QWidget* parent);
    QWidget* messagesFrame(QWidget* parent);
    void menus();
    void forward(const QString& control);
    void applyScale();

    SetupForm& model_;
    FormBinder binder_;
    QLabel* notice_ = nullptr;
};

} // namespace korvel
