#include "review/review_form.h"

#include "core/recorded_ask.h"
#include "core/settings_file.h"
#include "platform/files.h"
#include "platform/help_file.h"
#include "review/adif.h"
#include "review/log_folders.h"
#include "review/review_controls.h"
#include "review/text_log.h"
#include "store/qso_freq.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <array>

namespace korvel {

using forms::ControlKind;
namespace msg = forms::msg;
namespace rt = review_text;

namespace {

constexpr int kYesNoQuestion = msg::kYesNo | msg::kQuestion;

// A text field of a panel with its label.
struct Field {
    const char* name;
    const char* label;
};

constexpr Field kCabrilloFields[] = {
    {rc::TxtCall, "CALLSIGN:"},
    {rc::TxtCA, "CATEGORY-ASSISTED:"},
    {rc::TxtCategBand, "CATEGORY-BAND:"},
    {rc::TxtCategMode, "CATEGORY-MODE:"},
    {rc::TxtCategOp, "CATEGORY-OPERATOR:"},
    {rc::TxtPw, "CATEGORY-POWER:"},
    {rc::TxtCategStat, "CATEGORY-STATION:"},
    {rc::TxtCategT, "CATEGORY-TIME:"},
    {rc::TxtTransm, "CATEGORY-TRANSMITTER:"},
    {rc::TxtOverl, "CATEGORY-OVERLAY:"},
    {rc::TxtScore, "CLAIMED-SCORE:"},
    {rc::TxtClub, "CLUB:"},
    {rc::TxtContest, "CONTEST:"},
    {rc::TxtCreated, "CREATED-BY:"},
    {rc::TxtEmail, "EMAIL:"},
    {rc::TxtLoc, "LOCATION:"},
    {rc::TxtName, "NAME:"},
    {rc::TxtAdrs1, "ADRESS:"},
    {rc::TxtAdrs2, "ADRESS:"},
    {rc::TxtOperat, "OPERATORS:"},
    {rc::TxtOffTime, "OFFTIME:"},
    {rc::TxtSoap1, "SOAPBOX:"},
    {rc::TxtSoap2, "SOAPBOX:"},
    {rc::TxtDebug, "Debug:"},
    {rc::TxtStart, "START-OF-LOG:"},
};

constexpr Field kStfFields[] = {
    {rc::TxtContest1, "Contest:"},         {rc::TxtMyCall1, "MyCall:"},
    {rc::TxtCategory1, "Category:"},       {rc::TxtMailAdress1, "Mailadress:"},
    {rc::TxtMailAdress2, "Mailadress:"},   {rc::TxtMailAdress3, "Mailadress:"},
    {rc::TxtMailAdress4, "Mailadress:"},   {rc::TxtEMail1, "EMail:"},
    {rc::TxtClaimedQso1, "ClaimedQso:"},   {rc::TxtClaimedPts1, "ClaimedPts:"},
    {rc::TxtClaimedMult1, "ClaimedMult:"}, {rc::TxtClaimedScore1, "ClaimedScore:"},
    {rc::TxtOperators1, "Operators:"},     {rc::TxtClub1, "Club:"},
    {rc::TxtEquipment1, "Equipment:"},     {rc::TxtPower1, "Power:"},
    {rc::TxtSpecific1, "Specific:"},       {rc::TxtSoapBox1, "SoapBox:"},
    {rc::TxtQsoOrder1, "QsoOrder:"},
};

// The station panel, in the order of the summary sheet's station lines.
constexpr Field kStationFields[] = {
    {rc::TxtSection, "Section"}, {rc::TxtOp, "Op.Name"}, {rc::TxtNo, "No.Operat"},
    {rc::TxtQTH, "QTH"},         {rc::TxtAds, "Adress"}, {rc::TxtTx, "Tx"},
    {rc::TxtRx, "Rx"},           {rc::TxtAnt, "Ant1"},   {rc::TxtAnt2, "Ant2"},
    {rc::TxtAnt3, "Ant3"},       {rc::TxtAnt4, "Ant4"},  {rc::TxtAnt5, "Club"},
};
static_assert(std::size(kStationFields) == review::kStationLines);
// The shared value of each station field; the number of operators is a number of its own.
QString SharedState::*const kStationValues[] = {
    &SharedState::SummaryOperators, &SharedState::SummaryOpName,  nullptr,
    &SharedState::SummaryQTH,       &SharedState::SummaryAddress, &SharedState::SummaryTx,
    &SharedState::SummaryRx,        &SharedState::SummaryAnt1,    &SharedState::SummaryAnt2,
    &SharedState::SummaryAnt3,      &SharedState::SummaryAnt4,    &SharedState::SummaryAnt5,
};
static_assert(std::size(kStationValues) == review::kStationLines);

constexpr Field kCountryFields[] = {
    {rc::TxtCountry, "Country"}, {rc::TxtCont, "Cont"},   {rc::TxtCtyPfx, "CtyPfx"},
    {rc::TxtPfx, "Pfx"},         {rc::TxtITU, "ITU"},     {rc::TxtCQ, "CQ"},
    {rc::TxtBeam, "Beam"},       {rc::txtQRA, "QRA Loc"},
};

// Enter moves the focus along these chains.
constexpr std::pair<const char*, const char*> kEnterChain[] = {
    // Cabrillo.
    {rc::TxtSoap1, rc::TxtSoap2},
    {rc::TxtSoap2, rc::TxtContest},
    {rc::TxtContest, rc::TxtCall},
    {rc::TxtScore, rc::TxtOperat},
    {rc::TxtOperat, rc::TxtClub},
    {rc::TxtClub, rc::TxtName},
    {rc::TxtName, rc::TxtAdrs1},
    {rc::TxtAdrs1, rc::TxtAdrs2},
    // STF.
    {rc::TxtContest1, rc::TxtMyCall1},
    {rc::TxtMyCall1, rc::TxtCategory1},
    {rc::TxtCategory1, rc::TxtMailAdress1},
    {rc::TxtMailAdress1, rc::TxtMailAdress2},
    {rc::TxtMailAdress2, rc::TxtMailAdress3},
    {rc::TxtMailAdress3, rc::TxtMailAdress4},
    {rc::TxtMailAdress4, rc::TxtEMail1},
    {rc::TxtEMail1, rc::TxtClaimedQso1},
    {rc::TxtClaimedQso1, rc::TxtClaimedPts1},
    {rc::TxtClaimedPts1, rc::TxtClaimedMult1},
    {rc::TxtClaimedMult1, rc::TxtClaimedScore1},
    {rc::TxtClaimedScore1, rc::TxtOperators1},
    {rc::TxtOperators1, rc::TxtClub1},
    {rc::TxtClub1, rc::TxtEquipment1},
    {rc::TxtEquipment1, rc::TxtPower1},
    {rc::TxtPower1, rc::TxtSpecific1},
    {rc::TxtSpecific1, rc::TxtSoapBox1},
    {rc::TxtSoapBox1, rc::TxtContest1},
    // Station panel, round.
    {rc::TxtSection, rc::TxtOp},
    {rc::TxtOp, rc::TxtNo},
    {rc::TxtNo, rc::TxtQTH},
    {rc::TxtQTH, rc::TxtAds},
    {rc::TxtAds, rc::TxtTx},
    {rc::TxtTx, rc::TxtRx},
    {rc::TxtRx, rc::TxtAnt},
    {rc::TxtAnt, rc::TxtAnt2},
    {rc::TxtAnt2, rc::TxtAnt3},
    {rc::TxtAnt3, rc::TxtAnt4},
    {rc::TxtAnt4, rc::TxtAnt5},
    {rc::TxtAnt5, rc::TxtSection},
    // Country entry (Enter in txtQRA stores the row).
    {rc::TxtCountry, rc::TxtCont},
    {rc::TxtCont, rc::TxtCtyPfx},
    {rc::TxtCtyPfx, rc::TxtPfx},
    {rc::TxtPfx, rc::TxtITU},
    {rc::TxtITU, rc::TxtCQ},
    {rc::TxtCQ, rc::TxtBeam},
    {rc::TxtBeam, rc::txtQRA},
};

// The pick lists of the Cabrillo header fields, with the number of the field they serve.
struct PickList {
    const char* field;
    int active;
    std::initializer_list<const char*> lines;
};

const PickList kPickLists[] = {
    {rc::TxtCA, 3, {"ASSISTED", "NON-ASSISTED"}},
    {rc::TxtCategBand, 4, {"ALL", "160M", "80M", "40M", "20M", "15M", "10M"}},
    {rc::TxtCategMode, 5, {"SSB", "CW", "MIXED", "RTTY"}},
    {rc::TxtPw, 7, {"HIGH", "LOW", "QRP"}},
    {rc::TxtCategStat, 8, {"FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL"}},
    {rc::TxtCategT, 9, {"6-HOURS", "12-HOURS", "24-HOURS"}},
    {rc::TxtTransm, 10, {"ONE", "TWO", "LIMITED", "UNLIMITED", "SWL"}},
    {rc::TxtOverl, 11, {"ROOKIE", "TB-WIRES", "NOVICE-TECH", "OVER-50"}},
    // The contests by the names operators know, then the identifiers the contest robots
    // expect where those differ (from the public Cabrillo contest list, wwrof.org).
    {rc::TxtContest,
     14,
     {"YO-DX-HF",
      "DARC-WAG",
      "IARU_FD-CW",
      "IARU_FD-SSB",
      "IARU-HF",
      "CQ-WW-CW",
      "CQ-WW-SSB",
      "CQ-WPX-CW",
      "CQ-WPX-SSB",
      "LZ-DX",
      "HA-DX",
      "EU-CHAMP",
      "KING-OF-SPAIN",
      "PACC",
      "TAC",
      "Coupe de REF",
      "ARRL International DX Contest",
      "Russian DX Contest",
      "SP DX Contest",
      "Holyland DX Contest",
      "Helvetia Contest",
      "Keymen's Club Contest",
      "Ukrainian DX Contest",
      "OK-OM DX Contest",
      "Scandinavian DX Contest",
      "UBA Contest",
      "WAG",
      "EUHFC",
      "EA-MAJESTAD-CW",
      "EA-MAJESTAD-SSB",
      "REF-CW",
      "REF-SSB",
      "ARRL-DX-CW",
      "ARRL-DX-SSB",
      "RDXC",
      "SPDX",
      "HOLYLAND",
      "HELVETIA",
      "UKRAINIAN-DX",
      "OK-OM-DX",
      "SAC-CW",
      "SAC-SSB",
      "UBA-DX-CW",
      "UBA-DX-SSB"}},
};

constexpr const char* kManualHint = "Se complecteaza manual";
constexpr const char* kHintFields[] = {rc::TxtAdrs1,  rc::TxtAdrs2, rc::TxtClub,
                                       rc::TxtDebug,  rc::TxtEmail, rc::TxtName,
                                       rc::TxtOperat, rc::TxtSoap1, rc::TxtSoap2};

struct BandOption {
    const char* view;
    const char* print;
    const char* caption;
    int band;
};
constexpr BandOption kBandOptions[] = {
    {rc::OpB10, rc::OpBD10, "Log &10 m", 10}, {rc::OpB15, rc::OpBD15, "Log 1&5 m", 15},
    {rc::OpB20, rc::OpBD20, "Log &20 m", 20}, {rc::OpB40, rc::OpBD40, "Log &40 m", 40},
    {rc::OpB80, rc::OpBD80, "Log &80 m", 80}, {rc::Opb160, rc::OpBD160, "Log 1&60 m", 160},
};

constexpr const char* kPanels[] = {rc::Frame1,    rc::Frame2,    rc::Frame3, rc::Frame4,
                                   rc::Frame5,    rc::Frame6,    rc::Frame7, rc::Frame8,
                                   rc::FraLogCbr, rc::FraLogSTF, rc::FraArh, rc::FilList};

constexpr const char* kGrids[] = {rc::DBGrid9, rc::DBGrid6, rc::DBGrid7, rc::DBGrid8};

const QStringList kLogColumns = {
    QStringLiteral("ID"),   QStringLiteral("Callsign"), QStringLiteral("Data"),
    QStringLiteral("UTC"),  QStringLiteral("Bnd"),      QStringLiteral("Sent"),
    QStringLiteral("Rcvd"), QStringLiteral("Md"),       QStringLiteral("Pfx"),
    QStringLiteral("Mlt"),  QStringLiteral("Mlt1"),     QStringLiteral("Pct")};
const QStringList kCountryColumns = {QStringLiteral("Country"), QStringLiteral("Cnt"),
                                     QStringLiteral("CtyPfx"),  QStringLiteral("Pfx"),
                                     QStringLiteral("ITU"),     QStringLiteral("CQ"),
                                     QStringLiteral("Beam"),    QStringLiteral("QRALoc")};

bool inList(const QString& name, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (name == QLatin1String(n)) return true;
    return false;
}

template <std::size_t N> bool isField(const QString& name, const Field (&fields)[N]) {
    for (const Field& f : fields)
        if (name == QLatin1String(f.name)) return true;
    return false;
}

// The own prefix the operator pick list goes by: the first two letters, YQ, YR and YP
// counting as YO.
QString ownPrefix(const QString& call) {
    const QString p = call.trimmed().left(2);
    return inList(p, {"YQ", "YR", "YP"}) ? QStringLiteral("YO") : p;
}

} // namespace

ReviewForm::ReviewForm(SharedState& state, store::Databases& dbs, forms::MessageBox& box,
                       ReviewOptions options)
    : FormModel(QStringLiteral("FrmAnzeigen")), state_(state), dbs_(dbs),
      queries_(dbs.log, dbs.ref), box_(box), options_(std::move(options)), logGrid_(kLogColumns),
      countryGrid_(kCountryColumns), learnedGrid_({QStringLiteral("Call"), QString()}) {
    buildControls();
}

void ReviewForm::buildControls() {
    add(QStringLiteral("FrmAnzeigen"), ControlKind::Label, QLatin1String(rt::kCaption));
    // Menus.
    for (const auto& [name, caption] : std::initializer_list<std::pair<const char*, const char*>>{
             {rc::mnuAnfang, "1_ST_P&AGE"},
             {rc::mnuLogAnzeigen, "VIEW_LO&G"},
             {rc::mnuLOGDrucken, "P&RINT_LOG"},
             {rc::mnuLOGL, "&DELETE_LOG "},
             {rc::mnuMem, "&SAVE LOG"},
             {rc::mnuLog, "Save to HDD in Folde&r  \"LOG\""},
             {rc::mnutxt, "Format TXT"},
             {rc::mnucabrillo, "Format CABRILLO (ARRL)"},
             {rc::mnuFormatSTF, "Format STF (DARC)"},
             {rc::mnuArhiva, "Save to HDD in Folder \"ARCHI&VE\""},
             {rc::mnuHelp3, "HELP"},
         })
        add(QLatin1String(name), ControlKind::Menu, QLatin1String(caption));
    for (const HelpMenuEntry& e : helpMenuEntries())
        if (e.screen == HelpScreen::Review)
            add(QLatin1String(e.menu), ControlKind::Menu, QLatin1String(e.romanianCaption));
    add(QLatin1String(rc::mnuBeenden), ControlKind::Menu, QStringLiteral("E&XIT"));

    // Panels and their options.
    add(QLatin1String(rc::Frame1), ControlKind::Frame, QStringLiteral("VIEW"));
    for (const BandOption& b : kBandOptions)
        add(QLatin1String(b.view), ControlKind::Option, QLatin1String(b.caption));
    add(QLatin1String(rc::OpbLogGen), ControlKind::Option, QStringLiteral("Log General"));
    add(QLatin1String(rc::OpBDXCC), ControlKind::Option, QStringLiteral("&DXCC List"));
    add(QLatin1String(rc::OpbCallJud), ControlKind::Option, QStringLiteral("&Call -Jud"));
    add(QLatin1String(rc::Frame3), ControlKind::Frame, QStringLiteral("PRINT"));
    for (const BandOption& b : kBandOptions)
        add(QLatin1String(b.print), ControlKind::Option, QLatin1String(b.caption));
    add(QLatin1String(rc::OpbDLogGen), ControlKind::Option, QStringLiteral("Lo&g Gen."));
    add(QLatin1String(rc::OpBDSumm), ControlKind::Option, QStringLiteral("&Summary"));
    add(QLatin1String(rc::Frame2), ControlKind::Frame, QStringLiteral("DELETE LOG"));
    add(QLatin1String(rc::OpbLLogGen), ControlKind::Option, QStringLiteral("Log Gen."));
    add(QLatin1String(rc::Frame4), ControlKind::Frame, QStringLiteral("Band Summary"));
    add(QLatin1String(rc::LblQSO), ControlKind::Label, QStringLiteral("QSO"));
    add(QLatin1String(rc::TxtQSO), ControlKind::Text);
    add(QLatin1String(rc::LblPkt), ControlKind::Label, QStringLiteral("Points"));
    add(QLatin1String(rc::TxtPkt), ControlKind::Text);
    add(QLatin1String(rc::LblMlt), ControlKind::Label, QStringLiteral("Mult"));
    add(QLatin1String(rc::TxtMlt), ControlKind::Text);
    add(QLatin1String(rc::Frame5), ControlKind::Frame, QStringLiteral("&DELETE"));
    add(QLatin1String(rc::OpBDelete), ControlKind::Option, QStringLiteral("Delete QSO"));
    add(QLatin1String(rc::Frame7), ControlKind::Frame, QStringLiteral("TAB. DXCC"));
    add(QLatin1String(rc::OpBAnf_gen), ControlKind::Option, QStringLiteral("New country"));
    add(QLatin1String(rc::Frame8), ControlKind::Frame, QStringLiteral("ENTER DATA"));
    const auto fields = [this](const auto& list) {
        for (const Field& f : list) {
            add(QStringLiteral("Lbl") + QLatin1String(f.name), ControlKind::Label,
                QLatin1String(f.label));
            add(QLatin1String(f.name), ControlKind::Text);
        }
    };
    fields(kCountryFields);
    add(QLatin1String(rc::FraLogCbr), ControlKind::Frame,
        QStringLiteral("ENTER DATA CABRILLO (ARRL FORMAT)"));
    fields(kCabrilloFields);
    text(rc::TxtCreated) = QStringLiteral("Korvel-LOG/Tamrik");
    add(QLatin1String(rc::FraLogSTF), ControlKind::Frame,
        QStringLiteral("ENTER DATA STF (DARC FORMAT)"));
    fields(kStfFields);
    add(QLatin1String(rc::Frame6), ControlKind::Frame, QLatin1String(rt::kStationCaption));
    fields(kStationFields);
    add(QLatin1String(rc::FraArh), ControlKind::Frame, QLatin1String(rt::kArchiveCaption));
    add(QLatin1String(rc::LblNameDat), ControlKind::Label, QStringLiteral("Name file :"));
    add(QLatin1String(rc::TxtNameDat), ControlKind::Text);
    add(QLatin1String(rc::FilList), ControlKind::List);
    add(QLatin1String(rc::CmdMem), ControlKind::Button, QStringLiteral("Save TEXT file"));
    add(QLatin1String(rc::CmdArhivADI), ControlKind::Button, QStringLiteral("Save ADIF file"));
    add(QLatin1String(rc::CmdSterg), ControlKind::Button, QStringLiteral("Delete       file"));
    add(QLatin1String(rc::CmdGata), ControlKind::Button, QLatin1String(rt::kGataRomanian));
    add(QLatin1String(rc::ListCbr), ControlKind::List);
    for (const char* grid : kGrids)
        add(QLatin1String(grid), ControlKind::Grid);
}

int ReviewForm::ask(int style, const QString& prompt, const QString& title) {
    return askRecorded(state_, box_, style, prompt, title);
}

bool ReviewForm::english() const {
    return state_.Language == HelpLanguage::English;
}

// ---------------------------------------------------------------------------------------
// Load and panels.

void ReviewForm::load() {
    for (const HelpMenuEntry& e : helpMenuEntries()) {
        if (e.screen != HelpScreen::Review) continue;
        forms::Control& m = ctl(QLatin1String(e.menu));
        m.text = QLatin1String(english() ? e.englishCaption : e.romanianCaption);
        m.visible = !m.text.isEmpty();
    }
    const ContestExports& c = contest();
    show(rc::mnucabrillo, c.offersCabrillo);
    show(rc::mnuFormatSTF, c.offersStf);
    show(rc::mnutxt, c.offersTxt);
    hidePanels();
    clearPanels();
    show(rc::CmdGata, false);
    show(rc::ListCbr, false);
    rescore();
    showLog(QString());
}

void ReviewForm::hidePanels() {
    for (const char* p : kPanels)
        show(p, false);
}

// Every option of the panels cleared; the print and band-summary panels hidden.
void ReviewForm::clearPanels() {
    for (const QString& name : controlNames())
        if (ctl(name).kind == ControlKind::Option) ctl(name).checked = false;
    show(rc::Frame3, false);
    show(rc::Frame4, false);
}

void ReviewForm::showGrid(const char* grid) {
    for (const char* g : kGrids)
        show(g, g == grid);
}

void ReviewForm::onClick(const QString& control) {
    const forms::Control& c = ctl(control);
    if (c.kind == ControlKind::Menu) {
        menu(control);
    } else if (c.kind == ControlKind::Option) {
        option(control);
    } else if (control == QLatin1String(rc::ListCbr)) {
        pick();
    } else if (control == QLatin1String(rc::CmdGata)) {
        finishInput();
    } else if (control == QLatin1String(rc::CmdMem)) {
        saveArchive(50);
    } else if (control == QLatin1String(rc::CmdArhivADI)) {
        saveArchive(60);
    } else if (control == QLatin1String(rc::CmdSterg)) {
        deleteArchive();
    } else if (control == QLatin1String(rc::FilList)) {
        const forms::Control& files = ctl(control);
        if (files.listIndex < 0 || files.listIndex >= files.items.size()) return;
        text(rc::TxtNameDat) = files.items.at(files.listIndex);
        archiveNameChanged();
        focusAtEnd(QLatin1String(rc::TxtNameDat));
    }
}

void ReviewForm::menu(const QString& name) {
    const auto is = [&](const char* n) { return name == QLatin1String(n); };
    if (is(rc::mnuAnfang)) {
        state_.SetupDone = Flag::On;
        if (onReturnToSetup) onReturnToSetup();
    } else if (is(rc::mnuLogAnzeigen)) {
        clearPanels();
        hidePanels();
        show(rc::Frame1, true);
        show(rc::Frame4, true);
        confirmState_ = 1;
        outputTarget_ = OutputTarget::None;
        const LearnedTableView learned = contest().learnedTable;
        text(rc::OpbCallJud) = learned == LearnedTableView::CallDok ? QStringLiteral("CallDOK")
                                                                    : QStringLiteral("&Call -Jud");
        show(rc::OpbCallJud, learned != LearnedTableView::Hidden);
    } else if (is(rc::mnuLOGDrucken)) {
        clearPanels();
        hidePanels();
        show(rc::Frame3, true);
        outputTarget_ = OutputTarget::Printer;
        confirmState_ = 10;
    } else if (is(rc::mnuLOGL)) {
        clearPanels();
        hidePanels();
        show(rc::Frame2, true);
    } else if (is(rc::mnucabrillo)) {
        openCabrillo();
    } else if (is(rc::mnuFormatSTF)) {
        openStf();
    } else if (is(rc::mnuArhiva)) {
        openArchive();
    } else if (is(rc::mnutxt)) {
        openStation(true);
    } else if (is(rc::mnuBeenden)) {
        if (ask(kYesNoQuestion | msg::kDefault2, QLatin1String(rt::kExitPrompt),
                QLatin1String(rt::kExitTitle)) != msg::kYes)
            return;
        dbs_.closeAll();
        exitConfirmed_ = true;
        if (onExit) onExit();
    } else {
        for (const HelpMenuEntry& e : helpMenuEntries())
            if (e.screen == HelpScreen::Review && is(e.menu)) {
                const int context = helpContext(e, state_.Language);
                if (context > 0 && onHelp) onHelp(state_.Language, context);
            }
    }
}

void ReviewForm::option(const QString& name) {
    const auto is = [&](const char* n) { return name == QLatin1String(n); };
    for (const BandOption& b : kBandOptions) {
        if (is(b.view)) return viewBand(b.band);
        if (is(b.print)) {
            viewBand(b.band);
            return printLog();
        }
    }
    if (is(rc::OpbLogGen)) {
        viewWholeLog();
    } else if (is(rc::OpbDLogGen)) {
        viewWholeLog();
        printLog();
    } else if (is(rc::OpBDXCC)) {
        showCountries();
    } else if (is(rc::OpbCallJud)) {
        showLearned();
    } else if (is(rc::OpbLLogGen)) {
        deleteWholeLog();
    } else if (is(rc::OpBDelete)) {
        deleteSelectedQso();
    } else if (is(rc::OpBAnf_gen)) {
        hidePanels();
        show(rc::Frame8, true);
        focusAtEnd(QLatin1String(rc::TxtCountry));
    } else if (is(rc::OpBDSumm)) {
        openStation(false);
    }
}

void ReviewForm::onDblClick(const QString& control) {
    if (control != QLatin1String(rc::OpBDXCC) || !contest().countryPanel) return;
    show(rc::Frame7, true);
    show(rc::Frame1, false);
    show(rc::Frame4, false);
    showCountries();
}

// ---------------------------------------------------------------------------------------
// Views and tallies.

void ReviewForm::rescore() {
    tallies_ = review::rescore(dbs_.log, contest());
}

void ReviewForm::showSummary(const review::Totals& t) {
    text(rc::TxtQSO) = QString::number(t.qsos);
    text(rc::TxtPkt) = QString::number(t.points);
    text(rc::TxtMlt) = QString::number(t.mults);
}

void ReviewForm::viewBand(int band) {
    state_.Band = band;
    rescore();
    const BandTally& t = tallies_[static_cast<std::size_t>(bandIndex(band))];
    showSummary({t.qsos, t.points, t.mults});
    showLog(QString::number(band));
}

void ReviewForm::viewWholeLog() {
    showLog(QString());
    rescore();
    showSummary(review::logGeneralTotals(tallies_, contest()));
}

void ReviewForm::showLog(const QString& band) {
    logBand_ = band;
    logSelection_ = -1;
    const auto cells = [](const std::vector<store::QsoRow>& rows) {
        std::vector<review::GridRow> out;
        out.reserve(rows.size());
        for (const store::QsoRow& r : rows)
            out.push_back({r.id, store::cells(r)});
        return out;
    };
    if (band.isEmpty())
        logGrid_.show(dbs_.log.count(), [this, cells](std::int64_t offset, int limit) {
            return cells(queries_.logPage(offset, limit));
        });
    else
        logGrid_.show(queries_.bandCount(band),
                      [this, cells, band](std::int64_t offset, int limit) {
                          return cells(queries_.bandPage(band, offset, limit));
                      });
    showGrid(rc::DBGrid9);
}

void ReviewForm::showCountries() {
    countryGrid_.show(dbs_.ref.countryCount(), [this](std::int64_t offset, int limit) {
        std::vector<review::GridRow> out;
        for (const store::CountryRow& r : queries_.countryPage(offset, limit))
            out.push_back({r.id,
                           {r.country, r.cnt, r.ctyPfx, r.pfx, r.itu, r.cq, QString::number(r.beam),
                            r.qraLoc}});
        return out;
    });
    countrySelection_ = -1;
    showGrid(rc::DBGrid6);
}

void ReviewForm::showLearned() {
    const LearnedTableView view = contest().learnedTable;
    if (view != LearnedTableView::CallJud && view != LearnedTableView::CallDok) return;
    const store::LearnedTable table = view == LearnedTableView::CallJud
                                          ? store::LearnedTable::CallJud
                                          : store::LearnedTable::CallDOK;
    learnedGrid_.show(queries_.learnedCount(table), [this, table](std::int64_t offset, int limit) {
        std::vector<review::GridRow> out;
        for (const store::LearnedRow& r : queries_.learnedPage(table, offset, limit))
            out.push_back({r.id, {r.call, r.value}});
        return out;
    });
    showGrid(table == store::LearnedTable::CallJud ? rc::DBGrid7 : rc::DBGrid8);
}

// ---------------------------------------------------------------------------------------
// Deletions.

void ReviewForm::selectLogRow(int row) {
    if (row < 0 || row >= logGrid_.rowCount()) return;
    logSelection_ = row;
    if (confirmState_ == 1) show(rc::Frame5, true);
    confirmState_ = 0;
}

void ReviewForm::deleteSelectedQso() {
    const int answer =
        ask(kYesNoQuestion, QLatin1String(rt::kDeletePrompt), QLatin1String(rt::kDeleteTitle));
    confirmState_ = answer == msg::kYes ? 1 : 0;
    if (answer == msg::kYes) {
        const std::int64_t id = logGrid_.idAt(logSelection_);
        if (id > 0 && !dbs_.log.deleteQso(id))
            ask(msg::kOkOnly | msg::kExclamation,
                QStringLiteral("The QSO could not be deleted: ") + dbs_.log.lastError(),
                QLatin1String(rt::kDeleteTitle));
        else if (id > 0)
            store::deleteQsoFreq(dbs_.log.connection(), id); // its frequency goes with it
        // The same view again, recounted, on its last row.
        const QString band = logBand_;
        if (band.isEmpty())
            viewWholeLog();
        else
            viewBand(band.toInt());
        logSelection_ = logGrid_.rowCount() - 1;
    } else {
        clearPanels();
    }
    show(rc::Frame5, false);
    ctl(QLatin1String(rc::OpBDelete)).checked = false;
}

void ReviewForm::deleteWholeLog() {
    state_.Band = 555;
    showLog(QString());
    if (ask(kYesNoQuestion, QLatin1String(rt::kDeleteLogPrompt),
            QLatin1String(rt::kDeleteLogTitle)) != msg::kYes) {
        clearPanels();
        return;
    }
    if (!copyLogBeforeDelete()) return;
    if (!dbs_.log.deleteAll()) {
        ask(msg::kOkOnly | msg::kExclamation,
            QStringLiteral("The log could not be deleted: ") + dbs_.log.lastError(),
            QLatin1String(rt::kDeleteLogTitle));
        return;
    }
    store::deleteAllQsoFreqs(dbs_.log.connection()); // a new log starts without frequencies
    showLog(QString());
    rescore();
    state_.Band = 0;
}

// The whole log is copied into the archive folder before it is deleted; without the copy
// nothing is deleted.
bool ReviewForm::copyLogBeforeDelete() {
    const review::FolderResult folder =
        review::ensureExportFolder(state_.DataDir, review::kArchiveFolder);
    const auto refuse = [&](const QString& why) {
        ask(msg::kOkOnly | msg::kExclamation,
            QStringLiteral("The log was not deleted: its copy could not be written. ") + why,
            QLatin1String(rt::kDeleteLogTitle));
        return false;
    };
    if (!folder.error.isEmpty()) return refuse(folder.error);
    if (folder.created)
        ask(msg::kOkOnly, review::folderCreatedMessage(state_.DataDir, review::kArchiveFolder),
            QString());
    const QDateTime now = options_.localNow ? options_.localNow() : QDateTime::currentDateTime();
    const QString base =
        QStringLiteral("LogKorvel-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = childPath(folder.path, base + QStringLiteral(".bak"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = childPath(folder.path, base + QStringLiteral("-%1.bak").arg(n));
    if (!queries_.copyLogTo(path))
        return refuse(path + QStringLiteral(": ") + queries_.lastError());
    return true;
}

// ---------------------------------------------------------------------------------------
// Keys.

void ReviewForm::onKeyDown(const QString& control, forms::KeyEvent& e) {
    if (e.key != forms::Key::Enter) return;
    if (control == QLatin1String(rc::TxtNameDat)) {
        e.swallowed = true;
        return archiveNameChanged();
    }
    const bool country = isField(control, kCountryFields);
    if (!isField(control, kCabrilloFields) && !isField(control, kStfFields) &&
        !isField(control, kStationFields) && !country)
        return;
    e.swallowed = true;
    if (country) return countryEnter(control);
    for (const auto& [from, to] : kEnterChain)
        if (control == QLatin1String(from)) return focusAtEnd(QLatin1String(to));
}

void ReviewForm::onKeyPress(const QString& control, int& ascii) {
    const bool upper = isField(control, kCabrilloFields) || isField(control, kStfFields) ||
                       isField(control, kStationFields) ||
                       (isField(control, kCountryFields) && control != QLatin1String(rc::TxtCQ)) ||
                       control == QLatin1String(rc::TxtNameDat);
    if (upper && ascii >= 'a' && ascii <= 'z') ascii -= 'a' - 'A';
}

void ReviewForm::onChange(const QString& control) {
    if (control == QLatin1String(rc::TxtNameDat)) archiveNameChanged();
}

void ReviewForm::onFocusIn(const QString& control) {
    if (isField(control, kCabrilloFields)) fillPickList(control);
}

// ---------------------------------------------------------------------------------------
// Country entry.

void ReviewForm::countryEnter(const QString& field) {
    for (const char* f : {rc::TxtCountry, rc::TxtCont, rc::TxtCtyPfx, rc::TxtPfx})
        text(f) = text(f).toUpper();
    if (field == QLatin1String(rc::txtQRA)) return storeCountry();
    for (const auto& [from, to] : kEnterChain)
        if (field == QLatin1String(from)) return focusAtEnd(QLatin1String(to));
}

void ReviewForm::storeCountry() {
    text(rc::txtQRA) = text(rc::txtQRA).toUpper();
    store::CountryRow row;
    row.country = text(rc::TxtCountry).trimmed();
    row.cnt = text(rc::TxtCont).trimmed();
    row.ctyPfx = text(rc::TxtCtyPfx).trimmed();
    row.pfx = text(rc::TxtPfx).trimmed();
    row.itu = text(rc::TxtITU).trimmed();
    row.cq = text(rc::TxtCQ).trimmed();
    row.beam = text(rc::TxtBeam).trimmed().toInt();
    row.qraLoc = text(rc::txtQRA).trimmed();
    state_.LookupCountry = row.country;
    state_.LookupCnt = row.cnt;
    state_.LookupCtyPfx = row.ctyPfx;
    state_.LookupPfx = row.pfx;
    state_.LookupITU = row.itu;
    // The lookup finds one row per prefix: an empty or a known prefix is not taken.
    const auto refuse = [&](const QString& why) {
        ask(msg::kOkOnly | msg::kExclamation, why, QLatin1String(rt::kInsertTitle));
        focusAtEnd(QLatin1String(rc::TxtPfx));
    };
    if (row.pfx.isEmpty())
        return refuse(QStringLiteral("THE PREFIX (Pfx) IS EMPTY: NOTHING WAS INSERTED."));
    if (dbs_.ref.countryByPrefix(row.pfx))
        return refuse(QStringLiteral("THE PREFIX %1 IS ALREADY IN THE COUNTRY TABLE: NOTHING WAS "
                                     "INSERTED.")
                          .arg(row.pfx));
    if (ask(kYesNoQuestion, QLatin1String(rt::kInsertPrompt), QLatin1String(rt::kInsertTitle)) !=
        msg::kYes) {
        focusAtEnd(QLatin1String(rc::TxtCountry));
        return;
    }
    if (!dbs_.ref.addCountry(row)) {
        ask(msg::kOkOnly | msg::kExclamation,
            QStringLiteral("NOTHING WAS INSERTED: ") + dbs_.ref.lastError(),
            QLatin1String(rt::kInsertTitle));
        return;
    }
    ask(msg::kOkOnly | msg::kQuestion, QLatin1String(rt::kInsertedPrompt),
        QLatin1String(rt::kInsertedTitle));
    // The screen anew, on the country table with the new row selected.
    load();
    show(rc::Frame7, contest().countryPanel);
    showCountries();
    if (const auto stored = dbs_.ref.countryByPrefix(row.pfx))
        countrySelection_ = static_cast<int>(queries_.countryPosition(stored->id));
}

// ---------------------------------------------------------------------------------------
// The header panels.

bool ReviewForm::ensureLogFolder() {
    const review::FolderResult folder =
        review::ensureExportFolder(state_.DataDir, review::kLogFolder);
    if (!folder.error.isEmpty()) {
        notSaved(folder.error);
        return false;
    }
    if (folder.created)
        ask(msg::kOkOnly, review::folderCreatedMessage(state_.DataDir, review::kLogFolder),
            QString());
    return true;
}

void ReviewForm::openCabrillo() {
    clearPanels();
    hidePanels();
    if (!ensureLogFolder()) return;
    forms::Control& list = ctl(QLatin1String(rc::ListCbr));
    list.items.clear();
    list.listIndex = -1;
    list.visible = true;
    fileShown_ = false;
    listTakesPicks_ = false;
    outputTarget_ = OutputTarget::LogFolder;
    fileAsked_ = true;
    show(rc::FraLogCbr, true);
    text(rc::CmdGata) = QLatin1String(english() ? rt::kGataEnglish : rt::kGataRomanian);
    exportFormat_ = ExportFormat::Cabrillo;
    show(rc::CmdGata, true);
    text(rc::TxtCall) = state_.MyCall;
    rescore();
    text(rc::TxtScore) = QString::number(claimed().score());
    focusAtEnd(QLatin1String(rc::TxtCall));
}

void ReviewForm::openStf() {
    clearPanels();
    hidePanels();
    if (!ensureLogFolder()) return;
    show(rc::FraLogSTF, true);
    show(rc::ListCbr, false);
    fileShown_ = false;
    text(rc::CmdGata) = QLatin1String(english() ? rt::kGataEnglish : rt::kGataRomanian);
    show(rc::CmdGata, true);
    outputTarget_ = OutputTarget::LogFolder;
    fileAsked_ = true;
    exportFormat_ = ExportFormat::Stf;
    text(rc::TxtMyCall1) = state_.MyCall;
    rescore();
    const review::Totals t = claimed();
    text(rc::TxtContest1) = QLatin1String(contest().stfName) + state_.StartDateFmt.toString();
    text(rc::TxtClaimedQso1) = QString::number(t.qsos);
    text(rc::TxtClaimedPts1) = QString::number(t.points);
    text(rc::TxtClaimedMult1) = QString::number(t.mults);
    text(rc::TxtClaimedScore1) = QString::number(t.score());
    text(rc::TxtQsoOrder1) = QLatin1String(review::kStfQsoOrder);
    focusAtEnd(QLatin1String(rc::TxtCategory1));
}

void ReviewForm::fillPickList(const QString& field) {
    forms::Control& list = ctl(QLatin1String(rc::ListCbr));
    const auto fill = [&](const QStringList& lines, bool picks) {
        list.items = lines;
        list.listIndex = -1;
        listTakesPicks_ = picks;
        fileShown_ = false;
    };
    for (const PickList& p : kPickLists)
        if (field == QLatin1String(p.field)) {
            QStringList lines;
            for (const char* l : p.lines)
                lines << QLatin1String(l);
            activeChoice_ = p.active;
            return fill(lines, true);
        }
    const QString home = QLatin1String(contest().cabrilloHomePrefix);
    const bool homeStation = !home.isEmpty() && ownPrefix(text(rc::TxtCall)) == home;
    if (field == QLatin1String(rc::TxtCategOp)) {
        activeChoice_ = 6;
        return fill(homeStation
                        ? QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                      QStringLiteral("D"), QStringLiteral("CHECKLOG")}
                        : QStringList{QStringLiteral("SINGLE-OP"), QStringLiteral("MULTI-OP"),
                                      QStringLiteral("CHECKLOG")},
                    true);
    }
    if (field == QLatin1String(rc::TxtLoc)) {
        activeChoice_ = 17;
        if (home.isEmpty()) return fill({QStringLiteral("Se complecteaza manual ")}, false);
        return fill({homeStation ? QStringLiteral("Se complecteaza cu judetul propriu")
                                 : QLatin1String(kManualHint)},
                    false);
    }
    if (field == QLatin1String(rc::TxtOffTime))
        return fill({QStringLiteral("Se complecteaza manual timpul de pauza"),
                     QStringLiteral("FORMAT YYYY-MM-DD nnnn YYYY-MM-DD nnnn"),
                     QStringLiteral("Ex:2007-08-28 0300 2007-08-28 0730")},
                    false);
    for (const char* f : kHintFields)
        if (field == QLatin1String(f)) return fill({QLatin1String(kManualHint)}, false);
}

// A click on a pick-list line puts it into the field the list serves.
void ReviewForm::pick() {
    const forms::Control& list = ctl(QLatin1String(rc::ListCbr));
    if (!listTakesPicks_ || list.listIndex < 0 || list.listIndex >= list.items.size()) return;
    for (const PickList& p : kPickLists)
        if (p.active == activeChoice_) {
            text(p.field) = list.items.at(list.listIndex);
            return;
        }
    if (activeChoice_ == 6) text(rc::TxtCategOp) = list.items.at(list.listIndex);
}

review::CabrilloHeader ReviewForm::cabrilloHeader() {
    const auto v = [&](const char* name) { return text(name).trimmed(); };
    review::CabrilloHeader h;
    h.callsign = v(rc::TxtCall);
    h.assisted = v(rc::TxtCA);
    h.band = v(rc::TxtCategBand);
    h.mode = v(rc::TxtCategMode);
    h.operatorCategory = v(rc::TxtCategOp);
    h.power = v(rc::TxtPw);
    h.station = v(rc::TxtCategStat);
    h.time = v(rc::TxtCategT);
    h.transmitter = v(rc::TxtTransm);
    h.overlay = v(rc::TxtOverl);
    h.claimedScore = v(rc::TxtScore);
    h.club = v(rc::TxtClub);
    h.contest = v(rc::TxtContest);
    h.email = v(rc::TxtEmail);
    h.location = v(rc::TxtLoc);
    h.name = v(rc::TxtName);
    h.address1 = v(rc::TxtAdrs1);
    h.address2 = v(rc::TxtAdrs2);
    h.operators = v(rc::TxtOperat);
    h.offtime = v(rc::TxtOffTime);
    h.soapbox1 = v(rc::TxtSoap1);
    h.soapbox2 = v(rc::TxtSoap2);
    h.debug = v(rc::TxtDebug);
    return h;
}

review::StfHeader ReviewForm::stfHeader() {
    const auto v = [&](const char* name) { return text(name).trimmed(); };
    review::StfHeader h;
    h.contest = v(rc::TxtContest1);
    h.myCall = v(rc::TxtMyCall1);
    h.category = v(rc::TxtCategory1);
    h.mailAddress[0] = v(rc::TxtMailAdress1);
    h.mailAddress[1] = v(rc::TxtMailAdress2);
    h.mailAddress[2] = v(rc::TxtMailAdress3);
    h.mailAddress[3] = v(rc::TxtMailAdress4);
    h.email = v(rc::TxtEMail1);
    h.claimedQso = v(rc::TxtClaimedQso1);
    h.claimedPoints = v(rc::TxtClaimedPts1);
    h.claimedMultipliers = v(rc::TxtClaimedMult1);
    h.claimedScore = v(rc::TxtClaimedScore1);
    h.operators = v(rc::TxtOperators1);
    h.club = v(rc::TxtClub1);
    h.equipment = v(rc::TxtEquipment1);
    h.power = v(rc::TxtPower1);
    h.specific = v(rc::TxtSpecific1);
    h.soapbox = v(rc::TxtSoapBox1);
    h.qsoOrder = v(rc::TxtQsoOrder1);
    return h;
}

// CmdGata: the header is finished, confirmed and declared; then the file is written.
void ReviewForm::finishInput() {
    if (exportFormat_ == ExportFormat::Text) return finishStation();
    const char* panel = exportFormat_ == ExportFormat::Cabrillo ? rc::FraLogCbr : rc::FraLogSTF;
    show(rc::CmdGata, false);
    show(rc::ListCbr, false);
    if (ask(kYesNoQuestion, QLatin1String(english() ? rt::kFinishedEnglish : rt::kFinishedRomanian),
            QLatin1String(rt::kFinishedTitle)) != msg::kYes) {
        show(rc::CmdGata, true);
        return;
    }
    show(panel, false);
    if (ask(msg::kYesNo | msg::kExclamation,
            QLatin1String(english() ? rt::kDeclarationEnglish : rt::kDeclarationRomanian),
            QLatin1String(rt::kDeclarationTitle)) != msg::kYes) {
        ask(msg::kOkOnly | msg::kExclamation, QLatin1String(rt::kDeclarationRefused),
            QLatin1String(rt::kDeclarationTitle));
        show(panel, true);
        show(rc::CmdGata, true);
        return;
    }
    write();
}

void ReviewForm::write() {
    show(rc::Frame4, false);
    const review::FolderResult folder =
        review::ensureExportFolder(state_.DataDir, review::kLogFolder);
    if (!folder.error.isEmpty()) return notSaved(folder.error);
    if (outputTarget_ == OutputTarget::LogFolder) clearOldFiles(folder.path);
    const bool cabrillo = exportFormat_ == ExportFormat::Cabrillo;
    const QString path = childPath(
        folder.path,
        review::exportFileName(state_.MyCall, state_.ContestName, state_.StartDateFmt.toString(),
                               cabrillo ? QStringLiteral(".CBR") : QStringLiteral(".STF")));
    const int band = state_.Band;
    state_.Band = 100;
    review::PassResult result;
    if (cabrillo) {
        review::CabrilloWriter writer(cabrilloHeader(), {contest().cabrilloSentExchangeWidth,
                                                         contest().cabrilloRcvdExchangeWidth});
        result = review::exportToFile(queries_, writer, path);
    } else {
        review::StfWriter writer(stfHeader(), options_.stfSpecAddress);
        result = review::exportToFile(queries_, writer, path);
    }
    rescore();
    if (!result.ok) {
        state_.Band = band;
        return notSaved(result.error);
    }
    lastExportPath_ = path;
    showWrittenFile(path);
}

void ReviewForm::notSaved(const QString& why) {
    ask(msg::kOkOnly | msg::kExclamation, QLatin1String(rt::kNotSaved) + why,
        QLatin1String(rt::kSaveTitle));
    if (exportFormat_ == ExportFormat::Cabrillo) show(rc::FraLogCbr, true);
    if (exportFormat_ == ExportFormat::Stf) show(rc::FraLogSTF, true);
    if (exportFormat_ == ExportFormat::Text) show(rc::Frame6, true);
    show(rc::CmdGata, exportFormat_ != ExportFormat::None);
}

// The written file, line by line, in the pick list shown over the screen.
void ReviewForm::showWrittenFile(const QString& path) {
    forms::Control& list = ctl(QLatin1String(rc::ListCbr));
    list.items.clear();
    list.listIndex = -1;
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) {
        QTextStream in(&f);
        QString line;
        while (in.readLineInto(&line))
            list.items << line;
    }
    list.visible = true;
    fileShown_ = true;
    listTakesPicks_ = false;
}

