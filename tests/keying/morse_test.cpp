// The Morse table and the keyer's timing, checked on the line changes a recording port
// sees when a message is keyed on the fake clock.
#include "keying/macros.h"
#include "keying/morse.h"
#include "tests/keying/keying_test_util.h"

#include <gtest/gtest.h>

#include <set>

using namespace korvel;
using namespace korvel::keying;
using korvel::keying::test::keyDurations;
using korvel::keying::test::keyOnFakeClock;
using korvel::keying::test::lastChange;
using platform::Line;
using platform::LineChange;

TEST(MorseTable, HoldsFortyThreeDistinctCharactersWithCaseKept) {
    std::set<QChar> seen;
    for (const char* entry : kMorseTable)
        seen.insert(QChar::fromLatin1(entry[0]));
    EXPECT_EQ(seen.size(), 43u);
    EXPECT_STREQ(morseElements(QLatin1Char('A')), ".-");
    EXPECT_STREQ(morseElements(QLatin1Char('a')), ".-.-.");  // AR
    EXPECT_STREQ(morseElements(QLatin1Char('s')), "...-.-"); // SK
    EXPECT_STREQ(morseElements(QLatin1Char('=')), "-...-");  // BT
    EXPECT_STREQ(morseElements(QLatin1Char('.')), ".-.-.-");
    EXPECT_STREQ(morseElements(QLatin1Char('?')), "..--..");
    EXPECT_EQ(morseElements(QLatin1Char('!')), nullptr);
    EXPECT_EQ(morseElements(QLatin1Char('b')), nullptr); // only a and s have a lower case
}

TEST(CwTiming, SlowSpeedsKeepThirteenWpmCharactersAndStretchTheSpacing) {
    EXPECT_DOUBLE_EQ(timingForSpeed(30).dot, 20.0 / 30);
    EXPECT_DOUBLE_EQ(timingForSpeed(30).gap, 1.4 * 20.0 / 30);
    EXPECT_DOUBLE_EQ(timingForSpeed(13).dot, 20.0 / 13);
    EXPECT_DOUBLE_EQ(timingForSpeed(12).gap, 1.4 * 20.0 / 11);
    EXPECT_DOUBLE_EQ(timingForSpeed(10).dot, 20.0 / 13);
    EXPECT_DOUBLE_EQ(timingForSpeed(10).gap, 1.4 * 20.0 / 8);
    EXPECT_DOUBLE_EQ(timingForSpeed(9).gap, 1.4 * 20.0 / 6);
    // A speed change in a message has no slow-speed correction.
    EXPECT_DOUBLE_EQ(timingAfterChange(10).dot, 2.0);
    EXPECT_DOUBLE_EQ(timingAfterChange(10).gap, 2.8);
    // Ticks of 1/18.2 s to the nearest millisecond.
    EXPECT_EQ(ticksToMs(20.0 / 30), 37); // 36.63
    EXPECT_EQ(ticksToMs(20.0 / 13), 85); // 84.53
    EXPECT_EQ(ticksToMs(20.0 / 40), 27); // 27.47
    EXPECT_EQ(ticksToMs(1), 55);         // 54.95
}

TEST(CwKeying, ThirtyWpmDotAndTheSilenceBetweenCharacters) {
    // One E: DTR off and RTS on at the start, a 37 ms dot, the 37 ms element space and
    // 117 ms character pause, the closing blank of 147 ms, RTS off.
    const std::vector<LineChange> e = keyOnFakeClock(QStringLiteral("E"));
    const std::vector<LineChange> expected = {{0, Line::Dtr, false},
                                              {0, Line::Rts, true},
                                              {0, Line::Dtr, true},
                                              {37, Line::Dtr, false},
                                              {338, Line::Rts, false}};
    EXPECT_EQ(e, expected);
    // Between two characters the key stays up 3 x 1.4 x 20/30 ticks, about 154 ms.
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("EE"))), QStringLiteral("+37 -154 +37"));
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("T"))), QStringLiteral("+110"));
}

TEST(CwKeying, TenWpmKeysThirteenWpmElementsWithAStretchedGap) {
    // DotTime 20/13 ticks = 85 ms; the pause after a character is 3 x 1.4 x 20/8 - 20/13
    // ticks = 492 ms, so 85 + 492 ms of silence between two characters.
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("EE"), 10)),
              QStringLiteral("+85 -577 +85"));
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("A"), 10)),
              QStringLiteral("+85 -85 +254"));
}

