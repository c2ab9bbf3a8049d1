// The program's screens: START-CONTEST leaves the setup screen for the desk window, the
// desk's first-page menu brings the setup screen back in its returning state, and a second
// start opens the desk again. Real windows, offscreen; messages answered by a script.
#include "app/desk_window.h"
#include "app/program.h"
#include "app/session.h"
#include "app/setup_window.h"
#include "core/settings_file.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace korvel;

namespace {

// Lets the program's deferred screen switches run.
void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// A station set up in an earlier run; the program on its setup screen, English and CQ-WW
// chosen.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startSession(session, dir.path()).ok());
        s.MyCall = QStringLiteral("YO9XX");
        s.TimeOffset = 2;
        s.MyQRA = QStringLiteral("KN34BW");
        ASSERT_TRUE(writeInitFile(s, initFilePath(s)).ok);
        program = std::make_unique<Program>(session, ProgramOptions{false, &box});
        ASSERT_EQ(program->openSetup(), std::nullopt);
        setupFont = program->setupWindow()->font().pointSizeF();
        setup().click(QStringLiteral("OpbEnglish"));
        setup().click(QStringLiteral("OpBCQWW"));
    }
    forms::FormModel& setup() { return program->setupWindow()->model(); }
    void start() {
        setup().click(QStringLiteral("mnuQSOfahren"));
        settle();
    }
    void backToSetup() {
        program->desk().click(QStringLiteral("mnuAnfang"));
        settle();
        ASSERT_NE(program->setupWindow(), nullptr);
    }

    QTemporaryDir dir;
    Session session;
    SharedState& s = session.state;
    forms::ScriptedMessageBox box;
    std::unique_ptr<Program> program;
    double setupFont = 0;
};

} // namespace

TEST_F(ProgramTest, TheTimeOffsetIsKeptAsTypedAndTheDeskShowsTheComputersUtc) {
    // Text that is no whole number of hours is refused with its own message.
    for (const char* bad : {"1e1", "2.5", "two", "+25"}) {
        SCOPED_TRACE(bad);
        setup().ctl(QStringLiteral("TxtTime")).text = QLatin1String(bad);
        box.clear();
        start();
        ASSERT_EQ(box.shown().size(), 1u);
        EXPECT_TRUE(box.shown()[0].prompt.contains(QStringLiteral("whole number of hours")));
        EXPECT_EQ(program->deskWindow(), nullptr);
    }
    setup().ctl(QStringLiteral("TxtTime")).text = QStringLiteral("+02");
    start();
    ASSERT_NE(program->deskWindow(), nullptr);
    // In the file as typed.
    QFile init(initFilePath(s));
    ASSERT_TRUE(init.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = init.readAll().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[1].trimmed(), QByteArray("\"+02\""));
    // The UTC field shows the computer's UTC, as the title does; the offset shifts nothing.
    const QString utc = QDateTime::currentDateTimeUtc().toString(QStringLiteral("HH:mm"));
    const QString shown = program->desk().ctl(QStringLiteral("TxtUTC")).text;
    EXPECT_TRUE(shown == utc || QDateTime::currentDateTimeUtc().time().second() < 2)
        << shown.toStdString() << " " << utc.toStdString();
    EXPECT_TRUE(program->desk().title().contains(shown) ||
                QDateTime::currentDateTimeUtc().time().second() < 2);

    // Back on the setup screen: the field shows it as typed, at the same scale as before.
    backToSetup();
    EXPECT_EQ(setup().ctl(QStringLiteral("TxtTime")).text, QStringLiteral("+02"));
    EXPECT_EQ(program->setupWindow()->font().pointSizeF(), setupFont);
    // And read back from the file by the next run.
    SharedState next;
    next.AppDir = s.AppDir;
    readInitFile(next, initFilePath(next));
    EXPECT_EQ(next.TimeOffset.toString(), QStringLiteral("+02"));
}

TEST_F(ProgramTest, StartReturnAndStartAgainSwitchTheWindows) {
    EXPECT_TRUE(program->setupWindow()->isVisible());
    EXPECT_EQ(program->deskWindow(), nullptr);
    start();
    EXPECT_TRUE(box.shown().empty());
    EXPECT_EQ(program->setupWindow(), nullptr); // unloaded
    ASSERT_NE(program->deskWindow(), nullptr);
    EXPECT_TRUE(program->deskWindow()->isVisible());
    EXPECT_EQ(program->deskWindow()->findChild<QLabel*>(QStringLiteral("LblConc"))->text(),
              QStringLiteral("CQ-WW"));

    program->desk().click(QStringLiteral("Cmd15"));
    program->desk().click(QStringLiteral("CmdCW"));
    backToSetup();
    EXPECT_FALSE(program->deskWindow()->isVisible());
    SetupWindow* setup = program->setupWindow();
    EXPECT_TRUE(setup->isVisible());
    EXPECT_FALSE(setup->findChild<QGroupBox*>(QStringLiteral("FraLimbaj"))->isVisible());
    EXPECT_EQ(setup->findChild<QLabel*>(QStringLiteral("LblTipTest"))->text(),
              QStringLiteral("CQ WW DX Cont."));

    start();
    ASSERT_NE(program->deskWindow(), nullptr);
    EXPECT_TRUE(program->deskWindow()->isVisible());
    EXPECT_EQ(s.Band, 15);
    EXPECT_EQ(s.Mode, QStringLiteral("CW"));
}
