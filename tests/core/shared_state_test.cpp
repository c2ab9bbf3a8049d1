#include "core/paths.h"
#include "core/shared_state.h"
#include "platform/files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvel;

TEST(Paths, DataDirFromProgramDir) {
    EXPECT_EQ(deriveDataDir(QStringLiteral("D:[DISK1]\\CONTEST")), QStringLiteral("D:\\CONTEST"));
    EXPECT_EQ(deriveDataDir(QStringLiteral("C:[A]x[B]\\LOG")), QStringLiteral("C:\\LOG"));
    EXPECT_EQ(deriveDataDir(QStringLiteral("/home/op/.local/share/korvel")),
              QStringLiteral("/home/op/.local/share/korvel"));
    EXPECT_EQ(deriveDataDir(QString()), QString());
    // A folder of this system with a "]": what follows it is the data folder when absolute,
    // else a folder below the program folder; it never climbs out of the program folder.
    const std::pair<const char*, const char*> posix[] = {
        {"/tmp/a]b", "/tmp/a]b/b"},
        {"/tmp/[DISK1]/srv/contest", "/srv/contest"},
        {"/tmp/x]", "/tmp/x]"},
        {"/tmp/x]\\CONTEST", "/tmp/x]\\CONTEST/CONTEST"},
        {"/tmp/x]..\\..\\etc", "/tmp/x]..\\..\\etc"},
    };
    for (const auto& [app, data] : posix)
        EXPECT_EQ(deriveDataDir(QLatin1String(app)), QLatin1String(data)) << app;
}

TEST(Paths, BandText) {
    for (int band : kBands)
        EXPECT_EQ(bandToText(band, QStringLiteral("x")), QString::number(band));
    EXPECT_EQ(bandToText(30, QStringLiteral("20")), QStringLiteral("20"));
    EXPECT_EQ(bandToText(0, QString()), QString());
}

TEST(Paths, FolderNamesMatchWhateverTheLetterCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Log")));
    EXPECT_EQ(childPath(dir.path(), QStringLiteral("\\LOG")), dir.filePath(QStringLiteral("Log")));
    EXPECT_EQ(childPath(dir.path(), QStringLiteral("ARHIVA")),
              dir.filePath(QStringLiteral("ARHIVA")));
    EXPECT_TRUE(makeFolder(dir.filePath(QStringLiteral("a/b/c"))).isEmpty());
    EXPECT_FALSE(makeFolder(QStringLiteral("/proc/no-such-place/korvel")).isEmpty());
}

TEST(SharedStateFields, SetAndReadByName) {
    SharedState s;
    EXPECT_TRUE(setField(s, QStringLiteral("ContestCode"), QStringLiteral("201")));
    EXPECT_EQ(s.ContestCode, 201);
    EXPECT_TRUE(setField(s, QStringLiteral("MyCall"), QStringLiteral("YO9XX")));
    EXPECT_EQ(s.MyCall, QStringLiteral("YO9XX"));
    EXPECT_TRUE(setField(s, QStringLiteral("CwTextF11"), QStringLiteral("TU")));
    EXPECT_EQ(s.cwText(11), QStringLiteral("TU"));
    EXPECT_TRUE(setField(s, QStringLiteral("TimeOffset"), QStringLiteral("-1")));
    EXPECT_EQ(s.TimeOffset.toDouble(), -1.0);
    EXPECT_FALSE(setField(s, QStringLiteral("Band"), QStringLiteral("twenty")));
    EXPECT_FALSE(setField(s, QStringLiteral("NoSuchField"), QStringLiteral("1")));
    EXPECT_EQ(fieldText(s, QStringLiteral("ContestCode")), QStringLiteral("201"));
    EXPECT_FALSE(fieldText(s, QStringLiteral("NoSuchField")).has_value());
}

// A flag takes the numbers of its values only, and reads back as its number; a refused
// number leaves the flag as it was.
TEST(SharedStateFields, FlagsTakeAndShowTheirNumbers) {
    SharedState s;
    const struct {
        const char* value;
        bool taken;
        const char* shown;
    } cases[] = {{"100", true, "100"},   {"10", true, "10"},  {"0", true, "0"},
                 {" 100 ", true, "100"}, {"1", false, "100"}, {"200", false, "100"},
                 {"yes", false, "100"},  {"", false, "100"}};
    for (const auto& c : cases) {
        s.SetupDone = Flag::On;
        EXPECT_EQ(setField(s, QStringLiteral("SetupDone"), QLatin1String(c.value)), c.taken)
            << c.value;
        EXPECT_EQ(fieldText(s, QStringLiteral("SetupDone")), QLatin1String(c.shown)) << c.value;
    }
}
