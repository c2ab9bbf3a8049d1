// The desk's keyboard flow on the model itself: the edge cases of entering, correcting and
// storing a QSO that a golden contest does not show.
#include "core/screen_scale.h"
#include "desk/desk_form.h"
#include "tests/support/desk_fixture.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <memory>

using namespace korvel;
using korvel::testing::DeskFixture;
using korvel::testing::openDesk;
using korvel::testing::setStation;
namespace colour = forms::colour;

namespace {

class Desk : public DeskFixture {
protected:
    void SetUp() override {
        DeskFixture::SetUp();
        if (HasFatalFailure()) return;
        setStation(s);
        clock.set(QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC));
    }

    // Opens the desk for a contest, with a band and mode chosen.
    DeskForm& open(int contest, int band = 20, const char* mode = "CW") {
        s.ContestCode = contest;
        desk = std::make_unique<DeskForm>(s, dbs, box, clock, keys);
        openDesk(*desk, band, mode);
        return *desk;
    }

    // Runs script lines against the desk; fails the test on a script error.
    QString run(const QString& script) { return runScript(*desk, script); }

    QString field(const char* name) const { return desk->ctl(QLatin1String(name)).text; }
    const forms::Control& control(const char* name) const { return desk->ctl(QLatin1String(name)); }
    QStringList calls() {
        QStringList out;
        for (const store::QsoRow& r : dbs.log.all())
            out << r.callsign;
        return out;
    }

    SilentMessageKeys keys;
    std::unique_ptr<DeskForm> desk;
};

} // namespace

TEST_F(Desk, SpaceNeedsThreeCharactersBeforeItAnalyses) {
    open(201);
    run(QStringLiteral("type dl\nkey Space\n"));
    EXPECT_EQ(desk->focus(), QStringLiteral("txtIndic"));
    EXPECT_EQ(field("txtIndic"), QStringLiteral("DL"));
    EXPECT_TRUE(field("TxtCountry").isEmpty());
    run(QStringLiteral("type 1\nkey Space\n"));
    EXPECT_EQ(desk->focus(), QStringLiteral("TxtRSTR2"));
    EXPECT_EQ(field("TxtCountry"), QStringLiteral("Fed. Rep. of Germany"));
    EXPECT_EQ(field("TxtRSTR2"), QStringLiteral("14"));
    EXPECT_EQ(control("txtIndic").back, colour::kGreen);
}

TEST_F(Desk, CallFieldRefusesWhatNoCallHolds) {
    open(201);
    run(QStringLiteral("type d'l%1_a\"b\x01"
                       "c\xc3\xa4/p\n"));
    EXPECT_EQ(field("txtIndic"), QStringLiteral("DL1ABC/P"));
}

// Any text is stored as typed, up to what the field holds; control characters and text
// beyond the field's length are refused at the key.
TEST_F(Desk, AnyTextInTheExchangeIsStoredAsTypedUpToItsLength) {
    s.MyBezirk = QStringLiteral("100");
    open(205); // ARRL DX: the exchange is free text (state or power)
    run(QStringLiteral("type w1aw\nkey Space\n"));
    const QString odd = QStringLiteral("O'K5") + QChar(0x7f) + QStringLiteral("0%\\Ä") +
                        QString(150, QLatin1Char('X'));
    run(QStringLiteral("type ") + odd + QStringLiteral("\nkey Enter\n"));
    const auto rows = dbs.log.all();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].rcvd, QStringLiteral("599 O'K50%\\Ä"));
    // The call field takes 15 characters, the analysis reads no more.
    run(QStringLiteral("type abcdefghij12345678\n"));
    EXPECT_EQ(field("txtIndic"), QStringLiteral("ABCDEFGHIJ12345"));
}

