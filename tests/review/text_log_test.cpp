// "Format TXT": the station panel with its number-of-operators rule, the settings file it
// saves, and the text log and summary file it writes into the log folder, read back byte for
// byte; files and folders that cannot be written or deleted are said with their reason.
#include "core/settings_file.h"
#include "review/log_folders.h"
#include "review/review_controls.h"
#include "review/review_form.h"
#include "tests/review/review_fixture.h"

#include <QDir>
#include <QFileInfo>

#include <string>
#include <vector>

using namespace korvel;

namespace {

class TextLog : public korvel::testing::ReviewFixture {
protected:
    ReviewForm& open() {
        form = std::make_unique<ReviewForm>(s, dbs, box);
        form->load();
        return *form;
    }
    QString text(const char* name) { return form->ctl(QLatin1String(name)).text; }
    QString logFile(const QString& name) {
        return review::exportFolder(s.DataDir, review::kLogFolder) + QLatin1Char('/') + name;
    }
    QStringList written() {
        return QDir(review::exportFolder(s.DataDir, review::kLogFolder))
            .entryList(QDir::Files, QDir::Name);
    }
    static std::string crlf(const std::vector<std::string>& lines) {
        std::string out;
        for (const std::string& l : lines)
            out += l + "\r\n";
        return out;
    }
    std::unique_ptr<ReviewForm> form;
};

std::string total(const char* mults, const char* points) {
    return "TOTAL" + std::string(56, ' ') + mults + "   " + points;
}
// The station lines as typed in the first contest, the empty line and the band table's head.
const std::vector<std::string> kStationLines = {
    "         Section        A",
    "         Op's Name      ION POPESCU",
    "         No Operat      2",
    "         QTH            BUCURESTI",
    "         Adress         STR. X 1",
    "         Tx             FT-1000",
    "         Rx             FT-1000",
    "         Ant1           DIPOL",
    "         Ant2" + std::string(11, ' '),
    "         Ant3" + std::string(11, ' '),
    "         Ant4" + std::string(11, ' '),
    "         Ant5           YO DX CLUB",
    "",
    "         Band                    Points    Mult.     Score"};
const std::vector<std::string> kDeclaration = {
    "         Prin prezenta confirm ca la inregistrarea fisierelor",
    "         in log, am acceptat urmatorul text:",
    "         PRIN EXPEDIEREA LOGULUI ELECTRONIC DECLAR CA AM OPERAT",
    "         STATIA IN LIMITELE LICENTEI SI RESPECTIND REGULAMENTUL",
    "         DE CONCURS !!!",
    "         I hereby certify that in the contest I have operated",
    "          the transmitter within the limitation of my licence",
    "          and observed the rules and regulation !!!"};
std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// DARC-WAG's files (the band column, a 160 m QSO in the tallies but no 1.8 MHz line) are
// compared byte for byte by the replayed session text_log_wag.
TEST_F(TextLog, EachContestWritesItsTextLogAndSummary) {
    using Q = korvel::testing::Qso;
    const struct Case {
        int code;
        const char* name;
        const char* date;
        std::vector<Q> qsos;
        const char* textLog;
        std::vector<std::string> textLines;
        const char* summary;
        std::vector<std::string> summaryLines;
    } cases[] = {
        // YO-DX-HF: no band column, named by the whole-log band; no 1.8 MHz line, and the
        // 160 m QSO in none of the totals.
        {100,
         "YO-DX-HF ",
         "25.03.05",
         {{"DL1ABC", "25.03.05", "10:00", "20", "599 001", "599 BU", "CW", "DL", "", "3"},
          {"YO3ABC", "25.03.05", "10:01", "80", "59 002", "59 012", "SSB", "", "", "1"},
          {"K1AB", "25.03.05", "10:02", "160", "599 003", "599 005", "CW", "K", "", "3"}},
         "YO9XX100 YO-DX-HF 25.03.05.txt",
         {"YO9XX  ", "", "DATA        UTC   Mod CALLSIGN    SENT        RCVD        MLT  PCT",
          "25.03.05    10:00 CW  DL1ABC      599 001     599 BU      DL   3       ",
          "25.03.05    10:01 SSB YO3ABC      59 002      59 012           1       ",
          "25.03.05    10:02 CW  K1AB        599 003     599 005     K    3       ",
          total("1", "4")},
         "YO9XX YO-DX-HF 25.03.05.txt",
         std::vector<std::string>{"         YO9XX - SUMMARY  YO DX CONTEST 25.03.05"} +
             kStationLines +
             std::vector<std::string>{"         3.5           1         1         0",
                                      "         7             0         0         0",
                                      "         14            1         3         1",
                                      "         21            0         0         0",
                                      "         28            0         0         0",
                                      "         TOTAL         2         4         1         4",
                                      ""} +
             kDeclaration},
        // CQ-WW: a second multiplier mark counts, 160 m is in every total and the summary
        // begins with 1.8 MHz.
        {201,
         "CQ-WW ",
         "28.11.26",
         {{"DL1ABC", "28.11.26", "10:00", "20", "599 28", "599 14", "CW", "DL", "14", "1"},
          {"JA1XYZ", "28.11.26", "10:03", "160", "599 28", "599 25", "CW", "JA", "25", "3"}},
         "YO9XX CQ-WW 28.11.26LOG ALL.txt",
         {"YO9XX  ", "", "DATA        UTC   Mod Bnd CALLSIGN    SENT        RCVD        MLT    PCT",
          "28.11.26    10:00 CW  20  DL1ABC      599 28      599 14      DL     1       ",
          "28.11.26    10:03 CW  160  JA1XYZ      599 28      599 25      JA     3       ",
          total("4", "4")},
         "YO9XX CQ-WW 28.11.26.txt",
         std::vector<std::string>{"         YO9XX - SUMMARY  CQWWDX 28.11.26"} + kStationLines +
             std::vector<std::string>{"         1.8           1         3         2",
                                      "         3.5           0         0         0",
                                      "         7             0         0         0",
                                      "         14            1         1         2",
                                      "         21            0         0         0",
                                      "         28            0         0         0",
                                      "         TOTAL         2         4         4         16",
                                      ""} +
             kDeclaration},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ASSERT_TRUE(dbs.log.deleteAll());
        s.ContestCode = c.code;
        s.ContestName = QLatin1String(c.name);
        s.StartDateFmt = QLatin1String(c.date);
        for (const Q& q : c.qsos)
            log({q});
        ReviewForm& f = open();
        // CQ-WW does not offer the text log on its menu; its files come from the same path.
        f.ctl(QLatin1String(rc::mnutxt)).visible = true;
        box.clear();
        f.click(QLatin1String(rc::mnutxt));
        EXPECT_TRUE(f.ctl(QLatin1String(rc::Frame6)).visible);
        EXPECT_EQ(f.focus(), QLatin1String(rc::TxtSection));
        // Typed once; the next contests find the values in the settings file.
        if (&c == &cases[0])
            runScript(f,
                      QStringLiteral("type a\nkey Enter\ntype ion popescu\nkey Enter\n"
                                     "key Backspace\ntype 2\nkey Enter\ntype bucuresti\nkey Enter\n"
                                     "type str. x 1\nkey Enter\ntype ft-1000\nkey Enter\n"
                                     "type ft-1000\nkey Enter\ntype dipol\nkey Enter\nkey Enter\n"
                                     "key Enter\nkey Enter\ntype yo dx club\nkey Enter\n"));
        EXPECT_EQ(f.focus(), QLatin1String(rc::TxtSection)); // the chain goes round
        EXPECT_EQ(text(rc::TxtOp), QStringLiteral("ION POPESCU"));
        box.clear();
        runScript(f, QStringLiteral("answer Yes\nanswer Yes\nclick CmdGata\n"));
        EXPECT_EQ(prompts(), (QStringList{QLatin1String(review_text::kFinishedEnglish),
                                          QLatin1String(review_text::kDeclarationEnglish)}));
        EXPECT_FALSE(f.ctl(QLatin1String(rc::Frame6)).visible);
        EXPECT_EQ(readFile(logFile(QLatin1String(c.textLog))).toStdString(), crlf(c.textLines));
        EXPECT_EQ(readFile(logFile(QLatin1String(c.summary))).toStdString(), crlf(c.summaryLines));
        QStringList both{QLatin1String(c.textLog), QLatin1String(c.summary)};
        both.sort();
        EXPECT_EQ(written(), both);
        EXPECT_EQ(f.lastExportPath(), logFile(QLatin1String(c.textLog)));
        QDir(review::exportFolder(s.DataDir, review::kLogFolder)).removeRecursively();
    }
    // The station values are in the settings file for the next run.
    SharedState next;
    ASSERT_TRUE(readInitFile(next, initFilePath(s)).found);
    EXPECT_EQ(next.SummaryOperators, QStringLiteral("A"));
    EXPECT_EQ(next.SummaryOpName, QStringLiteral("ION POPESCU"));
    EXPECT_EQ(next.SummaryOperatorCount, 2);
    EXPECT_EQ(next.SummaryAddress, QStringLiteral("STR. X 1"));
    EXPECT_EQ(next.SummaryAnt4, QString());
    EXPECT_EQ(next.SummaryAnt5, QStringLiteral("YO DX CLUB"));
}

TEST_F(TextLog, NumberOfOperatorsMustBeOneOrMore) {
    const struct {
        const char* typed;
        const char* after; // the field afterwards
        bool refused;      // said with a message
        bool goesOn;       // the finish question is asked
    } cases[] = {
        {"", "1", false, false},   {" ", "1", false, false},        {"  ", "1", false, false},
        {"0", "1", false, false},  {"-3", "1", false, false},       {"AB", "AB", true, false},
        {"2X", "2X", true, false}, {"99999", "99999", true, false}, {" 3 ", " 3 ", false, true},
    };
    s.ContestCode = 102;
    s.SummaryOperatorCount = 4;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ReviewForm& f = open();
        f.click(QLatin1String(rc::mnutxt));
        f.ctl(QLatin1String(rc::TxtNo)).text = QLatin1String(c.typed);
        box.clear();
        runScript(f, QStringLiteral("answer No\nclick CmdGata\n"));
        EXPECT_EQ(text(rc::TxtNo), QLatin1String(c.after));
        EXPECT_EQ(prompts().size(), c.refused || c.goesOn ? 1 : 0);
        if (!c.goesOn) EXPECT_EQ(f.focus(), QLatin1String(rc::TxtNo));
        EXPECT_TRUE(f.ctl(QLatin1String(rc::CmdGata)).visible); // the operator can go on
        EXPECT_TRUE(written().isEmpty());
        EXPECT_EQ(s.SummaryOperatorCount, c.goesOn ? 3 : 4);
        EXPECT_FALSE(QFileInfo::exists(initFilePath(s)));
    }
}

