// Scandinavian Activity: only Scandinavian stations may be worked; their call district (the
// country prefix and the call's digit) counts per band.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kScandinavia[] = {"JX", "JW", "LA", "OH0", "OH", "OJ0",
                                             "OY", "OX", "OZ", "TF",  "SM"};

const ContestInfo kRow{
    .code = 213,
    .optionButton = "OpbScandin",
    .buttonCaption = "Scandinavian Contest",
    .tipTestCaption = "Scandinavian",
    .deskCaption = "Scandinav ",
    .contestName = "Scandinavian Contest ",
    .shortTitle = "Scandinavian ",
    .sentQualifying = SentExchange::SerialFromControl,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = kFiveOn160Off,
    .ssbButton = On,
    .exports = {.offersTxt = false,
                .stfName = "Scandinavian ",
                .countsMlt1 = true,
                .claims160 = true,
                .adifComment = "Scandinavian Contest ",
                .printedLogTitle = "Scandinavian ",
                .summary160 = true},
};

class Scandinavian final : public Contest {
public:
    Scandinavian() : Contest(kRow) {}

    bool admits(const QString&, const QString& w) const override {
        return isListed(w, kScandinavia);
    }
    // The district worked out when the country was found (kept for a refused call too).
    void detectMultiplier(ContestDesk& desk) const override { markPerBand(desk, desk.memo()); }
    QString bandMarkKey(ContestDesk& desk) const override { return desk.memo(); }

    std::optional<QString> qsoPoints(const PointsInput&) const override { return pointsText(1); }
    bool pointsDependOnCountry() const override { return false; }

    bool advancesSerial(const QString&, const QString&, Numbering) const override { return true; }
    bool resumesSerial(const QString&, Numbering) const override { return true; }

    void onCountryFound(ContestDesk& desk) const override {
        const QString& w = worked(desk);
        if (isListed(w, kScandinavia)) desk.memo() = scandinavianDistrict(w, desk.call());
    }
    void afterGrid(ContestDesk& desk) const override { desk.detectMultiplier(); }
};

} // namespace

const Contest& scandinavian() {
    static const Scandinavian contest;
    return contest;
}

} // namespace korvel::scoring
