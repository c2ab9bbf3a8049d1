#pragma once
// A telnet connection to a DX-cluster node, on Qt's network classes and the event loop of
// the thread that made it (nothing here waits).
//
// The node is logged in with the own call: it is sent when the node asks for it ("login:",
// "call:", "Please enter your call") or, from nodes that ask in no way we know, after a
// few seconds. Every line the node sends comes out of received() with the telnet codes
// and control characters removed, for the console and for the spot parser; a line longer
// than kMaxClusterLine is cut there. A connection that fails or drops is reported through
// problem() and tried again after a pause that doubles up to a limit.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QTcpSocket;

namespace korvel::platform {

inline constexpr int kMaxClusterLine = 1024;

class TelnetCluster : public QObject {
    Q_OBJECT
public:
    enum class State { Off, Connecting, LoggingIn, Online, Waiting };
    Q_ENUM(State)

    struct Params {
        QString host;
        int port = 0;
        QString call; // the login
        int retryFirstMs = 2000;
        int retryMaxMs = 60000;
        int loginFallbackMs = 5000;
    };

    explicit TelnetCluster(QObject* parent = nullptr);
    ~TelnetCluster() override;

    void start(const Params& params);
    void stop();
    State state() const { return state_; }
    // Sends a command line typed in the console; dropped (with problem()) when not online.
    void send(const QString& command);

signals:
    void received(QString line);
    void stateChanged(korvel::platform::TelnetCluster::State state);
    void problem(QString text);

private:
    void connectNow();
    void onConnected();
    void onReadable();
    void onDropped(const QString& why);
    void setState(State s);
    void login();
    void takeLine(const QByteArray& bytes);
    QByteArray stripTelnet(const QByteArray& in);

    Params params_;
    QTcpSocket* socket_ = nullptr;
    QTimer retry_;
    QTimer loginFallback_;
    State state_ = State::Off;
    int retryMs_ = 0;
    QByteArray telnetPending_; // an IAC sequence cut by the end of a read
    QByteArray line_;
    bool skipping_ = false; // the rest of a line over the limit is dropped
};

} // namespace korvel::platform
