#include "desk/desk_form.h"

#include <algorithm>

#include "core/contest_catalogue.h"
#include "core/paths.h"
#include "scoring/contests/registry.h"
#include "scoring/serial.h"

namespace korvel {

using forms::ControlKind;
namespace colour = forms::colour;

namespace {

const char* const kBandButtons[] = {"Cmd10", "Cmd15", "Cmd20", "Cmd40", "Cmd80", "Cmd160"};
const char* const kBandLabels[] = {"Lbl10", "Lbl15", "Lbl20", "Lbl40", "Lbl80", "Lbl160"};

// Entry and analysis fields that ClearDesk empties.
const char* const kClearedFields[] = {"txtIndic", "TxtRSTR1",   "TxtRSTR2", "TxtUTC",
                                      "TxtDate",  "TxtCountry", "TxtCont",  "TxtPrf",
                                      "TxtITU",   "TxtCQ",      "TxtBeam",  "TxtEroare"};

// Fields Abort saves and Undo writes back.
const char* const kSnapshotFields[] = {"txtIndic", "TxtEroare", "TxtCountry", "TxtCont",
                                       "TxtPrf",   "TxtITU",    "TxtCQ",      "TxtBeam",
                                       "TxtRSTR1", "TxtRSTR2",  "TxtDate",    "TxtUTC"};

QString bandName(int index) {
    return QString::number(kBands[static_cast<std::size_t>(index)]);
}

} // namespace

DeskForm::DeskForm(SharedState& state, store::Databases& dbs, forms::MessageBox& box,
                   const Clock& clock, MessageKeys& keys)
    : forms::FormModel(QStringLiteral("FrmQSO")), s_(state), dbs_(dbs), box_(box), clock_(clock),
      keys_(keys) {
    buildControls();
}

void DeskForm::buildControls() {
    for (const char* name : {"txtIndic", "TxtRSTE1", "TxtRSTE2", "TxtRSTR1", "TxtRSTR2", "TxtUTC",
                             "TxtDate", "TxtCountry", "TxtCont", "TxtPrf", "TxtITU", "TxtCQ",
                             "TxtBeam", "TxtEroare", "TxtCwCurent", "txtPauseCW", "TxtPauseSSB"})
        add(QLatin1String(name), ControlKind::Text);
    for (int i = 1; i <= 11; ++i) {
        add(QStringLiteral("TxtF%1").arg(i), ControlKind::Text);
        add(QStringLiteral("CmdF%1").arg(i), ControlKind::Button, QStringLiteral("F%1").arg(i))
            .back = colour::kRed;
    }
    add(QStringLiteral("list1"), ControlKind::List).visible = false;
    add(QStringLiteral("List2"), ControlKind::List).visible = false;
    add(QStringLiteral("DBGrid9"), ControlKind::Grid);
    c("TxtEroare").visible = false;
    markCall(CallMark::Typed);
    c("TxtRSTR2").back = colour::kPalette14;

    add(QStringLiteral("LblNeu"), ControlKind::Label, QStringLiteral("NEW")).visible = false;
    add(QStringLiteral("Frame2"), ControlKind::Frame, QStringLiteral("Score Summary"));
    add(QStringLiteral("Frame3"), ControlKind::Frame, QStringLiteral("WARNING ! QSO DUPE !"))
        .visible = false;
    add(QStringLiteral("FrmMyData"), ControlKind::Frame, QStringLiteral("MY DATA"));
    for (const char* name : {"LblMyCall", "LblMyCnt", "LblMyITU", "LblMyCntPfx", "LblMyBezirk",
                             "LblMyQRA", "LblRaport", "LblConc", "LblConcurs", "LblWPM"})
        add(QLatin1String(name), ControlKind::Label);
    c("LblConcurs").visible = false;
    add(QStringLiteral("LblAnunt"), ControlKind::Label, QLatin1String(desk_text::kSelectModeBand));
    add(QStringLiteral("LblOffLine"), ControlKind::Label, QStringLiteral("OFF LINE")).visible =
        false;
    add(QStringLiteral("LblJos"), ControlKind::Label, QLatin1String(desk_text::kKeySummary));
    add(QStringLiteral("LblCW"), ControlKind::Label, QStringLiteral("CW")).back = colour::kPalette7;
    add(QStringLiteral("LblSSB"), ControlKind::Label, QStringLiteral("SSB")).back =
        colour::kPalette7;
    add(QStringLiteral("LblStopCW"), ControlKind::Label, QStringLiteral("ESC=STOP CW")).visible =
        false;
    add(QStringLiteral("FrmCwProgr"), ControlKind::Frame).visible = false;
    // The weighting of the CW elements, and the speed keys' captions.
    add(QStringLiteral("OpB50"), ControlKind::Option, QStringLiteral("50%")).checked = true;
    add(QStringLiteral("OpB62"), ControlKind::Option, QStringLiteral("62%"));
    add(QStringLiteral("Opb75"), ControlKind::Option, QStringLiteral("75%"));
    add(QStringLiteral("LblVitezaUp"), ControlKind::Label, QStringLiteral("Viteza CW creste"));
    add(QStringLiteral("LblVitezaDown"), ControlKind::Label, QStringLiteral("Viteza Cw scade"));
    add(QStringLiteral("FramTxtCw"), ControlKind::Frame, QStringLiteral("TEXT FOR CW")).visible =
        false;
    add(QStringLiteral("LblTxtCW"), ControlKind::Label,
        QStringLiteral("#1=MyCall:#2=YourCall: #3=Code or MyCounty: #8=LOG:~half space: "
                       ">=VitCwUp:<VitCwDown"));
    c("txtPauseCW").visible = false;
    c("TxtPauseSSB").visible = false;

    add(QStringLiteral("CmdEnterCall"), ControlKind::Button, QStringLiteral("&Enter Call"))
        .enabled = false;
    add(QStringLiteral("CmdAbbruchX"), ControlKind::Button, QStringLiteral("&Abort"));
    add(QStringLiteral("CmdCW"), ControlKind::Button, QStringLiteral("&CW"));
    add(QStringLiteral("CmdSSB"), ControlKind::Button, QStringLiteral("&SSB"));
    for (int i = 0; i < 6; ++i) {
        add(QLatin1String(kBandButtons[i]), ControlKind::Button, bandName(i)).back = colour::kGreen;
        add(QLatin1String(kBandLabels[i]), ControlKind::Label, bandName(i)).back =
            colour::kPalette7;
    }
    for (const char* name : {"LblBand", "LblQSO", "LblPkt", "LblMlt"})
        add(QLatin1String(name), ControlKind::Label);
    for (int i = 1; i <= 5; ++i)
        for (const char* base : {"LblBand", "LblQSO", "LblPkt", "LblMlt"})
            add(QStringLiteral("%1%2").arg(QLatin1String(base)).arg(i), ControlKind::Label);

    add(QStringLiteral("mnuAnfang"), ControlKind::Menu, QStringLiteral("1_ST_PA&GE"));
    add(QStringLiteral("mnuBeenden"), ControlKind::Menu, QStringLiteral("E&XIT"));
    add(QStringLiteral("mnuUndo"), ControlKind::Menu, QStringLiteral("UND&O AFTER ABORT")).enabled =
        false;
    setFocus(QStringLiteral("txtIndic"));
}

// ---------------------------------------------------------------------------------------
// Hand-over from the setup screen and opening.

void DeskForm::handOver() {
    const scoring::Contest* chosen = scoring::findContest(s_.ContestCode);
    const ContestInfo* contest = chosen ? &chosen->info : nullptr;
    text("LblConcurs") = QString::number(s_.ContestCode);
    if (contest) {
        text("LblConc") = QLatin1String(contest->deskCaption);
        for (int i = 0; i < 6; ++i) {
            const Switch sw = contest->bandButtons[static_cast<std::size_t>(i)];
            if (sw == Switch::Keep) continue;
            show(kBandButtons[i], sw == Switch::On);
            show(kBandLabels[i], sw == Switch::On);
        }
        if (contest->ssbButton != Switch::Keep) show("CmdSSB", contest->ssbButton == Switch::On);
        if (contest->deskNotice) text("LblAnunt") = QLatin1String(contest->deskNotice);
    }
    refreshOwnLabels();
    text("LblMyQRA") = s_.MyQRACalc.isEmpty() ? s_.MyQRA : s_.MyQRACalc;
    bool located = false;
    const scoring::LatLon own = scoring::locatorToCoordinates(text("LblMyQRA").trimmed(), &located);
    if (located) {
        s_.MyLat = own.lat;
        s_.MyLon = own.lon;
    }

    // The sent exchange and the serial label.
    const bool qualifies = contest && ownPrefixQualifies(*contest, s_.MyPrfx);
    const SentExchange sent = contest ? (qualifies ? contest->sentQualifying : contest->sentOthers)
                                      : SentExchange::NotSet;
    auto serialFromControl = [&] {
        show("LblMyBezirk", false);
        show("LblRaport", true);
        text("TxtRSTE2") = s_.NextNr;
        text("LblRaport") = QString::number(s_.NextNr.trimmed().toLongLong() - 1);
    };
    switch (sent) {
    case SentExchange::OwnExchange:
        text("LblMyBezirk") = s_.MyBezirk;
        show("LblMyBezirk", true);
        show("LblRaport", false);
        text("TxtRSTE2") = s_.MyBezirk;
        break;
    case SentExchange::Serial:
        show("LblMyBezirk", false);
        show("LblRaport", true);
        break;
    case SentExchange::SerialFromControl: serialFromControl(); break;
    case SentExchange::OwnItuZone:
        text("LblMyBezirk") = s_.MyZone;
        show("LblMyBezirk", true);
        show("LblRaport", false);
        text("TxtRSTE2") = s_.MyZone;
        break;
    case SentExchange::OwnContinent:
        serialFromControl();
        text("TxtRSTE2") = s_.MyCont.trimmed();
        text("LblRaport") = s_.MyCont.trimmed();
        break;
    case SentExchange::ConstantOrSerial:
        if (s_.NrConst == 100) {
            text("LblMyBezirk") = s_.MyBezirk;
            text("TxtRSTE2") = s_.MyBezirk;
        } else {
            serialFromControl();
        }
        break;
    case SentExchange::NotSet: break;
    }
    if (contest && contest->zone == ZoneExchange::Cq && s_.MyCQZone.isEmpty())
        s_.MyCQZone = s_.MyZone;
    c("TxtF1").back =
        (s_.CwRepeat == 100 || s_.SsbRepeat == 100) ? colour::kGreen : colour::kYellow;
    show("LblOffLine", s_.OffLineInput == 100);
    if (s_.OffLineInput == 100) {
        text("TxtDate") = s_.StartDate;
        text("TxtUTC") = s_.StartTime;
    }
}

void DeskForm::open() {
    dupeState_ = DupeState::None;
    spaceAdvance_ = entryComplete_ = false;
    enable("mnuUndo", false);
    show("DBGrid9", true);
    const bool modeChosen = s_.Mode == QLatin1String("CW") || s_.Mode == QLatin1String("SSB");
    show("LblAnunt", !modeChosen || s_.Band == 0);
    if (s_.SetupDone == 100 && c("Lbl20").visible) s_.Band = 20;
    for (int i = 1; i <= 11; ++i)
        ctl(QStringLiteral("TxtF%1").arg(i)).text = s_.cwText(i);
    setCwSpeed(30);
    if (!modeChosen && s_.SetupDone == 0) enableEntryFields(false);
    if (s_.SetupDone == 100) {
        if (s_.Mode == QLatin1String("CW")) switchToCw();
        if (s_.Mode == QLatin1String("SSB")) switchToSsb();
    }
    refreshOwnLabels();
    colourModeLabels();
    colourBandLabels();
    recountTallies();
    show("TxtEroare", false);
    refreshLogGrid();
    opened_ = true;
}

void DeskForm::refreshOwnLabels() {
    text("LblMyCall") = s_.MyCall;
    text("LblMyCnt") = s_.MyCont;
    text("LblMyITU") = s_.MyZone;
    text("LblMyCntPfx") = s_.MyPrfx;
    text("LblMyBezirk") = s_.MyBezirk;
    text("LblMyQRA") = s_.MyQRA;
}

void DeskForm::enableEntryFields(bool on) {
    for (const char* name :
         {"txtIndic", "TxtRSTE1", "TxtRSTE2", "TxtRSTR1", "TxtRSTR2", "TxtUTC", "TxtDate",
          "TxtCountry", "TxtCont", "TxtPrf", "TxtITU", "TxtCQ", "TxtBeam"})
        enable(name, on);
}

// ---------------------------------------------------------------------------------------
// Bands and modes.

void DeskForm::colourBandLabels() {
    for (int i = 0; i < 6; ++i)
        c(kBandLabels[i]).back =
            kBands[static_cast<std::size_t>(i)] == s_.Band ? colour::kPalette5 : colour::kPalette7;
}

void DeskForm::colourModeLabels() {
    c("LblCW").back = s_.Mode == QLatin1String("CW") ? colour::kPalette5 : colour::kPalette7;
    c("LblSSB").back = s_.Mode == QLatin1String("SSB") ? colour::kPalette5 : colour::kPalette7;
}

void DeskForm::switchBand(int band) {
    if (bandIndex(band) < 0) return;
    const bool modeChosen = s_.Mode == QLatin1String("CW") || s_.Mode == QLatin1String("SSB");
    if (modeChosen) show("LblAnunt", false);
    s_.Band = band;
    s_.BandText = bandToText(band, s_.BandText);
    colourBandLabels();
    if (contest().resumesSerialOnBand(s_, band)) serialStart();
    recountTallies();
    refreshLogGrid();
    showOtherBandTallies(!(contest().tallies80Only() && band == 80));
    if (modeChosen) {
        colourModeLabels();
        if (s_.SetupDone == 0) focusCall();
    }
}

// The tallies of the bands other than 80 m (the first five rows of the summary).
void DeskForm::showOtherBandTallies(bool visible) {
    for (int i = 1; i <= 5; ++i)
        for (const char* base : {"LblBand", "LblQSO", "LblPkt", "LblMlt"})
            ctl(QStringLiteral("%1%2").arg(QLatin1String(base)).arg(i)).visible = visible;
}

void DeskForm::switchToCw() {
    switchMode(true);
}

void DeskForm::switchToSsb() {
    switchMode(false);
}

void DeskForm::switchMode(bool cw) {
    s_.Mode = cw ? QStringLiteral("CW") : QStringLiteral("SSB");
    colourModeLabels();
    show("FrmCwProgr", cw && s_.CwByPc == 100);
    show("FramTxtCw", cw && s_.CwByPc == 100);
    show("txtPauseCW", cw && s_.CwRepeat == 100 && s_.CwByPc == 100 && s_.OffLineInput != 100);
    show("TxtPauseSSB", !cw && s_.SsbRepeat == 100 && s_.OffLineInput != 100);
    text("TxtRSTE1") = text("TxtRSTR1") = cw ? QStringLiteral("599") : QStringLiteral("59");
    if (s_.Band != 0) show("LblAnunt", false);
    if (const auto zone = contest().sentOnModeChoice(s_)) text("TxtRSTE2") = *zone;
    if (!c("txtIndic").enabled) {
        enableEntryFields(true);
        if (s_.SetupDone == 0) focusCall();
    }
}

// The mode buttons also prepare the sent exchange for the contest.
void DeskForm::prepareSentExchange() {
    show("LblStopCW", s_.CwByPc == 100);
    if (contest().resumesSerial(s_.MyPrfx, s_.NrConst)) serialStart();
    if (contest().sendsOwnExchange(s_.NrConst)) text("TxtRSTE2") = s_.MyBezirk;
    if (contest().tallies80Only()) showOtherBandTallies(false);
    if (opened_ && !c("LblAnunt").visible) focusCall();
}

// ---------------------------------------------------------------------------------------
// The clock in the title.

QString DeskForm::clockTitle(const QDateTime& utc, float scaleX) {
    const bool small = scaleX < 1.0f;
    return QStringLiteral("CONTEST MODE") + QString(small ? 10 : 20, QLatin1Char(' ')) +
           utc.toString(QStringLiteral("dd.MM.yy")) + QLatin1Char(' ') +
           utc.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" UTC") +
           QString(small ? 5 : 15, QLatin1Char(' ')) + QStringLiteral("Korvel contest logger");
}

