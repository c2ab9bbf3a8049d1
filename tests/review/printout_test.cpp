// Printing from the review screen: the printer question and the state it leaves, the pages of
// the printed log with their heads, the printed summary sheet, and what the operator is told
// when a printout went into a PDF file or nowhere.
#include "core/settings_file.h"
#include "review/printed_page.h"
#include "tests/support/review_screen.h"

using namespace korvel;

namespace {

// Keeps what it was given to print and answers as told.
class FakePrinter : public review::PagePrinter {
public:
    review::PrintResult print(const review::PrintedDocument& document,
                              const QString& pdfPath) override {
        documents.push_back(document);
        pdfPaths << pdfPath;
        return answer;
    }
    std::vector<review::PrintedDocument> documents;
    QStringList pdfPaths;
    review::PrintResult answer{true, false, QStringLiteral("Desk printer"), QString()};
};

class Printout : public korvel::testing::ReviewScreen {
protected:
    ReviewForm& open(bool withPrinter = true) {
        ReviewOptions options;
        options.printer = withPrinter ? &printer : nullptr;
        return ReviewScreen::open(options);
    }
    // Prints the whole log after the printer question.
    void printLog() { run("click mnuLOGDrucken\nanswer Yes\nclick OpbDLogGen\n"); }
    void qsos(int count) {
        for (int i = 0; i < count; ++i)
            log({{"DL1ABC", "28.11.26", "10:00", i % 2 ? "20" : "40", "599 28", "599 14", "CW",
                  i == 0 ? "DL" : "", "", "2"}});
    }
    // The page's lines, each cell at its column.
    static QStringList lines(const review::PrintedPage& page) {
        return review::pageText(page).split(QLatin1Char('\n'));
    }
    static int qsoLines(const review::PrintedPage& page) {
        return static_cast<int>(lines(page).filter(QStringLiteral("DL1ABC")).size());
    }
    FakePrinter printer;
};

TEST_F(Printout, PrinterQuestionDeclinedPrintsNothingUntilPrintLogIsChosenAgain) {
    qsos(3);
    ReviewForm& f = open();
    run("click mnuLOGDrucken\nanswer No\nclick OpbDLogGen\n");
    EXPECT_EQ(prompts(), QStringList{QLatin1String(review_text::kPrinterPrompt)});
    EXPECT_FALSE(visible(rc::Frame3));
    ctl(rc::Frame3).visible = true; // the panel shown again by hand
    click(rc::OpBD20);
    EXPECT_EQ(prompts().size(), 1); // not asked again
    EXPECT_TRUE(printer.documents.empty());

    // A band option prints the whole log; the grid shows the band.
    run("click mnuLOGDrucken\nanswer Yes\nclick OpBD20\n");
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(qsoLines(printer.documents[0].pages[0]), 3);
    EXPECT_EQ(f.logGrid().rowCount(), 1);
    EXPECT_EQ(s.Band, 100);
    EXPECT_EQ(printer.pdfPaths[0], logFile(QStringLiteral("YO9XX CQ-WW 28.11.26LOG ALL.pdf")));
    EXPECT_EQ(prompts().size(), 2); // printed on the printer: nothing more to say
}

TEST_F(Printout, EverySixtyQsoLinesBeginANewPageWithItsHead) {
    const struct {
        int qsos;
        std::vector<int> perPage;
    } cases[] = {{0, {0}}, {1, {1}}, {60, {60}}, {61, {60, 1}}, {121, {60, 60, 1}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.qsos);
        ASSERT_TRUE(dbs.log.deleteAll());
        qsos(c.qsos);
        printer.documents.clear();
        open();
        printLog();
        ASSERT_EQ(printer.documents.size(), 1u);
        const auto& pages = printer.documents[0].pages;
        ASSERT_EQ(pages.size(), c.perPage.size());
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const QStringList l = lines(pages[p]);
            EXPECT_EQ(qsoLines(pages[p]), c.perPage[p]);
            // Three empty lines, the title, an empty line, the columns, an empty line.
            EXPECT_EQ(l.mid(0, 3), (QStringList{QString(), QString(), QString()}));
            EXPECT_EQ(l[3].trimmed(), QStringLiteral("CQWWDX 28.11.26 YO9XX - LOG GENERAL"));
            EXPECT_TRUE(l[5].trimmed().startsWith(QStringLiteral("Nr.")));
            EXPECT_TRUE(l[6].isEmpty());
            if (c.qsos > 0) EXPECT_TRUE(l[7].trimmed().startsWith(QString::number(p * 60 + 1)));
            EXPECT_EQ(l.filter(QStringLiteral("TOTAL")).size(), p + 1 == pages.size() ? 1 : 0);
        }
    }
}

