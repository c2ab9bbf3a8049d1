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

// The fields of the worked station: emptied for the next QSO, saved by Abort for Undo
// (the sent report and exchange stay).
constexpr desk_ctl::Name kWorkedFields[] = {
    desk_ctl::txtIndic, desk_ctl::TxtRSTR1,   desk_ctl::TxtRSTR2, desk_ctl::TxtUTC,
    desk_ctl::TxtDate,  desk_ctl::TxtCountry, desk_ctl::TxtCont,  desk_ctl::TxtPrf,
    desk_ctl::TxtITU,   desk_ctl::TxtCQ,      desk_ctl::TxtBeam,  desk_ctl::TxtEroare};

QString bandName(int index) {
    return QString::number(kBands[static_cast<std::size_t>(index)]);
}

} // namespace

DeskForm::DeskForm(SharedState& state, store::Databases& dbs, forms::MessageBox& box,
                   const Clock& clock, MessageKeys& keys)
    : forms::FormModel(desk_ctl::form), s_(state), dbs_(dbs), box_(box), clock_(clock),
      keys_(keys) {
    buildControls();
}

void DeskForm::buildControls() {
    for (desk_ctl::Name name :
         {desk_ctl::txtIndic, desk_ctl::TxtRSTE1, desk_ctl::TxtRSTE2, desk_ctl::TxtRSTR1,
          desk_ctl::TxtRSTR2, desk_ctl::TxtUTC, desk_ctl::TxtDate, desk_ctl::TxtCountry,
          desk_ctl::TxtCont, desk_ctl::TxtPrf, desk_ctl::TxtITU, desk_ctl::TxtCQ, desk_ctl::TxtBeam,
          desk_ctl::TxtEroare, desk_ctl::TxtCwCurent, desk_ctl::txtPauseCW, desk_ctl::TxtPauseSSB})
        add(name, ControlKind::Text);
    for (int i = 1; i <= desk_ctl::kMessageKeys; ++i) {
        add(desk_ctl::messageText(i), ControlKind::Text);
        add(desk_ctl::messageButton(i), ControlKind::Button, QStringLiteral("F%1").arg(i)).back =
            colour::kRed;
    }
    add(desk_ctl::list1, ControlKind::List).visible = false;
    add(desk_ctl::List2, ControlKind::List).visible = false;
    add(desk_ctl::DBGrid9, ControlKind::Grid);
    c(desk_ctl::TxtEroare).visible = false;
    markCall(CallMark::Typed);
    c(desk_ctl::TxtRSTR2).back = colour::kPalette14;

    add(desk_ctl::LblNeu, ControlKind::Label, QStringLiteral("NEW")).visible = false;
    add(desk_ctl::Frame2, ControlKind::Frame, QStringLiteral("Score Summary"));
    add(desk_ctl::Frame3, ControlKind::Frame, QStringLiteral("WARNING ! QSO DUPE !")).visible =
        false;
    add(desk_ctl::FrmMyData, ControlKind::Frame, QStringLiteral("MY DATA"));
    for (desk_ctl::Name name :
         {desk_ctl::LblMyCall, desk_ctl::LblMyCnt, desk_ctl::LblMyITU, desk_ctl::LblMyCntPfx,
          desk_ctl::LblMyBezirk, desk_ctl::LblMyQRA, desk_ctl::LblRaport, desk_ctl::LblConc,
          desk_ctl::LblConcurs, desk_ctl::LblWPM})
        add(name, ControlKind::Label);
    c(desk_ctl::LblConcurs).visible = false;
    add(desk_ctl::LblAnunt, ControlKind::Label, QLatin1String(desk_text::kSelectModeBand));
    add(desk_ctl::LblOffLine, ControlKind::Label, QStringLiteral("OFF LINE")).visible = false;
    add(desk_ctl::LblJos, ControlKind::Label,
        QLatin1String(desk_text::kKeySummary) + QLatin1String(desk_text::kBandKeys));
    add(desk_ctl::LblCW, ControlKind::Label, QStringLiteral("CW")).back = colour::kPalette7;
    add(desk_ctl::LblSSB, ControlKind::Label, QStringLiteral("SSB")).back = colour::kPalette7;
    add(desk_ctl::LblStopCW, ControlKind::Label, QStringLiteral("ESC=STOP CW")).visible = false;
    add(desk_ctl::FrmCwProgr, ControlKind::Frame).visible = false;
    // The weighting of the CW elements, and the speed keys' captions.
    add(desk_ctl::OpB50, ControlKind::Option, QStringLiteral("50%")).checked = true;
    add(desk_ctl::OpB62, ControlKind::Option, QStringLiteral("62%"));
    add(desk_ctl::Opb75, ControlKind::Option, QStringLiteral("75%"));
    add(desk_ctl::LblVitezaUp, ControlKind::Label, QStringLiteral("Viteza CW creste"));
    add(desk_ctl::LblVitezaDown, ControlKind::Label, QStringLiteral("Viteza Cw scade"));
    add(desk_ctl::FramTxtCw, ControlKind::Frame, QStringLiteral("TEXT FOR CW")).visible = false;
    add(desk_ctl::LblTxtCW, ControlKind::Label,
        QStringLiteral("#1=MyCall:#2=YourCall: #3=Code or MyCounty: #8=LOG:~half space: "
                       ">=VitCwUp:<VitCwDown"));
    c(desk_ctl::txtPauseCW).visible = false;
    c(desk_ctl::TxtPauseSSB).visible = false;

    add(desk_ctl::CmdEnterCall, ControlKind::Button, QStringLiteral("&Enter Call")).enabled = false;
    add(desk_ctl::CmdAbbruchX, ControlKind::Button, QStringLiteral("&Abort"));
    add(desk_ctl::CmdCW, ControlKind::Button, QStringLiteral("&CW"));
    add(desk_ctl::CmdSSB, ControlKind::Button, QStringLiteral("&SSB"));
    for (int i = 0; i < 6; ++i) {
        add(desk_ctl::bandButton(i), ControlKind::Button, bandName(i)).back = colour::kGreen;
        add(desk_ctl::bandLabel(i), ControlKind::Label, bandName(i)).back = colour::kPalette7;
    }
    for (int row = 0; row < desk_ctl::kTallyRows; ++row)
        for (desk_ctl::Tally column : desk_ctl::kTallies)
            add(desk_ctl::tallyLabel(column, row), ControlKind::Label);

    add(desk_ctl::mnuAnfang, ControlKind::Menu, QStringLiteral("1_ST_PA&GE"));
    add(desk_ctl::mnuBeenden, ControlKind::Menu, QStringLiteral("E&XIT"));
    add(desk_ctl::mnuUndo, ControlKind::Menu, QStringLiteral("UND&O AFTER ABORT")).enabled = false;
    buildStationControls();
    buildFigureControls();
    setFocus(desk_ctl::txtIndic);
}

