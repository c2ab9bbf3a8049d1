// The review screen's model driven as an operator drives it: views and their re-scored
// tallies, the deletions, the country entry, the Cabrillo and STF panels and the files they
// write into the log folder.
#include "review/log_folders.h"
#include "review/review_controls.h"
#include "review/review_form.h"
#include "tests/review/review_fixture.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace korvel;

namespace {

class Review : public korvel::testing::ReviewFixture {
protected:
    ReviewForm& open() {
        ReviewOptions options;
        options.stfSpecAddress = QStringLiteral("https://example.org/stf");
        options.localNow = [] { return QDateTime(QDate(2026, 12, 6), QTime(12, 30, 5)); };
        form = std::make_unique<ReviewForm>(s, dbs, box, options);
        form->onHelp = [this](HelpLanguage language, int context) {
            help.emplace_back(language, context);
        };
        form->load();
        return *form;
    }
    QString text(const char* name) { return form->ctl(QLatin1String(name)).text; }
    bool visible(const char* name) { return form->ctl(QLatin1String(name)).visible; }
    // The band-summary fields: QSOs, points, multipliers.
    QString summary() {
        return text(rc::TxtQSO) + QLatin1Char('/') + text(rc::TxtPkt) + QLatin1Char('/') +
               text(rc::TxtMlt);
    }
    QStringList gridCalls() {
        QStringList calls;
        for (int r = 0; r < form->logGrid().rowCount(); ++r)
            calls << form->logGrid().row(r)->cells.at(1);
        return calls;
    }
    QString logFolder() { return review::exportFolder(s.DataDir, review::kLogFolder); }

    // A small log over every band: 20 m and 80 m twice, one 160 m QSO; marks in Mlt and Mlt1.
    void smallLog() {
        log({{"DL1ABC", "28.11.26", "10:00", "20", "599 28", "599 14", "CW", "DL", "14", "1"},
             {"OH2XX", "28.11.26", "10:01", "80", "599 28", "599 15", "CW", "OH", "", "1"},
             {"K1AB", "28.11.26", "10:02", "20", "599 28", "599 05", "CW", "", "5", "3"},
             {"JA1XYZ", "28.11.26", "10:03", "160", "599 28", "599 25", "CW", "JA", "25", "3"},
             {"G3AAA", "28.11.26", "10:04", "80", "599 28", "599 14", "CW", "", "", "1"},
             {"VK2AB", "28.11.26", "10:05", "10", "599 28", "599 30", "CW", "VK", "", "3"}});
    }

