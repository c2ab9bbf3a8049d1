// The setup screen's window with real key events and clicks: what the operator does reaches
// the model, what the model decides shows on the widgets, and the screen fits 800x600.
#include "app/setup_window.h"
#include "core/screen_scale.h"
#include "desk/desk_form.h"
#include "desk/message_keys.h"
#include "platform/clock.h"
#include "tests/support/desk_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace korvel;
using korvel::testing::DeskFixture;

namespace {

class SetupWindowTest : public DeskFixture {
protected:
    void SetUp() override {
        DeskFixture::SetUp();
        if (HasFatalFailure()) return;
        s.AppDir = s.DataDir = dir.path();
        desk = std::make_unique<DeskForm>(s, dbs, box, clock, keys);
    }

    void open(SetupPlatform platform = {}) {
        form = std::make_unique<SetupForm>(s, dbs, box, desk.get(), platform);
        window = std::make_unique<SetupWindow>(*form);
        form->onShow = [this] { window->show(); };
        ASSERT_EQ(form->load(), std::nullopt);
        window->sync();
        window->showStatus(form->resolutionNotice());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <class W> W* find(const char* name) {
        return window->findChild<W*>(QLatin1String(name));
    }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    QWidget* focused() { return QApplication::focusWidget(); }
    void type(const QString& text) {
        for (const QChar ch : text)
            QTest::keyClick(focused(), ch.toLatin1());
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(focused(), k, m);
    }
    void click(const char* name) {
        QTest::mouseClick(find<QWidget>(name), Qt::LeftButton, {}, QPoint(8, 8));
    }

    SilentMessageKeys keys;
    std::unique_ptr<DeskForm> desk;
    std::unique_ptr<SetupForm> form;
    std::unique_ptr<SetupWindow> window;
};

} // namespace

// The language and the contest list are shown one at a time in the keyboard test below;
// the contest's caption on its label in the program test.
TEST_F(SetupWindowTest, TheModeFrameShowsItsTitleAndTheNoticeOneSentenceALine) {
    open();
    click("OpbEnglish");
    click("OpbYODX");
    EXPECT_FALSE(find<QGroupBox>("FRAContest")->isVisible());
    EXPECT_TRUE(find<QGroupBox>("FraConcurs")->isVisible());
    EXPECT_EQ(find<QGroupBox>("FraConcurs")->title(), QStringLiteral("ATTENTION"));
    const QString notice = find<QLabel>("LblAnunt")->text();
    EXPECT_TRUE(notice.startsWith(QStringLiteral("The software allow two operation modes:\n-In")))
        << notice.toStdString();
    click("OpbTest");
    EXPECT_FALSE(find<QGroupBox>("FraConcurs")->isVisible());
    EXPECT_EQ(s.ContestMode, Flag::Unset);
}

TEST_F(SetupWindowTest, OptionsFollowTheModelAndOnlyOneIsSelected) {
    open();
    auto* yes = find<QRadioButton>("OpbCwJ");
    auto* no = find<QRadioButton>("OpbCwN");
    EXPECT_TRUE(no->isChecked());
    EXPECT_FALSE(find<QGroupBox>("FramTxtCw")->isVisible());
    click("OpbCwJ");
    EXPECT_TRUE(yes->isChecked());
    EXPECT_FALSE(no->isChecked());
    EXPECT_TRUE(find<QGroupBox>("FramTxtCw")->isVisible());
    EXPECT_TRUE(find<QCheckBox>("ChkCwRpt")->isVisible());
    // A second click on the selected option leaves it selected.
    click("OpbCwJ");
    EXPECT_TRUE(yes->isChecked());
    EXPECT_EQ(s.CwByPc, Flag::On);
    // The message fields keep their blanks.
    QTest::mouseClick(edit("TxtF1"), Qt::LeftButton);
    ASSERT_EQ(focused(), edit("TxtF1"));
    type(QStringLiteral("cq test"));
    EXPECT_EQ(edit("TxtF1")->text(), QStringLiteral("CQ TEST"));
}

TEST_F(SetupWindowTest, TheScreenIsCompletedWithTheKeyboardAlone) {
    bool started = false;
    open();
    form->onContestStarted = [&] { started = true; };
    const auto name = [&] { return focused() ? focused()->objectName() : QString(); };
    // An Alt letter clicks its button as a short press, as a mouse click would.
    const auto alt = [&](Qt::Key letter) {
        QTest::keyClick(focused() ? focused() : window.get(), letter, Qt::AltModifier);
        QTest::qWait(250);
    };
    // Tab (or Shift+Tab) until the focus is on `target`; false when it never gets there.
    const auto tabTo = [&](const char* target, bool back = false) {
        for (int i = 0; i < 60 && name() != QLatin1String(target); ++i)
            key(Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
        return name() == QLatin1String(target);
    };
    // The own call first (CQ-WW asks for it when chosen), upper-cased as typed and looked up.
    ASSERT_EQ(focused(), edit("TxtMyCall"));
    type(QStringLiteral("yo9xx"));
    EXPECT_EQ(edit("TxtMyCall")->text(), QStringLiteral("YO9XX"));
    key(Qt::Key_Return);
    EXPECT_EQ(edit("TxtMyPrfx")->text(), QStringLiteral("YO"));
    EXPECT_EQ(edit("TxtMyCont")->text(), QStringLiteral("Eu"));
    EXPECT_EQ(edit("TxtZone")->text(), QStringLiteral("28"));
    // Tab walks the shown fields in the model's order, not Qt's.
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), edit("TxtMyPrfx"));
    key(Qt::Key_Return);
    EXPECT_EQ(focused(), edit("TxtTime"));
    // The language: Shift+Tab leads back to the wizard's choice, Enter chooses.
    ASSERT_TRUE(tabTo("TxtMyCall"));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(name(), QStringLiteral("OpbEnglish"));
    key(Qt::Key_Left);
    EXPECT_EQ(name(), QStringLiteral("OpBRomanian"));
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    EXPECT_FALSE(find<QGroupBox>("FraLimbaj")->isVisible());
    EXPECT_EQ(form->ctl(QStringLiteral("OpbConcurs")).text, QStringLiteral("CON&TEST"));
    // The contest list has the focus; the arrow keys walk it, Enter chooses.
    ASSERT_TRUE(find<QGroupBox>("FRAContest")->isVisible());
    ASSERT_TRUE(qobject_cast<QRadioButton*>(focused()));
    for (int i = 0; i < 30 && name() != QLatin1String("OpBCQWW"); ++i)
        key(Qt::Key_Down);
    ASSERT_EQ(name(), QStringLiteral("OpBCQWW"));
    key(Qt::Key_Return);
    EXPECT_EQ(s.ContestCode, 201);
    EXPECT_FALSE(find<QGroupBox>("FRAContest")->isVisible());
    // The rest of the own station.
    ASSERT_TRUE(tabTo("txtMyQRA"));
    type(QStringLiteral("kn34bw"));
    ASSERT_TRUE(tabTo("TxtTime"));
    type(QStringLiteral("+02"));
    // CW keyed by the PC: Tab to the option, Space chooses it; Alt+R ticks the repeat.
    ASSERT_TRUE(tabTo("OpbCwJ"));
    key(Qt::Key_Space);
    EXPECT_EQ(s.CwByPc, Flag::On);
    EXPECT_TRUE(find<QRadioButton>("OpbCwJ")->isChecked());
    alt(Qt::Key_R);
    EXPECT_EQ(find<QCheckBox>("ChkCwRpt")->isChecked(), true);
    // Alt+E ticks the cluster box, Alt+N chooses "Nu" again (no other choice has N now).
    alt(Qt::Key_E);
    EXPECT_TRUE(find<QCheckBox>("ChkDxCl")->isChecked());
    alt(Qt::Key_E);
    alt(Qt::Key_N);
    EXPECT_EQ(s.CwByPc, Flag::No);
    alt(Qt::Key_D);
    EXPECT_EQ(s.CwByPc, Flag::On);
    // START-CONTEST from its menu key.
    alt(Qt::Key_C);
    EXPECT_TRUE(started);
    EXPECT_EQ(s.MyCall, QStringLiteral("YO9XX"));
    EXPECT_EQ(s.TimeOffset.toString(), QStringLiteral("+02"));
}

