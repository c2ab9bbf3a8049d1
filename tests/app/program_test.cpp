// The program's screens: START-CONTEST leaves the setup screen for the desk window, the
// desk's first-page menu brings the setup screen back in its returning state, and a second
// start opens the desk again. Real windows, offscreen; messages answered by a script.
#include "app/desk_window.h"
#include "app/program.h"
#include "app/session.h"
#include "app/setup_window.h"
#include "core/settings_file.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace korvel;

namespace {

// Lets the program's deferred screen switches run.
void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace

TEST(Program, StartReturnAndStartAgainSwitchTheWindows) {
    QTemporaryDir dir;
    Session session;
    ASSERT_TRUE(startSession(session, dir.path()).ok());
    SharedState& s = session.state;
    s.MyCall = QStringLiteral("YO9XX");
    s.TimeOffset = 2;
    s.MyQRA = QStringLiteral("KN34BW");
    ASSERT_TRUE(writeInitFile(s, initFilePath(s)).ok);

    forms::ScriptedMessageBox box;
    Program program(session, {false, &box});
    ASSERT_EQ(program.openSetup(), std::nullopt);
    SetupWindow* setup = program.setupWindow();
    ASSERT_NE(setup, nullptr);
    EXPECT_TRUE(setup->isVisible());
    EXPECT_EQ(program.deskWindow(), nullptr);

    setup->model().click(QStringLiteral("OpbEnglish"));
    setup->model().click(QStringLiteral("OpBCQWW"));
    setup->model().click(QStringLiteral("mnuQSOfahren"));
    settle();
    EXPECT_TRUE(box.shown().empty());
    EXPECT_EQ(program.setupWindow(), nullptr); // unloaded
    ASSERT_NE(program.deskWindow(), nullptr);
    EXPECT_TRUE(program.deskWindow()->isVisible());
    EXPECT_EQ(program.deskWindow()->findChild<QLabel*>(QStringLiteral("LblConc"))->text(),
              QStringLiteral("CQ-WW"));

    program.desk().click(QStringLiteral("Cmd15"));
    program.desk().click(QStringLiteral("CmdCW"));
    program.desk().click(QStringLiteral("mnuAnfang"));
    settle();
    EXPECT_FALSE(program.deskWindow()->isVisible());
    ASSERT_NE(program.setupWindow(), nullptr);
    setup = program.setupWindow();
    EXPECT_TRUE(setup->isVisible());
    EXPECT_FALSE(setup->findChild<QGroupBox*>(QStringLiteral("FraLimbaj"))->isVisible());
    EXPECT_EQ(setup->findChild<QLabel*>(QStringLiteral("LblTipTest"))->text(),
              QStringLiteral("CQ WW DX Cont."));

    setup->model().click(QStringLiteral("mnuQSOfahren"));
    settle();
    ASSERT_NE(program.deskWindow(), nullptr);
    EXPECT_TRUE(program.deskWindow()->isVisible());
    EXPECT_EQ(s.Band, 15);
    EXPECT_EQ(s.Mode, QStringLiteral("CW"));
}
