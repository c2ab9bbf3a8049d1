// Printouts painted into PDF files and read back with pdftotext (poppler-utils; the tests are
// skipped with a message without it): the printed log's pages and their heads, the summary
// sheet, and a PDF file that cannot be written. Needs a QGuiApplication (own main, offscreen).
#include "app/page_printer.h"
#include "tests/support/review_screen.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

using namespace korvel;

namespace {

class PdfPrintout : public korvel::testing::ReviewScreen {
protected:
    void SetUp() override {
        ReviewScreen::SetUp();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF printouts are "
                            "not read back";
    }
    void open() {
        ReviewOptions options;
        options.printer = &printer;
        ReviewScreen::open(options);
    }
    // The PDF's pages as pdftotext lays them out, each without its empty lines.
    static std::vector<QStringList> pages(const QString& pdf) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(30000));
        std::vector<QStringList> out;
        for (const QString& page :
             QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'))) {
            QStringList lines;
            for (const QString& l : page.split(QLatin1Char('\n')))
                if (!l.trimmed().isEmpty()) lines << l.simplified();
            if (!lines.isEmpty()) out.push_back(lines);
        }
        return out;
    }
    QtPagePrinter printer{QtPagePrinter::Output::PdfFile};
};

TEST_F(PdfPrintout, SixtyOneQsosPrintOnTwoPagesEachUnderItsHead) {
    for (int i = 1; i <= 61; ++i)
        log({{"DL1ABC", "28.11.26", "10:00", "20", "599 28", "599 14", "CW", i == 1 ? "DL" : "", "",
              "2"}});
    open();
    run("click mnuLOGDrucken\nanswer Yes\nclick OpbDLogGen\n");
    const QString pdf = logFile(QStringLiteral("YO9XX CQ-WW 28.11.26LOG ALL.pdf"));
    EXPECT_EQ(prompts().last(), QStringLiteral("The printout was written to the PDF file ") + pdf);
    const std::vector<QStringList> p = pages(pdf);
    ASSERT_EQ(p.size(), 2u);
    for (const QStringList& page : p) {
        EXPECT_EQ(page[0], QStringLiteral("CQWWDX 28.11.26 YO9XX - LOG GENERAL"));
        EXPECT_EQ(page[1], QStringLiteral("Nr. Date Time Mode Callsign Sent Rcvd Band Multi Pts"));
    }
    EXPECT_EQ(p[0].size(), 2 + 60);
    EXPECT_EQ(p[0][2], QStringLiteral("1 28.11.26 10:00 CW DL1ABC 599 28 599 14 20 DL 2"));
    EXPECT_TRUE(p[0].last().startsWith(QStringLiteral("60 ")));
    EXPECT_EQ(p[1][2], QStringLiteral("61 28.11.26 10:00 CW DL1ABC 599 28 599 14 20 2"));
    EXPECT_EQ(p[1][3], QStringLiteral("TOTAL 1 122"));
}

TEST_F(PdfPrintout, SummarySheetHoldsTheStationLinesAndTotals) {
    log({{"DL1ABC", "28.11.26", "10:00", "20", "599 28", "599 14", "CW", "DL", "14", "1"},
         {"JA1XYZ", "28.11.26", "10:03", "160", "599 28", "599 25", "CW", "JA", "25", "3"}});
    s.SummaryOperatorCount = 2;
    s.SummaryQTH = QStringLiteral("BUCURESTI");
    s.SummaryAnt5 = QStringLiteral("YO DX CLUB");
    open();
    run("click mnuLOGDrucken\nclick OpBDSumm\nanswer Yes\nclick CmdGata\n");
    const std::vector<QStringList> p = pages(logFile(QStringLiteral("YO9XX CQ-WW 28.11.26.pdf")));
    ASSERT_EQ(p.size(), 1u);
    const QStringList& l = p[0];
    ASSERT_GE(l.size(), 26);
    EXPECT_EQ(l[0], QStringLiteral("YO9XX - SUMMARY"));
    EXPECT_EQ(l[1], QStringLiteral("CQWWDX 28.11.26"));
    EXPECT_EQ(l[2], QStringLiteral("Worked in Section:"));
    EXPECT_EQ(l[4], QStringLiteral("No. of Operator's: 2"));
    EXPECT_EQ(l[5], QStringLiteral("QTH: BUCURESTI"));
    EXPECT_EQ(l[13], QStringLiteral("Club: YO DX CLUB"));
    EXPECT_EQ(l[14], QStringLiteral("Band No.QSO Points Score"));
    EXPECT_EQ(l[15], QStringLiteral("1.8 1 3 2"));
    EXPECT_EQ(l[18], QStringLiteral("14 1 1 2"));
    EXPECT_EQ(l[21], QStringLiteral("TOTAL 2 4 16"));
    EXPECT_EQ(l.last(), QStringLiteral("Date.............. Op(s) signature..................."));
}

TEST_F(PdfPrintout, FileThatCannotBeWrittenIsNamedWithTheReason) {
    review::PrintedDocument doc;
    doc.pages.push_back({{10, {{5, QStringLiteral("x")}}}});
    const QString path = dir.filePath(QStringLiteral("missing/x.pdf"));
    const review::PrintResult r = printer.print(doc, path);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.startsWith(path + QStringLiteral(": "))) << r.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
