// The review screen's model driven as an operator drives it: views and their re-scored
// tallies, the deletions, the country entry, the Cabrillo and STF panels and the files they
// write into the log folder.
#include "tests/support/review_screen.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace korvel;

namespace {

class Review : public korvel::testing::ReviewScreen {
protected:
    ReviewForm& open() {
        ReviewOptions options;
        options.stfSpecAddress = QStringLiteral("https://example.org/stf");
        options.localNow = [] { return QDateTime(QDate(2026, 12, 6), QTime(12, 30, 5)); };
        ReviewScreen::open(options).onHelp = [this](HelpLanguage language, int context) {
            help.emplace_back(language, context);
        };
        return *form;
    }
    // The band-summary fields: QSOs, points, multipliers.
    QString summary() {
        return text(rc::TxtQSO) + QLatin1Char('/') + text(rc::TxtPkt) + QLatin1Char('/') +
               text(rc::TxtMlt);
    }
    QString gridCalls() {
        QStringList calls;
        for (int r = 0; r < form->logGrid().rowCount(); ++r)
            calls << form->logGrid().row(r)->cells.at(1);
        return calls.join(QLatin1Char(' '));
    }

    // A small log over every band: 20 m and 80 m twice, one 160 m QSO; marks in Mlt and Mlt1.
    void smallLog() {
        log({{"DL1ABC", "28.11.26", "10:00", "20", "599 28", "599 14", "CW", "DL", "14", "1"},
             {"OH2XX", "28.11.26", "10:01", "80", "599 28", "599 15", "CW", "OH", "", "1"},
             {"K1AB", "28.11.26", "10:02", "20", "599 28", "599 05", "CW", "", "5", "3"},
             {"JA1XYZ", "28.11.26", "10:03", "160", "599 28", "599 25", "CW", "JA", "25", "3"},
             {"G3AAA", "28.11.26", "10:04", "80", "599 28", "599 14", "CW", "", "", "1"},
             {"VK2AB", "28.11.26", "10:05", "10", "599 28", "599 30", "CW", "VK", "", "3"}});
    }

