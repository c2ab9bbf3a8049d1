// The review screen's window with real clicks and keys: it opens from the setup window's LOG
// menu, a band view shows its rows and totals, and the Cabrillo panel filled at the keyboard
// writes the file that the window then shows. Offscreen; messages answered by a script (the
// messages themselves are in the model's tests and the replayed review sessions).
#include "app/program.h"
#include "app/review_window.h"
#include "app/session.h"
#include "app/setup_window.h"
#include "core/settings_file.h"
#include "tests/support/review_screen.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace korvel;

namespace {

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

TEST(ReviewProgram, LogOnTheSetupWindowOpensTheReviewWindowAndFirstPageReturns) {
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
    program.setupWindow()->model().click(QStringLiteral("OpbEnglish"));
    program.setupWindow()->model().click(QStringLiteral("OpBCQWW"));
    program.setupWindow()->findChild<QAction*>(QStringLiteral("mnuLog"))->trigger();
    settle();
    EXPECT_TRUE(box.shown().empty());
    EXPECT_EQ(program.setupWindow(), nullptr);
    ASSERT_NE(program.reviewWindow(), nullptr);
    EXPECT_TRUE(program.reviewWindow()->isVisible());
    EXPECT_EQ(program.reviewWindow()->windowTitle(), QStringLiteral("Editare"));

    program.reviewWindow()->findChild<QAction*>(QLatin1String(rc::mnuAnfang))->trigger();
    settle();
    EXPECT_EQ(program.reviewWindow(), nullptr);
    ASSERT_NE(program.setupWindow(), nullptr);
    EXPECT_TRUE(program.setupWindow()->isVisible());
    EXPECT_EQ(s.SetupDone, Flag::On);
}

class ReviewWindowTest : public korvel::testing::ReviewScreen {
protected:
    void openWindow() {
        open();
        window = std::make_unique<ReviewWindow>(*form);
        window->resize(1024, 768);
        window->show();
        window->sync();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    template <class W> W* find(const char* name) {
        return window->findChild<W*>(QLatin1String(name));
    }
    void menu(const char* name) { find<QAction>(name)->trigger(); }
    QString shown(const char* field) { return find<QLineEdit>(field)->text(); }
    void mouseClick(const char* name) {
        QTest::mouseClick(find<QWidget>(name), Qt::LeftButton, {}, QPoint(6, 6));
    }
    void type(const QString& text) {
        for (const QChar ch : text)
            QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    }
    void clickLine(const QString& text) {
        auto* list = find<QListWidget>(rc::ListCbr);
        const auto items = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(items.first()).center());
    }

    std::unique_ptr<ReviewWindow> window;
};

TEST_F(ReviewWindowTest, BandViewShowsItsRowsAndTotals) {
    log({{"DL1ABC", "28.11.26", "10:00", "20", "599 28", "599 14", "CW", "DL", "14", "1"},
         {"OH2XX", "28.11.26", "10:01", "80", "599 28", "599 15", "CW", "OH", "", "1"},
         {"K1AB", "28.11.26", "10:02", "20", "599 28", "599 05", "CW", "", "5", "3"}});
    openWindow();
    EXPECT_FALSE(find<QGroupBox>(rc::Frame1)->isVisible());
    menu(rc::mnuLogAnzeigen);
    ASSERT_TRUE(find<QGroupBox>(rc::Frame1)->isVisible());
    mouseClick(rc::OpB20);
    EXPECT_TRUE(find<QRadioButton>(rc::OpB20)->isChecked());
    EXPECT_EQ(shown(rc::TxtQSO) + shown(rc::TxtPkt) + shown(rc::TxtMlt), QStringLiteral("243"));
    QTableView* grid = window->logGrid();
    ASSERT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->model()->index(1, 1).data().toString(), QStringLiteral("K1AB"));

