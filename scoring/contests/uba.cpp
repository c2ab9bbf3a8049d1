// UBA: Belgian stations send their province. Belgian call prefixes (ON4, OT6, ...) and the
// European Union countries count per band (Mlt), Belgian provinces as a second multiplier
// (Mlt1).
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

const ContestInfo kRow{
    .code = 215,
    .optionButton = "OpbUBA",
    .buttonCaption = "UBA Contest",
    .tipTestCaption = "UBA Contest",
    .deskCaption = "UBA",
    .contestName = "UBA Contest",
    .shortTitle = "UBA Contest ",
    .sentQualifying = SentExchange::SerialFromControl,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = k160Off,
    .focusExchangeField = true,
    .exports = {.offersTxt = false,
                .stfName = "UBA Contest ",
                .countsMlt1 = true,
                .claims160 = true,
                .adifComment = "UBA Contest ",
                .printedLogTitle = "UBA Contest ",
                .summary160 = true},
};

bool isBelgian(const QString& pfx) {
    return pfx == QLatin1String("ON");
}

// The 47 prefixes that count as countries.
bool isUbaCountry(const QString& pfx) {
    return isOneOf(pfx,
                   {"9H", "5B", "CT", "CT3", "CU",  "DL", "EA",  "EA6", "EA8", "EI", "ES", "F",
                    "FM", "FG", "FR", "FY",  "GD",  "G",  "GI",  "GJ",  "GU",  "GM", "GW", "HA",
                    "IS", "I",  "LX", "LY",  "OE",  "LZ", "OH",  "OH0", "OJ0", "OK", "OM", "OZ",
                    "S5", "PA", "SM", "SP",  "SV5", "SV", "SV9", "SY",  "YL",  "TK", "YO"});
}

class Uba final : public Contest {
public:
    Uba() : Contest(kRow) {}

    void detectMultiplier(ContestDesk& desk) const override {
        SharedState& s = desk.state();
        const QString& w = worked(desk);
        if (isBelgian(w)) {
            markPerBand(desk, desk.call().left(3));
            const QString province = received(desk).right(2);
            if (province.isEmpty())
                s.Mult1Value = kOneBlank;
            else
                markSecondPerBand(desk, province, kTwoBlanks);
        } else if (isUbaCountry(w)) {
            markPerBand(desk, w);
            s.Mult1Value = kOneBlank;
        } else {
            s.MultValue = kOneBlank;
            s.Mult1Value = kOneBlank;
        }
    }
    QString bandMarkKey(ContestDesk& desk) const override {
        const QString& w = worked(desk);
        return isUbaCountry(w) && !isBelgian(w) ? desk.shownPrefix() : QString();
    }
    bool countsSecondMultiplier() const override { return true; }

    std::optional<QString> qsoPoints(const PointsInput& in) const override {
        if (isBelgian(in.workedPfx)) return pointsText(10);
        return pointsText(isUbaCountry(in.workedPfx) ? 3 : 1);
    }

    bool advancesSerial(const QString&, const QString&, Numbering) const override { return true; }
    bool resumesSerial(const QString&, Numbering) const override { return true; }
    void afterGrid(ContestDesk& desk) const override { desk.detectMultiplier(); }

    const char* mult1Caption() const override { return "Province"; }
};

} // namespace

const Contest& uba() {
    static const Uba contest;
    return contest;
}

} // namespace korvel::scoring
