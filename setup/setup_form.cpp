#include "setup/setup_form.h"

#include "core/paths.h"
#include "core/recorded_ask.h"
#include "core/screen_scale.h"
#include "core/settings_file.h"
#include "desk/desk_form.h"
#include "platform/files.h"
#include "platform/help_file.h"
#include "scoring/contests/registry.h"
#include "setup/start_contest.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace korvel {

using forms::ControlKind;
namespace colour = forms::colour;
namespace msg = forms::msg;

namespace {

// The notices of the language choice: single captions joined from these pieces.
constexpr const char* kModeNoticeRomanian[] = {
    "Programul permite doua moduri de operare. ",
    "     -In modul CONCURS, (butonul CONCURS apasat) toate modificarile de judete sint memorate "
    "automat in baza de date.",
    "                -Al doilea mod este util pentru invatarea programului sau pentru "
    "antrenament.",
    "Cind butonul TEST este apasat, operatorul poate introduce orice date corespunzatoare "
    "judetului fara a afecta baza de date.",
    "                        Aceasta inseamna ca in modul normal de lucru (CONTEST) toate datele "
    "referitoare la judet scrise in modul de lucru (TEST) vor fi ignorate.",
};
constexpr const char* kModeNoticeEnglish[] = {
    "The software allow two operation modes: ",
    "        -In the mode CONTEST (button CONTEST pushed), all county changing are automatically "
    "stored in the database.",
    "                                   -The second mode is useful for learning the software or "
    "training.",
    "When the TEST button is pushed, the operator can introduce any county data but the database "
    "remain unaffected..",
    "          It means, that in normale mode (CONTEST) all county data written in TEST mode will "
    "ignored.",
};

constexpr const char* kConcursNoticeRomanian =
    "Inainte de pornirea programului verificati daca tabelele LOG necesare acestui concurs sint "
    "goale !";
constexpr const char* kConcursNoticeEnglish =
    "Please check whether the LOG lists are empty before starting the contest programme !";

constexpr const char* kClusterWarningRomanian =
    "Pentru accesarea CLUSTERULUI este necesara o legatura valabila "
    "cu internetul. Daca aceasta nu exista, Clusterul nu "
    "poate fi accesat si Checkboxul trebuie sa ramina gol !";
constexpr const char* kClusterWarningEnglish =
    "If you want to use DX-cluster facilities you need a permanent conection "
    "to internet, If not, please leave empty the check box !";

constexpr const char* kVoiceFolderMessage =
    "\\WAVDx a fost creiat dar este gol. Pentru functionare cu PC-ul in SSB, trebuiesc creiate "
    "in acest folder, fisierele F1.WAV...F7WAV ! ";

// The hints of the CW message frame.
constexpr const char* kCwHints[] = {"#1=MyCall",   "#2=YourCall",  "#3=County or       NrSent",
                                    "#8=Logare",   "~=half space", "<=Vit.Cw down",
                                    ">=Vit .Cw up"};

// Fields whose key-down sets SpaceAdvance, in the order Tab walks through the screen.
constexpr setup_ctl::Name kSpaceFields[] = {
    setup_ctl::TxtMyCall,  setup_ctl::TxtMyBezirkA, setup_ctl::TxtMyCont, setup_ctl::txtMyQRA,
    setup_ctl::TxtSD,      setup_ctl::TxtST,        setup_ctl::TxtTime,   setup_ctl::TxtZone,
    setup_ctl::txtControl, setup_ctl::TxtCP};
// The message texts TxtF1..TxtF11 follow these.
constexpr setup_ctl::Name kTabOrder[] = {
    setup_ctl::TxtMyCall, setup_ctl::TxtMyPrfx, setup_ctl::TxtTime,      setup_ctl::TxtMyCont,
    setup_ctl::TxtZone,   setup_ctl::txtMyQRA,  setup_ctl::TxtMyBezirkA, setup_ctl::txtControl,
    setup_ctl::TxtSD,     setup_ctl::TxtST,     setup_ctl::TxtCP};
// Fields whose letters are upper-cased as typed (besides TxtF1..TxtF7).
constexpr setup_ctl::Name kUpperFields[] = {setup_ctl::TxtMyCall, setup_ctl::TxtMyBezirkA,
                                            setup_ctl::txtMyQRA, setup_ctl::TxtST};

template <std::size_t N> bool isOneOf(const QString& name, const setup_ctl::Name (&names)[N]) {
    return std::any_of(std::begin(names), std::end(names),
                       [&](setup_ctl::Name n) { return name == n; });
}

template <std::size_t N> QString joined(const char* const (&parts)[N]) {
    QString s;
    for (const char* p : parts)
        s += QLatin1String(p);
    return s;
}

// A zone of the country table as the screen shows it: one digit gets a leading "0", a
// zone of 0 (or no number at all) is empty.
QString zoneText(const QString& stored) {
    QString t = stored.trimmed();
    if (t.size() == 1) t.prepend(QLatin1Char('0'));
    bool ok = false;
    const int v = t.toInt(&ok);
    return ok && v != 0 ? t : QString();
}

const ContestInfo* contestByButton(const QString& name) {
    for (const scoring::Contest* c : scoring::contests())
        if (name == QLatin1String(c->info.optionButton)) return &c->info;
    return nullptr;
}

const std::map<QString, std::vector<QString>>& frames() {
    static const std::map<QString, std::vector<QString>> f = [] {
        std::map<QString, std::vector<QString>> m;
        m[setup_ctl::FraLimbaj] = {setup_ctl::OpBRomanian, setup_ctl::OpbEnglish};
        auto& contests = m[setup_ctl::FRAContest];
        for (const scoring::Contest* c : scoring::contests())
            contests.push_back(QLatin1String(c->info.optionButton));
        m[setup_ctl::FraConcurs] = {setup_ctl::OpbConcurs, setup_ctl::OpbTest};
        m[setup_ctl::FramCW] = {setup_ctl::OpbCwJ, setup_ctl::OpbCwN, setup_ctl::ChkCwRpt};
        m[setup_ctl::FramSSB] = {setup_ctl::OpbSSBJ, setup_ctl::OpbSSBN, setup_ctl::ChkSSBRpt};
        m[setup_ctl::FramLogGen] = {setup_ctl::ChkNrUp, setup_ctl::ChkNrConst,
                                    setup_ctl::ChkCWandPH, setup_ctl::ChKCWorPH,
                                    setup_ctl::LblMode};
        auto& cw = m[setup_ctl::FramTxtCw];
        for (int i = 1; i <= setup_ctl::kMessageKeys; ++i) {
            cw.push_back(setup_ctl::messageCaption(i));
            cw.push_back(setup_ctl::messageText(i));
        }
        for (int i = 1; i <= static_cast<int>(std::size(kCwHints)); ++i)
            cw.push_back(setup_ctl::hint(i));
        return m;
    }();
    return f;
}

// The frame an option belongs to: its group of mutually exclusive choices.
QString frameOf(const QString& control) {
    for (const auto& [frame, children] : frames())
        if (std::find(children.begin(), children.end(), control) != children.end()) return frame;
    return {};
}

} // namespace

