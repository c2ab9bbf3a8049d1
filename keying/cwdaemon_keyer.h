#pragma once
// Keying through cwdaemon: the expanded message text goes as one UDP datagram to the
// daemon, which keys it on whatever port it drives (serial, parallel, USB keyers) with its
// own timing. Requests to the daemon begin with Escape (27): "2" and a number set the
// speed in WPM, "7" and a number the weighting (-50 .. 50: the station's trim plus the CW
// panel's 50, 62 or 75 %), "4" aborts the message, and "h" with a tag asks for the tag back
// ("h" + tag) once the next message has been keyed.
//
// Everything runs on the event loop of the thread that made the keyer; nothing waits for
// the daemon. A message ends with finished(): stopped after abort(), lineLost when the
// daemon refused the datagrams or did not report the end in time; problem() says why.

#include "keying/cw_plan.h"
#include "keying/morse.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QUdpSocket;

namespace korvel::keying {

namespace cwdaemon {
inline constexpr int kDefaultPort = 6789;
inline constexpr int kMaxMessageBytes = 250; // the daemon reads one datagram of a message
QByteArray speedRequest(int wpm);
QByteArray weightingRequest(int weighting);
QByteArray abortRequest();
QByteArray replyRequest(const QByteArray& tag);
// The daemon's weighting for a weighting of the CW panel: 1:3 is 0, the heavier ones
// give the same ratio of mark to space.
int weightingFor(Weighting w);
// A message as the daemon takes it. Its "+" and "-" change the speed by 2 WPM, so the
// ">" and "<" of a message (5 WPM up or down) become the nearest run of them and a "+" or
// "-" of the text is left out; the half space "~" has no counterpart and is left out.
// Lower-case letters are sent as upper case; the text is cut at kMaxMessageBytes.
QByteArray messageBytes(const QString& expanded);
} // namespace cwdaemon

class CwDaemonKeyer : public QObject {
    Q_OBJECT
public:
    struct Params {
        QString host = QStringLiteral("localhost");
        int port = cwdaemon::kDefaultPort;
        int wpm = 30;
        int weighting = 0;
        // Added to the longest time the message can take before the daemon counts as gone.
        int replyMarginMs = 3000;
    };

    explicit CwDaemonKeyer(QObject* parent = nullptr);
    ~CwDaemonKeyer() override;

    // Opens the socket and sends the speed and the weighting.
    void start(const Params& params);
    void stop();
    bool busy() const { return !tag_.isEmpty(); }

    // Sends an expanded message. Ignored (false) while a message is being keyed.
    bool send(const QString& expanded);
    // The daemon drops the message at once; finished() follows with stopped set.
    void abort();
    void setSpeed(int wpm);
    // The daemon's own weighting (Params::weighting), the station's trim of its keyer.
    void setWeighting(int weighting);
    // The CW panel's weighting, added to the daemon's own; sent only when it changes.
    void setPanelWeighting(Weighting w);
    int speed() const { return params_.wpm; }

signals:
    void finished(korvel::keying::KeyResult result);
    void problem(QString text);

private:
    void write(const QByteArray& datagram);
    void readReplies();
    void end(KeyResult result);
    void lost(const QString& why);

    void sendWeighting();

    Params params_;
    int panelWeighting_ = 0; // weightingFor() of the CW panel's choice
    QUdpSocket* socket_ = nullptr;
    QTimer replyTimer_;
    QByteArray tag_; // the reply awaited for the message being keyed
    unsigned serial_ = 0;
};

} // namespace korvel::keying

Q_DECLARE_METATYPE(korvel::keying::KeyResult)
