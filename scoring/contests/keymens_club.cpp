// Keymen's Club of Japan: only Japanese stations may be worked; they send their prefecture,
// which counts per band. Everybody else sends the continent.
#include "scoring/contests/home_country.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kHome[] = {"JA"};

const ContestInfo kRow{
    .code = 210,
    .optionButton = "OpbKeymens",
    .buttonCaption = "Keymen's Club",
    .tipTestCaption = "Keymen's Club",
    .deskCaption = "Keymen's ",
    .contestName = "Keymen's Club of Japan ",
    .shortTitle = "Keymen's Club ",
    .sentQualifying = SentExchange::OwnContinent,
    .sentOthers = SentExchange::OwnContinent,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = kAllOn,
    .ssbButton = Off,
    .exports = {.stfName = "Keymen's Club ",
                .countsMlt1 = true,
                .claims160 = true,
                .adifComment = "Keymen's Club Contest",
                .printedLogTitle = "Keymen's ",
                .summary160 = true},
};

class KeymensClub final : public HomeCountryRules {
public:
    KeymensClub() : HomeCountryRules(kRow, kHome) {}

    std::optional<QString> qsoPoints(const PointsInput&) const override { return pointsText(1); }
    bool pointsDependOnCountry() const override { return false; }
    // No serial numbers: the sent exchange is the continent.
    bool advancesSerial(const QString&, const QString&, Numbering) const override { return false; }
    bool resumesSerial(const QString&, Numbering) const override { return false; }
    // The prefectures of the call's area are offered; the multiplier follows the choice.
    void afterGrid(ContestDesk& desk) const override {
        if (isHome(worked(desk))) desk.exchangeListStep(keymenPrefectures(desk.call()));
    }
};

} // namespace

const Contest& keymensClub() {
    static const KeymensClub contest;
    return contest;
}

} // namespace korvel::scoring
