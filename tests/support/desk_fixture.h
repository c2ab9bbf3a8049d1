#pragma once
// Tests on the desk with the real reference data: a data folder of its own for every test
// with a copy of the reference database (built once per test program), both databases open,
// scripted message boxes and a clock that stands still. The tests add the message keys and
// the desk (or the screen) they need.

#include "desk/desk_form.h"
#include "forms/message_box.h"
#include "forms/script_runner.h"
#include "platform/clock.h"
#include "core/shared_state.h"
#include "store/reference_data.h"
#include "tests/support/desk_station.h"
#include "tests/support/form_script.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace korvel::testing {

// The reference database, built on first use and kept until the test program ends.
inline QString referenceDatabase() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("DbsKorvel.mdb"));
        const store::BuildReport r = store::buildReferenceDatabase(p);
        EXPECT_TRUE(r.error.isEmpty()) << r.error.toStdString();
        return p;
    }();
    return path;
}

class DeskFixture : public ::testing::Test {
protected:
    // A test's own SetUp calls this first and stops when it failed (HasFatalFailure).
    void SetUp() override {
        ASSERT_TRUE(
            QFile::copy(referenceDatabase(), dir.filePath(QStringLiteral("DbsKorvel.mdb"))));
        ASSERT_TRUE(store::openDatabases(dir.path(), dbs).ok());
    }

    // Runs script lines against `form`; fails the test on a script error. Returns what the
    // script printed.
    QString runScript(forms::FormModel& form, const QString& script) {
        return runFormScript(form, box, script);
    }

    // The prompts of every message box shown so far.
    QStringList prompts() const { return shownPrompts(box); }

    QTemporaryDir dir;
    SharedState s;
    store::Databases dbs;
    forms::ScriptedMessageBox box;
    FakeClock clock;
};

} // namespace korvel::testing
