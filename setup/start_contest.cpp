#include "setup/start_contest.h"

#include "core/contest_catalogue.h"
#include "core/settings_file.h"
#include "desk/desk_form.h"
#include "scoring/contests/registry.h"
#include "setup/setup_form.h"

#include <QRegularExpression>

#include <optional>

namespace korvel {

namespace {

// The setup screen's controls by name, and the desk when there is one.
class Screens {
public:
    explicit Screens(SetupForm& setup) : setup_(setup), desk_(setup.desk()) {}

    QString& text(setup_ctl::Name name) { return setup_.ctl(name).text; }
    bool checked(setup_ctl::Name name) { return setup_.ctl(name).checked; }
    bool visible(setup_ctl::Name name) { return setup_.ctl(name).visible; }
    // The desk, when there is one, does `f`.
    template <typename F> void desk(F f) {
        if (desk_) f(*desk_);
    }

    // Shows one of the messages of the start, leaves the focus on the field (emptied first
    // when asked) and refuses the start.
    bool refuse(const char* prompt, std::optional<setup_ctl::Name> field = {}, bool empty = false) {
        if (field && empty) text(*field).clear();
        setup_.notify(QLatin1String(prompt));
        if (field) setup_.focusAtEnd(*field);
        return false;
    }

private:
    SetupForm& setup_;
    DeskForm* desk_;
};

// The offset is kept as typed ("+02" stays "+02" on the screen and in the settings file);
// it is read as a number only where one is needed, and must then be whole hours.
std::optional<int> wholeHours(const QString& typed) {
    static const QRegularExpression hours(QStringLiteral("^[+-]?[0-9]{1,2}$"));
    const QString t = typed.trimmed();
    if (!hours.match(t).hasMatch()) return std::nullopt;
    const int n = t.toInt();
    if (n < -12 || n > 14) return std::nullopt;
    return n;
}

bool noContestChosen(SetupForm& setup) {
    // Before the language is chosen the contest frame is hidden too: no contest means none.
    return setup.ctl(setup_ctl::FRAContest).visible || setup.state().ContestCode == 0;
}

// START-CONTEST, step by step. A check that fails shows its message and ends the start.
class ContestStart {
public:
    explicit ContestStart(SetupForm& setup)
        : setup_(setup), s_(setup.state()), on_(setup),
          contest_(scoring::catalogueRow(s_.ContestCode)) {}

    bool run() {
        on_.desk([](DeskForm& d) { d.hideLogGrid(); });
        takeStartDateAndTime();
        if (noContestChosen(setup_) || !contest_) return on_.refuse(start_text::kFillContestType);
        takeOptions();
        if (!checkStation()) return false;
        // A learned own exchange (county, DOK) is checked before the control number is
        // taken, any other own exchange after it.
        if (learnedExchange() && exchangeTooShort())
            return on_.refuse(start_text::kFillTextbox, setup_ctl::TxtMyBezirkA);
        // The control number the serial-number contests start from (the desk takes it at
        // the hand-over; Keymen's Club sends the continent instead).
        s_.NextNr = on_.text(setup_ctl::txtControl);
        if (!learnedExchange() && exchangeTooShort())
            return on_.refuse(start_text::kFillTextbox, setup_ctl::TxtMyBezirkA);
        takeOwnStation();
        writeSettings();
        if (contest_->zone == ZoneExchange::Cq) s_.MyCQZone = on_.text(setup_ctl::TxtZone);
        // These two are checked only after the files are written, so that the screen shows
        // what was typed again on the way back.
        if (contest_->prompt.typedRequired && typedExchange().isEmpty())
            return on_.refuse(start_text::kFillTextbox, setup_ctl::TxtMyBezirkA);
        if (contest_->logGeneral &&
            (s_.NrConst == Numbering::Unset || s_.CwPhMode == ModeRule::Unset))
            return on_.refuse(start_text::kLogGeneral);
        openDesk();
        return true;
    }

private:
    // Off-line, the start date and time typed on the screen; live, the local clock's.
    void takeStartDateAndTime() {
        if (s_.OffLineInput == Flag::On) {
            s_.StartDate = on_.text(setup_ctl::TxtSD);
            s_.StartTime = on_.text(setup_ctl::TxtST);
            on_.desk([&](DeskForm& d) { d.showStartDateTime(s_.StartDate, s_.StartTime); });
            return;
        }
        const QDateTime now = setup_.localNow();
        s_.StartDateFmt = now.toString(QStringLiteral("dd.MM.yy"));
        s_.StartTimeFmt = now.toString(QStringLiteral("HH:mm"));
        s_.StartDate = on_.text(setup_ctl::TxtSD) = s_.StartDateFmt.toString();
        s_.StartTime = on_.text(setup_ctl::TxtST) = s_.StartTimeFmt.toString();
        // The desk's UTC field shows the computer's UTC clock, as its title and the stored
        // QSOs do; the offset is shown and saved but shifts nothing.
        on_.desk([](DeskForm& d) { d.showClockDateTime(); });
    }

