// IARU HF Championship: everybody sends the ITU zone, headquarters stations their society.
// Zones and societies count per band and mode.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

const ContestInfo kRow{
    .code = 200,
    .optionButton = "OpbIARU",
    .buttonCaption = "IARU- HF",
    .tipTestCaption = "IARU-HF",
    .deskCaption = "IARU-HF",
    .contestName = "IARU-HF",
    .shortTitle = "IARU World Camp.",
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = k160On,
    .focusExchangeField = true,
    .zone = ZoneExchange::Itu,
    .exports = {.offersStf = false,
                .stfName = "IARU-HF ",
                .claims160 = true,
                .logGeneral160 = true,
                .exportTotals160 = true,
                .adifComment = " IARU WORLD CHAMP ",
                .printedLogTitle = "IARU CHAMP. ",
                .summaryFileTitle = " IARU WORLD CHAMP ",
                .printedSummaryTitle = "IARU WORLD CHAMP ",
                .summary160 = true},
};

class IaruHf final : public Contest {
public:
    IaruHf() : Contest(kRow) {}

    DupeRule dupeRule(ModeRule) const override { return DupeRule::PerBandAndMode; }
    void detectMultiplier(ContestDesk& desk) const override {
        // The IARU's own station sends "IARU".
        if (desk.call().toUpper() == QLatin1String("NU1AW"))
            desk.setExchange(QStringLiteral("IARU"));
        markPerBand(desk, exchange(desk));
    }
    QString bandMarkKey(ContestDesk& desk) const override { return exchange(desk); }

    std::optional<QString> qsoPoints(const PointsInput& in) const override {
        if (in.workedItu == in.myZone) return pointsText(1);
        return pointsText(in.workedCont == in.myCont ? 3 : 5);
    }
    // A QSO with a society (headquarters) station counts one point.
    void adjustAtStore(SharedState& s, const StoredQso& q) const override {
        if (q.rcvdExchange == QLatin1String("IARU") || q.societyExchange ||
            !isNumber(q.rcvdExchange))
            s.QsoPoints = QStringLiteral("1");
    }
    std::optional<QString> sentOnModeChoice(const SharedState& s) const override {
        return s.MyZone;
    }

    void onCountryFound(ContestDesk& desk) const override {
        desk.setExchange(desk.state().LookupITU);
    }
    void beforeDupeCheck(ContestDesk& desk) const override {
        const QString call = desk.call();
        if (const auto society = desk.societyOfCall(call)) {
            desk.setExchange(*society);
            desk.focusCall();
        }
        if (call.endsWith(QLatin1String("HQ"))) {
            desk.setExchange(kOneBlank);
            desk.lookupSociety();
            desk.cursorToExchangeEnd();
        }
    }
    // Countries spanning several zones offer their zones.
    void afterBandMarks(ContestDesk& desk) const override {
        if (desk.refused()) return;
        const QStringList zones = iaruZones(worked(desk));
        if (!zones.isEmpty()) desk.fillPickList(zones);
    }
};

} // namespace

const Contest& iaruHf() {
    static const IaruHf contest;
    return contest;
}

} // namespace korvel::scoring
