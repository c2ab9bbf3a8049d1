#pragma once
// The STF file (the STF1 plain-text log): the header from the operator's panel, "QsoList",
// one QSO line per QSO and "EndQsoList".

#include "review/export_pass.h"

#include <QString>

namespace korvel::review {

// Where the file says the format is described; a public page on the STF1 format.
// (The sponsor took its own page down; this copy of the definition stays public.)
inline constexpr const char* kDefaultStfSpecAddress =
    "https://df4wx.de/?Sammelsurium___Das_%22STuetzerbach-Format%22_%28STF%29";

inline constexpr const char* kStfQsoOrder = "Date Time Band Mode Call SRst Sent RRst Rcvd Pts Mult";

// The header values, copied trimmed from the STF panel's fields.
struct StfHeader {
    QString contest, myCall, category;
    QString mailAddress[4];
    QString email;
    QString claimedQso, claimedPoints, claimedMultipliers, claimedScore;
    QString operators, club, equipment, power, specific, soapbox, qsoOrder;
};

QString stfQsoLine(const ExportRecord& r);

class StfWriter : public FormatWriter {
public:
    StfWriter(StfHeader header, QString specAddress)
        : header_(std::move(header)), specAddress_(std::move(specAddress)) {}
    void header(LineWriter& out) override;
    void line(const ExportRecord& record, LineWriter& out) override;
    void closing(LineWriter& out) override;

private:
    StfHeader header_;
    QString specAddress_;
};

} // namespace korvel::review
