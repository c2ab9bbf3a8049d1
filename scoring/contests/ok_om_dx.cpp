// OK-OM DX: only Czech and Slovak stations may be worked; their district counts per band.
#include "scoring/contests/home_country.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kHome[] = {"OK", "OM"};

const ContestInfo kRow{
    .code = 212,
    .optionButton = "OpbOKOm",
    .buttonCaption = "OK-OM DX Contest",
    .tipTestCaption = "OK-OM DX",
    .deskCaption = "OK-OM DX",
    .contestName = "OK-OM DX Contest ",
    .shortTitle = "OK-OM DX ",
    .sentQualifying = SentExchange::SerialFromControl,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = kAllOn,
    .ssbButton = Off,
    .exports = {.offersTxt = false,
                .stfName = "OK-OM DX ",
                .countsMlt1 = true,
                .claims160 = true,
                .adifComment = "OK-OM DX Contest ",
                .printedLogTitle = "OK-OM ",
                .summary160 = true},
};

class OkOmDx final : public HomeCountryRules {
public:
    OkOmDx() : HomeCountryRules(kRow, kHome) {}

    std::optional<QString> qsoPoints(const PointsInput&) const override { return pointsText(1); }
    bool pointsDependOnCountry() const override { return false; }
};

} // namespace

const Contest& okOmDx() {
    static const OkOmDx contest;
    return contest;
}

} // namespace korvel::scoring
