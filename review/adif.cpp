#include "review/adif.h"

#include "scoring/contests/registry.h"

#include <algorithm>

namespace korvel::review {

QString adifHeadLine(const QString& name) {
    return QStringLiteral(" LOG ") + name + QStringLiteral(" ADIF export <EOH> ");
}

namespace {

// Appends "<TAG:length>value" to `line` without a string of its own.
void putField(QString& line, QLatin1StringView tag, QStringView value) {
    line += QLatin1Char('<');
    line += tag;
    line += QLatin1Char(':');
    line += QString::number(value.size());
    line += QLatin1Char('>');
    line += value;
}

bool isWholeNumber(QStringView text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

} // namespace

QString adifField(const char* tag, const QString& value) {
    QString line;
    putField(line, QLatin1StringView(tag), value);
    return line;
}

QString adifRecord(const ExportRecord& r, const QString& comment) {
    const QStringView mode = QStringView(r.mode).trimmed();
    const bool ssb = mode == QLatin1String("SSB");
    const QStringView sent = QStringView(r.sent).trimmed();
    const QStringView rcvd = QStringView(r.received).trimmed();
    const qsizetype reportSize = ssb ? 2 : 3;
    const qsizetype exchangeStart = ssb ? 3 : 4;
    const QStringView sentExchange =
        sent.size() > exchangeStart ? sent.mid(exchangeStart).trimmed() : QStringView();
    const QStringView rcvdExchange =
        rcvd.size() > exchangeStart ? rcvd.mid(exchangeStart).trimmed() : QStringView();
    // Date "dd.mm.yy" and time "hh:mm" as stored, cut safely however short they are.
    const auto piece = [](const QString& text, qsizetype pos, qsizetype n) {
        const QStringView v(text);
        return pos >= v.size() ? QStringView() : v.sliced(pos, std::min(n, v.size() - pos));
    };
    QString qsoDate;
    qsoDate.reserve(8);
    qsoDate += QLatin1String("20");
    qsoDate += piece(r.date, 6, 2);
    qsoDate += piece(r.date, 3, 2);
    qsoDate += piece(r.date, 0, 2);
    QString timeOn;
    timeOn.reserve(4);
    timeOn += piece(r.time, 0, 2);
    timeOn += piece(r.time, 3, 2);
    QString line;
    line.reserve(200);
    putField(line, QLatin1StringView("CALL"), QStringView(r.call).trimmed());
    putField(line, QLatin1StringView("QSO_DATE"), qsoDate);
    putField(line, QLatin1StringView("TIME_ON"), timeOn);
    putField(line, QLatin1StringView("MODE"), mode);
    const QStringView band = QStringView(r.band).trimmed();
    line += QLatin1String("<BAND:");
    line += QString::number(band.size() + 1);
    line += QLatin1Char('>');
    line += band;
    line += QLatin1Char('m');
    if (r.kHz > 0) { // the frequency the log holds, in MHz
        const QString mhz = QString::number(r.kHz / 1000) + QLatin1Char('.') +
                            QString::number(r.kHz % 1000).rightJustified(3, QLatin1Char('0'));
        putField(line, QLatin1StringView("FREQ"), mhz);
    }
    putField(line, QLatin1StringView("RST_SENT"), sent.left(reportSize));
    putField(line, QLatin1StringView(isWholeNumber(sentExchange) ? "STX" : "STX_STRING"),
             sentExchange);
    putField(line, QLatin1StringView("RST_RCVD"), rcvd.left(reportSize));
    putField(line, QLatin1StringView(isWholeNumber(rcvdExchange) ? "SRX" : "SRX_STRING"),
             rcvdExchange);
    putField(line, QLatin1StringView("COMMENT"), comment);
    line += QLatin1String("<EOR>");
    return line;
}

QString adifComment(int contestCode, const QString& startDate) {
    const ContestExports& c = scoring::contestExports(contestCode);
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
