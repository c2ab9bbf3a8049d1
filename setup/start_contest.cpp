#include "setup/start_contest.h"

#include "core/contest_catalogue.h"
#include "core/settings_file.h"
#include "desk/desk_form.h"
#include "scoring/contests/registry.h"
#include "setup/setup_form.h"

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

QVariant timeOffsetFromText(const QString& typed) {
    bool numeric = false;
    const double hours = typed.trimmed().toDouble(&numeric);
    return numeric ? QVariant(hours) : QVariant(typed);
}

bool noContestChosen(SetupForm& setup) {
    // Before the language is chosen the contest frame is hidden too: no contest means none.
    return setup.ctl(setup_ctl::FRAContest).visible || setup.state().ContestCode == 0;
}

} // namespace

bool startContest(SetupForm& setup) {
    SharedState& s = setup.state();
    DeskForm* desk = setup.desk();
    Screens on(setup);
    const ContestInfo* contest = scoring::catalogueRow(s.ContestCode);

    // 1
    on.desk([](DeskForm& d) { d.hideLogGrid(); });
    // 2: start date and time.
    if (s.OffLineInput == 100) {
        s.StartDate = on.text(setup_ctl::TxtSD);
        s.StartTime = on.text(setup_ctl::TxtST);
        on.desk([&](DeskForm& d) { d.showStartDateTime(s.StartDate, s.StartTime); });
    } else {
        const QDateTime now = setup.localNow();
        s.StartDateFmt = now.toString(QStringLiteral("dd.MM.yy"));
        s.StartTimeFmt = now.toString(QStringLiteral("HH:mm"));
        s.StartDate = on.text(setup_ctl::TxtSD) = s.StartDateFmt.toString();
        s.StartTime = on.text(setup_ctl::TxtST) = s.StartTimeFmt.toString();
        const double offset = s.TimeOffset.toString().trimmed().toDouble();
        const QString utc =
            now.addSecs(static_cast<qint64>(-offset * 3600.0)).toString(QStringLiteral("HH:mm"));
        on.desk([&](DeskForm& d) { d.showStartDateTime(s.StartDate, utc); });
    }
    // 3
    if (noContestChosen(setup) || !contest) return on.refuse(start_text::kFillContestType);
    // 4: repeat options.
    const bool cwRepeat = on.checked(setup_ctl::ChkCwRpt);
    s.CwRepeat = cwRepeat ? 100 : 0;
    const bool ssbRepeat = on.checked(setup_ctl::ChkSSBRpt);
    s.SsbRepeat = ssbRepeat ? 100 : 0;
    on.desk([&](DeskForm& d) {
        d.colourRepeatKey(cwRepeat || ssbRepeat);
        if (!cwRepeat) d.hideRepeatPause(false);
        if (!ssbRepeat) d.hideRepeatPause(true);
    });
    // 5: the desk window shows the cluster panel for this choice, remembered for the way back.
    s.DxClusterOn = on.checked(setup_ctl::ChkDxCl) ? 100 : 0;
    // 6-8: time offset, own call, locator.
    if (on.text(setup_ctl::TxtTime).trimmed().isEmpty())
        return on.refuse(start_text::kFillTextbox, setup_ctl::TxtTime, true);
    if (on.text(setup_ctl::TxtMyCall).trimmed().size() < 3)
        return on.refuse(start_text::kFillTextbox, setup_ctl::TxtMyCall, true);
    if (on.text(setup_ctl::txtMyQRA).trimmed().size() < 6)
        return on.refuse(start_text::kFillTextbox, setup_ctl::txtMyQRA, true);
    // 9: exchange, first part.
    //    A learned own exchange (county, DOK) is checked before the control number.
    const int exchangeLength = static_cast<int>(on.text(setup_ctl::TxtMyBezirkA).trimmed().size());
    const OwnExchangePrompt& prompt = contest->prompt;
    const bool learnedExchange =
        prompt.fillQualifying == ExchangeFill::County || prompt.fillQualifying == ExchangeFill::Dok;
    const bool shortExchange =
        ownPrefixQualifies(*contest, s.MyPrfx) && exchangeLength < prompt.minLength;
    if (learnedExchange && shortExchange)
        return on.refuse(start_text::kFillTextbox, setup_ctl::TxtMyBezirkA);
    // 10: the control number the serial-number contests start from (the desk takes it at
    //     the hand-over; Keymen's Club sends the continent instead).
    s.NextNr = on.text(setup_ctl::txtControl);
    // 11: exchange, second part.
    const bool ownExchange = prompt.minLength > 0 && ownPrefixQualifies(*contest, s.MyPrfx);
    if (!learnedExchange && shortExchange)
        return on.refuse(start_text::kFillTextbox, setup_ctl::TxtMyBezirkA);
    // 12: the own station as the screen shows it. The own exchange is taken for every
    //     station that sends it, so that the desk's label and messages match what it sends.
    s.MyCall = on.text(setup_ctl::TxtMyCall);
    s.TimeOffset = timeOffsetFromText(on.text(setup_ctl::TxtTime));
    s.MyCont = on.text(setup_ctl::TxtMyCont);
    s.MyZone = on.text(setup_ctl::TxtZone);
    s.MyPrfx = on.text(setup_ctl::TxtMyPrfx);
    if (ownExchange) s.MyBezirk = on.text(setup_ctl::TxtMyBezirkA);
    // ARRL DX's power and Log General's constant go into the settings file too, so that the
    // screen shows them again on the way back; they are still checked after the files.
    const QString typedExchange = on.text(setup_ctl::TxtMyBezirkA).trimmed();
    if ((prompt.typedRequired && !typedExchange.isEmpty()) ||
        (contest->logGeneral && s.NrConst == 100))
        s.MyBezirk = typedExchange;
    s.MyQRA = s.MyQRACalc = on.text(setup_ctl::txtMyQRA);
    // 13: the desk turns the locator into coordinates at the hand-over.
    // 14, 15: both settings files.
    const SettingsWriteResult init = writeInitFile(s, initFilePath(s));
    for (int i = 1; i <= setup_ctl::kMessageKeys; ++i)
        s.cwText(i) = setup.ctl(setup_ctl::messageText(i)).text;
    bool portOk = false;
    const int port = on.text(setup_ctl::TxtCP).trimmed().toInt(&portOk);
    if (portOk) s.ComPort = port;
    const SettingsWriteResult cw = writeCwTextFile(s, cwTextFilePath(s));
    for (const SettingsWriteResult* r : {&init, &cw})
        if (!r->ok) setup.notify(r->error, forms::msg::kOkOnly | forms::msg::kExclamation);
    // 22
    if (contest->zone == ZoneExchange::Cq) s.MyCQZone = on.text(setup_ctl::TxtZone);
    // 23: a contest whose exchange is typed as it is sent (ARRL DX's power) needs it.
    if (prompt.typedRequired && typedExchange.isEmpty())
        return on.refuse(start_text::kFillTextbox, setup_ctl::TxtMyBezirkA);
    // 24: Log General needs both choices of its frame.
    if (contest->logGeneral && (s.NrConst == 0 || s.CwPhMode == 0))
        return on.refuse(start_text::kLogGeneral);
    if (!desk) return true;
    // 16-21, 26: the desk takes the contest, the own station and the messages, and opens.
    const int band = s.Band;
    const QString mode = s.Mode;
    desk->handOver();
    desk->open();
    // 25: back from the desk, the band and mode worked before are selected again.
    if (s.SetupDone == 100) {
        if (bandIndex(band) >= 0) desk->switchBand(band);
        desk->chooseMode(mode);
    }
    return true;
}

void inputLogOffLine(SetupForm& setup) {
    SharedState& s = setup.state();
    Screens on(setup);
    s.OffLineInput = 100;
    s.StartDateFmt = setup.localNow().toString(QStringLiteral("dd.MM.yy"));
    on.text(setup_ctl::TxtSD) = s.StartDateFmt.toString();
    on.text(setup_ctl::TxtST) = QStringLiteral("00:00");
    for (setup_ctl::Name name :
         {setup_ctl::TxtSD, setup_ctl::TxtST, setup_ctl::LblSD, setup_ctl::LblST})
        setup.ctl(name).visible = true;
    setup.setChecked(setup_ctl::ChkDxCl, false);
    setup.focusAtEnd(setup_ctl::TxtSD);
    // Nothing is keyed while a paper log is typed in.
    s.CwByPc = 0;
    setup.setChecked(setup_ctl::ChkCwRpt, false);
    s.CwRepeat = 0;
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