void DeskForm::onTimer() {
    const QDateTime utc = clock_.utcNow();
    if (!utc.isValid()) return; // the title keeps the last date and time
    s_.StartDateFmt = utc.toString(QStringLiteral("dd.MM.yy"));
    s_.StartTimeFmt = utc.toString(QStringLiteral("HH:mm:ss"));
    const QString t = clockTitle(utc, s_.ScaleX);
    if (t != title_) title_ = t;
}

// ---------------------------------------------------------------------------------------
// Tallies.

void DeskForm::recountTallies() {
    for (BandTally& t : s_.BandTallies)
        t = {};
    const bool second = contest().countsSecondMultiplier();
    for (const store::LogStore::BandTotals& b : dbs_.log.bandTotals()) {
        const int band = b.bnd == QLatin1String("6") ? 10 : b.bnd.toInt();
        const int i = bandIndex(band);
        if (i < 0) continue;
        BandTally& t = s_.BandTallies[static_cast<std::size_t>(i)];
        t.qsos += static_cast<int>(b.qsos);
        t.points += b.points;
        t.mults += static_cast<int>(b.mlt + (second ? b.mlt1 : 0));
    }
    showTallies();
}

void DeskForm::showTallies() {
    // Before a band is chosen, 10 m stands in front.
    const int current = std::max(0, bandIndex(s_.Band));
    int slot = 1;
    for (int i = 0; i < 6; ++i) {
        const BandTally& t = s_.BandTallies[static_cast<std::size_t>(i)];
        QString suffix;
        if (i == current) {
            suffix = QString();
        } else {
            if (slot > 5) continue;
            suffix = QString::number(slot++);
        }
        ctl(QStringLiteral("LblBand") + suffix).text = bandName(i);
        ctl(QStringLiteral("LblQSO") + suffix).text = QString::number(t.qsos);
        ctl(QStringLiteral("LblPkt") + suffix).text = QString::number(t.points);
        ctl(QStringLiteral("LblMlt") + suffix).text = QString::number(t.mults);
    }
}