TEST(CwKeying, WeightingsMoveTimeFromTheSpaceIntoTheMark) {
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("AA"), 30, Weighting::W50)),
              QStringLiteral("+37 -37 +110 -154 +37 -37 +110"));
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("AA"), 30, Weighting::W62)),
              QStringLiteral("+43 -31 +116 -148 +43 -31 +116"));
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("AA"), 30, Weighting::W75)),
              QStringLiteral("+49 -24 +122 -141 +49 -24 +122"));
    // The character keeps its length: the second A starts at the same moment, within the
    // rounding of its two elements to whole milliseconds.
    for (Weighting w : {Weighting::W62, Weighting::W75}) {
        const auto at = [](const std::vector<LineChange>& c) {
            return lastChange(c, Line::Dtr, true);
        };
        const std::int64_t even = at(keyOnFakeClock(QStringLiteral("AE"), 30, Weighting::W50));
        EXPECT_NEAR(at(keyOnFakeClock(QStringLiteral("AE"), 30, w)), even, 2);
    }
}

TEST(CwKeying, NoWeightingSelectedReusesThePreviousElementTimes) {
    CwSettings s;
    s.weighting = Weighting::W75;
    keyOnFakeClock(QStringLiteral("E"), s);
    s.weighting = Weighting::None;
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("AA"), s)),
              QStringLiteral("+49 -24 +122 -141 +49 -24 +122"));
    // Nothing keyed before: the even weighting. The half space needs a weighting.
    CwSettings fresh;
    fresh.weighting = Weighting::None;
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("E~E"), fresh)),
              QStringLiteral("+37 -154 +37"));
}

TEST(CwKeying, HalfSpaceAndWordSpace) {
    // After a character's 37 + 117 ms, "~" adds 2 dot units (73 ms), a blank adds 4 (147 ms).
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("E~E"))), QStringLiteral("+37 -227 +37"));
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("E E"))), QStringLiteral("+37 -301 +37"));
    // "~" shrinks with the space factor of the weighting: 2 x 0.6667 dot units at 75.
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("E~E"), 30, Weighting::W75)),
              QStringLiteral("+49 -190 +49"));
    const std::vector<LineChange> cqcq = keyOnFakeClock(QStringLiteral("CQ CQ"));
    const std::vector<LineChange> cqhalf = keyOnFakeClock(QStringLiteral("CQ~CQ"));
    EXPECT_EQ(lastChange(cqcq, Line::Rts, false) - lastChange(cqhalf, Line::Rts, false), 147 - 73);
}

TEST(CwKeying, LowerCaseAIsARAndUnknownCharactersTakeNoTime) {
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("a"))),
              QStringLiteral("+37 -37 +110 -37 +37 -37 +110 -37 +37"));
    EXPECT_EQ(keyDurations(keyOnFakeClock(QStringLiteral("A"))), QStringLiteral("+37 -37 +110"));
    EXPECT_EQ(keyOnFakeClock(QStringLiteral("E!E")), keyOnFakeClock(QStringLiteral("EE")));
    EXPECT_EQ(keyOnFakeClock(QStringLiteral("!")), keyOnFakeClock(QString()));
}

TEST(CwKeying, SpeedSignsChangeTheSpeedForTheRestOfTheMessage) {
    // At 35 WPM: dot 31 ms, dash 94 ms, pause 1.4 x 3 x 20/35 - 20/35 ticks = 100 ms.
    CwSettings s;
    const std::vector<LineChange> c = keyOnFakeClock(QStringLiteral(">5N<E"), s);
    EXPECT_EQ(keyDurations(c),
              QStringLiteral("+31 -31 +31 -31 +31 -31 +31 -31 +31 -131 +94 -31 +31 -131 +37"));
    EXPECT_DOUBLE_EQ(s.wpm, 30);
    CwSettings up;
    keyOnFakeClock(QStringLiteral(">>"), up);
    EXPECT_DOUBLE_EQ(up.wpm, 40);
    // The timing needs a speed above zero: "<" stops at 5 WPM.
    CwSettings down;
    down.wpm = 10;
    keyOnFakeClock(QStringLiteral("<<<<"), down);
    EXPECT_DOUBLE_EQ(down.wpm, kMinChangedWpm);
}

