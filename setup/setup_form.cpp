#include "setup/setup_form.h"

#include "core/paths.h"
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
constexpr const char* kSpaceFields[] = {"TxtMyCall",  "TxtMyBezirkA", "TxtMyCont", "txtMyQRA",
                                        "TxtSD",      "TxtST",        "TxtTime",   "TxtZone",
                                        "txtControl", "TxtCP"};
constexpr const char* kTabOrder[] = {
    "TxtMyCall",    "TxtMyPrfx",  "TxtTime", "TxtMyCont", "TxtZone", "txtMyQRA",
    "TxtMyBezirkA", "txtControl", "TxtSD",   "TxtST",     "TxtCP",   "TxtF1",
    "TxtF2",        "TxtF3",      "TxtF4",   "TxtF5",     "TxtF6",   "TxtF7",
    "TxtF8",        "TxtF9",      "TxtF10",  "TxtF11"};
// Fields whose letters are upper-cased as typed (besides TxtF1..TxtF7).
constexpr const char* kUpperFields[] = {"TxtMyCall", "TxtMyBezirkA", "txtMyQRA", "TxtST"};

template <std::size_t N> bool isOneOf(const QString& name, const char* const (&names)[N]) {
    return std::any_of(std::begin(names), std::end(names),
                       [&](const char* n) { return name == QLatin1String(n); });
}

