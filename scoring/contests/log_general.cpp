// Log General: a log for any event. The setup screen chooses a constant number or a serial,
// and whether CW and phone count as different QSOs; nothing is scored.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

const ContestInfo kRow{
    .code = 214,
    .optionButton = "OpbLogGen",
    .buttonCaption = "Log general",
    .tipTestCaption = "Log Gen",
    .deskCaption = "Log Gen",
    .contestName = "Log General ",
    .shortTitle = "Log General ",
    .sentQualifying = SentExchange::ConstantOrSerial,
    .sentOthers = SentExchange::ConstantOrSerial,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = k160On,
    .logGeneral = true,
    .exports = {.offersTxt = false,
                .stfName = "Log general ",
                .countsMlt1 = true,
                .claims160 = true,
                .adifComment = "Log general ",
                .printedLogTitle = "Log general ",
                .summary160 = true},
};

class LogGeneral final : public Contest {
public:
    LogGeneral() : Contest(kRow) {}

    DupeRule dupeRule(ModeRule cwPhMode) const override {
        if (cwPhMode == ModeRule::CwOrPhone) return DupeRule::PerBand;
        if (cwPhMode == ModeRule::CwAndPhone) return DupeRule::PerBandAndMode;
        return DupeRule::None;
    }
    void detectMultiplier(ContestDesk& desk) const override { desk.state().MultValue = kOneBlank; }
    std::optional<QString> qsoPoints(const PointsInput&) const override { return kOneBlank; }
    bool pointsDependOnCountry() const override { return false; }

    bool advancesSerial(const QString&, const QString&, Numbering nrConst) const override {
        return nrConst == Numbering::Increasing;
    }
    bool resumesSerial(const QString&, Numbering nrConst) const override {
        return nrConst == Numbering::Increasing;
    }
    bool sendsOwnExchange(Numbering nrConst) const override {
        return nrConst == Numbering::Constant;
    }
    void afterGrid(ContestDesk& desk) const override { desk.detectMultiplier(); }
};

} // namespace

const Contest& logGeneral() {
    static const LogGeneral contest;
    return contest;
}

} // namespace korvel::scoring