TEST_F(Desk, ReceivedSerialsArePaddedWhereTheContestSendsThem) {
    open(201);
    run(QStringLiteral(
        "type dl1abc\nkey Space\nkey Backspace\nkey Backspace\ntype 5\nkey Space\n"));
    EXPECT_EQ(field("TxtRSTR2").trimmed(), QStringLiteral("5")); // a CQ zone is never padded
    s.MyPrfx = QStringLiteral("DL");
    open(100); // YO-DX-HF from abroad: a foreign station sends a serial
    run(QStringLiteral("type ha5abc\nkey Space\ntype 5\nkey Space\n"));
    EXPECT_EQ(field("TxtRSTR2").trimmed(), QStringLiteral("005"));
    run(QStringLiteral("key Enter\n"));
    EXPECT_EQ(dbs.log.all().at(0).rcvd, QStringLiteral("599 005"));
    run(QStringLiteral("type yo3abc\nkey Space\ntype b\n"));
    EXPECT_EQ(field("TxtRSTR2").trimmed(),
              QStringLiteral("BU")); // a county, completed, never padded
}

// The country of today's calls, and a call no country knows: it is logged with no country and
// no points where the points depend on the country, never with the station's before it.
TEST_F(Desk, CountryOfTheCallAsTypedAndOfACallNoCountryKnows) {
    open(202);
    run(QStringLiteral("type bu2ad\nkey Space\n"));
    EXPECT_EQ(field("TxtCountry"), QStringLiteral("Taiwan"));
    run(QStringLiteral("click CmdAbbruchX\ntype k0mkl/ve4\nkey Space\n"));
    EXPECT_EQ(field("TxtCountry"), QStringLiteral("Canada"));
    run(QStringLiteral("click CmdAbbruchX\ntype ja1abc\nkey Space\ntype 001\nkey Enter\n"));
    run(QStringLiteral("type x71t\nkey Space\n"));
    EXPECT_TRUE(control("TxtEroare").visible);
    EXPECT_EQ(field("TxtCountry"), QString());
    EXPECT_EQ(field("TxtPrf"), QString());
    run(QStringLiteral("type 002\nkey Enter\n"));
    const auto rows = dbs.log.all();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].pfx, QStringLiteral("JA"));
    EXPECT_EQ(rows[1].callsign, QStringLiteral("X71T"));
    EXPECT_EQ(rows[1].pfx.trimmed(), QString());
    EXPECT_EQ(rows[1].pct.trimmed(), QStringLiteral("0"));
}

TEST_F(Desk, IncompleteEntryIsRefusedWithTheCursorOnTheGap) {
    open(201);
    run(QStringLiteral(
        "type dl1abc\nkey Space\nkey Tab\nkey Backspace\nkey Backspace\nkey Backspace\n"));
    // TxtRSTR1 emptied: Enter from the exchange field must not log.
    run(QStringLiteral("click TxtRSTR2\nkey Enter\n"));
    EXPECT_TRUE(prompts().contains(QLatin1String(desk_text::kIncomplete)));
    EXPECT_EQ(desk->focus(), QStringLiteral("TxtRSTR1"));
    EXPECT_TRUE(calls().isEmpty());
}

TEST_F(Desk, OffLineEnterWithoutTimeAsksForTheTime) {
    s.OffLineInput = Flag::On;
    s.StartDate = QStringLiteral("01.02.03");
    s.StartTime = QStringLiteral("10:30");
    open(201);
    EXPECT_EQ(field("TxtDate"), QStringLiteral("01.02.03"));
    EXPECT_EQ(field("TxtUTC"), QStringLiteral("10:30"));
    run(QStringLiteral("type dl1abc\nkey Space\n"));
    // Off-line the hour is prefilled and the minutes are to be typed.
    EXPECT_EQ(field("TxtUTC"), QStringLiteral("10:"));
    EXPECT_EQ(desk->focus(), QStringLiteral("TxtUTC"));
    run(QStringLiteral("dblclick TxtUTC\nclick TxtRSTR2\nkey Enter\n"));
    EXPECT_TRUE(prompts().contains(QLatin1String(desk_text::kIncomplete)));
    EXPECT_EQ(desk->focus(), QStringLiteral("TxtUTC"));
    // The time typed completes it; the next QSO starts from this date and hour.
    run(QStringLiteral("type 1042\nclick TxtRSTR2\nkey Enter\n"));
    ASSERT_EQ(calls(), QStringList{QStringLiteral("DL1ABC")});
    EXPECT_EQ(dbs.log.all()[0].utc, QStringLiteral("10:42"));
    EXPECT_EQ(dbs.log.all()[0].data, QStringLiteral("01.02.03"));
    run(QStringLiteral("type ok1abc\nkey Space\n"));
    EXPECT_EQ(field("TxtDate"), QStringLiteral("01.02.03"));
    EXPECT_EQ(field("TxtUTC"), QStringLiteral("10:"));
}

