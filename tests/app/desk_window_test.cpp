// The desk window with real key events: what an operator types reaches the model and what
// the model decides shows on the widgets.
#include "app/desk_window.h"
#include "tests/support/desk_fixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

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
        desk = std::make_unique<DeskForm>(s, dbs, box, clock, keys);
        openDesk(*desk);
        window = std::make_unique<DeskWindow>(*desk, s);
        window->resize(1024, 768);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("Cmd20")), Qt::LeftButton);
        QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("CmdCW")), Qt::LeftButton);
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

    SilentMessageKeys keys;
    std::unique_ptr<DeskForm> desk;
    std::unique_ptr<DeskWindow> window;
};

} // namespace

TEST_F(DeskWindowTest, AQsoTypedAtTheKeyboardIsStoredAndTheDeskCleared) {
    ASSERT_EQ(focused(), edit("txtIndic"));
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

TEST_F(DeskWindowTest, AltF2TakesTheLastQsoBack) {
    type(QStringLiteral("dl1abc"));
    key(Qt::Key_Space);
    key(Qt::Key_Return);
    key(Qt::Key_F2, Qt::AltModifier);
    EXPECT_EQ(edit("txtIndic")->text(), QStringLiteral("DL1ABC"));
    EXPECT_EQ(edit("TxtRSTR2")->text(), QStringLiteral("14"));
    EXPECT_EQ(dbs.log.count(), 1); // still in the log until the correction is stored
}

TEST_F(DeskWindowTest, EscOnAnEmptyDeskDoesNothing) {
    key(Qt::Key_Escape);
    EXPECT_TRUE(box.shown().empty());
    EXPECT_EQ(focused(), edit("txtIndic"));
    EXPECT_EQ(dbs.log.count(), 0);
}

TEST_F(DeskWindowTest, ADuplicateTurnsTheCallRedAndShowsTheWarning) {
    type(QStringLiteral("dl1abc"));
    key(Qt::Key_Space);
    key(Qt::Key_Return);
    type(QStringLiteral("dl1abc"));
    key(Qt::Key_Space);
    EXPECT_TRUE(edit("txtIndic")->styleSheet().contains(QStringLiteral("#FF0000")));
    auto* warning = window->findChild<QGroupBox*>(QStringLiteral("Frame3"));
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(warning->isVisible());
    EXPECT_EQ(warning->title(), QStringLiteral("WARNING ! QSO DUPE !"));
}

int main(int argc, char** argv) {
    // Windows need no display here, also when the test list is read at build time.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
