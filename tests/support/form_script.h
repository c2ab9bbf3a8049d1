#pragma once
// Key scripts run against one form model in a test, and the prompts its message boxes
// showed.

#include "forms/message_box.h"
#include "forms/script_runner.h"

#include <QStringList>
#include <QTextStream>

#include <gtest/gtest.h>

namespace korvel::testing {

// Runs script lines against `form`, answering messages from `box`; fails the test on a
// script error. Returns what the script printed.
inline QString runFormScript(forms::FormModel& form, forms::ScriptedMessageBox& box,
                             const QString& script) {
    QString output;
    QTextStream out(&output);
    forms::ScriptRunner runner([&form]() -> forms::FormModel* { return &form; }, box, out);
    QString text = script;
    QTextStream in(&text);
    QString error;
    EXPECT_TRUE(runner.run(in, error)) << error.toStdString();
    out.flush();
    return output;
}

inline QStringList shownPrompts(const forms::ScriptedMessageBox& box) {
    QStringList out;
    for (const auto& m : box.shown())
        out << m.prompt;
    return out;
}

} // namespace korvel::testing