TEST_F(TextLog, PanelIsFilledFromTheSettingsFileAndUpperCasesWhatIsTyped) {
    s.ContestCode = 102;
    s.SummaryOpName = QStringLiteral("FROM MEMORY");
    SharedState saved = s;
    saved.SummaryOpName = QStringLiteral("FROM FILE");
    saved.SummaryOperatorCount = 3;
    ASSERT_TRUE(writeInitFile(saved, initFilePath(s)).ok);
    ReviewForm& f = open();
    f.click(QLatin1String(rc::mnutxt));
    EXPECT_EQ(text(rc::TxtOp), QStringLiteral("FROM FILE"));
    EXPECT_EQ(text(rc::TxtNo), QStringLiteral("3"));
    runScript(f, QStringLiteral("type yo-dx club\n"));
    EXPECT_EQ(text(rc::TxtSection), QStringLiteral("YO-DX CLUB"));
    // Another panel hides it.
    f.click(QLatin1String(rc::mnuLogAnzeigen));
    EXPECT_FALSE(f.ctl(QLatin1String(rc::Frame6)).visible);
}

TEST_F(TextLog, WhatCannotBeWrittenOrDeletedIsSaidWithItsReason) {
    s.ContestCode = 102;
    s.ContestName = QStringLiteral("DARC-WAG ");
    s.SummaryOperatorCount = 1;
    log({{"DL1ABC", "28.11.26", "10:00", "20", "599 001", "599 B01", "CW", "DL", "", "3"}});
    const QString folder = review::exportFolder(s.DataDir, review::kLogFolder);
    const struct {
        const char* blocked; // a folder (with a file in it) where this file would be
        const char* said;    // in the message
        bool textLogWritten;
    } cases[] = {
        {"YO9XX DARC-WAG 28.11.26LOG ALL.txt", "NOTHING WAS SAVED. ", false},
        {"YO9XX DARC-WAG 28.11.26.txt", "NOTHING WAS SAVED. ", true},
        {"YO9XX.txt", "An old file could not be deleted: ", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.blocked);
        QDir(folder).removeRecursively();
        const QString blocked = folder + QLatin1Char('/') + QLatin1String(c.blocked);
        ASSERT_TRUE(QDir().mkpath(blocked));
        QFile inside(blocked + QStringLiteral("/keep"));
        ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
        inside.close();
        ReviewForm& f = open();
        f.click(QLatin1String(rc::mnutxt));
        box.clear();
        runScript(f, QStringLiteral("answer Yes\nanswer Yes\nclick CmdGata\n"));
        const QStringList said = prompts().filter(QLatin1String(c.said));
        ASSERT_EQ(said.size(), 1) << prompts().join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(said[0].contains(blocked)) << said[0].toStdString();
        EXPECT_EQ(
            QFileInfo::exists(folder + QStringLiteral("/YO9XX DARC-WAG 28.11.26LOG ALL.txt")) &&
                QFileInfo(folder + QStringLiteral("/YO9XX DARC-WAG 28.11.26LOG ALL.txt")).isFile(),
            c.textLogWritten);
        const bool failed = QLatin1String(c.said) == QLatin1String(review_text::kNotSaved);
        EXPECT_EQ(f.lastExportPath().isEmpty(), failed);
        EXPECT_EQ(f.ctl(QLatin1String(rc::Frame6)).visible, failed); // to try again
    }
    // A settings file that cannot be replaced is said; the files are written all the same.
    QDir(folder).removeRecursively();
    QFile::remove(initFilePath(s));
    ASSERT_TRUE(QDir().mkpath(initFilePath(s)));
    ReviewForm& f = open();
    f.click(QLatin1String(rc::mnutxt));
    box.clear();
    runScript(f, QStringLiteral("answer Yes\nanswer Yes\nclick CmdGata\n"));
    ASSERT_EQ(prompts().filter(QStringLiteral("The station data was not saved: ")).size(), 1);
    EXPECT_TRUE(prompts().filter(QStringLiteral("not saved"))[0].contains(
        QStringLiteral("KorvelInit.dat")));
    EXPECT_EQ(written().size(), 2);
}

} // namespace