// The station's earlier files cleared from the log folder; each that stays is said.
void ReviewForm::clearOldFiles(const QString& folder) {
    for (const QString& failed : review::clearStationFiles(folder, state_.MyCall))
        ask(msg::kOkOnly | msg::kExclamation,
            QStringLiteral("An old file could not be deleted: ") + failed,
            QLatin1String(rt::kSaveTitle));
}

// ---------------------------------------------------------------------------------------
// The station panel, the text log and the summary, the printouts.

// "Format TXT" (`file`) or the printed summary: the station panel, filled from the settings
// file where it holds them.
void ReviewForm::openStation(bool file) {
    if (file) {
        clearPanels();
        hidePanels();
        if (!ensureLogFolder()) return;
        outputTarget_ = OutputTarget::LogFolder;
    }
    fileAsked_ = file;
    text(rc::CmdGata) = QLatin1String(english() ? rt::kGataEnglish : rt::kGataRomanian);
    show(rc::CmdGata, true);
    show(rc::ListCbr, false);
    fileShown_ = false;
    exportFormat_ = ExportFormat::Text;
    SharedState saved = state_;
    if (readInitFile(saved, initFilePath(state_)).found) {
        for (QString SharedState::*value : kStationValues)
            if (value) state_.*value = saved.*value;
        state_.SummaryOperatorCount = saved.SummaryOperatorCount;
    }
    const review::StationValues values = review::stationValues(state_);
    for (std::size_t i = 0; i < values.size(); ++i)
        text(kStationFields[i].name) = values[i];
    show(rc::Frame6, true);
    focusAtEnd(QLatin1String(rc::TxtSection));
}

