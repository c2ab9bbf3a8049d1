#include "review/cabrillo.h"

#include "review/fixed_width.h"

#include <utility>

namespace korvel::review {

QString cabrilloFrequency(const QString& band) {
    static const std::pair<const char*, const char*> kFrequencies[] = {
        {"10", "28000"}, {"15", "21000"}, {"20", "14000"},
        {"40", "7000"},  {"80", "3500"},  {"160", "1800"},
    };
    const QString b = band.trimmed();
    for (const auto& [metres, kHz] : kFrequencies)
        if (b == QLatin1String(metres)) return QLatin1String(kHz);
    return band;
}

QString cabrilloQsoLine(const ExportRecord& r, const QString& ownCall, CabrilloLayout layout) {
    const QString mode = r.mode.trimmed();
    const QString date = r.date;
    const QString isoDate = QStringLiteral("20") + date.mid(6, 2) + QLatin1Char('-') +
                            date.mid(3, 2) + QLatin1Char('-') + date.mid(0, 2) + QLatin1Char(' ');
    QString line;
    line.reserve(80);
    line += fixedWidth(QStringLiteral("QSO:"), 5);
    // The frequency the log holds, else the band's lower edge.
    line += fixedWidth(r.kHz > 0 ? QString::number(r.kHz) : cabrilloFrequency(r.band), 6);
    line += fixedWidth(mode == QLatin1String("SSB") ? QStringLiteral("PH") : mode, 3);
    line += fixedWidth(isoDate, 11);
    line += fixedWidth(r.time.mid(0, 2) + r.time.mid(3, 2), 5);
    line += fixedWidth(ownCall.trimmed(), 14);
    line += fixedWidth(reportOf(r.sent, mode), 4);
    line += fixedWidth(exchangeOf(r.sent, mode), layout.sentExchangeWidth);
    line += fixedWidth(r.call.trimmed(), 14);
    line += fixedWidth(reportOf(r.received, mode), 4);
    line += fixedWidth(exchangeOf(r.received, mode), layout.rcvdExchangeWidth);
    return line;
}

void CabrilloWriter::header(LineWriter& out) {
    const CabrilloHeader& h = header_;
    const auto tag = [&](const char* name, const QString& value) {
        out.line(QLatin1String(name) + QStringLiteral(": ") + value);
    };
    out.line(QStringLiteral("START-OF-LOG: 3.0"));
    tag("CALLSIGN", h.callsign);
    tag("CATEGORY-ASSISTED", h.assisted);
    tag("CATEGORY-BAND", h.band);
    tag("CATEGORY-MODE", h.mode);
    tag("CATEGORY-OPERATOR", h.operatorCategory);
    tag("CATEGORY-POWER", h.power);
    tag("CATEGORY-STATION", h.station);
    tag("CATEGORY-TIME", h.time);
    tag("CATEGORY-TRANSMITTER", h.transmitter);
    tag("CATEGORY-OVERLAY", h.overlay);
    tag("CLAIMED-SCORE", h.claimedScore);
    tag("CLUB", h.club);
    tag("CONTEST", h.contest);
    out.line(QLatin1String(kCabrilloCreatedBy));
    tag("EMAIL", h.email);
    tag("LOCATION", h.location);
    tag("NAME", h.name);
    tag("ADDRESS", h.address1);
    tag("ADDRESS", h.address2);
    tag("OPERATORS", h.operators);
    tag("OFFTIME", h.offtime);
    tag("SOAPBOX", h.soapbox1);
    tag("SOAPBOX", h.soapbox2);
    tag("DEBUG", h.debug);
}

void CabrilloWriter::line(const ExportRecord& record, LineWriter& out) {
    out.line(cabrilloQsoLine(record, header_.callsign, layout_));
}

void CabrilloWriter::closing(LineWriter& out) {
    out.line(QStringLiteral("END-OF-LOG:"));
}

} // namespace korvel::review
