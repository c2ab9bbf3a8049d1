// IARU Region 1 Field Day: portable stations score more; a QSO between two fixed stations
// scores nothing and counts no multiplier. Countries count per band.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

const ContestInfo kRow{
    .code = 103,
    .optionButton = "OpBFD",
    .buttonCaption = "FieldDay Reg.1",
    .tipTestCaption = "IARU-FD",
    .deskCaption = "IARU-FD",
    .contestName = "IARU-FD",
    .shortTitle = "Field Day",
    .sentQualifying = SentExchange::SerialFromControl,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = kBandsKept,
    .focusExchangeField = true,
    .exports = {.offersCabrillo = false,
                .stfName = "IARU-FD ",
                .learnedTable = LearnedTableView::Hidden,
                .adifComment = " FIELDDAY ",
                .adifCommentDated = true,
                .printedLogTitle = "FIELDDAY ",
                .summaryFileTitle = " FIELDDAY ",
                .printedSummaryTitle = "FIELDDAY "},
};

class IaruFieldDay final : public Contest {
public:
    IaruFieldDay() : Contest(kRow) {}

    void detectMultiplier(ContestDesk& desk) const override { markPerBand(desk, worked(desk)); }
    QString bandMarkKey(ContestDesk& desk) const override { return desk.shownPrefix(); }
    bool hasNo160Marks() const override { return true; }

    std::optional<QString> qsoPoints(const PointsInput& in) const override {
        const bool workedEu = in.workedCont == u"Eu";
        if (in.bothFixed) return pointsText(0);
        if (in.workedPortable) return pointsText(workedEu ? 4 : 6);
        return pointsText(workedEu ? 2 : 3);
    }
    void adjustAtStore(SharedState& s, const StoredQso& q) const override {
        if (q.bothFixed) s.MultValue = kOneBlank;
    }

    bool padsReceivedSerial(const QString&) const override { return true; }
    bool advancesSerial(const QString&, const QString&, Numbering) const override { return true; }
    bool resumesSerial(const QString&, Numbering) const override { return true; }

    void beforeAdmission(ContestDesk& desk) const override { offerSubEntitiesOf(desk); }
};

} // namespace

const Contest& iaruFieldDay() {
    static const IaruFieldDay contest;
    return contest;
}

} // namespace korvel::scoring
