// Keying through cwdaemon: the datagrams as a listener of the test receives them, a
// daemon that is absent or silent, and the real daemon when it is installed.
#include "keying/cwdaemon_keyer.h"
#include "keying/macros.h"
#include "tests/support/udp_listener.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QUdpSocket>

#include <gtest/gtest.h>

namespace korvel::keying {
namespace {

// A control request: Escape and its text.
const auto esc = [](const char* request) { return "\x1b" + QByteArray(request); };

TEST(CwDaemonText, MessagesAsTheDaemonTakesThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"cq test yo9xx", "CQ TEST YO9XX"},
        {">5NN<", "+++5NN---"},    // +5 and back: +6 then -6
        {">>TU", "+++++TU"},       // +10 exactly
        {">A>B>C", "+++A++B+++C"}, // +6, +10, +16
        {"<<<X", "--------X"},     // -15 gives -16
        {"TU~EE", "TUEE"},         // no half space
        {"R+ 73-", "R 73"},        // the daemon's speed characters are left out
        {"A\tB\x01"
         "C",
         "ABC"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(cwdaemon::messageBytes(QString::fromLatin1(in)), QByteArray(out)) << in;
    EXPECT_EQ(cwdaemon::messageBytes(QString(400, QLatin1Char('e'))).size(),
              cwdaemon::kMaxMessageBytes);
    EXPECT_EQ(cwdaemon::weightingFor(Weighting::W50), 0);
    EXPECT_EQ(cwdaemon::weightingFor(Weighting::None), 0);
    // Heavier weightings give a longer mark: 50 + 0.6 w percent of a dot and a space.
    EXPECT_NEAR(50 + 0.6 * cwdaemon::weightingFor(Weighting::W62), 100 * 7.0 / 12, 1);
    EXPECT_NEAR(50 + 0.6 * cwdaemon::weightingFor(Weighting::W75), 100 * 2.0 / 3, 1);
    EXPECT_EQ(cwdaemon::weightingRequest(80), esc("750"));
}

using Listener = testing::UdpListener;

struct Ends {
    std::vector<KeyResult> results;
    QStringList problems;
    explicit Ends(CwDaemonKeyer& k) {
        QObject::connect(&k, &CwDaemonKeyer::finished,
                         [this](KeyResult r) { results.push_back(r); });
        QObject::connect(&k, &CwDaemonKeyer::problem, [this](const QString& p) { problems << p; });
    }
};

CwDaemonKeyer::Params paramsFor(int port, int wpm = 28, int weighting = 14) {
    CwDaemonKeyer::Params p;
    p.host = QStringLiteral("127.0.0.1");
    p.port = port;
    p.wpm = wpm;
    p.weighting = weighting;
    return p;
}

// A loopback port nobody listens on now.
int freeUdpPort() {
    QUdpSocket probe;
    EXPECT_TRUE(probe.bind(QHostAddress::LocalHost, 0));
    return probe.localPort();
}

TEST(CwDaemonKeyerTest, TheDatagramsOfAMessageASpeedChangeAndAnAbort) {
    Listener daemon;
    CwDaemonKeyer keyer;
    Ends ends(keyer);
    keyer.start(paramsFor(daemon.socket.localPort()));
    ASSERT_TRUE(daemon.waitFor(2));
    EXPECT_EQ(daemon.got[0], esc("228"));
    EXPECT_EQ(daemon.got[1], esc("714"));

    const Expanded msg = expandMacros(
        QStringLiteral("  #2 >5NN< #3 #1  "),
        {QStringLiteral("YO9XX"), QStringLiteral("dl1abc"), QStringLiteral("TT5"), QString()});
    ASSERT_TRUE(keyer.send(msg.text));
    ASSERT_TRUE(daemon.waitFor(4));
    EXPECT_EQ(daemon.got[2], esc("hK1"));
    EXPECT_EQ(daemon.got[3], QByteArray("DL1ABC +++5NN--- TT5 YO9XX"));
    EXPECT_TRUE(keyer.busy());
    EXPECT_FALSE(keyer.send(QStringLiteral("CQ"))); // one message at a time

    daemon.reply("hK0"); // not the reply awaited
    QTest::qWait(50);
    EXPECT_TRUE(ends.results.empty());
    daemon.reply("hK1\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ends.results.empty(); }, 5000));
    EXPECT_FALSE(ends.results[0].stopped || ends.results[0].lineLost);
    EXPECT_FALSE(keyer.busy());

    keyer.setSpeed(32);
    ASSERT_TRUE(keyer.send(QStringLiteral("CQ TEST")));
    keyer.abort();
    ASSERT_TRUE(daemon.waitFor(8));
    EXPECT_EQ(daemon.got[4], esc("232"));
    EXPECT_EQ(daemon.got[5], esc("hK2"));
    EXPECT_EQ(daemon.got[6], QByteArray("CQ TEST"));
    EXPECT_EQ(daemon.got[7], esc("4"));
    ASSERT_EQ(ends.results.size(), 2u);
    EXPECT_TRUE(ends.results[1].stopped);
    EXPECT_FALSE(keyer.busy());
    EXPECT_TRUE(ends.problems.isEmpty());
}

TEST(CwDaemonKeyerTest, AnAbsentOrSilentDaemonEndsTheMessageAndSaysSo) {
    {
        CwDaemonKeyer keyer;
        Ends ends(keyer);
        keyer.start(paramsFor(freeUdpPort(), 60));
        QTest::qWait(100);
        keyer.send(QStringLiteral("E"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !ends.results.empty(); }, 10000));
        EXPECT_TRUE(ends.results[0].lineLost);
        ASSERT_FALSE(ends.problems.isEmpty());
        EXPECT_TRUE(ends.problems[0].startsWith(QStringLiteral("CWDAEMON 127.0.0.1:")));
    }
    Listener silent;
    CwDaemonKeyer keyer;
    Ends ends(keyer);
    CwDaemonKeyer::Params p = paramsFor(silent.socket.localPort(), 60);
    p.replyMarginMs = 100;
    keyer.start(p);
    keyer.send(QStringLiteral("E"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ends.results.empty(); }, 5000));
    EXPECT_TRUE(ends.results[0].lineLost);
    EXPECT_TRUE(
        ends.problems.back().endsWith(QStringLiteral("THE END OF THE MESSAGE WAS NOT REPORTED")));
}

TEST(CwDaemonKeyerTest, TheRealDaemonKeysAndAborts) {
    const QString binary = QStandardPaths::findExecutable(QStringLiteral("cwdaemon"));
    if (binary.isEmpty()) GTEST_SKIP() << "cwdaemon is not installed (Debian package cwdaemon)";
    const int port = freeUdpPort();
    // No keying device and no sound: the daemon times the message and reports its end.
    QProcess daemon;
    daemon.start(binary, {QStringLiteral("-n"), QStringLiteral("-d"), QStringLiteral("null"),
                          QStringLiteral("-x"), QStringLiteral("n"), QStringLiteral("-p"),
                          QString::number(port)});
    ASSERT_TRUE(daemon.waitForStarted(5000));
    QTest::qWait(300);

    CwDaemonKeyer keyer;
    Ends ends(keyer);
    keyer.start(paramsFor(port, 60, 0));
    ASSERT_TRUE(keyer.send(QStringLiteral("TEST")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ends.results.empty(); }, 10000));
    EXPECT_FALSE(ends.results[0].stopped || ends.results[0].lineLost)
        << ends.problems.join(QLatin1Char('|')).toStdString();

    // A long message stopped at once; the daemon takes the next one.
    keyer.setSpeed(20);
    ASSERT_TRUE(keyer.send(QStringLiteral("CQ CQ CQ TEST YO9XX YO9XX TEST")));
    QTest::qWait(200);
    keyer.abort();
    EXPECT_TRUE(ends.results.back().stopped);
    QTest::qWait(200);
    keyer.setSpeed(60);
    ASSERT_TRUE(keyer.send(QStringLiteral("E")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends.results.size() == 3; }, 10000));
    EXPECT_FALSE(ends.results[2].lineLost) << ends.problems.join(QLatin1Char('|')).toStdString();

    daemon.kill();
    daemon.waitForFinished(5000);
}

} // namespace
} // namespace korvel::keying