    std::vector<std::pair<HelpLanguage, int>> help;
};

TEST_F(Review, EmptyLogGivesZeroEverywhereAndPointsAreCountedPastSixteenBits) {
    ReviewForm& f = open();
    run("click mnuLogAnzeigen\nclick OpB20\n");
    EXPECT_EQ(summary(), QStringLiteral("0/0/0"));
    click(rc::OpbLogGen);
    EXPECT_EQ(summary(), QStringLiteral("0/0/0"));
    const review::Totals c = f.claimed();
    EXPECT_EQ(c.qsos + c.points + c.mults + c.score(), 0);
    EXPECT_EQ(f.logGrid().rowCount(), 0);

    for (int i = 0; i < 3; ++i)
        log({{"DL1ABC", "28.11.26", "10:00", "40", "599 1", "599 2", "CW", "", "", "20000"}});
    run("click mnuLogAnzeigen\nclick OpB40\n");
    EXPECT_EQ(summary(), QStringLiteral("3/60000/0"));
}

TEST_F(Review, BandViewsAndClaimedTotalsFollowTheContestRules) {
    smallLog();
    const struct {
        int code;
        const char* band20; // QSOs/points/mults of the 20 m view
        const char* logGeneral;
        const char* claimed; // QSOs/points/mults
    } cases[] = {
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        s.ContestCode = c.code;
        ReviewForm& f = open();
        run("click mnuLogAnzeigen\nclick OpB20\n");
        EXPECT_EQ(summary(), QLatin1String(c.band20));
        EXPECT_EQ(gridCalls(), QStringLiteral("DL1ABC K1AB"));
        click(rc::Opb160);
        EXPECT_EQ(f.tallies()[5].qsos, 1);
        click(rc::OpbLogGen);
        EXPECT_EQ(summary(), QLatin1String(c.logGeneral));
        const review::Totals t = f.claimed();
        EXPECT_EQ(QStringLiteral("%1/%2/%3").arg(t.qsos).arg(t.points).arg(t.mults),
                  QLatin1String(c.claimed));
    }
}

// The question and one deletion from a band view are in the replayed session stf_wag_delete.
TEST_F(Review, DeletingTheSelectedQsoDeletesThatRowByItsId) {
    smallLog();
    ReviewForm& f = open();
    run("click mnuLogAnzeigen\nclick OpB80\n");
    EXPECT_FALSE(visible(rc::Frame5));
    f.selectLogRow(1); // G3AAA, the second 80 m QSO
    EXPECT_TRUE(visible(rc::Frame5));
    run("answer No\nclick OpBDelete\n");
    EXPECT_EQ(dbs.log.count(), 6);
    EXPECT_FALSE(visible(rc::Frame5));

    run("click mnuLogAnzeigen\nclick OpB80\n");
    f.selectLogRow(1);
    run("answer Yes\nclick OpBDelete\n");
    EXPECT_EQ(gridCalls(), QStringLiteral("OH2XX"));
    EXPECT_EQ(f.logSelection(), 0); // on the last row left
    EXPECT_EQ(summary(), QStringLiteral("1/1/1"));
    // The view of another band afterwards is recounted too, and the log lost only G3AAA.
    click(rc::OpbLogGen);
    EXPECT_EQ(f.tallies()[4].qsos, 1);
    EXPECT_EQ(gridCalls(), QStringLiteral("DL1ABC OH2XX K1AB JA1XYZ VK2AB"));

    // The last QSO of a band view: the view stays on its band, empty.
    run("click mnuLogAnzeigen\nclick OpB80\n");
    f.selectLogRow(0);
    run("answer Yes\nclick OpBDelete\n");
    EXPECT_EQ(f.logGrid().rowCount(), 0);
    EXPECT_EQ(s.Band, 80);
    EXPECT_EQ(summary(), QStringLiteral("0/0/0"));
}

// The question, the archive folder said once and the empty log after a Yes are in the replayed
// session stf_wag_delete.
TEST_F(Review, DeletingTheWholeLogKeepsACopyAndShowsTheEmptyLog) {
    smallLog();
    open();
    click(rc::mnuLOGL);
    EXPECT_TRUE(visible(rc::Frame2));
    run("answer No\nclick OpbLLogGen\n");
    EXPECT_EQ(dbs.log.count(), 6);
    EXPECT_EQ(s.Band, 555);

    run("answer Yes\nclick OpbLLogGen\n");
    EXPECT_EQ(dbs.log.count(), 0);
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
    run("click mnuLogAnzeigen\nclick OpB20\n");
    EXPECT_EQ(summary(), QStringLiteral("1/1/1"));
}

TEST_F(Review, CountryEntryStoresTheRowAsTyped) {
    ReviewForm& f = open();
    run("click mnuLogAnzeigen\ndblclick OpBDXCC\n");
    EXPECT_TRUE(visible(rc::Frame7));
    EXPECT_TRUE(visible(rc::DBGrid6));
    click(rc::OpBAnf_gen);
    EXPECT_TRUE(visible(rc::Frame8));
    EXPECT_FALSE(visible(rc::Frame7));
    run("type cote d'ivoire\nkey Enter\ntype af\nkey Enter\ntype tu\nkey Enter\ntype tu\n"
        "key Enter\ntype 46\nkey Enter\ntype 35x\nkey Enter\ntype 200\nkey Enter\ntype ij95\n"
        "answer No\nkey Enter\n");
    EXPECT_EQ(text(rc::TxtCountry), QStringLiteral("COTE D'IVOIRE"));
    EXPECT_EQ(text(rc::TxtCQ), QStringLiteral("35x")); // the CQ zone is not upper-cased
    EXPECT_EQ(focus(), QLatin1String(rc::TxtCountry));
    EXPECT_EQ(dbs.ref.countryCount(), 0);
    EXPECT_EQ(prompts().last(), QLatin1String(review_text::kInsertPrompt));

    run("click txtQRA\nanswer Yes\nkey Enter\n");
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
    run("click OpBAnf_gen\nclick txtQRA\nkey Enter\n");
    EXPECT_TRUE(prompts().last().contains(QStringLiteral("ALREADY")))
        << prompts().last().toStdString();
    run("click TxtPfx\nkey End\nkey Backspace\nkey Backspace\nclick txtQRA\nkey Enter\n");
    EXPECT_TRUE(prompts().last().contains(QStringLiteral("EMPTY")));
    EXPECT_EQ(dbs.ref.countryCount(), before);
}

// The folder said once, the presets, the questions and a whole file are in the replayed
// session cabrillo_cqww; the window test shows the written file in the pick list.
TEST_F(Review, CabrilloPanelWritesTheFileAndShowsIt) {
    s.ContestCode = 100;
    s.ContestName = QStringLiteral("YO-DX-HF ");
    smallLog();
    ReviewForm& f = open();
    run("click mnucabrillo\nclick TxtCategStat\nclick ListCbr:SCHOOL\n"
        "click TxtCategOp\nclick ListCbr:A\nclick TxtOverl\nclick ListCbr:NOVICE-TECH\n"
        "click TxtLoc\nclick ListCbr:Se complecteaza cu judetul propriu\n");
    run("type bv\nclick TxtSoap1\ntype good luck\nkey Enter\ntype 73\nkey Enter\n");
    EXPECT_EQ(text(rc::TxtLoc), QStringLiteral("BV")); // a hint is never copied
    EXPECT_EQ(focus(), QLatin1String(rc::TxtContest));
    run("click ListCbr:YO-DX-HF\nkey Enter\n");
    EXPECT_EQ(focus(), QLatin1String(rc::TxtCall));
    EXPECT_EQ(text(rc::TxtCategOp), QStringLiteral("A"));

    // Not finished, then the declaration refused: nothing is written.
    run("answer No\nclick CmdGata\nanswer Yes\nanswer No\nclick CmdGata\n");
    EXPECT_TRUE(QDir(logFolder()).entryList(QDir::Files).isEmpty());

    run("answer Yes\nanswer Yes\nclick CmdGata\n");
    const QString path = logFile(QStringLiteral("YO9XX YO-DX-HF 28.11.26.CBR"));
    EXPECT_EQ(f.lastExportPath(), path);
    const QByteArray file = readFile(path);
    EXPECT_TRUE(file.contains("\r\nCATEGORY-STATION: SCHOOL\r\n"));
    EXPECT_TRUE(file.contains("\r\nCATEGORY-OVERLAY: NOVICE-TECH\r\n"));
    EXPECT_TRUE(file.contains("\r\nLOCATION: BV\r\n"));
    EXPECT_TRUE(file.contains("\r\nSOAPBOX: GOOD LUCK\r\nSOAPBOX: 73\r\n"));
    EXPECT_EQ(file.count("\r\nQSO: "), 6);
    EXPECT_TRUE(f.fileShown());

    // A second export says nothing about the folder.
    box.clear();
    click(rc::mnucabrillo);
    EXPECT_TRUE(prompts().isEmpty());
}

TEST_F(Review, OperatorCategoriesFollowTheOwnPrefix) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {100, "YR9XX", "A"}, {100, "DL1ABC", "SINGLE-OP"}, {201, "YO9XX", "SINGLE-OP"}};
    for (const auto& [code, call, first] : cases) {
        s.ContestCode = code;
        s.MyCall = QLatin1String(call);
        open();
        run("click mnucabrillo\nclick TxtCategOp\n");
        EXPECT_EQ(ctl(rc::ListCbr).items.first(), QLatin1String(first)) << call;
    }
}