TEST(CwKeying, PlanShowsEveryCharacterAndMarksSpeedChanges) {
    CwSettings s;
    const CwPlan plan = compileCw(QStringLiteral("E>!"), s);
    std::vector<std::pair<int, double>> shown;
    for (const CwStep& step : plan.steps)
        if (step.kind == CwStep::Show) shown.emplace_back(step.index, step.wpm);
    const std::vector<std::pair<int, double>> expected = {{0, 0.0}, {1, 35.0}, {2, 0.0}};
    EXPECT_EQ(shown, expected);
    // nominalChanges() gives what an unstopped run does.
    CwSettings again;
    EXPECT_EQ(nominalChanges(compileCw(QStringLiteral("EE"), again)),
              keyOnFakeClock(QStringLiteral("EE")));
}

TEST(CwKeying, AStopEndsBeforeTheNextElementAndStillKeysTheClosingBlank) {
    CwSettings s;
    const CwPlan plan = compileCw(QStringLiteral("TEST TEST"), s);
    FakeKeyer keyer;
    platform::RecordingPorts ports([&keyer] { return keyer.nowMs(); });
    auto lines = ports.open(1, nullptr);
    KeyResult result;
    keyer.key(plan, lines.get(), {nullptr, [&](KeyResult r) { result = r; }});
    keyer.advance(120); // inside the first T's space
    keyer.stop();
    keyer.finishMessage();
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(keyDurations(ports.changes), QStringLiteral("+110"));
    // The T ends at 147 + 117 ms; then the closing blank of 147 ms.
    EXPECT_EQ(lastChange(ports.changes, Line::Rts, false), 110 + 37 + 117 + 147);
}

TEST(CwKeying, AVanishingPortEndsTheMessageThere) {
    CwSettings s;
    const CwPlan plan = compileCw(QStringLiteral("TEST"), s);
    FakeKeyer keyer;
    platform::RecordingPorts ports([&keyer] { return keyer.nowMs(); });
    ports.vanishAfter = 4; // DTR off, RTS on, the T
    auto lines = ports.open(1, nullptr);
    KeyResult result;
    keyer.key(plan, lines.get(), {nullptr, [&](KeyResult r) { result = r; }});
    keyer.finishMessage();
    EXPECT_TRUE(result.lineLost);
    EXPECT_FALSE(keyer.keying());
    EXPECT_EQ(ports.changes.size(), 4u);
    EXPECT_EQ(keyer.nowMs(), 110 + 37 + 117); // no waiting after the loss
}

TEST(Macros, PlaceholdersAndCutNumbers) {
    const MacroValues v{QStringLiteral("YO9XX"), QStringLiteral("DL1ABC"), QStringLiteral("007"),
                        QStringLiteral("KN34BW")};
    EXPECT_EQ(expandMacros(QStringLiteral("#2 5NN #3"), v).text, QStringLiteral("DL1ABC 5NN TT7"));
    EXPECT_EQ(expandMacros(QStringLiteral("  CQ #1 #4 TEST  "), v).text,
              QStringLiteral("CQ YO9XX KN34BW TEST"));
    EXPECT_EQ(expandMacros(QStringLiteral("A#5B#"), v).text, QStringLiteral("AB"));
    EXPECT_EQ(expandMacros(QStringLiteral("~>TU<"), v).text, QStringLiteral("~>TU<"));
    const Expanded logged = expandMacros(QStringLiteral("TU #8"), v);
    EXPECT_EQ(logged.text, QStringLiteral("TU "));
    EXPECT_TRUE(logged.logOnSend);
    EXPECT_FALSE(expandMacros(QStringLiteral("TU"), v).logOnSend);
    EXPECT_EQ(cutNumber(QStringLiteral("005")), QStringLiteral("TT5"));
    EXPECT_EQ(cutNumber(QStringLiteral("012")), QStringLiteral("T12"));
    EXPECT_EQ(cutNumber(QStringLiteral("123")), QStringLiteral("123"));
    EXPECT_EQ(cutNumber(QStringLiteral("1000")), QStringLiteral("1000"));
    EXPECT_EQ(cutNumber(QStringLiteral("CJ")), QStringLiteral("CJ"));
}