SetupForm::SetupForm(SharedState& state, store::Databases& dbs, forms::MessageBox& box,
                     DeskForm* desk, SetupPlatform platform)
    : forms::FormModel(setup_ctl::form), state_(state), dbs_(dbs), box_(box), desk_(desk),
      platform_(std::move(platform)) {
    buildControls();
}

const std::vector<QString>& SetupForm::frameChildren(const QString& frame) const {
    static const std::vector<QString> none;
    const auto it = frames().find(frame);
    return it == frames().end() ? none : it->second;
}

void SetupForm::buildControls() {
    // Own station.
    const setup_ctl::Name fields[][2] = {
        {setup_ctl::TxtMyCall, setup_ctl::LblMyCall},   {setup_ctl::TxtMyPrfx, setup_ctl::LblMyPfx},
        {setup_ctl::TxtMyCont, setup_ctl::LblQSO},      {setup_ctl::TxtZone, setup_ctl::LblZone},
        {setup_ctl::txtMyQRA, setup_ctl::LblMyQRA},     {setup_ctl::TxtTime, setup_ctl::LblTime},
        {setup_ctl::TxtMyBezirkA, setup_ctl::LblBezirk}};
    const char* const captions[] = {"MY CALL  ",          "MY PREFIX",   "CONTINENT",
                                    setup_text::kZoneItu, " MY LOCATOR", " (OraYO-OraUTC)",
                                    "        MY COUNTY"};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        add(fields[i][1], ControlKind::Label, QLatin1String(captions[i]));
        add(fields[i][0], ControlKind::Text);
    }
    // The exchange field and its caption appear once a contest asks for them.
    show(setup_ctl::TxtMyBezirkA, false);
    show(setup_ctl::LblBezirk, false);
    add(setup_ctl::txtControl, ControlKind::Text).visible = false;
    add(setup_ctl::LblInscr, ControlKind::Label, QStringLiteral("(Nr Control for the next QSO)"))
        .visible = false;
    add(setup_ctl::LblSD, ControlKind::Label, QStringLiteral("START DATE")).visible = false;
    add(setup_ctl::TxtSD, ControlKind::Text).visible = false;
    add(setup_ctl::LblST, ControlKind::Label, QStringLiteral("START TIME")).visible = false;
    add(setup_ctl::TxtST, ControlKind::Text).visible = false;
    add(setup_ctl::LblCP, ControlKind::Label, QStringLiteral("ComPort :"));
    add(setup_ctl::TxtCP, ControlKind::Text);

    add(setup_ctl::LblContest, ControlKind::Label);
    add(setup_ctl::LblTipTest, ControlKind::Label);
    add(setup_ctl::LblAnunt, ControlKind::Label);

    // The wizard's frames, the operating options and Log General's choices.
    struct Plain {
        setup_ctl::Name name;
        ControlKind kind;
        const char* caption;
    };
    // Each choice's Alt letter (after the "&") is unique among what the screen shows together,
    // the menus included.
    constexpr Plain kLanguage[] = {{setup_ctl::FraLimbaj, ControlKind::Frame, "HELP LANGUAGE"},
                                   {setup_ctl::OpBRomanian, ControlKind::Option, "R&OMANIAN"},
                                   {setup_ctl::OpbEnglish, ControlKind::Option, "EN&GLISH"},
                                   {setup_ctl::FRAContest, ControlKind::Frame, "CONTEST:"}};
    constexpr Plain kOptions[] = {{setup_ctl::FraConcurs, ControlKind::Frame, ""},
                                  {setup_ctl::OpbConcurs, ControlKind::Option, "C&ONCURS"},
                                  {setup_ctl::OpbTest, ControlKind::Option, "SI&MULATOR"},
                                  {setup_ctl::FramCW, ControlKind::Frame, "CW cu PC"},
                                  {setup_ctl::OpbCwJ, ControlKind::Option, "&Da"},
                                  {setup_ctl::OpbCwN, ControlKind::Option, "&Nu"},
                                  {setup_ctl::ChkCwRpt, ControlKind::Check, "Cw &Rpt"},
                                  {setup_ctl::FramSSB, ControlKind::Frame, "SSB cu PC"},
                                  {setup_ctl::OpbSSBJ, ControlKind::Option, "D&a"},
                                  {setup_ctl::OpbSSBN, ControlKind::Option, "N&u"},
                                  {setup_ctl::ChkSSBRpt, ControlKind::Check, "&SSB Rpt"},
                                  {setup_ctl::ChkDxCl, ControlKind::Check, "Dx Clust&er"},
                                  {setup_ctl::FramLogGen, ControlKind::Frame, "Typ CONTEST"},
                                  {setup_ctl::ChkNrUp, ControlKind::Check, "Nr cresca&tor"},
                                  {setup_ctl::ChkNrConst, ControlKind::Check, "Nr c&onstant"},
                                  {setup_ctl::ChkCWandPH, ControlKind::Check, "C&W and PH"},
                                  {setup_ctl::ChKCWorPH, ControlKind::Check, "CW or &PH"},
                                  {setup_ctl::LblMode, ControlKind::Label, "MODE"}};
    for (const Plain& p : kLanguage)
        add(p.name, p.kind, QLatin1String(p.caption));
    for (const scoring::Contest* contest : scoring::contests())
        add(QLatin1String(contest->info.optionButton), ControlKind::Option,
            QLatin1String(contest->info.buttonCaption));
    for (const Plain& p : kOptions)
        add(p.name, p.kind, QLatin1String(p.caption));
    show(setup_ctl::ChkDxCl, false); // until the load has made its browser check
    for (setup_ctl::Name frame :
         {setup_ctl::FRAContest, setup_ctl::FraConcurs, setup_ctl::FramLogGen})
        showFrame(frame, false);

    // CW messages.
    add(setup_ctl::FramTxtCw, ControlKind::Frame, QStringLiteral(" CW MESSAGES"));
    for (int i = 1; i <= setup_ctl::kMessageKeys; ++i) {
        add(setup_ctl::messageCaption(i), ControlKind::Label, QStringLiteral("F%1").arg(i));
        add(setup_ctl::messageText(i), ControlKind::Text);
    }
    for (std::size_t i = 0; i < std::size(kCwHints); ++i)
        add(setup_ctl::hint(static_cast<int>(i) + 1), ControlKind::Label,
            QLatin1String(kCwHints[i]));
    showFrame(setup_ctl::FramTxtCw, false);

    // Menus.
    for (const auto& [name, caption] : {std::pair{setup_ctl::mnuBeenden, "E&XIT"},
                                        std::pair{setup_ctl::mnuQSOfahren, "START-&CONTEST"},
                                        std::pair{setup_ctl::mnuLog, "&LOG"},
                                        std::pair{setup_ctl::mnuInpLog, "&INPUT-LOG-OFF-LINE"},
                                        std::pair{setup_ctl::mnuHelp, "&HELP"}})
        add(name, ControlKind::Menu, QLatin1String(caption));
    for (const HelpMenuEntry& e : helpMenuEntries())
        if (e.screen == HelpScreen::Setup)
            add(QLatin1String(e.menu), ControlKind::Menu, QLatin1String(e.romanianCaption));
}

