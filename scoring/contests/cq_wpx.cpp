// CQ WPX: everybody sends a serial; the call's prefix counts once in the whole contest.
// TAC (tac.cpp) shares these rules.
#include "scoring/contests/cq_wpx.h"

namespace korvel::scoring {

namespace {

using namespace kit;

const ContestInfo kRow{
    .code = 202,
    .optionButton = "OpBWPX",
    .buttonCaption = "CQ-WPX ",
    .tipTestCaption = "CQ-WPX",
    .deskCaption = "CQ-WPX",
    .contestName = "CQ-WPX",
    .shortTitle = "WPX Cont.",
    .sentQualifying = SentExchange::SerialFromControl,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = k160On,
    .focusExchangeField = true,
    .exports = {.offersStf = false,
                .offersTxt = false,
                .stfName = "CQ-WPX ",
                .countsMlt1 = true,
                .claims160 = true,
                .logGeneral160 = true,
                .exportTotals160 = true,
                .adifComment = " WPX CONTEST ",
                .printedLogTitle = "WPX ",
                .summaryFileTitle = " WPX ",
                .printedSummaryTitle = "WPX ",
                .summary160 = true},
};

} // namespace

void WpxRules::detectMultiplier(ContestDesk& desk) const {
    SharedState& s = desk.state();
    const QString prefix = wpxPrefix(s.RawCall.trimmed().toUpper(), s.LookupCtyPfx);
    if (desk.isNewMark(prefix, false, false, false)) {
        desk.showNew();
        s.MultValue = prefix;
    } else {
        s.MultValue = kTwoBlanks;
    }
}

std::optional<QString> WpxRules::qsoPoints(const PointsInput& in) const {
    if (in.workedPfx == in.myPrfx) return pointsText(1);
    if (in.workedCont == in.myCont) return pointsText(pointsByBand(in.band, 1, 2));
    return pointsText(pointsByBand(in.band, 3, 6));
}

const Contest& cqWpx() {
    static const WpxRules contest(kRow);
    return contest;
}

} // namespace korvel::scoring
