#include "app/key_translate.h"

#include <QKeyEvent>

namespace korvel {

using forms::Key;

std::optional<forms::KeyEvent> translateKey(const QKeyEvent& event) {
    forms::KeyEvent e;
    e.alt = event.modifiers().testFlag(Qt::AltModifier);
    e.shift = event.modifiers().testFlag(Qt::ShiftModifier);
    e.ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    switch (event.key()) {
    case Qt::Key_Space: e.key = Key::Space; return e;
    case Qt::Key_Return:
    case Qt::Key_Enter: e.key = Key::Enter; return e;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: e.key = Key::Tab; return e;
    case Qt::Key_Escape: e.key = Key::Esc; return e;
    case Qt::Key_Backspace: e.key = Key::Backspace; return e;
    case Qt::Key_Delete: e.key = Key::Delete; return e;
    case Qt::Key_Insert: e.key = Key::Insert; return e;
    case Qt::Key_Home: e.key = Key::Home; return e;
    case Qt::Key_End: e.key = Key::End; return e;
    case Qt::Key_Left: e.key = Key::Left; return e;
    case Qt::Key_Right: e.key = Key::Right; return e;
    case Qt::Key_Up: e.key = Key::Up; return e;
    case Qt::Key_Down: e.key = Key::Down; return e;
    case Qt::Key_PageUp: e.key = Key::PageUp; return e;
    case Qt::Key_PageDown: e.key = Key::PageDown; return e;
    default: break;
    }
    if (event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F12) {
        e.key = static_cast<Key>(static_cast<int>(Key::F1) + (event.key() - Qt::Key_F1));
        return e;
    }
    const QString text = event.text();
    if (text.size() == 1 && text.front().isPrint()) {
        e.key = Key::Char;
        e.ch = text.front();
        return e;
    }
    // Alt with a letter produces no text: keep the letter for the screen's accelerators.
    if (e.alt && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
        e.key = Key::Char;
        e.ch = QChar('a' + (event.key() - Qt::Key_A));
        return e;
    }
    return std::nullopt;
}

} // namespace korvel
