// The desk's keyboard flow on the model itself: the edge cases of entering, correcting and
// storing a QSO that a golden contest does not show.
#include "core/screen_scale.h"
#include "desk/desk_form.h"
#include "tests/support/desk_keyed_station.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace korvel;
namespace colour = forms::colour;

namespace {

using Desk = korvel::testing::DeskStation;

} // namespace

TEST_F(Desk, SpaceNeedsThreeCharactersBeforeItAnalyses) {
    open(201);
    run("type dl\nkey Space\n");
    expectFields({{"focus", "txtIndic"}, {"txtIndic", "DL"}, {"TxtCountry", ""}});
    run("type 1\nkey Space\n");
    expectFields(
        {{"focus", "TxtRSTR2"}, {"TxtCountry", "Fed. Rep. of Germany"}, {"TxtRSTR2", "14"}});
    EXPECT_EQ(control("txtIndic").back, colour::kGreen);
}

// The call field refuses what no call holds. Any text in the exchange is stored as typed, up
// to what the field holds; control characters and text beyond the field's length are refused
// at the key.
TEST_F(Desk, FieldsRefuseAtTheKeyWhatTheyCannotHold) {
    s.MyBezirk = QStringLiteral("100");
    open(205); // ARRL DX: the exchange is free text (state or power)
    run("type d'l%1_a\"b\x01"
        "c\xc3\xa4/p\n");
    EXPECT_EQ(field("txtIndic"), "DL1ABC/P");
    run("click CmdAbbruchX\ntype w1aw\nkey Space\n");
    const QString odd = QStringLiteral("O'K5") + QChar(0x7f) + QStringLiteral("0%\\Ä") +
                        QString(150, QLatin1Char('X'));
    run(QStringLiteral("type ") + odd + QStringLiteral("\nkey Enter\n"));
    const auto rows = dbs.log.all();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].rcvd, QStringLiteral("599 O'K50%\\Ä"));
    // The call field takes 15 characters, the analysis reads no more.
    run("type abcdefghij12345678\n");
    EXPECT_EQ(field("txtIndic"), "ABCDEFGHIJ12345");
}

TEST_F(Desk, ReceivedSerialsArePaddedWhereTheContestSendsThem) {
    open(201);
    run("type dl1abc\nkey Space\nkey Backspace\nkey Backspace\ntype 5\nkey Space\n");
    EXPECT_EQ(field("TxtRSTR2").trimmed(), "5"); // a CQ zone is never padded
    s.MyPrfx = QStringLiteral("DL");
    open(100); // YO-DX-HF from abroad: a foreign station sends a serial
    run("type ha5abc\nkey Space\ntype 5\nkey Space\n");
    EXPECT_EQ(field("TxtRSTR2").trimmed(), "005");
    run("key Enter\n");
    EXPECT_EQ(dbs.log.all().at(0).rcvd, "599 005");
    run("type yo3abc\nkey Space\ntype b\n");
    EXPECT_EQ(field("TxtRSTR2").trimmed(), "BU"); // a county, completed, never padded
}

// The country of today's calls, and a call no country knows: it is logged with no country and
// no points where the points depend on the country, never with the station's before it.
TEST_F(Desk, CountryOfTheCallAsTypedAndOfACallNoCountryKnows) {
    open(202);
    for (const auto& [call, country] : {std::pair{"bu2ad", "Taiwan"}, {"k0mkl/ve4", "Canada"}}) {
        enter(call);
        EXPECT_EQ(field("TxtCountry"), country) << call;
        run("click CmdAbbruchX\n");
    }
    run("type ja1abc\nkey Space\ntype 001\nkey Enter\n");
    enter("x71t");
    EXPECT_TRUE(control("TxtEroare").visible);
    expectFields({{"TxtCountry", ""}, {"TxtPrf", ""}});
    run("type 002\nkey Enter\n");
    const auto rows = dbs.log.all();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].pfx, "JA");
    EXPECT_EQ(rows[1].callsign, "X71T");
    EXPECT_EQ(rows[1].pfx.trimmed(), QString());
    EXPECT_EQ(rows[1].pct.trimmed(), "0");
}

