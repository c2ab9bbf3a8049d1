// The archive panel: the name rules, the ADIF and text archives it saves, the delete with its
// question, and the names that would reach outside the archive folder.
#include "tests/support/review_screen.h"

#include <QDir>
#include <QFileInfo>

using namespace korvel;

namespace {

namespace msg = forms::msg;

class Archive : public korvel::testing::ReviewScreen {
protected:
    ReviewForm& open() {
        ReviewScreen::open();
        click(rc::mnuArhiva);
        box.clear(); // the folder created on the first opening is said once
        return *form;
    }
    QString name() { return text(rc::TxtNameDat); }
    QString archive(const char* file) {
        return review::exportFolder(s.DataDir, review::kArchiveFolder) + QLatin1Char('/') +
               QLatin1String(file);
    }
    QStringList listed() { return ctl(rc::FilList).items; }
    void twoQsos() {
        log({{"DL1ABC", "25.03.05", "10:00", "20", "599 001", "599 BU", "CW", "DL", "", "3"},
             {"YO3ABC", "25.03.05", "10:01", "80", "59 001", "59 012", "SSB", "", "", "1"}});
    }
};

TEST_F(Archive, TypedExtensionIsTakenOffAndSetsTheKind) {
    const struct {
        const char* typed;
        const char* stored;
        int kind;
    } cases[] = {
        {"mylog.adi", "MYLOG", 60}, // letters upper-cased as typed, then ".ADI" taken off
        {"log1.txt", "LOG1", 50},
        {"LOG.CBR", "LOG.CBR", 0}, // any other extension stays part of the name
        {"A.TX", "A.TX", 0},
    };
    for (const auto& c : cases) {
        ReviewForm& f = open();
        runScript(f, QStringLiteral("type ") + QLatin1String(c.typed));
        EXPECT_EQ(name(), QLatin1String(c.stored)) << c.typed;
        EXPECT_EQ(f.archiveName(), QLatin1String(c.stored)) << c.typed;
        EXPECT_EQ(f.typedKind(), c.kind) << c.typed;
    }
}

// The files of a CQ-WW log, the ADIF one and the text one with the gap before the points,
// are compared byte for byte by the replayed session archive_adif_cqww, with the folder said
// once, the focus on the name, and the panel closed and the name emptied after a save.
TEST_F(Archive, SavesAdifAndTextUnderTheTypedName) {
    s.ContestCode = 100;
    s.StartDateFmt = QStringLiteral("25.03.05");
    twoQsos();
    open();
    run("type MYLOG.ADI\nclick CmdArhivADI\n");
    const QByteArray adif = readFile(archive("MYLOG.adi"));
    EXPECT_TRUE(adif.startsWith(" LOG MYLOG ADIF export <EOH> \r\n"));
    EXPECT_EQ(adif.count("<COMMENT:22>YO DX CONTEST 25.03.05<EOR>\r\n"), 2);
    EXPECT_EQ(listed(), QStringList{QStringLiteral("MYLOG.adi")});

    // The text archive: the band always, YO-DX-HF without the gap before the points.
    open();
    run("type MYLOG\nclick CmdMem\n");
    EXPECT_EQ(readFile(archive("MYLOG.txt")).toStdString(),
              "YO9XX  \r\n"
              "\r\n"
              "DATA        UTC   Mod Bnd CALLSIGN  SENT        RCVD          MLT  PCT\r\n"
              "25.03.05    10:00 CW  20  DL1ABC      599 001     599 BU      DL   3       \r\n"
              "25.03.05    10:01 SSB 80  YO3ABC      59 001      59 012           1       \r\n");
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("MYLOG.adi"), QStringLiteral("MYLOG.txt")}));
}

TEST_F(Archive, EmptyOrEscapingNamesSaveAndDeleteNothing) {
    twoQsos();
    ReviewForm& f = open();
    run("click CmdArhivADI\n");
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_EQ(prompts()[0], QLatin1String(review_text::kNameMissing));
    EXPECT_EQ(box.shown().back().style, msg::kOkOnly);
    EXPECT_EQ(focus(), QLatin1String(rc::TxtNameDat));
    for (const char* bad : {"../OUT.ADI", "SUB/LOG", "..\\\\LOG.TXT", "/tmp/X"}) {
        box.clear();
        ctl(rc::TxtNameDat).text.clear();
        runScript(f, QStringLiteral("type ") + QLatin1String(bad) +
                         QStringLiteral("\nclick CmdArhivADI\nclick CmdMem\nclick CmdSterg\n"));
        ASSERT_EQ(prompts().size(), 3) << bad;
        EXPECT_TRUE(prompts()[0].contains(QLatin1String("is not a file name of the archive")));
    }
    // Nothing was written anywhere in the data folder but the folder itself.
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("OUT.adi"))));
    EXPECT_TRUE(QDir(review::exportFolder(s.DataDir, review::kArchiveFolder)).isEmpty());
    EXPECT_TRUE(visible(rc::FraArh));
    EXPECT_EQ(f.outputTarget(), ReviewForm::OutputTarget::ArchiveFolder);
    click(rc::mnuLogAnzeigen); // another panel hides it
    EXPECT_FALSE(visible(rc::FraArh));
}

// The ADIF file deleted after its question, and a second delete finding it gone, are in the
// replayed session archive_adif_cqww.
TEST_F(Archive, DeleteGoesByTheKindOfTheNameAndAsksFirst) {
    twoQsos();
    open();
    run("type KEEP\nclick CmdMem\n");
    ASSERT_TRUE(QFileInfo::exists(archive("KEEP.txt")));

    // Right after opening, a name without extension: the question, then nothing deleted.
    ReviewForm& f = open();
    run("type KEEP\nanswer Yes\nclick CmdSterg\n");
    ASSERT_FALSE(box.shown().empty());
    EXPECT_EQ(box.shown().front().style, msg::kYesNo | msg::kQuestion | msg::kDefault2);
    EXPECT_TRUE(QFileInfo::exists(archive("KEEP.txt")));
    EXPECT_TRUE(name().isEmpty());

    // A click in the file list takes the name and its kind; No keeps the file, Yes deletes it.
    run("click FilList:KEEP.txt\n");
    EXPECT_EQ(name(), QStringLiteral("KEEP"));
    EXPECT_EQ(f.typedKind(), 50);
    run("answer No\nclick CmdSterg\n");
    EXPECT_TRUE(QFileInfo::exists(archive("KEEP.txt")));
    run("answer Yes\nclick CmdSterg\n");
    EXPECT_FALSE(QFileInfo::exists(archive("KEEP.txt")));
    EXPECT_TRUE(listed().isEmpty());
}

TEST_F(Archive, UnwritableFileIsReportedWithItsPath) {
    twoQsos();
    open();
    // A folder where the file would be.
    ASSERT_TRUE(QDir().mkpath(archive("BUSY.adi")));
    run("type BUSY\nclick CmdArhivADI\n");
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_TRUE(prompts()[0].startsWith(QLatin1String(review_text::kNotSaved)));
    EXPECT_TRUE(prompts()[0].contains(archive("BUSY.adi")));
    EXPECT_TRUE(visible(rc::FraArh)); // the name stays to try again
    EXPECT_EQ(name(), QStringLiteral("BUSY"));
}

} // namespace
