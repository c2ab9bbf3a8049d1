// The telnet client against a node served by the test on 127.0.0.1: login, a burst of
// spots with malformed and very long lines, telnet options refused, a dropped
// connection taken up again.
#include "desk/dx_spots.h"
#include "platform/telnet_cluster.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <gtest/gtest.h>

namespace korvel::platform {
namespace {

using State = TelnetCluster::State;

// A node: accepts connections and keeps what each client sent.
class FakeNode {
public:
    FakeNode() {
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost));
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                clients.push_back(s);
                sent.emplace_back();
                const std::size_t i = sent.size() - 1;
                QObject::connect(s, &QTcpSocket::readyRead,
                                 [this, s, i] { sent[i] += s->readAll(); });
                if (!greeting.isEmpty()) s->write(greeting);
            }
        });
    }
    int port() const { return server.serverPort(); }
    QTcpSocket* last() { return clients.empty() ? nullptr : clients.back(); }

    QTcpServer server;
    QByteArray greeting = "Hello from the test node\r\nlogin: ";
    std::vector<QTcpSocket*> clients;
    std::vector<QByteArray> sent;
};

struct Client {
    TelnetCluster cluster;
    QStringList lines;
    QStringList problems;
    std::vector<State> states;
    Client() {
        QObject::connect(&cluster, &TelnetCluster::received,
                         [this](const QString& l) { lines << l; });
        QObject::connect(&cluster, &TelnetCluster::problem,
                         [this](const QString& p) { problems << p; });
        QObject::connect(&cluster, &TelnetCluster::stateChanged,
                         [this](State s) { states.push_back(s); });
    }
    void start(int port, int loginFallbackMs = 5000) {
        TelnetCluster::Params p;
        p.host = QStringLiteral("127.0.0.1");
        p.port = port;
        p.call = QStringLiteral("YO9XX");
        p.retryFirstMs = 50;
        p.retryMaxMs = 200;
        p.loginFallbackMs = loginFallbackMs;
        cluster.start(p);
    }
};

TEST(TelnetClusterTest, LogsInTakesABurstAndComesBackAfterADrop) {
    FakeNode node;
    Client client;
    client.start(node.port());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !node.sent.empty() && node.sent[0].contains("\r\n"); }, 5000));
    EXPECT_EQ(node.sent[0], "YO9XX\r\n");
    EXPECT_EQ(client.cluster.state(), State::Online);
    EXPECT_EQ(client.lines.mid(0, 2), (QStringList{"Hello from the test node", "login: "}));

    // Options offered by the node are refused; the burst comes in pieces, with a bell, a
    // line of 5000 characters, malformed spots and a WWV line.
    const QByteArray iac = QByteArray("\xff\xfd\x01\xff\xfb\x03", 6);
    const QByteArray longLine = "DX de SP9ABC: 14025.0 DL1XX " + QByteArray(5000, 'x') + "\r\n";
    const QByteArray burst =
        iac +
        "DX de SP9ABC:     14025.0  DL1XX        cq test                     1234Z\r\n"
        "DX de W3LPL-#:   7003.1  ZS6AA  \x07 CW 25 dB  1235Z FN20\r\n"
        "DX de OK1XYZ:  garbage\r\n" +
        longLine +
        "DX de G4XYZ:  21295.5  \xff\xff\r\n"
        "WWV de W0MU <18>:   SFI=68, A=5, K=1, No Storms -> No Storms\r\n"
        "DX de DL0AB:    1825.5  9A1A    QRN 2359Z\r\n";
    node.last()->write(burst.left(70));
    node.last()->flush();
    QTest::qWait(30);
    node.last()->write(burst.mid(70));
    ASSERT_TRUE(QTest::qWaitFor([&] { return client.lines.size() >= 9; }, 5000));
    EXPECT_TRUE(node.sent[0].endsWith(QByteArray("\xff\xfc\x01\xff\xfe\x03", 6)));

    cluster::SpotStore store;
    int wwv = 0, cut = 0;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QString& l : client.lines) {
        EXPECT_LE(l.size(), kMaxClusterLine);
        EXPECT_FALSE(l.contains(QLatin1Char('\a')));
        cut += l.size() == kMaxClusterLine;
        if (const auto s = cluster::parseSpot(l, now)) store.add(*s);
        wwv += cluster::parsePropagation(l).has_value();
    }
    EXPECT_EQ(cut, 1);
    EXPECT_EQ(wwv, 1);
    ASSERT_EQ(store.all().size(), 3u);
    EXPECT_EQ(store.ofBand(20).at(0).call, QStringLiteral("DL1XX"));
    EXPECT_EQ(store.ofBand(40).at(0).comment, QStringLiteral("CW 25 dB"));
    EXPECT_EQ(store.ofBand(160).at(0).call, QStringLiteral("9A1A"));

    // A command typed in the console goes to the node.
    client.cluster.send(QStringLiteral("sh/dx 5"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return node.sent[0].endsWith("sh/dx 5\r\n"); }, 5000));

    // The node drops the line: reported, tried again, logged in again.
    node.last()->disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !client.problems.isEmpty(); }, 5000));
    EXPECT_TRUE(client.problems[0].startsWith(QStringLiteral("DX CLUSTER 127.0.0.1:")))
        << client.problems[0].toStdString();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return node.sent.size() == 2 && node.sent[1] == "YO9XX\r\n"; }, 5000));
    EXPECT_EQ(client.cluster.state(), State::Online);
    EXPECT_NE(std::find(client.states.begin(), client.states.end(), State::Waiting),
              client.states.end());
}

TEST(TelnetClusterTest, ANodeThatAsksInNoKnownWayGetsTheCallAfterAWhile) {
    FakeNode node;
    node.greeting = "Welcome. Identify yourself\r\n";
    Client client;
    client.start(node.port(), 150);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !node.sent.empty() && !node.sent[0].isEmpty(); }, 5000));
    EXPECT_EQ(node.sent[0], "YO9XX\r\n");
    EXPECT_EQ(client.lines, QStringList{"Welcome. Identify yourself"});
}

TEST(TelnetClusterTest, AnAbsentNodeIsRetriedWithALongerPauseEachTime) {
    const quint16 port = [] { // nobody listens there now
        QTcpServer probe;
        EXPECT_TRUE(probe.listen(QHostAddress::LocalHost));
        return probe.serverPort();
    }();
    Client client;
    client.start(port);
    ASSERT_TRUE(QTest::qWaitFor([&] { return client.problems.size() >= 3; }, 5000));
    EXPECT_TRUE(client.problems[0].endsWith(QStringLiteral("TRYING AGAIN IN 1 S")));
    client.cluster.send(QStringLiteral("sh/dx"));
    EXPECT_EQ(client.problems.back(),
              QStringLiteral("DX CLUSTER: NOT CONNECTED, COMMAND NOT SENT"));

    // A node that appears on that port is found by the next attempt.
    QTcpServer late;
    ASSERT_TRUE(late.listen(QHostAddress::LocalHost, port));
    ASSERT_TRUE(QTest::qWaitFor([&] { return client.cluster.state() == State::LoggingIn; }, 5000));
    client.cluster.stop();
    EXPECT_EQ(client.cluster.state(), State::Off);
}

} // namespace
} // namespace korvel::platform