TEST_F(SetupWindowTest, EveryChoiceHasItsOwnAltLetterAmongWhatIsShownTogether) {
    open();
    // The Alt letters of the menus and of every choice on screen; no letter twice, and every
    // option button shown has one.
    const auto checkShown = [&](const char* state) {
        QStringList letters;
        for (const char* menu : {"mnuBeenden", "mnuQSOfahren", "mnuLog", "mnuInpLog"}) {
            const QString caption = form->ctl(QLatin1String(menu)).text;
            letters << caption.mid(caption.indexOf(QLatin1Char('&')) + 1, 1).toUpper();
        }
        for (auto* b : window->findChildren<QAbstractButton*>()) {
            if (!b->isVisible()) continue;
            const bool choice = qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b);
            const qsizetype amp = b->text().indexOf(QLatin1Char('&'));
            EXPECT_TRUE(amp >= 0 || !choice ||
                        b->parentWidget()->objectName() == QLatin1String("FRAContest"))
                << state << ": " << b->text().toStdString();
            if (amp >= 0) letters << b->text().mid(amp + 1, 1).toUpper();
        }
        QStringList unique = letters;
        unique.removeDuplicates();
        EXPECT_EQ(unique.size(), letters.size())
            << state << ": " << letters.join(QLatin1Char(' ')).toStdString();
    };
    checkShown("language");
    click("OpbCwJ");
    click("OpbEnglish");
    click("OpbYODX");
    checkShown("mode, CW by the PC");
}

TEST_F(SetupWindowTest, AnUnlistedScreenSizeIsSaidInTheStatusLine) {
    SetupPlatform platform;
    platform.screenWidthPx = 1366;
    platform.screenHeightPx = 768;
    open(platform);
    EXPECT_EQ(window->statusBar()->currentMessage(), QLatin1String(kResolutionNotice));
    for (const auto& m : box.shown())
        EXPECT_NE(m.prompt, QLatin1String(kResolutionNotice));
}

TEST_F(SetupWindowTest, EveryStateFitsAnEightHundredBySixHundredScreen) {
    SetupPlatform platform;
    platform.screenWidthPx = 800;
    platform.screenHeightPx = 600;
    open(platform);
    auto fits = [&](const char* state) {
        window->sync();
        const QSize need = window->minimumSizeHint();
        EXPECT_LE(need.width(), 800) << state;
        EXPECT_LE(need.height(), 580) << state;
    };
    fits("language");
    click("OpbCwJ");
    click("OpbEnglish");
    fits("contest list with the CW messages");
    click("OpbLogGen");
    click("ChkNrConst");
    form->click(QStringLiteral("mnuInpLog"));
    fits("Log General off-line with the CW messages");
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
