// What the desk shows beside its tallies: the claimed score, the QSO rate and the next
// serial number; and the super check partial list beside the log's partial-call grid.
#include "desk/desk_form.h"

#include "review/rate_chart_model.h"
#include "review/rescoring.h"
#include "scoring/contests/registry.h"

namespace korvel {

using forms::ControlKind;
using forms::Key;
using forms::KeyEvent;

namespace {

// A call of the super check list as shown: " *" after a call already in the log.
constexpr QLatin1String kLoggedMark{" *"};

QString shownCall(const QString& item) {
    return item.endsWith(kLoggedMark) ? item.chopped(kLoggedMark.size()) : item;
}

} // namespace

void DeskForm::buildFigureControls() {
    add(desk_ctl::LblScore, ControlKind::Label);
    add(desk_ctl::LblRate, ControlKind::Label);
    add(desk_ctl::LblNextNr, ControlKind::Label).visible = false;
    add(desk_ctl::LstScp, ControlKind::List);
    add(desk_ctl::LblScp, ControlKind::Label);
}

void DeskForm::loadSuperCheck() {
    const SuperCheck::Source source = superCheck_.load(s_.DataDir, superCheckSystemFolder);
    text(desk_ctl::LblScp) =
        source == SuperCheck::Source::None
            ? SuperCheck::missingText(s_.DataDir)
            : QStringLiteral("SCP %1 calls, * in the log").arg(superCheck_.size());
    c(desk_ctl::LstScp).items.clear();
    c(desk_ctl::LstScp).listIndex = -1;
}

review::Totals DeskForm::claimedScore() const {
    return review::claimedTotals(s_.BandTallies, contest().info.exports);
}

RateMeter::Figures DeskForm::rateFigures() const {
    return rate_.figures(clock_.utcNow());
}

void DeskForm::forgetLoggedCalls() {
    loggedCallsRead_ = false;
}

// After the tallies changed (a QSO stored, corrected or deleted, a band chosen): the score,
// and the times and calls of the newest QSOs.
void DeskForm::showFigures() {
    const review::Totals t = claimedScore();
    text(desk_ctl::LblScore) = QStringLiteral("CLAIMED %1 QSO  %2 PTS  %3 MULT  SCORE %4")
                                   .arg(t.qsos)
                                   .arg(t.points)
                                   .arg(t.mults)
                                   .arg(t.score());
    if (!loggedCallsRead_) {
        // Counted again (a band chosen, a QSO deleted or corrected): all read anew.
        const std::vector<store::QsoRow> newest = dbs_.log.latest(RateMeter::kKept);
        std::vector<QDateTime> times;
        times.reserve(newest.size());
        for (const store::QsoRow& r : newest)
            times.push_back(review::qsoTime(r.data, r.utc));
        rate_.setTimes(std::move(times));
        loggedCalls_.clear();
        for (const QString& call : dbs_.log.distinctCalls())
            loggedCalls_.insert(call);
        loggedCallsRead_ = true;
        newestSeen_ = newest.empty() ? 0 : newest.front().id;
    } else if (const std::optional<store::QsoRow> last = dbs_.log.lastQso();
               last && last->id > newestSeen_) {
        // One QSO stored.
        rate_.add(review::qsoTime(last->data, last->utc));
        loggedCalls_.insert(last->callsign);
        newestSeen_ = last->id;
    }
    tickFigures();
}

// Every clock tick: the rate as time passes, and the serial the next QSO sends.
void DeskForm::tickFigures() {
    text(desk_ctl::LblRate) = RateMeter::text(rateFigures());
    showNextSerial();
}

void DeskForm::showNextSerial() {
    const bool serial = contest().resumesSerial(text(desk_ctl::LblMyCntPfx).trimmed(), s_.NrConst);
    show(desk_ctl::LblNextNr, serial);
    text(desk_ctl::LblNextNr) =
        serial ? QStringLiteral("NEXT NR %1").arg(text(desk_ctl::TxtRSTE2).trimmed()) : QString();
}

// Every key in the call field: the calls of the list that contain what is typed.
void DeskForm::superCheckLookup() {
    if (holdSuperCheck_) return;
    forms::Control& list = c(desk_ctl::LstScp);
    list.items.clear();
    list.listIndex = -1;
    for (const QString& call : superCheck_.find(trimmedCall()))
        list.items << (loggedCalls_.contains(call) ? call + kLoggedMark : call);
}

// The chosen call goes into the call field as if typed; the list stays as it was, so that
// the next entry can be chosen.
void DeskForm::takeSuperCheckCall(int index) {
    forms::Control& list = c(desk_ctl::LstScp);
    if (index < 0 || index >= list.items.size() || !c(desk_ctl::txtIndic).enabled) return;
    list.listIndex = index;
    const QString call = shownCall(list.items[index]);
    holdSuperCheck_ = true;
    focusSelectAll(desk_ctl::txtIndic);
    typeText(call);
    holdSuperCheck_ = false;
}

// Up and Down in the call field step through the list.
bool DeskForm::superCheckKeyDown(const QString& control, KeyEvent& e) {
    if (control != desk_ctl::txtIndic || (e.key != Key::Down && e.key != Key::Up) || e.alt ||
        e.ctrl)
        return false;
    const forms::Control& list = c(desk_ctl::LstScp);
    if (list.items.isEmpty()) return false;
    e.swallowed = true;
    const int last = static_cast<int>(list.items.size()) - 1;
    const int at = list.listIndex < 0
                       ? (e.key == Key::Down ? 0 : last)
                       : std::clamp(list.listIndex + (e.key == Key::Down ? 1 : -1), 0, last);
    takeSuperCheckCall(at);
    return true;
}

bool DeskForm::superCheckDblClick(const QString& control) {
    if (control != desk_ctl::LstScp) return false;
    takeSuperCheckCall(c(desk_ctl::LstScp).listIndex);
    return true;
}

} // namespace korvel
