// European HF Championship: everybody sends the licence year; the year counts per band and
// mode.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

const ContestInfo kRow{
    .code = 106,
    .optionButton = "OpbSlovContest",
    .buttonCaption = "Eu-Champ.(Slov) ",
    .tipTestCaption = "EU-CHAMP",
    .deskCaption = "EU-CHAMP",
    .contestName = "EU-CHAMP",
    .shortTitle = "Europ.HF Contest",
    .prompt = {.prefixSource = PrefixSource::ReRead,
               .captionQualifying = "LIST.YEAR",
               .captionOthers = "LIST.YEAR",
               .fillQualifying = ExchangeFill::MyBezirk,
               .fillOthers = ExchangeFill::MyBezirk,
               .minLength = 2},
    .sentQualifying = SentExchange::OwnExchange,
    .sentOthers = SentExchange::OwnExchange,
    .modeFrame = ModeFrame::Shown,
    .bandButtons = k160On,
    .focusExchangeField = true,
    .exports = {.stfName = "EU-Champ ",
                .claims160 = true,
                .adifComment = " EU Champ ",
                .adifCommentDated = true,
                .printedLogTitle = "EU CONTEST ",
                .summaryFileTitle = " EU Champ ",
                .printedSummaryTitle = "EU Champ ",
                .summary160 = true},
};

class EuChamp final : public Contest {
public:
    EuChamp() : Contest(kRow) {}

    DupeRule dupeRule(ModeRule) const override { return DupeRule::PerBandAndMode; }
    void detectMultiplier(ContestDesk& desk) const override {
        const QString year = exchange(desk);
        if (year.isEmpty()) return;
        if (desk.isNewMark(year, true, true, false)) {
            desk.showNew();
            desk.state().MultValue = year;
        } else {
            desk.state().MultValue = kTwoBlanks;
        }
    }
    QString bandMarkKey(ContestDesk& desk) const override { return exchange(desk); }

    std::optional<QString> qsoPoints(const PointsInput&) const override { return pointsText(1); }
    bool pointsDependOnCountry() const override { return false; }
};

} // namespace

const Contest& euChamp() {
    static const EuChamp contest;
    return contest;
}

} // namespace korvel::scoring