void SetupForm::showFrame(setup_ctl::Name frame, bool visible) {
    show(frame, visible);
    for (const QString& child : frameChildren(frame))
        ctl(child).visible = visible;
}

QDateTime SetupForm::localNow() const {
    return platform_.localNow ? platform_.localNow() : QDateTime::currentDateTime();
}

int SetupForm::notify(const QString& prompt, int style) {
    return askRecorded(state_, box_, style, prompt, QString());
}

// ---------------------------------------------------------------------------------------
// Load.

std::optional<int> SetupForm::load() {
    layoutFromScreen();
    showTitleAndStartTimes();
    state_.DataDir = deriveDataDir(state_.AppDir);
    offerDxCluster();
    soundCheck();
    if (!returning())
        takeFirstOpeningDefaults();
    else
        restoreEarlierChoices();
    readInitFile(state_, initFilePath(state_));
    fillStationFields();
    restoreExchangePrompt();
    readCwMessages();
    // The desk exists already and stays hidden until the contest starts.
    if (const std::optional<int> quit = openDatabases()) return quit;
    if (onShow) onShow();
    focusAtEnd(setup_ctl::TxtMyCall);
    lookupOwnCallAtLoad();
    return std::nullopt;
}

void SetupForm::showTitleAndStartTimes() {
    text(setup_ctl::LblContest) = QLatin1String(setup_text::kTitle);
    state_.OffLineInput = Flag::Unset;
    text(setup_ctl::TxtSD) = state_.StartDate;
    text(setup_ctl::TxtST) = state_.StartTime;
}

// The browser check is asked, but the DX-cluster box is offered whatever it finds.
void SetupForm::offerDxCluster() {
    if (platform_.browserAvailable) (void)platform_.browserAvailable();
    show(setup_ctl::ChkDxCl, true);
}

// First opening of the run: no mode or band yet, neither CW nor voice by the PC.
void SetupForm::takeFirstOpeningDefaults() {
    state_.Mode = QStringLiteral("00"); // no mode: the desk asks for band and mode first
    state_.Band = 0;
    state_.CwByPc = Flag::No;
    setChecked(setup_ctl::OpbCwN, true);
    setChecked(setup_ctl::OpbSSBN, true);
}

// Back from the desk: the choices made before are shown again and the wizard is done.
void SetupForm::restoreEarlierChoices() {
    showFrame(setup_ctl::FraLimbaj, false);
    setChecked(state_.CwByPc == Flag::On ? setup_ctl::OpbCwJ : setup_ctl::OpbCwN, true);
    setChecked(state_.SsbByPc == Flag::On ? setup_ctl::OpbSSBJ : setup_ctl::OpbSSBN, true);
    if (state_.CwRepeat == Flag::On) setChecked(setup_ctl::ChkCwRpt, true);
    if (state_.SsbRepeat == Flag::On) setChecked(setup_ctl::ChkSSBRpt, true);
    if (state_.DxClusterOn == Flag::On) setChecked(setup_ctl::ChkDxCl, true);
    if (const ContestInfo* contest = scoring::catalogueRow(state_.ContestCode))
        text(setup_ctl::LblTipTest) = QLatin1String(contest->shortTitle);
    showFrame(setup_ctl::FRAContest, false);
}

void SetupForm::readCwMessages() {
    readCwTextFile(state_, cwTextFilePath(state_));
    for (int i = 1; i <= setup_ctl::kMessageKeys; ++i)
        ctl(setup_ctl::messageText(i)).text = state_.cwText(i);
    text(setup_ctl::TxtCP) = QString::number(state_.ComPort);
}

void SetupForm::layoutFromScreen() {
    state_.ScreenWidthPx = platform_.screenWidthPx;
    state_.ScreenHeightPx = platform_.screenHeightPx;
    const ScreenScale scale = screenScale(platform_.screenWidthPx, platform_.screenHeightPx);
    state_.ScaleX = scale.x;
    state_.ScaleY = scale.y;
    // The notice goes to the window's status line, once a run: the layouts fit any size.
    resolutionNotice_ = scale.listed || returning() ? QString() : QLatin1String(kResolutionNotice);
}

