#include "app/page_printer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include <algorithm>

namespace korvel {

using review::PrintedDocument;
using review::PrintResult;

QString QtPagePrinter::fontFamily(const QString& wanted) {
    if (QFontDatabase::hasFamily(wanted)) return wanted;
    if (wanted == QLatin1String(review::kPrintFont) &&
        QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")))
        return QStringLiteral("Liberation Sans");
    return wanted;
}

QString QtPagePrinter::paint(const PrintedDocument& document, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return QStringLiteral("the output could not be started");
    const QString family = fontFamily(document.fontFamily);
    const QRectF area(0, 0, device.width(), device.height());
    bool first = true;
    for (const review::PrintedPage& page : document.pages) {
        if (!first && !device.newPage()) {
            painter.end();
            return QStringLiteral("a new page could not be begun");
        }
        first = false;
        // The page's height and width in the fonts of its rows; drawn smaller when it does not
        // fit the paper.
        qreal height = 0, width = 0;
        for (const review::PrintRow& row : page) {
            const QFont font(family, row.pointSize);
            const QFontMetricsF fm(font, &device);
            height += fm.lineSpacing();
            for (const review::PrintCell& c : row.cells)
                width = std::max(width,
                                 c.column * fm.averageCharWidth() + fm.horizontalAdvance(c.text));
        }
        qreal scale = 1.0;
        if (height > area.height()) scale = std::min(scale, area.height() / height);
        if (width > area.width()) scale = std::min(scale, area.width() / width);
        painter.save();
        painter.scale(scale, scale);
        qreal y = 0;
        for (const review::PrintRow& row : page) {
            const QFont font(family, row.pointSize);
            const QFontMetricsF fm(font, &device);
            painter.setFont(font);
            for (const review::PrintCell& c : row.cells)
                painter.drawText(QPointF(c.column * fm.averageCharWidth(), y + fm.ascent()),
                                 c.text);
            y += fm.lineSpacing();
        }
        painter.restore();
    }
    if (!painter.end()) return QStringLiteral("the output could not be finished");
    return QString();
}

namespace {
const QPageLayout kLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                          QMarginsF(15, 10, 10, 10), QPageLayout::Millimeter);
} // namespace

PrintResult QtPagePrinter::toPdf(const PrintedDocument& document, const QString& path) {
    PrintResult r;
    r.toPdf = true;
    r.where = path;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        r.error = path + QStringLiteral(": ") + file.errorString();
        return r;
    }
    QString error;
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(kLayout);
        pdf.setResolution(600);
        pdf.setCreator(QStringLiteral("Korvel"));
        error = paint(document, pdf);
    }
    if (error.isEmpty() && file.error() != QFileDevice::NoError) error = file.errorString();
    if (!error.isEmpty()) {
        file.cancelWriting();
        r.error = path + QStringLiteral(": ") + error;
        return r;
    }
    if (!file.commit()) {
        r.error = path + QStringLiteral(": ") + file.errorString();
        return r;
    }
    r.ok = true;
    return r;
}

PrintResult QtPagePrinter::print(const PrintedDocument& document, const QString& pdfPath) {
    if (output_ == Output::PdfFile) return toPdf(document, pdfPath);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return toPdf(document, pdfPath);
    PrintResult r;
    r.where = info.printerName();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageMargins(kLayout.margins(), QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("Korvel"));
    const QString error = paint(document, printer);
    if (!error.isEmpty() || printer.printerState() == QPrinter::Error) {
        r.error =
            QStringLiteral("printer %1: %2")
                .arg(r.where,
                     error.isEmpty() ? QStringLiteral("the printer reported an error") : error);
        return r;
    }
    r.ok = true;
    return r;
}

} // namespace korvel