// The number n of "TxtFn", or 0.
int messageFieldNumber(const QString& name) {
    if (!name.startsWith(QLatin1String("TxtF"))) return 0;
    bool ok = false;
    const int n = name.mid(4).toInt(&ok);
    return ok && n >= 1 && n <= 11 ? n : 0;
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
        m[QStringLiteral("FraLimbaj")] = {QStringLiteral("OpBRomanian"),
                                          QStringLiteral("OpbEnglish")};
        auto& contests = m[QStringLiteral("FRAContest")];
        for (const scoring::Contest* c : scoring::contests())
            contests.push_back(QLatin1String(c->info.optionButton));
        m[QStringLiteral("FraConcurs")] = {QStringLiteral("OpbConcurs"), QStringLiteral("OpbTest")};
        m[QStringLiteral("FramCW")] = {QStringLiteral("OpbCwJ"), QStringLiteral("OpbCwN"),
                                       QStringLiteral("ChkCwRpt")};
        m[QStringLiteral("FramSSB")] = {QStringLiteral("OpbSSBJ"), QStringLiteral("OpbSSBN"),
                                        QStringLiteral("ChkSSBRpt")};
        m[QStringLiteral("FramLogGen")] = {QStringLiteral("ChkNrUp"), QStringLiteral("ChkNrConst"),
                                           QStringLiteral("ChkCWandPH"),
                                           QStringLiteral("ChKCWorPH"), QStringLiteral("LblMode")};
        auto& cw = m[QStringLiteral("FramTxtCw")];
        for (int i = 1; i <= 11; ++i) {
            cw.push_back(QStringLiteral("LblF%1").arg(i));
            cw.push_back(QStringLiteral("TxtF%1").arg(i));
        }
        for (std::size_t i = 1; i <= std::size(kCwHints); ++i)
            cw.push_back(QStringLiteral("LblHint%1").arg(i));
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
    : forms::FormModel(QStringLiteral("FrmInit")), state_(state), dbs_(dbs), box_(box), desk_(desk),
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
    const char* const fields[][2] = {{"TxtMyCall", "LblMyCall"},   {"TxtMyPrfx", "LblMyPfx"},
                                     {"TxtMyCont", "LblQSO"},      {"TxtZone", "LblZone"},
                                     {"txtMyQRA", "LblMyQRA"},     {"TxtTime", "LblTime"},
                                     {"TxtMyBezirkA", "LblBezirk"}};
    const char* const captions[] = {"MY CALL  ",          "MY PREFIX",   "CONTINENT",
                                    setup_text::kZoneItu, " MY LOCATOR", " (OraYO-OraUTC)",
                                    "        MY COUNTY"};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        add(QLatin1String(fields[i][1]), ControlKind::Label, QLatin1String(captions[i]));
        add(QLatin1String(fields[i][0]), ControlKind::Text);
    }
    // The exchange field and its caption appear once a contest asks for them.
    show("TxtMyBezirkA", false);
    show("LblBezirk", false);
    add(QStringLiteral("txtControl"), ControlKind::Text).visible = false;
    add(QStringLiteral("LblInscr"), ControlKind::Label,
        QStringLiteral("(Nr Control for the next QSO)"))
        .visible = false;
    add(QStringLiteral("LblSD"), ControlKind::Label, QStringLiteral("START DATE")).visible = false;
    add(QStringLiteral("TxtSD"), ControlKind::Text).visible = false;
    add(QStringLiteral("LblST"), ControlKind::Label, QStringLiteral("START TIME")).visible = false;
    add(QStringLiteral("TxtST"), ControlKind::Text).visible = false;
    add(QStringLiteral("LblCP"), ControlKind::Label, QStringLiteral("ComPort :"));
    add(QStringLiteral("TxtCP"), ControlKind::Text);

    add(QStringLiteral("LblContest"), ControlKind::Label);
    add(QStringLiteral("LblTipTest"), ControlKind::Label);
    add(QStringLiteral("LblAnunt"), ControlKind::Label);

    // The wizard's frames, the operating options and Log General's choices.
    struct Plain {
        const char* name;
        ControlKind kind;
        const char* caption;
    };
    constexpr Plain kLanguage[] = {{"FraLimbaj", ControlKind::Frame, "HELP LANGUAGE"},
                                   {"OpBRomanian", ControlKind::Option, "R&OMANIAN"},
                                   {"OpbEnglish", ControlKind::Option, "E&NGLISH"},
                                   {"FRAContest", ControlKind::Frame, "CONTEST:"}};
    constexpr Plain kOptions[] = {{"FraConcurs", ControlKind::Frame, ""},
                                  {"OpbConcurs", ControlKind::Option, "C&ONCURS"},
                                  {"OpbTest", ControlKind::Option, "S&IMULATOR"},
                                  {"FramCW", ControlKind::Frame, "CW cu PC"},
                                  {"OpbCwJ", ControlKind::Option, "&Da"},
                                  {"OpbCwN", ControlKind::Option, "&Nu"},
                                  {"ChkCwRpt", ControlKind::Check, "Cw &Rpt"},
                                  {"FramSSB", ControlKind::Frame, "SSB cu PC"},
                                  {"OpbSSBJ", ControlKind::Option, "D&a"},
                                  {"OpbSSBN", ControlKind::Option, "N&u"},
                                  {"ChkSSBRpt", ControlKind::Check, "&SSB Rpt"},
                                  {"ChkDxCl", ControlKind::Check, "Dx Cluster"},
                                  {"FramLogGen", ControlKind::Frame, "Typ CONTEST"},
                                  {"ChkNrUp", ControlKind::Check, "Nr crescator"},
                                  {"ChkNrConst", ControlKind::Check, "Nr constant"},
                                  {"ChkCWandPH", ControlKind::Check, "CW and PH"},
                                  {"ChKCWorPH", ControlKind::Check, "CW or PH"},
                                  {"LblMode", ControlKind::Label, "MODE"}};
    for (const Plain& p : kLanguage)
        add(QLatin1String(p.name), p.kind, QLatin1String(p.caption));
    for (const scoring::Contest* contest : scoring::contests())
        add(QLatin1String(contest->info.optionButton), ControlKind::Option,
            QLatin1String(contest->info.buttonCaption));
    for (const Plain& p : kOptions)
        add(QLatin1String(p.name), p.kind, QLatin1String(p.caption));
    show("ChkDxCl", false); // until the load has made its browser check
    for (const char* frame : {"FRAContest", "FraConcurs", "FramLogGen"})
        showFrame(frame, false);

    // CW messages.
    add(QStringLiteral("FramTxtCw"), ControlKind::Frame, QStringLiteral(" CW MESSAGES"));
    for (int i = 1; i <= 11; ++i) {
        add(QStringLiteral("LblF%1").arg(i), ControlKind::Label, QStringLiteral("F%1").arg(i));
        add(QStringLiteral("TxtF%1").arg(i), ControlKind::Text);
    }
    for (std::size_t i = 0; i < std::size(kCwHints); ++i)
        add(QStringLiteral("LblHint%1").arg(i + 1), ControlKind::Label, QLatin1String(kCwHints[i]));
    showFrame("FramTxtCw", false);

    // Menus.
    for (const auto& [name, caption] :
         {std::pair{"mnuBeenden", "E&XIT"}, std::pair{"mnuQSOfahren", "START-&CONTEST"},
          std::pair{"mnuLog", "&LOG"}, std::pair{"mnuInpLog", "&INPUT-LOG-OFF-LINE"},
          std::pair{"mnuHelp", "&HELP"}})
        add(QLatin1String(name), ControlKind::Menu, QLatin1String(caption));
    for (const HelpMenuEntry& e : helpMenuEntries())
        if (e.screen == HelpScreen::Setup)
            add(QLatin1String(e.menu), ControlKind::Menu, QLatin1String(e.romanianCaption));
}

