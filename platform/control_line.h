#pragma once
// The two modem-control lines of a serial port that key the transmitter: DTR is the key
// (on = key down), RTS switches the transmitter to send. No byte is ever written to the
// port; it is opened only for its lines.
//
// Port numbers (`ComPort` of the shared state) name Linux device files like this, so
// that built-in ports and USB serial adapters are both reached by a number and the CW
// message file keeps its single number:
//     1 ..  4   /dev/ttyS0   .. /dev/ttyS3     built-in ports (COM1 .. COM4)
//     5 .. 14   /dev/ttyUSB0 .. /dev/ttyUSB9   USB serial adapters (FTDI, CH340, PL2303)
//    15 .. 24   /dev/ttyACM0 .. /dev/ttyACM9   USB CDC-ACM interfaces
// Any other number names no port.

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace korvel::platform {

enum class Line { Dtr, Rts };

// An open port. Closing it (destroying the object) leaves both lines off.
class ControlLines {
public:
    virtual ~ControlLines() = default;
    // Switches one line. False when the port no longer answers (a USB adapter pulled out).
    virtual bool set(Line line, bool on) = 0;
};

class SerialPorts {
public:
    virtual ~SerialPorts() = default;
    // Opens port number `comPort` with the line settings 19200 8N1 and both lines off.
    // Returns nullptr, with the reason in `error`, when the port cannot be opened.
    virtual std::unique_ptr<ControlLines> open(int comPort, QString* error) = 0;
};

// The device file of a port number, or an empty string for a number that names none.
QString serialDevicePath(int comPort);

// The serial ports of this machine: open(2), termios and the TIOCMBIS / TIOCMBIC ioctls.
class LinuxSerialPorts : public SerialPorts {
public:
    // `devicePath` maps a port number to its device file (serialDevicePath unless a test
    // points a number elsewhere).
    explicit LinuxSerialPorts(std::function<QString(int)> devicePath = serialDevicePath);
    std::unique_ptr<ControlLines> open(int comPort, QString* error) override;

private:
    std::function<QString(int)> devicePath_;
};

// Microseconds of the monotonic clock.
std::int64_t monotonicMicros();

// A line change as the recording ports saw it.
struct LineChange {
    std::int64_t at; // on the recorder's clock, in its unit
    Line line;
    bool on;
    bool operator==(const LineChange&) const = default;
};

// Ports for tests and benchmarks: every line change of every port opened is stamped
// with the clock given and recorded, in order.
class RecordingPorts : public SerialPorts {
public:
    explicit RecordingPorts(std::function<std::int64_t()> now = monotonicMicros);
    std::unique_ptr<ControlLines> open(int comPort, QString* error) override;

    std::set<int> present{1}; // the port numbers that open
    // The port vanishes after this many line changes since it was opened (-1: never);
    // every later change fails.
    int vanishAfter = -1;
    std::vector<LineChange> changes;
    int opened = 0;  // ports opened so far
    int openNow = 0; // ports open now

private:
    std::function<std::int64_t()> nowUs_;
};

} // namespace korvel::platform