    std::unique_ptr<ReviewForm> form;
    std::vector<std::pair<HelpLanguage, int>> help;
};

TEST_F(Review, EmptyLogGivesZeroEverywhere) {
    ReviewForm& f = open();
    f.click(QLatin1String(rc::mnuLogAnzeigen));
    f.click(QLatin1String(rc::OpB20));
    EXPECT_EQ(summary(), QStringLiteral("0/0/0"));
    f.click(QLatin1String(rc::OpbLogGen));
    EXPECT_EQ(summary(), QStringLiteral("0/0/0"));
    const review::Totals c = f.claimed();
    EXPECT_EQ(c.qsos + c.points + c.mults + c.score(), 0);
    EXPECT_EQ(f.logGrid().rowCount(), 0);
}

TEST_F(Review, BandViewsAndClaimedTotalsFollowTheContestRules) {
    smallLog();
    struct Case {
        int code;
        const char* band20; // QSOs/points/mults of the 20 m view
        const char* logGeneral;
        const char* claimed; // QSOs/points/mults
    };
    const Case cases[] = {
        // YO-DX-HF: Mlt1 is not counted; 160 m is neither in Log General nor claimed.
        {100, "2/4/1", "5/9/3", "5/9/3"},
        // CQ-WW: Mlt1 counts one more multiplier; 160 m everywhere.
        {201, "2/4/3", "6/12/7", "6/12/7"},
        // DARC-WAG: the 160 m QSO is in the tally, in neither total.
        {102, "2/4/1", "5/9/3", "5/9/3"},
        // TAC: the claim is 80 m alone, whatever the other bands hold.
        {203, "2/4/3", "6/12/7", "2/2/1"},
        // HA-DX: 160 m is claimed but not in Log General.
        {105, "2/4/1", "5/9/3", "6/12/4"},
    };
    for (const Case& c : cases) {
        s.ContestCode = c.code;
        ReviewForm& f = open();
        f.click(QLatin1String(rc::mnuLogAnzeigen));
        f.click(QLatin1String(rc::OpB20));
        EXPECT_EQ(summary(), QLatin1String(c.band20)) << c.code;
        EXPECT_EQ(gridCalls(), (QStringList{QStringLiteral("DL1ABC"), QStringLiteral("K1AB")}));
        f.click(QLatin1String(rc::Opb160));
        EXPECT_EQ(f.tallies()[5].qsos, 1) << c.code;
        f.click(QLatin1String(rc::OpbLogGen));
        EXPECT_EQ(summary(), QLatin1String(c.logGeneral)) << c.code;
        const review::Totals t = f.claimed();
        EXPECT_EQ(QStringLiteral("%1/%2/%3").arg(t.qsos).arg(t.points).arg(t.mults),
                  QLatin1String(c.claimed))
            << c.code;
    }
}

TEST_F(Review, PointsAreCountedPastSixteenBits) {
    for (int i = 0; i < 3; ++i)
        log({{"DL1ABC", "28.11.26", "10:00", "40", "599 1", "599 2", "CW", "", "", "20000"}});
    ReviewForm& f = open();
    f.click(QLatin1String(rc::mnuLogAnzeigen));
    f.click(QLatin1String(rc::OpB40));
    EXPECT_EQ(summary(), QStringLiteral("3/60000/0"));
}

TEST_F(Review, DeletingTheSelectedQsoDeletesThatRowByItsId) {
    smallLog();
    ReviewForm& f = open();
    f.click(QLatin1String(rc::mnuLogAnzeigen));
    f.click(QLatin1String(rc::OpB80));
    EXPECT_FALSE(visible(rc::Frame5));
    f.selectLogRow(1); // G3AAA, the second 80 m QSO
    EXPECT_TRUE(visible(rc::Frame5));
    box.queueAnswer(forms::msg::kNo);
    f.click(QLatin1String(rc::OpBDelete));
    EXPECT_EQ(dbs.log.count(), 6);
    EXPECT_FALSE(visible(rc::Frame5));

    f.click(QLatin1String(rc::mnuLogAnzeigen));
    f.click(QLatin1String(rc::OpB80));
    f.selectLogRow(1);
    box.queueAnswer(forms::msg::kYes);
    f.click(QLatin1String(rc::OpBDelete));
    EXPECT_EQ(prompts().last(), QLatin1String(review_text::kDeletePrompt));
    EXPECT_EQ(gridCalls(), QStringList{QStringLiteral("OH2XX")});
    EXPECT_EQ(f.logSelection(), 0); // on the last row left
    EXPECT_EQ(summary(), QStringLiteral("1/1/1"));
    // The view of another band afterwards is recounted too, and the log lost only G3AAA.
    f.click(QLatin1String(rc::OpbLogGen));
    EXPECT_EQ(f.tallies()[4].qsos, 1);
    EXPECT_FALSE(gridCalls().contains(QStringLiteral("G3AAA")));
    EXPECT_EQ(gridCalls().size(), 5);

    // The last QSO of a band view: the view stays on its band, empty.
    f.click(QLatin1String(rc::mnuLogAnzeigen));
    f.click(QLatin1String(rc::OpB80));
    f.selectLogRow(0);
    box.queueAnswer(forms::msg::kYes);
    f.click(QLatin1String(rc::OpBDelete));
    EXPECT_EQ(f.logGrid().rowCount(), 0);
    EXPECT_EQ(s.Band, 80);
    EXPECT_EQ(summary(), QStringLiteral("0/0/0"));
}

TEST_F(Review, DeletingTheWholeLogKeepsACopyAndShowsTheEmptyLog) {
    smallLog();
    ReviewForm& f = open();
    f.click(QLatin1String(rc::mnuLOGL));
    EXPECT_TRUE(visible(rc::Frame2));
    box.queueAnswer(forms::msg::kNo);
    f.click(QLatin1String(rc::OpbLLogGen));
    EXPECT_EQ(dbs.log.count(), 6);
    EXPECT_EQ(s.Band, 555);

    box.clear();
    box.queueAnswer(forms::msg::kYes);
    f.click(QLatin1String(rc::OpbLLogGen));
    EXPECT_EQ(dbs.log.count(), 0);
    EXPECT_EQ(s.Band, 0);
    EXPECT_EQ(f.logGrid().rowCount(), 0);
    // The archive folder is new: said once; then nothing but the question.
    ASSERT_EQ(prompts().size(), 2) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(prompts()[0], QLatin1String(review_text::kDeleteLogPrompt));
    EXPECT_TRUE(prompts()[1].endsWith(QStringLiteral("\\ARHIVA a fost creiat. Datele se inscriu in "
                                                     "folderul nou creiat")));
    const QString copy = review::exportFolder(s.DataDir, review::kArchiveFolder) +
                         QStringLiteral("/LogKorvel-20261206-123005.bak");
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
        db.setDatabaseName(copy);
        ASSERT_TRUE(db.open());
        QSqlQuery q(QStringLiteral("SELECT count(*) FROM LogGen"), db);
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toInt(), 6);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("copy"));

    // A view after the delete shows the empty log; a new QSO is counted alone.
    log({{"DL1ABC", "29.11.26", "10:00", "20", "599 28", "599 14", "CW", "DL", "", "1"}});
    f.click(QLatin1String(rc::mnuLogAnzeigen));
    f.click(QLatin1String(rc::OpB20));
    EXPECT_EQ(summary(), QStringLiteral("1/1/1"));
}