// The fields into the shared values. A missing or zero number of operators becomes 1 and
// keeps the focus; one that is not a number is refused. Nothing is taken then.
bool ReviewForm::takeStationFields() {
    const QString number = text(rc::TxtNo).trimmed();
    bool numeric = false;
    const int operators = number.toInt(&numeric);
    if (number.isEmpty() || (numeric && operators < 1)) {
        text(rc::TxtNo) = QStringLiteral("1");
        show(rc::CmdGata, true);
        focusAtEnd(QLatin1String(rc::TxtNo));
        return false;
    }
    if (!numeric || operators > 32767) {
        ask(msg::kOkOnly | msg::kExclamation,
            QStringLiteral("The number of operators must be a whole number from 1 to 32767, not "
                           "\"%1\".")
                .arg(number),
            QLatin1String(rt::kStationCaption));
        show(rc::CmdGata, true);
        focusAtEnd(QLatin1String(rc::TxtNo));
        return false;
    }
    for (std::size_t i = 0; i < std::size(kStationValues); ++i)
        if (kStationValues[i]) state_.*kStationValues[i] = text(kStationFields[i].name).trimmed();
    state_.SummaryOperatorCount = operators;
    return true;
}

// CmdGata on the station panel: the fields taken and confirmed, the settings file written,
// then the summary printed, or the declaration asked and the text log and summary written.
void ReviewForm::finishStation() {
    show(rc::CmdGata, false);
    show(rc::ListCbr, false);
    if (!takeStationFields()) return;
    if (ask(kYesNoQuestion, QLatin1String(english() ? rt::kFinishedEnglish : rt::kFinishedRomanian),
            QLatin1String(rt::kFinishedTitle)) != msg::kYes) {
        show(rc::CmdGata, true);
        return;
    }
    const SettingsWriteResult saved = writeInitFile(state_, initFilePath(state_));
    if (!saved.ok)
        ask(msg::kOkOnly | msg::kExclamation,
            QStringLiteral("The station data was not saved: ") + saved.error,
            QLatin1String(rt::kStationCaption));
    show(rc::Frame6, false);
    if (!fileAsked_) return printSummary();
    if (ask(msg::kYesNo | msg::kExclamation,
            QLatin1String(english() ? rt::kDeclarationEnglish : rt::kDeclarationRomanian),
            QLatin1String(rt::kDeclarationTitle)) != msg::kYes) {
        ask(msg::kOkOnly | msg::kExclamation, QLatin1String(rt::kDeclarationRefused),
            QLatin1String(rt::kDeclarationTitle));
        show(rc::Frame6, true);
        show(rc::CmdGata, true);
        return;
    }
    writeTextLog();
}

