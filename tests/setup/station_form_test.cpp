// The station screen: switched on and set up by keys alone, values checked before the
// station's settings file is written, and the program's own settings files left as they are.
#include "core/station_settings.h"
#include "setup/station_form.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvel;
namespace ctl = station_ctl;

namespace {

class StationScreen : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path() const { return stationFilePath(dir.path() + QLatin1Char('/')); }
    StationForm& open() {
        form = std::make_unique<StationForm>(
            path(), std::vector<RigModelEntry>{{1, QStringLiteral("Hamlib Dummy")},
                                               {2, QStringLiteral("Hamlib NET rigctl")},
                                               {1035, QStringLiteral("Yaesu FT-991")}});
        form->onClose = [this] { ++closed; };
        return *form;
    }
    void keys(std::initializer_list<forms::KeyEvent> list) {
        for (const forms::KeyEvent& k : list)
            form->pressKey(k);
    }
    void text(ctl::Name name, const QString& value) {
        form->ctl(name).text = value;
        form->ctl(name).selStart = static_cast<int>(value.size());
    }
    StationSettings reread() {
        StationSettings s;
        readStationFile(s, path());
        return s;
    }

    QTemporaryDir dir;
    std::unique_ptr<StationForm> form;
    int closed = 0;
};

forms::KeyEvent shiftTab() {
    forms::KeyEvent e(forms::Key::Tab);
    e.shift = true;
    return e;
}

} // namespace

TEST_F(StationScreen, EverythingIsSwitchedOnAndSetUpByKeys) {
    using forms::Key;
    open();
    EXPECT_EQ(form->focus(), QString(ctl::ChkRig));
    // Rig control on, the third model, a rigctld, a faster poll.
    keys({Key::Space, Key::Tab, Key::Down, Key::Down, Key::Tab, Key::Tab, Key::Tab});
    EXPECT_EQ(form->focus(), QString(ctl::TxtRigNet));
    text(ctl::TxtRigNet, QString());
    form->typeText(QStringLiteral("127.0.0.1:4533"));
    keys({Key::Enter});
    form->ctl(ctl::TxtRigPoll).text.clear();
    form->typeText(QStringLiteral("100"));
    // The cluster on with two nodes, the second removed again, the first used.
    keys({Key::Tab, Key::Space, Key::Tab, Key::Tab});
    EXPECT_EQ(form->focus(), QString(ctl::TxtNode));
    form->typeText(QStringLiteral("dxc.example.org:7300"));
    keys({Key::Enter});
    form->typeText(QStringLiteral("bad node"));
    keys({Key::Enter});
    EXPECT_EQ(form->ctl(ctl::LblStatus).text, QStringLiteral("NODE: host:port"));
    text(ctl::TxtNode, QString());
    form->typeText(QStringLiteral("127.0.0.1:7373"));
    keys({Key::Enter, shiftTab(), Key::Delete, Key::Up});
    EXPECT_EQ(form->ctl(ctl::LstNodes).items, QStringList{QStringLiteral("dxc.example.org:7300")});
    // cwdaemon on, then Save from the keyboard.
    keys({Key::Tab, Key::Tab, Key::Tab, Key::Space, Key::Tab, Key::Tab, Key::Tab});
    EXPECT_EQ(form->focus(), QString(ctl::CmdSave));
    keys({Key::Enter});
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(form->ctl(ctl::LblStatus).text.isEmpty());

    const StationSettings s = reread();
    EXPECT_TRUE(s.rigOn);
    EXPECT_EQ(s.rigModel, 1035);
    EXPECT_EQ(s.rigHost, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(s.rigPort, 4533);
    EXPECT_EQ(s.rigPollMs, 100);
    EXPECT_TRUE(s.clusterOn);
    EXPECT_EQ(s.clusterNodes, QStringList{QStringLiteral("dxc.example.org:7300")});
    EXPECT_EQ(s.clusterNode, 0);
    EXPECT_TRUE(s.cwDaemonOn);

    // Opened again, the screen shows what was saved; Esc leaves the file as it is.
    open();
    EXPECT_TRUE(form->ctl(ctl::ChkRig).checked);
    EXPECT_EQ(form->ctl(ctl::LstRigModel).listIndex, 2);
    form->click(ctl::ChkRig);
    keys({Key::Esc});
    EXPECT_EQ(closed, 2);
    EXPECT_TRUE(reread().rigOn);
}

TEST_F(StationScreen, AWrongValueIsSaidWithTheCursorOnItAndNothingIsWritten) {
    struct Case {
        ctl::Name field;
        const char* value;
        const char* said;
    };
    const Case cases[] = {
        {ctl::TxtRigSpeed, "fast", "SERIAL SPEED: 0 TO 1000000"},
        {ctl::TxtRigNet, "localhost", "RIGCTLD: host:port"},
        {ctl::TxtRigNet, "localhost:70000", "RIGCTLD: host:port"},
        {ctl::TxtRigPoll, "10", "POLL: 50 TO 10000 ms"},
        {ctl::TxtSpotAge, "0", "SPOT AGE: 1 TO 1440 MINUTES"},
        {ctl::TxtCwDaemon, ":6789", "CWDAEMON: host:port"},
        {ctl::TxtCwWeight, "60", "WEIGHTING: -50 TO 50"},
        {ctl::TxtRigDevice, "", "RIG: A SERIAL DEVICE SUCH AS /dev/ttyUSB0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        open();
        form->ctl(ctl::ChkRig).checked = true;
        text(c.field, QLatin1String(c.value));
        form->click(ctl::CmdSave);
        EXPECT_EQ(form->ctl(ctl::LblStatus).text, QLatin1String(c.said));
        EXPECT_EQ(form->focus(), QString(c.field));
        EXPECT_EQ(closed, 0);
        EXPECT_FALSE(QFile::exists(path()));
    }
    // The cluster switched on without a node.
    open();
    form->ctl(ctl::ChkCluster).checked = true;
    form->click(ctl::CmdSave);
    EXPECT_EQ(form->focus(), QString(ctl::TxtNode));
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(StationScreen, OnlyTheStationsFileIsWritten) {
    // The program's own settings files beside it keep their exact bytes.
    const std::pair<const char*, QByteArray> files[] = {
        {"KorvelInit.dat", "\"YO9XX\"\r\n 100\r\n\"odd line\xff\"\r\n"},
        {"KorvelTextCw.dat", "\"CQ TEST #1\"\r\n"}};
    for (const auto& [name, bytes] : files) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    open();
    form->click(ctl::ChkCwDaemon);
    form->click(ctl::CmdSave);
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(reread().cwDaemonOn);
    for (const auto& [name, bytes] : files) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), bytes) << name;
    }
}
