// Duplicates, multipliers, band marks and points of the QSO on the desk.
#include "desk/desk_form.h"

#include "scoring/call_analysis.h"
#include "scoring/contest_rules.h"
#include "scoring/points.h"
#include "core/paths.h"

namespace korvel {

namespace colour = forms::colour;
using store::MarkColumn;

namespace {
const QString kOneBlank = QStringLiteral(" ");
const QString kTwoBlanks = QStringLiteral("  ");
} // namespace

void DeskForm::checkDupe() {
    const QString call = trimmedCall();
    if (call.isEmpty()) return;
    const std::int64_t except = reloadId_.value_or(0);
    const scoring::DupeRule rule = scoring::dupeRule(s_.ContestCode, s_.CwPhMode);
    s_.BandText = bandToText(s_.Band, s_.BandText);
    bool dupe = false;
    if (rule == scoring::DupeRule::PerBand) dupe = dbs_.log.hasCallBand(call, s_.BandText, except);
    if (rule == scoring::DupeRule::PerBandAndMode)
        dupe = dbs_.log.hasCallBandMode(call, s_.BandText, s_.Mode, except);
    if (dupe) {
        c("txtIndic").back = colour::kRed;
        dupeState_ = 10;
        show("Frame3", true);
        enable("CmdEnterCall", false);
        return;
    }
    c("txtIndic").back = colour::kGreen;
    if (dupeState_ != 10) {
        enable("CmdEnterCall", true);
        if (!(s_.ContestCode == 100 && rule == scoring::DupeRule::PerBand)) detectMultiplier();
    }
}

// Whether `key` is new: no QSO of the band (and mode) carries it yet in Mlt (or Mlt1).
bool DeskForm::newMark(const QString& key, bool perBand, bool perMode, bool second) {
    const std::optional<QString> band =
        perBand ? std::optional<QString>(s_.BandText) : std::nullopt;
    const std::optional<QString> mode = perMode ? std::optional<QString>(s_.Mode) : std::nullopt;
    return !dbs_.log.hasMark(second ? MarkColumn::Mlt1 : MarkColumn::Mlt, key, band, mode,
                             reloadId_.value_or(0));
}

void DeskForm::detectMultiplier() {
    s_.BandText = bandToText(s_.Band, s_.BandText);
    const int code = s_.ContestCode;
    const QString& w = s_.LookupCtyPfx;
    const QString& own = s_.MyPrfx;
    const QString exchange = text("TxtRSTR2").trimmed();
    const QString rcvd = s_.RcvdExchange.trimmed();

    // The key is new per band: MultValue = key and "NEW" shown, else `none`.
    auto perBand = [&](const QString& key, const QString& none = kTwoBlanks) {
        if (newMark(key)) {
            show("LblNeu", true);
            s_.MultValue = key;
        } else {
            s_.MultValue = none;
        }
    };
    // The country prefix counts in the contests of foreign-station rules.
    auto countryOrExchange = [&](bool special, const QString& key) { perBand(special ? key : w); };

    switch (code) {
    case 100: perBand(w == QLatin1String("YO") ? rcvd + QLatin1Char('*') : w); break;
    case 102:
        if (own != QLatin1String("DL") && w == QLatin1String("DL")) {
            perBand(exchange.left(1).trimmed());
        } else if (own == QLatin1String("DL")) {
            perBand(w);
        }
        break;
    case 103: perBand(w); break;
    case 104: perBand(exchange); break;
    case 105:
        if (own != QLatin1String("HA"))
            w == QLatin1String("HA") ? perBand(exchange) : void(s_.MultValue = kTwoBlanks);
        else
            perBand(w);
        break;
    case 106:
        if (!exchange.isEmpty()) {
            if (newMark(exchange, true, true)) {
                show("LblNeu", true);
                s_.MultValue = exchange;
            } else {
                s_.MultValue = kTwoBlanks;
            }
        }
        break;
    case 107:
        if (!scoring::isSpanishPrefix(own))
            scoring::isSpanishPrefix(w) ? perBand(exchange) : void(s_.MultValue = kTwoBlanks);
        else
            perBand(w);
        break;
    case 108:
        if (own != QLatin1String("PA")) {
            if (w == QLatin1String("PA")) perBand(exchange);
        } else {
            perBand(w);
        }
        break;
    case 200:
        if (trimmedCall().toUpper() == QLatin1String("NU1AW"))
            text("TxtRSTR2") = QStringLiteral("IARU");
        perBand(text("TxtRSTR2").trimmed());
        break;
    case 201:
        if (!exchange.isEmpty()) {
            perBand(exchange, kOneBlank);
            if (newMark(w, true, false, true)) {
                show("LblNeu", true);
                s_.Mult1Value = w;
            } else {
                s_.Mult1Value = kOneBlank;
            }
        }
        break;
    case 202:
    case 203: detectPrefixMultiplier(); break;
    case 204:
    case 205:
        if (!exchange.isEmpty()) perBand(exchange, kOneBlank);
        break;
    case 206: countryOrExchange(scoring::isRussianPrefix(w), rcvd + QLatin1Char('*')); break;
    case 207: countryOrExchange(w == QLatin1String("SP"), rcvd); break;
    case 208: countryOrExchange(w == QLatin1String("4X"), rcvd); break;
    case 209: countryOrExchange(w == QLatin1String("HB"), rcvd.trimmed().right(2)); break;
    case 210: countryOrExchange(w == QLatin1String("JA"), rcvd); break;
    case 211: countryOrExchange(w == QLatin1String("UR"), rcvd + QLatin1Char('*')); break;
    case 212: countryOrExchange(w == QLatin1String("OK") || w == QLatin1String("OM"), rcvd); break;
    case 213: perBand(scandinavianDistrict_); break;
    case 214: s_.MultValue = kOneBlank; break;
    case 215:
        if (w == QLatin1String("ON")) {
            perBand(trimmedCall().left(3));
            const QString province = rcvd.trimmed().right(2);
            if (!province.isEmpty() && newMark(province, true, false, true)) {
                show("LblNeu", true);
                s_.Mult1Value = province;
            } else {
                s_.Mult1Value = province.isEmpty() ? kOneBlank : kTwoBlanks;
            }
        } else if (scoring::isUbaCountry(w)) {
            perBand(w);
            s_.Mult1Value = kOneBlank;
        } else {
            s_.MultValue = kOneBlank;
            s_.Mult1Value = kOneBlank;
        }
        break;
    default: break;
    }
}

// CQ-WPX and TAC: the call's prefix, new once in the whole contest.
void DeskForm::detectPrefixMultiplier() {
    const QString prefix = scoring::wpxPrefix(s_.RawCall.trimmed().toUpper(), s_.LookupCtyPfx);
    if (!dbs_.log.hasMark(MarkColumn::Mlt, prefix, std::nullopt, std::nullopt,
                          reloadId_.value_or(0))) {
        show("LblNeu", true);
        s_.MultValue = prefix;
    } else {
        s_.MultValue = kTwoBlanks;
    }
}

// The key whose band marks show where this station would be a new multiplier; empty when
// the contest marks no band for it.
QString DeskForm::bandMarkKey() const {
    const int code = s_.ContestCode;
    const QString& w = s_.LookupCtyPfx;
    const QString& own = s_.MyPrfx;
    const QString prf = text("TxtPrf").trimmed();
    const QString exchange = text("TxtRSTR2").trimmed();
    switch (code) {
    case 100: return w == QLatin1String("YO") ? s_.LearnedExchange + QLatin1Char('*') : prf;
    case 102:
        if (own == QLatin1String("DL")) return prf;
        return w == QLatin1String("DL") ? exchange.left(1) : QString();
    case 103: return prf;
    case 104:
    case 106:
    case 200:
    case 201: return exchange;
    case 105: return w == QLatin1String("HA") ? exchange : prf;
    case 107: return scoring::isSpanishPrefix(w) ? exchange : QString();
    case 108: return w == QLatin1String("PA") ? exchange : QString();
    // Contests that count the country of a foreign station per band.
    case 206: return scoring::isRussianPrefix(w) ? QString() : prf;
    case 207: return w == QLatin1String("SP") ? QString() : prf;
    case 208: return w == QLatin1String("4X") ? QString() : prf;
    case 209: return w == QLatin1String("HB") ? QString() : prf;
    case 210: return w == QLatin1String("JA") ? QString() : prf;
    case 211: return w == QLatin1String("UR") ? QString() : prf;
    case 212: return w == QLatin1String("OK") || w == QLatin1String("OM") ? QString() : prf;
    case 213: return scandinavianDistrict_;
    case 215: return scoring::isUbaCountry(w) && w != QLatin1String("ON") ? prf : QString();
    default: return {};
    }
}

void DeskForm::markBandMultipliers() {
    const QString key = bandMarkKey();
    if (key.isEmpty()) return;
    const bool no160 = scoring::hasNo160Marks(s_.ContestCode);
    for (int band : kBands) {
        if (band == 160 && no160) continue;
        if (!dbs_.log.hasMark(MarkColumn::Mlt, key, QString::number(band), std::nullopt,
                              reloadId_.value_or(0)))
            ctl(QStringLiteral("Cmd%1").arg(band)).back = colour::kRed;
    }
}

void DeskForm::computePoints() {
    scoring::PointsInput in;
    in.contest = s_.ContestCode;
    in.band = s_.Band;
    in.myPrfx = s_.MyPrfx;
    in.myCont = s_.MyCont;
    in.myZone = s_.MyZone;
    in.workedPfx = s_.LookupCtyPfx;
    in.workedItu = s_.LookupITU;
    in.workedCont = text("TxtCont");
    in.workedPortable = workedPortable_;
    in.bothFixed = workedFixed_ && ownFixed_;
    if (const auto points = scoring::computeQsoPoints(in)) s_.QsoPoints = *points;
}

} // namespace korvel
