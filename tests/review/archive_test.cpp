// The archive panel: the name rules, the ADIF and text archives it saves, the delete with its
// question, and the names that would reach outside the archive folder.
#include "review/log_folders.h"
#include "review/review_controls.h"
#include "review/review_form.h"
#include "tests/review/review_fixture.h"

#include <QDir>
#include <QFileInfo>

using namespace korvel;

namespace {

namespace msg = forms::msg;

class Archive : public korvel::testing::ReviewFixture {
protected:
    ReviewForm& open() {
        form = std::make_unique<ReviewForm>(s, dbs, box);
        form->load();
        form->click(QLatin1String(rc::mnuArhiva));
        box.clear(); // the folder created on the first opening is said once
        return *form;
    }
    QString name() { return form->ctl(QLatin1String(rc::TxtNameDat)).text; }
    QString archive(const char* file) {
        return review::exportFolder(s.DataDir, review::kArchiveFolder) + QLatin1Char('/') +
               QLatin1String(file);
    }
    QStringList listed() { return form->ctl(QLatin1String(rc::FilList)).items; }
    void twoQsos() {
        log({{"DL1ABC", "25.03.05", "10:00", "20", "599 001", "599 BU", "CW", "DL", "", "3"},
             {"YO3ABC", "25.03.05", "10:01", "80", "59 001", "59 012", "SSB", "", "", "1"}});
    }
    std::unique_ptr<ReviewForm> form;
};

TEST_F(Archive, OpeningShowsThePanelAndCreatesTheFolder) {
    ReviewForm& f = open();
    EXPECT_TRUE(f.ctl(QLatin1String(rc::FraArh)).visible);
    EXPECT_EQ(f.focus(), QLatin1String(rc::TxtNameDat));
    EXPECT_TRUE(QFileInfo(review::exportFolder(s.DataDir, review::kArchiveFolder)).isDir());
    EXPECT_EQ(f.outputTarget(), ReviewForm::OutputTarget::ArchiveFolder);
    f.click(QLatin1String(rc::mnuLogAnzeigen)); // another panel hides it
    EXPECT_FALSE(f.ctl(QLatin1String(rc::FraArh)).visible);
}

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
// are compared byte for byte by the replayed session archive_adif_cqww.
TEST_F(Archive, SavesAdifAndTextUnderTheTypedName) {
    s.ContestCode = 100;
    s.StartDateFmt = QStringLiteral("25.03.05");
    twoQsos();
    ReviewForm& f = open();
    runScript(f, QStringLiteral("type MYLOG.ADI\nclick CmdArhivADI\n"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    const QByteArray adif = readFile(archive("MYLOG.adi"));
    EXPECT_TRUE(adif.startsWith(" LOG MYLOG ADIF export <EOH> \r\n"));
    EXPECT_EQ(adif.count("<COMMENT:22>YO DX CONTEST 25.03.05<EOR>\r\n"), 2);
    EXPECT_EQ(f.archiveKind(), 60);
    EXPECT_FALSE(f.ctl(QLatin1String(rc::FraArh)).visible);
    EXPECT_TRUE(name().isEmpty());
    EXPECT_EQ(listed(), QStringList{QStringLiteral("MYLOG.adi")});

    // The text archive: the band always, YO-DX-HF without the gap before the points.
    runScript(open(), QStringLiteral("type MYLOG\nclick CmdMem\n"));
    EXPECT_EQ(form->archiveKind(), 50);
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
    runScript(f, QStringLiteral("click CmdArhivADI\n"));
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_EQ(prompts()[0], QLatin1String(review_text::kNameMissing));
    EXPECT_EQ(box.shown().back().style, msg::kOkOnly);
    EXPECT_EQ(f.focus(), QLatin1String(rc::TxtNameDat));
    for (const char* bad : {"../OUT.ADI", "SUB/LOG", "..\\\\LOG.TXT", "/tmp/X"}) {
        box.clear();
        f.ctl(QLatin1String(rc::TxtNameDat)).text.clear();
        runScript(f, QStringLiteral("type ") + QLatin1String(bad) +
                         QStringLiteral("\nclick CmdArhivADI\nclick CmdMem\nclick CmdSterg\n"));
        ASSERT_EQ(prompts().size(), 3) << bad;
        EXPECT_TRUE(prompts()[0].contains(QLatin1String("is not a file name of the archive")));
    }
    // Nothing was written anywhere in the data folder but the folder itself.
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("OUT.adi"))));
    EXPECT_TRUE(QDir(review::exportFolder(s.DataDir, review::kArchiveFolder)).isEmpty());
    EXPECT_TRUE(f.ctl(QLatin1String(rc::FraArh)).visible);
}