// ---------------------------------------------------------------------------------------
// Focus, grid, clearing, abort and undo.

QString DeskForm::trimmedCall() const {
    return text("txtIndic").trimmed();
}

void DeskForm::cursorToEnd(const char* name) {
    forms::Control& f = c(name);
    QString t = f.text;
    while (!t.isEmpty() && t.back() == QLatin1Char(' '))
        t.chop(1);
    f.selStart = static_cast<int>(t.size());
    f.selLength = 0;
}

void DeskForm::markCall(CallMark mark) {
    callMark_ = mark;
    c("txtIndic").back = mark == CallMark::Refused    ? colour::kRed
                         : mark == CallMark::Accepted ? colour::kGreen
                                                      : colour::kYellow;
}

void DeskForm::focusCall() {
    if (c("txtIndic").enabled) focusAtEnd(QStringLiteral("txtIndic"));
}

void DeskForm::focusExchange() {
    if (!c("TxtRSTR2").enabled) return;
    if (contest().selectsExchangeOnFocus(s_))
        focusSelectAll(QStringLiteral("TxtRSTR2"));
    else
        focusAtEnd(QStringLiteral("TxtRSTR2"));
}

// The grid shows the latest QSOs of the band; older ones are a scroll of the review away.
void DeskForm::refreshLogGrid() {
    gridRows_ = dbs_.log.lastOfBand(bandToText(s_.Band, QString()), kGridRows);
}

