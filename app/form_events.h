#pragma once
// The edit fields of a screen hand their keys and clicks to the screen's form model, which
// decides everything; the window only copies the model back onto its widgets.

#include "forms/form_model.h"

#include <functional>

class QEvent;

namespace korvel {

// Where the screens differ in what their fields take.
struct FieldEventRules {
    // Alt+F1..F12 reach the form before any shortcut, and Alt keys no shortcut took reach the
    // form too (the desk). Otherwise every Alt key is left to the menus and the options.
    bool altKeysToForm = false;
    // A double click is the form's (the desk); otherwise the field handles it itself.
    bool doubleClicks = false;
};

// Handles `event` on the field named `field` for its form model: keys and clicks go to `model`,
// then `sync` copies the model onto the widgets. Returns whether the event is used up.
bool forwardFieldEvent(const QString& field, QEvent& event, forms::FormModel& model,
                       const std::function<void()>& sync, FieldEventRules rules);

} // namespace korvel