void SetupForm::soundCheck() {
    if (platform_.audioOutputs > 0) {
        state_.SoundCard = Flag::On;
        return;
    }
    state_.SoundCard = Flag::Unset;
    // Selecting "N&u" runs its handler (which notes an explicit no); without a device the
    // voice option ends as 0, the value for "no wave-output device".
    setChecked(setup_ctl::OpbSSBN, true);
    state_.SsbByPc = Flag::Unset;
    setChecked(setup_ctl::ChkSSBRpt, false);
    for (setup_ctl::Name name :
         {setup_ctl::ChkSSBRpt, setup_ctl::FramSSB, setup_ctl::OpbSSBJ, setup_ctl::OpbSSBN})
        c(name).enabled = false;
}

void SetupForm::fillStationFields() {
    text(setup_ctl::TxtMyCall) = state_.MyCall;
    text(setup_ctl::TxtTime) = state_.TimeOffset.toString();
    text(setup_ctl::TxtMyCont) = state_.LookupCnt;
    text(setup_ctl::TxtZone) = state_.MyZone;
    text(setup_ctl::TxtMyPrfx) = state_.MyPrfx;
    text(setup_ctl::txtMyQRA) = state_.MyQRA;
    state_.MyCont = state_.LookupCnt;
}

void SetupForm::showExchangeField(bool visible) {
    show(setup_ctl::TxtMyBezirkA, visible);
    show(setup_ctl::LblBezirk, visible);
}

// The exchange prompt of the contest chosen before the desk was opened.
void SetupForm::restoreExchangePrompt() {
    const ContestInfo* contest = scoring::catalogueRow(state_.ContestCode);
    if (!contest) return;
    const OwnExchangePrompt& p = contest->prompt;
    const bool qualifies = ownPrefixQualifies(*contest, state_.MyPrfx);
    const QString deskSent = desk_ ? desk_->sentExchange() : QString();
    show(setup_ctl::txtControl, false);
    show(setup_ctl::LblInscr, false);
    if (p.others == OthersPrompt::ControlNumber && !qualifies) {
        // A foreign station may set the control number its serial starts from.
        show(setup_ctl::txtControl, true);
        text(setup_ctl::LblBezirk) = QLatin1String(setup_text::kControlNrCaption);
        show(setup_ctl::LblBezirk, true);
        show(setup_ctl::LblInscr, true);
        show(setup_ctl::TxtMyBezirkA, false);
        return;
    }
    if (p.others == OthersPrompt::SentAsControl && !qualifies) {
        showExchangeField(false);
        text(setup_ctl::txtControl) = deskSent;
        return;
    }
    if (contest->logGeneral) {
        // Log General: the numbering and mode choices, and the constant number.
        showFrame(setup_ctl::FramLogGen, true);
        text(setup_ctl::TxtMyBezirkA) = state_.MyBezirk;
        const Numbering nrConst = state_.NrConst;
        const ModeRule cwPh = state_.CwPhMode;
        setChecked(setup_ctl::ChkNrConst, nrConst == Numbering::Constant);
        setChecked(setup_ctl::ChkNrUp, nrConst == Numbering::Increasing);
        setChecked(setup_ctl::ChkCWandPH, cwPh == ModeRule::CwAndPhone);
        setChecked(setup_ctl::ChKCWorPH, cwPh == ModeRule::CwOrPhone);
        return;
    }
    const ExchangeFill fill = qualifies ? p.fillQualifying : p.fillOthers;
    showExchangeField(fill != ExchangeFill::None);
    if (fill == ExchangeFill::None) return;
    const char* caption = qualifies ? p.captionQualifying : p.captionOthers;
    text(setup_ctl::LblBezirk) = QLatin1String(caption ? caption : setup_text::kCountyCaption);
    switch (fill) {
    case ExchangeFill::Dok: text(setup_ctl::TxtMyBezirkA) = deskSent; break;
    case ExchangeFill::MyZone: text(setup_ctl::TxtMyBezirkA) = state_.MyZone; break;
    default: text(setup_ctl::TxtMyBezirkA) = state_.MyBezirk; break;
    }
}

std::optional<int> SetupForm::openDatabases() {
    if (dbs_.ref.isOpen() && dbs_.log.isOpen()) return std::nullopt;
    // SQLite keeps its tables in the file itself: there is nothing to register after opening.
    if (store::openDatabases(state_.DataDir, dbs_).ok()) return std::nullopt;
    if (platform_.autoStart) {
        dbs_.closeAll();
        return 1;
    }
    const int answer = askRecorded(state_, box_, msg::kOkCancel,
                                   QLatin1String(setup_text::kNoConnection), QString());
    if (answer != msg::kOk) {
        dbs_.closeAll();
        return 1;
    }
    return std::nullopt;
}

// The own call from its field into RawCall and, trimmed, LookupCall; false when empty.
bool SetupForm::takeOwnCall() {
    state_.RawCall = text(setup_ctl::TxtMyCall);
    state_.LookupCall = state_.RawCall.trimmed();
    return !state_.LookupCall.isEmpty();
}

void SetupForm::lookupOwnCallAtLoad() {
    if (!takeOwnCall()) {
        notify(QLatin1String(setup_text::kPleaseYourCall));
        return;
    }
    ownPrefixLookup();
    if (cqZone()) text(setup_ctl::LblZone) = QLatin1String(setup_text::kZoneCq);
    zoneToField();
}

// The own zone of the contest: the CQ zone where the contest exchanges it, else the ITU zone.
bool SetupForm::cqZone() const {
    const ContestInfo* contest = scoring::catalogueRow(state_.ContestCode);
    return contest && contest->zone == ZoneExchange::Cq;
}

void SetupForm::zoneToField() {
    text(setup_ctl::TxtZone) = cqZone() ? state_.LookupCQ : state_.LookupITU;
}

// ---------------------------------------------------------------------------------------
// Lookups of the own call.

