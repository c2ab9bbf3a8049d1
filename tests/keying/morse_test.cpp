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

TEST(MorseTable, DistinctCharactersOfDotsAndDashesWithCaseKept) {
    std::set<QChar> seen;
    for (const char* entry : kMorseTable) {
        seen.insert(QChar::fromLatin1(entry[0]));
        const QByteArray elements(entry + 1);
        EXPECT_TRUE(!elements.isEmpty() &&
                    elements.count('.') + elements.count('-') == elements.size())
            << entry;
    }
    EXPECT_EQ(seen.size(), kMorseTable.size());
    EXPECT_STREQ(morseElements(QLatin1Char('A')), ".-");
    EXPECT_STREQ(morseElements(QLatin1Char('a')), ".-.-.");  // AR
    EXPECT_STREQ(morseElements(QLatin1Char('s')), "...-.-"); // SK
    EXPECT_EQ(morseElements(QLatin1Char('!')), nullptr);
    EXPECT_EQ(morseElements(QLatin1Char('b')), nullptr); // only a and s have a lower case
}

TEST(CwTiming, SlowSpeedsKeepThirteenWpmCharactersAndStretchTheSpacing) {
    // speed, dot and gap in ticks: below 13 WPM the dot stays, the gap divisor drops faster.
    const struct {
        double wpm, dot, gap;
    } rows[] = {{30, 20.0 / 30, 20.0 / 30}, {13, 20.0 / 13, 20.0 / 13}, {12, 20.0 / 13, 20.0 / 11},
                {11, 20.0 / 13, 20.0 / 9},  {10, 20.0 / 13, 20.0 / 8},  {9, 20.0 / 13, 20.0 / 6}};
    for (const auto& r : rows) {
        EXPECT_DOUBLE_EQ(timingForSpeed(r.wpm).dot, r.dot) << r.wpm;
        EXPECT_DOUBLE_EQ(timingForSpeed(r.wpm).gap, 1.4 * r.gap) << r.wpm;
    }
    // A speed change in a message has no slow-speed correction.
    EXPECT_DOUBLE_EQ(timingAfterChange(10).dot, 2.0);
    EXPECT_DOUBLE_EQ(timingAfterChange(10).gap, 2.8);
    // Ticks of 1/18.2 s to the nearest millisecond: 36.63, 84.53, 27.47, 54.95.
    for (const auto& [ticks, ms] :
         {std::pair{20.0 / 30, 37}, {20.0 / 13, 85}, {0.5, 27}, {1.0, 55}})
        EXPECT_EQ(ticksToMs(ticks), ms) << ticks;
}

