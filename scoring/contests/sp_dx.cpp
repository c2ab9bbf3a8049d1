// SP DX: only Polish stations may be worked; their province counts per band and mode.
#include "scoring/contests/home_country.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kHome[] = {"SP"};

const ContestInfo kRow{
    .code = 207,
    .optionButton = "OpbSPDX",
    .buttonCaption = "SP DX Contest",
    .tipTestCaption = "SP DX",
    .deskCaption = "SP DX",
    .contestName = "SP DX Contest ",
    .shortTitle = "SP DX ",
    .sentQualifying = SentExchange::SerialFromControl,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = kAllOn,
    .ssbButton = On,
    .exports = {.offersStf = false,
                .offersTxt = false,
                .stfName = "SP DX ",
                .countsMlt1 = true,
                .claims160 = true,
                .adifComment = "SP DX Contest ",
                .printedLogTitle = "SP-DX ",
                .summary160 = true},
};

class SpDx final : public HomeCountryRules {
public:
    SpDx() : HomeCountryRules(kRow, kHome) {}

    DupeRule dupeRule(ModeRule) const override { return DupeRule::PerBandAndMode; }
    std::optional<QString> qsoPoints(const PointsInput&) const override { return pointsText(3); }
    bool pointsDependOnCountry() const override { return false; }
};

} // namespace

const Contest& spDx() {
    static const SpDx contest;
    return contest;
}

} // namespace korvel::scoring