TEST_F(Desk, IncompleteEntryIsRefusedWithTheCursorOnTheGap) {
    open(201);
    run("type dl1abc\nkey Space\nkey Tab\nkey Backspace\nkey Backspace\nkey Backspace\n");
    // TxtRSTR1 emptied: Enter from the exchange field must not log.
    run("click TxtRSTR2\nkey Enter\n");
    EXPECT_TRUE(prompts().contains(QLatin1String(desk_text::kIncomplete)));
    EXPECT_EQ(desk->focus(), "TxtRSTR1");
    EXPECT_TRUE(calls().isEmpty());
}

// Off line the date and time are typed: an entry without a time is refused, a wrong time or
// date is said and cleared.
TEST_F(Desk, OffLineTheTimeIsAskedForAndAWrongTimeOrDateRefused) {
    s.OffLineInput = Flag::On;
    s.StartDate = QStringLiteral("01.02.03");
    s.StartTime = QStringLiteral("10:30");
    open(201); // the date and time the desk opens with: setup/scripts/offline_start
    enter("dl1abc");
    // Off-line the hour is prefilled and the minutes are to be typed.
    expectFields({{"TxtUTC", "10:"}, {"focus", "TxtUTC"}});
    run("dblclick TxtUTC\nclick TxtRSTR2\nkey Enter\n");
    EXPECT_TRUE(prompts().contains(QLatin1String(desk_text::kIncomplete)));
    EXPECT_EQ(desk->focus(), "TxtUTC");
    // The time typed completes it; the next QSO starts from this date and hour.
    run("type 1042\nclick TxtRSTR2\nkey Enter\n");
    ASSERT_EQ(calls(), QStringList{"DL1ABC"});
    EXPECT_EQ(dbs.log.all()[0].utc, "10:42");
    EXPECT_EQ(dbs.log.all()[0].data, "01.02.03");
    enter("ok1abc");
    expectFields({{"TxtDate", "01.02.03"}, {"TxtUTC", "10:"}});

    run("click TxtUTC\ndblclick TxtUTC\ntype 2570\nkey Tab\n");
    EXPECT_TRUE(prompts().contains(QLatin1String(desk_text::kBadTime)));
    expectFields({{"TxtUTC", " "}, {"focus", "TxtUTC"}});
    run("click TxtDate\ndblclick TxtDate\ntype 310203\nkey Tab\n");
    EXPECT_TRUE(prompts().contains(QLatin1String(desk_text::kBadDate)));
    EXPECT_EQ(field("TxtDate"), " ");
    run("dblclick TxtDate\ntype 280203\nkey Tab\n");
    EXPECT_EQ(field("TxtDate"), "28.02.03");
}

TEST_F(Desk, UndoAfterAbortBringsBackCallAndExchange) {
    open(201);
    run("type dl1abc\nkey Space\nkey Backspace\nkey Backspace\ntype 15\nclick TxtRSTE1\ntype 8\n");
    const QString sent = field("TxtRSTE1");
    run("click CmdAbbruchX\n");
    EXPECT_TRUE(field("txtIndic").isEmpty());
    EXPECT_TRUE(control("mnuUndo").enabled);
    run("click mnuUndo\n");
    expectFields({{"txtIndic", "DL1ABC"}, {"TxtRSTR2", "15"}, {"focus", "TxtRSTR2"}});
    EXPECT_EQ(field("TxtRSTE1"), sent); // Abort does not touch what is sent
    EXPECT_FALSE(control("mnuUndo").enabled);
    run("key Enter\n");
    EXPECT_EQ(calls(), QStringList{"DL1ABC"});
}

