// The station wired to the desk: the radio's readings choose band and mode as the buttons
// do, the frequency logged with a QSO and written by the exports, a radio that goes away
// and comes back, the band map's marks from a node on loopback, and the desk's message keys
// keyed through cwdaemon.
#include "app/station_link.h"
#include "desk/desk_form.h"
#include "review/adif.h"
#include "review/cabrillo.h"
#include "review/export_pass.h"
#include "store/qso_freq.h"
#include "store/review_queries.h"
#include "tests/support/desk_keyed_station.h"
#include "tests/support/fake_node.h"
#include "tests/support/rigctld.h"
#include "tests/support/udp_listener.h"

#include <QBuffer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace korvel;
using korvel::testing::Rigctld;
namespace colour = forms::colour;

namespace {

class Station : public korvel::testing::DeskStation {
protected:
    void SetUp() override {
        DeskStation::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_EQ(store::createQsoFreqTable(dbs.log.connection()), QString());
    }

    // Opens the desk for a contest on a band and mode, with the station wired to it.
    DeskForm& open(int contest, int band, const char* mode) {
        link.reset();
        DeskStation::open(contest, band, mode);
        link = std::make_unique<StationLink>(*desk, keys, s, [this] {
            auto r = std::make_unique<platform::FakeRig>();
            r->set(first.hz, first.mode);
            rig = r.get();
            return r;
        });
        return *desk;
    }
    // Switches rig control on, with a fake radio that reads `hz` and `mode` at first.
    void radioOn(std::int64_t hz = 14000000, const char* mode = "CW") {
        first = {hz, QLatin1String(mode)};
        StationSettings st;
        st.rigOn = true;
        link->apply(st);
        ASSERT_NE(rig, nullptr);
    }

    std::int64_t idOf(const char* call) {
        for (const store::QsoRow& r : dbs.log.all())
            if (r.callsign == QLatin1String(call)) return r.id;
        return -1;
    }
    std::optional<std::int64_t> freqOf(const char* call) {
        return store::qsoFreq(dbs.log.connection(), idOf(call));
    }
    // The line (Cabrillo) or record (ADIF) an export of the whole log writes for `call`.
    QString exportedLineOf(review::FormatWriter&& writer, const char* start, const QString& call) {
        store::ReviewQueries queries(dbs.log, dbs.ref);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        EXPECT_TRUE(review::runExportPass(queries, writer, out).ok);
        for (const QString& line : QString::fromUtf8(out.data()).split(QStringLiteral("\r\n")))
            if (line.startsWith(QLatin1String(start)) && line.contains(call)) return line;
        return {};
    }
    QString cabrilloLineOf(const char* call) {
        return exportedLineOf(review::CabrilloWriter({.callsign = s.MyCall}, {}),
                              "QSO:", QLatin1String(call));
    }
    QString adifRecordOf(const char* call) {
        return exportedLineOf(review::AdifWriter(QStringLiteral("YO9XX"), QStringLiteral("TEST")),
                              "", QStringLiteral("<CALL:%1>%2").arg(qstrlen(call)).arg(call));
    }

    // Every control's state but the frequency shown, and the focus: for comparing desks.
    QStringList states() {
        QStringList out;
        for (const QString& name : desk->controlNames()) {
            const forms::Control& c = desk->ctl(name);
            if (name != QLatin1String("LblFreq"))
                out << QStringLiteral("%1|%2|%3|%4|%5|%6")
                           .arg(name, c.text, c.back.hex())
                           .arg(c.visible)
                           .arg(c.enabled)
                           .arg(c.items.join(QLatin1Char(',')));
        }
        return out << desk->focus();
    }

    std::unique_ptr<StationLink> link;
    platform::FakeRig* rig = nullptr;
    platform::RigReading first;
};

QByteArray esc(const char* request) {
    return QByteArray("\x1b") + request;
}

} // namespace