void DeskForm::clearDesk() {
    for (const char* name : kClearedFields)
        text(name).clear();
    s_.LookupCall.clear();
    s_.RcvdExchange.clear();
    s_.RcvdReport.clear();
    show("Frame3", false);
    show("LblNeu", false);
    for (const char* b : kBandButtons)
        enable(b, true);
    markCall(CallMark::Typed);
    c("list1").items.clear();
    c("list1").listIndex = -1;
    show("list1", false);
    show("TxtEroare", false);
    dupeState_ = DupeState::None;
    analysedCall_.clear();
    typedExchange_ = keepExchange_ = learnExchange_ = societyExchange_ = false;
    refreshLogGrid();
    focusCall();
    enable("CmdEnterCall", false);
    show("Frame2", true);
    show("FrmMyData", true);
    c("TxtRSTR2").back = colour::kPalette14;
    beam_ = -1;
}

void DeskForm::abort() {
    enable("mnuUndo", true);
    Snapshot snap;
    for (const char* name : kSnapshotFields)
        snap.texts.emplace_back(QLatin1String(name), text(name));
    snap.listItems = c("list1").items;
    snap.listVisible = c("list1").visible;
    snap.listIndex = c("list1").listIndex;
    snap.neu = c("LblNeu").visible;
    snap.enterEnabled = c("CmdEnterCall").enabled;
    snap.frame2 = c("Frame2").visible;
    snap.frame3 = c("Frame3").visible;
    snap.anunt = c("LblAnunt").visible;
    snap.callMark = callMark_;
    snap.dupeState = dupeState_;
    undo_ = snap;
    if (reloadId_) {
        // The QSO taken back stays in the log as it was.
        text("TxtRSTE2") = serialBeforeReload_;
        text("LblRaport") = raportBeforeReload_;
        reloadId_.reset();
    }
    clearDesk();
    show("Frame3", false);
}

void DeskForm::undo() {
    if (!undo_) return;
    enable("mnuUndo", false);
    const Snapshot& snap = *undo_;
    for (const auto& [name, value] : snap.texts)
        ctl(name).text = value;
    c("list1").items = snap.listItems;
    c("list1").visible = snap.listVisible;
    c("list1").listIndex = snap.listIndex;
    show("LblNeu", snap.neu);
    enable("CmdEnterCall", snap.enterEnabled);
    show("Frame2", snap.frame2);
    show("Frame3", snap.frame3);
    show("LblAnunt", snap.anunt);
    markCall(snap.callMark);
    dupeState_ = snap.dupeState;
    s_.LookupCall = trimmedCall();
    analysedCall_ = s_.LookupCall;
    undo_.reset();
    focusExchange();
}

} // namespace korvel