void SetupForm::ownPrefixLookup() {
    state_.LookupCall = state_.LookupCall.toUpper();
    const QString key = state_.LookupCall.trimmed();
    const std::optional<store::CountryRow> row = dbs_.ref.countryByLongestPrefix(key);
    if (!row) return;
    state_.LookupId = static_cast<double>(row->id);
    state_.LookupCountry = row->country;
    state_.LookupCnt = row->cnt;
    state_.LookupCtyPfx = row->ctyPfx;
    state_.LookupPfx = row->pfx;
    state_.LookupITU = zoneText(row->itu);
    state_.LookupCQ = zoneText(row->cq);
    state_.LookupBeam = row->beam;
    state_.MyPrfx = state_.LookupCtyPfx;
}

// The own county (CallJud) or DOK (CallDOK) learned for the own call. Without a row the
// field receives what the last successful lookup found.
void SetupForm::ownLearnedLookup(bool dok) {
    state_.LookupCall = text(setup_ctl::TxtMyCall).trimmed().toUpper();
    if (!state_.LookupCall.isEmpty()) {
        const auto row = dbs_.ref.learned(
            dok ? store::LearnedTable::CallDOK : store::LearnedTable::CallJud, state_.LookupCall);
        if (row) {
            state_.LookupId = static_cast<double>(row->id);
            state_.LearnedExchange = row->value;
            static const QRegularExpression bucharest(QStringLiteral("^B[1-6]$"));
            if (!dok && bucharest.match(row->value).hasMatch())
                state_.LearnedExchange = QStringLiteral("BU");
        }
    }
    text(setup_ctl::TxtMyBezirkA) = state_.LearnedExchange;
    state_.MyBezirk = state_.LearnedExchange;
}

// Enter (or space) in the own-call field.
void SetupForm::ownCallAnalysis() {
    if (!takeOwnCall()) {
        notify(QLatin1String(setup_text::kPleaseYourCall));
        return;
    }
    ownPrefixLookup();
    state_.MyCall = state_.RawCall.toUpper();
    text(setup_ctl::TxtMyCall) = state_.MyCall;
    state_.MyCallTrim = state_.MyCall.trimmed();
    zoneToField();
    text(setup_ctl::TxtMyCont) = state_.LookupCnt;
    state_.MyCont = state_.LookupCnt;
    text(setup_ctl::TxtMyPrfx) = state_.LookupCtyPfx;
    if (cqZone())
        state_.MyCQZone = text(setup_ctl::TxtZone);
    else
        state_.MyZone = text(setup_ctl::TxtZone);
    ownCallPrompt();
    if (state_.MyCallTrim.isEmpty()) notify(QLatin1String(setup_text::kPleaseYourCall));
}

// The exchange prompt after the own call was analysed, judged on the new own prefix.
void SetupForm::ownCallPrompt() {
    const ContestInfo* contest = scoring::catalogueRow(state_.ContestCode);
    if (!contest) return;
    // Only contests whose own exchange depends on the own country prompt again.
    const OwnExchangePrompt& p = contest->prompt;
    if (p.qualifying.empty()) return;
    const bool learned =
        p.fillQualifying == ExchangeFill::County || p.fillQualifying == ExchangeFill::Dok;
    const bool countyLike =
        p.fillQualifying == ExchangeFill::MyBezirk && p.fillOthers == ExchangeFill::None;
    if (!learned) state_.MyPrfx = text(setup_ctl::TxtMyPrfx).trimmed();
    const bool qualifies = ownPrefixQualifies(*contest, text(setup_ctl::TxtMyPrfx));
    show(setup_ctl::txtControl, false);
    show(setup_ctl::LblInscr, false);
    if (p.fillOthers == ExchangeFill::MyZone) {
        // The district of a home station, the ITU zone of the others.
        showExchangeField(true);
        text(setup_ctl::LblBezirk) =
            QLatin1String(qualifies ? setup_text::kDistrictCaption : setup_text::kItuCaption);
        text(setup_ctl::TxtMyBezirkA) = qualifies ? QStringLiteral(" ") : state_.MyZone;
        if (qualifies) focusAtEnd(setup_ctl::TxtMyBezirkA);
        return;
    }
    showExchangeField(qualifies);
    if (!qualifies) {
        // A contest that keeps the stored prefix sends the operator back to the call.
        if (p.prefixSource == PrefixSource::AsStored)
            focusAtEnd(setup_ctl::TxtMyCall);
        else
            focusAtEnd(setup_ctl::TxtMyPrfx);
        return;
    }
    if (countyLike) {
        text(setup_ctl::LblBezirk) = QLatin1String(setup_text::kCountyCaption);
        if (text(setup_ctl::TxtMyBezirkA).trimmed().size() < 2) focusAtEnd(setup_ctl::TxtMyBezirkA);
        return;
    }
    const bool dok = p.fillQualifying == ExchangeFill::Dok;
    text(setup_ctl::LblBezirk) =
        QLatin1String(dok ? setup_text::kDokCaption : setup_text::kCountyCaption);
    text(setup_ctl::TxtMyBezirkA).clear();
    ownLearnedLookup(dok);
    focusAtEnd(setup_ctl::TxtMyBezirkA);
}

// ---------------------------------------------------------------------------------------
// The wizard: language, contest, mode.

void SetupForm::chooseLanguage(bool english) {
    helpFile_ = childPath(state_.DataDir, english ? QStringLiteral("KorvelEngl.HLP")
                                                  : QStringLiteral("KorvelContest.HLP"));
    state_.Language = english ? HelpLanguage::English : HelpLanguage::Romanian;
    showFrame(setup_ctl::FraLimbaj, false);
    showFrame(setup_ctl::FRAContest, true);
    text(setup_ctl::OpbConcurs) = english ? QStringLiteral("CON&TEST") : QStringLiteral("C&ONCURS");
    text(setup_ctl::FraConcurs) =
        english ? QStringLiteral("ATTENTION") : QStringLiteral("ATENTIUNE");
    text(setup_ctl::LblAnunt) = english ? joined(kModeNoticeEnglish) : joined(kModeNoticeRomanian);
    if (english)
        for (const HelpMenuEntry& e : helpMenuEntries())
            if (e.screen == HelpScreen::Setup)
                ctl(QLatin1String(e.menu)).text = QLatin1String(e.englishCaption);
}