TEST_F(Station, TheRadioChoosesBandAndModeAsTheDesksButtonsDoAndLeavesTheEntryAlone) {
    const struct {
        int band;
        const char* mode;
        std::int64_t hz;
        const char* rigMode;
        int wantBand;
        const char* wantMode;
        const char* shown;
        bool outside;
    } cases[] = {
        {80, "SSB", 14025000, "CW", 20, "CW", "14025.0", false},
        {80, "CW", 7150000, "LSB", 40, "SSB", "7150.0", false},
        {20, "CW", 28450000, "USB", 10, "SSB", "28450.0", false},
        {20, "SSB", 1830500, "CWR", 160, "CW", "1830.5", false},
        {40, "SSB", 7074000, "PKTUSB", 40, "SSB", "7074.0", false}, // a data mode: no mode
        {20, "CW", 10110000, "CW", 20, "CW", "10110.0", true},      // 30 m is no contest band
        {15, "SSB", 14000000, "USB", 20, "SSB", "14000.0", false},  // both edges belong
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hz);
        open(201, c.band, c.mode);
        radioOn(c.hz, c.rigMode);
        EXPECT_EQ(s.Band, c.wantBand);
        EXPECT_EQ(s.Mode, c.wantMode);
        EXPECT_EQ(field("LblFreq"), c.shown);
        EXPECT_TRUE(control("LblFreq").visible);
        EXPECT_EQ(control("LblFreq").back, c.outside ? colour::kRed : colour::kWhite);
        EXPECT_EQ(desk->focus(), "txtIndic");
    }

    // Band and mode followed are exactly a click on the band's and the mode's buttons:
    // tallies, band marks, grid, reports.
    open(201, 80, "SSB");
    logQso("DL1ABC");
    open(201, 80, "SSB");
    run("click Cmd20\nclick CmdCW\n");
    const QStringList clicked = states();
    open(201, 80, "SSB");
    radioOn(14025000, "CW");
    EXPECT_EQ(states(), clicked);
    // Later readings move band and mode the same way; readings within the band leave the QSO
    // being entered alone.
    rig->set(7150000, QStringLiteral("LSB"));
    EXPECT_EQ(s.Band, 40);
    EXPECT_EQ(s.Mode, "SSB");
    run("type dl1abc\nkey Space\ntype 1\n");
    const QStringList entered = states();
    for (std::int64_t hz : {7150100, 7155000, 7160000})
        rig->set(hz, QStringLiteral("LSB"));
    EXPECT_EQ(states(), entered);
    EXPECT_EQ(field("LblFreq"), "7160.0");
}

TEST_F(Station, AQsoCarriesTheRadiosFrequencyIntoTheExports) {
    open(201, 20, "CW");
    logQso("G4ABC"); // before rig control: no frequency
    const QString withoutRadio = cabrilloLineOf("G4ABC");
    EXPECT_EQ(withoutRadio.left(35), "QSO: 14000 CW 2026-12-06 1200 YO9XX");
    const QString adifWithout = adifRecordOf("G4ABC");

    radioOn();
    rig->set(14025400, QStringLiteral("CW"));
    logQso("DL1ABC");
    EXPECT_EQ(freqOf("DL1ABC"), 14025);
    EXPECT_EQ(freqOf("G4ABC"), std::nullopt);
    EXPECT_EQ(cabrilloLineOf("DL1ABC").left(24), "QSO: 14025 CW 2026-12-06");
    EXPECT_TRUE(adifRecordOf("DL1ABC").contains(QLatin1String("<BAND:3>20m<FREQ:6>14.025<")))
        << adifRecordOf("DL1ABC").toStdString();
    // A QSO without a frequency is written as it always was.
    EXPECT_EQ(cabrilloLineOf("G4ABC"), withoutRadio);
    EXPECT_EQ(adifRecordOf("G4ABC"), adifWithout);
    EXPECT_FALSE(adifWithout.contains(QLatin1String("FREQ")));

    // A correction keeps the frequency the QSO was logged with.
    rig->set(14031000, QStringLiteral("CW"));
    run("alt+key F2\nkey Enter\n");
    EXPECT_EQ(freqOf("DL1ABC"), 14025);

    // Outside the band the desk logs on, and while the radio is gone, nothing is logged.
    rig->set(10110000, QStringLiteral("CW"));
    logQso("OK1ABC");
    EXPECT_EQ(freqOf("OK1ABC"), std::nullopt);
    rig->set(7010000, QStringLiteral("CW"));
    rig->goAway();
    logQso("SP5ABC");
    EXPECT_EQ(freqOf("SP5ABC"), std::nullopt);
    EXPECT_EQ(dbs.log.all().size(), 4u); // every QSO stored all the same
    rig->comeBack();
    logQso("HA5ABC");
    EXPECT_EQ(freqOf("HA5ABC"), 7010);
    EXPECT_EQ(cabrilloLineOf("HA5ABC").left(14), "QSO: 7010  CW ");
    EXPECT_TRUE(adifRecordOf("HA5ABC").contains(QLatin1String("<FREQ:5>7.010<")));

    // A deleted QSO takes its frequency along.
    const std::int64_t id = idOf("HA5ABC");
    desk->selectGridRow(id);
    box.queueAnswer(forms::msg::kYes);
    desk->deleteSelectedQso();
    EXPECT_EQ(store::qsoFreq(dbs.log.connection(), id), std::nullopt);
    EXPECT_EQ(store::allQsoFreqs(dbs.log.connection()).size(), 1u);
}

