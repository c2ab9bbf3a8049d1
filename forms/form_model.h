#pragma once
// The base of every screen model: its named controls, the focus with cursor and
// selection, and the event entry points that a window (or a script) drives.
//
// A key goes through three stages, as the screens expect them:
//   key-down  sees every key with its modifiers; a handler may swallow it;
//   key-press sees the character it produces (Space 32, Enter 13, Tab 9, Backspace 8,
//             Esc 27);
//             a handler may change the character or swallow it (set it to 0);
//   key-up    runs last.
// After key-press, what is left of the character edits the focused text field.

#include "forms/control.h"

#include <QString>

#include <map>
#include <vector>

namespace korvel::forms {

enum class Key {
    Char, // a printable character, in KeyEvent::ch
    Space,
    Enter,
    Tab,
    Esc,
    Backspace,
    Delete,
    Insert,
    Home,
    End,
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
};

struct KeyEvent {
    KeyEvent() = default;
    KeyEvent(Key k, QChar c = QChar()) : key(k), ch(c) {} // NOLINT: keys convert implicitly
    Key key = Key::Char;
    QChar ch;
    bool alt = false;
    bool shift = false;
    bool ctrl = false;
    bool swallowed = false; // set by a key-down handler to stop the key there
};

// "Enter", "F5", "PageUp", ... (case-insensitive) to a key.
bool keyFromName(const QString& name, Key& key);
// Function key number 1..12 of a key, or 0.
int functionKeyNumber(Key key);

class FormModel {
public:
    explicit FormModel(QString formName);
    virtual ~FormModel() = default;
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    const QString& formName() const { return formName_; }

    bool has(const QString& name) const { return controls_.count(name) != 0; }
    Control& ctl(const QString& name);
    const Control& ctl(const QString& name) const;
    const std::vector<QString>& controlNames() const { return order_; }

    const QString& focus() const { return focus_; }
    // Moves the focus (focus-out and focus-in handlers run); the cursor is left as it is.
    void setFocus(const QString& name);
    // Focus with the cursor after the last non-blank character.
    void focusAtEnd(const QString& name);
    // Focus with the whole text selected.
    void focusSelectAll(const QString& name);

    // Events as a window delivers them.
    void pressKey(KeyEvent e);          // the three stages on the focused control
    void typeText(const QString& text); // each character as a key
    void click(const QString& name);
    void dblClick(const QString& name);
    void clickItem(const QString& list, const QString& item);
    void tick() { onTimer(); }

protected:
    Control& add(const QString& name, ControlKind kind, const QString& text = QString());

    // Handlers for the screens to override. `control` is the focused control.
    virtual void onKeyDown(const QString& control, KeyEvent& e) {
        (void)control;
        (void)e;
    }
    virtual void onKeyPress(const QString& control, int& ascii) {
        (void)control;
        (void)ascii;
    }
    virtual void onKeyUp(const QString& control, const KeyEvent& e) {
        (void)control;
        (void)e;
    }
    virtual void onClick(const QString& control) { (void)control; }
    virtual void onDblClick(const QString& control) { (void)control; }
    virtual void onChange(const QString& control) { (void)control; }
    virtual void onFocusIn(const QString& control) { (void)control; }
    virtual void onFocusOut(const QString& control) { (void)control; }
    virtual void onTimer() {}

private:
    void editText(Control& c, int ascii);
    void moveCursor(Control& c, const KeyEvent& e);

    QString formName_;
    std::map<QString, Control> controls_;
    std::vector<QString> order_;
    QString focus_;
};

} // namespace korvel::forms