// ---------------------------------------------------------------------------------------
// Hand-over from the setup screen and opening.

void DeskForm::handOver() {
    const scoring::Contest* chosen = scoring::findContest(s_.ContestCode);
    const ContestInfo* contest = chosen ? &chosen->info : nullptr;
    text(desk_ctl::LblConcurs) = QString::number(s_.ContestCode);
    if (contest) {
        text(desk_ctl::LblConc) = QLatin1String(contest->deskCaption);
        for (int i = 0; i < 6; ++i) {
            const Switch sw = contest->bandButtons[static_cast<std::size_t>(i)];
            if (sw == Switch::Keep) continue;
            ctl(desk_ctl::bandButton(i)).visible = sw == Switch::On;
            ctl(desk_ctl::bandLabel(i)).visible = sw == Switch::On;
        }
        if (contest->ssbButton != Switch::Keep)
            show(desk_ctl::CmdSSB, contest->ssbButton == Switch::On);
        if (contest->deskNotice) text(desk_ctl::LblAnunt) = QLatin1String(contest->deskNotice);
    }
    refreshOwnLabels();
    text(desk_ctl::LblMyQRA) = s_.MyQRACalc.isEmpty() ? s_.MyQRA : s_.MyQRACalc;
    bool located = false;
    const scoring::LatLon own =
        scoring::locatorToCoordinates(text(desk_ctl::LblMyQRA).trimmed(), &located);
    if (located) {
        s_.MyLat = own.lat;
        s_.MyLon = own.lon;
    }

    // The sent exchange and the serial label.
    const bool qualifies = contest && ownPrefixQualifies(*contest, s_.MyPrfx);
    const SentExchange sent = contest ? (qualifies ? contest->sentQualifying : contest->sentOthers)
                                      : SentExchange::NotSet;
    auto serialFromControl = [&] {
        show(desk_ctl::LblMyBezirk, false);
        show(desk_ctl::LblRaport, true);
        text(desk_ctl::TxtRSTE2) = s_.NextNr;
        text(desk_ctl::LblRaport) = QString::number(s_.NextNr.trimmed().toLongLong() - 1);
    };
    switch (sent) {
    case SentExchange::OwnExchange:
        text(desk_ctl::LblMyBezirk) = s_.MyBezirk;
        show(desk_ctl::LblMyBezirk, true);
        show(desk_ctl::LblRaport, false);
        text(desk_ctl::TxtRSTE2) = s_.MyBezirk;
        break;
    case SentExchange::Serial:
        show(desk_ctl::LblMyBezirk, false);
        show(desk_ctl::LblRaport, true);
        break;
    case SentExchange::SerialFromControl: serialFromControl(); break;
    case SentExchange::OwnItuZone:
        text(desk_ctl::LblMyBezirk) = s_.MyZone;
        show(desk_ctl::LblMyBezirk, true);
        show(desk_ctl::LblRaport, false);
        text(desk_ctl::TxtRSTE2) = s_.MyZone;
        break;
    case SentExchange::OwnContinent:
        serialFromControl();
        text(desk_ctl::TxtRSTE2) = s_.MyCont.trimmed();
        text(desk_ctl::LblRaport) = s_.MyCont.trimmed();
        break;
    case SentExchange::ConstantOrSerial:
        if (s_.NrConst == Numbering::Constant) {
            text(desk_ctl::LblMyBezirk) = s_.MyBezirk;
            text(desk_ctl::TxtRSTE2) = s_.MyBezirk;
        } else {
            serialFromControl();
        }
        break;
    case SentExchange::NotSet: break;
    }
    if (contest && contest->zone == ZoneExchange::Cq && s_.MyCQZone.isEmpty())
        s_.MyCQZone = s_.MyZone;
    colourRepeatKey(s_.CwRepeat == Flag::On || s_.SsbRepeat == Flag::On);
    show(desk_ctl::LblOffLine, s_.OffLineInput == Flag::On);
    if (s_.OffLineInput == Flag::On) {
        text(desk_ctl::TxtDate) = s_.StartDate;
        text(desk_ctl::TxtUTC) = s_.StartTime;
    }
}