TEST_F(Station, TheRadioGoingAwayIsSaidAndNeverStopsTheDesk) {
    open(201, 20, "CW");
    radioOn();
    rig->goAway(QStringLiteral("no answer"));
    EXPECT_TRUE(control("TxtEroare").visible);
    EXPECT_EQ(field("TxtEroare"), "RIG: no answer");
    EXPECT_EQ(desk->radioHz(), std::nullopt);
    logQso("DL1ABC");
    EXPECT_EQ(dbs.log.all().size(), 1u);
    rig->comeBack();
    EXPECT_FALSE(control("TxtEroare").visible);
    EXPECT_EQ(control("LblFreq").back, colour::kWhite);
    // An error of the desk's own, said after the radio's, stays when the radio comes back.
    rig->goAway(QStringLiteral("gone"));
    enter("qq1zz");
    const QString notFound = field("TxtEroare");
    EXPECT_TRUE(notFound.contains(QLatin1String("NOT FIND"))) << notFound.toStdString();
    rig->comeBack();
    EXPECT_TRUE(control("TxtEroare").visible);
    EXPECT_EQ(field("TxtEroare"), notFound);
}

// A real rigctld with the dummy rig, read through Hamlib on its own thread: taken away and
// brought back while the desk's event loop keeps turning.
TEST_F(Station, RigctldGoesAwayAndComesBackWithoutAFreeze) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "Hamlib's own threads race in setlocale under AddressSanitizer";
#endif
    if (!Rigctld::installed()) GTEST_SKIP() << "rigctld is not installed (libhamlib-utils)";
    Rigctld daemon(Rigctld::freePort());
    ASSERT_TRUE(daemon.start());
    DeskStation::open(201, 80, "SSB");
    link = std::make_unique<StationLink>(*desk, keys, s);
    link->apply(daemon.stationSettings());
    link->rig()->tune(14025000, QStringLiteral("CW"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Band == 20 && s.Mode == "CW"; }, 10000));
    EXPECT_EQ(field("LblFreq"), "14025.0");

    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(10);
    daemon.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return field("TxtEroare").startsWith("RIG:"); }, 10000));
    logQso("DL1ABC"); // keys and the store go on meanwhile
    EXPECT_EQ(freqOf("DL1ABC"), std::nullopt);
    QTest::qWait(300);
    EXPECT_GT(ticks, 10);

    ASSERT_TRUE(daemon.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return desk->radioHz().has_value(); }, 15000));
    EXPECT_FALSE(control("TxtEroare").visible);
    link->rig()->tune(7150000, QStringLiteral("LSB"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.Band == 40 && s.Mode == "SSB"; }, 10000));
    link.reset();
}

TEST_F(Station, BandMapMarksTheSpotsOfANodeAsTheContestCountsThem) {
    open(201, 20, "CW"); // CQ-WW: zones and countries per band
    logQso("DL1ABC");    // zone 14 and DL worked on 20 m
    korvel::testing::FakeNode node;
    StationSettings st;
    st.rigOn = true;
    st.clusterOn = true;
    st.clusterNodes = {QStringLiteral("bad node"), node.address()};
    st.clusterNode = 1;
    link->apply(st);
    EXPECT_TRUE(control("FraStation").visible);
    ASSERT_TRUE(QTest::qWaitFor([&] { return node.got.contains("YO9XX\r\n"); }, 5000));
    node.send("DX de OH2XX:     14025.0  DL1ABC       CQ                         1200Z\r\n"
              "DX de OH2XX:     14030.0  DL2XYZ       5NN                        1201Z\r\n"
              "DX de OH2XX-#:   14040.0  JA1ABC       up 1                       1202Z\r\n"
              "DX de OH2XX:      7020.0  JA1ABC                                  1203Z\r\n"
              "WWV de W0MU <18>:   SFI=150, A=5, K=1, No Storms -> No Storms\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return desk->bandMap().rows().size() == 3; }, 5000));

    using cluster::SpotMark;
    using Marks = std::vector<std::pair<QString, SpotMark>>;
    const auto marks = [&] {
        Marks out;
        for (const cluster::BandMapRow& r : desk->bandMap().rows())
            out.emplace_back(r.call, r.mark);
        return out;
    };
    EXPECT_EQ(marks(), (Marks{{"DL1ABC", SpotMark::Dupe},
                              {"DL2XYZ", SpotMark::NewQso},
                              {"JA1ABC", SpotMark::NewMultiplier}}));
    EXPECT_EQ(control("LstBandMap").items.size(), 3);
    const QStringList console = control("LstCluster").items;
    EXPECT_TRUE(console.contains(QStringLiteral("Welcome to the test node")));
    EXPECT_TRUE(console.contains(
        QStringLiteral("WWV de W0MU <18>:   SFI=150, A=5, K=1, No Storms -> No Storms")));
    // The entry was never touched by the marks.
    EXPECT_TRUE(field("txtIndic").isEmpty());
    EXPECT_FALSE(control("LblNeu").visible);

    // A QSO stored marks the spots again: JA1XYZ brings zone 25 and JA to 20 m.
    logQso("JA1XYZ");
    logQso("DL2XYZ");
    EXPECT_EQ(marks(), (Marks{{"DL1ABC", SpotMark::Dupe},
                              {"DL2XYZ", SpotMark::Dupe},
                              {"JA1ABC", SpotMark::NewQso}}));
    // On 40 m the one spot there is a new multiplier.
    run("click Cmd40\n");
    EXPECT_EQ(marks(), (Marks{{"JA1ABC", SpotMark::NewMultiplier}}));
    run("click Cmd20\n");

    // A double click puts the call in as if typed and tunes the radio to the spot.
    control("LstBandMap").listIndex = 2;
    desk->dblClick(QStringLiteral("LstBandMap"));
    expectFields({{"txtIndic", "JA1ABC"}, {"focus", "txtIndic"}});
    ASSERT_FALSE(rig->tuned.empty());
    EXPECT_EQ(rig->tuned.back().hz, 14040000);
    EXPECT_EQ(control("LstBandMap").listIndex, 2); // the radio now sits on the spot

    // The console's command line takes the keys only once clicked; Enter sends the line
    // and the cursor goes back to the call.
    run("click TxtClusterCmd\ntype sh/dx 5\nkey Enter\n");
    EXPECT_EQ(desk->focus(), "txtIndic");
    EXPECT_TRUE(field("TxtClusterCmd").isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return node.got.contains("sh/dx 5\r\n"); }, 5000));
}