// The totals formed at the end of an export pass, from the log recounted.
review::Totals ReviewForm::passTotals() {
    rescore();
    return review::exportPassTotals(tallies_, contest());
}

review::SummarySheet ReviewForm::summarySheet(const char* title) {
    rescore();
    review::SummarySheet sheet;
    sheet.myCall = state_.MyCall;
    sheet.title = QLatin1String(title);
    sheet.date = state_.StartDateFmt.toString();
    sheet.station = review::stationValues(state_);
    sheet.tallies = tallies_;
    sheet.claimed = claimed();
    sheet.with160 = contest().summary160;
    return sheet;
}

// The text log through the export pass, then the summary file beside it.
void ReviewForm::writeTextLog() {
    show(rc::Frame4, false);
    const review::FolderResult folder =
        review::ensureExportFolder(state_.DataDir, review::kLogFolder);
    if (!folder.error.isEmpty()) return notSaved(folder.error);
    clearOldFiles(folder.path);
    const ContestExports& c = contest();
    const QString date = state_.StartDateFmt.toString();
    const QString path =
        childPath(folder.path, review::textLogFileName(state_.MyCall, state_.ContestName, date,
                                                       c.textLogNamedByBand));
    const int band = state_.Band;
    state_.Band = 100;
    review::TextLogWriter writer(state_.MyCall, text(rc::TxtContest), c.textLogBandColumn,
                                 c.textPointsGap, [this] { return passTotals(); });
    const review::PassResult result = review::exportToFile(queries_, writer, path);
    if (!result.ok) {
        state_.Band = band;
        return notSaved(result.error);
    }
    const QString summaryPath =
        childPath(folder.path, review::exportFileName(state_.MyCall, state_.ContestName, date,
                                                      QStringLiteral(".txt")));
    const QString error = review::writeLinesToFile(
        review::summaryFileLines(summarySheet(c.summaryFileTitle)), summaryPath);
    if (!error.isEmpty()) return notSaved(error);
    lastExportPath_ = path;
    if (onTextLogWritten) onTextLogWritten(path);
}