TEST_F(Review, ExistingLowerCaseFolderIsUsedAndOldStationFilesAreCleared) {
    smallLog();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("log")));
    const QString folder = dir.filePath(QStringLiteral("log"));
    const QStringList old = QStringLiteral("YO9XX.txt|YO9XX10.txt|YO9XX160.txt|YO9XX.EtapA.txt|"
                                           "YO9XXLOG ALL.txt|YO9XX.CBR|YO9XX.STF")
                                .split(QLatin1Char('|'));
    const QStringList kept =
        QStringLiteral("YO9XX CQ-WPX 01.05.26.CBR|YO9XX TAC 01.05.26.STF|DL1ABC.txt")
            .split(QLatin1Char('|'));
    for (const QString& name : old + kept) {
        QFile f(folder + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    open();
    run("click mnucabrillo\nanswer Yes\nanswer Yes\nclick CmdGata\n");
    EXPECT_TRUE(prompts().filter(QStringLiteral("creiat")).isEmpty());
    QStringList expected = kept;
    expected << QStringLiteral("YO9XX CQ-WW 28.11.26.CBR");
    expected.sort();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), expected);
    // No second folder "LOG" beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("log")});
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
    run("click mnucabrillo\nanswer Yes\nanswer Yes\nclick CmdGata\n");
    for (const char* name : {"x.txt", "data/x.txt", "x10.txt"})
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(QLatin1String(name)))) << name;
    ASSERT_FALSE(f.lastExportPath().isEmpty());
    EXPECT_EQ(QFileInfo(f.lastExportPath()).absolutePath(),
              QFileInfo(dir.filePath(QStringLiteral("data/LOG"))).absoluteFilePath());
}

