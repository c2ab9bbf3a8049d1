// The message keys on the desk model: a fake keyer on a clock the test moves, a
// recording serial port on the same clock and a fake sound output.
#include "desk/desk_form.h"
#include "keying/desk_keying.h"
#include "tests/keying/keying_test_util.h"
#include "tests/support/desk_keyed_station.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

using namespace korvel;
using namespace korvel::keying;
using korvel::keying::test::keyDurations;
using korvel::keying::test::lastChange;
using platform::Line;
namespace colour = forms::colour;

namespace {

class Keying : public korvel::testing::DeskStation {
protected:
    std::size_t logged() { return dbs.log.all().size(); }
    void wave(int n) {
        QDir(dir.path()).mkpath(QStringLiteral("WAVDx"));
        QFile f(dir.filePath(QStringLiteral("WAVDx/F%1.wav").arg(n)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

} // namespace

TEST_F(Keying, TheDeskStaysOpenToTypingWhileAMessageIsKeyed) {
    open();
    control("TxtF1").text = "CQ #1 TEST";
    run("key F1\n");
    EXPECT_TRUE(keys.busy());
    EXPECT_EQ(control("CmdF1").back, colour::kGreen);
    keyer.advance(1);
    EXPECT_EQ(field("TxtCwCurent"), "C");
    keyer.advance(700);
    EXPECT_EQ(field("TxtCwCurent"), "CQ"); // character by character
    // The operator types the next call meanwhile; message keys and speed keys wait.
    run("type dl1abc\nkey F2\nkey PageUp\n");
    EXPECT_EQ(field("txtIndic"), "DL1ABC");
    EXPECT_DOUBLE_EQ(desk->cwSpeed(), 30);
    EXPECT_EQ(keys.outgoingMessage(), "CQ YO9XX TEST");
    keyer.finishMessage();
    EXPECT_FALSE(keys.busy());
    EXPECT_TRUE(field("TxtCwCurent").isEmpty());
    EXPECT_EQ(control("CmdF1").back, colour::kRed);
    EXPECT_EQ(ports.openNow, 0);
    EXPECT_EQ(lastChange(ports.changes, Line::Rts, true), 0);
    // The cursor stays where the operator typed.
    EXPECT_EQ(desk->focus(), "txtIndic");
    EXPECT_EQ(control("txtIndic").selStart, 6);
}

TEST_F(Keying, SpeedKeysStepByTwoBetweenTenAndForty) {
    open();
    EXPECT_EQ(field("LblWPM"), "30");
    const struct {
        double from;
        const char* key;
        double to;
    } steps[] = {
        {30, "PageUp", 32}, {40, "PageUp", 40}, {10, "PageDown", 10}, {11, "PageDown", 10}};
    for (const auto& step : steps) {
        desk->setCwSpeed(step.from);
        run(QStringLiteral("key %1\n").arg(QLatin1String(step.key)));
        EXPECT_DOUBLE_EQ(desk->cwSpeed(), step.to) << step.from << step.key;
        EXPECT_EQ(field("LblWPM"), QString::number(step.to)) << step.from << step.key;
    }
    // Not in SSB, and not without CW by PC.
    s.CwByPc = Flag::No;
    run("key PageUp\n");
    EXPECT_DOUBLE_EQ(desk->cwSpeed(), 10);
}

TEST_F(Keying, SpeedSignsShowTheSpeedAsTheyAreReached) {
    open();
    control("TxtF7").text = ">5NN<";
    run("key F7\n");
    keyer.advance(1);
    EXPECT_EQ(field("LblWPM"), "35");
    keyer.finishMessage();
    EXPECT_EQ(field("LblWPM"), "30");
    // The weighting comes from the desk's options.
    ports.changes.clear();
    run("click Opb75\n");
    EXPECT_FALSE(control("OpB50").checked);
    control("TxtF7").text = "E";
    run("key F7\n");
    keyer.finishMessage();
    EXPECT_EQ(keyDurations(ports.changes), "+49");
}

TEST_F(Keying, EscStopsWithinOneElementAndAStoppedLoggingMessageDoesNotLog) {
    open();
    control("TxtF3").text = "TU TU TU TU TU TU #8";
    enter("dl1abc");
    run("key F3\n");
    keyer.advance(500);
    const std::int64_t pressed = keyer.nowMs();
    run("key Esc\n");
    EXPECT_TRUE(keys.busy()); // the element under way ends first
    keyer.finishMessage();
    EXPECT_EQ(lastChange(ports.changes, Line::Dtr, true) <= pressed, true);
    // The U under way ends, its pause and the word space run out, then the closing blank.
    EXPECT_EQ(lastChange(ports.changes, Line::Rts, false), 559 + 117 + 147 + 147);
    EXPECT_EQ(logged(), 0u);
    EXPECT_FALSE(desk->logOnSend());
    EXPECT_EQ(field("txtIndic"), "DL1ABC"); // Enter logs it
    run("click TxtRSTR2\nkey Enter\n");
    EXPECT_EQ(logged(), 1u);
}

TEST_F(Keying, LoggingMessageOnF3LogsAfterKeyingOnF6BeforeAndNeverAChangedEntry) {
    open();
    control("TxtF3").text = "TU #8";
    control("TxtF6").text = "TU #8";
    enter("dl1abc");
    run("key F3\n");
    EXPECT_EQ(logged(), 0u);
    keyer.finishMessage();
    EXPECT_EQ(logged(), 1u);
    EXPECT_TRUE(field("txtIndic").isEmpty());
    EXPECT_EQ(desk->focus(), "txtIndic");

    enter("ok1abc");
    run("key F6\n");
    EXPECT_EQ(logged(), 2u); // stored before its closing message
    EXPECT_TRUE(keys.busy());
    keyer.finishMessage();
    EXPECT_EQ(keys.outgoingMessage(), "TU ");
    EXPECT_EQ(logged(), 2u);

    // An entry changed while F3 is keyed is left to Enter.
    enter("ha5abc");
    run("key F3\nclick txtIndic\nkey Backspace\n");
    keyer.finishMessage();
    EXPECT_EQ(logged(), 2u);
    EXPECT_EQ(field("TxtEroare"), QLatin1String(keying_text::kNotLogged));
}

TEST_F(Keying, IncompleteEntryRefusesF3AndF3WithoutHashEightOnlySends) {
    open();
    control("TxtF3").text = "TU #8";
    enter("dl1abc");
    control("TxtRSTR1").text = "";
    run("key F3\n");
    EXPECT_EQ(prompts(), QStringList{QLatin1String(desk_text::kIncomplete)});
    EXPECT_EQ(desk->focus(), "TxtRSTR1");
    EXPECT_FALSE(keys.busy());
    EXPECT_EQ(ports.opened, 0);
    // The same on F6: the "#8" message is not keyed at all.
    run("key F6\n");
    keyer.finishMessage();
    control("TxtF6").text = "TU #8";
    box.clear();
    run("key F6\n");
    EXPECT_EQ(prompts(), QStringList{QLatin1String(desk_text::kIncomplete)});
    EXPECT_EQ(logged(), 0u);
    keyer.finishMessage();
    EXPECT_EQ(ports.opened, 1); // only the first F6, whose text was empty
}

// F2's "QSO B4" once and its own text after it are compared by the replayed session
// 201_cqww_keyed; here the cursor after the answer and F4's blank answer.
TEST_F(Keying, DupeGetsQsoB4OnceThenTheNormalText) {
    open();
    control("TxtF2").text = "#2 5NN #3";
    control("TxtF4").text = "#1";
    logQso("dl1abc");
    enter("dl1abc");
    run("key F2\n");
    keyer.finishMessage();
    EXPECT_EQ(desk->focus(), "TxtRSTR2");
    // F4's dupe answer is a single blank: nothing keyed but a word space.
    run("click CmdAbbruchX\n");
    enter("dl1abc");
    ports.changes.clear();
    run("key F4\n");
    EXPECT_EQ(keys.outgoingMessage(), QString());
    keyer.finishMessage();
    EXPECT_EQ(keyDurations(ports.changes), QString());
    run("key F4\n");
    EXPECT_EQ(keys.outgoingMessage(), "YO9XX");
    keyer.finishMessage();
}

TEST_F(Keying, MacroExampleIsKeyedWithCutNumbers) {
    open();
    control("TxtF8").text = "#2 5NN #3";
    run("type dl1abc\n");
    control("TxtRSTE2").text = "007";
    run("key F8\n");
    keyer.finishMessage();
    EXPECT_EQ(keys.outgoingMessage(), "DL1ABC 5NN TT7");
    // Alt+F3 repeats the last logged QSO's call, report and exchange.
    run("click CmdAbbruchX\n");
    logQso("ok1abc");
    run("alt+key F3\n");
    keyer.finishMessage();
    EXPECT_EQ(keys.outgoingMessage(), desk->lastLoggedText());
    EXPECT_EQ(keys.outgoingMessage(), "OK1ABC 599 007");
}

TEST_F(Keying, CqRepeatWaitsItsPauseUntilTypingOrEscEndsIt) {
    s.CwRepeat = Flag::On;
    open();
    control("TxtF1").text = "CQ";
    control("txtPauseCW").text = "2";
    run("key F1\n");
    keyer.finishMessage();
    EXPECT_TRUE(keys.repeating());
    EXPECT_FALSE(keys.busy());
    EXPECT_EQ(control("txtPauseCW").back, colour::kRed);
    EXPECT_EQ(control("CmdF1").back, colour::kGreen);
    keyer.advance(1999);
    EXPECT_FALSE(keyer.keying());
    keyer.advance(1);
    EXPECT_TRUE(keyer.keying());
    EXPECT_EQ(control("txtPauseCW").back, colour::kYellow);
    keyer.finishMessage();
    EXPECT_EQ(control("txtPauseCW").back, colour::kRed);
    // Typing a call in the pause ends the repeat.
    run("type d\n");
    EXPECT_FALSE(keys.repeating());
    EXPECT_FALSE(keyer.pausing());
    EXPECT_EQ(control("txtPauseCW").back, colour::kYellow);
    EXPECT_EQ(control("CmdF1").back, colour::kRed);

    // Typing in the exchange while the CQ goes out ends it after the message.
    run("key Backspace\nkey F1\nclick TxtRSTR2\ntype 1\n");
    keyer.finishMessage();
    EXPECT_FALSE(keys.repeating());

    // Esc in the pause ends it too, as a stop.
    run("click txtIndic\nkey F1\n");
    keyer.finishMessage();
    EXPECT_TRUE(keys.repeating());
    run("key Esc\n");
    EXPECT_FALSE(keys.repeating());
    EXPECT_TRUE(keys.sendAborted());
    // A message stopped by Esc is not repeated.
    run("key F1\n");
    keyer.advance(10);
    run("key End\n");
    keyer.finishMessage();
    EXPECT_FALSE(keys.repeating());
}

TEST_F(Keying, MissingPortShowsTheMessageOnceAndTheDeskCarriesOn) {
    s.ComPort = 7;
    open();
    control("TxtF1").text = "CQ";
    run("key F1\n");
    EXPECT_EQ(prompts(), QStringList{QLatin1String(keying_text::kNoPort)});
    EXPECT_EQ(s.CwByPc, Flag::Unset);
    EXPECT_EQ(s.SsbByPc, Flag::Unset);
    keyer.advance(1);
    EXPECT_EQ(field("TxtCwCurent"), "C"); // the text still runs through
    keyer.finishMessage();
    EXPECT_TRUE(ports.changes.empty());
    run("key F1\ntype dl1abc\nkey Space\n");
    EXPECT_EQ(prompts().size(), 1);
    EXPECT_FALSE(keys.busy());
    EXPECT_EQ(desk->focus(), "TxtRSTR2");
}

TEST_F(Keying, PortVanishingMidMessageEndsItWithANotice) {
    open();
    control("TxtF1").text = "CQ CQ CQ";
    ports.vanishAfter = 6;
    run("key F1\n");
    keyer.finishMessage();
    EXPECT_FALSE(keys.busy());
    EXPECT_TRUE(control("TxtEroare").visible);
    EXPECT_EQ(field("TxtEroare"), QString::fromLatin1(keying_text::kLineLost).arg(1));
    EXPECT_EQ(ports.openNow, 0);
    EXPECT_TRUE(box.shown().empty());
}

TEST_F(Keying, OffLineInputAndCwOffSendNothing) {
    open();
    control("TxtF6").text = "TEST";
    s.CwByPc = Flag::No;
    run("key F6\n");
    EXPECT_FALSE(keys.busy());
    s.CwByPc = Flag::On;
    s.OffLineInput = Flag::On;
    run("click CmdF6\n");
    EXPECT_FALSE(keys.busy());
    s.OffLineInput = Flag::Unset;
    run("click CmdF6\n"); // a button does what its key does
    EXPECT_TRUE(keys.busy());
    keyer.finishMessage();
    EXPECT_EQ(ports.opened, 1);
}

TEST_F(Keying, VoiceMessagesPlayWithTheTransmitterSwitchedAndF1RepeatsUntilACallIsTyped) {
    s.SsbRepeat = Flag::On;
    open(201, 20, "SSB");
    wave(1);
    wave(3);
    run("key F3\n");
    ASSERT_EQ(audio.played.size(), 1u);
    EXPECT_TRUE(audio.played[0].endsWith(QLatin1String("/WAVDx/F3.wav")));
    EXPECT_TRUE(keys.busy());
    EXPECT_EQ(ports.openNow, 1);
    audio.finish();
    EXPECT_FALSE(keys.busy());
    EXPECT_EQ(ports.openNow, 0);
    const std::vector<platform::LineChange> expected = {
        {0, Line::Dtr, false}, {0, Line::Rts, true}, {0, Line::Rts, false}};
    EXPECT_EQ(ports.changes, expected);
    // F8 to F11 and the buttons do nothing in SSB; a missing file is named.
    run("key F8\nkey F11\nclick CmdF3\n");
    EXPECT_EQ(audio.played.size(), 1u);
    run("key F4\n");
    EXPECT_EQ(audio.played.size(), 1u);
    EXPECT_TRUE(field("TxtEroare").startsWith(QLatin1String("VOICE MESSAGE FILE MISSING")));
    // Without voice by PC or a sound device, nothing.
    s.SsbByPc = Flag::Unset;
    run("key F3\n");
    s.SsbByPc = Flag::On;
    s.SoundCard = Flag::Unset;
    run("key F3\n");
    EXPECT_EQ(audio.played.size(), 1u);
    s.SoundCard = Flag::On;

    // F1 again after its pause.
    control("TxtPauseSSB").text = "3";
    run("key F1\n");
    audio.finish();
    EXPECT_EQ(control("TxtPauseSSB").back, colour::kRed);
    keyer.advance(3000);
    EXPECT_EQ(audio.played.size(), 3u);
    EXPECT_EQ(control("TxtPauseSSB").back, colour::kGreen);
    // Typing in the exchange does not end a voice repeat; typing a call does.
    audio.finish();
    run("click TxtRSTR2\ntype 1\n");
    EXPECT_TRUE(keys.repeating());
    run("click txtIndic\ntype d\n");
    EXPECT_FALSE(keys.repeating());
    EXPECT_EQ(control("TxtPauseSSB").back, (forms::Rgb{192, 255, 255}));
    keyer.advance(10000);
    EXPECT_EQ(audio.played.size(), 3u);
    // Esc stops a message being played and the repeat with it.
    run("key F1\nkey Esc\n");
    EXPECT_FALSE(keys.busy());
    EXPECT_FALSE(keys.repeating());
    EXPECT_TRUE(keys.sendAborted());
    EXPECT_EQ(ports.openNow, 0);
}

TEST_F(Keying, KeyerThreadReportsReachTheDeskThroughTheEventLoop) {
    ThreadedKeyer threaded;
    platform::RecordingPorts realPorts;
    DeskKeying queued(s, box, realPorts, threaded, audio);
    DeskForm d(s, dbs, box, clock, queued);
    korvel::testing::openDesk(d, 20, "CW");
    d.ctl(QStringLiteral("TxtF6")).text = QStringLiteral("EE");
    const Qt::HANDLE gui = QThread::currentThreadId();
    int changes = 0;
    bool onGuiThread = true;
    queued.onChanged = [&] {
        ++changes;
        onGuiThread = onGuiThread && QThread::currentThreadId() == gui;
    };
    d.setCwSpeed(40);
    d.pressKey(forms::Key::F6);
    EXPECT_TRUE(queued.busy());
    QDeadlineTimer deadline(10000);
    while (queued.busy() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_FALSE(queued.busy());
    EXPECT_EQ(changes, 3); // two characters and the end
    EXPECT_TRUE(onGuiThread);
    EXPECT_EQ(realPorts.changes.size(), 7u);
}
