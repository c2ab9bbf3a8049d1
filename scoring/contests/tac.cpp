// TAC: the WPX rules on 80 m alone, with a bonus for exchanges that are words (names)
// rather than serials.
#include "scoring/contests/cq_wpx.h"

namespace korvel::scoring {

namespace {

using namespace kit;

const ContestInfo kRow{
    .code = 203,
    .optionButton = "OpBTAC",
    .buttonCaption = "TAC Contest",
    .tipTestCaption = "TAC",
    .deskCaption = "TAC",
    .contestName = "TAC ",
    .shortTitle = "TAC Cont.",
    .sentQualifying = SentExchange::SerialFromControl,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = k80Only,
    .ssbButton = Off,
    .focusExchangeField = true,
    .exports = {.offersStf = false,
                .offersTxt = false,
                .stfName = "TAC ",
                .countsMlt1 = true,
                .claimsOnly80 = true,
                .logGeneral160 = true,
                .cabrilloSentExchangeWidth = 12,
                .cabrilloRcvdExchangeWidth = 12,
                .adifComment = " TAC CONTEST ",
                .printedLogTitle = "TAC ",
                .summaryFileTitle = " TAC ",
                .printedSummaryTitle = "TAC ",
                .summary160 = true},
};

class Tac final : public WpxRules {
public:
    Tac() : WpxRules(kRow) {}

    // 6 points more when both exchanges are words, 2 when one of them is.
    void adjustAtStore(SharedState& s, const StoredQso& q) const override {
        const bool sentWord = !isNumber(q.sentExchange);
        const bool rcvdWord = !isNumber(q.rcvdExchange);
        const long long bonus = sentWord && rcvdWord ? 6 : sentWord != rcvdWord ? 2 : 0;
        if (bonus) s.QsoPoints = QString::number(s.QsoPoints.trimmed().toLongLong() + bonus);
    }
    bool tallies80Only() const override { return true; }
};

} // namespace

const Contest& tac() {
    static const Tac contest;
    return contest;
}

} // namespace korvel::scoring