TEST_F(Review, WholeLogIsNotDeletedWithoutItsCopy) {
    smallLog();
    QFile blocker(dir.filePath(QStringLiteral("ARHIVA"))); // a file where the folder would be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ReviewForm& f = open();
    f.click(QLatin1String(rc::mnuLOGL));
    box.queueAnswer(forms::msg::kYes);
    f.click(QLatin1String(rc::OpbLLogGen));
    EXPECT_EQ(dbs.log.count(), 6);
    EXPECT_TRUE(prompts().last().contains(QStringLiteral("was not deleted")));
}

TEST_F(Review, CountryEntryStoresTheRowAsTyped) {
    ReviewForm& f = open();
    f.click(QLatin1String(rc::mnuLogAnzeigen));
    f.dblClick(QLatin1String(rc::OpBDXCC));
    EXPECT_TRUE(visible(rc::Frame7));
    EXPECT_TRUE(visible(rc::DBGrid6));
    f.click(QLatin1String(rc::OpBAnf_gen));
    EXPECT_TRUE(visible(rc::Frame8));
    EXPECT_FALSE(visible(rc::Frame7));
    runScript(f, QStringLiteral("type cote d'ivoire\nkey Enter\ntype af\nkey Enter\ntype tu\n"
                                "key Enter\ntype tu\nkey Enter\ntype 46\nkey Enter\ntype 35x\n"
                                "key Enter\ntype 200\nkey Enter\ntype ij95\n"
                                "answer No\nkey Enter\n"));
    EXPECT_EQ(text(rc::TxtCountry), QStringLiteral("COTE D'IVOIRE"));
    EXPECT_EQ(text(rc::TxtCQ), QStringLiteral("35x")); // the CQ zone is not upper-cased
    EXPECT_EQ(form->focus(), QLatin1String(rc::TxtCountry));
    EXPECT_EQ(dbs.ref.countryCount(), 0);
    EXPECT_EQ(prompts().last(), QLatin1String(review_text::kInsertPrompt));

    runScript(f, QStringLiteral("click txtQRA\nanswer Yes\nkey Enter\n"));
    EXPECT_EQ(prompts().last(), QLatin1String(review_text::kInsertedPrompt));
    const auto row = dbs.ref.countryByPrefix(QStringLiteral("TU"));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->country, QStringLiteral("COTE D'IVOIRE"));
    EXPECT_EQ(row->cnt, QStringLiteral("AF"));
    EXPECT_EQ(row->beam, 200);
    EXPECT_EQ(row->qraLoc, QStringLiteral("IJ95"));
    EXPECT_EQ(s.LookupCountry, QStringLiteral("COTE D'IVOIRE"));
    // The screen shows the country table on the new row.
    EXPECT_TRUE(visible(rc::DBGrid6));
    ASSERT_GE(f.countrySelection(), 0);
    EXPECT_EQ(f.countryGrid().row(f.countrySelection())->cells.at(3), QStringLiteral("TU"));

    // The same prefix again, and an empty one, are refused with a word why.
    const int before = static_cast<int>(dbs.ref.countryCount());
    f.click(QLatin1String(rc::OpBAnf_gen));
    runScript(f, QStringLiteral("click txtQRA\nkey Enter\n"));
    EXPECT_TRUE(prompts().last().contains(QStringLiteral("ALREADY")))
        << prompts().last().toStdString();
    runScript(f,
              QStringLiteral("click TxtPfx\nkey End\nkey Backspace\nkey Backspace\nclick txtQRA\n"
                             "key Enter\n"));
    EXPECT_TRUE(prompts().last().contains(QStringLiteral("EMPTY")));
    EXPECT_EQ(dbs.ref.countryCount(), before);
}

