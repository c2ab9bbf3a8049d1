// ARRL DX: only US and Canadian stations may be worked; they send their state or province,
// which counts per band. The own station sends its power.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

const ContestInfo kRow{
    .code = 205,
    .optionButton = "OpbARRL",
    .buttonCaption = "ARRL DX Contest",
    .tipTestCaption = "ARRL-DX",
    .deskCaption = "ARRL-DX",
    .contestName = "ARRL Dx Contest ",
    .shortTitle = "ARRL DX ",
    .prompt = {.captionQualifying = "         POWER",
               .captionOthers = "         POWER",
               .fillQualifying = ExchangeFill::Unchanged,
               .fillOthers = ExchangeFill::Unchanged,
               .typedRequired = true},
    .sentQualifying = SentExchange::OwnExchange,
    .sentOthers = SentExchange::OwnExchange,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = k160On,
    .focusExchangeField = true,
    .exports = {.offersStf = false,
                .offersTxt = false,
                .stfName = "ARRL ",
                .countsMlt1 = true,
                .claims160 = true,
                .adifComment = "ARRL Dx Contest ",
                .printedLogTitle = "ARRL ",
                .summary160 = true},
};

class ArrlDx final : public Contest {
public:
    ArrlDx() : Contest(kRow) {}

    bool admits(const QString&, const QString& w) const override { return isOneOf(w, {"VE", "K"}); }
    void detectMultiplier(ContestDesk& desk) const override {
        const QString state = exchange(desk);
        if (!state.isEmpty()) markPerBand(desk, state, kOneBlank);
    }

    std::optional<QString> qsoPoints(const PointsInput&) const override { return pointsText(3); }
    bool pointsDependOnCountry() const override { return false; }
    bool sendsOwnExchange(Numbering) const override { return true; }

    void afterGrid(ContestDesk& desk) const override { desk.detectMultiplier(); }
    // A Canadian call tells its province (VE1 is one of two).
    void afterAdmission(ContestDesk& desk) const override {
        if (worked(desk) != QLatin1String("VE")) return;
        const QString call = desk.call();
        const QString province = arrlProvince(call);
        if (!province.isEmpty()) desk.setExchange(province);
        if (call.startsWith(QLatin1String("VE1")))
            desk.fillPickList({QStringLiteral("NS"), QStringLiteral("NB")});
        desk.detectMultiplier();
    }
};

} // namespace

const Contest& arrlDx() {
    static const ArrlDx contest;
    return contest;
}

} // namespace korvel::scoring
