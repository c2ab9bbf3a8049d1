#pragma once
// A DX-cluster node played by a test on loopback: asks for the call, then sends what the
// test gives it and keeps what the logger sends.

#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

namespace korvel::testing {

struct FakeNode {
    QTcpServer server;
    QTcpSocket* peer = nullptr;
    QByteArray got;
    FakeNode() {
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost));
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            peer = server.nextPendingConnection();
            QObject::connect(peer, &QTcpSocket::readyRead, [this] { got += peer->readAll(); });
            peer->write("Welcome to the test node\r\nlogin: ");
        });
    }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(server.serverPort()); }
    void send(const QByteArray& lines) { peer->write(lines); }
};

} // namespace korvel::testing