TEST_F(Review, CabrilloPanelWritesTheFileAndShowsIt) {
    s.ContestCode = 100;
    s.ContestName = QStringLiteral("YO-DX-HF ");
    s.Language = HelpLanguage::English;
    smallLog();
    ReviewForm& f = open();
    f.click(QLatin1String(rc::mnucabrillo));
    // The log folder is new: said once, in Romanian.
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("Folderul ") + s.DataDir +
                                     QStringLiteral("\\LOG a fost creiat. Datele se inscriu in "
                                                    "folderul nou creiat")});
    EXPECT_TRUE(visible(rc::FraLogCbr));
    EXPECT_EQ(text(rc::CmdGata), QLatin1String(review_text::kGataEnglish));
    EXPECT_EQ(text(rc::TxtCall), QStringLiteral("YO9XX"));
    EXPECT_EQ(text(rc::TxtScore), QStringLiteral("27")); // 9 points x 3 multipliers
    EXPECT_EQ(text(rc::TxtCreated), QStringLiteral("Korvel-LOG/Tamrik"));

    runScript(f,
              QStringLiteral("click TxtCategStat\nclick ListCbr:SCHOOL\n"
                             "click TxtCategOp\nclick ListCbr:A\n"
                             "click TxtTransm\nclick ListCbr:ONE\n"
                             "click TxtOverl\nclick ListCbr:NOVICE-TECH\n"
                             "click TxtLoc\nclick ListCbr:Se complecteaza cu judetul propriu\n"));
    EXPECT_EQ(f.activeChoiceField(), 17);
    runScript(f, QStringLiteral("type bv\n"
                                "click TxtSoap1\ntype good luck\nkey Enter\ntype 73\nkey Enter\n"));
    EXPECT_EQ(text(rc::TxtLoc), QStringLiteral("BV")); // a hint is never copied
    EXPECT_EQ(text(rc::TxtSoap1), QStringLiteral("GOOD LUCK"));
    EXPECT_EQ(f.focus(), QLatin1String(rc::TxtContest));
    runScript(f, QStringLiteral("click ListCbr:YO-DX-HF\nkey Enter\n"));
    EXPECT_EQ(f.focus(), QLatin1String(rc::TxtCall));
    EXPECT_EQ(text(rc::TxtCategOp), QStringLiteral("A"));

    // Not finished: the panel stays; declaration refused: nothing is written.
    box.clear();
    runScript(f, QStringLiteral("answer No\nclick CmdGata\n"));
    EXPECT_EQ(prompts(), QStringList{QLatin1String(review_text::kFinishedEnglish)});
    EXPECT_TRUE(visible(rc::CmdGata));
    runScript(f, QStringLiteral("answer Yes\nanswer No\nclick CmdGata\n"));
    EXPECT_EQ(prompts().last(), QLatin1String(review_text::kDeclarationRefused));
    EXPECT_TRUE(QDir(logFolder()).entryList(QDir::Files).isEmpty());

    runScript(f, QStringLiteral("answer Yes\nanswer Yes\nclick CmdGata\n"));
    const QString path = logFolder() + QStringLiteral("/YO9XX YO-DX-HF 28.11.26.CBR");
    EXPECT_EQ(f.lastExportPath(), path);
    const QByteArray file = readFile(path);
    EXPECT_TRUE(file.contains("\r\nCATEGORY-STATION: SCHOOL\r\n"));
    EXPECT_TRUE(file.contains("\r\nCATEGORY-TRANSMITTER: ONE\r\n"));
    EXPECT_TRUE(file.contains("\r\nCATEGORY-OVERLAY: NOVICE-TECH\r\n"));
    EXPECT_TRUE(file.contains("\r\nLOCATION: BV\r\n"));
    EXPECT_TRUE(file.contains("\r\nSOAPBOX: GOOD LUCK\r\nSOAPBOX: 73\r\n"));
    EXPECT_TRUE(file.endsWith("END-OF-LOG:\r\n"));
    EXPECT_EQ(file.count("\r\nQSO: "), 6);
    EXPECT_TRUE(f.fileShown());
    const QStringList shown = f.ctl(QLatin1String(rc::ListCbr)).items;
    EXPECT_EQ(shown.first(), QStringLiteral("START-OF-LOG: 3.0"));
    EXPECT_EQ(shown.last(), QStringLiteral("END-OF-LOG:"));

    // A second export says nothing about the folder.
    box.clear();
    f.click(QLatin1String(rc::mnucabrillo));
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(Review, OperatorCategoriesFollowTheOwnPrefix) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {100, "YR9XX", "A"}, {100, "DL1ABC", "SINGLE-OP"}, {201, "YO9XX", "SINGLE-OP"}};
    for (const auto& [code, call, first] : cases) {
        s.ContestCode = code;
        s.MyCall = QLatin1String(call);
        ReviewForm& f = open();
        f.click(QLatin1String(rc::mnucabrillo));
        f.click(QLatin1String(rc::TxtCategOp));
        EXPECT_EQ(f.ctl(QLatin1String(rc::ListCbr)).items.first(), QLatin1String(first)) << call;
    }
}