TEST_F(Archive, DeleteGoesByTheTypedKindAndAsksFirst) {
    twoQsos();
    ReviewForm& f = open();
    runScript(f, QStringLiteral("type KEEP.ADI\nclick CmdArhivADI\n"));
    f.click(QLatin1String(rc::mnuArhiva));
    ASSERT_TRUE(QFileInfo::exists(archive("KEEP.adi")));

    // Right after opening, a name without extension: the question, then nothing deleted.
    open();
    runScript(*form, QStringLiteral("type KEEP\nanswer Yes\nclick CmdSterg\n"));
    ASSERT_FALSE(box.shown().empty());
    EXPECT_EQ(box.shown().front().style, msg::kYesNo | msg::kQuestion | msg::kDefault2);
    EXPECT_TRUE(QFileInfo::exists(archive("KEEP.adi")));
    EXPECT_TRUE(name().isEmpty());

    // No keeps the file; Yes after the name with its extension deletes it.
    runScript(*form, QStringLiteral("type KEEP.ADI\nanswer No\nclick CmdSterg\n"));
    EXPECT_TRUE(QFileInfo::exists(archive("KEEP.adi")));
    runScript(*form, QStringLiteral("answer Yes\nclick CmdSterg\n"));
    EXPECT_FALSE(QFileInfo::exists(archive("KEEP.adi")));
    EXPECT_TRUE(listed().isEmpty());

    // A file that is not there is said, not reported as deleted.
    box.clear();
    runScript(*form, QStringLiteral("type GONE.TXT\nanswer Yes\nclick CmdSterg\n"));
    ASSERT_EQ(prompts().size(), 2);
    EXPECT_TRUE(prompts()[1].startsWith(QLatin1String("Nothing was deleted")));
    EXPECT_TRUE(prompts()[1].contains(archive("GONE.txt")));
}

TEST_F(Archive, ClickInTheFileListTakesTheName) {
    twoQsos();
    ReviewForm& f = open();
    runScript(f, QStringLiteral("type OLD\nclick CmdMem\n"));
    f.click(QLatin1String(rc::mnuArhiva));
    f.clickItem(QLatin1String(rc::FilList), QStringLiteral("OLD.txt"));
    EXPECT_EQ(name(), QStringLiteral("OLD"));
    EXPECT_EQ(f.typedKind(), 50);
}

TEST_F(Archive, UnwritableFileIsReportedWithItsPath) {
    twoQsos();
    ReviewForm& f = open();
    // A folder where the file would be.
    ASSERT_TRUE(QDir().mkpath(archive("BUSY.adi")));
    runScript(f, QStringLiteral("type BUSY\nclick CmdArhivADI\n"));
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_TRUE(prompts()[0].startsWith(QLatin1String(review_text::kNotSaved)));
    EXPECT_TRUE(prompts()[0].contains(archive("BUSY.adi")));
    EXPECT_TRUE(f.ctl(QLatin1String(rc::FraArh)).visible); // the name stays to try again
    EXPECT_EQ(name(), QStringLiteral("BUSY"));
}

} // namespace