    // The repeat options, shown on the desk, and the cluster panel (the desk window shows
    // it for this choice, remembered for the way back).
    void takeOptions() {
        const bool cwRepeat = on_.checked(setup_ctl::ChkCwRpt);
        s_.CwRepeat = cwRepeat ? Flag::On : Flag::Unset;
        const bool ssbRepeat = on_.checked(setup_ctl::ChkSSBRpt);
        s_.SsbRepeat = ssbRepeat ? Flag::On : Flag::Unset;
        on_.desk([&](DeskForm& d) {
            d.colourRepeatKey(cwRepeat || ssbRepeat);
            if (!cwRepeat) d.hideRepeatPause(false);
            if (!ssbRepeat) d.hideRepeatPause(true);
        });
        s_.DxClusterOn = on_.checked(setup_ctl::ChkDxCl) ? Flag::On : Flag::Unset;
    }

    // Time offset, own call and locator; a faulty one is emptied.
    bool checkStation() {
        if (on_.text(setup_ctl::TxtTime).trimmed().isEmpty())
            return on_.refuse(start_text::kFillTextbox, setup_ctl::TxtTime, true);
        if (!wholeHours(on_.text(setup_ctl::TxtTime)))
            return on_.refuse(start_text::kBadTimeOffset, setup_ctl::TxtTime);
        if (on_.text(setup_ctl::TxtMyCall).trimmed().size() < 3)
            return on_.refuse(start_text::kFillTextbox, setup_ctl::TxtMyCall, true);
        if (on_.text(setup_ctl::txtMyQRA).trimmed().size() < 6)
            return on_.refuse(start_text::kFillTextbox, setup_ctl::txtMyQRA, true);
        return true;
    }

    bool learnedExchange() const {
        const ExchangeFill fill = contest_->prompt.fillQualifying;
        return fill == ExchangeFill::County || fill == ExchangeFill::Dok;
    }

    // The own prefix qualifies (as the screen had it before the start) and the typed
    // exchange is shorter than the contest asks.
    bool exchangeTooShort() {
        const int length = static_cast<int>(on_.text(setup_ctl::TxtMyBezirkA).trimmed().size());
        return ownPrefixQualifies(*contest_, s_.MyPrfx) && length < contest_->prompt.minLength;
    }

    QString typedExchange() { return on_.text(setup_ctl::TxtMyBezirkA).trimmed(); }

    // The own station as the screen shows it. The own exchange is taken for every station
    // that sends it, so that the desk's label and messages match what it sends.
    void takeOwnStation() {
        const bool ownExchange =
            contest_->prompt.minLength > 0 && ownPrefixQualifies(*contest_, s_.MyPrfx);
        s_.MyCall = on_.text(setup_ctl::TxtMyCall);
        s_.TimeOffset = on_.text(setup_ctl::TxtTime);
        s_.MyCont = on_.text(setup_ctl::TxtMyCont);
        s_.MyZone = on_.text(setup_ctl::TxtZone);
        s_.MyPrfx = on_.text(setup_ctl::TxtMyPrfx);
        if (ownExchange) s_.MyBezirk = on_.text(setup_ctl::TxtMyBezirkA);
        // ARRL DX's power and Log General's constant go into the settings file too, so that
        // the screen shows them again on the way back.
        if ((contest_->prompt.typedRequired && !typedExchange().isEmpty()) ||
            (contest_->logGeneral && s_.NrConst == Numbering::Constant))
            s_.MyBezirk = typedExchange();
        // The desk turns the locator into coordinates at the hand-over.
        s_.MyQRA = s_.MyQRACalc = on_.text(setup_ctl::txtMyQRA);
    }