// Files where the archive and the log folder would be: the whole log is not deleted without
// its copy, and the Cabrillo panel says why nothing can be written.
TEST_F(Review, FoldersThatCannotBeMadeAreSaidAndNothingIsDoneWithoutThem) {
    smallLog();
    for (const char* name : {"ARHIVA", "LOG"}) {
        QFile blocker(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    ReviewForm& f = open();
    run("click mnuLOGL\nanswer Yes\nclick OpbLLogGen\n");
    EXPECT_EQ(dbs.log.count(), 6);
    EXPECT_TRUE(prompts().last().contains(QStringLiteral("was not deleted")));

    box.clear();
    click(rc::mnucabrillo);
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_TRUE(prompts()[0].startsWith(QLatin1String(review_text::kNotSaved)));
    EXPECT_TRUE(prompts()[0].contains(dir.filePath(QStringLiteral("LOG"))));
    EXPECT_FALSE(f.fileShown());
    EXPECT_TRUE(f.lastExportPath().isEmpty());
}

// The presets, the first field's focus, the Enter chain through the fields, the claimed totals
// and the file are compared by the replayed session stf_wag_delete; here the chain's end.
TEST_F(Review, StfPanelEnterChainGoesRound) {
    s.ContestCode = 102;
    open();
    run("click mnuFormatSTF\nclick TxtSoapBox1\nkey Enter\n");
    EXPECT_EQ(focus(), QLatin1String(rc::TxtContest1));
}

TEST_F(Review, MenusHelpAndTheWayOut) {
    s.ContestCode = 103;
    open();
    EXPECT_FALSE(visible(rc::mnucabrillo)); // IARU field day: no Cabrillo file
    click(rc::mnuLogAnzeigen);
    EXPECT_FALSE(visible(rc::OpbCallJud));
    EXPECT_FALSE(visible("mnuOutPrel")); // no English topic
    click("mnuVizLog");
    s.Language = HelpLanguage::Romanian;
    open();
    click("mnuVizLog");
    EXPECT_EQ(help, (std::vector<std::pair<HelpLanguage, int>>{{HelpLanguage::English, 800},
                                                               {HelpLanguage::Romanian, 900}}));

    bool back = false;
    form->onReturnToSetup = [&] { back = true; };
    click(rc::mnuAnfang);
    EXPECT_TRUE(back);
    EXPECT_EQ(s.SetupDone, Flag::On);

    run("answer No\nclick mnuBeenden\n");
    EXPECT_TRUE(dbs.log.isOpen());
    run("answer Yes\nclick mnuBeenden\n");
    EXPECT_TRUE(form->exitConfirmed());
    EXPECT_FALSE(dbs.log.isOpen());
    EXPECT_EQ(prompts().last(), QLatin1String(review_text::kExitPrompt));
}

} // namespace