// A print option of the print panel: the whole log printed after the printer question.
void ReviewForm::printLog() {
    if (confirmState_ == 10 && ask(kYesNoQuestion, QLatin1String(rt::kPrinterPrompt),
                                   QLatin1String(rt::kPrinterTitle)) != msg::kYes) {
        confirmState_ = 25;
        clearPanels();
        return;
    }
    if (confirmState_ == 25) return;
    const ContestExports& c = contest();
    const QVariant& when = c.printedLogHeadTime ? state_.StartTimeFmt : state_.StartDateFmt;
    state_.Band = 100;
    review::PrintedLogWriter writer(QLatin1String(c.printedLogTitle) + when.toString() +
                                        QLatin1Char(' ') + state_.MyCall +
                                        QStringLiteral(" - LOG GENERAL"),
                                    [this] { return passTotals(); });
    QBuffer none;
    none.open(QIODevice::WriteOnly);
    const review::PassResult result = review::runExportPass(queries_, writer, none);
    if (!result.ok) {
        ask(msg::kOkOnly | msg::kExclamation,
            QStringLiteral("NOTHING WAS PRINTED. ") + result.error,
            QLatin1String(rt::kPrinterTitle));
        return;
    }
    printed(writer.document(),
            review::textLogFileName(state_.MyCall, state_.ContestName,
                                    state_.StartDateFmt.toString(), c.textLogNamedByBand,
                                    QStringLiteral(".pdf")));
}