// ---------------------------------------------------------------------------------------
// What the setup screen, the start of a contest and the message keys show and read.

void DeskForm::showContestCaption(const QString& caption) {
    text(desk_ctl::LblConc) = caption;
}

void DeskForm::showStartDateTime(const QString& date, const QString& time) {
    text(desk_ctl::TxtDate) = date;
    text(desk_ctl::TxtUTC) = time;
}

void DeskForm::showClockDateTime() {
    const QDateTime utc = clock_.utcNow();
    showStartDateTime(utc.toString(QStringLiteral("dd.MM.yy")),
                      utc.toString(QStringLiteral("HH:mm")));
}

void DeskForm::colourRepeatKey(bool repeat) {
    ctl(desk_ctl::messageText(1)).back = repeat ? colour::kGreen : colour::kYellow;
}

void DeskForm::hideRepeatPause(bool voice) {
    show(voice ? desk_ctl::TxtPauseSSB : desk_ctl::txtPauseCW, false);
}

void DeskForm::showOffLine() {
    show(desk_ctl::LblOffLine, true);
}

void DeskForm::hideLogGrid() {
    show(desk_ctl::DBGrid9, false);
}

void DeskForm::chooseMode(const QString& mode) {
    if (mode == QLatin1String("CW")) click(desk_ctl::CmdCW);
    if (mode == QLatin1String("SSB")) click(desk_ctl::CmdSSB);
}

