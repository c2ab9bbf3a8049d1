#pragma once
// The QSO entry desk as a form model: its controls, the keyboard flow of logging, the
// call analysis, duplicates, multipliers, points and the commit of a QSO. The window
// only mirrors it; tests and the replay command drive it by keys.
//
// The work is split over several files by concern:
//   desk_form.cpp      controls, opening, bands and modes, tallies, clearing, undo
//   desk_keys.cpp      the key map of every field, completeness check, time and date
//   desk_analysis.cpp  call analysis, country, exchange prefills, admission, pick lists
//   desk_scoring.cpp   duplicates, multipliers, band marks, points
//   desk_commit.cpp    storing a QSO, serial numbers, deleting, taking a QSO back

#include "core/recorded_ask.h"
#include "core/shared_state.h"
#include "desk/band_map.h"
#include "desk/desk_controls.h"
#include "desk/desk_spot_judge.h"
#include "desk/message_keys.h"
#include "desk/rate_meter.h"
#include "desk/super_check.h"
#include "forms/form_model.h"
#include "forms/message_box.h"
#include "platform/clock.h"
#include "review/rescoring.h"
#include "scoring/contest.h"
#include "scoring/geo.h"
#include "store/reference_data.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <iterator>
#include <optional>
#include <vector>

namespace korvel {

// Fixed texts of the desk.
namespace desk_text {
inline constexpr const char* kNotFound = " NOT FIND IN COUNTRY DATABASE!!";
inline constexpr const char* kNotAllowed = "THIS QSO IS NOT ALLOWED BY THE CONTEST RULES !";
inline constexpr const char* kIncomplete = "Date incomplete. Nu se poate loga!!";
inline constexpr const char* kBadTime = "ORA INCORECT INTRODUSA . INTRODUCETI ORA CORECT !";
inline constexpr const char* kBadDate = "DATA INCORECT INTRODUSA . INTRODUCETI DATA CORECT !";
inline constexpr const char* kDeletePrompt = "DO YOU WANT TO DELETE ?";
inline constexpr const char* kDeleteTitle = "DELETE?";
inline constexpr const char* kSelectModeBand = "Select MODE AND BAND";
inline constexpr const char* kKeySummary = "SPACE=Go to Nr Rcvd TAB=Go to each field ESC=Abort TX  "
                                           "ENTER/F12=Save QSO F1-F11 CW messages";
// The band keys, added to the key summary.
inline constexpr const char* kBandKeys = "  CTRL+LEFT/RIGHT=Band -/+ CTRL+F1-F6=10-160m";
} // namespace desk_text

// Where the QSO on the desk stands with the dupe check and the admission rules.
enum class DupeState {
    None,     // no dupe (or not checked yet)
    Refused,  // a dupe, or refused by the contest's rules
    Answered, // a dupe whose answer ("CALL QSO B4") has been sent
};

// What the call field's colour shows.
enum class CallMark {
    Typed,    // yellow: typed, not analysed
    Accepted, // green: analysed, no dupe
    Refused,  // red: a dupe or refused
};

class DeskForm : public forms::FormModel {
public:
    // Rows the log grid holds at most: the band's latest QSOs, or the first matches of a
    // partial call.
    static constexpr int kGridRows = 100;

    DeskForm(SharedState& state, store::Databases& dbs, forms::MessageBox& box, const Clock& clock,
             MessageKeys& keys);

    // Prepares the desk for the contest in the shared state: the own station, the sent
    // exchange and serial label, the contest label (what the start of a contest hands over).
    void handOver();
    // Opens the desk: clears pending states, shows the notice until a band and mode are
    // chosen, loads the message texts and, when coming back, switches the mode on again.
    void open();

    // What the setup screen and the start of a contest show on the desk.
    void showContestCaption(const QString& caption);
    void showStartDateTime(const QString& date, const QString& time);
    // Live operation: the date and time fields show the desk's UTC clock.
    void showClockDateTime();
    // The F1 text is green while a message repeats by itself, yellow otherwise.
    void colourRepeatKey(bool repeat);
    // Hides the pause field of the CW (or voice) repeat.
    void hideRepeatPause(bool voice);
    void showOffLine();
    void hideLogGrid();
    // "CW" or "SSB" as the mode buttons choose it; any other text chooses nothing.
    void chooseMode(const QString& mode);