void ReviewForm::printSummary() {
    printed(review::printedSummary(summarySheet(contest().printedSummaryTitle)),
            review::exportFileName(state_.MyCall, state_.ContestName,
                                   state_.StartDateFmt.toString(), QStringLiteral(".pdf")));
}

// The document on the printer, or in the log folder as `pdfName` when there is no printer;
// where it went is said when it is a file, and why when it went nowhere.
bool ReviewForm::printed(const review::PrintedDocument& document, const QString& pdfName) {
    const auto failed = [&](const QString& why) {
        ask(msg::kOkOnly | msg::kExclamation, QStringLiteral("NOTHING WAS PRINTED. ") + why,
            QLatin1String(rt::kPrinterTitle));
        return false;
    };
    if (!options_.printer) return failed(QStringLiteral("No printer is set up."));
    const review::FolderResult folder =
        review::ensureExportFolder(state_.DataDir, review::kLogFolder);
    if (!folder.error.isEmpty()) return failed(folder.error);
    const review::PrintResult r =
        options_.printer->print(document, childPath(folder.path, pdfName));
    if (!r.ok) return failed(r.error);
    if (r.toPdf)
        ask(msg::kOkOnly | msg::kInformation,
            QStringLiteral("The printout was written to the PDF file ") + r.where,
            QLatin1String(rt::kPrinterTitle));
    return true;
}

