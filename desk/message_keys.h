#pragma once
// What the desk does with its message keys (F1 to F11, Alt+F3 and the CmdF buttons):
// keying CW or playing voice messages. The desk hands every such key to this interface.

#include <QString>

namespace korvel {

class DeskForm;

class MessageKeys {
public:
    virtual ~MessageKeys() = default;
    // `key` is 1..11; `alt` is set for Alt+F3; `control` is where the key was pressed
    // ("CmdF1".."CmdF11" for a click on a message button).
    virtual void messageKey(DeskForm& desk, int key, bool alt, const QString& control) = 0;
    // True while a message is being keyed or played: the desk then ignores message keys,
    // the speed keys and the off-line date and time keys.
    virtual bool busy() const { return false; }
    // Page Up (+2) and Page Down (-2) in the call field.
    virtual void speedKey(DeskForm& desk, int delta) {
        (void)desk;
        (void)delta;
    }
    // Esc or End: stops the message under way and ends an automatic repeat.
    virtual void stop(DeskForm& desk) { (void)desk; }
    // A key typed into `control` ("txtIndic", "TxtRSTR1" or "TxtRSTR2"): ends an
    // automatic repeat.
    virtual void operatorTyped(const QString& control) { (void)control; }
};

// Sends nothing: the desk before keying is set up, and tests of the logging flow.
class SilentMessageKeys : public MessageKeys {
public:
    void messageKey(DeskForm&, int, bool, const QString&) override {}
};

} // namespace korvel