    // Selecting a QSO offers its deletion.
    EXPECT_FALSE(find<QGroupBox>(rc::Frame5)->isVisible());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 1)).center());
    EXPECT_TRUE(find<QGroupBox>(rc::Frame5)->isVisible());
    box.queueAnswer(forms::msg::kYes);
    mouseClick(rc::OpBDelete);
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(shown(rc::TxtQSO), QStringLiteral("1"));
    EXPECT_EQ(dbs.log.count(), 2);
}

TEST_F(ReviewWindowTest, CabrilloPanelFilledAtTheKeyboardWritesAndShowsTheFile) {
    log({{"DL1ABC", "28.11.26", "10:00", "20", "599 28", "599 14", "CW", "DL", "14", "1"}});
    openWindow();
    menu(rc::mnucabrillo);
    ASSERT_TRUE(find<QGroupBox>(rc::FraLogCbr)->isVisible());
    // The panel and its pick list take the row under the grid, so the fields show their text.
    EXPECT_GE(find<QGroupBox>(rc::FraLogCbr)->width() + find<QListWidget>(rc::ListCbr)->width(),
              window->logGrid()->width() - 20);
    auto* created = find<QLineEdit>(rc::TxtCreated);
    EXPECT_GT(created->width(), created->fontMetrics().horizontalAdvance(created->text()));
    EXPECT_EQ(shown(rc::TxtCall), QStringLiteral("YO9XX"));
    mouseClick(rc::TxtCategBand);
    clickLine(QStringLiteral("20M"));
    EXPECT_EQ(shown(rc::TxtCategBand), QStringLiteral("20M"));
    mouseClick(rc::TxtSoap1);
    type(QStringLiteral("tnx"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>(rc::TxtSoap2));
    type(QStringLiteral("73"));
    EXPECT_EQ(shown(rc::TxtSoap1), QStringLiteral("TNX"));

    box.queueAnswer(forms::msg::kYes);
    box.queueAnswer(forms::msg::kYes);
    QTest::mouseClick(find<QPushButton>(rc::CmdGata), Qt::LeftButton);
    ASSERT_FALSE(form->lastExportPath().isEmpty());
    const QByteArray file = readFile(form->lastExportPath());
    EXPECT_TRUE(file.contains("\r\nCATEGORY-BAND: 20M\r\n"));
    EXPECT_TRUE(file.contains("\r\nSOAPBOX: TNX\r\nSOAPBOX: 73\r\n"));
    auto* list = find<QListWidget>(rc::ListCbr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(window->logGrid()->isVisible());
    ASSERT_GT(list->count(), 25);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("START-OF-LOG: 3.0"));
    EXPECT_EQ(list->item(list->count() - 1)->text(), QStringLiteral("END-OF-LOG:"));
}

TEST_F(ReviewWindowTest, ArchivePanelSavesTheTypedNameAndListsTheFile) {
    log({{"DL1ABC", "28.11.26", "10:00", "20", "599 28", "599 14", "CW", "DL", "14", "1"}});
    openWindow();
    menu(rc::mnuArhiva);
    ASSERT_TRUE(find<QGroupBox>(rc::FraArh)->isVisible());
    mouseClick(rc::TxtNameDat);
    type(QStringLiteral("contest.adi"));
    EXPECT_EQ(shown(rc::TxtNameDat), QStringLiteral("CONTEST"));
    QTest::mouseClick(find<QPushButton>(rc::CmdArhivADI), Qt::LeftButton);
    EXPECT_TRUE(readFile(form->lastExportPath()).startsWith(" LOG CONTEST ADIF export <EOH> \r\n"));
    EXPECT_FALSE(find<QGroupBox>(rc::FraArh)->isVisible());
    EXPECT_TRUE(shown(rc::TxtNameDat).isEmpty());
    auto* files = find<QListWidget>(rc::FilList);
    ASSERT_TRUE(files->isVisible());
    EXPECT_EQ(files->findItems(QStringLiteral("CONTEST.adi"), Qt::MatchExactly).size(), 1);
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
