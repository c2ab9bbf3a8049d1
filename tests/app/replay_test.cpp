// The replay command as a user (or a bug report) runs it: the real program, a script file,
// standard output and the exit code.
#include "app/replay.h"
#include "tests/support/replay_script.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

using korvel::testing::ReplayRun;

namespace {

ReplayRun replay(const QString& dataDir, const QByteArray& script) {
    QTemporaryDir scripts;
    QFile f(scripts.filePath(QStringLiteral("script.txt")));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(script);
    f.close();
    const ReplayRun r = korvel::testing::replay(dataDir, f.fileName());
    EXPECT_TRUE(r.finished);
    return r;
}

} // namespace

TEST(Replay, ScriptErrorsNameTheLineAndExitWithTwo) {
    QTemporaryDir data;
    ReplayRun r = replay(data.path(), "set MyCall YO9XX\nclick NoSuchControl\n");
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("line 2"))) << r.err.toStdString();
    r = replay(data.path(), "set Band twenty\n");
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("line 1")));
    // After EXIT no screen is left to take keys.
    r = replay(data.path(), "answer Yes\nclick mnuBeenden\ntype DL1ABC\n");
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("line 3")));
}

TEST(Replay, UnusableDataFolderEndsWithOne) {
    const ReplayRun r = replay(QStringLiteral("/proc/korvel-no-such-folder"), "show mnuBeenden\n");
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("korvel-no-such-folder")));
}

TEST(Replay, VoiceMessagesArePrintedAsTheyPlay) {
    // SSB with the voice keyer: F1 and F3 play their files, one that is missing is said on
    // the desk and nothing is printed for it. The databases are made in the folder given.
    QTemporaryDir data;
    ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("WAVDx")));
    for (const char* name : {"WAVDx/F1.wav", "WAVDx/F3.wav"}) {
        QFile f(data.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const ReplayRun r = replay(data.path(), "set ContestCode 201\n"
                                            "set MyCall YO9XX\n"
                                            "set SoundCard 100\n"
                                            "set SsbByPc 100\n"
                                            "band 20\n"
                                            "mode SSB\n"
                                            "key F1\n"
                                            "type dl1abc\n"
                                            "key F2\n"
                                            "key F3\n");
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("voice F1\nvoice F3\n")) << r.out.toStdString();
    for (const char* name : {"DbsKorvel.mdb", "LogKorvel"})
        EXPECT_TRUE(QFile::exists(data.filePath(QLatin1String(name)))) << name;
}

namespace {

// Records every write that reaches it, as standard output would receive them.
class WriteLog : public QIODevice {
public:
    WriteLog() { open(QIODevice::WriteOnly); }
    QList<QByteArray> writes;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        writes << QByteArray(data, size);
        return size;
    }
};

} // namespace

// Each command's lines reach the output before the next command runs, so a replay that is
// killed keeps what it printed; a script error still names its line.
TEST(ReplayOutput, EveryCommandIsWrittenOutBeforeTheNext) {
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("s.script"));
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("set MyCall YO9XX\nget MyCall\n# a comment\nset MyPrfx YO\nget MyPrfx\n"
                "get MyCall\nnonsense here\nget MyPrfx\n");
    }
    WriteLog log;
    QTextStream out(&log);
    QString errors;
    QTextStream err(&errors);
    EXPECT_EQ(korvel::runReplay(dir.filePath(QStringLiteral("data")), script, out, err), 2);
    QList<QByteArray> lines;
    for (const QByteArray& w : log.writes)
        if (!w.isEmpty()) lines << w;
    EXPECT_EQ(lines,
              (QList<QByteArray>{"MyCall \"YO9XX\"\n", "MyPrfx \"YO\"\n", "MyCall \"YO9XX\"\n"}));
    EXPECT_TRUE(errors.contains(QStringLiteral("line 7: "))) << errors.toStdString();
}
