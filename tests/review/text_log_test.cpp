// "Format TXT": the station panel with its number-of-operators rule, the settings file it
// saves, and the text log and summary file it writes into the log folder, read back byte for
// byte; files and folders that cannot be written or deleted are said with their reason.
#include "core/settings_file.h"
#include "tests/support/review_screen.h"

#include <QDir>
#include <QFileInfo>

#include <string>
#include <vector>

using namespace korvel;

namespace {

class TextLog : public korvel::testing::ReviewScreen {
protected:
    QStringList written() { return QDir(logFolder()).entryList(QDir::Files, QDir::Name); }
    static std::string crlf(const std::vector<std::string>& lines) {
        std::string out;
        for (const std::string& l : lines)
            out += l + "\r\n";
        return out;
    }
};

std::string total(const char* mults, const char* points) {
    return "TOTAL" + std::string(56, ' ') + mults + "   " + points;
}
// The station lines as typed in the first contest, the empty line and the band table's head;
// the declaration after the band table and an empty line.
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
// compared byte for byte by the replayed session text_log_wag, with the panel's first field,
// the finish question and the declaration.
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
        const char* title;              // the summary's first line
        std::vector<std::string> bands; // its band table after the station lines
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
         "         YO9XX - SUMMARY  YO DX CONTEST 25.03.05",
         {"         3.5           1         1         0",
          "         7             0         0         0",
          "         14            1         3         1",
          "         21            0         0         0",
          "         28            0         0         0",
          "         TOTAL         2         4         1         4"}},
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
         "         YO9XX - SUMMARY  CQWWDX 28.11.26",
         {"         1.8           1         3         2",
          "         3.5           0         0         0",
          "         7             0         0         0",
          "         14            1         1         2",
          "         21            0         0         0",
          "         28            0         0         0",
          "         TOTAL         2         4         4         16"}},
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
        ctl(rc::mnutxt).visible = true;
        click(rc::mnutxt);
        // Typed once; the next contests find the values in the settings file.
        if (&c == &cases[0])
            run("type a\nkey Enter\ntype ion popescu\nkey Enter\nkey Backspace\ntype 2\n"
                "key Enter\ntype bucuresti\nkey Enter\ntype str. x 1\nkey Enter\n"
                "type ft-1000\nkey Enter\ntype ft-1000\nkey Enter\ntype dipol\nkey Enter\n"
                "key Enter\nkey Enter\nkey Enter\ntype yo dx club\nkey Enter\n");
        EXPECT_EQ(focus(), QLatin1String(rc::TxtSection)); // the chain goes round
        run("answer Yes\nanswer Yes\nclick CmdGata\n");
        EXPECT_FALSE(visible(rc::Frame6));
        EXPECT_EQ(readFile(logFile(QLatin1String(c.textLog))).toStdString(), crlf(c.textLines));
        EXPECT_EQ(readFile(logFile(QLatin1String(c.summary))).toStdString(),
                  crlf(std::vector<std::string>{c.title} + kStationLines + c.bands +
                       std::vector<std::string>{""} + kDeclaration));
        QStringList both{QLatin1String(c.textLog), QLatin1String(c.summary)};
        both.sort();
        EXPECT_EQ(written(), both);
        EXPECT_EQ(f.lastExportPath(), logFile(QLatin1String(c.textLog)));
        QDir(logFolder()).removeRecursively();
    }
    // The station values are in the settings file for the next run.
    SharedState next;
    ASSERT_TRUE(readInitFile(next, initFilePath(s)).found);
    EXPECT_EQ((QStringList{next.SummaryOperators, next.SummaryOpName,
                           QString::number(next.SummaryOperatorCount), next.SummaryAddress,
                           next.SummaryAnt4, next.SummaryAnt5}),
              QStringLiteral("A|ION POPESCU|2|STR. X 1||YO DX CLUB").split(QLatin1Char('|')));
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
        open();
        click(rc::mnutxt);
        ctl(rc::TxtNo).text = QLatin1String(c.typed);
        box.clear();
        run("answer No\nclick CmdGata\n");
        EXPECT_EQ(text(rc::TxtNo), QLatin1String(c.after));
        EXPECT_EQ(prompts().size(), c.refused || c.goesOn ? 1 : 0);
        if (!c.goesOn) EXPECT_EQ(focus(), QLatin1String(rc::TxtNo));
        EXPECT_TRUE(visible(rc::CmdGata)); // the operator can go on
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
    open();
    click(rc::mnutxt);
    EXPECT_EQ(text(rc::TxtOp), QStringLiteral("FROM FILE"));
    EXPECT_EQ(text(rc::TxtNo), QStringLiteral("3"));
    run("type yo-dx club\n");
    EXPECT_EQ(text(rc::TxtSection), QStringLiteral("YO-DX CLUB"));
    // Another panel hides it.
    click(rc::mnuLogAnzeigen);
    EXPECT_FALSE(visible(rc::Frame6));
}

TEST_F(TextLog, WhatCannotBeWrittenOrDeletedIsSaidWithItsReason) {
    s.ContestCode = 102;
    s.ContestName = QStringLiteral("DARC-WAG ");
    s.SummaryOperatorCount = 1;
    log({{"DL1ABC", "28.11.26", "10:00", "20", "599 001", "599 B01", "CW", "DL", "", "3"}});
    const struct {
        const char* blocked; // a folder (with a file in it) where this file would be; null:
                             // where the settings file would be
        const char* said;    // in the message
        bool textLogWritten;
        int files; // written into the log folder
    } cases[] = {
        {"YO9XX DARC-WAG 28.11.26LOG ALL.txt", "NOTHING WAS SAVED. ", false, 0},
        {"YO9XX DARC-WAG 28.11.26.txt", "NOTHING WAS SAVED. ", true, 1},
        {"YO9XX.txt", "An old file could not be deleted: ", true, 2},
        // A settings file that cannot be replaced is said; the files are written all the same.
        {nullptr, "The station data was not saved: ", true, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        QDir(logFolder()).removeRecursively();
        const QString blocked = c.blocked ? logFile(QLatin1String(c.blocked)) : initFilePath(s);
        QFile::remove(blocked);
        ASSERT_TRUE(QDir().mkpath(blocked));
        QFile inside(blocked + QStringLiteral("/keep"));
        ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
        inside.close();
        ReviewForm& f = open();
        click(rc::mnutxt);
        box.clear();
        run("answer Yes\nanswer Yes\nclick CmdGata\n");
        const QStringList said = prompts().filter(QLatin1String(c.said));
        ASSERT_EQ(said.size(), 1) << prompts().join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(said[0].contains(blocked)) << said[0].toStdString();
        EXPECT_EQ(QFileInfo(logFile(QStringLiteral("YO9XX DARC-WAG 28.11.26LOG ALL.txt"))).isFile(),
                  c.textLogWritten);
        EXPECT_EQ(written().size(), c.files);
        const bool failed = QLatin1String(c.said) == QLatin1String(review_text::kNotSaved);
        EXPECT_EQ(f.lastExportPath().isEmpty(), failed);
        EXPECT_EQ(visible(rc::Frame6), failed); // to try again
    }
}

} // namespace
