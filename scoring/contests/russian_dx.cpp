// Russian DX: Russian stations send their oblast, others a serial. Oblasts (with a "*") and
// countries count per band and mode.
#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

namespace {

using namespace kit;

const ContestInfo kRow{
    .code = 206,
    .optionButton = "OpbRussian",
    .buttonCaption = "Russian DX Contest",
    .tipTestCaption = "Russian DX",
    .deskCaption = "Russian DX",
    .contestName = "Russian DX Contest ",
    .shortTitle = "Russian DX ",
    .sentQualifying = SentExchange::SerialFromControl,
    .sentOthers = SentExchange::SerialFromControl,
    .modeFrame = ModeFrame::HiddenLearnOff,
    .bandButtons = kAllOn,
    .ssbButton = On,
    .exports = {.offersStf = false,
                .offersTxt = false,
                .stfName = "Russian DX ",
                .countsMlt1 = true,
                .claims160 = true,
                .adifComment = "Russian DX Contest ",
                .printedLogTitle = "Russia ",
                .summary160 = true},
};

// The country prefixes that count as Russia.
bool isRussian(const QString& pfx) {
    return isOneOf(pfx, {"UA", "UA9", "UA2", "R1FJ", "CE9", "R1MV"});
}

class RussianDx final : public Contest {
public:
    RussianDx() : Contest(kRow) {}

    DupeRule dupeRule(ModeRule) const override { return DupeRule::PerBandAndMode; }
    void detectMultiplier(ContestDesk& desk) const override {
        homeExchangeOrCountry(desk, isRussian(worked(desk)), received(desk) + QLatin1Char('*'));
    }
    QString bandMarkKey(ContestDesk& desk) const override {
        return isRussian(worked(desk)) ? QString() : desk.shownPrefix();
    }

    std::optional<QString> qsoPoints(const PointsInput& in) const override {
        if (isRussian(in.workedPfx)) return pointsText(10);
        if (in.workedPfx == in.myPrfx) return pointsText(2);
        return pointsText(in.workedCont == in.myCont ? 3 : 5);
    }

    bool advancesSerial(const QString&, const QString&, Numbering) const override { return true; }
    bool resumesSerial(const QString& own, Numbering) const override { return !isRussian(own); }

    // The oblast of a Russian station, or the code of the special entities.
    void onCountryFound(ContestDesk& desk) const override {
        const SharedState& s = desk.state();
        const QString& w = s.LookupCtyPfx;
        QString oblast = kOneBlank;
        if (w == QLatin1String("R1MV")) oblast = QStringLiteral("MV");
        if (w == QLatin1String("R1FJ")) oblast = QStringLiteral("FJ");
        if (w == QLatin1String("CE9") && desk.call().startsWith(QLatin1String("R1AN")))
            oblast = QStringLiteral("AN");
        if (isOneOf(w, {"UA", "UA9", "UA2"}))
            if (const auto found = desk.oblastOfArea(russianCallArea(s.RawCall))) oblast = *found;
        desk.setExchange(oblast);
    }
    void afterGrid(ContestDesk& desk) const override { desk.detectMultiplier(); }
};

} // namespace

const Contest& russianDx() {
    static const RussianDx contest;
    return contest;
}

} // namespace korvel::scoring
