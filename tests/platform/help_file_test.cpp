#include "platform/help_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

using namespace korvel;

namespace {

HelpFile parseText(QString text) {
    QTextStream in(&text);
    return HelpFile::parse(in);
}

// A data folder of the test's own; write() leaves a file in it and returns its path.
class HelpFolder : public ::testing::Test {
protected:
    QString write(const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QTemporaryDir dir;
};

} // namespace

TEST(HelpFile, TopicsTitlesAndText) {
    const HelpFile file = parseText(QStringLiteral("preamble line\n"
                                                   "@@ 400  Screen of the desk \r\n"
                                                   "\r\n"
                                                   "First line\r\n"
                                                   "second line\r\n"
                                                   "\r\n"
                                                   "@@ 500\n"
                                                   "@@ 600 Last\n"
                                                   "text\n"
                                                   "\n"));
    EXPECT_TRUE(file.problems().isEmpty());
    ASSERT_EQ(file.topics().size(), 3);
    const HelpTopic* desk = file.topic(400);
    ASSERT_NE(desk, nullptr);
    EXPECT_EQ(desk->title, QStringLiteral("Screen of the desk"));
    EXPECT_EQ(desk->text, QStringLiteral("First line\nsecond line"));
    ASSERT_NE(file.topic(500), nullptr);
    EXPECT_TRUE(file.topic(500)->title.isEmpty());
    EXPECT_TRUE(file.topic(500)->text.isEmpty());
    EXPECT_EQ(file.topic(600)->text, QStringLiteral("text"));
    EXPECT_EQ(file.topic(555), nullptr);
    EXPECT_EQ(file.topic(0), nullptr);
}

TEST(HelpFile, GarbledHeadersAreReportedAndTheRestStaysUsable) {
    const HelpFile file = parseText(QStringLiteral("@@ abc No number\n"
                                                   "lost text\n"
                                                   "@@ 100 Good\n"
                                                   "kept\n"
                                                   "@@ -5 Negative\n"
                                                   "@@ 100 Again\n"
                                                   "lost as well\n"
                                                   "@@200 Joined\n"
                                                   "also kept\n"));
    ASSERT_EQ(file.problems().size(), 3);
    EXPECT_TRUE(file.problems()[0].startsWith(QStringLiteral("line 1:")));
    EXPECT_TRUE(file.problems()[1].startsWith(QStringLiteral("line 5:")));
    EXPECT_TRUE(file.problems()[2].startsWith(QStringLiteral("line 6:")));
    ASSERT_EQ(file.topics().size(), 2);
    EXPECT_EQ(file.topic(100)->title, QStringLiteral("Good"));
    EXPECT_EQ(file.topic(100)->text, QStringLiteral("kept"));
    EXPECT_EQ(file.topic(200)->text, QStringLiteral("also kept"));
}

TEST_F(HelpFolder, BinaryJunkAndMissingFiles) {
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(char((i * 37 + 11) % 256));
    const QString junk = write("junk.hlp", bytes);
    EXPECT_TRUE(HelpFile::load(junk).topics().isEmpty());
    EXPECT_TRUE(
        helpPage(junk, 400).html.contains(QStringLiteral("No help topic 400 in junk.hlp.")));

    const QString none = dir.filePath(QStringLiteral("KorvelEngl.HLP"));
    EXPECT_EQ(HelpFile::load(none).problems().size(), 1);
    const HelpPage gone = helpPage(none, 400);
    EXPECT_FALSE(gone.found);
    EXPECT_TRUE(gone.html.contains(QStringLiteral("KorvelEngl.HLP is missing")));
}

TEST_F(HelpFolder, PageHtmlHasParagraphsListsAndEscapes) {
    const QString path = write("t.hlp", "@@ 7 Keys <&>\n"
                                        "one\ntwo\n\n"
                                        "- Space <next>\n- Tab goes\n  on\n"
                                        "after\n");
    const HelpPage page = helpPage(path, 7);
    EXPECT_TRUE(page.found);
    EXPECT_EQ(page.title, QStringLiteral("Keys <&>"));
    EXPECT_EQ(page.html,
              QStringLiteral("<h2>Keys &lt;&amp;&gt;</h2>\n"
                             "<p>one two</p>\n"
                             "<ul>\n<li>Space &lt;next&gt;</li>\n<li>Tab goes on</li>\n</ul>\n"
                             "<p>after</p>\n"));
    EXPECT_FALSE(helpPage(path, 555).found);
    EXPECT_TRUE(helpPage(path, 555).html.contains(QStringLiteral("No help topic 555 in t.hlp.")));
}

TEST_F(HelpFolder, PathFoundInTheDataFolderRegardlessOfCaseElseBuiltIn) {
    EXPECT_EQ(helpFilePath(dir.path(), HelpLanguage::Romanian),
              QStringLiteral(":/help/KorvelCONTEST.HLP"));
    EXPECT_TRUE(helpFilePath(dir.path(), HelpLanguage::None).isEmpty());

    // The setup screen registers "KorvelContest.HLP"; the menus ask for "KorvelCONTEST.HLP".
    const QString ro = write("KorvelContest.hlp", "@@ 100 Local\nown text\n");
    const QString en = write("korvelengl.hlp", "@@ 100 Local English\n");
    EXPECT_EQ(helpFilePath(dir.path(), HelpLanguage::Romanian), ro);
    EXPECT_EQ(HelpFile::load(ro).topic(100)->text, QStringLiteral("own text"));
    EXPECT_EQ(helpFilePath(dir.path(), HelpLanguage::English), en);
    // A folder of that name is not a help file.
    QTemporaryDir other;
    ASSERT_TRUE(QDir(other.path()).mkdir(QStringLiteral("KORVELENGL.HLP")));
    EXPECT_EQ(helpFilePath(other.path(), HelpLanguage::English),
              QStringLiteral(":/help/KorvelEngl.HLP"));
}

TEST(HelpMenus, EveryEntryOpensATopicOfTheShippedFiles) {
    for (const HelpLanguage language : {HelpLanguage::Romanian, HelpLanguage::English}) {
        const QString path = helpFilePath(QString(), language);
        const HelpFile file = HelpFile::load(path);
        EXPECT_TRUE(file.problems().isEmpty()) << file.problems().join(u'\n').toStdString();
        for (const HelpMenuEntry& entry : helpMenuEntries()) {
            const int context = helpContext(entry, language);
            const bool shown = language == HelpLanguage::Romanian || *entry.englishCaption != '\0';
            EXPECT_EQ(context != 0, shown) << entry.menu;
            if (!context) continue;
            const HelpTopic* topic = file.topic(context);
            ASSERT_NE(topic, nullptr) << path.toStdString() << " " << context;
            EXPECT_FALSE(topic->title.isEmpty()) << context;
            EXPECT_GT(topic->text.size(), 100) << context;
            EXPECT_TRUE(helpPage(path, context).found);
        }
    }
    for (const HelpMenuEntry& entry : helpMenuEntries())
        EXPECT_EQ(helpContext(entry, HelpLanguage::None), 0);
}
