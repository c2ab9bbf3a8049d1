// Sessions replayed through the real program from its start on the setup screen: every
// NAME.script in the scripts folder runs with `korvel replay` on a fresh data folder and its
// output must equal NAME.expected (tools/setup-expected.sh writes them; each was checked by
// hand against the rules of the setup screen). One session also leaves its files to be
// looked at.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDir& scriptDir() {
    static const QDir dir(QStringLiteral(KORVEL_SETUP_SCRIPTS));
    return dir;
}

struct ReplayRun {
    int code = -1;
    QString out;
    QString err;
};

ReplayRun replay(const QString& dataDir, const QString& script) {
    QProcess p;
    p.start(QStringLiteral(KORVEL_BINARY),
            {QStringLiteral("replay"), QStringLiteral("--dir"), dataDir, script});
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

std::vector<QString> scripts() {
    std::vector<QString> names;
    for (QString n : scriptDir().entryList({QStringLiteral("*.script")}, QDir::Files, QDir::Name)) {
        n.chop(7);
        names.push_back(n);
    }
    return names;
}

class SetupScript : public ::testing::TestWithParam<QString> {};

TEST_P(SetupScript, ReplayMatchesExpected) {
    QFile expected(scriptDir().filePath(GetParam() + QStringLiteral(".expected")));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly))
        << "missing " << expected.fileName().toStdString();
    QTemporaryDir data;
    const ReplayRun r =
        replay(data.path(), scriptDir().filePath(GetParam() + QStringLiteral(".script")));
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    // The data folder differs from run to run: the expected output names it $DATA.
    QString got = r.out;
    got.replace(data.path(), QStringLiteral("$DATA"));
    const QString want = QString::fromUtf8(expected.readAll());
    if (got != want) {
        const QStringList g = got.split(QLatin1Char('\n')), w = want.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < std::max(g.size(), w.size()); ++i) {
            const QString gl = i < g.size() ? g[i] : QStringLiteral("<none>");
            const QString wl = i < w.size() ? w[i] : QStringLiteral("<none>");
            if (gl != wl) {
                ADD_FAILURE() << "line " << i + 1 << "\n  expected: " << wl.toStdString()
                              << "\n  got:      " << gl.toStdString();
                break;
            }
        }
    }
}

std::string testName(const ::testing::TestParamInfo<QString>& info) {
    std::string s = info.param.toStdString();
    for (char& ch : s)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return s;
}

INSTANTIATE_TEST_SUITE_P(Sessions, SetupScript, ::testing::ValuesIn(scripts()), testName);

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
    QFile garbage(data.filePath(QStringLiteral("DbsKorvel.mdb")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();
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
