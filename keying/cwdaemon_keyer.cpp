#include "keying/cwdaemon_keyer.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

#include <algorithm>
#include <cmath>

namespace korvel::keying {

namespace cwdaemon {

namespace {
QByteArray escape(char request, const QByteArray& value = {}) {
    return QByteArray(1, char(27)) + request + value;
}
} // namespace

QByteArray speedRequest(int wpm) {
    return escape('2', QByteArray::number(wpm));
}

QByteArray weightingRequest(int weighting) {
    return escape('7', QByteArray::number(std::clamp(weighting, -50, 50)));
}

QByteArray abortRequest() {
    return escape('4');
}

QByteArray replyRequest(const QByteArray& tag) {
    return escape('h', tag);
}

// The daemon's weighting w gives a dot mark of 50 + 0.6 w percent of a dot and a space.
int weightingFor(Weighting w) {
    switch (w) {
    case Weighting::W62: return 14; // mark 7/12 of mark and space
    case Weighting::W75: return 28; // mark 2/3
    case Weighting::W50:
    case Weighting::None: break;
    }
    return 0;
}

QByteArray messageBytes(const QString& expanded) {
    QByteArray out;
    int wanted = 0; // speed change asked for by ">" and "<", WPM
    int given = 0;  // speed change given by "+" and "-"
    for (const QChar c : expanded) {
        if (c == QLatin1Char('>') || c == QLatin1Char('<')) {
            wanted += c == QLatin1Char('>') ? 5 : -5;
            // The nearest multiple of 2, halves away from no change.
            const int target = 2 * static_cast<int>(std::lround(wanted / 2.0));
            for (; given < target; given += 2)
                out += '+';
            for (; given > target; given -= 2)
                out += '-';
            continue;
        }
        if (c == QLatin1Char('~') || c == QLatin1Char('+') || c == QLatin1Char('-')) continue;
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) continue;
        out += c.toUpper().toLatin1();
    }
    return out.left(kMaxMessageBytes);
}

} // namespace cwdaemon

CwDaemonKeyer::CwDaemonKeyer(QObject* parent) : QObject(parent) {
    qRegisterMetaType<KeyResult>();
    replyTimer_.setSingleShot(true);
    connect(&replyTimer_, &QTimer::timeout, this,
            [this] { lost(QStringLiteral("THE END OF THE MESSAGE WAS NOT REPORTED")); });
}

CwDaemonKeyer::~CwDaemonKeyer() {
    stop();
}

void CwDaemonKeyer::start(const Params& params) {
    stop();
    params_ = params;
    socket_ = new QUdpSocket(this);
    connect(socket_, &QUdpSocket::readyRead, this, &CwDaemonKeyer::readReplies);
    connect(socket_, &QUdpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError) { lost(socket_->errorString()); });
    // A UDP "connection" only fixes the address: a daemon that is not there is reported by
    // the system (port unreachable) as an error on the socket.
    socket_->connectToHost(params.host, static_cast<quint16>(params.port));
    setSpeed(params.wpm);
    setWeighting(params.weighting);
}

void CwDaemonKeyer::stop() {
    replyTimer_.stop();
    tag_.clear();
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
        socket_ = nullptr;
    }
}

void CwDaemonKeyer::write(const QByteArray& datagram) {
    if (!socket_) return;
    if (socket_->state() != QAbstractSocket::ConnectedState) {
        // The address is still being looked up: send once it is known.
        auto* s = socket_;
        auto* once = new QObject(this);
        connect(s, &QUdpSocket::connected, once, [s, datagram, once] {
            s->write(datagram);
            once->deleteLater();
        });
        return;
    }
    socket_->write(datagram);
}

bool CwDaemonKeyer::send(const QString& expanded) {
    if (busy()) return false;
    if (!socket_) {
        emit problem(QStringLiteral("CWDAEMON IS NOT SET UP"));
        return false;
    }
    const QByteArray text = cwdaemon::messageBytes(expanded);
    tag_ = "K" + QByteArray::number(++serial_);
    write(cwdaemon::replyRequest(tag_));
    write(text);
    // The longest a character can take is 22 dot units (a dash-only digit and its gap).
    const int dotMs = 1200 / std::max(params_.wpm, 1);
    replyTimer_.start(static_cast<int>(text.size() + 1) * 22 * dotMs + params_.replyMarginMs);
    return true;
}

void CwDaemonKeyer::abort() {
    if (!socket_) return;
    write(cwdaemon::abortRequest());
    if (busy()) end({true, false});
}

void CwDaemonKeyer::setSpeed(int wpm) {
    params_.wpm = wpm;
    write(cwdaemon::speedRequest(wpm));
}

void CwDaemonKeyer::setWeighting(int weighting) {
    params_.weighting = weighting;
    sendWeighting();
}

void CwDaemonKeyer::setPanelWeighting(Weighting w) {
    if (w == Weighting::None) return; // none chosen: the last one stays, as on the serial port
    const int weighting = cwdaemon::weightingFor(w);
    if (weighting == panelWeighting_) return;
    panelWeighting_ = weighting;
    sendWeighting();
}

void CwDaemonKeyer::sendWeighting() {
    write(cwdaemon::weightingRequest(params_.weighting + panelWeighting_)); // clamped there
}

void CwDaemonKeyer::readReplies() {
    while (socket_ && socket_->hasPendingDatagrams()) {
        const QByteArray reply = socket_->receiveDatagram().data().trimmed();
        if (busy() && reply == "h" + tag_) end({false, false});
    }
}

void CwDaemonKeyer::end(KeyResult result) {
    replyTimer_.stop();
    tag_.clear();
    emit finished(result);
}

void CwDaemonKeyer::lost(const QString& why) {
    emit problem(QStringLiteral("CWDAEMON %1:%2: %3")
                     .arg(params_.host)
                     .arg(params_.port)
                     .arg(why.toUpper()));
    if (busy()) end({false, true});
}

} // namespace korvel::keying
