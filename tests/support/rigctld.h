#pragma once
// A rigctld with Hamlib's dummy rig, started and stopped by a test on a loopback port.

#include "core/station_settings.h"
#include "platform/rig_control.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace korvel::testing {

class Rigctld {
public:
    explicit Rigctld(int port) : port_(port) {}
    ~Rigctld() { stop(); }
    static bool installed() {
        return !QStandardPaths::findExecutable(QStringLiteral("rigctld")).isEmpty();
    }
    // A loopback port nobody listens on now.
    static int freePort() {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost)) return 0;
        return probe.serverPort();
    }
    bool start() {
        proc_.start(QStandardPaths::findExecutable(QStringLiteral("rigctld")),
                    {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-T"),
                     QStringLiteral("127.0.0.1"), QStringLiteral("-t"), QString::number(port_)});
        if (!proc_.waitForStarted(5000)) return false;
        return QTest::qWaitFor(
            [&] {
                QTcpSocket s;
                s.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(port_));
                return s.waitForConnected(100);
            },
            5000);
    }
    void stop() {
        if (proc_.state() == QProcess::NotRunning) return;
        proc_.kill();
        proc_.waitForFinished(5000);
    }
    int port() const { return port_; }
    // Station settings that read this radio, polled every 50 ms.
    StationSettings stationSettings() const {
        StationSettings st;
        st.rigOn = true;
        st.rigModel = platform::kRigModelNetRigctl;
        st.rigHost = QStringLiteral("127.0.0.1");
        st.rigPort = port_;
        st.rigPollMs = 50;
        return st;
    }

private:
    int port_;
    QProcess proc_;
};

} // namespace korvel::testing