TEST_F(Review, ExistingLowerCaseFolderIsUsedAndOldStationFilesAreCleared) {
    smallLog();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("log")));
    const QString folder = dir.filePath(QStringLiteral("log"));
    const QStringList old = {QStringLiteral("YO9XX.txt"),        QStringLiteral("YO9XX10.txt"),
                             QStringLiteral("YO9XX160.txt"),     QStringLiteral("YO9XX.EtapA.txt"),
                             QStringLiteral("YO9XXLOG ALL.txt"), QStringLiteral("YO9XX.CBR"),
                             QStringLiteral("YO9XX.STF")};
    const QStringList kept = {QStringLiteral("YO9XX CQ-WPX 01.05.26.CBR"),
                              QStringLiteral("YO9XX TAC 01.05.26.STF"),
                              QStringLiteral("DL1ABC.txt")};
    for (const QString& name : old + kept) {
        QFile f(folder + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ReviewForm& f = open();
    runScript(f, QStringLiteral("click mnucabrillo\nanswer Yes\nanswer Yes\nclick CmdGata\n"));
    EXPECT_TRUE(prompts().filter(QStringLiteral("creiat")).isEmpty());
    QStringList expected = kept;
    expected << QStringLiteral("YO9XX CQ-WW 28.11.26.CBR");
    expected.sort();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), expected);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("log")}, QDir::Dirs, QDir::Name).size(),
              1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("LOG"))) &&
                 QFileInfo(dir.filePath(QStringLiteral("LOG"))).fileName() ==
                     QStringLiteral("LOG") &&
                 QDir(dir.path()).entryList(QDir::Dirs).contains(QStringLiteral("LOG")));
}