QString DeskForm::messageText(int key) const {
    return ctl(desk_ctl::messageText(key)).text;
}

QString DeskForm::sentExchange() const {
    return text(desk_ctl::TxtRSTE2);
}

QString DeskForm::receivedExchange() const {
    return text(desk_ctl::TxtRSTR2);
}

std::array<QString, std::size(desk_ctl::kEntryFields)> DeskForm::entryTexts() const {
    std::array<QString, std::size(desk_ctl::kEntryFields)> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = text(desk_ctl::kEntryFields[i]);
    return texts;
}

int DeskForm::cwWeighting() const {
    // The first option ticked counts, 50 before 75 before 62.
    if (ctl(desk_ctl::OpB50).checked) return 50;
    if (ctl(desk_ctl::Opb75).checked) return 75;
    if (ctl(desk_ctl::OpB62).checked) return 62;
    return 0;
}

void DeskForm::clearKeyedText() {
    text(desk_ctl::TxtCwCurent).clear();
}

void DeskForm::addKeyedCharacter(QChar ch) {
    text(desk_ctl::TxtCwCurent) += ch;
}

QString DeskForm::pauseText(bool voice) const {
    return text(voice ? desk_ctl::TxtPauseSSB : desk_ctl::txtPauseCW);
}

void DeskForm::colourPause(bool voice, forms::Rgb back) {
    c(voice ? desk_ctl::TxtPauseSSB : desk_ctl::txtPauseCW).back = back;
}

void DeskForm::lightMessageKey(int key, bool sending) {
    if (key < 1 || key > desk_ctl::kMessageKeys) return;
    ctl(desk_ctl::messageButton(key)).back = sending ? colour::kGreen : colour::kRed;
}

void DeskForm::showError(const QString& message) {
    forms::Control& e = c(desk_ctl::TxtEroare);
    e.text = message;
    e.visible = true;
}

void DeskForm::open() {
    dupeState_ = DupeState::None;
    spaceAdvance_ = entryComplete_ = false;
    enable(desk_ctl::mnuUndo, false);
    show(desk_ctl::DBGrid9, true);
    const bool modeChosen = s_.Mode == QLatin1String("CW") || s_.Mode == QLatin1String("SSB");
    show(desk_ctl::LblAnunt, !modeChosen || s_.Band == 0);
    if (s_.SetupDone == Flag::On && ctl(desk_ctl::bandLabel(bandIndex(20))).visible) s_.Band = 20;
    for (int i = 1; i <= desk_ctl::kMessageKeys; ++i)
        ctl(desk_ctl::messageText(i)).text = s_.cwText(i);
    setCwSpeed(30);
    if (!modeChosen && s_.SetupDone == Flag::Unset) enableEntryFields(false);
    if (s_.SetupDone == Flag::On) {
        if (s_.Mode == QLatin1String("CW")) switchToCw();
        if (s_.Mode == QLatin1String("SSB")) switchToSsb();
    }
    refreshOwnLabels();
    colourModeLabels();
    colourBandLabels();
    loadSuperCheck();
    recountTallies();
    show(desk_ctl::TxtEroare, false);
    refreshLogGrid();
    opened_ = true;
}

void DeskForm::refreshOwnLabels() {
    text(desk_ctl::LblMyCall) = s_.MyCall;
    text(desk_ctl::LblMyCnt) = s_.MyCont;
    text(desk_ctl::LblMyITU) = s_.MyZone;
    text(desk_ctl::LblMyCntPfx) = s_.MyPrfx;
    text(desk_ctl::LblMyBezirk) = s_.MyBezirk;
    text(desk_ctl::LblMyQRA) = s_.MyQRA;
}