    // The band and mode buttons.
    void switchBand(int band);
    void switchToCw();
    void switchToSsb();
    // A band and a mode are chosen: the entry takes keys. Before, a key shows "Select MODE
    // AND BAND" in the error line; the call field has the focus as soon as both are chosen.
    bool entryReady() const;
    void keyBeforeModeAndBand();
    // The band keys (Ctrl+F1..F6, Ctrl+Left/Right) as clicks on the band buttons.
    bool bandKey(forms::KeyEvent& e);
    // A key the window got outside the desk's fields (none of them had the focus).
    void keyOutsideFields(forms::KeyEvent e);

    // The rows the log grid shows (the current band, or the partial-call matches).
    const std::vector<store::QsoRow>& gridRows() const { return gridRows_; }
    // Selects a grid row by its ID (a click in the grid) and deletes it after asking.
    void selectGridRow(std::int64_t id) { gridCurrent_ = id; }
    void deleteSelectedQso();

    // Desk state that the keying and the tests look at.
    DupeState dupeState() const { return dupeState_; }
    void setDupeState(DupeState v) { dupeState_ = v; }
    // The call is shown red: a dupe or a refused QSO, stored without points.
    bool callRefused() const { return callMark_ == CallMark::Refused; }
    bool entryComplete() const { return entryComplete_; }
    void setEntryComplete(bool on) { entryComplete_ = on; }
    // The message being sent holds "#8": the QSO is logged together with it.
    bool logOnSend() const { return logOnSend_; }
    void setLogOnSend(bool on) { logOnSend_ = on; }
    // The CW speed in words per minute, shown in LblWPM; 30 when the desk opens.
    double cwSpeed() const { return cwSpeed_; }
    void setCwSpeed(double wpm) {
        cwSpeed_ = wpm;
        ctl(desk_ctl::LblWPM).text = QString::number(wpm);
    }
    const QString& lastLoggedText() const { return lastLoggedText_; }
    int beamHeading() const { return beam_; } // -1 while there is none
    std::optional<std::int64_t> correcting() const { return reloadId_; }

    // What the message keys read and show.
    QString messageText(int key) const; // the text of message key 1..11
    QString sentExchange() const;
    QString receivedExchange() const;
    // The entry fields a QSO is stored from, in the order of desk_ctl::kEntryFields.
    std::array<QString, std::size(desk_ctl::kEntryFields)> entryTexts() const;
    // The weighting option of the CW elements: 50, 62 or 75 (per cent), 0 for none.
    int cwWeighting() const;
    void clearKeyedText();
    void addKeyedCharacter(QChar ch);
    QString pauseText(bool voice) const;
    void colourPause(bool voice, forms::Rgb back);
    void lightMessageKey(int key, bool sending); // key 1..11
    void showError(const QString& text);
    // Whether the last read of the log went through; when not, the error line says so.
    bool logReadOk();
    // Adds (+1) or takes back (-1) one stored QSO in the band tallies.
    void tallyQso(const store::QsoRow& q, int sign);

    // Operations the message keys use.
    void analyseCall();
    void checkDupe();
    void detectMultiplier();
    bool checkEntry();
    void finishExchange();
    void padSerial();
    void commitQso();
    void focusCall();
    void focusExchange();
    void refreshLogGrid();
    QString trimmedCall() const;

    // The window title: "CONTEST MODE", the UTC date and time, and a credit; the gaps
    // are narrower on a small screen (horizontal scale below 1).
    static QString clockTitle(const QDateTime& utc, float scaleX);
    const QString& title() const { return title_; }

    // Leaving the desk: the first-page menu and a confirmed EXIT.
    std::function<void()> onReturnToSetup;
    std::function<void()> onExit;

    // The station around the desk (desk_station.cpp): the radio, the band map of the DX
    // spots and the cluster console. Each stays hidden and idle until the program feeds it.
    void showStation(bool radio, bool cluster);
    // A reading of the radio. A frequency in another contest band chooses that band as its
    // button does, CW/CWR and USB/LSB choose the mode as the mode buttons do; outside the
    // contest bands the desk keeps its band and shows the frequency red (LblFreq).
    void followRadio(std::int64_t hz, const QString& mode);
    // The radio stopped answering: said in the error line; no frequency is logged meanwhile.
    void radioLost(const QString& reason);
    std::optional<std::int64_t> radioHz() const { return radioHz_; }
    // The frequency a QSO stored now is logged with (kHz): the radio's, when it is read and
    // lies in the desk's band.
    std::optional<std::int64_t> loggedKHz() const;
    // A call into the call field as if typed (a double click in the band map).
    void typeCall(const QString& call);
    // A line from the cluster node: into the console, and onto the band map when a spot.
    void clusterLine(const QString& line, const QDateTime& utc);
    void expireSpots(const QDateTime& utc);
    void setSpotMinutes(int minutes);
    const cluster::BandMap& bandMap() const { return bandMap_; }
    // Tunes the radio to a spot picked on the band map (set while rig control is on).
    std::function<void(std::int64_t hz)> onTune;
    // A command line typed in the console, for the node.
    std::function<void(const QString& command)> onClusterCommand;