// The click of a contest's option button: the one place where a contest is chosen.
void SetupForm::chooseContest(const ContestInfo& contest) {
    const int code = contest.code;
    auto nameContest = [&] {
        state_.ContestCode = code;
        text(setup_ctl::LblTipTest) = QLatin1String(contest.tipTestCaption);
        if (desk_) desk_->showContestCaption(QLatin1String(contest.deskCaption));
        state_.ContestName = QLatin1String(contest.contestName);
    };
    const bool cqZone = contest.zone == ZoneExchange::Cq;
    if (cqZone && !takeOwnCall()) {
        // The contest list stays on screen until the own call is there.
        nameContest();
        notify(QLatin1String(setup_text::kPleaseYourCall));
        return;
    }
    nameContest();

    // The own-exchange prompt.
    const OwnExchangePrompt& p = contest.prompt;
    if (p.prefixSource == PrefixSource::ReRead)
        state_.MyPrfx = text(setup_ctl::TxtMyPrfx).trimmed();
    show(setup_ctl::txtControl, false);
    if (!contest.logGeneral) {
        show(setup_ctl::LblInscr, false);
        const bool qualifies = ownPrefixQualifies(contest, state_.MyPrfx);
        const ExchangeFill fill = qualifies ? p.fillQualifying : p.fillOthers;
        showExchangeField(fill != ExchangeFill::None);
        if (const char* caption = qualifies ? p.captionQualifying : p.captionOthers;
            caption && fill != ExchangeFill::None)
            text(setup_ctl::LblBezirk) = QLatin1String(caption);
        switch (fill) {
        case ExchangeFill::County: ownLearnedLookup(false); break;
        case ExchangeFill::Dok: ownLearnedLookup(true); break;
        case ExchangeFill::MyBezirk: text(setup_ctl::TxtMyBezirkA) = state_.MyBezirk; break;
        case ExchangeFill::MyZone: text(setup_ctl::TxtMyBezirkA) = state_.MyZone; break;
        case ExchangeFill::Unchanged:
        case ExchangeFill::None: break;
        }
    }
    if (cqZone) {
        // The own CQ zone is the exchange: no exchange field.
        ownPrefixLookup();
        for (setup_ctl::Name name : {setup_ctl::txtControl, setup_ctl::LblBezirk,
                                     setup_ctl::LblInscr, setup_ctl::TxtMyBezirkA})
            show(name, false);
        text(setup_ctl::LblZone) = QLatin1String(setup_text::kZoneCq);
        text(setup_ctl::TxtZone) = state_.LookupCQ;
    }
    if (contest.focusExchangeField) {
        if (c(setup_ctl::txtControl).visible) focusAtEnd(setup_ctl::txtControl);
        if (c(setup_ctl::TxtMyBezirkA).visible) focusAtEnd(setup_ctl::TxtMyBezirkA);
    }

    // The wizard goes on to the mode, or is done.
    showFrame(setup_ctl::FRAContest, false);
    switch (contest.modeFrame) {
    case ModeFrame::Shown: showFrame(setup_ctl::FraConcurs, true); break;
    case ModeFrame::HiddenLearnOff: state_.ContestMode = Flag::Unset; break;
    case ModeFrame::HiddenModeKept: break;
    }
    if (contest.logGeneral) showFrame(setup_ctl::FramLogGen, true);
    // The desk's band and mode buttons follow the contest when it is handed over.
}

void SetupForm::chooseMode(bool concurs) {
    showFrame(setup_ctl::FraConcurs, false);
    state_.ContestMode = concurs ? Flag::On : Flag::Unset;
    if (!concurs || state_.Language == HelpLanguage::None) return;
    notify(QLatin1String(state_.Language == HelpLanguage::English ? kConcursNoticeEnglish
                                                                  : kConcursNoticeRomanian),
           msg::kOkOnly | msg::kExclamation);
}

// ---------------------------------------------------------------------------------------
// Keys.

bool SetupForm::takesSpaceAdvance(const QString& control) const {
    return isOneOf(control, kSpaceFields);
}

bool SetupForm::reachable(const QString& control) const {
    return has(control) && ctl(control).visible && ctl(control).enabled;
}

bool SetupForm::isChoice(const QString& control) const {
    if (!has(control)) return false;
    const ControlKind kind = ctl(control).kind;
    return kind == ControlKind::Option || kind == ControlKind::Check;
}

void SetupForm::tabTo(const QString& from, bool back) {
    std::vector<QString> order;
    const auto choicesOf = [&](setup_ctl::Name frame) {
        for (const QString& name : frameChildren(frame))
            if (isChoice(name) && reachable(name)) order.push_back(name);
    };
    // The wizard's choice on screen first: the language, the contest list (one stop, at
    // the contest chosen or the first), the mode.
    choicesOf(setup_ctl::FraLimbaj);
    QString contestStop;
    for (const QString& name : frameChildren(setup_ctl::FRAContest)) {
        if (!reachable(name)) continue;
        if (contestStop.isEmpty() || name == from || (ctl(name).checked && contestStop != from))
            contestStop = name;
    }
    if (!contestStop.isEmpty()) order.push_back(contestStop);
    choicesOf(setup_ctl::FraConcurs);
    for (setup_ctl::Name name : kTabOrder)
        if (reachable(name)) order.emplace_back(name);
    // Then the operating options.
    choicesOf(setup_ctl::FramCW);
    choicesOf(setup_ctl::FramSSB);
    if (reachable(setup_ctl::ChkDxCl)) order.emplace_back(setup_ctl::ChkDxCl);
    choicesOf(setup_ctl::FramLogGen);
    for (int i = 1; i <= setup_ctl::kMessageKeys; ++i)
        if (reachable(setup_ctl::messageText(i))) order.push_back(setup_ctl::messageText(i));
    if (order.empty()) return;
    const auto it = std::find(order.begin(), order.end(), from);
    std::ptrdiff_t i = it == order.end() ? -1 : it - order.begin();
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    i = back ? (i <= 0 ? n - 1 : i - 1) : (i + 1) % n;
    focusAtEnd(order[static_cast<std::size_t>(i)]);
}

