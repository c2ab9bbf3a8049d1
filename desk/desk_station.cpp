// The station around the desk: the radio's frequency and mode, the band map of the DX
// spots with their marks, the cluster console, and the frequency logged with each QSO.
#include "desk/desk_form.h"

#include "core/band_plan.h"
#include "store/qso_freq.h"

namespace korvel {

namespace colour = forms::colour;
using forms::Key;
using forms::KeyEvent;

namespace {

// Lines the console keeps; older ones scroll away.
constexpr int kConsoleLines = 200;

} // namespace

void DeskForm::buildStationControls() {
    add(desk_ctl::LblFreq, forms::ControlKind::Label).visible = false;
    add(desk_ctl::FraStation, forms::ControlKind::Frame, QStringLiteral("BAND MAP")).visible =
        false;
    add(desk_ctl::LstBandMap, forms::ControlKind::List);
    add(desk_ctl::LstCluster, forms::ControlKind::List);
    add(desk_ctl::TxtClusterCmd, forms::ControlKind::Text);
}

void DeskForm::showStation(bool radio, bool cluster) {
    show(desk_ctl::LblFreq, radio);
    show(desk_ctl::FraStation, cluster);
    if (!radio) radioHz_.reset();
}

// ---------------------------------------------------------------------------------------
// The radio.

void DeskForm::followRadio(std::int64_t hz, const QString& mode) {
    if (s_.OffLineInput == Flag::On) return; // a paper log typed in: the radio says nothing
    const RigFollow f = followRig(hz, mode);
    radioHz_ = hz;
    forms::Control& freq = c(desk_ctl::LblFreq);
    freq.text = frequencyText(hz);
    freq.back = f.outside ? colour::kRed : colour::kWhite;
    freq.visible = true;
    if (!radioProblem_.isEmpty() && text(desk_ctl::TxtEroare) == radioProblem_)
        show(desk_ctl::TxtEroare, false); // the radio answers again
    radioProblem_.clear();
    // A band or mode the radio moved to is chosen as its button would choose it.
    if (f.band != 0 && f.band != s_.Band) click(desk_ctl::bandButton(bandIndex(f.band)));
    if (f.mode && *f.mode != s_.Mode) chooseMode(*f.mode);
    refreshBandMap();
}

void DeskForm::radioLost(const QString& reason) {
    radioHz_.reset();
    c(desk_ctl::LblFreq).back = colour::kPalette7;
    radioProblem_ = QStringLiteral("RIG: %1").arg(reason);
    showError(radioProblem_);
}

std::optional<std::int64_t> DeskForm::loggedKHz() const {
    if (!radioHz_) return std::nullopt;
    const RigFollow f = followRig(*radioHz_, QString());
    // A radio outside the band the QSO is logged on says nothing about the QSO.
    if (f.band == 0 || f.band != s_.Band) return std::nullopt;
    return f.kHz;
}

// A new QSO takes the radio's frequency (or none: an ID used before keeps no old one); a
// corrected QSO keeps the frequency it was logged with.
void DeskForm::stationQsoStored() {
    if (!reloadId_) {
        const std::optional<store::QsoRow> last = dbs_.log.lastQso();
        if (last) {
            store::Connection& conn = dbs_.log.connection();
            if (const std::optional<std::int64_t> kHz = loggedKHz()) {
                if (!store::setQsoFreq(conn, last->id, *kHz).isEmpty() &&
                    store::createQsoFreqTable(conn).isEmpty())
                    store::setQsoFreq(conn, last->id, *kHz);
            } else {
                store::deleteQsoFreq(conn, last->id);
            }
        }
    }
    bandMap_.rejudge();
    refreshBandMap();
}

void DeskForm::stationQsoDeleted(std::int64_t id) {
    store::deleteQsoFreq(dbs_.log.connection(), id);
    bandMap_.rejudge();
    refreshBandMap();
}

// ---------------------------------------------------------------------------------------
// The band map and the console.

void DeskForm::typeCall(const QString& call) {
    if (!c(desk_ctl::txtIndic).enabled) return;
    focusSelectAll(desk_ctl::txtIndic);
    typeText(call);
}

void DeskForm::clusterLine(const QString& line, const QDateTime& utc) {
    forms::Control& console = c(desk_ctl::LstCluster);
    console.items << line;
    if (console.items.size() > kConsoleLines)
        console.items.erase(console.items.begin(), console.items.end() - kConsoleLines);
    console.listIndex = static_cast<int>(console.items.size()) - 1;
    if (const std::optional<cluster::DxSpot> spot = cluster::parseSpot(line, utc)) {
        spots_.add(*spot);
        refreshBandMap();
    }
}

void DeskForm::expireSpots(const QDateTime& utc) {
    spots_.expire(utc);
    refreshBandMap();
}

void DeskForm::setSpotMinutes(int minutes) {
    spots_.setMinutes(minutes);
}

// The spots of the desk's band, marked for its mode; the cursor on the spot nearest to
// the radio.
void DeskForm::refreshBandMap() {
    bandMap_.setBand(s_.Band);
    if (bandMapMode_ != s_.Mode) {
        bandMapMode_ = s_.Mode;
        bandMap_.rejudge();
    }
    bandMap_.show(spots_);
    forms::Control& list = c(desk_ctl::LstBandMap);
    list.items = bandMap_.lines();
    if (const std::optional<std::int64_t> hz = radioHz_)
        list.listIndex = bandMap_.nearest(static_cast<double>(*hz) / 1000.0);
    if (list.listIndex >= list.items.size()) list.listIndex = -1;
}

// A double click on a spot: its call as if typed, and the radio tuned to it.
bool DeskForm::stationDblClick(const QString& control) {
    if (control != desk_ctl::LstBandMap) return false;
    const std::optional<cluster::BandMapPick> pick = bandMap_.pick(ctl(control).listIndex);
    if (!pick) return true;
    if (onTune) onTune(pick->hz);
    typeCall(pick->call);
    return true;
}

// The console's command line: Enter sends it to the node, Esc and Tab go back to the call.
bool DeskForm::stationKeyDown(const QString& control, KeyEvent& e) {
    if (control != desk_ctl::TxtClusterCmd) return false;
    if (e.key == Key::Enter) {
        e.swallowed = true;
        QString& command = text(desk_ctl::TxtClusterCmd);
        if (!command.trimmed().isEmpty() && onClusterCommand) onClusterCommand(command.trimmed());
        command.clear();
        focusCall();
    } else if (e.key == Key::Esc || e.key == Key::Tab) {
        e.swallowed = true;
        focusCall();
    }
    return true;
}

} // namespace korvel