TEST_F(Review, HostileCallTouchesNothingOutsideTheFolder) {
    // The data folder is one level down, so that "../" from the log folder reaches files.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("data/LOG")));
    s.DataDir = dir.filePath(QStringLiteral("data"));
    for (const char* name : {"x.txt", "data/x.txt", "x10.txt"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    s.MyCall = QStringLiteral("../../x");
    ReviewForm& f = open();
    runScript(f, QStringLiteral("click mnucabrillo\nanswer Yes\nanswer Yes\nclick CmdGata\n"));
    for (const char* name : {"x.txt", "data/x.txt", "x10.txt"})
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(QLatin1String(name)))) << name;
    ASSERT_FALSE(f.lastExportPath().isEmpty());
    EXPECT_EQ(QFileInfo(f.lastExportPath()).absolutePath(),
              QFileInfo(dir.filePath(QStringLiteral("data/LOG"))).absoluteFilePath());
}

TEST_F(Review, UnwritableLogFolderIsReportedAndNothingIsShownAsWritten) {
    QFile blocker(dir.filePath(QStringLiteral("LOG"))); // a file where the folder would be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ReviewForm& f = open();
    f.click(QLatin1String(rc::mnucabrillo));
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_TRUE(prompts()[0].startsWith(QLatin1String(review_text::kNotSaved)));
    EXPECT_TRUE(prompts()[0].contains(dir.filePath(QStringLiteral("LOG"))));
    EXPECT_FALSE(f.fileShown());
    EXPECT_TRUE(f.lastExportPath().isEmpty());
}

// The presets, the claimed totals and the file are compared byte for byte by the replayed
// session stf_wag_delete; here the Enter chain round the panel's fields.
TEST_F(Review, StfPanelEnterChainsRoundTheFields) {
    s.ContestCode = 102;
    ReviewForm& f = open();
    f.click(QLatin1String(rc::mnuFormatSTF));
    EXPECT_EQ(text(rc::TxtMyCall1), QStringLiteral("YO9XX"));
    EXPECT_EQ(f.focus(), QLatin1String(rc::TxtCategory1));
    runScript(f, QStringLiteral("type single-op\nkey Enter\n"));
    EXPECT_EQ(f.focus(), QLatin1String(rc::TxtMailAdress1));
    runScript(f, QStringLiteral("click TxtSoapBox1\nkey Enter\n"));
    EXPECT_EQ(f.focus(), QLatin1String(rc::TxtContest1));
}

TEST_F(Review, MenusHelpAndTheWayOut) {
    s.ContestCode = 103;
    ReviewForm& f = open();
    EXPECT_FALSE(visible(rc::mnucabrillo)); // IARU field day: no Cabrillo file
    f.click(QLatin1String(rc::mnuLogAnzeigen));
    EXPECT_FALSE(visible(rc::OpbCallJud));
    EXPECT_FALSE(visible("mnuOutPrel")); // no English topic
    f.click(QStringLiteral("mnuVizLog"));
    s.Language = HelpLanguage::Romanian;
    open().click(QStringLiteral("mnuVizLog"));
    EXPECT_EQ(help, (std::vector<std::pair<HelpLanguage, int>>{{HelpLanguage::English, 800},
                                                               {HelpLanguage::Romanian, 900}}));

    bool back = false;
    form->onReturnToSetup = [&] { back = true; };
    form->click(QLatin1String(rc::mnuAnfang));
    EXPECT_TRUE(back);
    EXPECT_EQ(s.SetupDone, Flag::On);

    box.queueAnswer(forms::msg::kNo);
    form->click(QLatin1String(rc::mnuBeenden));
    EXPECT_TRUE(dbs.log.isOpen());
    box.queueAnswer(forms::msg::kYes);
    form->click(QLatin1String(rc::mnuBeenden));
    EXPECT_TRUE(form->exitConfirmed());
    EXPECT_FALSE(dbs.log.isOpen());
    EXPECT_EQ(prompts().last(), QLatin1String(review_text::kExitPrompt));
}

} // namespace