// A key on an option button or a check box. Choosing may hide the choice (the wizard moves
// on): the focus then goes to the next stop, the next step of the wizard.
void SetupForm::choiceKey(const QString& control, forms::KeyEvent& e) {
    e.swallowed = true;
    switch (e.key) {
    case forms::Key::Tab: tabTo(control, e.shift); break;
    case forms::Key::Up:
    case forms::Key::Left: stepInFrame(control, -1); break;
    case forms::Key::Down:
    case forms::Key::Right: stepInFrame(control, 1); break;
    case forms::Key::Enter:
    case forms::Key::Space:
        click(control);
        if (focus() == control && !reachable(control)) tabTo(control, false);
        break;
    default: break;
    }
}

// The previous or next choice of the same frame that is on screen.
void SetupForm::stepInFrame(const QString& control, int step) {
    std::vector<QString> peers;
    for (const QString& name : frameChildren(frameOf(control)))
        if (isChoice(name) && (reachable(name) || name == control)) peers.push_back(name);
    const auto it = std::find(peers.begin(), peers.end(), control);
    if (it == peers.end()) return;
    const std::ptrdiff_t i = (it - peers.begin()) + step;
    if (i >= 0 && i < static_cast<std::ptrdiff_t>(peers.size()))
        setFocus(peers[static_cast<std::size_t>(i)]);
}

void SetupForm::onKeyDown(const QString& control, forms::KeyEvent& e) {
    if (isChoice(control)) {
        choiceKey(control, e);
        return;
    }
    if (takesSpaceAdvance(control)) spaceAdvance_ = e.key == forms::Key::Space ? 100 : 0;
    if (control == setup_ctl::TxtMyCall && e.key == forms::Key::F1) e.swallowed = true;
    if (e.key == forms::Key::Tab) {
        // Tab walks through the fields that are on screen.
        tabTo(control, e.shift);
        e.swallowed = true;
    }
}

void SetupForm::onKeyPress(const QString& control, int& ascii) {
    if (ascii == '"') {
        // The settings files cannot hold a double quote.
        ascii = 0;
        return;
    }
    const int message = setup_ctl::messageTextNumber(control);
    if (isOneOf(control, kUpperFields) || (message >= 1 && message <= 7))
        ascii = QChar(ascii).toUpper().unicode();
    bool act = ascii == 13;
    if (takesSpaceAdvance(control)) {
        act = act || spaceAdvance_ == 100;
        if (act) spaceAdvance_ = 0;
    }
    if (!act) return;
    if (message >= 8) return; // F8..F11 take their texts at the start of the contest
    if (ascii == 13 || ascii == 32) ascii = 0;
    fieldAction(control);
}

void SetupForm::fieldAction(const QString& control) {
    auto upperBack = [this](setup_ctl::Name field) {
        QString& t = text(field);
        t = t.toUpper();
        return t;
    };
    if (control == setup_ctl::TxtMyCall) {
        ownCallAnalysis();
    } else if (control == setup_ctl::TxtMyPrfx) {
        state_.MyPrfx = upperBack(setup_ctl::TxtMyPrfx);
        focusAtEnd(setup_ctl::TxtTime);
    } else if (control == setup_ctl::TxtTime) {
        focusAtEnd(setup_ctl::TxtMyCont);
    } else if (control == setup_ctl::TxtMyCont) {
        focusAtEnd(setup_ctl::TxtZone);
    } else if (control == setup_ctl::TxtMyBezirkA) {
        state_.MyBezirk = upperBack(setup_ctl::TxtMyBezirkA);
        focusAtEnd(setup_ctl::txtMyQRA);
    } else if (control == setup_ctl::txtMyQRA) {
        state_.MyQRA = upperBack(setup_ctl::txtMyQRA);
        state_.MyQRACalc = state_.MyQRA;
        focusAtEnd(setup_ctl::TxtTime);
    } else if (control == setup_ctl::txtControl) {
        state_.NextNr = text(setup_ctl::txtControl);
        focusAtEnd(setup_ctl::TxtMyCall);
    } else if (control == setup_ctl::TxtCP) {
        bool ok = false;
        const int port = text(setup_ctl::TxtCP).trimmed().toInt(&ok);
        if (ok) state_.ComPort = port;
        focusAtEnd(setup_ctl::TxtMyCall);
    } else if (control == setup_ctl::TxtSD) {
        state_.StartDate = text(setup_ctl::TxtSD);
        focusAtEnd(setup_ctl::TxtST);
    } else if (control == setup_ctl::TxtST) {
        state_.StartTime = text(setup_ctl::TxtST);
        focusAtEnd(setup_ctl::TxtMyCall);
    } else if (const int n = setup_ctl::messageTextNumber(control); n >= 1 && n <= 7) {
        state_.cwText(n) = ctl(control).text;
        focusAtEnd(n == 7 ? QString(setup_ctl::TxtCP) : setup_ctl::messageText(n + 1));
    }
}

// ---------------------------------------------------------------------------------------
// Clicks, options and check boxes.

void SetupForm::onClick(const QString& control) {
    const forms::Control& k = ctl(control);
    if (k.kind == ControlKind::Option) {
        selectOption(control);
        optionHandler(control);
        return;
    }
    if (k.kind == ControlKind::Check) {
        checkHandler(control);
        return;
    }
    if (control == setup_ctl::mnuBeenden) {
        exitProgram();
    } else if (control == setup_ctl::mnuQSOfahren) {
        if (startContest(*this) && onContestStarted) onContestStarted();
    } else if (control == setup_ctl::mnuInpLog) {
        inputLogOffLine(*this);
    } else if (control == setup_ctl::mnuLog) {
        if (!logMenu(*this)) return;
        if (onLog)
            onLog();
        else
            notify(QLatin1String(start_text::kNoReviewScreen), msg::kOkOnly | msg::kInformation);
    } else {
        helpEntry(control);
    }
}

// Only one option of a frame is selected.
void SetupForm::selectOption(const QString& name) {
    for (const QString& peer : frameChildren(frameOf(name)))
        if (ctl(peer).kind == ControlKind::Option) ctl(peer).checked = peer == name;
}

