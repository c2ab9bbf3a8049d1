// Every contest's Cabrillo file, written through the review screen's panel, read by an
// independent strict Cabrillo 3.0 parser: the "cabrillo" package of the Python package index,
// in a virtual environment of the build folder (scripts/setup.sh makes it; this test makes it
// when it is missing). Unknown keys are errors there. The package does not know the DEBUG
// tag, so the parser reads the file without that line and the line is checked here.
// Without Python, its venv module or the package, the test is skipped with the reason.
#include "review/review_controls.h"
#include "review/review_form.h"
#include "scoring/contests/registry.h"
#include "tests/review/review_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

using namespace korvel;

namespace {

const QString kVenv = QStringLiteral(KORVEL_CABRILLO_VENV);

QString venvPython() {
    return kVenv + QStringLiteral("/bin/python3");
}

// Runs a program; its exit code and what it printed.
std::pair<int, QString> runProgram(const QString& program, const QStringList& args, int seconds) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(5000)) return {-1, QStringLiteral("%1 does not start").arg(program)};
    if (!p.waitForFinished(seconds * 1000)) {
        p.kill();
        p.waitForFinished();
        return {-1, QStringLiteral("%1 did not finish in %2 s").arg(program).arg(seconds)};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAll())};
}

// The parser's Python, set up when missing; empty with the reason when it cannot be had.
QString parserPython(QString& why) {
    const auto probe = [] {
        return runProgram(venvPython(), {QStringLiteral("-c"), QStringLiteral("import cabrillo")}, 60)
                   .first == 0;
    };
    if (QFileInfo::exists(venvPython()) && probe()) return venvPython();
    const auto [venvCode, venvOut] =
        runProgram(QStringLiteral("python3"), {QStringLiteral("-m"), QStringLiteral("venv"), kVenv}, 120);
    if (venvCode != 0) {
        why = QStringLiteral("no Python virtual environment (python3 -m venv): ") + venvOut;
        return {};
    }
    const auto [pipCode, pipOut] = runProgram(
        kVenv + QStringLiteral("/bin/pip"),
        {QStringLiteral("install"), QStringLiteral("--quiet"), QStringLiteral("--retries"),
         QStringLiteral("1"), QStringLiteral("--timeout"), QStringLiteral("15"),
         QStringLiteral("cabrillo")},
        300);
    if (pipCode != 0 || !probe()) {
        why = QStringLiteral("the cabrillo package cannot be installed from the package index: ") +
              pipOut.right(300);
        return {};
    }
    return venvPython();
}

// Reads each file with the strict parser; prints "OK path" or "ERROR path: what".
const char kParse[] = R"(
import sys
from cabrillo.parser import parse_log_text
for path in sys.argv[1:]:
    with open(path, encoding="ascii", newline="") as f:
        text = f.read()
    try:
        log = parse_log_text(text, ignore_unknown_key=False, check_categories=True)
        print("OK", path, len(log.qso))
    except Exception as e:
        print("ERROR", path, type(e).__name__, e)
)";

class CabrilloCheck : public korvel::testing::ReviewFixture {};

TEST_F(CabrilloCheck, EveryContestsFileIsReadByAStrictParser) {
    QString why;
    const QString python = parserPython(why);
    if (python.isEmpty()) GTEST_SKIP() << why.toStdString();

    QStringList files;
    for (const scoring::Contest* c : scoring::contests()) {
        const ContestInfo& contest = c->info;
        s.ContestCode = contest.code;
        s.ContestName = QLatin1String(contest.contestName);
        s.DataDir = dir.filePath(QString::number(contest.code));
        ASSERT_TRUE(QDir().mkpath(s.DataDir));
        ASSERT_TRUE(dbs.log.deleteAll());
        log({{"DL1ABC", "28.11.26", "10:00", "20", "599 001", "599 014", "CW", "DL", "14", "1"},
             {"YO3ABC", "28.11.26", "10:05", "80", "59 002", "59 015", "SSB", "YO", "", "3"},
             {"JA1XYZABCDEFGH", "28.11.26", "11:59", "160", "599 003", "599 025", "CW", "", "", "3"},
             {"OE1ABC", "29.11.26", "00:01", "10", "599 004", "599 017", "CW"}});
        ReviewForm form(s, dbs, box);
        form.load();
        if (!form.ctl(QLatin1String(rc::mnucabrillo)).visible) continue;
        runScript(form, QStringLiteral("click mnucabrillo\n"
                                       "click TxtCA\nclick ListCbr:NON-ASSISTED\n"
                                       "click TxtCategBand\nclick ListCbr:ALL\n"
                                       "click TxtCategMode\nclick ListCbr:MIXED\n"
                                       "click TxtCategOp\nclick ListCbr:CHECKLOG\n"
                                       "click TxtPw\nclick ListCbr:LOW\n"
                                       "click TxtCategStat\nclick ListCbr:SCHOOL\n"
                                       "click TxtCategT\nclick ListCbr:24-HOURS\n"
                                       "click TxtTransm\nclick ListCbr:ONE\n"
                                       "click TxtOverl\nclick ListCbr:NOVICE-TECH\n"
                                       "click TxtContest\nclick ListCbr:CQ-WW-CW\n"
                                       "click TxtName\ntype ion popescu\n"
                                       "click TxtOperat\ntype yo9xx yo9yy\n"
                                       "click TxtDebug\ntype 1\n"
                                       "answer Yes\nanswer Yes\nclick CmdGata\n"));
        ASSERT_FALSE(form.lastExportPath().isEmpty()) << contest.code;
        const QByteArray text = readFile(form.lastExportPath());
        // The DEBUG line on its own: one header line, tag, blank, value.
        const qsizetype debug = text.indexOf("\r\nDEBUG: 1\r\nQSO: ");
        EXPECT_GT(debug, 0) << contest.code;
        EXPECT_EQ(text.count("DEBUG"), 1) << contest.code;
        QByteArray forParser = text;
        forParser.remove(debug, static_cast<qsizetype>(sizeof("\r\nDEBUG: 1") - 1));
        const QString path = dir.filePath(QStringLiteral("%1.CBR").arg(contest.code));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(forParser);
        files << path;
    }
    ASSERT_EQ(files.size(), 23); // every contest but the field day, which has no Cabrillo file
    const auto [code, output] =
        runProgram(python, QStringList{QStringLiteral("-c"), QLatin1String(kParse)} + files, 120);
    EXPECT_EQ(code, 0) << output.toStdString();
    EXPECT_EQ(output.count(QStringLiteral("OK ")), files.size()) << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("ERROR"))) << output.toStdString();
}

} // namespace
