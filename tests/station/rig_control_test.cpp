// The radio through Hamlib without hardware: Hamlib's dummy rig in the process, and a
// rigctld with the dummy rig started by the test, taken away and brought back.
#include "platform/rig_control.h"
#include "tests/support/rigctld.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace korvel::platform {
namespace {

struct Watch {
    std::vector<RigReading> readings;
    QStringList lost;
    explicit Watch(RigControl& rig) {
        QObject::connect(&rig, &RigControl::reading,
                         [this](const RigReading& r) { readings.push_back(r); });
        QObject::connect(&rig, &RigControl::lost, [this](const QString& why) { lost << why; });
    }
    bool saw(std::int64_t hz, const char* mode) const {
        return !readings.empty() && readings.back() == RigReading{hz, QString::fromLatin1(mode)};
    }
};

TEST(HamlibRigTest, DummyRigInTheProcessMovesTheDesk) {
    HamlibRig rig;
    Watch watch(rig);
    RigParams p;
    p.model = kRigModelDummy;
    p.pollMs = 20;
    rig.start(p);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watch.readings.empty(); }, 5000));

    // The readings carry Hamlib's own mode names, as the band plan takes them.
    const std::pair<std::int64_t, const char*> steps[] = {
        {14025000, "CW"}, {7150000, "LSB"}, {21010000, "CWR"}, {10116000, "CW"}};
    for (const auto& [hz, mode] : steps) {
        rig.tune(hz, QString::fromLatin1(mode));
        ASSERT_TRUE(QTest::qWaitFor([&] { return watch.saw(hz, mode); }, 5000)) << hz;
    }
    EXPECT_TRUE(watch.lost.isEmpty());

    // An unchanged radio is not reported again; after stop() nothing comes.
    const std::size_t seen = watch.readings.size();
    QTest::qWait(100);
    EXPECT_EQ(watch.readings.size(), seen);
    rig.tune(3510000, QStringLiteral("CW"));
    rig.stop();
    QTest::qWait(100);
    EXPECT_EQ(watch.readings.size(), seen);
}

TEST(HamlibRigTest, ARadioThatCannotBeOpenedIsReportedOnceAndStopReturns) {
    for (const auto& [model, path] :
         {std::pair{999999, QString()},
          std::pair{kRigModelNetRigctl, QStringLiteral("127.0.0.1:1")}}) {
        HamlibRig rig;
        Watch watch(rig);
        RigParams p;
        p.model = model;
        p.path = path;
        p.retryFirstMs = 20;
        p.retryMaxMs = 40;
        rig.start(p);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !watch.lost.isEmpty(); }, 5000)) << model;
        EXPECT_TRUE(watch.lost[0].startsWith(QStringLiteral("RIG CONTROL: ")))
            << watch.lost[0].toStdString();
        QTest::qWait(200); // several attempts, still one report
        EXPECT_EQ(watch.lost.size(), 1);
        QElapsedTimer t;
        t.start();
        rig.stop();
        EXPECT_LT(t.elapsed(), 2000);
    }
}

using testing::Rigctld;

TEST(HamlibRigTest, RigctldGoesAwayAndComesBackWithoutAFreeze) {
#if defined(__SANITIZE_ADDRESS__)
    // Hamlib's network backend switches the C locale from a thread of its own while a rig is
    // opened; AddressSanitizer reports that race inside the library. The plain build runs it.
    GTEST_SKIP() << "Hamlib's own threads race in setlocale under AddressSanitizer";
#endif
    if (!Rigctld::installed())
        GTEST_SKIP() << "rigctld is not installed (Debian package libhamlib-utils)";
    const int port = Rigctld::freePort();
    ASSERT_GT(port, 0);
    Rigctld daemon(port);
    ASSERT_TRUE(daemon.start());

    HamlibRig rig;
    Watch watch(rig);
    RigParams p;
    p.model = kRigModelNetRigctl;
    p.path = QStringLiteral("127.0.0.1:%1").arg(port);
    p.pollMs = 50;
    p.retryFirstMs = 100;
    p.retryMaxMs = 400;
    rig.start(p);
    rig.tune(14025000, QStringLiteral("CW"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.saw(14025000, "CW"); }, 10000));

    // The event loop keeps turning while the radio is gone: a 10 ms timer keeps firing.
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(10);
    daemon.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watch.lost.isEmpty(); }, 10000));
    QTest::qWait(500);
    EXPECT_GT(ticks, 10);

    const std::size_t before = watch.readings.size();
    ASSERT_TRUE(daemon.start());
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.readings.size() > before; }, 10000));
    EXPECT_EQ(watch.lost.size(), 1);
    rig.tune(7150000, QStringLiteral("LSB"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.saw(7150000, "LSB"); }, 10000));
    rig.stop();
}

} // namespace
} // namespace korvel::platform
