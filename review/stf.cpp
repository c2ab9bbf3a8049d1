#include "review/stf.h"

#include "review/fixed_width.h"

namespace korvel::review {

QString stfQsoLine(const ExportRecord& r) {
    const QString mode = r.mode.trimmed();
    const QString mult = r.mult.trimmed();
    QString line;
    line.reserve(64);
    line += fixedWidth(
        QStringLiteral("20") + r.date.mid(6, 2) + r.date.mid(3, 2) + r.date.mid(0, 2), 9);
    line += fixedWidth(r.time.mid(0, 2) + r.time.mid(3, 2), 5);
    line += fixedWidth(r.band.trimmed(), 4);
    line += fixedWidth(mode, 4);
    line += fixedWidth(r.call.trimmed(), 14);
    line += fixedWidth(reportOf(r.sent, mode), 4);
    line += fixedWidth(exchangeOf(r.sent, mode), 8);
    line += fixedWidth(reportOf(r.received, mode), 4);
    line += fixedWidth(exchangeOf(r.received, mode), 8);
    line += fixedWidth(r.points.trimmed(), 3);
    line += fixedWidth(mult.isEmpty() ? QStringLiteral("-") : mult, 8);
    return line;
}

void StfWriter::header(LineWriter& out) {
    const StfHeader& h = header_;
    // Keys are 13 wide, "Mailadress" 12.
    const auto key = [&](const char* name, const QString& value, int width = 13) {
        out.line(fixedWidth(QLatin1String(name), width) + value);
    };
    out.line(QStringLiteral("STF1"));
    out.line(QStringLiteral("# Created by: KorvelLog/Tamrik"));
    out.line(QStringLiteral("#STF specs at ") + specAddress_);
    out.line(QString());
    out.line(QStringLiteral("Header"));
    key("Contest", h.contest);
    key("MyCall", h.myCall);
    key("Category", h.category);
    for (const QString& line : h.mailAddress)
        key("Mailadress", line, 12);
    key("EMail", h.email);
    key("ClaimedQso", h.claimedQso);
    key("ClaimedPts", h.claimedPoints);
    key("ClaimedMult", h.claimedMultipliers);
    key("ClaimedScore", h.claimedScore);
    key("Operators", h.operators);
    key("Club", h.club);
    key("Equipment", h.equipment);
    key("Power", h.power);
    key("Specific", h.specific);
    key("Soapbox", h.soapbox);
    key("QsoOrder", h.qsoOrder);
    out.line(QStringLiteral("EndHeader"));
    out.line(QString());
    out.line(QStringLiteral("QsoList"));
}

void StfWriter::line(const ExportRecord& record, LineWriter& out) {
    out.line(stfQsoLine(record));
}

void StfWriter::closing(LineWriter& out) {
    out.line(QStringLiteral("EndQsoList"));
}

} // namespace korvel::review
