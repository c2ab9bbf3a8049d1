#pragma once
// A cwdaemon played by a test on loopback: keeps every datagram it gets and answers reply
// requests when the test says so.

#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <vector>

namespace korvel::testing {

struct UdpListener {
    QUdpSocket socket;
    std::vector<QByteArray> got;
    QHostAddress from;
    quint16 fromPort = 0;
    UdpListener() {
        EXPECT_TRUE(socket.bind(QHostAddress::LocalHost, 0));
        QObject::connect(&socket, &QUdpSocket::readyRead, [this] {
            while (socket.hasPendingDatagrams()) {
                const QNetworkDatagram d = socket.receiveDatagram();
                got.push_back(d.data());
                from = d.senderAddress();
                fromPort = static_cast<quint16>(d.senderPort());
            }
        });
    }
    bool waitFor(std::size_t n) {
        return QTest::qWaitFor([&] { return got.size() >= n; }, 5000);
    }
    void reply(const QByteArray& text) { socket.writeDatagram(text, from, fromPort); }
};

} // namespace korvel::testing