TEST_F(Printout, PageHeadAndTotalFollowTheContest) {
    s.StartTimeFmt = QStringLiteral("12:30:05");
    log({{"DL1ABC", "28.11.26", "10:00", "20", "599 001", "599 BU", "CW", "DL", "", "3"},
         {"K1AB", "28.11.26", "10:02", "160", "599 003", "599 005", "CW", "K", "5", "3"}});
    const struct {
        int code;
        const char* title;
        const char* totals; // multipliers, points
    } cases[] = {
        // YO-DX-HF shows the time of the shared state where the others show the date.
        {100, "YO DX CONTEST 12:30:05 YO9XX - LOG GENERAL", "1 3"},
        {201, "CQWWDX 28.11.26 YO9XX - LOG GENERAL", "3 6"},
        {214, "Log general 28.11.26 YO9XX - LOG GENERAL", "1 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        s.ContestCode = c.code;
        printer.documents.clear();
        open();
        printLog();
        ASSERT_EQ(printer.documents.size(), 1u);
        const QStringList l = lines(printer.documents[0].pages[0]);
        EXPECT_EQ(l[3].trimmed(), QLatin1String(c.title));
        EXPECT_EQ(l[7].simplified(),
                  QStringLiteral("1 28.11.26 10:00 CW DL1ABC 599 001 599 BU 20 DL 3"));
        const QString total = l.filter(QStringLiteral("TOTAL")).value(0).simplified();
        EXPECT_EQ(total, QStringLiteral("TOTAL ") + QLatin1String(c.totals));
    }
}

TEST_F(Printout, SummarySheetTakesTheStationPanelAndPrintsOnePage) {
    log({{"DL1ABC", "28.11.26", "10:00", "20", "599 28", "599 14", "CW", "DL", "14", "1"},
         {"JA1XYZ", "28.11.26", "10:03", "160", "599 28", "599 25", "CW", "JA", "25", "3"}});
    const struct {
        int code;
        const char* title; // the second line of the sheet; empty: none
        const char* first; // the first band line
    } cases[] = {
        {201, "CQWWDX 28.11.26", "1.8 1 3 2"},
        {102, "Worked all Germany 28.11.26", "3.5 0 0 0"},
        {205, "", "1.8 1 3 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        s.ContestCode = c.code;
        // The panel empty again: nothing in the settings file or the shared values.
        QFile::remove(initFilePath(s));
        s.SummaryOperators.clear();
        s.SummaryOpName.clear();
        s.SummaryOperatorCount = 0;
        printer.documents.clear();
        open();
        run("click mnuLOGDrucken\nclick OpBDSumm\n");
        EXPECT_TRUE(visible(rc::Frame6));
        EXPECT_EQ(focus(), QLatin1String(rc::TxtSection));
        box.clear();
        // The blank number of operators becomes 1 at the first press.
        run("type dl-nord\nkey Enter\ntype hans\nkey Enter\nclick CmdGata\nanswer Yes\n"
            "click CmdGata\n");
        // No printer question and no declaration for the sheet.
        EXPECT_EQ(prompts(), QStringList{QLatin1String(review_text::kFinishedEnglish)});
        EXPECT_FALSE(visible(rc::Frame6));
        ASSERT_EQ(printer.documents.size(), 1u);
        ASSERT_EQ(printer.documents[0].pages.size(), 1u);
        QStringList l = lines(printer.documents[0].pages[0]);
        for (QString& line : l)
            line = line.simplified();
        l.removeAll(QString());
        EXPECT_EQ(l[0], QStringLiteral("YO9XX - SUMMARY"));
        int at = 1;
        if (*c.title) EXPECT_EQ(l[at++], QLatin1String(c.title));
        EXPECT_EQ(l[at], QStringLiteral("Worked in Section: DL-NORD"));
        EXPECT_EQ(l[at + 1], QStringLiteral("Operator's Name: HANS"));
        EXPECT_EQ(l[at + 2], QStringLiteral("No. of Operator's: 1")); // blank became 1
        EXPECT_EQ(l[at + 11], QStringLiteral("Club:"));
        EXPECT_EQ(l[at + 13], QLatin1String(c.first));
        EXPECT_TRUE(
            l.contains(QStringLiteral("Date.............. Op(s) signature...................")));
        EXPECT_EQ(printer.pdfPaths[0], logFile(QStringLiteral("YO9XX CQ-WW 28.11.26.pdf")));
    }
}

TEST_F(Printout, OperatorIsToldWhereThePrintoutWentOrWhyNot) {
    qsos(2);
    const struct {
        bool printer;
        review::PrintResult answer;
        const char* said;
    } cases[] = {
        // The file the printer says it wrote (nothing is said after a printer's print: above).
        {true,
         {true, true, QStringLiteral("/data/LOG/x.pdf"), QString()},
         "The printout was written to the PDF file /data/LOG/x.pdf"},
        {true,
         {false, false, QStringLiteral("Desk printer"),
          QStringLiteral("printer Desk printer: out of paper")},
         "NOTHING WAS PRINTED. printer Desk printer: out of paper"},
        {false, {}, "NOTHING WAS PRINTED. No printer is set up."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        printer.answer = c.answer;
        open(c.printer);
        printLog();
        QStringList said = prompts();
        said.removeAll(QLatin1String(review_text::kPrinterPrompt));
        said.removeAll(review::folderCreatedMessage(s.DataDir, review::kLogFolder));
        EXPECT_EQ(said, QStringList{QLatin1String(c.said)});
        box.clear();
    }
}

} // namespace