    // Beside the tallies (desk_figures.cpp): the claimed score as the review screen counts
    // it from the same tallies, and the rate at the clock's time.
    review::Totals claimedScore() const;
    RateMeter::Figures rateFigures() const;
    // The super check partial list, read when the desk opens: MASTER.SCP of the data folder,
    // else of this folder.
    QString superCheckSystemFolder = QLatin1String(SuperCheck::kSystemFolder);
    const SuperCheck& superCheck() const { return superCheck_; }

protected:
    void onKeyDown(const QString& control, forms::KeyEvent& e) override;
    void onKeyPress(const QString& control, int& ascii) override;
    void onKeyUp(const QString& control, const forms::KeyEvent& e) override;
    void onClick(const QString& control) override;
    void onDblClick(const QString& control) override;
    void onFocusIn(const QString& control) override;
    void onFocusOut(const QString& control) override;
    void onTimer() override;

private:
    // Controls.
    void buildControls();
    QString& text(desk_ctl::Name name) { return ctl(name).text; }
    QString text(desk_ctl::Name name) const { return ctl(name).text; }
    forms::Control& c(desk_ctl::Name name) { return ctl(name); }
    void show(desk_ctl::Name name, bool visible) { ctl(name).visible = visible; }
    void enable(desk_ctl::Name name, bool enabled) { ctl(name).enabled = enabled; }
    void cursorToEnd(desk_ctl::Name name);

    // Bands, modes, tallies.
    void switchMode(bool cw);
    void colourBandLabels();
    void colourModeLabels();
    void showTallies();
    void showOtherBandTallies(bool visible);
    void recountTallies();
    void prepareSentExchange();
    void enableEntryFields(bool on);
    void readyForEntry();

    // Keys.
    void keyDownCall(forms::KeyEvent& e);
    void keyDownReceivedExchange(forms::KeyEvent& e);
    void keyDownReceivedReport(forms::KeyEvent& e);
    void keyDownSent(const QString& control, forms::KeyEvent& e);
    bool messageKey(const QString& control, forms::KeyEvent& e);
    bool offLineDateTimeKey(const QString& control, const forms::KeyEvent& e);
    void keyDownTimeDate(const QString& control, forms::KeyEvent& e);
    static int maxLength(const QString& control);
    bool roomFor(const QString& control) const;
    void keyPressTime(int& ascii);
    void keyPressDate(int& ascii);
    bool validateTime();
    bool validateDate();
    void loggingSequence(bool finishFirst);
    // A call typed or edited since the last analysis is analysed as Space would; true when
    // the QSO may be stored (admitted, no dupe, every field filled).
    bool analyseChangedCall();
    void finishFromExchangeField();
    void partialCallLookup();
    void refreshOwnLabels();

    // The running contest.
    const scoring::Contest& contest() const;

    // Analysis.
    void startNewCall(const QString& call);
    void takeNowForLiveQso();
    void findCountry(const QString& call);
    void enableStoreForAnalysedCall();
    void moveCursorToExchange();
    bool admitted(const QString& call);
    void rejectQso();
    std::optional<store::LearnedTable> learnedTable() const;
    void lookupLearned();
    void lookupSociety();
    void fillPickList(const QStringList& entries);
    void pickListChosen();
    void list2Chosen();
    void offLinePrefill();
    void showBeam();
    void exchangeListStep(const QStringList& entries);

    // Scoring.
    bool newMark(const QString& key, bool perBand = true, bool perMode = false,
                 bool second = false);
    void markBandMultipliers();
    void computePoints();

    // Storing.
    QString takeDateTimeAndCall();
    void resetBandButtons();
    void learnUnknownExchange(const QString& call);
    void stampDateTime();
    bool storeQso(); // false when the log did not take the QSO
    void prepareNextQso();
    void nextSerial();
    void serialStart();
    void reloadLastQso();
    void clearDesk();
    void abort();
    void undo();

    SharedState& s_;
    store::Databases& dbs_;
    forms::MessageBox& box_;
    const Clock& clock_;
    MessageKeys& keys_;

