#pragma once
// Puts a printed document on paper: each row in the printout's font at its size, each text at
// its column times the font's average character width, pages as the document has them. A
// page taller or wider than the paper is drawn smaller to fit. "Arial" is taken where it is
// installed, else its metric twin Liberation Sans.
//
// The default printer is used; without one, or when asked to, a PDF file is written instead.

#include "review/printed_page.h"

class QPagedPaintDevice;

namespace korvel {

class QtPagePrinter : public review::PagePrinter {
public:
    enum class Output {
        DefaultPrinter, // the system's default printer; a PDF file when there is none
        PdfFile,        // always the PDF file (replayed sessions, tests)
    };
    explicit QtPagePrinter(Output output = Output::DefaultPrinter) : output_(output) {}
    review::PrintResult print(const review::PrintedDocument& document,
                              const QString& pdfPath) override;

    // The family the printout's font is drawn in.
    static QString fontFamily(const QString& wanted);

    // Paints the document onto a device; an empty text when it went well, else the reason.
    static QString paint(const review::PrintedDocument& document, QPagedPaintDevice& device);

private:
    review::PrintResult toPdf(const review::PrintedDocument& document, const QString& path);
    Output output_;
};

} // namespace korvel
