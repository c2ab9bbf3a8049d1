#pragma once
// The setup screen ("Init") as a form model: the own station, the operating options, the CW
// message texts and the small wizard of language, contest and CONCURS/SIMULATOR mode. It
// loads in a fixed order each time it opens (program start, or back from the desk), looks
// the own call up in the country table, and leaves for the desk through START-CONTEST
// (setup/start_contest.h).
//
// Everything outside the model comes in through SetupPlatform and the callbacks, so that
// tests and the replay command drive it without a display.

#include "core/contest_catalogue.h"
#include "core/recorded_ask.h"
#include "core/shared_state.h"
#include "forms/form_model.h"
#include "forms/message_box.h"
#include "setup/setup_controls.h"
#include "store/reference_data.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace korvel {

class DeskForm;

inline constexpr int kExitStyle = 292; // Yes/No, question icon, No the default

// Fixed texts of the setup screen.
namespace setup_text {
inline constexpr const char* kTitle = "BEFORE START PLEASE FILL THIS PAGE ";
inline constexpr const char* kPleaseYourCall = "PLEASE YOUR CALL";
inline constexpr const char* kNoConnection = "Keine Verbindung zum Server !";
inline constexpr const char* kCountyCaption = "MY COUNTY";
inline constexpr const char* kDokCaption = "     MY DOK";
inline constexpr const char* kDistrictCaption = "     MY DISTRICT";
inline constexpr const char* kItuCaption = "     MY ITU";
inline constexpr const char* kControlNrCaption = "CONTROL NR";
inline constexpr const char* kConstantCaption = "         CONTROL";
inline constexpr const char* kZoneItu = "   ZONE ITU";
inline constexpr const char* kZoneCq = "   ZONE CQ";
inline constexpr const char* kVoiceFolder = "WAVDx";
} // namespace setup_text

// What the setup screen asks of the machine it runs on.
struct SetupPlatform {
    int screenWidthPx = 1024;
    int screenHeightPx = 768;
    int audioOutputs = 0; // wave-output devices
    // Whether a program to show web pages exists; the answer changes nothing but is asked
    // at the documented point of the load.
    std::function<bool()> browserAvailable;
    // Local date and time (UTC = local time minus TimeOffset hours).
    std::function<QDateTime()> localNow;
    bool autoStart = false; // the command-line argument AUTO
};

class SetupForm : public forms::FormModel {
public:
    // `desk` is the QSO desk the start of a contest hands over to; it exists (hidden) while
    // the setup screen is open. Without one the desk's side is skipped.
    SetupForm(SharedState& state, store::Databases& dbs, forms::MessageBox& box,
              DeskForm* desk = nullptr, SetupPlatform platform = {});

    // Runs the load. Returns the exit status when the program must end at once (a database
    // that cannot be opened with AUTO, or Cancel on the question), else nullopt.
    std::optional<int> load();

    // Called at the point of the load where the window is shown.
    std::function<void()> onShow;
    // EXIT confirmed: the databases are closed.
    std::function<void()> onExit;
    // START-CONTEST passed its checks and opened the desk: the setup screen is left.
    std::function<void()> onContestStarted;
    // LOG with a contest chosen: the review screen opens.
    std::function<void()> onLog;
    // A help entry: the language (100 or 1000) and the context number.
    std::function<void(HelpLanguage language, int context)> onHelp;

    bool exitConfirmed() const { return exitConfirmed_; }
    // The resolution notice for a screen size the layouts were not drawn for; empty
    // otherwise, and on every load but the first of a run.
    const QString& resolutionNotice() const { return resolutionNotice_; }
    // The help file the chosen language registered (empty before a choice).
    const QString& helpFile() const { return helpFile_; }
    // The controls inside a frame, in their order (empty for other controls).
    const std::vector<QString>& frameChildren(const QString& frame) const;

    // For the start of a contest (setup/start_contest.cpp).
    SharedState& state() { return state_; }
    DeskForm* desk() { return desk_; }
    QDateTime localNow() const;
    // Back from the desk: some handlers skip their focus moves and the cluster warning.
    bool returning() const { return state_.SetupDone == Flag::On; }
    // A message without icon, OK only.
    // Shows a message and returns the answer.
    int notify(const QString& prompt, int style = forms::msg::kOkOnly);
    // Sets an option or a check box as code does: its handler runs when the value changes.
    void setChecked(const QString& name, bool checked);
    // The field shows and hides together with its frame.
    void showFrame(setup_ctl::Name frame, bool visible);

    // The own prefix lookup of the whole call in LookupCall (longest stored prefix).
    void ownPrefixLookup();

protected:
    void onKeyDown(const QString& control, forms::KeyEvent& e) override;
    void onKeyPress(const QString& control, int& ascii) override;
    void onClick(const QString& control) override;

private:
    void buildControls();
    forms::Control& c(setup_ctl::Name name) { return ctl(name); }
    QString& text(setup_ctl::Name name) { return ctl(name).text; }
    void show(setup_ctl::Name name, bool visible) { ctl(name).visible = visible; }

    // Load steps.
    void layoutFromScreen();
    void showTitleAndStartTimes();
    void offerDxCluster();
    void takeFirstOpeningDefaults();
    void restoreEarlierChoices();
    void readCwMessages();
    void soundCheck();
    void fillStationFields();
    void restoreExchangePrompt();
    std::optional<int> openDatabases();
    void lookupOwnCallAtLoad();

    // The wizard.
    void chooseLanguage(bool english);
    void chooseContest(const ContestInfo& contest);
    void chooseMode(bool concurs);
    void showExchangeField(bool visible);

    // Own call.
    bool takeOwnCall();
    void ownCallAnalysis();
    void ownCallPrompt();
    void ownLearnedLookup(bool dok);
    bool cqZone() const;
    void zoneToField();

    // Keys.
    bool takesSpaceAdvance(const QString& control) const;
    void fieldAction(const QString& control);
    void tabTo(const QString& from, bool back);
    bool reachable(const QString& control) const;
    // The option buttons and check boxes at the keyboard: Tab stops at each (once in the
    // contest list), the arrow keys move within their frame, Enter and Space choose.
    bool isChoice(const QString& control) const;
    void choiceKey(const QString& control, forms::KeyEvent& e);
    void stepInFrame(const QString& control, int step);

    // Options and check boxes.
    void optionHandler(const QString& name);
    void checkHandler(const QString& name);
    void selectOption(const QString& name);
    void prepareVoiceFolder();
    void dxClusterClicked();
    void helpEntry(const QString& menu);
    void exitProgram();

    SharedState& state_;
    store::Databases& dbs_;
    forms::MessageBox& box_;
    DeskForm* desk_;
    SetupPlatform platform_;
    int spaceAdvance_ = 0; // 100 while the last key pressed down was the space bar
    bool exitConfirmed_ = false;
    QString resolutionNotice_;
    QString helpFile_;
};

} // namespace korvel
