// The contest bands of a frequency, the desk's mode of a radio's mode, and the station's
// own settings file.
#include "core/band_plan.h"
#include "core/station_settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(BandPlan, FrequencyToBandAtTheEdgesAndOutside) {
    struct Case {
        double kHz;
        int band;
    };
    const Case cases[] = {
        {1799.9, 0}, {1800, 160},  {2000, 160}, {2000.1, 0}, {3500, 80},  {3799, 80}, {4000, 80},
        {5355, 0},   {7000, 40},   {7150, 40},  {7300, 40},  {7300.5, 0}, {10110, 0}, {14025, 20},
        {14350, 20}, {14350.1, 0}, {18100, 0},  {21000, 15}, {21450, 15}, {24900, 0}, {28000, 10},
        {29700, 10}, {29700.1, 0}, {50100, 0},  {0, 0},      {-14025, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bandOfKHz(c.kHz), c.band) << c.kHz;
}

TEST(BandPlan, RadioModesThatChooseTheDeskMode) {
    const std::pair<const char*, const char*> cases[] = {
        {"CW", "CW"},    {"CWR", "CW"},   {"cw", "CW"},      {" USB ", "SSB"},    {"LSB", "SSB"},
        {"AM", nullptr}, {"FM", nullptr}, {"RTTY", nullptr}, {"PKTUSB", nullptr}, {"", nullptr},
    };
    for (const auto& [rig, desk] : cases) {
        const auto mode = deskModeOfRigMode(QString::fromLatin1(rig));
        if (desk)
            EXPECT_EQ(mode, QString::fromLatin1(desk)) << rig;
        else
            EXPECT_FALSE(mode.has_value()) << rig;
    }
}

TEST(BandPlan, FollowingTheRadio) {
    // Outside the bands the band stays (0), the mode still follows; a data mode keeps the
    // desk's mode; the logged kHz are rounded, not cut.
    const struct {
        std::int64_t hz;
        const char* rigMode;
        int band;
        bool outside;
        const char* mode;
        int kHz;
    } rows[] = {{14025000, "CW", 20, false, "CW", 14025},
                {7150000, "LSB", 40, false, "SSB", 7150},
                {10116000, "CW", 0, true, "CW", 10116},
                {21079600, "PKTUSB", 15, false, nullptr, 21080}};
    for (const auto& r : rows) {
        const RigFollow f = followRig(r.hz, QLatin1String(r.rigMode));
        EXPECT_EQ(f.band, r.band) << r.hz;
        EXPECT_EQ(f.outside, r.outside) << r.hz;
        EXPECT_EQ(f.mode, r.mode ? std::optional(QString::fromLatin1(r.mode)) : std::nullopt);
        EXPECT_EQ(f.kHz, r.kHz) << r.hz;
    }
    EXPECT_EQ(frequencyText(14025300), QStringLiteral("14025.3"));
}

class StationFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return stationFilePath(dir.path()); }
    void writeRaw(const QByteArray& bytes) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(StationFile, EverythingOffWithoutAFile) {
    StationSettings s;
    const StationReadResult r = readStationFile(s, path());
    EXPECT_FALSE(r.found);
    EXPECT_EQ(s, StationSettings{});
    EXPECT_FALSE(s.rigOn || s.clusterOn || s.cwDaemonOn);
    EXPECT_TRUE(path().endsWith(QStringLiteral("/KorvelStation.dat")));
}

TEST_F(StationFile, RoundTripKeepsEveryValueAndTouchesNoOtherFile) {
    StationSettings s;
    s.rigOn = true;
    s.rigModel = 3073;
    s.rigDevice = QStringLiteral("/dev/ttyUSB1");
    s.rigSerialSpeed = 38400;
    s.rigHost = QStringLiteral("shack.local");
    s.rigPort = 4533;
    s.rigPollMs = 350;
    s.clusterOn = true;
    s.clusterNodes = {QStringLiteral("dxc.example.org:7300"), QStringLiteral("10.0.0.5:8000")};
    s.clusterNode = 1;
    s.spotMinutes = 45;
    s.cwDaemonOn = true;
    s.cwDaemonHost = QStringLiteral("127.0.0.1");
    s.cwDaemonPort = 6790;
    s.cwDaemonWeighting = -12;
    ASSERT_EQ(writeStationFile(s, path()), QString());

    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("\r\n"), kStationFileLines);
    EXPECT_TRUE(bytes.startsWith(" 100 \r\n 3073 \r\n\"/dev/ttyUSB1\"\r\n")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("\"dxc.example.org:7300 10.0.0.5:8000\"\r\n"));
    EXPECT_TRUE(bytes.endsWith("-12 \r\n"));

    StationSettings back;
    const StationReadResult r = readStationFile(back, path());
    EXPECT_EQ(r.fieldsRead, kStationFileLines);
    EXPECT_EQ(back, s);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"KorvelStation.dat"});
}

TEST_F(StationFile, ShortAndDamagedFilesKeepTheRestAtDefaults) {
    writeRaw(" 100 \r\n 2 \r\n\"\"\r\n");
    StationSettings s;
    StationReadResult r = readStationFile(s, path());
    EXPECT_EQ(r.fieldsRead, 3);
    EXPECT_TRUE(s.rigOn);
    EXPECT_EQ(s.rigModel, 2);
    EXPECT_EQ(s.rigDevice, QString());
    EXPECT_EQ(s.rigSerialSpeed, 9600);

    writeRaw(" 0 \r\nfast\r\n\"/dev/ttyS0\"\r\n");
    StationSettings t;
    r = readStationFile(t, path());
    EXPECT_EQ(r.fieldsRead, 1);
    EXPECT_TRUE(r.warning.contains(QStringLiteral("line 2"))) << r.warning.toStdString();
    EXPECT_EQ(t.rigModel, 1);
    EXPECT_EQ(t.rigDevice, QStringLiteral("/dev/ttyUSB0"));
}

TEST(StationNodes, HostAndPort) {
    struct Case {
        const char* text;
        bool ok;
        const char* host;
        int port;
    };
    const Case cases[] = {
        {"dxc.example.org:7300", true, "dxc.example.org", 7300},
        {"127.0.0.1:23", true, "127.0.0.1", 23},
        {"::1:7300", true, "::1", 7300},
        {"dxc.example.org", false, "", 0},
        {":7300", false, "", 0},
        {"host:0", false, "", 0},
        {"host:70000", false, "", 0},
        {"host:telnet", false, "", 0},
    };
    for (const Case& c : cases) {
        QString host;
        int port = 0;
        EXPECT_EQ(splitNode(QString::fromLatin1(c.text), &host, &port), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(host, QString::fromLatin1(c.host));
            EXPECT_EQ(port, c.port);
        }
    }
}

} // namespace
} // namespace korvel