TEST_F(Desk, WrongTimeAndDateAreRefused) {
    s.OffLineInput = Flag::On;
    s.StartDate = QStringLiteral("01.02.03");
    s.StartTime = QStringLiteral("10:30");
    open(201);
    run(QStringLiteral("click TxtUTC\ndblclick TxtUTC\ntype 2570\nkey Tab\n"));
    EXPECT_TRUE(prompts().contains(QLatin1String(desk_text::kBadTime)));
    EXPECT_EQ(field("TxtUTC"), QStringLiteral(" "));
    EXPECT_EQ(desk->focus(), QStringLiteral("TxtUTC"));
    run(QStringLiteral("click TxtDate\ndblclick TxtDate\ntype 310203\nkey Tab\n"));
    EXPECT_TRUE(prompts().contains(QLatin1String(desk_text::kBadDate)));
    EXPECT_EQ(field("TxtDate"), QStringLiteral(" "));
    run(QStringLiteral("dblclick TxtDate\ntype 280203\nkey Tab\n"));
    EXPECT_EQ(field("TxtDate"), QStringLiteral("28.02.03"));
}

TEST_F(Desk, UndoAfterAbortBringsBackCallAndExchange) {
    open(201);
    run(QStringLiteral("type dl1abc\nkey Space\nkey Backspace\nkey Backspace\ntype 15\n"));
    run(QStringLiteral("click TxtRSTE1\ntype 8\n"));
    const QString sent = field("TxtRSTE1");
    run(QStringLiteral("click CmdAbbruchX\n"));
    EXPECT_TRUE(field("txtIndic").isEmpty());
    EXPECT_TRUE(control("mnuUndo").enabled);
    run(QStringLiteral("click mnuUndo\n"));
    EXPECT_EQ(field("txtIndic"), QStringLiteral("DL1ABC"));
    EXPECT_EQ(field("TxtRSTR2"), QStringLiteral("15"));
    EXPECT_EQ(field("TxtRSTE1"), sent); // Abort does not touch what is sent
    EXPECT_FALSE(control("mnuUndo").enabled);
    EXPECT_EQ(desk->focus(), QStringLiteral("TxtRSTR2"));
    run(QStringLiteral("key Enter\n"));
    EXPECT_EQ(calls(), QStringList{QStringLiteral("DL1ABC")});
}

TEST_F(Desk, TakingBackTheLastQsoNeverLosesIt) {
    s.NextNr = QStringLiteral("001");
    open(202); // CQ-WPX: serials sent
    run(QStringLiteral("type dl1abc\nkey Space\ntype 1\nkey Enter\n"
                       "type ok1abc\nkey Space\ntype 2\nkey Enter\n"
                       "type ha5abc\nkey Space\ntype 3\nkey Enter\n"));
    ASSERT_EQ(calls().size(), 3);
    const auto before = dbs.log.all();
    EXPECT_EQ(field("TxtRSTE2"), QStringLiteral("004"));

    // Alt+F2 takes HA5ABC back: still in the log until the correction is stored.
    run(QStringLiteral("alt+key F2\n"));
    EXPECT_EQ(field("txtIndic"), QStringLiteral("HA5ABC"));
    EXPECT_EQ(field("TxtRSTR2"), QStringLiteral("3"));
    EXPECT_EQ(dbs.log.count(), 3);
    EXPECT_EQ(control("txtIndic").back, colour::kGreen); // not a dupe of itself
    // Alt+F2 again takes back the one before it instead.
    run(QStringLiteral("alt+key F2\n"));
    EXPECT_EQ(field("txtIndic"), QStringLiteral("OK1ABC"));
    // Abort: the log is as it was.
    run(QStringLiteral("click CmdAbbruchX\n"));
    EXPECT_EQ(dbs.log.all(), before);
    EXPECT_EQ(field("TxtRSTE2"), QStringLiteral("004"));

    // Correct OK1ABC to OK1ABD: same ID, same place, same time; the serial runs on.
    clock.advance(600);
    run(QStringLiteral("alt+key F2\nalt+key F2\n"));
    run(QStringLiteral("key Backspace\ntype d\nkey Space\nkey Enter\n"));
    const auto after = dbs.log.all();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[1].id, before[1].id);
    EXPECT_EQ(after[1].callsign, QStringLiteral("OK1ABD"));
    EXPECT_EQ(after[1].utc, before[1].utc);
    EXPECT_EQ(after[1].sent, before[1].sent);
    EXPECT_EQ(after[1].rcvd, before[1].rcvd);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[2], before[2]);
    EXPECT_EQ(field("TxtRSTE2"), QStringLiteral("004"));
    EXPECT_EQ(s.BandTallies[2].qsos, 3);
}

