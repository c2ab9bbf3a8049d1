// Holyland DX: only Israeli stations may be worked; their area counts per band and mode,
// and the points depend on the band.
#include "scoring/contests/home_country.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kHome[] = {"4X"};

const ContestInfo kRow{
    .code = 208,
    .optionButton = "OpbHolyland",
    .buttonCaption = "Holyland DX Contest",
    .tipTestCaption = "Holyland DX",
    .deskCaption = "Holyland DX",
    .contestName = "Holyland DX Contest ",
    .shortTitle = "Holyland DX ",
    .sentQualifying = SentExchange::SerialFromControl,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = kAllOn,
    .ssbButton = On,
    .exports = {.offersStf = false,
                .offersTxt = false,
                .stfName = "Holyland DX ",
                .countsMlt1 = true,
                .claims160 = true,
                .adifComment = "Holyland DX Contest ",
                .printedLogTitle = "Holyland DX ",
                .summary160 = true},
};

class HolylandDx final : public HomeCountryRules {
public:
    HolylandDx() : HomeCountryRules(kRow, kHome) {}

    DupeRule dupeRule(ModeRule) const override { return DupeRule::PerBandAndMode; }
    std::optional<QString> qsoPoints(const PointsInput& in) const override {
        return pointsText(pointsByBand(in.band, 1, 2));
    }
    bool pointsDependOnCountry() const override { return false; }
};

} // namespace

const Contest& holylandDx() {
    static const HolylandDx contest;
    return contest;
}

} // namespace korvel::scoring