    // Desk flags (100 set, 0 clear unless noted).
    bool spaceAdvance_ = false;
    bool entryComplete_ = false;
    bool logOnSend_ = false;
    double cwSpeed_ = 30;
    DupeState dupeState_ = DupeState::None;
    CallMark callMark_ = CallMark::Typed;
    void markCall(CallMark mark);
    bool keepExchange_ = false;    // a taken-back QSO keeps its exchange through re-analysis
    bool typedExchange_ = false;   // the operator typed the received exchange of this QSO
    bool learnExchange_ = false;   // the learned table did not know the call's exchange
    bool societyExchange_ = false; // IARU-HF: the received exchange is a society
    bool rejected_ = false;        // the analysis under way refused the QSO
    bool countryFound_ = false;    // the country table knows the analysed call
    bool opened_ = false;
    QString lastLoggedText_;
    QString analysedCall_;
    QString contestMemo_; // see scoring::ContestDesk::memo
    QString workedLocator_;
    QString nowDate_, nowTime_;
    bool workedPortable_ = false, workedFixed_ = false, ownFixed_ = false;
    int beam_ = -1; // no heading before a call is analysed

    // One level of undo after Abort.
    struct Snapshot {
        std::vector<std::pair<QString, QString>> texts;
        QStringList listItems;
        bool listVisible = false;
        int listIndex = -1;
        bool neu = false, enterEnabled = false, frame2 = true, frame3 = false, anunt = false;
        CallMark callMark = CallMark::Typed; // a refused call is stored without points
        DupeState dupeState = DupeState::None;
    };
    std::optional<Snapshot> undo_;

    // A QSO taken back for correction (Alt+F2): it stays in the log until the corrected
    // QSO replaces it.
    std::optional<std::int64_t> reloadId_;
    QString serialBeforeReload_, raportBeforeReload_;

    QString title_ = QStringLiteral("CONTEST MODE");
    std::vector<store::QsoRow> gridRows_;
    std::int64_t gridCurrent_ = 0;

    // The desk as the running contest's rules see it.
    class ContestView final : public scoring::ContestDesk {
    public:
        explicit ContestView(DeskForm& desk) : d_(desk) {}
        SharedState& state() override;
        QString call() const override;
        QString exchange() const override;
        void setExchange(const QString& text) override;
        void setSentExchange(const QString& text) override;
        QString shownPrefix() const override;
        bool live() const override;
        bool refused() const override;
        bool isNewMark(const QString& key, bool perBand, bool perMode, bool second) override;
        void showNew() override;
        void detectMultiplier() override;
        void exchangeListStep(const QStringList& entries) override;
        void fillPickList(const QStringList& entries) override;
        void hidePickList() override;
        void offerSubEntities(const QStringList& prefixes) override;
        void lookupLearned() override;
        void lookupSociety() override;
        std::optional<QString> societyOfCall(const QString& call) override;
        std::optional<QString> oblastOfArea(const QString& area) override;
        void focusCall() override;
        void focusExchangeAtEnd() override;
        void cursorToExchangeEnd() override;
        void enableStore(bool on) override;
        void offLinePrefill() override;
        QString& memo() override;

    private:
        DeskForm& d_;
    };
    ContestView contestView_{*this};

    // The station around the desk (desk_station.cpp).
    void buildStationControls();
    void stationQsoStored();
    void stationQsoDeleted(std::int64_t id);
    void refreshBandMap();
    bool stationDblClick(const QString& control);
    bool stationKeyDown(const QString& control, forms::KeyEvent& e);
    std::optional<std::int64_t> radioHz_;
    QString radioProblem_; // the radio's last message in the error line
    QString bandMapMode_;
    cluster::SpotStore spots_;
    DeskSpotJudge spotJudge_{s_, dbs_};
    cluster::BandMap bandMap_{spotJudge_};

    // Score, rate, next serial and super check partial (desk_figures.cpp).
    void buildFigureControls();
    void loadSuperCheck();
    void showFigures();
    void forgetLoggedCalls();
    void tickFigures();
    void showNextSerial();
    void superCheckLookup();
    void takeSuperCheckCall(int index);
    bool superCheckKeyDown(const QString& control, forms::KeyEvent& e);
    bool superCheckDblClick(const QString& control);
    SuperCheck superCheck_;
    RateMeter rate_;
    QSet<QString> loggedCalls_; // every call in the log, for the marks of the list
    bool loggedCallsRead_ = false;
    std::int64_t newestSeen_ = 0; // the newest QSO whose call is in loggedCalls_
    bool holdSuperCheck_ = false; // a call of the list is being typed: the list stays
};

} // namespace korvel
