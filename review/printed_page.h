#pragma once
// Printouts as plain data: pages of rows, each row in one font size with its texts at
// character columns. The printed log is one more writer of the export pass; the summary sheet
// is built from the station values and the totals. A PagePrinter (a Qt painter in the
// program, a fake in tests) puts a document on paper or into a PDF file.

#include "review/export_pass.h"
#include "review/rescoring.h"

#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace korvel::review {

// The font every printout names; the painter takes a metric twin where it is not installed.
inline constexpr const char* kPrintFont = "Arial";

// A text whose left edge stands at `column` average character widths of the row's font.
struct PrintCell {
    int column = 0;
    QString text;
};

// One line of a page; a row without cells is an empty line of its font's height.
struct PrintRow {
    int pointSize = 10;
    std::vector<PrintCell> cells;
};

using PrintedPage = std::vector<PrintRow>;

struct PrintedDocument {
    QString fontFamily = QLatin1String(kPrintFont);
    std::vector<PrintedPage> pages;
};

// The rows of a page joined as text, each cell at its column (for reading a page back).
QString pageText(const PrintedPage& page);

// Where a printout went, or why it did not.
struct PrintResult {
    bool ok = false;
    bool toPdf = false; // written into `where` as a PDF file (no printer, or asked for)
    QString where;      // the printer's name or the PDF file's path
    QString error;      // with the printer or the path, and the reason
};

class PagePrinter {
public:
    virtual ~PagePrinter() = default;
    // Prints on the default printer; without one (or when the printer is set up to do so)
    // writes the PDF file `pdfPath`.
    virtual PrintResult print(const PrintedDocument& document, const QString& pdfPath) = 0;
};

// QSO lines on a printed log page before a new page with its head is begun.
inline constexpr int kQsoLinesPerPage = 60;

// The printed log: every page begins with the head (the title line, the column line), one
// line per QSO, and after the last an empty line and the TOTAL line with the totals formed
// at the end of the pass.
class PrintedLogWriter : public FormatWriter {
public:
    PrintedLogWriter(QString title, std::function<Totals()> totals)
        : title_(std::move(title)), totals_(std::move(totals)) {}
    void header(LineWriter&) override;
    void line(const ExportRecord& record, LineWriter&) override;
    void closing(LineWriter&) override;
    const PrintedDocument& document() const { return document_; }

private:
    void beginPage();
    QString title_;
    std::function<Totals()> totals_;
    PrintedDocument document_;
    int linesOnPage_ = 0;
};

} // namespace korvel::review