    // Both settings files; a file that cannot be written is reported and the start goes on.
    void writeSettings() {
        const SettingsWriteResult init = writeAsked(initFilePath(s_), writeInitFile);
        for (int i = 1; i <= setup_ctl::kMessageKeys; ++i)
            s_.cwText(i) = setup_.ctl(setup_ctl::messageText(i)).text;
        bool portOk = false;
        const int port = on_.text(setup_ctl::TxtCP).trimmed().toInt(&portOk);
        if (portOk) s_.ComPort = port;
        const SettingsWriteResult cw = writeAsked(cwTextFilePath(s_), writeCwTextFile);
        for (const SettingsWriteResult* r : {&init, &cw})
            if (!r->ok) setup_.notify(r->error, forms::msg::kOkOnly | forms::msg::kExclamation);
    }

    // A settings file that is there but cannot be read may hold the operator's settings: it
    // is written over only when the operator answers Yes (Esc and Enter keep it).
    template <typename Write> SettingsWriteResult writeAsked(const QString& path, Write write) {
        const SettingsWriteResult kept = write(s_, path, ReplaceUnreadable::No);
        if (!kept.refused) return kept;
        namespace msg = forms::msg;
        const int answer = setup_.notify(
            QStringLiteral("%1 cannot be read (%2). Replace it with the settings of this screen?")
                .arg(path, unreadableReason(path)),
            msg::kYesNo | msg::kQuestion | msg::kDefault2);
        return answer == msg::kYes ? write(s_, path, ReplaceUnreadable::Yes) : kept;
    }

    // The desk takes the contest, the own station and the messages, and opens; back from
    // the desk, the band and mode worked before are selected again.
    void openDesk() {
        DeskForm* desk = setup_.desk();
        if (!desk) return;
        const int band = s_.Band;
        const QString mode = s_.Mode;
        desk->handOver();
        desk->open();
        if (s_.SetupDone == Flag::On) {
            if (bandIndex(band) >= 0) desk->switchBand(band);
            desk->chooseMode(mode);
        }
    }

    SetupForm& setup_;
    SharedState& s_;
    Screens on_;
    const ContestInfo* contest_;
};

} // namespace

bool startContest(SetupForm& setup) {
    return ContestStart(setup).run();
}

void inputLogOffLine(SetupForm& setup) {
    SharedState& s = setup.state();
    Screens on(setup);
    s.OffLineInput = Flag::On;
    s.StartDateFmt = setup.localNow().toString(QStringLiteral("dd.MM.yy"));
    on.text(setup_ctl::TxtSD) = s.StartDateFmt.toString();
    on.text(setup_ctl::TxtST) = QStringLiteral("00:00");
    for (setup_ctl::Name name :
         {setup_ctl::TxtSD, setup_ctl::TxtST, setup_ctl::LblSD, setup_ctl::LblST})
        setup.ctl(name).visible = true;
    setup.setChecked(setup_ctl::ChkDxCl, false);
    setup.focusAtEnd(setup_ctl::TxtSD);
    // Nothing is keyed while a paper log is typed in.
    s.CwByPc = Flag::Unset;
    setup.setChecked(setup_ctl::ChkCwRpt, false);
    s.CwRepeat = Flag::Unset;
    on.desk([](DeskForm& d) { d.showOffLine(); });
}

bool logMenu(SetupForm& setup) {
    if (noContestChosen(setup)) {
        setup.notify(QLatin1String(start_text::kFillContestType));
        return false;
    }
    return true;
}

} // namespace korvel
