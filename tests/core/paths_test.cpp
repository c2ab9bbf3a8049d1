#include "core/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvel;

TEST(CreateFolder, OnlyAFolderMadeNowCountsAsCreated) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("taken")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("there")));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("nowhere/x")),
                            dir.filePath(QStringLiteral("dangling"))));

    const struct {
        const char* name;
        FolderOutcome expected;
    } cases[] = {
        {"WAVDx", FolderOutcome::Created},
        {"new/with/parents", FolderOutcome::Created},
        {"there", FolderOutcome::AlreadyThere},
        {"taken", FolderOutcome::Failed},       // a file of that name
        {"taken/below", FolderOutcome::Failed}, // a file in the way of a parent
        {"dangling", FolderOutcome::Failed},    // a link to nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QLatin1String(c.name));
        EXPECT_EQ(createFolder(path), c.expected);
        EXPECT_EQ(QFileInfo(path).isDir(), c.expected != FolderOutcome::Failed);
        // Asked again, a folder that is there is never announced as new.
        if (c.expected != FolderOutcome::Failed) {
            EXPECT_EQ(createFolder(path), FolderOutcome::AlreadyThere);
        }
    }
}

TEST(CreateFolder, AFolderTheSystemRefusesIsAFailure) {
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    if (QDir(locked).mkdir(QStringLiteral("probe")))
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_EQ(createFolder(locked + QStringLiteral("/WAVDx")), FolderOutcome::Failed);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
