// The desk window with real key events: what an operator types reaches the model and what
// the model decides shows on the widgets.
#include "app/desk_window.h"
#include "app/help_window.h"
#include "app/qt_message_box.h"
#include "tests/support/desk_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace korvel;
using korvel::testing::DeskFixture;
using korvel::testing::openDesk;
using korvel::testing::setStation;

namespace {

class DeskWindowTest : public DeskFixture {
protected:
    void SetUp() override {
        DeskFixture::SetUp();
        if (HasFatalFailure()) return;
        s.ContestCode = 201;
        setStation(s);
        s.AppDir = dir.path();
        clock.set(QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC));
        openWindow();
        if (HasFatalFailure()) return;
        click("Cmd20");
        click("CmdCW");
    }

    // A new desk and window (messages asked through `messages`, the scripted box unless
    // given), with no band and mode chosen yet.
    void openWindow(forms::MessageBox* messages = nullptr) {
        window.reset();
        desk = std::make_unique<DeskForm>(s, dbs, messages ? *messages : box, clock, keys);
        openDesk(*desk);
        window = std::make_unique<DeskWindow>(*desk, s);
        window->resize(1024, 768);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->sync();
    }

    QLineEdit* edit(const char* name) { return window->findChild<QLineEdit*>(QLatin1String(name)); }
    // Keys go to whichever widget has the focus, as on a real keyboard.
    QWidget* focused() { return QApplication::focusWidget(); }
    void type(const QString& text) {
        for (const QChar ch : text)
            QTest::keyClick(focused(), ch.toLatin1());
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(focused(), k, m);
    }
    void logQso(const char* call) {
        type(QLatin1String(call));
        key(Qt::Key_Space);
        key(Qt::Key_Return);
    }
    void click(const char* name) {
        QTest::mouseClick(window->findChild<QWidget*>(QLatin1String(name)), Qt::LeftButton);
    }

    SilentMessageKeys keys;
    std::unique_ptr<DeskForm> desk;
    std::unique_ptr<DeskWindow> window;
};

} // namespace

TEST_F(DeskWindowTest, AQsoTypedAtTheKeyboardIsStoredAndTheDeskCleared) {
    ASSERT_EQ(focused(), edit("txtIndic"));
    key(Qt::Key_Escape); // on an empty desk: nothing
    EXPECT_TRUE(box.shown().empty());
    EXPECT_EQ(focused(), edit("txtIndic"));
    type(QStringLiteral("dl1abc"));
    EXPECT_EQ(edit("txtIndic")->text(), QStringLiteral("DL1ABC"));
    key(Qt::Key_Space);
    EXPECT_EQ(focused(), edit("TxtRSTR2")); // the exchange field, prefilled with the zone
    EXPECT_EQ(edit("TxtRSTR2")->text(), QStringLiteral("14"));
    EXPECT_EQ(edit("TxtCountry")->text(), QStringLiteral("Fed. Rep. of Germany"));
    key(Qt::Key_Return);
    const auto rows = dbs.log.all();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].callsign, QStringLiteral("DL1ABC"));
    EXPECT_EQ(rows[0].rcvd, QStringLiteral("599 14"));
    EXPECT_TRUE(edit("txtIndic")->text().isEmpty());
    EXPECT_TRUE(edit("TxtCountry")->text().isEmpty());
    EXPECT_EQ(focused(), edit("txtIndic"));
    // Tab does not wander through the widgets: it belongs to the desk.
    type(QStringLiteral("ok1ab"));
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), edit("TxtRSTR2"));
    EXPECT_EQ(edit("TxtRSTR2")->selectedText(), edit("TxtRSTR2")->text());
}

