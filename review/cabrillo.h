#pragma once
// The Cabrillo 3.0 file: the header from the operator's panel, one QSO line per QSO and
// END-OF-LOG.

#include "review/export_pass.h"

#include <QString>

namespace korvel::review {

// The header values, copied trimmed from the header panel's fields.
struct CabrilloHeader {
    QString callsign;
    QString assisted, band, mode, operatorCategory, power, station, time, transmitter, overlay;
    QString claimedScore;
    QString club;
    QString contest;
    QString email, location, name, address1, address2, operators, offtime, soapbox1, soapbox2;
    QString debug;
};

// The fixed CREATED-BY line.
inline constexpr const char* kCabrilloCreatedBy = "CREATED-BY: KorvelLog/Tamrik ";

// Frequency column of a band text ("10" gives "28000"); another text stays as it is.
QString cabrilloFrequency(const QString& band);

struct CabrilloLayout {
    int sentExchangeWidth = 7;
    int rcvdExchangeWidth = 6;
};

QString cabrilloQsoLine(const ExportRecord& r, const QString& ownCall, CabrilloLayout layout);

class CabrilloWriter : public FormatWriter {
public:
    CabrilloWriter(CabrilloHeader header, CabrilloLayout layout)
        : header_(std::move(header)), layout_(layout) {}
    void header(LineWriter& out) override;
    void line(const ExportRecord& record, LineWriter& out) override;
    void closing(LineWriter& out) override;

private:
    CabrilloHeader header_;
    CabrilloLayout layout_;
};

} // namespace korvel::review