void SetupForm::showFrame(const char* frame, bool visible) {
    show(frame, visible);
    for (const QString& child : frameChildren(QLatin1String(frame)))
        ctl(child).visible = visible;
}

QDateTime SetupForm::localNow() const {
    return platform_.localNow ? platform_.localNow() : QDateTime::currentDateTime();
}

void SetupForm::notify(const QString& prompt, int style) {
    forms::askRecorded(state_, box_, style, prompt, QString());
}

void SetupForm::deskShow(const char* name, bool visible) {
    if (desk_) desk_->ctl(QLatin1String(name)).visible = visible;
}

void SetupForm::deskColourF1(bool repeat) {
    if (desk_) desk_->ctl(QStringLiteral("TxtF1")).back = repeat ? colour::kGreen : colour::kYellow;
}

// ---------------------------------------------------------------------------------------
// Load.

std::optional<int> SetupForm::load() {
    // 1, 2: screen size and layout scale.
    layoutFromScreen();
    // 3
    text("LblContest") = QLatin1String(setup_text::kTitle);
    state_.OffLineInput = 0;
    text("TxtSD") = state_.StartDate;
    text("TxtST") = state_.StartTime;
    // 4
    state_.DataDir = deriveDataDir(state_.AppDir);
    // 5: the DX-cluster box is offered whatever the browser check finds.
    if (platform_.browserAvailable) (void)platform_.browserAvailable();
    show("ChkDxCl", true);
    // 6
    soundCheck();
    if (!returning()) {
        // 7: first opening of the run.
        state_.Mode = QStringLiteral("00");
        state_.Band = 0;
        state_.CwByPc = 10;
        setChecked(QStringLiteral("OpbCwN"), true);
        setChecked(QStringLiteral("OpbSSBN"), true);
    } else {
        // 8: back from the desk, with the earlier choices.
        showFrame("FraLimbaj", false);
        setChecked(state_.CwByPc == 100 ? QStringLiteral("OpbCwJ") : QStringLiteral("OpbCwN"),
                   true);
        setChecked(state_.SsbByPc == 100 ? QStringLiteral("OpbSSBJ") : QStringLiteral("OpbSSBN"),
                   true);
        if (state_.CwRepeat == 100) setChecked(QStringLiteral("ChkCwRpt"), true);
        if (state_.SsbRepeat == 100) setChecked(QStringLiteral("ChkSSBRpt"), true);
        if (state_.DxClusterOn == 100) setChecked(QStringLiteral("ChkDxCl"), true);
        if (const ContestInfo* contest = scoring::catalogueRow(state_.ContestCode))
            text("LblTipTest") = QLatin1String(contest->shortTitle);
        showFrame("FRAContest", false);
    }
    // 9
    readInitFile(state_, initFilePath(state_));
    fillStationFields();
    // 10
    restoreExchangePrompt();
    // 11
    readCwTextFile(state_, cwTextFilePath(state_));
    for (int i = 1; i <= 11; ++i)
        ctl(QStringLiteral("TxtF%1").arg(i)).text = state_.cwText(i);
    text("TxtCP") = QString::number(state_.ComPort);
    // 12: the desk exists and stays hidden until the contest starts.
    // 13
    if (const std::optional<int> quit = openDatabases()) return quit;
    // 14
    if (onShow) onShow();
    focusAtEnd(QStringLiteral("TxtMyCall"));
    // 15
    lookupOwnCallAtLoad();
    return std::nullopt;
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
        state_.SoundCard = 100;
        return;
    }
    state_.SoundCard = 0;
    // Selecting "N&u" runs its handler (which notes an explicit no); without a device the
    // voice option ends as 0, the value for "no wave-output device".
    setChecked(QStringLiteral("OpbSSBN"), true);
    state_.SsbByPc = 0;
    setChecked(QStringLiteral("ChkSSBRpt"), false);
    for (const char* name : {"ChkSSBRpt", "FramSSB", "OpbSSBJ", "OpbSSBN"})
        c(name).enabled = false;
}