TEST_F(Desk, TakingBackTheLastQsoNeverLosesIt) {
    s.NextNr = QStringLiteral("001");
    open(202); // CQ-WPX: serials sent
    run("type dl1abc\nkey Space\ntype 1\nkey Enter\ntype ok1abc\nkey Space\ntype 2\nkey Enter\n"
        "type ha5abc\nkey Space\ntype 3\nkey Enter\n");
    ASSERT_EQ(calls().size(), 3);
    const auto before = dbs.log.all();
    EXPECT_EQ(field("TxtRSTE2"), "004");

    // Alt+F2 takes HA5ABC back: still in the log until the correction is stored.
    run("alt+key F2\n");
    expectFields({{"txtIndic", "HA5ABC"}, {"TxtRSTR2", "3"}});
    EXPECT_EQ(dbs.log.count(), 3);
    EXPECT_EQ(control("txtIndic").back, colour::kGreen); // not a dupe of itself
    // Alt+F2 again takes back the one before it instead.
    run("alt+key F2\n");
    EXPECT_EQ(field("txtIndic"), "OK1ABC");
    // Abort: the log is as it was.
    run("click CmdAbbruchX\n");
    EXPECT_EQ(dbs.log.all(), before);
    EXPECT_EQ(field("TxtRSTE2"), "004");

    // Correct OK1ABC to OK1ABD: same ID, same place, same time; the serial runs on.
    clock.advance(600);
    run("alt+key F2\nalt+key F2\nkey Backspace\ntype d\nkey Space\nkey Enter\n");
    const auto after = dbs.log.all();
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[1].id, before[1].id);
    EXPECT_EQ(after[1].callsign, "OK1ABD");
    EXPECT_EQ(after[1].utc, before[1].utc);
    EXPECT_EQ(after[1].sent, before[1].sent);
    EXPECT_EQ(after[1].rcvd, before[1].rcvd);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[2], before[2]);
    EXPECT_EQ(field("TxtRSTE2"), "004");
    EXPECT_EQ(s.BandTallies[2].qsos, 3);
}

TEST_F(Desk, ACorrectedQsoKeepsTheMultiplierItBrought) {
    open(201);
    logQso("dl1abc");
    ASSERT_EQ(dbs.log.all()[0].mlt, "14");
    run("alt+key F2\nkey Backspace\ntype x\nkey Space\nkey Enter\n");
    const auto rows = dbs.log.all();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].callsign, "DL1ABX");
    EXPECT_EQ(rows[0].mlt, "14");
    EXPECT_EQ(rows[0].mlt1, "DL");
    EXPECT_EQ(s.BandTallies[2].mults, 2);
}

TEST_F(Desk, PartialCallLookupFollowsEveryKey) {
    open(201);
    for (const char* c : {"DL1ABC", "DL1ABD", "DL2XX"})
        logQso(c);
    const struct {
        const char* script;
        std::size_t rows;
    } steps[] = {{"type dl1\n", 2},
                 {"type a\n", 2},
                 {"type bd\n", 1},
                 {"key Backspace\nkey Backspace\nkey Backspace\nkey Backspace\n", 3}};
    for (const auto& step : steps) {
        run(step.script);
        EXPECT_EQ(desk->gridRows().size(), step.rows) << step.script;
    }
    EXPECT_EQ(field("txtIndic"), "DL");
}

TEST_F(Desk, DeletingAQsoCountsTheBandAgain) {
    open(201);
    logQso("dl1abc");
    logQso("dl2abc");
    EXPECT_EQ(s.BandTallies[2].mults, 2);
    const auto first = dbs.log.all()[0].id;
    for (const auto answer : {forms::msg::kNo, forms::msg::kYes}) {
        desk->selectGridRow(first);
        box.queueAnswer(answer);
        desk->deleteSelectedQso();
        EXPECT_EQ(dbs.log.count(), answer == forms::msg::kNo ? 2 : 1);
    }
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
    for (const char* call : {"dl1abc", "dl2abc", "ja1abc"})
        logQso(call);
    run("click Cmd40\n");
    logQso("dl1abc");
    logQso("ok1abc");
    // OK1ABC on 40 m becomes JA1XYZ (another country and zone), then DL2ABC on 20 m goes.
    run("alt+key F2\nkey Backspace\nkey Backspace\nkey Backspace\nkey Backspace\nkey Backspace\n"
        "key Backspace\ntype ja1xyz\nkey Space\nkey Enter\nclick Cmd20\n");
    const auto rows = dbs.log.all();
    ASSERT_EQ(rows.size(), 5u);
    desk->selectGridRow(rows[1].id);
    box.queueAnswer(forms::msg::kYes);
    desk->deleteSelectedQso();
    run("click Cmd40\nclick Cmd20\n");
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
    // 12,000 QSOs of 3 points on 20 m: more than a 16-bit sum holds.
    store::Connection& log = dbs.log.connection();
    ASSERT_TRUE(log.db().transaction());
    QSqlQuery q = log.prepare(
        QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Bnd, Sent, Rcvd, Md, Pfx, Mlt, "
                       "Mlt1, Pct) VALUES (?, '06.12.26', '12:00', '20', '599 20', '599 05', "
                       "'CW', 'K', ' ', ' ', '3')"));
    for (int i = 0; i < 12000; ++i) {
        q.bindValue(0, QStringLiteral("K%1AA").arg(i));
        ASSERT_TRUE(q.exec());
    }
    ASSERT_TRUE(log.db().commit());
    open(201);
    EXPECT_EQ(s.BandTallies[2].qsos, 12000);
    EXPECT_EQ(s.BandTallies[2].points, 36000);
    EXPECT_EQ(field("LblPkt"), "36000");
}

