// The replay command as a user (or a bug report) runs it: the real program, a script file,
// standard output and the exit code.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ReplayRun {
    int code = -1;
    QString out;
    QString err;
};

ReplayRun replay(const QString& dataDir, const QByteArray& script) {
    QTemporaryDir scripts;
    const QString path = scripts.filePath(QStringLiteral("script.txt"));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(script);
    f.close();
    QProcess p;
    p.start(QStringLiteral(KORVEL_BINARY),
            {QStringLiteral("replay"), QStringLiteral("--dir"), dataDir, path});
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(Replay, ExitConfirmationAnsweredFromTheScript) {
    QTemporaryDir data;
    const ReplayRun r = replay(data.path(), "# EXIT, first refused, then confirmed\n"
                                            "set MyCall YO9XX\n"
                                            "answer No\n"
                                            "click mnuBeenden\n"
                                            "get MsgResult\n"
                                            "show mnuBeenden\n"
                                            "answer Yes\n"
                                            "click mnuBeenden\n"
                                            "get MsgResult\n");
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("message \"DO YOU WANT TO EXIT PROGRAMM ?\" title \"EXIT  ?\"\n"
                                    "MsgResult \"7\"\n"
                                    "mnuBeenden \"E&XIT\" visible=1 enabled=1 back=C0C0C0\n"
                                    "message \"DO YOU WANT TO EXIT PROGRAMM ?\" title \"EXIT  ?\"\n"
                                    "MsgResult \"6\"\n"));
    EXPECT_TRUE(QFile::exists(data.filePath(QStringLiteral("DbsKorvel.mdb"))));
    EXPECT_TRUE(QFile::exists(data.filePath(QStringLiteral("LogKorvel"))));
}

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
    // the desk and nothing is printed for it.
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
}
