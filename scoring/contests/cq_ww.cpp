// CQ World Wide DX: everybody sends the CQ zone. Zones (Mlt) and countries (Mlt1) count per
// band; a QSO in the own country scores nothing.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

const ContestInfo kRow{
    .code = 201,
    .optionButton = "OpBCQWW",
    .buttonCaption = "CQ-WW",
    .tipTestCaption = "CQ-WW",
    .deskCaption = "CQ-WW",
    .contestName = "CQ-WW",
    .shortTitle = "CQ WW DX Cont.",
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = k160On,
    .focusExchangeField = true,
    .zone = ZoneExchange::Cq,
    .exports = {.offersStf = false,
                .offersTxt = false,
                .stfName = "CQ-WW ",
                .countsMlt1 = true,
                .claims160 = true,
                .logGeneral160 = true,
                .exportTotals160 = true,
                .adifComment = " CQWWDX CONTEST ",
                .printedLogTitle = "CQWWDX ",
                .summaryFileTitle = " CQWWDX ",
                .printedSummaryTitle = "CQWWDX ",
                .summary160 = true},
};

class CqWw final : public Contest {
public:
    CqWw() : Contest(kRow) {}

    void detectMultiplier(ContestDesk& desk) const override {
        const QString zone = exchange(desk);
        if (zone.isEmpty()) return;
        markPerBand(desk, zone, kOneBlank);
        markSecondPerBand(desk, worked(desk), kOneBlank);
    }
    QString bandMarkKey(ContestDesk& desk) const override { return exchange(desk); }
    bool countsSecondMultiplier() const override { return true; }

    std::optional<QString> qsoPoints(const PointsInput& in) const override {
        if (in.workedPfx == in.myPrfx) return pointsText(0);
        return pointsText(in.workedCont == in.myCont ? 1 : 3);
    }
    std::optional<QString> sentOnModeChoice(const SharedState& s) const override {
        return s.MyCQZone;
    }

    void onCountryFound(ContestDesk& desk) const override {
        desk.setExchange(desk.state().LookupCQ);
    }
    void afterGrid(ContestDesk& desk) const override { desk.detectMultiplier(); }

    const char* multCaption() const override { return "Zone"; }
    const char* mult1Caption() const override { return "Country"; }
};

} // namespace

const Contest& cqWw() {
    static const CqWw contest;
    return contest;
}

} // namespace korvel::scoring
