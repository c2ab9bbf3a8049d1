// Log General: a log for any event. The setup screen chooses a constant number or a serial,
// and whether CW and phone count as different QSOs; nothing is scored.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

// Log General's options (NrConst, CwPhMode).
constexpr int kConstantNumber = 100;
constexpr int kIncreasingNumber = 200;
constexpr int kCwOrPhone = 100;
constexpr int kCwAndPhone = 200;

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
};

class LogGeneral final : public Contest {
public:
    LogGeneral() : Contest(kRow) {}

    DupeRule dupeRule(int cwPhMode) const override {
        if (cwPhMode == kCwOrPhone) return DupeRule::PerBand;
        if (cwPhMode == kCwAndPhone) return DupeRule::PerBandAndMode;
        return DupeRule::None;
    }
    void detectMultiplier(ContestDesk& desk) const override { desk.state().MultValue = kOneBlank; }
    std::optional<QString> qsoPoints(const PointsInput&) const override { return kOneBlank; }
    bool pointsDependOnCountry() const override { return false; }

    bool advancesSerial(const QString&, const QString&, int nrConst) const override {
        return nrConst == kIncreasingNumber;
    }
    bool resumesSerial(const QString&, int nrConst) const override {
        return nrConst == kIncreasingNumber;
    }
    bool sendsOwnExchange(int nrConst) const override { return nrConst == kConstantNumber; }
    void afterGrid(ContestDesk& desk) const override { desk.detectMultiplier(); }
};

} // namespace

const Contest& logGeneral() {
    static const LogGeneral contest;
    return contest;
}

} // namespace korvel::scoring