void SetupForm::setChecked(const QString& name, bool checked) {
    forms::Control& k = ctl(name);
    if (k.checked == checked) return;
    if (k.kind == ControlKind::Option) {
        if (!checked) {
            k.checked = false;
            return;
        }
        selectOption(name);
        optionHandler(name);
        return;
    }
    k.checked = checked;
    checkHandler(name);
}

void SetupForm::optionHandler(const QString& name) {
    if (name == setup_ctl::OpBRomanian || name == setup_ctl::OpbEnglish) {
        chooseLanguage(name == setup_ctl::OpbEnglish);
    } else if (const ContestInfo* contest = contestByButton(name)) {
        chooseContest(*contest);
    } else if (name == setup_ctl::OpbConcurs || name == setup_ctl::OpbTest) {
        chooseMode(name == setup_ctl::OpbConcurs);
    } else if (name == setup_ctl::OpbCwJ) {
        showFrame(setup_ctl::FramTxtCw, true);
        show(setup_ctl::ChkCwRpt, true);
        state_.CwByPc = Flag::On;
        if (!returning()) focusAtEnd(setup_ctl::TxtMyCall);
    } else if (name == setup_ctl::OpbCwN) {
        showFrame(setup_ctl::FramTxtCw, false);
        show(setup_ctl::ChkCwRpt, false);
        setChecked(setup_ctl::ChkCwRpt, false);
        state_.CwRepeat = Flag::Unset;
        state_.CwByPc = Flag::No;
        if (!returning()) {
            if (desk_) desk_->hideRepeatPause(false);
            focusAtEnd(setup_ctl::TxtMyCall);
        }
    } else if (name == setup_ctl::OpbSSBJ) {
        state_.SsbByPc = Flag::On;
        show(setup_ctl::ChkSSBRpt, true);
        prepareVoiceFolder();
    } else if (name == setup_ctl::OpbSSBN) {
        show(setup_ctl::ChkSSBRpt, false);
        setChecked(setup_ctl::ChkSSBRpt, false);
        state_.SsbRepeat = Flag::Unset;
        state_.SsbByPc = Flag::No;
        if (desk_) desk_->hideRepeatPause(true);
        if (!returning()) focusAtEnd(setup_ctl::TxtMyCall);
    }
}

void SetupForm::checkHandler(const QString& name) {
    const bool on = ctl(name).checked;
    // Each pair of Log General choices excludes the other while one is ticked.
    auto pair = [&]<class E>(setup_ctl::Name other, E& field, E value) {
        c(other).enabled = !on;
        field = on ? value : E::Unset;
    };
    if (name == setup_ctl::ChkCwRpt) {
        state_.CwRepeat = on ? Flag::On : Flag::Unset;
        if (desk_) desk_->colourRepeatKey(on);
    } else if (name == setup_ctl::ChkSSBRpt) {
        state_.SsbRepeat = on ? Flag::On : Flag::Unset;
        if (desk_) desk_->colourRepeatKey(on);
    } else if (name == setup_ctl::ChkDxCl) {
        dxClusterClicked();
    } else if (name == setup_ctl::ChkNrConst) {
        pair(setup_ctl::ChkNrUp, state_.NrConst, Numbering::Constant);
        text(setup_ctl::LblBezirk) = QLatin1String(setup_text::kConstantCaption);
        showExchangeField(on);
        if (on) {
            if (c(setup_ctl::txtControl).visible) focusAtEnd(setup_ctl::txtControl);
            if (c(setup_ctl::TxtMyBezirkA).visible) focusAtEnd(setup_ctl::TxtMyBezirkA);
        }
    } else if (name == setup_ctl::ChkNrUp) {
        pair(setup_ctl::ChkNrConst, state_.NrConst, Numbering::Increasing);
    } else if (name == setup_ctl::ChkCWandPH) {
        pair(setup_ctl::ChKCWorPH, state_.CwPhMode, ModeRule::CwAndPhone);
    } else if (name == setup_ctl::ChKCWorPH) {
        pair(setup_ctl::ChkCWandPH, state_.CwPhMode, ModeRule::CwOrPhone);
    }
}

void SetupForm::dxClusterClicked() {
    if (state_.Language == HelpLanguage::None) state_.Language = HelpLanguage::Romanian;
    const bool on = c(setup_ctl::ChkDxCl).checked;
    if (on && !returning())
        notify(QLatin1String(state_.Language == HelpLanguage::English ? kClusterWarningEnglish
                                                                      : kClusterWarningRomanian),
               msg::kOkOnly | msg::kExclamation);
    state_.DxClusterOn = on ? Flag::On : Flag::Unset;
}

// The folder of the voice messages: created when missing, with a word that it is empty.
void SetupForm::prepareVoiceFolder() {
    const QString folder = childPath(state_.DataDir, QLatin1String(setup_text::kVoiceFolder));
    switch (createFolder(folder)) {
    case FolderOutcome::AlreadyThere: return;
    case FolderOutcome::Created:
        notify(QStringLiteral("Folderul ") + state_.DataDir + QLatin1String(kVoiceFolderMessage));
        return;
    case FolderOutcome::Failed:
        // A name taken by a file or a folder the system refuses: the voice messages cannot be
        // played from it, and no folder is announced that is not there.
        notify(QStringLiteral("The folder %1 cannot be created: the voice messages cannot be "
                              "played.")
                   .arg(folder),
               forms::msg::kOkOnly | forms::msg::kExclamation);
        return;
    }
}

void SetupForm::helpEntry(const QString& menu) {
    for (const HelpMenuEntry& e : helpMenuEntries()) {
        if (e.screen != HelpScreen::Setup || menu != QLatin1String(e.menu)) continue;
        const int context = helpContext(e, state_.Language);
        if (context > 0 && onHelp) onHelp(state_.Language, context);
        return;
    }
}

void SetupForm::exitProgram() {
    const int answer = askRecorded(state_, box_, kExitStyle, QLatin1String(kExitPrompt),
                                   QLatin1String(kExitTitle));
    if (answer != msg::kYes) return;
    dbs_.closeAll();
    exitConfirmed_ = true;
    if (onExit) onExit();
}

} // namespace korvel