void SetupForm::fillStationFields() {
    text("TxtMyCall") = state_.MyCall;
    text("TxtTime") = state_.TimeOffset.toString();
    text("TxtMyCont") = state_.LookupCnt;
    text("TxtZone") = state_.MyZone;
    text("TxtMyPrfx") = state_.MyPrfx;
    text("txtMyQRA") = state_.MyQRA;
    state_.MyCont = state_.LookupCnt;
}

void SetupForm::showExchangeField(bool visible) {
    show("TxtMyBezirkA", visible);
    show("LblBezirk", visible);
}

// The exchange prompt of the contest chosen before the desk was opened.
void SetupForm::restoreExchangePrompt() {
    const ContestInfo* contest = scoring::catalogueRow(state_.ContestCode);
    if (!contest) return;
    const OwnExchangePrompt& p = contest->prompt;
    const bool qualifies = ownPrefixQualifies(*contest, state_.MyPrfx);
    const QString deskSent = desk_ ? desk_->ctl(QStringLiteral("TxtRSTE2")).text : QString();
    show("txtControl", false);
    show("LblInscr", false);
    if (p.others == OthersPrompt::ControlNumber && !qualifies) {
        // A foreign station may set the control number its serial starts from.
        show("txtControl", true);
        text("LblBezirk") = QLatin1String(setup_text::kControlNrCaption);
        show("LblBezirk", true);
        show("LblInscr", true);
        show("TxtMyBezirkA", false);
        return;
    }
    if (p.others == OthersPrompt::SentAsControl && !qualifies) {
        showExchangeField(false);
        text("txtControl") = deskSent;
        return;
    }
    if (contest->logGeneral) {
        // Log General: the numbering and mode choices, and the constant number.
        showFrame("FramLogGen", true);
        text("TxtMyBezirkA") = state_.MyBezirk;
        const int nrConst = state_.NrConst, cwPh = state_.CwPhMode;
        setChecked(QStringLiteral("ChkNrConst"), nrConst == 100);
        setChecked(QStringLiteral("ChkNrUp"), nrConst == 200);
        setChecked(QStringLiteral("ChkCWandPH"), cwPh == 200);
        setChecked(QStringLiteral("ChKCWorPH"), cwPh == 100);
        return;
    }
    const ExchangeFill fill = qualifies ? p.fillQualifying : p.fillOthers;
    showExchangeField(fill != ExchangeFill::None);
    if (fill == ExchangeFill::None) return;
    const char* caption = qualifies ? p.captionQualifying : p.captionOthers;
    text("LblBezirk") = QLatin1String(caption ? caption : setup_text::kCountyCaption);
    switch (fill) {
    case ExchangeFill::Dok: text("TxtMyBezirkA") = deskSent; break;
    case ExchangeFill::MyZone: text("TxtMyBezirkA") = state_.MyZone; break;
    default: text("TxtMyBezirkA") = state_.MyBezirk; break;
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
    const int answer = forms::askRecorded(state_, box_, msg::kOkCancel,
                                          QLatin1String(setup_text::kNoConnection), QString());
    if (answer != msg::kOk) {
        dbs_.closeAll();
        return 1;
    }
    return std::nullopt;
}

// The own call from its field into RawCall and, trimmed, LookupCall; false when empty.
bool SetupForm::takeOwnCall() {
    state_.RawCall = text("TxtMyCall");
    state_.LookupCall = state_.RawCall.trimmed();
    return !state_.LookupCall.isEmpty();
}

void SetupForm::lookupOwnCallAtLoad() {
    if (!takeOwnCall()) {
        notify(QLatin1String(setup_text::kPleaseYourCall));
        return;
    }
    ownPrefixLookup();
    if (cqZone()) text("LblZone") = QLatin1String(setup_text::kZoneCq);
    zoneToField();
}

// The own zone of the contest: the CQ zone where the contest exchanges it, else the ITU zone.
bool SetupForm::cqZone() const {
    const ContestInfo* contest = scoring::catalogueRow(state_.ContestCode);
    return contest && contest->zone == ZoneExchange::Cq;
}

void SetupForm::zoneToField() {
    text("TxtZone") = cqZone() ? state_.LookupCQ : state_.LookupITU;
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
    state_.LookupCall = text("TxtMyCall").trimmed().toUpper();
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
    text("TxtMyBezirkA") = state_.LearnedExchange;
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
    text("TxtMyCall") = state_.MyCall;
    state_.MyCallTrim = state_.MyCall.trimmed();
    zoneToField();
    text("TxtMyCont") = state_.LookupCnt;
    state_.MyCont = state_.LookupCnt;
    text("TxtMyPrfx") = state_.LookupCtyPfx;
    if (cqZone())
        state_.MyCQZone = text("TxtZone");
    else
        state_.MyZone = text("TxtZone");
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
    if (!learned) state_.MyPrfx = text("TxtMyPrfx").trimmed();
    const bool qualifies = ownPrefixQualifies(*contest, text("TxtMyPrfx"));
    show("txtControl", false);
    show("LblInscr", false);
    if (p.fillOthers == ExchangeFill::MyZone) {
        // The district of a home station, the ITU zone of the others.
        showExchangeField(true);
        text("LblBezirk") =
            QLatin1String(qualifies ? setup_text::kDistrictCaption : setup_text::kItuCaption);
        text("TxtMyBezirkA") = qualifies ? QStringLiteral(" ") : state_.MyZone;
        if (qualifies) focusAtEnd(QStringLiteral("TxtMyBezirkA"));
        return;
    }
    showExchangeField(qualifies);
    if (!qualifies) {
        // A contest that keeps the stored prefix sends the operator back to the call.
        if (p.prefixSource == PrefixSource::AsStored)
            focusAtEnd(QStringLiteral("TxtMyCall"));
        else
            focusAtEnd(QStringLiteral("TxtMyPrfx"));
        return;
    }
    if (countyLike) {
        text("LblBezirk") = QLatin1String(setup_text::kCountyCaption);
        if (text("TxtMyBezirkA").trimmed().size() < 2) focusAtEnd(QStringLiteral("TxtMyBezirkA"));
        return;
    }
    const bool dok = p.fillQualifying == ExchangeFill::Dok;
    text("LblBezirk") = QLatin1String(dok ? setup_text::kDokCaption : setup_text::kCountyCaption);
    text("TxtMyBezirkA").clear();
    ownLearnedLookup(dok);
    focusAtEnd(QStringLiteral("TxtMyBezirkA"));
}

// ---------------------------------------------------------------------------------------
// The wizard: language, contest, mode.

void SetupForm::chooseLanguage(bool english) {
    helpFile_ = childPath(state_.DataDir, english ? QStringLiteral("KorvelEngl.HLP")
                                                  : QStringLiteral("KorvelContest.HLP"));
    state_.Language = english ? kLanguageEnglish : kLanguageRomanian;
    showFrame("FraLimbaj", false);
    showFrame("FRAContest", true);
    text("OpbConcurs") = english ? QStringLiteral("CONTEST") : QStringLiteral("CONCURS");
    text("FraConcurs") = english ? QStringLiteral("ATTENTION") : QStringLiteral("ATENTIUNE");
    text("LblAnunt") = english ? joined(kModeNoticeEnglish) : joined(kModeNoticeRomanian);
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
        text("LblTipTest") = QLatin1String(contest.tipTestCaption);
        if (desk_) desk_->ctl(QStringLiteral("LblConc")).text = QLatin1String(contest.deskCaption);
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
    if (p.prefixSource == PrefixSource::ReRead) state_.MyPrfx = text("TxtMyPrfx").trimmed();
    show("txtControl", false);
    if (!contest.logGeneral) {
        show("LblInscr", false);
        const bool qualifies = ownPrefixQualifies(contest, state_.MyPrfx);
        const ExchangeFill fill = qualifies ? p.fillQualifying : p.fillOthers;
        showExchangeField(fill != ExchangeFill::None);
        if (const char* caption = qualifies ? p.captionQualifying : p.captionOthers;
            caption && fill != ExchangeFill::None)
            text("LblBezirk") = QLatin1String(caption);
        switch (fill) {
        case ExchangeFill::County: ownLearnedLookup(false); break;
        case ExchangeFill::Dok: ownLearnedLookup(true); break;
        case ExchangeFill::MyBezirk: text("TxtMyBezirkA") = state_.MyBezirk; break;
        case ExchangeFill::MyZone: text("TxtMyBezirkA") = state_.MyZone; break;
        case ExchangeFill::Unchanged:
        case ExchangeFill::None: break;
        }
    }
    if (cqZone) {
        // The own CQ zone is the exchange: no exchange field.
        ownPrefixLookup();
        for (const char* name : {"txtControl", "LblBezirk", "LblInscr", "TxtMyBezirkA"})
            show(name, false);
        text("LblZone") = QLatin1String(setup_text::kZoneCq);
        text("TxtZone") = state_.LookupCQ;
    }
    if (contest.focusExchangeField) {
        if (c("txtControl").visible) focusAtEnd(QStringLiteral("txtControl"));
        if (c("TxtMyBezirkA").visible) focusAtEnd(QStringLiteral("TxtMyBezirkA"));
    }

    // The wizard goes on to the mode, or is done.
    showFrame("FRAContest", false);
    switch (contest.modeFrame) {
    case ModeFrame::Shown: showFrame("FraConcurs", true); break;
    case ModeFrame::HiddenLearnOff: state_.ContestMode = 0; break;
    case ModeFrame::HiddenModeKept: break;
    }
    if (contest.logGeneral) showFrame("FramLogGen", true);
    // The desk's band and mode buttons follow the contest when it is handed over.
}

void SetupForm::chooseMode(bool concurs) {
    showFrame("FraConcurs", false);
    state_.ContestMode = concurs ? 100 : 0;
    if (!concurs || state_.Language == kLanguageNone) return;
    notify(QLatin1String(state_.Language == kLanguageEnglish ? kConcursNoticeEnglish
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

void SetupForm::tabTo(const QString& from, bool back) {
    std::vector<QString> order;
    for (const char* name : kTabOrder)
        if (reachable(QLatin1String(name))) order.emplace_back(QLatin1String(name));
    if (order.empty()) return;
    const auto it = std::find(order.begin(), order.end(), from);
    std::ptrdiff_t i = it == order.end() ? -1 : it - order.begin();
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    i = back ? (i <= 0 ? n - 1 : i - 1) : (i + 1) % n;
    focusAtEnd(order[static_cast<std::size_t>(i)]);
}

void SetupForm::onKeyDown(const QString& control, forms::KeyEvent& e) {
    if (takesSpaceAdvance(control)) spaceAdvance_ = e.key == forms::Key::Space ? 100 : 0;
    if (control == QLatin1String("TxtMyCall") && e.key == forms::Key::F1) e.swallowed = true;
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
    const int message = messageFieldNumber(control);
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
    auto upperBack = [this](const char* field) {
        QString& t = text(field);
        t = t.toUpper();
        return t;
    };
    if (control == QLatin1String("TxtMyCall")) {
        ownCallAnalysis();
    } else if (control == QLatin1String("TxtMyPrfx")) {
        state_.MyPrfx = upperBack("TxtMyPrfx");
        focusAtEnd(QStringLiteral("TxtTime"));
    } else if (control == QLatin1String("TxtTime")) {
        focusAtEnd(QStringLiteral("TxtMyCont"));
    } else if (control == QLatin1String("TxtMyCont")) {
        focusAtEnd(QStringLiteral("TxtZone"));
    } else if (control == QLatin1String("TxtMyBezirkA")) {
        state_.MyBezirk = upperBack("TxtMyBezirkA");
        focusAtEnd(QStringLiteral("txtMyQRA"));
    } else if (control == QLatin1String("txtMyQRA")) {
        state_.MyQRA = upperBack("txtMyQRA");
        state_.MyQRACalc = state_.MyQRA;
        focusAtEnd(QStringLiteral("TxtTime"));
    } else if (control == QLatin1String("txtControl")) {
        state_.NextNr = text("txtControl");
        focusAtEnd(QStringLiteral("TxtMyCall"));
    } else if (control == QLatin1String("TxtCP")) {
        bool ok = false;
        const int port = text("TxtCP").trimmed().toInt(&ok);
        if (ok) state_.ComPort = port;
        focusAtEnd(QStringLiteral("TxtMyCall"));
    } else if (control == QLatin1String("TxtSD")) {
        state_.StartDate = text("TxtSD");
        focusAtEnd(QStringLiteral("TxtST"));
    } else if (control == QLatin1String("TxtST")) {
        state_.StartTime = text("TxtST");
        focusAtEnd(QStringLiteral("TxtMyCall"));
    } else if (const int n = messageFieldNumber(control); n >= 1 && n <= 7) {
        state_.cwText(n) = ctl(control).text;
        focusAtEnd(n == 7 ? QStringLiteral("TxtCP") : QStringLiteral("TxtF%1").arg(n + 1));
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
    if (control == QLatin1String("mnuBeenden")) {
        exitProgram();
    } else if (control == QLatin1String("mnuQSOfahren")) {
        if (startContest(*this) && onContestStarted) onContestStarted();
    } else if (control == QLatin1String("mnuInpLog")) {
        inputLogOffLine(*this);
    } else if (control == QLatin1String("mnuLog")) {
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
    if (name == QLatin1String("OpBRomanian") || name == QLatin1String("OpbEnglish")) {
        chooseLanguage(name == QLatin1String("OpbEnglish"));
    } else if (const ContestInfo* contest = contestByButton(name)) {
        chooseContest(*contest);
    } else if (name == QLatin1String("OpbConcurs") || name == QLatin1String("OpbTest")) {
        chooseMode(name == QLatin1String("OpbConcurs"));
    } else if (name == QLatin1String("OpbCwJ")) {
        showFrame("FramTxtCw", true);
        show("ChkCwRpt", true);
        state_.CwByPc = 100;
        if (!returning()) focusAtEnd(QStringLiteral("TxtMyCall"));
    } else if (name == QLatin1String("OpbCwN")) {
        showFrame("FramTxtCw", false);
        show("ChkCwRpt", false);
        setChecked(QStringLiteral("ChkCwRpt"), false);
        state_.CwRepeat = 0;
        state_.CwByPc = 10;
        if (!returning()) {
            deskShow("txtPauseCW", false);
            focusAtEnd(QStringLiteral("TxtMyCall"));
        }
    } else if (name == QLatin1String("OpbSSBJ")) {
        state_.SsbByPc = 100;
        show("ChkSSBRpt", true);
        prepareVoiceFolder();
    } else if (name == QLatin1String("OpbSSBN")) {
        show("ChkSSBRpt", false);
        setChecked(QStringLiteral("ChkSSBRpt"), false);
        state_.SsbRepeat = 0;
        state_.SsbByPc = 10;
        deskShow("TxtPauseSSB", false);
        if (!returning()) focusAtEnd(QStringLiteral("TxtMyCall"));
    }
}

void SetupForm::checkHandler(const QString& name) {
    const bool on = ctl(name).checked;
    // Each pair of Log General choices excludes the other while one is ticked.
    auto pair = [&](const char* other, int& field, int value) {
        c(other).enabled = !on;
        field = on ? value : 0;
    };
    if (name == QLatin1String("ChkCwRpt")) {
        state_.CwRepeat = on ? 100 : 0;
        deskColourF1(on);
    } else if (name == QLatin1String("ChkSSBRpt")) {
        state_.SsbRepeat = on ? 100 : 0;
        deskColourF1(on);
    } else if (name == QLatin1String("ChkDxCl")) {
        dxClusterClicked();
    } else if (name == QLatin1String("ChkNrConst")) {
        pair("ChkNrUp", state_.NrConst, 100);
        text("LblBezirk") = QLatin1String(setup_text::kConstantCaption);
        showExchangeField(on);
        if (on) {
            if (c("txtControl").visible) focusAtEnd(QStringLiteral("txtControl"));
            if (c("TxtMyBezirkA").visible) focusAtEnd(QStringLiteral("TxtMyBezirkA"));
        }
    } else if (name == QLatin1String("ChkNrUp")) {
        pair("ChkNrConst", state_.NrConst, 200);
    } else if (name == QLatin1String("ChkCWandPH")) {
        pair("ChKCWorPH", state_.CwPhMode, 200);
    } else if (name == QLatin1String("ChKCWorPH")) {
        pair("ChkCWandPH", state_.CwPhMode, 100);
    }
}

void SetupForm::dxClusterClicked() {
    if (state_.Language == kLanguageNone) state_.Language = kLanguageRomanian;
    const bool on = c("ChkDxCl").checked;
    if (on && !returning())
        notify(QLatin1String(state_.Language == kLanguageEnglish ? kClusterWarningEnglish
                                                                 : kClusterWarningRomanian),
               msg::kOkOnly | msg::kExclamation);
    state_.DxClusterOn = on ? 100 : 0;
}

// The folder of the voice messages: created when missing, with a word that it is empty.
void SetupForm::prepareVoiceFolder() {
    const QString folder = childPath(state_.DataDir, QLatin1String(setup_text::kVoiceFolder));
    if (QFileInfo::exists(folder)) return;
    (void)makeFolder(folder);
    notify(QStringLiteral("Folderul ") + state_.DataDir + QLatin1String(kVoiceFolderMessage));
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
    const int answer = forms::askRecorded(state_, box_, kExitStyle, QLatin1String(kExitPrompt),
                                          QLatin1String(kExitTitle));
    if (answer != msg::kYes) return;
    dbs_.closeAll();
    exitConfirmed_ = true;
    if (onExit) onExit();
}

} // namespace korvel
