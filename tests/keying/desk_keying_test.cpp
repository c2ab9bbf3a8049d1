// The message keys on the desk model: a fake keyer on a clock the test moves, a
// recording serial port on the same clock and a fake sound output.
#include "desk/desk_form.h"
#include "keying/desk_keying.h"
#include "tests/keying/keying_test_util.h"
#include "tests/support/desk_fixture.h"

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
using korvel::testing::DeskFixture;
using korvel::testing::openDesk;
using korvel::testing::setStation;
using platform::Line;
namespace colour = forms::colour;

namespace {

class Keying : public DeskFixture {
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

    // Opens the desk for CQ-WW (the exchange is the CQ zone) on 20 m.
    DeskForm& open(const char* mode = "CW") {
        s.ContestCode = 201;
        desk = std::make_unique<DeskForm>(s, dbs, box, clock, keys);
        openDesk(*desk, 20, mode);
        return *desk;
    }

    void run(const QString& script) { runScript(*desk, script); }

    // A complete entry for `call`, cursor in the received exchange.
    void enter(const char* call) {
        run(QStringLiteral("type %1\nkey Space\n").arg(QLatin1String(call)));
    }
    void logQso(const char* call) {
        enter(call);
        run(QStringLiteral("key Enter\n"));
    }
    void setText(const char* name, const QString& text) {
        desk->ctl(QLatin1String(name)).text = text;
    }
    QString field(const char* name) const { return desk->ctl(QLatin1String(name)).text; }
    forms::Rgb back(const char* name) const { return desk->ctl(QLatin1String(name)).back; }
    std::size_t logged() { return dbs.log.all().size(); }
    void wave(int n) {
        QDir(dir.path()).mkpath(QStringLiteral("WAVDx"));
        QFile f(dir.filePath(QStringLiteral("WAVDx/F%1.wav").arg(n)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    FakeKeyer keyer;
    platform::RecordingPorts ports{[this] { return keyer.nowMs(); }};
    platform::FakeAudioOutput audio;
    DeskKeying keys{s, box, ports, keyer, audio, DeskKeying::Delivery::Direct};
    std::unique_ptr<DeskForm> desk;
};

} // namespace

TEST_F(Keying, TheDeskStaysOpenToTypingWhileAMessageIsKeyed) {
    open();
    setText("TxtF1", QStringLiteral("CQ #1 TEST"));
    run(QStringLiteral("key F1\n"));
    EXPECT_TRUE(keys.busy());
    EXPECT_EQ(back("CmdF1"), colour::kGreen);
    keyer.advance(1);
    EXPECT_EQ(field("TxtCwCurent"), QStringLiteral("C"));
    keyer.advance(700);
    EXPECT_EQ(field("TxtCwCurent"), QStringLiteral("CQ")); // character by character
    // The operator types the next call meanwhile; message keys and speed keys wait.
    run(QStringLiteral("type dl1abc\nkey F2\nkey PageUp\n"));
    EXPECT_EQ(field("txtIndic"), QStringLiteral("DL1ABC"));
    EXPECT_DOUBLE_EQ(desk->cwSpeed(), 30);
    EXPECT_EQ(keys.outgoingMessage(), QStringLiteral("CQ YO9XX TEST"));
    keyer.finishMessage();
    EXPECT_FALSE(keys.busy());
    EXPECT_TRUE(field("TxtCwCurent").isEmpty());
    EXPECT_EQ(back("CmdF1"), colour::kRed);
    EXPECT_EQ(ports.openNow, 0);
    EXPECT_EQ(lastChange(ports.changes, Line::Rts, true), 0);
    // The cursor stays where the operator typed.
    EXPECT_EQ(desk->focus(), QStringLiteral("txtIndic"));
    EXPECT_EQ(desk->ctl(QStringLiteral("txtIndic")).selStart, 6);
}

TEST_F(Keying, SpeedKeysStepByTwoBetweenTenAndForty) {
    open();
    EXPECT_EQ(field("LblWPM"), QStringLiteral("30"));
    run(QStringLiteral("key PageUp\n"));
    EXPECT_EQ(field("LblWPM"), QStringLiteral("32"));
    desk->setCwSpeed(40);
    run(QStringLiteral("key PageUp\n"));
    EXPECT_DOUBLE_EQ(desk->cwSpeed(), 40);
    desk->setCwSpeed(10);
    run(QStringLiteral("key PageDown\n"));
    EXPECT_DOUBLE_EQ(desk->cwSpeed(), 10);
    desk->setCwSpeed(11);
    run(QStringLiteral("key PageDown\n"));
    EXPECT_EQ(field("LblWPM"), QStringLiteral("10"));
    // Not in SSB, and not without CW by PC.
    s.CwByPc = Flag::No;
    run(QStringLiteral("key PageUp\n"));
    EXPECT_DOUBLE_EQ(desk->cwSpeed(), 10);
}

TEST_F(Keying, SpeedSignsShowTheSpeedAsTheyAreReached) {
    open();
    setText("TxtF7", QStringLiteral(">5NN<"));
    run(QStringLiteral("key F7\n"));
    keyer.advance(1);
    EXPECT_EQ(field("LblWPM"), QStringLiteral("35"));
    keyer.finishMessage();
    EXPECT_EQ(field("LblWPM"), QStringLiteral("30"));
    // The weighting comes from the desk's options.
    ports.changes.clear();
    desk->click(QStringLiteral("Opb75"));
    EXPECT_FALSE(desk->ctl(QStringLiteral("OpB50")).checked);
    setText("TxtF7", QStringLiteral("E"));
    run(QStringLiteral("key F7\n"));
    keyer.finishMessage();
    EXPECT_EQ(keyDurations(ports.changes), QStringLiteral("+49"));
}

TEST_F(Keying, EscStopsWithinOneElementAndAStoppedLoggingMessageDoesNotLog) {
    open();
    setText("TxtF3", QStringLiteral("TU TU TU TU TU TU #8"));
    enter("dl1abc");
    run(QStringLiteral("key F3\n"));
    keyer.advance(500);
    const std::int64_t pressed = keyer.nowMs();
    run(QStringLiteral("key Esc\n"));
    EXPECT_TRUE(keys.busy()); // the element under way ends first
    keyer.finishMessage();
    EXPECT_EQ(lastChange(ports.changes, Line::Dtr, true) <= pressed, true);
    // The U under way ends, its pause and the word space run out, then the closing blank.
    EXPECT_EQ(lastChange(ports.changes, Line::Rts, false), 559 + 117 + 147 + 147);
    EXPECT_EQ(logged(), 0u);
    EXPECT_FALSE(desk->logOnSend());
    EXPECT_EQ(field("txtIndic"), QStringLiteral("DL1ABC")); // Enter logs it
    run(QStringLiteral("click TxtRSTR2\nkey Enter\n"));
    EXPECT_EQ(logged(), 1u);
}

TEST_F(Keying, LoggingMessageOnF3LogsAfterKeyingAndOnF6Before) {
    open();
    setText("TxtF3", QStringLiteral("TU #8"));
    setText("TxtF6", QStringLiteral("TU #8"));
    enter("dl1abc");
    run(QStringLiteral("key F3\n"));
    EXPECT_EQ(logged(), 0u);
    keyer.finishMessage();
    EXPECT_EQ(logged(), 1u);
    EXPECT_TRUE(field("txtIndic").isEmpty());
    EXPECT_EQ(desk->focus(), QStringLiteral("txtIndic"));

    enter("ok1abc");
    run(QStringLiteral("key F6\n"));
    EXPECT_EQ(logged(), 2u); // stored before its closing message
    EXPECT_TRUE(keys.busy());
    keyer.finishMessage();
    EXPECT_EQ(keys.outgoingMessage(), QStringLiteral("TU "));
    EXPECT_EQ(logged(), 2u);
}

TEST_F(Keying, LoggingMessageLeavesAnEntryChangedMeanwhileToEnter) {
    open();
    setText("TxtF3", QStringLiteral("TU #8"));
    enter("dl1abc");
    run(QStringLiteral("key F3\nclick txtIndic\nkey Backspace\n"));
    keyer.finishMessage();
    EXPECT_EQ(logged(), 0u);
    EXPECT_EQ(field("TxtEroare"), QLatin1String(keying_text::kNotLogged));
}

TEST_F(Keying, IncompleteEntryRefusesF3AndF3WithoutHashEightOnlySends) {
    open();
    setText("TxtF3", QStringLiteral("TU #8"));
    enter("dl1abc");
    setText("TxtRSTR1", QString());
    run(QStringLiteral("key F3\n"));
    EXPECT_EQ(prompts(), QStringList{QLatin1String(desk_text::kIncomplete)});
    EXPECT_EQ(desk->focus(), QStringLiteral("TxtRSTR1"));
    EXPECT_FALSE(keys.busy());
    EXPECT_EQ(ports.opened, 0);
    // The same on F6: the "#8" message is not keyed at all.
    run(QStringLiteral("key F6\n"));
    keyer.finishMessage();
    setText("TxtF6", QStringLiteral("TU #8"));
    box.clear();
    run(QStringLiteral("key F6\n"));
    EXPECT_EQ(prompts(), QStringList{QLatin1String(desk_text::kIncomplete)});
    EXPECT_EQ(logged(), 0u);
    keyer.finishMessage();
    EXPECT_EQ(ports.opened, 1); // only the first F6, whose text was empty
}

// F2's "QSO B4" once and its own text after it are compared by the replayed session
// 201_cqww_keyed; here the cursor after the answer and F4's blank answer.
TEST_F(Keying, DupeGetsQsoB4OnceThenTheNormalText) {
    open();
    setText("TxtF2", QStringLiteral("#2 5NN #3"));
    setText("TxtF4", QStringLiteral("#1"));
    logQso("dl1abc");
    enter("dl1abc");
    run(QStringLiteral("key F2\n"));
    keyer.finishMessage();
    EXPECT_EQ(desk->focus(), QStringLiteral("TxtRSTR2"));
    // F4's dupe answer is a single blank: nothing keyed but a word space.
    run(QStringLiteral("click CmdAbbruchX\n"));
    enter("dl1abc");
    ports.changes.clear();
    run(QStringLiteral("key F4\n"));
    EXPECT_EQ(keys.outgoingMessage(), QString());
    keyer.finishMessage();
    EXPECT_EQ(keyDurations(ports.changes), QString());
    run(QStringLiteral("key F4\n"));
    EXPECT_EQ(keys.outgoingMessage(), QStringLiteral("YO9XX"));
    keyer.finishMessage();
}

TEST_F(Keying, MacroExampleIsKeyedWithCutNumbers) {
    open();
    setText("TxtF8", QStringLiteral("#2 5NN #3"));
    run(QStringLiteral("type dl1abc\n"));
    setText("TxtRSTE2", QStringLiteral("007"));
    run(QStringLiteral("key F8\n"));
    keyer.finishMessage();
    EXPECT_EQ(keys.outgoingMessage(), QStringLiteral("DL1ABC 5NN TT7"));
    // Alt+F3 repeats the last logged QSO's call, report and exchange.
    run(QStringLiteral("click CmdAbbruchX\n"));
    logQso("ok1abc");
    run(QStringLiteral("alt+key F3\n"));
    keyer.finishMessage();
    EXPECT_EQ(keys.outgoingMessage(), desk->lastLoggedText());
    EXPECT_EQ(keys.outgoingMessage(), QStringLiteral("OK1ABC 599 007"));
}

TEST_F(Keying, CqRepeatWaitsItsPauseUntilTypingOrEscEndsIt) {
    s.CwRepeat = Flag::On;
    open();
    setText("TxtF1", QStringLiteral("CQ"));
    setText("txtPauseCW", QStringLiteral("2"));
    run(QStringLiteral("key F1\n"));
    keyer.finishMessage();
    EXPECT_TRUE(keys.repeating());
    EXPECT_FALSE(keys.busy());
    EXPECT_EQ(back("txtPauseCW"), colour::kRed);
    EXPECT_EQ(back("CmdF1"), colour::kGreen);
    keyer.advance(1999);
    EXPECT_FALSE(keyer.keying());
    keyer.advance(1);
    EXPECT_TRUE(keyer.keying());
    EXPECT_EQ(back("txtPauseCW"), colour::kYellow);
    keyer.finishMessage();
    EXPECT_EQ(back("txtPauseCW"), colour::kRed);
    // Typing a call in the pause ends the repeat.
    run(QStringLiteral("type d\n"));
    EXPECT_FALSE(keys.repeating());
    EXPECT_FALSE(keyer.pausing());
    EXPECT_EQ(back("txtPauseCW"), colour::kYellow);
    EXPECT_EQ(back("CmdF1"), colour::kRed);

    // Typing in the exchange while the CQ goes out ends it after the message.
    run(QStringLiteral("key Backspace\nkey F1\nclick TxtRSTR2\ntype 1\n"));
    keyer.finishMessage();
    EXPECT_FALSE(keys.repeating());

    // Esc in the pause ends it too, as a stop.
    run(QStringLiteral("click txtIndic\nkey F1\n"));
    keyer.finishMessage();
    EXPECT_TRUE(keys.repeating());
    run(QStringLiteral("key Esc\n"));
    EXPECT_FALSE(keys.repeating());
    EXPECT_TRUE(keys.sendAborted());
    // A message stopped by Esc is not repeated.
    run(QStringLiteral("key F1\n"));
    keyer.advance(10);
    run(QStringLiteral("key End\n"));
    keyer.finishMessage();
    EXPECT_FALSE(keys.repeating());
}

TEST_F(Keying, MissingPortShowsTheMessageOnceAndTheDeskCarriesOn) {
    s.ComPort = 7;
    open();
    setText("TxtF1", QStringLiteral("CQ"));
    run(QStringLiteral("key F1\n"));
    EXPECT_EQ(prompts(), QStringList{QLatin1String(keying_text::kNoPort)});
    EXPECT_EQ(s.CwByPc, Flag::Unset);
    EXPECT_EQ(s.SsbByPc, Flag::Unset);
    keyer.advance(1);
    EXPECT_EQ(field("TxtCwCurent"), QStringLiteral("C")); // the text still runs through
    keyer.finishMessage();
    EXPECT_TRUE(ports.changes.empty());
    run(QStringLiteral("key F1\ntype dl1abc\nkey Space\n"));
    EXPECT_EQ(prompts().size(), 1);
    EXPECT_FALSE(keys.busy());
    EXPECT_EQ(desk->focus(), QStringLiteral("TxtRSTR2"));
}

TEST_F(Keying, PortVanishingMidMessageEndsItWithANotice) {
    open();
    setText("TxtF1", QStringLiteral("CQ CQ CQ"));
    ports.vanishAfter = 6;
    run(QStringLiteral("key F1\n"));
    keyer.finishMessage();
    EXPECT_FALSE(keys.busy());
    EXPECT_TRUE(desk->ctl(QStringLiteral("TxtEroare")).visible);
    EXPECT_EQ(field("TxtEroare"), QString::fromLatin1(keying_text::kLineLost).arg(1));
    EXPECT_EQ(ports.openNow, 0);
    EXPECT_TRUE(box.shown().empty());
}

TEST_F(Keying, OffLineInputAndCwOffSendNothing) {
    open();
    setText("TxtF6", QStringLiteral("TEST"));
    s.CwByPc = Flag::No;
    run(QStringLiteral("key F6\n"));
    EXPECT_FALSE(keys.busy());
    s.CwByPc = Flag::On;
    s.OffLineInput = Flag::On;
    run(QStringLiteral("click CmdF6\n"));
    EXPECT_FALSE(keys.busy());
    s.OffLineInput = Flag::Unset;
    run(QStringLiteral("click CmdF6\n")); // a button does what its key does
    EXPECT_TRUE(keys.busy());
    keyer.finishMessage();
    EXPECT_EQ(ports.opened, 1);
}

TEST_F(Keying, VoiceMessagesPlayWithTheTransmitterSwitched) {
    open("SSB");
    wave(3);
    run(QStringLiteral("key F3\n"));
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
    run(QStringLiteral("key F8\nkey F11\nclick CmdF3\n"));
    EXPECT_EQ(audio.played.size(), 1u);
    run(QStringLiteral("key F4\n"));
    EXPECT_EQ(audio.played.size(), 1u);
    EXPECT_TRUE(field("TxtEroare").startsWith(QLatin1String("VOICE MESSAGE FILE MISSING")));
    // Without voice by PC or a sound device, nothing.
    s.SsbByPc = Flag::Unset;
    run(QStringLiteral("key F3\n"));
    s.SsbByPc = Flag::On;
    s.SoundCard = Flag::Unset;
    run(QStringLiteral("key F3\n"));
    EXPECT_EQ(audio.played.size(), 1u);
}

TEST_F(Keying, VoiceRepeatUntilACallIsTyped) {
    s.SsbRepeat = Flag::On;
    open("SSB");
    wave(1);
    setText("TxtPauseSSB", QStringLiteral("3"));
    run(QStringLiteral("key F1\n"));
    audio.finish();
    EXPECT_EQ(back("TxtPauseSSB"), colour::kRed);
    keyer.advance(3000);
    EXPECT_EQ(audio.played.size(), 2u);
    EXPECT_EQ(back("TxtPauseSSB"), colour::kGreen);
    // Typing in the exchange does not end a voice repeat; typing a call does.
    audio.finish();
    run(QStringLiteral("click TxtRSTR2\ntype 1\n"));
    EXPECT_TRUE(keys.repeating());
    run(QStringLiteral("click txtIndic\ntype d\n"));
    EXPECT_FALSE(keys.repeating());
    EXPECT_EQ(back("TxtPauseSSB"), (forms::Rgb{192, 255, 255}));
    keyer.advance(10000);
    EXPECT_EQ(audio.played.size(), 2u);
    // Esc stops a message being played and the repeat with it.
    run(QStringLiteral("key F1\nkey Esc\n"));
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
    d.handOver();
    d.open();
    d.click(QStringLiteral("Cmd20"));
    d.click(QStringLiteral("CmdCW"));
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
