// HA-DX: Hungarian stations send their county, others a serial. A foreign station counts
// the Hungarian counties, a Hungarian station the countries; per band.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kHA[] = {"HA"};

const ContestInfo kRow{
    .code = 105,
    .optionButton = "OpbHA",
    .buttonCaption = "HA-DX",
    .tipTestCaption = "HA-DX",
    .deskCaption = "HA-DX",
    .contestName = "HA-DX",
    .shortTitle = "HADx Contest",
    .prompt = {.prefixSource = PrefixSource::ReRead,
               .qualifying = kHA,
               .captionQualifying = "MY COUNTY",
               .fillQualifying = ExchangeFill::MyBezirk,
               .minLength = 2},
    .sentQualifying = SentExchange::OwnExchange,
    .sentOthers = SentExchange::Serial,
    .modeFrame = ModeFrame::Shown,
    .bandButtons = k160On,
    .focusExchangeField = true,
    .exports = {.stfName = "HA-DX ",
                .claims160 = true,
                .countryPanel = false,
                .adifComment = " HA DX CONTEST ",
                .adifCommentDated = true,
                .printedLogTitle = "HA DX CONTEST ",
                .summaryFileTitle = " HA DX CONTEST ",
                .printedSummaryTitle = "HA DX CONTEST ",
                .summary160 = true},
};

bool isHa(const QString& pfx) {
    return pfx == QLatin1String("HA");
}

class HaDx final : public Contest {
public:
    HaDx() : Contest(kRow) {}

    DupeRule dupeRule(ModeRule) const override { return DupeRule::PerBandAndMode; }
    void detectMultiplier(ContestDesk& desk) const override {
        if (isHa(desk.state().MyPrfx))
            markPerBand(desk, worked(desk));
        else if (isHa(worked(desk)))
            markPerBand(desk, exchange(desk));
        else
            desk.state().MultValue = kTwoBlanks;
    }
    QString bandMarkKey(ContestDesk& desk) const override {
        return isHa(worked(desk)) ? exchange(desk) : desk.shownPrefix();
    }

    std::optional<QString> qsoPoints(const PointsInput& in) const override {
        if (isHa(in.myPrfx)) {
            if (isHa(in.workedPfx)) return pointsText(1);
            return pointsText(in.workedCont == u"Eu" ? 3 : 5);
        }
        if (isHa(in.workedPfx)) return pointsText(6);
        return pointsText(in.workedCont == in.myCont ? 1 : 3);
    }

    bool padsReceivedSerial(const QString& w) const override { return !isHa(w); }
    bool advancesSerial(const QString& own, const QString&, Numbering) const override {
        return !isHa(own);
    }
    bool resumesSerial(const QString& own, Numbering) const override { return !isHa(own); }

    void afterDupeCheck(ContestDesk& desk) const override {
        if (isHa(worked(desk)))
            desk.exchangeListStep(haCounties(thirdChar(desk.call())));
        else
            desk.hidePickList();
    }
    QString completeExchange(const SharedState& s, const QString& call,
                             const QString& typed) const override {
        if (!isHa(s.LookupCtyPfx.left(2).toUpper()) || isHa(s.MyPrfx)) return {};
        return completeCounty(false, call[2], typed);
    }
};

} // namespace

const Contest& haDx() {
    static const HaDx contest;
    return contest;
}

} // namespace korvel::scoring
