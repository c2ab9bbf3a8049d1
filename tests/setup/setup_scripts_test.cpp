// Sessions replayed through the real program from its start on the setup screen: every
// NAME.script in the scripts folder runs with `korvel replay` on a fresh data folder and its
// output must equal NAME.expected (tools/setup-expected.sh writes them; each was checked by
// hand against the rules of the setup screen). One session also leaves its files to be
// looked at.
#include "tests/support/replay_script.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace korvel::testing;

const QDir& scriptDir() {
    static const QDir dir(QStringLiteral(KORVEL_SETUP_SCRIPTS));
    return dir;
}

class SetupScript : public ::testing::TestWithParam<QString> {};

TEST_P(SetupScript, ReplayMatchesExpected) {
    expectReplayMatches(scriptDir(), GetParam(), {.dataAsPlaceholder = true});
}

INSTANTIATE_TEST_SUITE_P(Sessions, SetupScript, ::testing::ValuesIn(scriptNames(scriptDir())),
                         scriptTestName);

int lines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return static_cast<int>(f.readAll().count("\r\n"));
}

// From program start with no settings files to a CQ-WW log and back: the files the program
// leaves are those of a started contest, and the log holds every QSO.
TEST(SetupSession, WholeCqWwSessionLeavesBothFilesAndTheLog) {
    QTemporaryDir data;
    const ReplayRun r =
        replay(data.path(), scriptDir().filePath(QStringLiteral("e2e_cqww.script")));
    EXPECT_TRUE(r.finished);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(lines(data.filePath(QStringLiteral("KorvelInit.dat"))), 19);
    EXPECT_EQ(lines(data.filePath(QStringLiteral("KorvelTextCw.dat"))), 12);
    EXPECT_EQ(r.out.count(QStringLiteral("\n\"")), 3) << r.out.toStdString(); // dump rows
    QFile init(data.filePath(QStringLiteral("KorvelInit.dat")));
    ASSERT_TRUE(init.open(QIODevice::ReadOnly));
    EXPECT_TRUE(init.readLine().startsWith("\"YO9XX\"\r\n"));
}

// AUTO ends the program at once, with a failure status, when a database cannot be opened.
TEST(SetupSession, AutoEndsWithoutAskingWhenTheDatabaseIsUnusable) {
    QTemporaryDir data;
    // A folder where the reference database should be: it cannot be opened (a damaged file
    // would be built again).
    ASSERT_TRUE(QDir().mkdir(data.filePath(QStringLiteral("DbsKorvel.mdb"))));
    for (const char* word : {"AUTO", "auto"}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KORVEL_BINARY),
                {QStringLiteral("--dir"), data.path(), QLatin1String(word)});
        ASSERT_TRUE(p.waitForFinished(30000)) << word;
        EXPECT_NE(p.exitCode(), 0) << word;
        EXPECT_TRUE(
            QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("DbsKorvel")))
            << word;
    }
}

} // namespace
