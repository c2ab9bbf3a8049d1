#pragma once
// The station the desk's model tests log from: the desk fixture with the station set, its
// own data folder (and no system-wide super check list), CW and voice keyed by the PC on
// serial port 1 through a fake keyer, a recording port and a fake sound output that the test
// moves by hand, and the clock at 06.12.26 12:00 UTC.

#include "desk/desk_form.h"
#include "keying/desk_keying.h"
#include "keying/keyer.h"
#include "platform/audio.h"
#include "platform/control_line.h"
#include "tests/support/desk_fixture.h"

#include <initializer_list>
#include <memory>
#include <utility>

namespace korvel::testing {

class DeskStation : public DeskFixture {
protected:
    void SetUp() override {
        DeskFixture::SetUp();
        if (HasFatalFailure()) return;
        setStation(s);
        s.DataDir = dir.path();
        s.ComPort = 1;
        s.CwByPc = Flag::On;
        s.SoundCard = Flag::On;
        s.SsbByPc = Flag::On;
        clock.set(QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC));
    }

    // A new desk for `contest`, opened with the band's and the mode's buttons pressed.
    DeskForm& open(int contest = 201, int band = 20, const char* mode = "CW") {
        s.ContestCode = contest;
        desk = std::make_unique<DeskForm>(s, dbs, box, clock, keys);
        desk->superCheckSystemFolder = dir.filePath(QStringLiteral("no-system-list"));
        openDesk(*desk, band, mode);
        return *desk;
    }

    // Script lines run on the desk (a script error fails the test); returns what they print.
    QString run(const char* script) { return runScript(*desk, QString::fromUtf8(script)); }
    QString run(const QString& script) { return runScript(*desk, script); }
    // `call` typed and analysed with Space: the cursor waits in the received exchange.
    void enter(const char* call) {
        run(QStringLiteral("type %1\nkey Space\n").arg(QLatin1String(call)));
    }
    void logQso(const char* call) {
        enter(call);
        run("key Enter\n");
    }
    forms::Control& control(const char* name) { return desk->ctl(QLatin1String(name)); }
    QString field(const char* name) { return control(name).text; }
    // The text of each named field; "focus" names the control that holds the cursor.
    void expectFields(std::initializer_list<std::pair<const char*, const char*>> want) {
        for (const auto& [name, text] : want)
            EXPECT_EQ((qstrcmp(name, "focus") ? field(name) : desk->focus()).toStdString(), text)
                << name;
    }
    QStringList calls() {
        QStringList out;
        for (const store::QsoRow& r : dbs.log.all())
            out << r.callsign;
        return out;
    }

    keying::FakeKeyer keyer;
    platform::RecordingPorts ports{[this] { return keyer.nowMs(); }};
    platform::FakeAudioOutput audio;
    keying::DeskKeying keys{s, box, ports, keyer, audio, keying::DeskKeying::Delivery::Direct};
    std::unique_ptr<DeskForm> desk;
};

} // namespace korvel::testing