// ---------------------------------------------------------------------------------------
// The archive panel.

void ReviewForm::openArchive() {
    clearPanels();
    hidePanels();
    const review::FolderResult folder =
        review::ensureExportFolder(state_.DataDir, review::kArchiveFolder);
    if (!folder.error.isEmpty()) {
        ask(msg::kOkOnly | msg::kExclamation, folder.error, QLatin1String(rt::kArchiveCaption));
        return;
    }
    if (folder.created)
        ask(msg::kOkOnly, review::folderCreatedMessage(state_.DataDir, review::kArchiveFolder),
            QString());
    show(rc::FraArh, true);
    show(rc::ListCbr, false);
    show(rc::CmdGata, false);
    fileShown_ = false;
    outputTarget_ = OutputTarget::ArchiveFolder;
    exportFormat_ = ExportFormat::Text;
    listArchive();
    focusAtEnd(QLatin1String(rc::TxtNameDat));
}

// The field's text is the archive name; a typed ".TXT" or ".ADI" (either case) is taken off
// the name and the field and sets the kind the delete button goes by.
void ReviewForm::archiveNameChanged() {
    forms::Control& field = ctl(QLatin1String(rc::TxtNameDat));
    const QString end = field.text.right(4);
    int kind = 0;
    if (end == QLatin1String(".TXT") || end == QLatin1String(".txt")) kind = 50;
    if (end == QLatin1String(".ADI") || end == QLatin1String(".adi")) kind = 60;
    if (kind != 0) {
        typedKind_ = kind;
        field.text.chop(4);
        field.selStart = std::min(field.selStart, static_cast<int>(field.text.size()));
        field.selLength = 0;
    }
    archiveName_ = field.text;
}