TEST_F(Desk, ACorrectedQsoKeepsTheMultiplierItBrought) {
    open(201);
    run(QStringLiteral("type dl1abc\nkey Space\nkey Enter\n"));
    ASSERT_EQ(dbs.log.all()[0].mlt, QStringLiteral("14"));
    run(QStringLiteral("alt+key F2\nkey Backspace\ntype x\nkey Space\nkey Enter\n"));
    const auto rows = dbs.log.all();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].callsign, QStringLiteral("DL1ABX"));
    EXPECT_EQ(rows[0].mlt, QStringLiteral("14"));
    EXPECT_EQ(rows[0].mlt1, QStringLiteral("DL"));
    EXPECT_EQ(s.BandTallies[2].mults, 2);
}

TEST_F(Desk, PartialCallLookupFollowsEveryKey) {
    open(201);
    for (const char* c : {"DL1ABC", "DL1ABD", "DL2XX"})
        run(QStringLiteral("type %1\nkey Space\nkey Enter\n").arg(QLatin1String(c)));
    run(QStringLiteral("type dl1\n"));
    EXPECT_EQ(desk->gridRows().size(), 2u);
    run(QStringLiteral("type a\n"));
    EXPECT_EQ(desk->gridRows().size(), 2u);
    run(QStringLiteral("type bd\n"));
    EXPECT_EQ(desk->gridRows().size(), 1u);
    run(QStringLiteral("key Backspace\nkey Backspace\nkey Backspace\nkey Backspace\n"));
    EXPECT_EQ(field("txtIndic"), QStringLiteral("DL"));
    EXPECT_EQ(desk->gridRows().size(), 3u);
}

TEST_F(Desk, DeletingAQsoCountsTheBandAgain) {
    open(201);
    run(QStringLiteral("type dl1abc\nkey Space\nkey Enter\ntype dl2abc\nkey Space\nkey Enter\n"));
    EXPECT_EQ(s.BandTallies[2].mults, 2);
    const auto first = dbs.log.all()[0].id;
    desk->selectGridRow(first);
    box.queueAnswer(forms::msg::kNo);
    desk->deleteSelectedQso();
    EXPECT_EQ(dbs.log.count(), 2);
    desk->selectGridRow(first);
    box.queueAnswer(forms::msg::kYes);
    desk->deleteSelectedQso();
    EXPECT_EQ(dbs.log.count(), 1);
    // The remaining DL QSO carries no mark: the band's multipliers drop to none.
    EXPECT_EQ(s.BandTallies[2].qsos, 1);
    EXPECT_EQ(s.BandTallies[2].mults, 0);
    EXPECT_EQ(box.shown().back().title, QLatin1String(desk_text::kDeleteTitle));
}

