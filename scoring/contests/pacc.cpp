// PACC: only Dutch stations may be worked. Dutch stations send their province, others a
// serial; a foreign station counts the provinces, a Dutch station the countries.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kPA[] = {"PA"};

const ContestInfo kRow{
    .code = 108,
    .optionButton = "OpbPACC",
    .buttonCaption = "PACC  Contest",
    .tipTestCaption = "PACC Contest",
    .deskCaption = "PACC",
    .contestName = "PACC",
    .shortTitle = "PACC Contest",
    .prompt = {.prefixSource = PrefixSource::ReRead,
               .qualifying = kPA,
               .captionQualifying = "MY COUNTY",
               .fillQualifying = ExchangeFill::MyBezirk,
               .minLength = 2},
    .sentQualifying = SentExchange::OwnExchange,
    .sentOthers = SentExchange::Serial,
    .modeFrame = ModeFrame::HiddenModeKept,
    .bandButtons = k160On,
    .focusExchangeField = true,
    .exports = {.stfName = "PACC-Contest ",
                .claims160 = true,
                .adifComment = " PACC Contest ",
                .adifCommentDated = true,
                .printedLogTitle = "PACC Contest ",
                .summaryFileTitle = " PACC Contest ",
                .printedSummaryTitle = "PACC Contest ",
                .summary160 = true},
};

bool isPa(const QString& pfx) {
    return pfx == QLatin1String("PA");
}

class Pacc final : public Contest {
public:
    Pacc() : Contest(kRow) {}

    bool admits(const QString&, const QString& w) const override { return isPa(w); }
    void detectMultiplier(ContestDesk& desk) const override {
        if (isPa(desk.state().MyPrfx))
            markPerBand(desk, worked(desk));
        else if (isPa(worked(desk)))
            markPerBand(desk, exchange(desk));
    }
    QString bandMarkKey(ContestDesk& desk) const override {
        return isPa(worked(desk)) ? exchange(desk) : QString();
    }

    std::optional<QString> qsoPoints(const PointsInput&) const override { return pointsText(1); }
    bool pointsDependOnCountry() const override { return false; }

    // The received exchange is never a serial to pad: every admitted station is Dutch and
    // sends its province.
    bool advancesSerial(const QString& own, const QString&, Numbering) const override {
        return !isPa(own);
    }
    bool resumesSerial(const QString& own, Numbering) const override { return !isPa(own); }

    void afterDupeCheck(ContestDesk& desk) const override {
        desk.hidePickList();
        if (isPa(worked(desk))) desk.exchangeListStep(paccProvinces());
    }
};

} // namespace

const Contest& pacc() {
    static const Pacc contest;
    return contest;
}

} // namespace korvel::scoring
