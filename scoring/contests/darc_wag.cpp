// DARC-WAG: German stations send their DOK, others a serial. A foreign station counts the
// German call districts (the DOK's letter), a German station the countries; per band.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kDL[] = {"DL"};

const ContestInfo kRow{
    .code = 102,
    .optionButton = "OpbWAG",
    .buttonCaption = "DARC-WAG",
    .tipTestCaption = "DARC-WAG ",
    .deskCaption = "WAG ",
    .contestName = "DARC-WAG ",
    .shortTitle = "WAG Contest",
    .prompt = {.qualifying = kDL,
               .captionQualifying = "    MY DOK",
               .fillQualifying = ExchangeFill::Dok,
               .others = OthersPrompt::SentAsControl,
               .minLength = 3},
    .sentQualifying = SentExchange::OwnExchange,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::Shown,
    .bandButtons = kBandsKept,
    .focusExchangeField = true,
    .exports = {.stfName = "DARC-WAG ",
                .learnedTable = LearnedTableView::CallDok,
                .adifComment = " WORKED ALL GERMANY ",
                .adifCommentDated = true,
                .printedLogTitle = "WORKED ALL GERMANY ",
                .summaryFileTitle = " WORKED ALL GERMANY ",
                .printedSummaryTitle = "Worked all Germany "},
};

bool isDl(const QString& pfx) {
    return pfx == QLatin1String("DL");
}

class DarcWag final : public Contest {
public:
    DarcWag() : Contest(kRow) {}

    DupeRule dupeRule(ModeRule) const override { return DupeRule::PerBandAndMode; }
    // Only QSOs with Germany count: a foreign station works German stations only.
    bool admits(const QString& own, const QString& w) const override {
        return isDl(own) || isDl(w);
    }
    void detectMultiplier(ContestDesk& desk) const override {
        const QString& own = desk.state().MyPrfx;
        if (!isDl(own) && isDl(worked(desk)))
            markPerBand(desk, exchange(desk).left(1).trimmed());
        else if (isDl(own))
            markPerBand(desk, worked(desk));
    }
    QString bandMarkKey(ContestDesk& desk) const override {
        if (isDl(desk.state().MyPrfx)) return desk.shownPrefix();
        return isDl(worked(desk)) ? exchange(desk).left(1) : QString();
    }
    bool hasNo160Marks() const override { return true; }

    std::optional<QString> qsoPoints(const PointsInput& in) const override {
        if (!isDl(in.myPrfx)) return pointsText(3);
        if (isDl(in.workedPfx)) return pointsText(1);
        return pointsText(in.workedCont == u"Eu" ? 3 : 5);
    }

    bool padsReceivedSerial(const QString& w) const override { return !isDl(w); }
    bool advancesSerial(const QString& own, const QString&, Numbering) const override {
        return !isDl(own);
    }
    bool resumesSerial(const QString& own, Numbering) const override { return !isDl(own); }

    void onCountryFound(ContestDesk& desk) const override {
        if (isDl(desk.state().MyPrfx)) desk.setSentExchange(desk.state().MyBezirk);
    }
    void beforeDupeCheck(ContestDesk& desk) const override {
        if (!isDl(worked(desk))) return;
        desk.enableStore(false);
        desk.lookupLearned();
        desk.setExchange(desk.state().LearnedExchange);
    }
    void beforeAdmission(ContestDesk& desk) const override { offerSubEntitiesOf(desk); }

    LearnedKind learnedKind() const override { return LearnedKind::Dok; }
};

} // namespace

const Contest& darcWag() {
    static const DarcWag contest;
    return contest;
}

} // namespace korvel::scoring
