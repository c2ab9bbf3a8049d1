// Spot lines as real nodes send them, the spot store's window of minutes, and the band
// map's rows and marks.
#include "desk/band_map.h"
#include "desk/dx_spots.h"

#include <gtest/gtest.h>

#include <map>

namespace korvel::cluster {
namespace {

const QDateTime kNow(QDate(2026, 10, 31), QTime(12, 0), Qt::UTC);

TEST(SpotLine, WhatNodesSend) {
    struct Case {
        const char* line;
        const char* spotter;
        double kHz;
        const char* call;
        const char* comment;
        const char* time;
        const char* locator;
    };
    const Case cases[] = {
        {"DX de SP9ABC:     14025.0  DL1XX        cq test                     1234Z", "SP9ABC",
         14025.0, "DL1XX", "cq test", "1234Z", ""},
        {"DX de W3LPL-#:    7003.1  UA9AAA       CW 25 dB 28 WPM CQ             0001Z FN20",
         "W3LPL-#", 7003.1, "UA9AAA", "CW 25 dB 28 WPM CQ", "0001Z", "FN20"},
        {"dx de ok1xyz:  21295.5  yo9xx/p  tnx qso  0959z", "OK1XYZ", 21295.5, "YO9XX/P", "tnx qso",
         "0959Z", ""},
        {"DX de VERYLONGCALL-2:14070.0 JA1ABC  ft8 1201Z", "VERYLONGCALL-2", 14070.0, "JA1ABC",
         "ft8", "1201Z", ""},
        {"DX de G4XYZ:    3510.0  EA8AAA", "G4XYZ", 3510.0, "EA8AAA", "", "", ""},
        {"\aDX de DL0AB:    1825.5  9A1A    QRN 2359Z\r", "DL0AB", 1825.5, "9A1A", "QRN", "2359Z",
         ""},
    };
    for (const Case& c : cases) {
        QString line = QString::fromLatin1(c.line);
        line.remove(QLatin1Char('\a')).remove(QLatin1Char('\r'));
        const auto s = parseSpot(line, kNow);
        ASSERT_TRUE(s.has_value()) << c.line;
        EXPECT_EQ(s->spotter, QString::fromLatin1(c.spotter)) << c.line;
        EXPECT_DOUBLE_EQ(s->kHz, c.kHz) << c.line;
        EXPECT_EQ(s->call, QString::fromLatin1(c.call)) << c.line;
        EXPECT_EQ(s->comment, QString::fromLatin1(c.comment)) << c.line;
        EXPECT_EQ(s->time, QString::fromLatin1(c.time)) << c.line;
        EXPECT_EQ(s->locator, QString::fromLatin1(c.locator)) << c.line;
        EXPECT_EQ(s->received, kNow);
    }
}

TEST(SpotLine, WhatIsNotASpot) {
    const QString tooLong =
        QStringLiteral("DX de SP9ABC: 14025.0 DL1XX ") + QString(400, QLatin1Char('x'));
    for (const QString& line : {
             QString(),
             QStringLiteral("DX de SP9ABC:"),
             QStringLiteral("DX de SP9ABC:  abc  DL1XX  cq  1234Z"),
             QStringLiteral("DX de SP9ABC:  14025.0"),
             QStringLiteral("DX de SP9ABC:  14025.0  ?????  cq"),
             QStringLiteral("DX de SP9ABC:  14025.0  DL  no digit in the call"),
             QStringLiteral("DX de SP9ABC:  14025.0  123  no letter"),
             QStringLiteral("DX de SP9ABC:  14.0  DL1XX  MHz are not kHz"),
             QStringLiteral("To ALL de SP9ABC: DX de is only a quote 14025 DL1XX"),
             QStringLiteral("SP9ABC de YO9XX 31-Oct-2026 1200Z dxspider >"),
             tooLong,
         })
        EXPECT_FALSE(parseSpot(line, kNow).has_value()) << line.toStdString();
}

TEST(SpotLine, PropagationLines) {
    // kind, source and the figures; -1 where the line gives none.
    const struct {
        const char* line;
        const char* kind;
        const char* source;
        int sfi, a, k;
    } rows[] = {
        {"WWV de W0MU <18>:   SFI=68, A=5, K=1, No Storms -> No Storms", "WWV", "W0MU", 68, 5, 1},
        {"WCY de DK0WCY-1 <18> : K=2 expK=3 A=6 R=11 SFI=78 SA=qui GMF=qui Au=no", "WCY",
         "DK0WCY-1", 78, 6, 2},
        {"wwv de K1AB <03>: no figures", "WWV", "K1AB", -1, -1, -1},
    };
    for (const auto& r : rows) {
        const auto p = parsePropagation(QLatin1String(r.line));
        ASSERT_TRUE(p.has_value()) << r.line;
        EXPECT_EQ(p->kind, QLatin1String(r.kind));
        EXPECT_EQ(p->source, QLatin1String(r.source));
        EXPECT_EQ(std::tuple(p->sfi, p->a, p->k), std::tuple(r.sfi, r.a, r.k)) << r.line;
    }
    EXPECT_FALSE(parsePropagation(QStringLiteral("DX de W0MU: 14025 DL1XX")).has_value());
}

DxSpot spot(const char* call, double kHz, int minutesAgo = 0) {
    DxSpot s;
    s.call = QString::fromLatin1(call);
    s.kHz = kHz;
    s.spotter = QStringLiteral("SP9ABC");
    s.received = kNow.addSecs(-60LL * minutesAgo);
    return s;
}

QStringList callsOf(const std::vector<DxSpot>& spots) {
    QStringList l;
    for (const DxSpot& s : spots)
        l << s.call;
    return l;
}

TEST(SpotStoreTest, OneSpotPerCallAndBandWithinTheWindow) {
    SpotStore store;
    store.add(spot("DL1XX", 14030.0, 40));
    store.add(spot("OK1AB", 14010.0, 29));
    store.add(spot("DL1XX", 14025.0, 5)); // replaces the older spot on 20 m
    store.add(spot("DL1XX", 7012.0, 3));  // another band: a spot of its own
    store.add(spot("G4AAA", 14070.0, 31));
    store.add(spot("JA1ZZ", 10110.0, 1)); // outside the bands: kept, on no band map
    EXPECT_EQ(callsOf(store.ofBand(20)), (QStringList{"OK1AB", "DL1XX", "G4AAA"}));
    EXPECT_EQ(store.ofBand(20)[1].kHz, 14025.0);

    store.expire(kNow);
    EXPECT_EQ(callsOf(store.ofBand(20)), (QStringList{"OK1AB", "DL1XX"}));
    EXPECT_EQ(callsOf(store.ofBand(40)), QStringList{"DL1XX"});
    EXPECT_EQ(store.all().size(), 4u);
    EXPECT_TRUE(store.ofBand(0).empty());

    store.setMinutes(10);
    store.expire(kNow);
    EXPECT_EQ(callsOf(store.ofBand(20)), QStringList{"DL1XX"});
}

// Marks as the desk would give them: a fixed answer per call, counting the questions.
class TableJudge : public SpotJudge {
public:
    SpotMark judge(const QString& call, int band) override {
        ++asked;
        lastBand = band;
        const auto it = marks.find(call);
        return it == marks.end() ? SpotMark::NewQso : it->second;
    }
    std::map<QString, SpotMark> marks;
    int asked = 0;
    int lastBand = 0;
};

TEST(BandMapTest, RowsOfTheBandMarkedAndPicked) {
    TableJudge judge;
    judge.marks[QStringLiteral("DL1XX")] = SpotMark::Dupe;
    judge.marks[QStringLiteral("ZS6AA")] = SpotMark::NewMultiplier;
    SpotStore store;
    store.add(spot("ZS6AA", 14012.5));
    store.add(spot("DL1XX", 14025.0));
    store.add(spot("OK1AB", 14040.1));
    store.add(spot("W1AW", 7030.0));

    BandMap map(judge);
    map.setBand(20);
    map.show(store);
    ASSERT_EQ(map.rows().size(), 3u);
    EXPECT_EQ(judge.lastBand, 20);
    EXPECT_EQ(map.lines(), (QStringList{"14012.5   ZS6AA", "14025.0   DL1XX", "14040.1   OK1AB"}));
    EXPECT_EQ(markColour(map.rows()[0].mark), forms::colour::kRed);
    EXPECT_EQ(markColour(map.rows()[1].mark), (forms::Rgb{128, 128, 128}));
    EXPECT_EQ(markColour(map.rows()[2].mark), (forms::Rgb{0, 0, 0}));

    // A burst of spots asks once per call; a stored QSO makes the desk ask again.
    const int asked = judge.asked;
    map.show(store);
    EXPECT_EQ(judge.asked, asked);
    judge.marks[QStringLiteral("OK1AB")] = SpotMark::Dupe;
    map.rejudge();
    EXPECT_EQ(map.rows()[2].mark, SpotMark::Dupe);

    const auto pick = map.pick(0);
    ASSERT_TRUE(pick.has_value());
    EXPECT_EQ(pick->call, QStringLiteral("ZS6AA"));
    EXPECT_EQ(pick->hz, 14012500);
    EXPECT_FALSE(map.pick(3).has_value());
    EXPECT_FALSE(map.pick(-1).has_value());
    EXPECT_EQ(map.nearest(14030), 1);
    EXPECT_EQ(map.nearest(1), 0);

    map.setBand(40);
    EXPECT_TRUE(map.rows().empty());
    map.show(store);
    EXPECT_EQ(map.lines(), QStringList{"7030.0    W1AW"});
    map.setBand(0);
    map.show(store);
    EXPECT_EQ(map.nearest(7030), -1);
}

} // namespace
} // namespace korvel::cluster
