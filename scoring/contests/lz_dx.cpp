// LZ-DX: Bulgarian stations send their district, others their ITU zone; the received
// exchange (district or zone) is the multiplier, new per band.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

constexpr std::string_view kLZ[] = {"LZ"};

const ContestInfo kRow{
    .code = 104,
    .optionButton = "OpbLZ",
    .buttonCaption = "LZ-DX ",
    .tipTestCaption = "LZ-DX",
    .deskCaption = "LZ-DX",
    .contestName = "LZ-DX",
    .shortTitle = "LZDx Contest",
    .prompt = {.qualifying = kLZ,
               .captionQualifying = "     MY DISTRICT",
               .captionOthers = "     MY ITU",
               .fillQualifying = ExchangeFill::MyBezirk,
               .fillOthers = ExchangeFill::MyZone,
               .minLength = 2},
    .sentQualifying = SentExchange::OwnExchange,
    .sentOthers = SentExchange::OwnItuZone,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = k160Off,
    .deskNotice = "SELECT BAND AND MODE",
    .focusExchangeField = true,
    .exports = {.stfName = "LZ-DX ",
                .adifComment = " LZ DX CONTEST ",
                .adifCommentDated = true,
                .printedLogTitle = "LZ DX CONTEST ",
                .summaryFileTitle = " LZ DX CONTEST ",
                .printedSummaryTitle = "LZ DX CONTEST "},
};

bool isLz(const QString& pfx) {
    return pfx == QLatin1String("LZ");
}

class LzDx final : public Contest {
public:
    LzDx() : Contest(kRow) {}

    DupeRule dupeRule(ModeRule) const override { return DupeRule::PerBandAndMode; }
    void detectMultiplier(ContestDesk& desk) const override { markPerBand(desk, exchange(desk)); }
    QString bandMarkKey(ContestDesk& desk) const override { return exchange(desk); }
    bool hasNo160Marks() const override { return true; }

    std::optional<QString> qsoPoints(const PointsInput& in) const override {
        if (isLz(in.workedPfx)) return pointsText(10);
        return pointsText(in.workedCont == in.myCont ? 1 : 3);
    }

    // A foreign station's exchange is its ITU zone; a Bulgarian station's district is typed.
    void beforeDupeCheck(ContestDesk& desk) const override {
        if (!isLz(worked(desk))) {
            desk.setExchange(desk.state().LookupITU);
            desk.detectMultiplier();
        } else if (desk.live()) {
            desk.setExchange(QString());
            desk.focusExchangeAtEnd();
        } else {
            desk.offLinePrefill();
        }
    }
};

} // namespace

const Contest& lzDx() {
    static const LzDx contest;
    return contest;
}

} // namespace korvel::scoring