// The band tallies are kept QSO by QSO (a band switch reads nothing of the log): after
// stores, a correction that changes the call and its marks, a delete and band switches they
// equal the count of the whole log made when a desk opens.
TEST_F(Desk, TalliesKeptQsoByQsoEqualACountOfTheWholeLog) {
    open(201);
    run(QStringLiteral("type dl1abc\nkey Space\nkey Enter\ntype dl2abc\nkey Space\nkey Enter\n"
                       "type ja1abc\nkey Space\nkey Enter\nclick Cmd40\n"
                       "type dl1abc\nkey Space\nkey Enter\ntype ok1abc\nkey Space\nkey Enter\n"));
    // OK1ABC on 40 m becomes JA1XYZ (another country and zone), then DL2ABC on 20 m goes.
    run(QStringLiteral("alt+key F2\n"));
    for (int i = 0; i < 6; ++i)
        run(QStringLiteral("key Backspace\n"));
    run(QStringLiteral("type ja1xyz\nkey Space\nkey Enter\nclick Cmd20\n"));
    const auto rows = dbs.log.all();
    ASSERT_EQ(rows.size(), 5u);
    desk->selectGridRow(rows[1].id);
    box.queueAnswer(forms::msg::kYes);
    desk->deleteSelectedQso();
    run(QStringLiteral("click Cmd40\nclick Cmd20\n"));
    const auto kept = s.BandTallies;
    open(201);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        SCOPED_TRACE(kBands[i]);
        EXPECT_EQ(kept[i].qsos, s.BandTallies[i].qsos);
        EXPECT_EQ(kept[i].points, s.BandTallies[i].points);
        EXPECT_EQ(kept[i].mults, s.BandTallies[i].mults);
    }
    EXPECT_EQ(s.BandTallies[2].qsos, 2);
    EXPECT_EQ(s.BandTallies[3].qsos, 2);
}

TEST_F(Desk, TalliesDoNotOverflowOnABigLog) {
    {
        // 12,000 QSOs of 3 points on 20 m: more than a 16-bit sum holds.
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bulk"));
        db.setDatabaseName(dir.filePath(QStringLiteral("LogKorvel")));
        ASSERT_TRUE(db.open());
        db.transaction();
        QSqlQuery q(db);
        q.prepare(
            QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Bnd, Sent, Rcvd, Md, Pfx, "
                           "Mlt, Mlt1, Pct) VALUES (?, '06.12.26', '12:00', '20', '599 20', "
                           "'599 05', 'CW', 'K', ' ', ' ', '3')"));
        for (int i = 0; i < 12000; ++i) {
            q.bindValue(0, QStringLiteral("K%1AA").arg(i));
            ASSERT_TRUE(q.exec());
        }
        db.commit();
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bulk"));
    open(201);
    EXPECT_EQ(s.BandTallies[2].qsos, 12000);
    EXPECT_EQ(s.BandTallies[2].points, 36000);
    EXPECT_EQ(field("LblPkt"), QStringLiteral("36000"));
}

TEST_F(Desk, NoModeNoBandNoLogging) {
    s.ContestCode = 201;
    desk = std::make_unique<DeskForm>(s, dbs, box, clock, keys);
    desk->handOver();
    desk->open();
    EXPECT_TRUE(control("LblAnunt").visible);
    EXPECT_FALSE(control("txtIndic").enabled);
    run(QStringLiteral("type dl1abc\nkey Enter\n"));
    EXPECT_TRUE(calls().isEmpty());
    run(QStringLiteral("click Cmd20\nclick CmdCW\n"));
    EXPECT_FALSE(control("LblAnunt").visible);
    EXPECT_TRUE(control("txtIndic").enabled);
}

