#include "platform/control_line.h"

#include <cerrno>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace korvel::platform {

QString serialDevicePath(int comPort) {
    if (comPort >= 1 && comPort <= 4) return QStringLiteral("/dev/ttyS%1").arg(comPort - 1);
    if (comPort >= 5 && comPort <= 14) return QStringLiteral("/dev/ttyUSB%1").arg(comPort - 5);
    if (comPort >= 15 && comPort <= 24) return QStringLiteral("/dev/ttyACM%1").arg(comPort - 15);
    return QString();
}

std::int64_t monotonicMicros() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

namespace {

int lineBit(Line line) {
    return line == Line::Dtr ? TIOCM_DTR : TIOCM_RTS;
}

class SerialControlLines : public ControlLines {
public:
    explicit SerialControlLines(int fd) : fd_(fd) {}
    ~SerialControlLines() override {
        int bits = TIOCM_DTR | TIOCM_RTS;
        ioctl(fd_, TIOCMBIC, &bits); // key up, transmitter back to receive
        ::close(fd_);
    }
    bool set(Line line, bool on) override {
        int bits = lineBit(line);
        return ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bits) == 0;
    }

private:
    int fd_;
};

QString systemError(const QString& device, int error) {
    return QStringLiteral("%1: %2").arg(device, QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

LinuxSerialPorts::LinuxSerialPorts(std::function<QString(int)> devicePath)
    : devicePath_(std::move(devicePath)) {}

std::unique_ptr<ControlLines> LinuxSerialPorts::open(int comPort, QString* error) {
    const QString device = devicePath_ ? devicePath_(comPort) : QString();
    auto fail = [&](const QString& why) -> std::unique_ptr<ControlLines> {
        if (error) *error = why;
        return nullptr;
    };
    if (device.isEmpty())
        return fail(QStringLiteral("port %1 names no serial device").arg(comPort));
    // Non-blocking, so that a port without carrier or a dead adapter cannot hang the desk.
    const int fd =
        ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(systemError(device, errno));
    // The driver raises both lines when a port opens: drop them before anything else.
    int bits = TIOCM_DTR | TIOCM_RTS;
    if (ioctl(fd, TIOCMBIC, &bits) != 0) {
        const int e = errno;
        ::close(fd);
        return fail(systemError(device, e));
    }
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) {
        const int e = errno;
        ::close(fd);
        return fail(systemError(device, e));
    }
    cfmakeraw(&tio);
    cfsetispeed(&tio, B19200);
    cfsetospeed(&tio, B19200);
    tio.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD | HUPCL; // 8N1; lines drop when the port closes
    if (tcsetattr(fd, TCSANOW, &tio) != 0) {
        const int e = errno;
        ::close(fd);
        return fail(systemError(device, e));
    }
    return std::make_unique<SerialControlLines>(fd);
}

// ---------------------------------------------------------------------------------------
// Recording ports.

namespace {

class RecordingLines : public ControlLines {
public:
    RecordingLines(RecordingPorts& ports, std::function<std::int64_t()> nowUs)
        : ports_(ports), nowUs_(std::move(nowUs)) {}
    ~RecordingLines() override { --ports_.openNow; }
    bool set(Line line, bool on) override {
        if (ports_.vanishAfter >= 0 && changes_ >= ports_.vanishAfter) return false;
        ++changes_;
        ports_.changes.push_back({nowUs_(), line, on});
        return true;
    }

private:
    RecordingPorts& ports_;
    std::function<std::int64_t()> nowUs_;
    int changes_ = 0;
};

} // namespace

RecordingPorts::RecordingPorts(std::function<std::int64_t()> nowUs) : nowUs_(std::move(nowUs)) {}

std::unique_ptr<ControlLines> RecordingPorts::open(int comPort, QString* error) {
    if (!present.count(comPort)) {
        if (error) *error = QStringLiteral("port %1 names no serial device").arg(comPort);
        return nullptr;
    }
    ++opened;
    ++openNow;
    return std::make_unique<RecordingLines>(*this, nowUs_);
}

} // namespace korvel::platform
