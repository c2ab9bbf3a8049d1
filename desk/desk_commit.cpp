// Storing the QSO on the desk, serial numbers, deleting a QSO and taking the last one back
// for correction.
#include "desk/desk_form.h"

#include "core/paths.h"
#include "scoring/call_analysis.h"
#include "scoring/contests/registry.h"
#include "scoring/serial.h"

namespace korvel {

namespace colour = forms::colour;
using store::LearnedTable;

namespace {

QString reportAndExchange(const QString& report, const QString& exchange) {
    return report.trimmed() + QLatin1Char(' ') + exchange.trimmed();
}

// "599 014" -> ("599", "014"): split at the first blank.
std::pair<QString, QString> splitAtBlank(const QString& s) {
    const qsizetype blank = s.indexOf(QLatin1Char(' '));
    if (blank < 0) return {s, QString()};
    return {s.left(blank), s.mid(blank + 1)};
}

} // namespace

void DeskForm::commitQso() {
    if (!analyseChangedCall()) return;
    const QString call = takeDateTimeAndCall();
    if (call.trimmed().isEmpty()) return;
    resetBandButtons();
    learnUnknownExchange(call);
    stampDateTime();
    // A QSO the log did not take stays on the desk, to be stored again.
    if (!storeQso()) return;
    stationQsoStored();
    prepareNextQso();
}

// The dupe warning goes; the date and time on the desk become the start values; the call
// as it is stored.
QString DeskForm::takeDateTimeAndCall() {
    show(desk_ctl::Frame3, false);
    s_.StartDate = text(desk_ctl::TxtDate);
    s_.StartTime = text(desk_ctl::TxtUTC);
    return scoring::loggedCall(text(desk_ctl::txtIndic));
}

// The band buttons back to green (a contest without 160 m marks leaves that one alone).
void DeskForm::resetBandButtons() {
    const bool no160 = contest().hasNo160Marks();
    for (int band : kBands)
        if (band != 160 || !no160) ctl(desk_ctl::bandButton(bandIndex(band))).back = colour::kGreen;
}

// In contest mode, an exchange the tables did not know is learned for the call.
void DeskForm::learnUnknownExchange(const QString& call) {
    if (s_.ContestMode == Flag::On) {
        const QString typed = text(desk_ctl::TxtRSTR2).trimmed();
        const std::optional<LearnedTable> table = learnedTable();
        if (table && learnExchange_ && !typed.isEmpty()) dbs_.ref.learn(*table, call, typed);
    }
    learnExchange_ = false;
}

// Date and time: typed off-line, the clock's live. A QSO being corrected keeps the date and
// time it was logged with.
void DeskForm::stampDateTime() {
    if (s_.OffLineInput == Flag::On || reloadId_) {
        nowDate_ = text(desk_ctl::TxtDate).trimmed();
        nowTime_ = text(desk_ctl::TxtUTC).trimmed();
        if (s_.OffLineInput == Flag::On) {
            text(desk_ctl::TxtDate) = s_.StartDate;
            text(desk_ctl::TxtUTC) = s_.StartTime;
        }
    } else {
        const QDateTime now = clock_.utcNow();
        nowDate_ = now.toString(QStringLiteral("dd.MM.yy"));
        nowTime_ = now.toString(QStringLiteral("HH:mm"));
        text(desk_ctl::TxtDate) = nowDate_;
        text(desk_ctl::TxtUTC) = nowTime_;
    }
}

// The desk cleared for the next QSO (which refreshes the grid) with its serial number; a
// corrected QSO leaves the running number as it was.
void DeskForm::prepareNextQso() {
    const bool wasCorrection = reloadId_.has_value();
    const QString worked = s_.LookupCtyPfx;
    reloadId_.reset();
    clearDesk();
    show(desk_ctl::List2, false);
    if (wasCorrection) {
        text(desk_ctl::TxtRSTE2) = serialBeforeReload_;
        text(desk_ctl::LblRaport) = raportBeforeReload_;
    } else if (contest().advancesSerial(text(desk_ctl::LblMyCntPfx).trimmed(), worked,
                                        s_.NrConst)) {
        nextSerial();
    }
    c(desk_ctl::TxtRSTR2).back = colour::kPalette14;
    enable(desk_ctl::mnuUndo, false);
    enable(desk_ctl::CmdEnterCall, false);
    dupeState_ = DupeState::None;
}

bool DeskForm::storeQso() {
    const scoring::Contest& contest = this->contest();
    const QString rcvdExchange = text(desk_ctl::TxtRSTR2).trimmed();
    store::QsoRow row;
    row.rcvd = reportAndExchange(text(desk_ctl::TxtRSTR1), text(desk_ctl::TxtRSTR2));
    row.sent = reportAndExchange(text(desk_ctl::TxtRSTE1), text(desk_ctl::TxtRSTE2));
    row.bnd = bandToText(s_.Band, s_.BandText).trimmed();
    // A QSO the log does not take stays on the desk to be stored again: what the store
    // adjusts (the points, the marks, the station flags) is then put back as it was, so that
    // a second try does not add a bonus twice.
    const auto undoAdjustments = [this, points = s_.QsoPoints, mult = s_.MultValue,
                                  mult1 = s_.Mult1Value, society = societyExchange_,
                                  worked = workedFixed_, own = ownFixed_] {
        s_.QsoPoints = points;
        s_.MultValue = mult;
        s_.Mult1Value = mult1;
        societyExchange_ = society;
        workedFixed_ = worked;
        ownFixed_ = own;
    };
    contest.adjustAtStore(s_, {.rcvdExchange = rcvdExchange,
                               .sentExchange = text(desk_ctl::TxtRSTE2).trimmed(),
                               .societyExchange = societyExchange_,
                               .bothFixed = workedFixed_ && ownFixed_});
    societyExchange_ = false;
    workedFixed_ = ownFixed_ = false;
    if (!contest.countsSecondMultiplier() || s_.Mult1Value.isEmpty())
        s_.Mult1Value = QStringLiteral(" ");
    row.callsign = scoring::loggedCall(text(desk_ctl::txtIndic));
    QString date = nowDate_;
    if (date.size() == 10) date = date.left(6) + date.right(2);
    if (callRefused()) {
        s_.MultValue = QStringLiteral(" ");
        s_.QsoPoints = QStringLiteral(" 0");
    }
    row.data = date;
    row.utc = nowTime_;
    row.md = s_.Mode;
    row.pfx = s_.LookupCtyPfx;
    row.mlt = s_.MultValue.isEmpty() ? QStringLiteral(" ") : s_.MultValue;
    row.mlt1 = s_.Mult1Value;
    row.pct = s_.QsoPoints;
    lastLoggedText_ = row.callsign + QLatin1Char(' ') + row.sent;

    // A correction takes the QSO as it was out of the tallies and counts it as it is now.
    const std::optional<store::QsoRow> before =
        reloadId_ ? dbs_.log.qsoById(*reloadId_) : std::nullopt;
    const bool stored =
        reloadId_ ? dbs_.log.replaceQso(*reloadId_, row) : dbs_.log.insertQso(row) > 0;
    if (!stored) {
        undoAdjustments();
        askRecorded(s_, box_, forms::msg::kOkOnly | forms::msg::kCritical,
                    QStringLiteral("QSO NOT STORED: %1").arg(dbs_.log.lastError()), QString());
        return false;
    }
    if (reloadId_ && !before) {
        recountTallies(); // the QSO as it was could not be read: the log is counted again
        return true;
    }
    if (before) {
        tallyQso(*before, -1);
        forgetLoggedCalls(); // the corrected call may have been the only one of its kind
    }
    tallyQso(row, +1);
    showTallies();
    return true;
}

void DeskForm::nextSerial() {
    const scoring::SerialStep step = scoring::nextSerial(text(desk_ctl::TxtRSTE2));
    text(desk_ctl::LblRaport) = step.used;
    text(desk_ctl::TxtRSTE2) = step.next;
    showNextSerial();
}

void DeskForm::serialStart() {
    const auto last = dbs_.log.lastQso();
    const scoring::SerialStep step = scoring::resumeSerial(last ? last->sent : QString());
    text(desk_ctl::LblRaport) = step.used;
    text(desk_ctl::TxtRSTE2) = step.next;
    showNextSerial();
}

// Alt+F2: the last QSO (or, pressed again, the one before the QSO already taken back)
// comes back into the desk. It stays in the log until the corrected QSO replaces it.
void DeskForm::reloadLastQso() {
    std::optional<store::QsoRow> row;
    if (reloadId_) {
        const auto rows = dbs_.log.all();
        for (const store::QsoRow& r : rows)
            if (r.id < *reloadId_) row = r;
        if (!row) return;
    } else {
        row = dbs_.log.lastQso();
        if (!row) return;
        serialBeforeReload_ = text(desk_ctl::TxtRSTE2);
        raportBeforeReload_ = text(desk_ctl::LblRaport);
    }
    clearDesk();
    reloadId_ = row->id;
    text(desk_ctl::txtIndic) = row->callsign;
    text(desk_ctl::TxtDate) = row->data;
    text(desk_ctl::TxtUTC) = row->utc;
    const auto [sentReport, sentExchange] = splitAtBlank(row->sent);
    const auto [rcvdReport, rcvdExchange] = splitAtBlank(row->rcvd);
    const int band = row->bnd.trimmed().toInt();
    if (row->md == QLatin1String("SSB"))
        switchToSsb();
    else if (row->md == QLatin1String("CW"))
        switchToCw();
    if (bandIndex(band) >= 0) switchBand(band);
    text(desk_ctl::TxtRSTE1) = sentReport;
    text(desk_ctl::TxtRSTE2) = sentExchange;
    text(desk_ctl::TxtPrf) = row->pfx.isEmpty() ? QStringLiteral(" ") : row->pfx;
    s_.LookupCtyPfx = text(desk_ctl::TxtPrf);
    s_.MultValue = row->mlt.isEmpty() ? QStringLiteral(" ") : row->mlt;
    s_.Mult1Value = row->mlt1.isEmpty() ? QStringLiteral(" ") : row->mlt1;
    s_.QsoPoints = row->pct;
    show(desk_ctl::LblNeu, !s_.MultValue.trimmed().isEmpty());
    keepExchange_ = true;
    text(desk_ctl::TxtRSTR2) = rcvdExchange;
    analyseCall();
    // The reports and exchanges as they were logged, whatever the analysis prefilled.
    text(desk_ctl::TxtRSTR1) = rcvdReport;
    text(desk_ctl::TxtRSTR2) = rcvdExchange;
    text(desk_ctl::TxtRSTE1) = sentReport;
    text(desk_ctl::TxtRSTE2) = sentExchange;
    text(desk_ctl::TxtDate) = row->data;
    text(desk_ctl::TxtUTC) = row->utc;
    s_.RcvdExchange = rcvdExchange;
    s_.RcvdReport = rcvdReport;
    typedExchange_ = true;
}

void DeskForm::deleteSelectedQso() {
    if (gridCurrent_ <= 0) return;
    const int answer =
        askRecorded(s_, box_, forms::msg::kYesNo, QLatin1String(desk_text::kDeletePrompt),
                    QLatin1String(desk_text::kDeleteTitle));
    if (answer == forms::msg::kYes) {
        const std::optional<store::QsoRow> deleted = dbs_.log.qsoById(gridCurrent_);
        // A QSO the log did not delete stays, and so does its correction on the desk.
        if (!dbs_.log.deleteQso(gridCurrent_)) {
            askRecorded(s_, box_, forms::msg::kOkOnly | forms::msg::kCritical,
                        QStringLiteral("QSO NOT DELETED: %1").arg(dbs_.log.lastError()), QString());
            focusCall();
            return;
        }
        if (reloadId_ && *reloadId_ == gridCurrent_) reloadId_.reset();
        if (deleted) tallyQso(*deleted, -1);
        forgetLoggedCalls();
        stationQsoDeleted(gridCurrent_);
        gridCurrent_ = 0;
        switchBand(s_.Band); // the tallies, the grid and the band map shown again
    }
    focusCall();
}

} // namespace korvel