TEST_F(DeskWindowTest, ADuplicateTurnsTheCallRedAndShowsTheWarning) {
    logQso("dl1abc");
    type(QStringLiteral("dl1abc"));
    key(Qt::Key_Space);
    EXPECT_TRUE(edit("txtIndic")->styleSheet().contains(QStringLiteral("#FF0000")));
    auto* warning = window->findChild<QLabel*>(QStringLiteral("Frame3"));
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(warning->isVisible());
    EXPECT_EQ(warning->text(), QStringLiteral("WARNING ! QSO DUPE !"));
    // The buttons beside it keep their size.
    for (const char* name : {"CmdEnterCall", "CmdAbbruchX"}) {
        auto* b = window->findChild<QWidget*>(QLatin1String(name));
        EXPECT_GE(b->width(), b->sizeHint().width()) << name;
    }
    // Abort: the band buttons lose the marks of the aborted call.
    click("CmdAbbruchX");
    for (const char* name : {"Cmd10", "Cmd15", "Cmd20", "Cmd40", "Cmd80", "Cmd160"})
        EXPECT_FALSE(window->findChild<QWidget*>(QLatin1String(name))
                         ->styleSheet()
                         .contains(QStringLiteral("#FF0000")))
            << name;
}

// On an 800x600 screen every control of the desk fits the screen's width, in CW with a
// dupe warning shown.
TEST_F(DeskWindowTest, AnEightHundredPixelScreenHoldsTheWholeDesk) {
    s.ScreenHeightPx = 600;
    openWindow();
    click("Cmd20");
    click("CmdCW");
    logQso("dl1abc");
    type(QStringLiteral("dl1abc"));
    key(Qt::Key_Space);
    window->resize(800, 600);
    QApplication::processEvents();
    EXPECT_LE(window->minimumSizeHint().width(), 800);
    EXPECT_LE(window->width(), 800);
}

TEST_F(DeskWindowTest, EscInTheExitBoxAnswersNoAndTheDeskStays) {
    QtMessageBox dialogs;
    openWindow(&dialogs);
    click("Cmd20");
    click("CmdCW");
    ASSERT_EQ(focused(), edit("txtIndic"));
    bool exited = false;
    desk->onExit = [&] { exited = true; };
    // Twice: Esc answers the box however often the operator asks to leave.
    for (int round = 0; round < 2; ++round) {
        QString prompt;
        QTimer::singleShot(50, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            if (auto* m = qobject_cast<QMessageBox*>(box)) prompt = m->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        // The keyboard is back in the call field once the box has gone.
        ASSERT_TRUE(QTest::qWaitFor([&] { return focused() == edit("txtIndic"); }, 2000)) << round;
        key(Qt::Key_X, Qt::AltModifier);
        EXPECT_EQ(prompt, QStringLiteral("DO YOU WANT TO EXIT PROGRAMM ?"));
        EXPECT_FALSE(exited);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    // Enter still gives the box's default, Yes.
    ASSERT_TRUE(QTest::qWaitFor([&] { return focused() == edit("txtIndic"); }, 2000));
    QTimer::singleShot(50, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Return);
    });
    key(Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(exited);
}

TEST_F(DeskWindowTest, ACallChangedAfterItsAnalysisIsStoredWithItsOwnCountryAndPoints) {
    // Alt+F2 takes I1ABC back with its exchange (still in the log until the correction is
    // stored); the call is typed anew and Enter stores it without a Space.
    const std::pair<const char*, int> cases[] = {{"dl9zzz", 1}, {"k1zzz", 3}};
    for (const auto& [retyped, points] : cases) {
        logQso("i1abc");
        const auto stored = dbs.log.count();
        key(Qt::Key_F2, Qt::AltModifier);
        ASSERT_EQ(edit("txtIndic")->text(), QStringLiteral("I1ABC"));
        EXPECT_EQ(edit("TxtRSTR2")->text(), QStringLiteral("15"));
        EXPECT_EQ(dbs.log.count(), stored);
        for (int i = 0; i < 5; ++i)
            key(Qt::Key_Backspace);
        EXPECT_TRUE(edit("txtIndic")->text().trimmed().isEmpty());
        type(QLatin1String(retyped));
        key(Qt::Key_Return);
        const auto rows = dbs.log.all();
        ASSERT_FALSE(rows.empty());
        const store::QsoRow& row = rows.back();
        const QString call = QString::fromLatin1(retyped).toUpper();
        EXPECT_EQ(row.callsign, call);
        EXPECT_EQ(row.pfx, call.left(call.front() == QLatin1Char('K') ? 1 : 2));
        EXPECT_FALSE(row.mlt.contains(QLatin1Char('I'))) << row.mlt.toStdString();
        EXPECT_EQ(row.pct.trimmed(), QString::number(points));
        EXPECT_EQ(edit("txtIndic")->text(), QString()); // stored, the desk cleared
    }
}

TEST_F(DeskWindowTest, TheCallFieldHasTheKeyboardWithTheClusterPanelOn) {
    s.DxClusterOn = Flag::On;
    s.Mode = QStringLiteral("00");
    s.Band = 0;
    openWindow();
    ASSERT_NE(window->findChild<QWidget*>(QStringLiteral("FraDxCluster")), nullptr);
    // Before a band and a mode are chosen a key says what is missing.
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(),
                    Qt::Key_D);
    EXPECT_TRUE(edit("TxtEroare")->isVisible());
    EXPECT_EQ(edit("TxtEroare")->text(), QStringLiteral("Select MODE AND BAND"));
    click("CmdCW");
    click("Cmd40");
    EXPECT_EQ(focused(), edit("txtIndic"));
    EXPECT_FALSE(edit("TxtEroare")->isVisible());
    type(QStringLiteral("dl1abc"));
    EXPECT_EQ(edit("txtIndic")->text(), QStringLiteral("DL1ABC"));
}