TEST(CwKeying, MarksAndSilencesOfMessages) {
    // At 30 WPM a dot is 37 ms, a dash 110; between characters the key stays up
    // 3 x 1.4 x 20/30 ticks (154 ms). At 10 WPM the elements are those of 13 WPM (85 ms) and
    // the pause after a character is 3 x 1.4 x 20/8 - 20/13 ticks, 492 ms. "~" adds 2 dot
    // units (73 ms), a blank 4 (147 ms); "~" shrinks with the weighting's space factor.
    // At 35 WPM (">"): dot 31 ms, dash 94 ms, pause 1.4 x 3 x 20/35 - 20/35 ticks = 100 ms.
    const struct {
        const char* text;
        double wpm;
        Weighting w;
        const char* marks;
    } rows[] = {
        {"EE", 30, Weighting::W50, "+37 -154 +37"},
        {"T", 30, Weighting::W50, "+110"},
        {"EE", 10, Weighting::W50, "+85 -577 +85"},
        {"A", 10, Weighting::W50, "+85 -85 +254"},
        {"AA", 30, Weighting::W50, "+37 -37 +110 -154 +37 -37 +110"},
        {"AA", 30, Weighting::W62, "+43 -31 +116 -148 +43 -31 +116"},
        {"AA", 30, Weighting::W75, "+49 -24 +122 -141 +49 -24 +122"},
        {"E~E", 30, Weighting::W50, "+37 -227 +37"},
        {"E E", 30, Weighting::W50, "+37 -301 +37"},
        {"E~E", 30, Weighting::W75, "+49 -190 +49"},
        {"a", 30, Weighting::W50, "+37 -37 +110 -37 +37 -37 +110 -37 +37"},
        {">5N<E", 30, Weighting::W50,
         "+31 -31 +31 -31 +31 -31 +31 -31 +31 -131 +94 -31 +31 -131 +37"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(keyDurations(keyOnFakeClock(QLatin1String(r.text), r.wpm, r.w)),
                  QLatin1String(r.marks))
            << r.text << " " << r.wpm << " " << static_cast<int>(r.w);

    // One E: DTR off and RTS on at the start, the dot, the element space, the character
    // pause and the closing blank of 147 ms, RTS off.
    const std::vector<LineChange> e = {{0, Line::Dtr, false},
                                       {0, Line::Rts, true},
                                       {0, Line::Dtr, true},
                                       {37, Line::Dtr, false},
                                       {338, Line::Rts, false}};
    EXPECT_EQ(keyOnFakeClock(QStringLiteral("E")), e);
    const auto rtsOff = [](const char* text) {
        return lastChange(keyOnFakeClock(QLatin1String(text)), Line::Rts, false);
    };
    EXPECT_EQ(rtsOff("CQ CQ") - rtsOff("CQ~CQ"), 147 - 73);
    // Unknown characters take no time.
    EXPECT_EQ(keyOnFakeClock(QStringLiteral("E!E")), keyOnFakeClock(QStringLiteral("EE")));
    EXPECT_EQ(keyOnFakeClock(QStringLiteral("!")), keyOnFakeClock(QString()));
}

TEST(CwKeying, WeightingsKeepTheCharacterLength) {
    // The second character starts at the same moment, within the rounding of the first
    // one's two elements to whole milliseconds.
    const auto at = [](Weighting w) {
        return lastChange(keyOnFakeClock(QStringLiteral("AE"), 30, w), Line::Dtr, true);
    };
    for (Weighting w : {Weighting::W62, Weighting::W75})
        EXPECT_NEAR(at(w), at(Weighting::W50), 2);
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

TEST(CwKeying, SpeedSignsChangeTheSpeedForTheRestOfTheMessage) {
    // The settings keep their speed after a message with speed signs.
    const struct {
        const char* text;
        double from, to;
    } rows[] = {{">5N<E", 30, 30}, {">>", 30, 40}, {"<<<<", 10, kMinChangedWpm}};
    for (const auto& r : rows) {
        CwSettings s;
        s.wpm = r.from;
        keyOnFakeClock(QLatin1String(r.text), s);
        EXPECT_DOUBLE_EQ(s.wpm, r.to) << r.text; // "<" stops at 5 WPM
    }
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

// A stop ends before the next element and still keys the closing blank; a vanishing port
// ends the message there, without waiting.
TEST(CwKeying, AStopOrAVanishingPortEndsTheMessage) {
    for (const bool vanish : {false, true}) {
        CwSettings s;
        const CwPlan plan = compileCw(QStringLiteral("TEST TEST"), s);
        FakeKeyer keyer;
        platform::RecordingPorts ports([&keyer] { return keyer.nowMs(); });
        if (vanish) ports.vanishAfter = 4; // DTR off, RTS on, the T
        auto lines = ports.open(1, nullptr);
        KeyResult result;
        keyer.key(plan, lines.get(), {nullptr, [&](KeyResult r) { result = r; }});
        if (!vanish) {
            keyer.advance(120); // inside the first T's space
            keyer.stop();
        }
        keyer.finishMessage();
        EXPECT_EQ(result.stopped, !vanish);
        EXPECT_EQ(result.lineLost, vanish);
        EXPECT_FALSE(keyer.keying());
        EXPECT_EQ(keyDurations(ports.changes), QStringLiteral("+110"));
        if (vanish) {
            EXPECT_EQ(ports.changes.size(), 4u);
            EXPECT_EQ(keyer.nowMs(), 110 + 37 + 117); // the T's element space and pause
        } else {
            // The T ends at 147 + 117 ms; then the closing blank of 147 ms.
            EXPECT_EQ(lastChange(ports.changes, Line::Rts, false), 110 + 37 + 117 + 147);
        }
    }
}

TEST(Macros, PlaceholdersAndCutNumbers) {
    const MacroValues v{QStringLiteral("YO9XX"), QStringLiteral("DL1ABC"), QStringLiteral("007"),
                        QStringLiteral("KN34BW")};
    for (const auto& [in, out] : {std::pair{"#2 5NN #3", "DL1ABC 5NN TT7"},
                                  {"  CQ #1 #4 TEST  ", "CQ YO9XX KN34BW TEST"},
                                  {"A#5B#", "AB"},
                                  {"~>TU<", "~>TU<"}})
        EXPECT_EQ(expandMacros(QLatin1String(in), v).text, QLatin1String(out)) << in;
    const Expanded logged = expandMacros(QStringLiteral("TU #8"), v);
    EXPECT_EQ(logged.text, QStringLiteral("TU "));
    EXPECT_TRUE(logged.logOnSend);
    EXPECT_FALSE(expandMacros(QStringLiteral("TU"), v).logOnSend);
    for (const auto& [in, out] :
         {std::pair{"005", "TT5"}, {"012", "T12"}, {"123", "123"}, {"1000", "1000"}, {"CJ", "CJ"}})
        EXPECT_EQ(cutNumber(QLatin1String(in)), QLatin1String(out)) << in;
}
