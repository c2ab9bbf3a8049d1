#include "review/adif.h"

#include "core/contest_exports.h"

namespace korvel::review {

QString adifHeadLine(const QString& name) {
    return QStringLiteral(" LOG ") + name + QStringLiteral(" ADIF export <EOH> ");
}

QString adifField(const char* tag, const QString& value) {
    return QLatin1Char('<') + QLatin1String(tag) + QLatin1Char(':') +
           QString::number(value.size()) + QLatin1Char('>') + value;
}

namespace {

bool isWholeNumber(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

QString exchangeField(const char* numberTag, const char* stringTag, const QString& value) {
    return adifField(isWholeNumber(value) ? numberTag : stringTag, value);
}

} // namespace

QString adifRecord(const ExportRecord& r, const QString& comment) {
    const QString mode = r.mode.trimmed();
    const QString sentExchange = exchangeOf(r.sent, mode).trimmed();
    const QString rcvdExchange = exchangeOf(r.received, mode).trimmed();
    QString line;
    line.reserve(200);
    line += adifField("CALL", r.call.trimmed());
    line += adifField("QSO_DATE", QStringLiteral("20") + r.date.mid(6, 2) + r.date.mid(3, 2) +
                                      r.date.mid(0, 2));
    line += adifField("TIME_ON", r.time.mid(0, 2) + r.time.mid(3, 2));
    line += adifField("MODE", mode);
    line += adifField("BAND", r.band.trimmed() + QLatin1Char('m'));
    line += adifField("RST_SENT", reportOf(r.sent, mode));
    line += exchangeField("STX", "STX_STRING", sentExchange);
    line += adifField("RST_RCVD", reportOf(r.received, mode));
    line += exchangeField("SRX", "SRX_STRING", rcvdExchange);
    line += adifField("COMMENT", comment);
    line += QLatin1String("<EOR>");
    return line;
}

QString adifComment(int contestCode, const QString& startDate) {
    const ContestExports& c = contestExports(contestCode);
    QString text = QLatin1String(c.adifComment);
    if (c.adifCommentDated) text += startDate;
    return text.trimmed();
}

void AdifWriter::header(LineWriter& out) {
    out.line(adifHeadLine(name_));
}

void AdifWriter::line(const ExportRecord& record, LineWriter& out) {
    out.line(adifRecord(record, comment_));
}

} // namespace korvel::review
