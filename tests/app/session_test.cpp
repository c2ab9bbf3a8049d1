#include "app/session.h"

#include "core/settings_file.h"

#include <QFile>
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

TEST(Session, AnUnreadableLogIsReportedNotFatal) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("LogKorvel")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(2048, '\x01'));
    f.close();
    Session s;
    const StartReport r = startSession(s, dir.path());
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.databaseError.contains(QStringLiteral("LogKorvel")));
    EXPECT_TRUE(s.dbs.ref.isOpen()); // the other database still opens
}