void DeskForm::enableEntryFields(bool on) {
    for (desk_ctl::Name name : desk_ctl::kEntryFields)
        enable(name, on);
    for (desk_ctl::Name name : desk_ctl::kAnalysisFields)
        enable(name, on);
}

// ---------------------------------------------------------------------------------------
// Bands and modes.

void DeskForm::colourBandLabels() {
    for (int i = 0; i < 6; ++i)
        ctl(desk_ctl::bandLabel(i)).back =
            kBands[static_cast<std::size_t>(i)] == s_.Band ? colour::kPalette5 : colour::kPalette7;
}

void DeskForm::colourModeLabels() {
    c(desk_ctl::LblCW).back =
        s_.Mode == QLatin1String("CW") ? colour::kPalette5 : colour::kPalette7;
    c(desk_ctl::LblSSB).back =
        s_.Mode == QLatin1String("SSB") ? colour::kPalette5 : colour::kPalette7;
}

void DeskForm::switchBand(int band) {
    if (bandIndex(band) < 0) return;
    const bool modeChosen = s_.Mode == QLatin1String("CW") || s_.Mode == QLatin1String("SSB");
    const bool wasReady = entryReady();
    if (modeChosen) show(desk_ctl::LblAnunt, false);
    s_.Band = band;
    s_.BandText = bandToText(band, s_.BandText);
    colourBandLabels();
    if (contest().resumesSerialOnBand(s_, band)) serialStart();
    showTallies(); // kept up to date QSO by QSO: a band switch does not read the whole log
    refreshLogGrid();
    showOtherBandTallies(!(contest().tallies80Only() && band == 80));
    refreshBandMap();
    if (modeChosen) {
        colourModeLabels();
        if (s_.SetupDone == Flag::Unset || !wasReady) focusCall();
    }
    if (!wasReady) readyForEntry();
}

bool DeskForm::entryReady() const {
    const bool modeChosen = s_.Mode == QLatin1String("CW") || s_.Mode == QLatin1String("SSB");
    return modeChosen && s_.Band != 0;
}

// A key the desk cannot take yet: it says what is missing in the error line.
void DeskForm::keyBeforeModeAndBand() {
    if (entryReady()) return;
    showError(QLatin1String(desk_text::kSelectModeBand));
}

// Band and mode both chosen: the call field takes the keys, and the reminder goes.
void DeskForm::readyForEntry() {
    if (!entryReady()) return;
    if (text(desk_ctl::TxtEroare) == QLatin1String(desk_text::kSelectModeBand))
        show(desk_ctl::TxtEroare, false);
    focusCall();
}

// The tallies of the bands other than 80 m (the first five rows of the summary).
void DeskForm::showOtherBandTallies(bool visible) {
    for (int i = 1; i <= 5; ++i)
        for (desk_ctl::Tally column : desk_ctl::kTallies)
            ctl(desk_ctl::tallyLabel(column, i)).visible = visible;
}

void DeskForm::switchToCw() {
    switchMode(true);
}

void DeskForm::switchToSsb() {
    switchMode(false);
}

void DeskForm::switchMode(bool cw) {
    const bool wasReady = entryReady();
    s_.Mode = cw ? QStringLiteral("CW") : QStringLiteral("SSB");
    colourModeLabels();
    show(desk_ctl::FrmCwProgr, cw && s_.CwByPc == Flag::On);
    show(desk_ctl::FramTxtCw, cw && s_.CwByPc == Flag::On);
    show(desk_ctl::txtPauseCW,
         cw && s_.CwRepeat == Flag::On && s_.CwByPc == Flag::On && s_.OffLineInput != Flag::On);
    show(desk_ctl::TxtPauseSSB, !cw && s_.SsbRepeat == Flag::On && s_.OffLineInput != Flag::On);
    text(desk_ctl::TxtRSTE1) = text(desk_ctl::TxtRSTR1) =
        cw ? QStringLiteral("599") : QStringLiteral("59");
    if (s_.Band != 0) show(desk_ctl::LblAnunt, false);
    if (const auto zone = contest().sentOnModeChoice(s_)) text(desk_ctl::TxtRSTE2) = *zone;
    refreshBandMap();
    if (!c(desk_ctl::txtIndic).enabled) {
        enableEntryFields(true);
        if (s_.SetupDone == Flag::Unset) focusCall();
    }
    if (!wasReady) readyForEntry();
}

