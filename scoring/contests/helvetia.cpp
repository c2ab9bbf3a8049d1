// Helvetia: only Swiss stations may be worked; their canton (the last two characters of the
// exchange) counts per band.
#include "scoring/contests/home_country.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kHome[] = {"HB"};

const ContestInfo kRow{
    .code = 209,
    .optionButton = "Helvetia",
    .buttonCaption = "Helvetia Contest",
    .tipTestCaption = "Helvetia ",
    .deskCaption = "Helvetia",
    .contestName = "Helvetia Contest ",
    .shortTitle = "Helvetia ",
    .sentQualifying = SentExchange::SerialFromControl,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = kAllOn,
    .ssbButton = On,
    .exports = {.offersStf = false,
                .offersTxt = false,
                .stfName = "Helvetia DX ",
                .countsMlt1 = true,
                .claims160 = true,
                .adifComment = "Helvetia Contest ",
                .printedLogTitle = "Helvetia ",
                .summary160 = true},
};

class Helvetia final : public HomeCountryRules {
public:
    Helvetia() : HomeCountryRules(kRow, kHome) {}

    std::optional<QString> qsoPoints(const PointsInput&) const override { return pointsText(3); }
    bool pointsDependOnCountry() const override { return false; }
    // Deliberately "HB9", not the country prefix "HB": the own prefix as typed at setup
    // decides whether the station resumes a serial.
    bool resumesSerial(const QString& own, Numbering) const override {
        return own != QLatin1String("HB9");
    }

protected:
    QString areaKey(const QString& received) const override { return received.right(2); }
};

} // namespace

const Contest& helvetia() {
    static const Helvetia contest;
    return contest;
}

} // namespace korvel::scoring
