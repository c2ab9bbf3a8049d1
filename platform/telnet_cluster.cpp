#include "platform/telnet_cluster.h"

#include <QRegularExpression>
#include <QTcpSocket>

#include <algorithm>

namespace korvel::platform {

namespace {

constexpr char kIac = char(255);
constexpr char kSb = char(250);
constexpr char kSe = char(240);
constexpr char kWill = char(251);
constexpr char kWont = char(252);
constexpr char kDo = char(253);
constexpr char kDont = char(254);

QString cleanText(const QByteArray& bytes) {
    QString s = QString::fromUtf8(bytes);
    s.removeIf([](QChar c) { return c.unicode() < 0x20 && c != QLatin1Char('\t'); });
    return s;
}

// What nodes print to ask for the call.
bool asksForCall(const QString& text) {
    static const QRegularExpression re(
        QStringLiteral(R"((login|call|callsign)\s*[:>]?\s*$|enter your call)"),
        QRegularExpression::CaseInsensitiveOption);
    return re.match(text.trimmed()).hasMatch();
}

} // namespace

TelnetCluster::TelnetCluster(QObject* parent) : QObject(parent) {
    retry_.setSingleShot(true);
    loginFallback_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &TelnetCluster::connectNow);
    connect(&loginFallback_, &QTimer::timeout, this, &TelnetCluster::login);
}

TelnetCluster::~TelnetCluster() {
    // A cluster being destroyed tells its owner nothing more.
    blockSignals(true);
    stop();
}

void TelnetCluster::start(const Params& params) {
    stop();
    params_ = params;
    retryMs_ = params.retryFirstMs;
    connectNow();
}

void TelnetCluster::stop() {
    retry_.stop();
    loginFallback_.stop();
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
        socket_ = nullptr;
    }
    setState(State::Off);
}

void TelnetCluster::setState(State s) {
    if (s == state_) return;
    state_ = s;
    emit stateChanged(s);
}

void TelnetCluster::connectNow() {
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
    }
    telnetPending_.clear();
    line_.clear();
    skipping_ = false;
    auto* s = new QTcpSocket(this);
    socket_ = s;
    connect(s, &QTcpSocket::connected, this, &TelnetCluster::onConnected);
    connect(s, &QTcpSocket::readyRead, this, &TelnetCluster::onReadable);
    connect(s, &QTcpSocket::disconnected, this,
            [this] { onDropped(QStringLiteral("closed by the node")); });
    connect(s, &QTcpSocket::errorOccurred, this,
            [this, s](QAbstractSocket::SocketError) { onDropped(s->errorString()); });
    setState(State::Connecting);
    socket_->connectToHost(params_.host, static_cast<quint16>(params_.port));
}

void TelnetCluster::onConnected() {
    setState(State::LoggingIn);
    loginFallback_.start(params_.loginFallbackMs);
}

void TelnetCluster::login() {
    if (state_ != State::LoggingIn || !socket_) return;
    loginFallback_.stop();
    socket_->write(params_.call.toUtf8() + "\r\n");
    retryMs_ = params_.retryFirstMs; // a session was made: the next drop starts afresh
    setState(State::Online);
}

void TelnetCluster::onDropped(const QString& why) {
    if (!socket_ || state_ == State::Waiting || state_ == State::Off) return;
    loginFallback_.stop();
    if (!line_.isEmpty() && !skipping_) emit received(cleanText(line_));
    line_.clear();
    socket_->disconnect(this);
    socket_->abort();
    socket_->deleteLater();
    socket_ = nullptr;
    setState(State::Waiting);
    emit problem(QStringLiteral("DX CLUSTER %1:%2: %3, TRYING AGAIN IN %4 S")
                     .arg(params_.host)
                     .arg(params_.port)
                     .arg(why.toUpper())
                     .arg((retryMs_ + 999) / 1000));
    retry_.start(retryMs_);
    retryMs_ = std::min(retryMs_ * 2, params_.retryMaxMs);
}

void TelnetCluster::send(const QString& command) {
    if (state_ != State::Online || !socket_) {
        emit problem(QStringLiteral("DX CLUSTER: NOT CONNECTED, COMMAND NOT SENT"));
        return;
    }
    socket_->write(command.toUtf8() + "\r\n");
}

// Removes the telnet commands from the stream and refuses every option the node offers
// or asks for (we are a plain line terminal).
QByteArray TelnetCluster::stripTelnet(const QByteArray& in) {
    QByteArray data = telnetPending_ + in;
    telnetPending_.clear();
    QByteArray out;
    QByteArray reply;
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (data[i] != kIac) {
            out += data[i];
            continue;
        }
        if (i + 1 >= data.size()) {
            telnetPending_ = data.mid(i);
            break;
        }
        const char cmd = data[i + 1];
        if (cmd == kIac) {
            out += kIac;
            ++i;
        } else if (cmd == kWill || cmd == kWont || cmd == kDo || cmd == kDont) {
            if (i + 2 >= data.size()) {
                telnetPending_ = data.mid(i);
                break;
            }
            if (cmd == kDo) reply += QByteArray() + kIac + kWont + data[i + 2];
            if (cmd == kWill) reply += QByteArray() + kIac + kDont + data[i + 2];
            i += 2;
        } else if (cmd == kSb) {
            const qsizetype end = data.indexOf(QByteArray() + kIac + kSe, i + 2);
            if (end < 0) {
                telnetPending_ = data.mid(i);
                break;
            }
            i = end + 1;
        } else {
            ++i;
        }
    }
    if (!reply.isEmpty() && socket_) socket_->write(reply);
    return out;
}

void TelnetCluster::takeLine(const QByteArray& bytes) {
    const QString text = cleanText(bytes);
    emit received(text);
    if (state_ == State::LoggingIn && asksForCall(text)) login();
}

void TelnetCluster::onReadable() {
    if (!socket_) return;
    const QByteArray data = stripTelnet(socket_->readAll());
    for (const char c : data) {
        if (c == '\n') {
            if (!skipping_) takeLine(line_);
            line_.clear();
            skipping_ = false;
        } else if (!skipping_) {
            line_ += c;
            if (line_.size() >= kMaxClusterLine) {
                takeLine(line_);
                line_.clear();
                skipping_ = true;
            }
        }
    }
    // A prompt comes without a line end.
    if (state_ == State::LoggingIn && asksForCall(cleanText(line_))) {
        const QByteArray prompt = line_;
        line_.clear();
        takeLine(prompt);
    }
}

} // namespace korvel::platform
