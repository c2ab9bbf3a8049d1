// Ukrainian DX: everybody may be worked; Ukrainian oblasts (with a "*") and countries count
// per band and mode.
#include "scoring/contests/home_country.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kHome[] = {"UR"};

const ContestInfo kRow{
    .code = 211,
    .optionButton = "OpbUkrainean",
    .buttonCaption = "Ukrainian DX Contest",
    .tipTestCaption = "Ukrainian DX",
    .deskCaption = "Ukrainian DX",
    .contestName = "Ukrainian DX Contest ",
    .shortTitle = "Ukrainian DX ",
    .sentQualifying = SentExchange::SerialFromControl,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = kAllOn,
    .ssbButton = On,
    .exports = {.offersTxt = false,
                .stfName = "Ukrainian DX ",
                .countsMlt1 = true,
                .claims160 = true,
                .adifComment = "Ukrainian DX Contest",
                .printedLogTitle = "Ukrainian ",
                .summary160 = true},
};

class UkrainianDx final : public HomeCountryRules {
public:
    UkrainianDx() : HomeCountryRules(kRow, kHome) {}

    DupeRule dupeRule(ModeRule) const override { return DupeRule::PerBandAndMode; }
    bool admits(const QString&, const QString&) const override { return true; }
    std::optional<QString> qsoPoints(const PointsInput& in) const override {
        if (isHome(in.workedPfx)) return pointsText(10);
        if (in.workedPfx == in.myPrfx) return pointsText(1);
        return pointsText(in.workedCont == in.myCont ? 2 : 3);
    }
    // Everybody sends a serial.
    bool resumesSerial(const QString&, Numbering) const override { return true; }

protected:
    QString areaKey(const QString& received) const override { return received + QLatin1Char('*'); }
};

} // namespace

const Contest& ukrainianDx() {
    static const UkrainianDx contest;
    return contest;
}

} // namespace korvel::scoring
