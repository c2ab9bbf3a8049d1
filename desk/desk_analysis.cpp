// Call analysis on the desk: from the typed call to country, zones, beam, prefilled
// reports and exchange, and the contest's admission rules.
#include "desk/desk_form.h"

#include "core/paths.h"
#include "scoring/call_analysis.h"
#include "scoring/contests/registry.h"
#include "scoring/country_resolution.h"
#include "scoring/exchange_tables.h"

namespace korvel {

namespace colour = forms::colour;
using store::LearnedTable;

namespace {

bool isLive(const SharedState& s) {
    return s.OffLineInput != Flag::On;
}

} // namespace

// From the typed call to the country, the dupe check, the multipliers and points, and the
// admission rules. The running contest adds its own steps between the common ones.
void DeskForm::analyseCall() {
    rejected_ = false;
    const QString raw = scoring::normaliseCall(text(desk_ctl::txtIndic));
    s_.RawCall = raw;
    s_.LookupCall = raw.trimmed();
    if (s_.LookupCall.isEmpty()) return;
    if (s_.LookupCall.size() < 3) {
        focusCall();
        return;
    }
    const scoring::Contest& contest = this->contest();
    const QString call = s_.LookupCall.toUpper();
    startNewCall(call);
    takeNowForLiveQso();

    // The country, under the national mapping's key where one applies.
    s_.LookupCall = call;
    text(desk_ctl::txtIndic) = call;
    findCountry(call);

    contest.beforeDupeCheck(contestView_);
    checkDupe();
    contest.afterDupeCheck(contestView_);
    markBandMultipliers();
    contest.afterBandMarks(contestView_);
    refreshLogGrid();
    contest.afterGrid(contestView_);
    enableStoreForAnalysedCall();
    showBeam();
    moveCursorToExchange();

    contest.beforeAdmission(contestView_);
    if (!admitted(call)) return;
    contest.afterAdmission(contestView_);
    if (!isLive(s_)) offLinePrefill();
}

// A different call than the one analysed before starts a new QSO's marks; the portable
// designators of both calls are noted for the rules that score them.
void DeskForm::startNewCall(const QString& call) {
    if (call != analysedCall_) {
        dupeState_ = DupeState::None;
        show(desk_ctl::Frame3, false);
        show(desk_ctl::LblNeu, false);
        learnExchange_ = false;
    }
    analysedCall_ = call;
    workedPortable_ = scoring::isPortable(call);
    workedFixed_ = !workedPortable_;
    ownFixed_ = !scoring::isPortable(s_.MyCall.trimmed().toUpper());
}

// Live operation: the date and time of now (a QSO being corrected keeps its own).
void DeskForm::takeNowForLiveQso() {
    if (!isLive(s_) || reloadId_) return;
    const QDateTime now = clock_.utcNow();
    nowDate_ = now.toString(QStringLiteral("dd.MM.yy"));
    nowTime_ = now.toString(QStringLiteral("HH:mm"));
    text(desk_ctl::TxtDate) = nowDate_;
    text(desk_ctl::TxtUTC) = nowTime_;
}

// The store button, once a band and a mode are chosen and the QSO is no dupe.
void DeskForm::enableStoreForAnalysedCall() {
    if (dupeState_ == DupeState::Refused) return;
    const bool modeChosen = s_.Mode == QLatin1String("CW") || s_.Mode == QLatin1String("SSB");
    enable(desk_ctl::CmdEnterCall, modeChosen && s_.Band != 0);
}

// A dupe shows its exchange in red; a filled exchange is ready to be typed on.
void DeskForm::moveCursorToExchange() {
    if (callRefused()) {
        c(desk_ctl::TxtRSTR2).back = colour::kRed;
        cursorToEnd(desk_ctl::TxtRSTR2);
    }
    if (text(desk_ctl::TxtRSTR2).trimmed().size() > 1) cursorToEnd(desk_ctl::TxtRSTR2);
}

// The own call and the contest's admission rules; a refused QSO is shown and taken off
// the desk (each failed rule says so once).
bool DeskForm::admitted(const QString& call) {
    const QString myCall = s_.MyCall.trimmed().toUpper();
    bool refused = false;
    if (!myCall.isEmpty() && call == myCall) {
        rejectQso();
        refused = true;
    }
    if (!contest().admits(s_.MyPrfx, s_.LookupCtyPfx)) {
        rejectQso();
        refused = true;
    }
    return !refused;
}

void DeskForm::offLinePrefill() {
    enable(desk_ctl::TxtDate, true);
    enable(desk_ctl::TxtUTC, true);
    text(desk_ctl::TxtDate) = s_.StartDate.trimmed();
    s_.StartTime = s_.StartTime.left(3);
    text(desk_ctl::TxtUTC) = s_.StartTime.trimmed();
    cursorToEnd(desk_ctl::TxtUTC);
    c(desk_ctl::TxtDate).back = colour::kYellow;
    c(desk_ctl::TxtUTC).back = colour::kYellow;
}

// A pick list whose single entry goes straight into the exchange; otherwise the list is
// offered, and a filled exchange finishes the multiplier at once.
void DeskForm::exchangeListStep(const QStringList& entries) {
    // A single county or province follows from the call and needs no list: it is prefilled
    // on a duplicate too (only the list is withheld there).
    if (entries.size() == 1) {
        text(desk_ctl::TxtRSTR2) = entries.front();
    } else if (dupeState_ != DupeState::Refused) {
        fillPickList(entries);
    }
    if (text(desk_ctl::TxtRSTR2).trimmed().isEmpty()) {
        focusAtEnd(desk_ctl::TxtRSTR2);
    } else {
        s_.RcvdExchange = text(desk_ctl::TxtRSTR2).trimmed();
        detectMultiplier();
        focusCall();
    }
}

// The country of the call (see scoring::resolveCountry). A call the country table does not
// know is said so and gets an empty country, continent, prefix and zones, so that it is never
// stored with the country of the station analysed before it.
void DeskForm::findCountry(const QString& call) {
    const std::optional<store::CountryRow> found = scoring::resolveCountry(
        call, {[this](const QString& c) { return dbs_.ref.countryByExactCall(c); },
               [this](const QString& k) { return dbs_.ref.countryByLongestPrefix(k); }});
    countryFound_ = found.has_value();
    if (found) {
        show(desk_ctl::TxtEroare, false);
    } else {
        text(desk_ctl::TxtEroare) =
            call + QStringLiteral("  ") + QLatin1String(desk_text::kNotFound);
        show(desk_ctl::TxtEroare, true);
    }
    const store::CountryRow row = found.value_or(store::CountryRow{});
    s_.LookupId = static_cast<double>(row.id);
    s_.LookupCountry = row.country;
    s_.LookupCnt = row.cnt;
    s_.LookupCtyPfx = row.ctyPfx;
    s_.LookupPfx = row.pfx;
    s_.LookupITU = scoring::twoDigitZone(row.itu);
    s_.LookupCQ = scoring::twoDigitZone(row.cq);
    s_.LookupBeam = row.beam;
    workedLocator_ = row.qraLoc;
    // Reports, and an emptied exchange for the next station.
    const QString report =
        s_.Mode == QLatin1String("SSB") ? QStringLiteral("59") : QStringLiteral("599");
    text(desk_ctl::TxtRSTR1) = report;
    text(desk_ctl::TxtRSTE1) = report;
    if (s_.LookupCtyPfx != QLatin1String("YO")) {
        if (keepExchange_)
            keepExchange_ = false;
        else if (!typedExchange_)
            text(desk_ctl::TxtRSTR2) = QStringLiteral(" ");
    }
    contest().onCountryFound(contestView_);
    text(desk_ctl::TxtCountry) = s_.LookupCountry;
    text(desk_ctl::TxtCont) = s_.LookupCnt;
    text(desk_ctl::TxtPrf) = s_.LookupCtyPfx;
    text(desk_ctl::txtIndic) = s_.LookupCall;
    text(desk_ctl::TxtITU) = s_.LookupITU;
    text(desk_ctl::TxtCQ) = s_.LookupCQ;
    computePoints();
}

void DeskForm::showBeam() {
    QString loc = workedLocator_.trimmed();
    if (loc.size() == 4) loc += QStringLiteral("MM");
    bool ok = false;
    const scoring::LatLon worked = scoring::locatorToCoordinates(loc, &ok);
    if (!ok) return;
    beam_ = scoring::computeBeam({s_.MyLat, s_.MyLon}, worked);
    text(desk_ctl::TxtBeam) = scoring::beamText(beam_);
}

void DeskForm::rejectQso() {
    markCall(CallMark::Refused);
    c(desk_ctl::TxtRSTR2).back = colour::kRed;
    dupeState_ = DupeState::Refused;
    enable(desk_ctl::CmdEnterCall, false);
    askRecorded(s_, box_, forms::msg::kOkOnly, QLatin1String(desk_text::kNotAllowed), QString());
    enable(desk_ctl::mnuUndo, true);
    // Several failed rules show the message once each; the first keeps the undo.
    if (!rejected_) abort();
    rejected_ = true;
    focusCall();
}

// The learned exchange of the analysed call (the running contest's county or DOK table) into
// LearnedExchange; a call not found asks for the typed exchange to be learned.
void DeskForm::lookupLearned() {
    s_.LearnedExchange.clear();
    const std::optional<store::LearnedTable> table = learnedTable();
    const QString key = s_.LookupCall.trimmed().toUpper();
    if (!table || key.isEmpty()) return;
    if (const auto row = dbs_.ref.learned(*table, key)) {
        s_.LearnedExchange =
            *table == LearnedTable::CallJud ? scoring::normaliseCounty(row->value) : row->value;
    } else {
        learnExchange_ = true;
    }
}

std::optional<store::LearnedTable> DeskForm::learnedTable() const {
    switch (contest().learnedKind()) {
    case scoring::LearnedKind::County: return LearnedTable::CallJud;
    case scoring::LearnedKind::Dok: return LearnedTable::CallDOK;
    case scoring::LearnedKind::None: break;
    }
    return std::nullopt;
}

// IARU-HF: the society of an HQ station by its country, else from earlier QSOs.
void DeskForm::lookupSociety() {
    if (const auto society = dbs_.ref.societyByPrefix(text(desk_ctl::TxtPrf).trimmed())) {
        text(desk_ctl::TxtRSTR2) = society->society;
        focusCall();
        if (!society->society.trimmed().isEmpty()) return;
    }
    const auto earlier = dbs_.log.byCall(trimmedCall());
    for (const store::QsoRow& r : earlier)
        text(desk_ctl::TxtRSTR2) = r.mlt.trimmed();
    if (!earlier.empty()) focusCall();
}

void DeskForm::fillPickList(const QStringList& entries) {
    forms::Control& l = c(desk_ctl::list1);
    l.items = entries;
    l.listIndex = -1;
    l.visible = !entries.isEmpty();
}

void DeskForm::pickListChosen() {
    const forms::Control& l = c(desk_ctl::list1);
    if (l.listIndex < 0 || l.listIndex >= l.items.size()) return;
    text(desk_ctl::TxtRSTR2) = l.items[l.listIndex];
    s_.RcvdExchange = text(desk_ctl::TxtRSTR2);
    detectMultiplier();
    enable(desk_ctl::CmdEnterCall, true);
    focusCall();
}

void DeskForm::list2Chosen() {
    const forms::Control& l = c(desk_ctl::List2);
    if (l.listIndex < 0 || l.listIndex >= l.items.size()) return;
    const QString pick = l.items[l.listIndex];
    text(desk_ctl::TxtPrf) = pick;
    s_.LookupCtyPfx = pick;
    detectMultiplier();
    static const std::pair<const char*, const char*> kNames[] = {
        {"SH", "Shetland"}, {"GM", "Scotland"}, {"JW/B", "Bären Ins"},
        {"JW", "Svalbard"}, {"SV/A", "Athos"},  {"SV", "Greece"}};
    for (const auto& [pfx, name] : kNames)
        if (pick == QLatin1String(pfx)) text(desk_ctl::TxtCountry) = QString::fromUtf8(name);
}

} // namespace korvel
