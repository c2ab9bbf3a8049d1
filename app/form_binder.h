#pragma once
// Copies a form model's controls onto the widgets that show them, after every event the
// window forwards. One place for the copy, whatever the screen.

#include "forms/form_model.h"

#include <QString>

#include <map>

class QWidget;
class QAction;

namespace korvel {

class FormBinder {
public:
    explicit FormBinder(forms::FormModel& model) : model_(model) {}
    void bind(const QString& control, QWidget* widget) { widgets_[control] = widget; }
    void bind(const QString& control, QAction* action) { actions_[control] = action; }
    // Copies text or caption, visibility, enabled state, colour and focus.
    void sync();

private:
    forms::FormModel& model_;
    std::map<QString, QWidget*> widgets_;
    std::map<QString, QAction*> actions_;
    std::map<QString, QString> sheets_; // colour last applied per control
};

} // namespace korvel
