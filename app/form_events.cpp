#include "app/form_events.h"

#include "app/key_translate.h"

#include <QKeyEvent>

namespace korvel {

bool forwardFieldEvent(const QString& field, QEvent& event, forms::FormModel& model,
                       const std::function<void()>& sync, FieldEventRules rules) {
    switch (event.type()) {
    case QEvent::ShortcutOverride: {
        // Keys the form uses itself must not trigger a shortcut first; the Alt keys left to
        // the menus and the options still do.
        const auto& k = static_cast<const QKeyEvent&>(event);
        const bool alt = k.modifiers().testFlag(Qt::AltModifier);
        if (!alt || (rules.altKeysToForm && k.key() >= Qt::Key_F1)) event.accept();
        return false;
    }
    case QEvent::KeyPress: {
        const auto key = translateKey(static_cast<const QKeyEvent&>(event));
        if (key && (rules.altKeysToForm || !key->alt)) {
            model.pressKey(*key);
            sync();
        }
        return true;
    }
    case QEvent::MouseButtonPress:
        model.click(field);
        sync();
        return true;
    case QEvent::MouseButtonDblClick:
        if (!rules.doubleClicks) return false;
        model.dblClick(field);
        sync();
        return true;
    case QEvent::InputMethod: return true;
    default: return false;
    }
}

} // namespace korvel
