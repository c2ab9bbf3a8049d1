// Coupe du REF: only French stations (mainland and overseas) may be worked; their
// department or overseas prefix counts per band.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

const ContestInfo kRow{
    .code = 204,
    .optionButton = "OpbREF",
    .buttonCaption = "Coupe du REF",
    .tipTestCaption = "Coupe du REF",
    .deskCaption = "REF",
    .contestName = "REF ",
    .shortTitle = "Coupe du REF",
    .sentQualifying = SentExchange::SerialFromControl,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = kFiveOn160Off,
    .ssbButton = On,
    .exports = {.offersStf = false,
                .offersTxt = false,
                .stfName = "REF ",
                .countsMlt1 = true,
                .adifComment = "COUPE DU REF ",
                .printedLogTitle = "REF ",
                .summaryFileTitle = " REF ",
                .printedSummaryTitle = "REF ",
                .summary160 = true},
};

class Ref final : public Contest {
public:
    Ref() : Contest(kRow) {}

    bool admits(const QString&, const QString& w) const override {
        return isOneOf(
            w, {"TK", "F", "FG", "FJ", "FK", "FH", "FM", "FO", "FR", "FP", "FT", "FW", "FS", "FY"});
    }
    void detectMultiplier(ContestDesk& desk) const override {
        const QString department = exchange(desk);
        if (!department.isEmpty()) markPerBand(desk, department, kOneBlank);
    }

    std::optional<QString> qsoPoints(const PointsInput& in) const override {
        return pointsText(in.workedCont == in.myCont ? 1 : 3);
    }

    bool advancesSerial(const QString&, const QString&, Numbering) const override { return true; }
    // French stations send their department, the others a serial.
    bool resumesSerial(const QString& own, Numbering) const override {
        return !own.startsWith(QLatin1Char('F'));
    }

    void afterGrid(ContestDesk& desk) const override { desk.detectMultiplier(); }
    // An overseas station's exchange is its prefix.
    void afterAdmission(ContestDesk& desk) const override {
        const QString prefix = desk.shownPrefix();
        if (isRefOverseasPrefix(prefix)) desk.setExchange(prefix);
    }
};

} // namespace

const Contest& ref() {
    static const Ref contest;
    return contest;
}

} // namespace korvel::scoring