TEST_F(Desk, NoModeNoBandNoLogging) {
    s.ContestCode = 201;
    desk = std::make_unique<DeskForm>(s, dbs, box, clock, keys);
    korvel::testing::openDesk(*desk);
    EXPECT_TRUE(control("LblAnunt").visible);
    EXPECT_FALSE(control("txtIndic").enabled);
    run("type dl1abc\nkey Enter\n");
    EXPECT_TRUE(calls().isEmpty());
    run("click Cmd20\nclick CmdCW\n");
    EXPECT_FALSE(control("LblAnunt").visible);
    EXPECT_TRUE(control("txtIndic").enabled);
}

// A log that cannot be written, read or deleted from is said, and nothing is taken for done:
// the QSO stays on the desk, no "no dupe" or "new", no "deleted".
TEST_F(Desk, ALogThatFailsIsSaidAndNothingIsLostOrTakenForDone) {
    open(201);
    enter("dl1abc");
    dbs.log.close(); // the log cannot be written (disk gone, file locked...)
    run("key Enter\n");
    ASSERT_FALSE(prompts().isEmpty());
    EXPECT_TRUE(prompts().back().startsWith(QStringLiteral("QSO NOT STORED")));
    expectFields({{"txtIndic", "DL1ABC"}, {"TxtRSTR2", "14"}});
    EXPECT_EQ(s.BandTallies[2].qsos, 0);
    // Once the log is back, the same QSO is stored from the desk.
    ASSERT_EQ(dbs.log.open(dir.filePath(QStringLiteral("LogKorvel"))), QString());
    run("click TxtRSTR2\nkey Enter\n");
    EXPECT_EQ(calls(), QStringList{"DL1ABC"});
    EXPECT_EQ(s.BandTallies[2].qsos, 1);

    const auto id = dbs.log.all()[0].id;
    dbs.log.close();
    enter("dl1abc");
    EXPECT_TRUE(control("TxtEroare").visible);
    EXPECT_TRUE(field("TxtEroare").startsWith(QStringLiteral("LOG NOT READ: ")));
    EXPECT_FALSE(control("LblNeu").visible); // no "NEW" from a log that was not read
    run("key Escape\n");
    desk->selectGridRow(id);
    box.queueAnswer(forms::msg::kYes);
    desk->deleteSelectedQso();
    EXPECT_TRUE(prompts().back().startsWith(QStringLiteral("QSO NOT DELETED: ")));
    ASSERT_EQ(dbs.log.open(dir.filePath(QStringLiteral("LogKorvel"))), QString());
    EXPECT_EQ(dbs.log.count(), 1);
    EXPECT_EQ(s.BandTallies[2].qsos, 1);
}

// A store the log refused and the operator repeats gives the QSO what a first store gives:
// TAC's bonus for exchanges sent and received as words is added once.
TEST_F(Desk, ARepeatedStoreAddsTheBonusOnce) {
    open(203, 80, "CW");
    for (const bool refusedFirst : {false, true}) {
        enter(refusedFirst ? "dl2abc" : "dl1abc");
        control("TxtRSTE2").text = QStringLiteral("ALBA");
        control("TxtRSTR2").text = QStringLiteral("IASI");
        if (refusedFirst) {
            dbs.log.close();
            run("click TxtRSTR2\nkey Enter\n");
            ASSERT_EQ(dbs.log.open(dir.filePath(QStringLiteral("LogKorvel"))), QString());
        }
        run("click TxtRSTR2\nkey Enter\n");
    }
    const auto rows = dbs.log.all();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].pct, rows[0].pct);
    EXPECT_EQ(s.BandTallies[4].points, 2 * rows[0].pct.trimmed().toLongLong());
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
