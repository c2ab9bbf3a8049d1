#pragma once
// The ADIF file of the archive: a head line, then one record a line in entry order, each
// field "<TAG:length>value" with the length counted on the value written, "<EOR>" at the end
// of the record, lines ended with CR LF.

#include "review/export_pass.h"

#include <QString>

namespace korvel::review {

// The head line for an archive saved under `name`.
QString adifHeadLine(const QString& name);

// "<TAG:length>value".
QString adifField(const char* tag, const QString& value);

// The record of one QSO with the contest's comment (already trimmed). An exchange that is
// a whole number goes into STX / SRX; any other (a county, a DOK, a society) into
// STX_STRING / SRX_STRING, since a strict reader takes STX and SRX as numbers only.
QString adifRecord(const ExportRecord& r, const QString& comment);

// The contest's comment: its text, the start date appended when the contest asks for it,
// trimmed.
QString adifComment(int contestCode, const QString& startDate);

class AdifWriter : public FormatWriter {
public:
    AdifWriter(QString name, QString comment)
        : name_(std::move(name)), comment_(std::move(comment)) {}
    void header(LineWriter& out) override;
    void line(const ExportRecord& record, LineWriter& out) override;
    void closing(LineWriter&) override {}

private:
    QString name_;
    QString comment_;
};

} // namespace korvel::review
