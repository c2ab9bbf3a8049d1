#pragma once
// The export pass: one walk over the log in entry order that hands every QSO to a format
// writer. Every output format (Cabrillo, STF, and the text log, ADIF and printouts to come)
// is a FormatWriter; the pass and the writers write to any QIODevice, so the same code
// fills a file, a printer page or, in tests, a memory buffer.

#include "store/review_queries.h"

#include <QIODevice>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace korvel::review {

// A LogGen row cut into the fixed-width fields every format builds its line from.
struct ExportRecord {
    QString number;   // running number in the pass, 4 wide
    QString call;     // 12
    QString date;     // 12, "dd.mm.yy" as stored
    QString time;     // 6, "hh:mm" as stored
    QString band;     // as stored
    QString sent;     // 12, report, one blank, exchange
    QString received; // 12
    QString mode;     // 4, "CW" or "SSB"
    QString mult;     // 5, a single blank when the column is empty
    QString points;   // 8
    // The frequency logged with the QSO (QsoFreq) in kHz, 0 for none.
    std::int64_t kHz = 0;
};

ExportRecord exportRecord(const store::QsoRow& row, std::int64_t number);

// The report and the exchange of a Sent or Received field as the QSO lines take them: for
// SSB the first two characters and what follows the fourth, otherwise the first three and
// what follows the fifth (the field holds report, one blank, exchange).
QString reportOf(const QString& field, const QString& mode);
QString exchangeOf(const QString& field, const QString& mode);

// Lines onto a device, each ended with CR LF, handed on in blocks. The first write that
// fails is kept and every later line is dropped.
class LineWriter {
public:
    explicit LineWriter(QIODevice& device) : device_(device) {}
    ~LineWriter() { flush(); }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;
    void line(const QString& text);
    // Hands what is held on to the device.
    void flush();
    bool ok() const { return error_.isEmpty(); }
    const QString& error() const { return error_; }

private:
    QIODevice& device_;
    QByteArray held_;
    QString error_;
};

class FormatWriter {
public:
    virtual ~FormatWriter() = default;
    virtual void header(LineWriter& out) = 0;
    virtual void line(const ExportRecord& record, LineWriter& out) = 0;
    virtual void closing(LineWriter& out) = 0;
};

struct PassResult {
    bool ok = false;
    QString error;         // why nothing or not everything was written
    std::int64_t qsos = 0; // QSO lines written
};

// Header, one line per QSO in entry order, closing line.
PassResult runExportPass(store::ReviewQueries& queries, FormatWriter& writer, QIODevice& out);

// The pass into a file: written under a temporary name and put in place only when every
// line is on the disk, so a failed export leaves an earlier file as it was. The error names
// the file and the reason.
PassResult exportToFile(store::ReviewQueries& queries, FormatWriter& writer, const QString& path);

// Lines into a file, put in place as exportToFile does. Empty when written, else the file and
// the reason.
QString writeLinesToFile(const QStringList& lines, const QString& path);

} // namespace korvel::review
