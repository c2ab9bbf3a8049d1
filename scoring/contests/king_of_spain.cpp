// King of Spain: Spanish stations send their province, others a serial. A foreign station
// counts the Spanish provinces, a Spanish station the countries; per band.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kEA[] = {"EA", "EA6", "EA8", "EA9"};

const ContestInfo kRow{
    .code = 107,
    .optionButton = "OpbKing",
    .buttonCaption = "King-of-Spain Contest",
    .tipTestCaption = "KING-OF-SPAIN",
    .deskCaption = "KingEA",
    .contestName = "KingEA",
    .shortTitle = "King of Spain",
    .prompt = {.prefixSource = PrefixSource::ReRead,
               .qualifying = kEA,
               .captionQualifying = "MY COUNTY",
               .fillQualifying = ExchangeFill::MyBezirk,
               .minLength = 2},
    .sentQualifying = SentExchange::OwnExchange,
    .sentOthers = SentExchange::Serial,
    .modeFrame = ModeFrame::HiddenModeKept,
    .bandButtons = k160On,
    .focusExchangeField = true,
    .exports = {.stfName = "King-of-Spain ",
                .claims160 = true,
                .adifComment = " King of Spain ",
                .adifCommentDated = true,
                .printedLogTitle = "King of Spain ",
                .summaryFileTitle = " King of Spain ",
                .printedSummaryTitle = "King of Spain ",
                .summary160 = true},
};

bool isSpanish(const QString& pfx) {
    return isListed(pfx, kEA);
}

class KingOfSpain final : public Contest {
public:
    KingOfSpain() : Contest(kRow) {}

    void detectMultiplier(ContestDesk& desk) const override {
        if (isSpanish(desk.state().MyPrfx))
            markPerBand(desk, worked(desk));
        else if (isSpanish(worked(desk)))
            markPerBand(desk, exchange(desk));
        else
            desk.state().MultValue = kTwoBlanks;
    }
    QString bandMarkKey(ContestDesk& desk) const override {
        return isSpanish(worked(desk)) ? exchange(desk) : QString();
    }

    std::optional<QString> qsoPoints(const PointsInput&) const override { return pointsText(1); }
    bool pointsDependOnCountry() const override { return false; }

    bool padsReceivedSerial(const QString& w) const override { return !isSpanish(w); }
    bool advancesSerial(const QString& own, const QString&, Numbering) const override {
        return !isSpanish(own);
    }
    bool resumesSerial(const QString& own, Numbering) const override { return !isSpanish(own); }

    void afterDupeCheck(ContestDesk& desk) const override {
        desk.hidePickList();
        if (isSpanish(worked(desk))) desk.exchangeListStep(eaProvinces(thirdChar(desk.call())));
    }
};

} // namespace

const Contest& kingOfSpain() {
    static const KingOfSpain contest;
    return contest;
}

} // namespace korvel::scoring