// The mode buttons also prepare the sent exchange for the contest.
void DeskForm::prepareSentExchange() {
    show(desk_ctl::LblStopCW, s_.CwByPc == Flag::On);
    if (contest().resumesSerial(s_.MyPrfx, s_.NrConst)) serialStart();
    if (contest().sendsOwnExchange(s_.NrConst)) text(desk_ctl::TxtRSTE2) = s_.MyBezirk;
    if (contest().tallies80Only()) showOtherBandTallies(false);
    if (opened_ && !c(desk_ctl::LblAnunt).visible) focusCall();
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
    tickFigures();
}

// ---------------------------------------------------------------------------------------
// Tallies.

void DeskForm::recountTallies() {
    forgetLoggedCalls();
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
    logReadOk();
    showTallies();
}

namespace {

// The leading whole number of a points text, as the log's count reads it (" 0", "3").
std::int64_t leadingNumber(const QString& text) {
    const QString t = text.trimmed();
    qsizetype end = (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) ? 1 : 0;
    while (end < t.size() && t[end].isDigit())
        ++end;
    return t.left(end).toLongLong();
}

} // namespace

// One QSO's share of the band tallies, added (+1) or taken back (-1), counted as the count
// of the whole log at the desk's opening counts it.
void DeskForm::tallyQso(const store::QsoRow& q, int sign) {
    const QString bnd = q.bnd.trimmed();
    const int i = bandIndex(bnd == QLatin1String("6") ? 10 : bnd.toInt());
    if (i < 0) return;
    BandTally& t = s_.BandTallies[static_cast<std::size_t>(i)];
    const bool second = contest().countsSecondMultiplier();
    t.qsos += sign;
    t.points += sign * leadingNumber(q.pct);
    t.mults += sign * ((q.mlt.trimmed().isEmpty() ? 0 : 1) +
                       (second && !q.mlt1.trimmed().isEmpty() ? 1 : 0));
}

void DeskForm::showTallies() {
    // Before a band is chosen, 10 m stands in front.
    const int current = std::max(0, bandIndex(s_.Band));
    int slot = 1;
    for (int i = 0; i < 6; ++i) {
        const BandTally& t = s_.BandTallies[static_cast<std::size_t>(i)];
        int row = 0;
        if (i != current) {
            if (slot > 5) continue;
            row = slot++;
        }
        using desk_ctl::tallyLabel, desk_ctl::Tally;
        ctl(tallyLabel(Tally::Band, row)).text = bandName(i);
        ctl(tallyLabel(Tally::Qso, row)).text = QString::number(t.qsos);
        ctl(tallyLabel(Tally::Points, row)).text = QString::number(t.points);
        ctl(tallyLabel(Tally::Mults, row)).text = QString::number(t.mults);
    }
    showFigures();
}

// ---------------------------------------------------------------------------------------
// Focus, grid, clearing, abort and undo.

QString DeskForm::trimmedCall() const {
    return text(desk_ctl::txtIndic).trimmed();
}

void DeskForm::cursorToEnd(desk_ctl::Name name) {
    forms::Control& f = c(name);
    QString t = f.text;
    while (!t.isEmpty() && t.back() == QLatin1Char(' '))
        t.chop(1);
    f.selStart = static_cast<int>(t.size());
    f.selLength = 0;
}

void DeskForm::markCall(CallMark mark) {
    callMark_ = mark;
    c(desk_ctl::txtIndic).back = mark == CallMark::Refused    ? colour::kRed
                                 : mark == CallMark::Accepted ? colour::kGreen
                                                              : colour::kYellow;
}

void DeskForm::focusCall() {
    if (c(desk_ctl::txtIndic).enabled) focusAtEnd(desk_ctl::txtIndic);
}

