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

// Fields set and read by name: numbers, texts and flags take what fits and read back as
// stored; a flag takes the numbers of its values only; a refused value leaves the field as
// it was, and an unknown name is refused.
TEST(SharedStateFields, SetAndReadByName) {
    const struct {
        const char* field;
        const char* value;
        bool taken;
        const char* shown; // nullptr: no such field
    } cases[] = {
        {"ContestCode", "201", true, "201"},  {"MyCall", "YO9XX", true, "YO9XX"},
        {"TimeOffset", "-1", true, "-1"},     {"Band", "twenty", false, "0"},
        {"NoSuchField", "1", false, nullptr}, {"SetupDone", "100", true, "100"},
        {"SetupDone", "10", true, "10"},      {"SetupDone", "0", true, "0"},
        {"SetupDone", " 100 ", true, "100"},  {"SetupDone", "1", false, "100"},
        {"SetupDone", "200", false, "100"},   {"SetupDone", "yes", false, "100"},
        {"SetupDone", "", false, "100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.value);
        SharedState s;
        s.SetupDone = Flag::On;
        EXPECT_EQ(setField(s, QLatin1String(c.field), QLatin1String(c.value)), c.taken);
        const std::optional<QString> shown = fieldText(s, QLatin1String(c.field));
        EXPECT_EQ(shown.has_value(), c.shown != nullptr);
        if (c.shown) {
            EXPECT_EQ(*shown, QLatin1String(c.shown));
        }
    }
    SharedState s;
    EXPECT_TRUE(setField(s, QStringLiteral("CwTextF11"), QStringLiteral("TU")));
    EXPECT_EQ(s.cwText(11), QStringLiteral("TU"));
}