TEST_F(DeskWindowTest, BandKeysDoWhatAClickOnTheBandButtonDoes) {
    // Clicks and keys from the same start end alike: band, labels and button colours.
    const auto snapshot = [&] {
        QStringList shown{QString::number(s.Band)};
        for (const char* name : {"Lbl10", "Lbl15", "Lbl20", "Lbl40", "Lbl80", "Lbl160"})
            shown << window->findChild<QWidget*>(QLatin1String(name))->styleSheet();
        return shown;
    };
    click("Cmd40");
    const QStringList clicked40 = snapshot();
    click("Cmd20");
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(snapshot(), clicked40);
    EXPECT_EQ(focused(), edit("txtIndic"));
    key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(s.Band, 20);
    key(Qt::Key_F6, Qt::ControlModifier);
    EXPECT_EQ(s.Band, 160);
    key(Qt::Key_Right, Qt::ControlModifier); // nothing beyond 160 m
    EXPECT_EQ(s.Band, 160);
    key(Qt::Key_F1, Qt::ControlModifier);
    EXPECT_EQ(s.Band, 10);
    key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(s.Band, 10);
    // A band key is no message key: nothing typed, nothing sent.
    EXPECT_TRUE(edit("txtIndic")->text().isEmpty());
    EXPECT_TRUE(window->findChild<QWidget*>(QStringLiteral("Cmd10"))
                    ->toolTip()
                    .contains(QStringLiteral("Ctrl+F1")));
}

TEST_F(DeskWindowTest, TheHelpWindowClosesWithEscAndGivesTheKeyboardBack) {
    HelpWindow help(dir.path());
    window->onHelp = [&](HelpLanguage language, int context) { help.showTopic(language, context); };
    type(QStringLiteral("dl1"));
    ASSERT_EQ(focused(), edit("txtIndic"));
    window->onHelp(HelpLanguage::English, 400);
    ASSERT_TRUE(help.isVisible());
    // Not over the call field.
    const QRect call(edit("txtIndic")->mapToGlobal(QPoint(0, 0)), edit("txtIndic")->size());
    EXPECT_FALSE(help.frameGeometry().intersects(call));
    QTest::keyClick(&help, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return focused() == edit("txtIndic"); }, 2000));
    type(QStringLiteral("abc"));
    EXPECT_EQ(edit("txtIndic")->text(), QStringLiteral("DL1ABC"));
}

int main(int argc, char** argv) {
    // Windows need no display here, also when the test list is read at build time.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