TEST_F(Desk, AQsoTheLogDoesNotTakeStaysOnTheDesk) {
    open(201);
    run(QStringLiteral("type dl1abc\nkey Space\n"));
    dbs.log.close(); // the log cannot be written (disk gone, file locked...)
    run(QStringLiteral("key Enter\n"));
    ASSERT_FALSE(prompts().isEmpty());
    EXPECT_TRUE(prompts().back().startsWith(QStringLiteral("QSO NOT STORED")));
    EXPECT_EQ(field("txtIndic"), QStringLiteral("DL1ABC"));
    EXPECT_EQ(field("TxtRSTR2"), QStringLiteral("14"));
    EXPECT_EQ(s.BandTallies[2].qsos, 0);
    // Once the log is back, the same QSO is stored from the desk.
    ASSERT_EQ(dbs.log.open(dir.filePath(QStringLiteral("LogKorvel"))), QString());
    run(QStringLiteral("click TxtRSTR2\nkey Enter\n"));
    EXPECT_EQ(calls(), QStringList{QStringLiteral("DL1ABC")});
    EXPECT_EQ(s.BandTallies[2].qsos, 1);
}

// A store the log refused and the operator repeats gives the QSO what a first store gives:
// TAC's bonus for exchanges sent and received as words is added once.
TEST_F(Desk, ARepeatedStoreAddsTheBonusOnce) {
    open(203, 80, "CW");
    const auto logWords = [&](const char* call, bool refusedFirst) {
        run(QStringLiteral("type %1\nkey Space\n").arg(QLatin1String(call)));
        desk->ctl(QStringLiteral("TxtRSTE2")).text = QStringLiteral("ALBA");
        desk->ctl(QStringLiteral("TxtRSTR2")).text = QStringLiteral("IASI");
        if (refusedFirst) {
            dbs.log.close();
            run(QStringLiteral("click TxtRSTR2\nkey Enter\n"));
            ASSERT_EQ(dbs.log.open(dir.filePath(QStringLiteral("LogKorvel"))), QString());
        }
        run(QStringLiteral("click TxtRSTR2\nkey Enter\n"));
    };
    logWords("dl1abc", false);
    logWords("dl2abc", true);
    const auto rows = dbs.log.all();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].pct, rows[0].pct);
    EXPECT_EQ(s.BandTallies[4].points, 2 * rows[0].pct.trimmed().toLongLong());
}

// A log that cannot be read or cannot delete is said, never taken for "no dupe", "new" or
// "deleted".
TEST_F(Desk, ALogThatFailsIsSaidAndNothingIsTakenForDone) {
    open(201);
    run(QStringLiteral("type dl1abc\nkey Space\nkey Enter\n"));
    const auto id = dbs.log.all()[0].id;
    dbs.log.close();
    run(QStringLiteral("type dl1abc\nkey Space\n"));
    EXPECT_TRUE(control("TxtEroare").visible);
    EXPECT_TRUE(field("TxtEroare").startsWith(QStringLiteral("LOG NOT READ: ")));
    EXPECT_FALSE(control("LblNeu").visible); // no "NEW" from a log that was not read
    run(QStringLiteral("key Escape\n"));
    desk->selectGridRow(id);
    box.queueAnswer(forms::msg::kYes);
    desk->deleteSelectedQso();
    EXPECT_TRUE(prompts().back().startsWith(QStringLiteral("QSO NOT DELETED: ")));
    ASSERT_EQ(dbs.log.open(dir.filePath(QStringLiteral("LogKorvel"))), QString());
    EXPECT_EQ(dbs.log.count(), 1);
    EXPECT_EQ(s.BandTallies[2].qsos, 1);
}

// The window title carries the UTC date and time between "CONTEST MODE" and the credit;
// on a small screen the gaps are narrower, so the title is shorter.
TEST(DeskClockTitle, ShowsTheUtcTimeWithNarrowerGapsOnASmallScreen) {
    const QDateTime t(QDate(2026, 12, 6), QTime(12, 34, 56), Qt::UTC);
    const QString medium = DeskForm::clockTitle(t, screenScale(1024, 768).x);
    const QString small = DeskForm::clockTitle(t, screenScale(640, 480).x);
    for (const QString& title : {medium, small}) {
        EXPECT_TRUE(title.startsWith(QLatin1String("CONTEST MODE"))) << title.toStdString();
        EXPECT_TRUE(title.contains(QLatin1String("06.12.26 12:34:56 UTC"))) << title.toStdString();
    }
    EXPECT_LT(small.size(), medium.size());
    EXPECT_EQ(small.simplified(), medium.simplified()); // only the gaps differ
}
