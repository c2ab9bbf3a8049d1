// The keyer thread and the serial ports of the machine: what they do, not how fast (the
// timing is measured by bench/keyer_bench).
#include "keying/keyer.h"
#include "platform/control_line.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <future>

using namespace korvel;
using namespace korvel::keying;
using platform::Line;
using platform::LineChange;

namespace {

// The line changes without their times.
std::vector<std::pair<Line, bool>> levels(const std::vector<LineChange>& changes) {
    std::vector<std::pair<Line, bool>> out;
    for (const LineChange& c : changes)
        out.emplace_back(c.line, c.on);
    return out;
}

} // namespace

TEST(KeyerThread, KeysAMessageInPlanOrderAndReportsFromItsOwnThread) {
    platform::RecordingPorts ports;
    auto lines = ports.open(1, nullptr);
    CwSettings settings;
    settings.wpm = 40;
    const CwPlan plan = compileCw(QStringLiteral("EI"), settings);
    std::promise<KeyResult> done;
    std::vector<int> shown;
    std::thread::id reporter;
    {
        ThreadedKeyer keyer;
        KeyerEvents events;
        events.shown = [&](int index, double) { shown.push_back(index); };
        events.done = [&](KeyResult r) {
            reporter = std::this_thread::get_id();
            done.set_value(r);
        };
        keyer.key(plan, lines.get(), std::move(events));
        const KeyResult r = done.get_future().get();
        EXPECT_FALSE(r.stopped);
        EXPECT_FALSE(r.lineLost);
    }
    EXPECT_NE(reporter, std::this_thread::get_id());
    EXPECT_EQ(shown, (std::vector<int>{0, 1}));
    EXPECT_EQ(levels(ports.changes), levels(nominalChanges(plan)));
    // The stamps run in order and the message is not shorter than its plan.
    for (std::size_t i = 1; i < ports.changes.size(); ++i)
        EXPECT_LE(ports.changes[i - 1].at, ports.changes[i].at);
    EXPECT_GE(ports.changes.back().at - ports.changes.front().at,
              nominalChanges(plan).back().at * 1000);
}

TEST(KeyerThread, StopEndsALongMessageAndShutdownWaitsForIt) {
    platform::RecordingPorts ports;
    auto lines = ports.open(1, nullptr);
    CwSettings settings;
    settings.wpm = 40;
    const CwPlan plan = compileCw(QString(200, QLatin1Char('0')), settings); // about 2 minutes
    std::promise<KeyResult> done;
    ThreadedKeyer keyer;
    keyer.key(plan, lines.get(), {nullptr, [&](KeyResult r) { done.set_value(r); }});
    keyer.stop();
    EXPECT_TRUE(done.get_future().get().stopped);
    EXPECT_LE(ports.changes.size(), 5u); // DTR off, RTS on, at most one dash, RTS off

    // A pause runs out, or is cancelled and never reports.
    std::promise<void> ranOut;
    keyer.pause(5, [&] { ranOut.set_value(); });
    ranOut.get_future().get();
    bool cancelledReported = false;
    keyer.pause(60000, [&] { cancelledReported = true; });
    keyer.cancelPause();
    keyer.shutdown();
    EXPECT_FALSE(cancelledReported);
}

TEST(SerialPorts, NumbersMapToBuiltInAndUsbDevices) {
    EXPECT_EQ(platform::serialDevicePath(1), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(platform::serialDevicePath(4), QStringLiteral("/dev/ttyS3"));
    EXPECT_EQ(platform::serialDevicePath(5), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(platform::serialDevicePath(14), QStringLiteral("/dev/ttyUSB9"));
    EXPECT_EQ(platform::serialDevicePath(15), QStringLiteral("/dev/ttyACM0"));
    EXPECT_EQ(platform::serialDevicePath(24), QStringLiteral("/dev/ttyACM9"));
    for (const int outside : {0, 25, -3})
        EXPECT_TRUE(platform::serialDevicePath(outside).isEmpty()) << outside;
}

TEST(SerialPorts, APortThatCannotBeOpenedIsReportedNotHung) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("ttyUSB0"));
    const QString plainFile = dir.filePath(QStringLiteral("notaport"));
    {
        QFile f(plainFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    platform::LinuxSerialPorts ports([&](int n) {
        return n == 5 ? missing : n == 6 ? plainFile : platform::serialDevicePath(n);
    });
    QString error;
    EXPECT_EQ(ports.open(0, &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
    // No such device (an adapter not plugged in), and a file that is no serial port.
    for (const auto& [n, path] : {std::pair{5, missing}, {6, plainFile}}) {
        EXPECT_EQ(ports.open(n, &error), nullptr);
        EXPECT_TRUE(error.startsWith(path)) << error.toStdString();
    }
    EXPECT_EQ(platform::LinuxSerialPorts().open(99, nullptr), nullptr);
}