TEST_F(Station, MessageKeysAreKeyedByCwdaemon) {
    korvel::testing::UdpListener daemon;
    open(201, 20, "CW");
    control("TxtF1").text = QStringLiteral("CQ #1 >TEST");
    control("TxtF2").text = QStringLiteral("5NN #3");
    StationSettings st;
    st.cwDaemonOn = true;
    st.cwDaemonHost = QStringLiteral("127.0.0.1");
    st.cwDaemonPort = daemon.socket.localPort();
    st.cwDaemonWeighting = 10;
    link->apply(st);
    ASSERT_TRUE(daemon.waitFor(2));
    EXPECT_EQ(daemon.got, (std::vector<QByteArray>{esc("230"), esc("710")}));

    const struct {
        const char* script;
        const char* reply; // the daemon reports the end of the message
        std::vector<QByteArray> datagrams;
        bool busyAfter;
    } steps[] = {
        // A message with macros: the own call, and ">" as the daemon's "+" characters.
        {"key F1\n", nullptr, {esc("hK1"), "CQ YO9XX +++TEST"}, true},
        {nullptr, "hK1", {}, false},
        // A speed change goes to the daemon at once.
        {"key PageUp\n", nullptr, {esc("232")}, false},
        {"type dl1abc\nkey Space\nkey F2\n", nullptr, {esc("hK2"), "5NN 20"}, true},
        // Esc aborts the message under way.
        {"key Esc\n", nullptr, {esc("4")}, false},
        // The panel's weighting is added to the daemon's own before the next message.
        {"click OpB62\nkey F2\n", nullptr, {esc("724"), esc("hK3"), "5NN 20"}, true},
        {nullptr, "hK3", {}, false},
        {"click Opb75\nkey F2\n", nullptr, {esc("738"), esc("hK4"), "5NN 20"}, true},
        {"key Esc\n", nullptr, {esc("4")}, false},
    };
    std::size_t seen = 2;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.script ? step.script : step.reply);
        if (step.script) run(step.script);
        if (step.reply) daemon.reply(step.reply);
        if (step.reply) ASSERT_TRUE(QTest::qWaitFor([&] { return !keys.busy(); }, 5000));
        ASSERT_TRUE(daemon.waitFor(seen + step.datagrams.size()));
        EXPECT_EQ(
            std::vector<QByteArray>(daemon.got.begin() + static_cast<long>(seen), daemon.got.end()),
            step.datagrams);
        seen = daemon.got.size();
        EXPECT_EQ(keys.busy(), step.busyAfter);
    }
    EXPECT_TRUE(keys.sendAborted());
    EXPECT_EQ(ports.opened, 0); // the serial port was never used
    EXPECT_DOUBLE_EQ(desk->cwSpeed(), 32);
}
