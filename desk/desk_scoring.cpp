// Duplicates, multipliers, band marks and points of the QSO on the desk.
#include "desk/desk_form.h"

#include "core/paths.h"
#include "scoring/call_analysis.h"
#include "scoring/contests/registry.h"

namespace korvel {

namespace colour = forms::colour;
using store::MarkColumn;

void DeskForm::checkDupe() {
    const QString call = trimmedCall();
    if (call.isEmpty()) return;
    const std::int64_t except = reloadId_.value_or(0);
    const scoring::DupeRule rule = contest().dupeRule(s_.CwPhMode);
    s_.BandText = bandToText(s_.Band, s_.BandText);
    bool dupe = false;
    if (rule == scoring::DupeRule::PerBand) dupe = dbs_.log.hasCallBand(call, s_.BandText, except);
    if (rule == scoring::DupeRule::PerBandAndMode)
        dupe = dbs_.log.hasCallBandMode(call, s_.BandText, s_.Mode, except);
    // A log that cannot be read is said at once: "no dupe" is then no answer.
    if (!logReadOk()) return;
    if (dupe) {
        markCall(CallMark::Refused);
        dupeState_ = DupeState::Refused;
        show(desk_ctl::Frame3, true);
        enable(desk_ctl::CmdEnterCall, false);
        return;
    }
    markCall(CallMark::Accepted);
    if (dupeState_ != DupeState::Refused) {
        enable(desk_ctl::CmdEnterCall, true);
        if (contest().multiplierAtDupeCheck()) detectMultiplier();
    }
}

// Whether `key` is new: no QSO of the band (and mode) carries it yet in Mlt (or Mlt1).
bool DeskForm::newMark(const QString& key, bool perBand, bool perMode, bool second) {
    const std::optional<QString> band =
        perBand ? std::optional<QString>(s_.BandText) : std::nullopt;
    const std::optional<QString> mode = perMode ? std::optional<QString>(s_.Mode) : std::nullopt;
    const bool marked = dbs_.log.hasMark(second ? MarkColumn::Mlt1 : MarkColumn::Mlt, key, band,
                                         mode, reloadId_.value_or(0));
    return logReadOk() && !marked;
}

bool DeskForm::logReadOk() {
    const QString& error = dbs_.log.lastError();
    if (error.isEmpty()) return true;
    showError(QStringLiteral("LOG NOT READ: %1").arg(error));
    return false;
}

void DeskForm::detectMultiplier() {
    s_.BandText = bandToText(s_.Band, s_.BandText);
    contest().detectMultiplier(contestView_);
}

void DeskForm::markBandMultipliers() {
    const QString key = contest().bandMarkKey(contestView_);
    if (key.isEmpty()) return;
    const bool no160 = contest().hasNo160Marks();
    for (int band : kBands) {
        if (band == 160 && no160) continue;
        if (!dbs_.log.hasMark(MarkColumn::Mlt, key, QString::number(band), std::nullopt,
                              reloadId_.value_or(0)) &&
            logReadOk())
            ctl(desk_ctl::bandButton(bandIndex(band))).back = colour::kRed;
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
    in.workedCont = text(desk_ctl::TxtCont);
    in.workedPortable = workedPortable_;
    in.bothFixed = workedFixed_ && ownFixed_;
    // A call of no known country scores nothing where the points depend on the country.
    if (!countryFound_ && contest().pointsDependOnCountry()) {
        s_.QsoPoints = QStringLiteral("0");
        return;
    }
    if (const auto points = contest().qsoPoints(in)) s_.QsoPoints = *points;
}

} // namespace korvel
