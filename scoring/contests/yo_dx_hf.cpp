// YO-DX-HF: Romanian stations send their county, others a serial. Romanian counties count
// per band with a "*"; countries count per band.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kYO[] = {"YO"};

const ContestInfo kRow{
    .code = 100,
    .optionButton = "OpbYODX",
    .buttonCaption = "YO-DX-HF",
    .tipTestCaption = "YO-DX-HF",
    .deskCaption = "YO-DX-HF",
    .contestName = "YO-DX-HF",
    .shortTitle = "YODx Contest",
    .prompt = {.prefixSource = PrefixSource::ReRead,
               .qualifying = kYO,
               .fillQualifying = ExchangeFill::County,
               .others = OthersPrompt::ControlNumber,
               .minLength = 2},
    .sentQualifying = SentExchange::OwnExchange,
    .sentOthers = SentExchange::Serial,
    .modeFrame = ModeFrame::Shown,
    .bandButtons = kBandsKept,
    .focusExchangeField = true,
    .exports = {.stfName = "YO-DX-HF ",
                .learnedTable = LearnedTableView::CallJud,
                .cabrilloHomePrefix = "YO",
                .adifComment = " YO DX CONTEST ",
                .adifCommentDated = true,
                .textPointsGap = false,
                .textLogBandColumn = false,
                .textLogNamedByBand = true,
                .printedLogTitle = "YO DX CONTEST ",
                .summaryFileTitle = " YO DX CONTEST ",
                .printedSummaryTitle = "YO DX CONTEST ",
                .printedLogHeadTime = true},
};

bool isYo(const QString& pfx) {
    return pfx == QLatin1String("YO");
}

class YoDxHf final : public Contest {
public:
    YoDxHf() : Contest(kRow) {}

    bool admits(const QString& own, const QString& w) const override {
        return !(isYo(own) && isYo(w));
    }
    void detectMultiplier(ContestDesk& desk) const override {
        const QString& w = worked(desk);
        markPerBand(desk, isYo(w) ? received(desk) + QLatin1Char('*') : w);
    }
    QString bandMarkKey(ContestDesk& desk) const override {
        return isYo(worked(desk)) ? desk.state().LearnedExchange + QLatin1Char('*')
                                  : desk.shownPrefix();
    }
    bool hasNo160Marks() const override { return true; }
    // The dupe rule is per band, and the multiplier is decided after the county is known.
    bool multiplierAtDupeCheck() const override { return false; }

    std::optional<QString> qsoPoints(const PointsInput& in) const override {
        const bool workedEu = in.workedCont == u"Eu";
        if (isYo(in.myPrfx)) return pointsText(workedEu ? 4 : 8);
        if (in.workedPfx == in.myPrfx) return pointsText(1);
        if (isYo(in.workedPfx)) return pointsText(8);
        return pointsText(in.workedCont == in.myCont ? 2 : 4);
    }

    bool padsReceivedSerial(const QString& w) const override { return !isYo(w); }
    bool advancesSerial(const QString& own, const QString&, Numbering) const override {
        return !isYo(own);
    }
    bool resumesSerial(const QString& own, Numbering) const override { return !isYo(own); }
    bool resumesSerialOnBand(const SharedState& s, int band) const override {
        return !isYo(s.MyPrfx) && band != 160;
    }

    void onCountryFound(ContestDesk& desk) const override {
        if (isYo(desk.state().MyPrfx)) desk.setSentExchange(desk.state().MyBezirk);
    }
    void afterDupeCheck(ContestDesk& desk) const override {
        desk.hidePickList();
        SharedState& s = desk.state();
        if (!isYo(s.LookupCtyPfx)) return;
        desk.enableStore(false);
        desk.lookupLearned();
        desk.setExchange(s.LearnedExchange);
        s.RcvdExchange = s.LearnedExchange;
        desk.detectMultiplier();
        if (s.LearnedExchange.isEmpty() && !desk.refused())
            desk.fillPickList(yoCounties(thirdChar(desk.call())));
    }
    void afterBandMarks(ContestDesk& desk) const override {
        if (!isYo(worked(desk))) desk.detectMultiplier();
    }

    LearnedKind learnedKind() const override { return LearnedKind::County; }
    QString completeExchange(const SharedState& s, const QString& call,
                             const QString& typed) const override {
        if (!isYo(s.LookupCtyPfx.left(2).toUpper()) || isYo(s.MyPrfx)) return {};
        return completeCounty(true, call[2], typed);
    }
    bool selectsExchangeOnFocus(const SharedState& s) const override {
        return !isYo(s.MyPrfx) && isYo(s.LookupCtyPfx);
    }
};

} // namespace

const Contest& yoDxHf() {
    static const YoDxHf contest;
    return contest;
}

} // namespace korvel::scoring