void DeskForm::focusExchange() {
    if (!c(desk_ctl::TxtRSTR2).enabled) return;
    if (contest().selectsExchangeOnFocus(s_))
        focusSelectAll(desk_ctl::TxtRSTR2);
    else
        focusAtEnd(desk_ctl::TxtRSTR2);
}

// The grid shows the latest QSOs of the band; older ones are a scroll of the review away.
void DeskForm::refreshLogGrid() {
    gridRows_ = dbs_.log.lastOfBand(bandToText(s_.Band, QString()), kGridRows);
}

void DeskForm::clearDesk() {
    for (desk_ctl::Name name : kWorkedFields)
        text(name).clear();
    s_.LookupCall.clear();
    s_.RcvdExchange.clear();
    s_.RcvdReport.clear();
    show(desk_ctl::Frame3, false);
    show(desk_ctl::LblNeu, false);
    for (int i = 0; i < static_cast<int>(kBands.size()); ++i)
        ctl(desk_ctl::bandButton(i)).enabled = true;
    markCall(CallMark::Typed);
    c(desk_ctl::list1).items.clear();
    c(desk_ctl::list1).listIndex = -1;
    show(desk_ctl::list1, false);
    superCheckLookup();
    show(desk_ctl::TxtEroare, false);
    dupeState_ = DupeState::None;
    analysedCall_.clear();
    typedExchange_ = keepExchange_ = learnExchange_ = societyExchange_ = false;
    refreshLogGrid();
    focusCall();
    enable(desk_ctl::CmdEnterCall, false);
    show(desk_ctl::Frame2, true);
    show(desk_ctl::FrmMyData, true);
    c(desk_ctl::TxtRSTR2).back = colour::kPalette14;
    beam_ = -1;
}

void DeskForm::abort() {
    enable(desk_ctl::mnuUndo, true);
    Snapshot snap;
    for (desk_ctl::Name name : kWorkedFields)
        snap.texts.emplace_back(name, text(name));
    snap.listItems = c(desk_ctl::list1).items;
    snap.listVisible = c(desk_ctl::list1).visible;
    snap.listIndex = c(desk_ctl::list1).listIndex;
    snap.neu = c(desk_ctl::LblNeu).visible;
    snap.enterEnabled = c(desk_ctl::CmdEnterCall).enabled;
    snap.frame2 = c(desk_ctl::Frame2).visible;
    snap.frame3 = c(desk_ctl::Frame3).visible;
    snap.anunt = c(desk_ctl::LblAnunt).visible;
    snap.callMark = callMark_;
    snap.dupeState = dupeState_;
    undo_ = snap;
    if (reloadId_) {
        // The QSO taken back stays in the log as it was.
        text(desk_ctl::TxtRSTE2) = serialBeforeReload_;
        text(desk_ctl::LblRaport) = raportBeforeReload_;
        reloadId_.reset();
    }
    clearDesk();
    show(desk_ctl::Frame3, false);
    resetBandButtons(); // no call on the desk: no band marks to show
}

void DeskForm::undo() {
    if (!undo_) return;
    enable(desk_ctl::mnuUndo, false);
    const Snapshot& snap = *undo_;
    for (const auto& [name, value] : snap.texts)
        ctl(name).text = value;
    c(desk_ctl::list1).items = snap.listItems;
    c(desk_ctl::list1).visible = snap.listVisible;
    c(desk_ctl::list1).listIndex = snap.listIndex;
    show(desk_ctl::LblNeu, snap.neu);
    enable(desk_ctl::CmdEnterCall, snap.enterEnabled);
    show(desk_ctl::Frame2, snap.frame2);
    show(desk_ctl::Frame3, snap.frame3);
    show(desk_ctl::LblAnunt, snap.anunt);
    markCall(snap.callMark);
    dupeState_ = snap.dupeState;
    s_.LookupCall = trimmedCall();
    analysedCall_ = s_.LookupCall;
    resetBandButtons(); // the band marks of the call taken back
    if (!analysedCall_.isEmpty()) markBandMultipliers();
    undo_.reset();
    focusExchange();
}

} // namespace korvel
