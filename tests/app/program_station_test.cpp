// The program with the station around the desk: the desk opened by START-CONTEST reads the
// radio (a rigctld with Hamlib's dummy rig) and the node named in the station's settings
// file, shows the frequency and the marked band map in its window, and says in its error
// line when the radio goes away. Real windows, offscreen; messages answered by a script.
#include "app/desk_window.h"
#include "app/program.h"
#include "app/session.h"
#include "app/setup_window.h"
#include "core/settings_file.h"
#include "core/station_settings.h"
#include "tests/support/fake_node.h"
#include "tests/support/rigctld.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace korvel;
using korvel::testing::FakeNode;
using korvel::testing::Rigctld;

TEST(ProgramStation, TheDeskReadsTheRadioAndTheNodeOfTheStationsFile) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "Hamlib's own threads race in setlocale under AddressSanitizer";
#endif
    if (!Rigctld::installed()) GTEST_SKIP() << "rigctld is not installed (libhamlib-utils)";
    QTemporaryDir dir;
    Session session;
    ASSERT_TRUE(startSession(session, dir.path()).ok());
    SharedState& s = session.state;
    s.MyCall = QStringLiteral("YO9XX");
    s.MyQRA = QStringLiteral("KN34BW");
    ASSERT_TRUE(writeInitFile(s, initFilePath(s)).ok);

    Rigctld radio(Rigctld::freePort());
    ASSERT_TRUE(radio.start());
    FakeNode node;
    StationSettings st = radio.stationSettings();
    st.clusterOn = true;
    st.clusterNodes = {node.address()};
    ASSERT_EQ(writeStationFile(st, stationFilePath(s.DataDir)), QString());

    forms::ScriptedMessageBox box;
    Program program(session, {false, &box});
    ASSERT_EQ(program.openSetup(), std::nullopt);
    forms::FormModel& setup = program.setupWindow()->model();
    setup.click(QStringLiteral("OpbEnglish"));
    setup.click(QStringLiteral("OpBCQWW"));
    setup.ctl(QStringLiteral("TxtTime")).text = QStringLiteral("+02");
    setup.click(QStringLiteral("mnuQSOfahren"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.deskWindow() != nullptr; }, 5000))
        << (box.shown().empty() ? std::string() : box.shown()[0].prompt.toStdString());
    DeskForm& desk = program.desk();

    // The radio tuned from the desk (as a band map pick does) moves the desk to 20 m.
    ASSERT_TRUE(QTest::qWaitFor([&] { return desk.radioHz().has_value(); }, 10000));
    ASSERT_TRUE(desk.onTune);
    desk.onTune(14025000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Band == 20; }, 10000));
    EXPECT_EQ(desk.ctl(QStringLiteral("LblFreq")).text, QStringLiteral("14025.0"));

    // A spot of the node on the window's band map, red: zone 25 is new on 20 m.
    ASSERT_TRUE(QTest::qWaitFor([&] { return node.got.contains("YO9XX\r\n"); }, 5000));
    node.send("DX de OH2XX:     14040.0  JA1ABC       up 1                       1202Z\r\n");
    auto* map = program.deskWindow()->findChild<QListWidget*>(QStringLiteral("LstBandMap"));
    ASSERT_NE(map, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return map->count() == 1; }, 5000));
    EXPECT_TRUE(map->item(0)->text().contains(QLatin1String("JA1ABC")));
    EXPECT_EQ(map->item(0)->foreground().color(), QColor(255, 0, 0));
    EXPECT_NE(desk.focus(), QStringLiteral("TxtClusterCmd")); // lines never take the keys

    // The radio goes away: said in the error line; the desk takes keys meanwhile.
    radio.stop();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return desk.ctl(QStringLiteral("TxtEroare")).text.startsWith("RIG:"); }, 10000));
    EXPECT_TRUE(desk.ctl(QStringLiteral("TxtEroare")).visible);
}

int main(int argc, char** argv) {
    // Windows need no display here, also when the test list is read at build time.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
