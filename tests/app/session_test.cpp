#include "app/session.h"

#include "core/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvel;

TEST(Session, FirstStartCreatesTheDatabasesAndAnEmptyStation) {
    QTemporaryDir dir;
    Session s;
    const StartReport r = startSession(s, dir.filePath(QStringLiteral("new/folder")));
    ASSERT_TRUE(r.ok()) << r.databaseError.toStdString();
    EXPECT_EQ(s.state.AppDir, dir.filePath(QStringLiteral("new/folder")));
    EXPECT_EQ(s.state.DataDir, s.state.AppDir);
    EXPECT_TRUE(s.state.MyCall.isEmpty());
    EXPECT_TRUE(s.dbs.ref.isOpen());
    EXPECT_TRUE(s.dbs.log.isOpen());
    EXPECT_GT(s.dbs.ref.countryCount(), 10000);
    // No settings file is written before a contest is started.
    EXPECT_FALSE(QFile::exists(initFilePath(s.state)));
}

TEST(Session, AProgramFolderWithABracketCreatesNothingOutsideItsFolders) {
    QTemporaryDir dir;
    for (const char* name : {"prog]data", "op]\\LOG", "[DISK1]"}) {
        const QStringList before = QDir(QStringLiteral("/")).entryList(QDir::AllEntries);
        Session s;
        const QString app = dir.filePath(QLatin1String(name));
        const StartReport r = startSession(s, app);
        ASSERT_TRUE(r.ok()) << name << ": " << r.databaseError.toStdString();
        EXPECT_TRUE(s.state.DataDir == s.state.AppDir ||
                    s.state.DataDir.startsWith(s.state.AppDir + QLatin1Char('/')))
            << s.state.DataDir.toStdString();
        EXPECT_EQ(QDir(QStringLiteral("/")).entryList(QDir::AllEntries), before) << name;
    }
    // Only the program folders themselves appear beside each other.
    QStringList made = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    made.sort();
    EXPECT_EQ(made, (QStringList{QStringLiteral("[DISK1]"), QStringLiteral("op]\\LOG"),
                                 QStringLiteral("prog]data")}));
}

TEST(Session, SettingsFilesAreReadAtStart) {
    QTemporaryDir dir;
    {
        SharedState st;
        st.MyCall = QStringLiteral("YO9XX");
        st.LookupCnt = QStringLiteral("Eu");
        st.CwTextF1 = QStringLiteral("CQ TEST #1");
        st.ComPort = 3;
        st.AppDir = dir.path();
        ASSERT_TRUE(writeInitFile(st, initFilePath(st)).ok);
        ASSERT_TRUE(writeCwTextFile(st, cwTextFilePath(st)).ok);
    }
    Session s;
    ASSERT_TRUE(startSession(s, dir.path()).ok());
    EXPECT_EQ(s.state.MyCall, QStringLiteral("YO9XX"));
    EXPECT_EQ(s.state.MyCont, QStringLiteral("Eu"));
    EXPECT_EQ(s.state.CwTextF1, QStringLiteral("CQ TEST #1"));
    EXPECT_EQ(s.state.ComPort, 3);
}

// A log that is no database stops the start with its name; the file stays as it was.
TEST(Session, ADamagedLogStopsTheStart) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("LogKorvel")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(2048, '\x01'));
    f.close();
    Session s;
    const StartReport r = startSession(s, dir.path());
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.databaseError.contains(f.fileName()));
    EXPECT_EQ(r.stopError, r.databaseError);
    EXPECT_EQ(QFileInfo(f.fileName()).size(), 2048);
}

// What was wrong at start is said: a rebuilt reference database once, for the operator; an
// unreadable settings file with its reason; a folder that cannot be made, by its name.
TEST(Session, BadFilesAtStartAreNamed) {
    QTemporaryDir dir;
    {
        QFile empty(dir.filePath(QStringLiteral("DbsKorvel.mdb")));
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir().mkdir(dir.filePath(QStringLiteral("KorvelInit.dat"))));
    Session s;
    const StartReport r = startSession(s, dir.path());
    ASSERT_TRUE(r.ok()) << r.databaseError.toStdString();
    ASSERT_EQ(r.notices.size(), 1);
    EXPECT_TRUE(r.notices[0].contains(QStringLiteral("DbsKorvel.mdb")));
    EXPECT_GT(s.dbs.ref.countryCount(), 10000);
    EXPECT_TRUE(r.warnings.filter(QStringLiteral("KorvelInit.dat")).size() == 1)
        << r.warnings.join('\n').toStdString();
    EXPECT_TRUE(r.stopError.isEmpty());

    Session again;
    EXPECT_TRUE(startSession(again, dir.path()).notices.isEmpty());

    // A file where a folder of the path should be.
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    Session third;
    const StartReport bad = startSession(third, dir.filePath(QStringLiteral("file/sub")));
    EXPECT_FALSE(bad.ok());
    EXPECT_TRUE(bad.folderError.contains(dir.filePath(QStringLiteral("file/sub"))));
}