// A name is a bare file name of the archive folder: no folder, no way out of it.
bool ReviewForm::archiveNameUsable(const QString& name, const QString& title) {
    if (name.isEmpty()) {
        ask(msg::kOkOnly, QLatin1String(rt::kNameMissing), QString());
        focusAtEnd(QLatin1String(rc::TxtNameDat));
        return false;
    }
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1String("..")) || name.contains(QLatin1Char(':')) ||
        QDir::isAbsolutePath(name)) {
        ask(msg::kOkOnly | msg::kExclamation,
            QStringLiteral("\"%1\" is not a file name of the archive folder: type the name "
                           "alone, without \"/\", \"\\\", \"..\" or a drive.")
                .arg(name),
            title);
        focusAtEnd(QLatin1String(rc::TxtNameDat));
        return false;
    }
    return true;
}

void ReviewForm::saveArchive(int kind) {
    archiveKind_ = kind;
    const QString name = archiveName_.trimmed();
    if (!archiveNameUsable(name, QLatin1String(rt::kArchiveCaption))) return;
    const review::FolderResult folder =
        review::ensureExportFolder(state_.DataDir, review::kArchiveFolder);
    const auto failed = [&](const QString& why) {
        ask(msg::kOkOnly | msg::kExclamation, QLatin1String(rt::kNotSaved) + why,
            QLatin1String(rt::kArchiveCaption));
    };
    if (!folder.error.isEmpty()) return failed(folder.error);
    const bool adif = kind == 60;
    const QString path =
        childPath(folder.path, name + (adif ? QStringLiteral(".adi") : QStringLiteral(".txt")));
    review::PassResult result;
    if (adif) {
        review::AdifWriter writer(
            archiveName_, review::adifComment(state_.ContestCode, state_.StartDateFmt.toString()));
        result = review::exportToFile(queries_, writer, path);
    } else {
        review::TextArchiveWriter writer(state_.MyCall, text(rc::TxtContest),
                                         contest().textPointsGap);
        result = review::exportToFile(queries_, writer, path);
    }
    if (!result.ok) return failed(result.error);
    lastExportPath_ = path;
    closeArchive();
}

void ReviewForm::deleteArchive() {
    const QString name = text(rc::TxtNameDat).trimmed();
    if (!archiveNameUsable(name, QLatin1String(rt::kArchiveDeleteTitle))) return;
    if (ask(kYesNoQuestion | msg::kDefault2,
            QLatin1String(rt::kArchiveDeletePrompt) + name + QStringLiteral(" ?"),
            QLatin1String(rt::kArchiveDeleteTitle)) != msg::kYes)
        return;
    // Without a kind typed with a name nothing is deleted.
    if (typedKind_ == 50 || typedKind_ == 60) {
        const QString folder = review::exportFolder(state_.DataDir, review::kArchiveFolder);
        const QString path = childPath(
            folder, name + (typedKind_ == 60 ? QStringLiteral(".adi") : QStringLiteral(".txt")));
        QFile file(path);
        if (!file.exists()) {
            ask(msg::kOkOnly | msg::kExclamation,
                QStringLiteral("Nothing was deleted: there is no file %1.").arg(path),
                QLatin1String(rt::kArchiveDeleteTitle));
        } else if (!file.remove()) {
            ask(msg::kOkOnly | msg::kExclamation,
                QStringLiteral("Nothing was deleted: %1: %2").arg(path, file.errorString()),
                QLatin1String(rt::kArchiveDeleteTitle));
        }
    }
    listArchive();
    text(rc::TxtNameDat).clear();
    archiveNameChanged();
}

// The archive folder's files, by name.
void ReviewForm::listArchive() {
    forms::Control& files = ctl(QLatin1String(rc::FilList));
    files.items = QDir(review::exportFolder(state_.DataDir, review::kArchiveFolder))
                      .entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    files.listIndex = -1;
    files.visible = true;
}

// After a save: the new file listed, the panel hidden, the name emptied.
void ReviewForm::closeArchive() {
    listArchive();
    show(rc::FraArh, false);
    text(rc::TxtNameDat).clear();
    archiveNameChanged();
}

} // namespace korvel
