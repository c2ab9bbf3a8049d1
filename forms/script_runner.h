#pragma once
// Runs key scripts against a form model: the tests' way of driving a screen, and the
// replay command that reproduces an operator's session without a display.
//
// One command a line; blank lines and lines starting with "#" are skipped:
//   type TEXT            each character as a key press to the focused control
//   key NAME             a key (Space, Enter, Tab, Esc, Backspace, Insert, End, PageUp,
//                        PageDown, F1..F12, ...); "alt+key NAME" the same with Alt
//   click CONTROL        click; "click LIST:ITEM" clicks an entry of a list
//   dblclick CONTROL     double click (same forms)
//   answer Yes|No|OK|Cancel|...   answer for the next message box
//   show CONTROL         prints CONTROL "text" visible=0|1 enabled=0|1 back=RRGGBB
//   focus                prints the focused control
// Commands the runner does not know go to an extension handler, so each program can add
// its own (set, clock, dump, ...).

#include "forms/form_model.h"
#include "forms/message_box.h"

#include <QString>
#include <QTextStream>

#include <functional>

namespace korvel::forms {

class ScriptRunner {
public:
    // Returns false and sets the error for a command it does not know or cannot run.
    using Extension =
        std::function<bool(const QString& command, const QString& args, QString& error)>;

    ScriptRunner(std::function<FormModel*()> currentModel, ScriptedMessageBox& box,
                 QTextStream& out);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    void setExtension(Extension e) { extension_ = std::move(e); }

    // Runs one line; false with `error` set on a script error.
    bool runLine(const QString& line, QString& error);
    // Runs a whole script; on an error returns false and names the line in `error`.
    bool run(QTextStream& script, QString& error);

    static QString describe(const Control& c);

private:
    std::function<FormModel*()> currentModel_;
    ScriptedMessageBox& box_;
    QTextStream& out_;
    Extension extension_;
};

} // namespace korvel::forms
