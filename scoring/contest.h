#pragma once
// One contest: its catalogue row and every rule in which contests differ. Each contest is
// one file under scoring/contests/ that fills this interface, and the registry lists them in
// the order of the setup screen. The defaults here are the rules most contests share; a
// contest overrides only where it differs. Nothing outside the contest files asks which
// contest is running: it asks the running contest.

#include "core/contest_catalogue.h"
#include "core/shared_state.h"
#include "scoring/points.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace korvel::scoring {

enum class DupeRule { PerBand, PerBandAndMode, None };

// The learned table that remembers the exchange of a station from one contest to the next.
enum class LearnedKind { None, County, Dok };

// The desk as a contest's rules see it while a call is analysed: the shared state (own
// station, the looked-up country in the Lookup* fields, the multiplier values) and the few
// operations on the QSO being entered. The desk implements it.
class ContestDesk {
public:
    virtual ~ContestDesk() = default;

    virtual SharedState& state() = 0;
    // The call as it stands in the call field, trimmed (upper case once analysed).
    virtual QString call() const = 0;
    // The received exchange as it stands on the desk (TxtRSTR2), and setting it.
    virtual QString exchange() const = 0;
    virtual void setExchange(const QString& text) = 0;
    virtual void setSentExchange(const QString& text) = 0;
    // The country prefix as the desk shows it (an operator's pick from the sub-entity list).
    virtual QString shownPrefix() const = 0;
    // Live operation (not off-line input).
    virtual bool live() const = 0;
    // The QSO is a duplicate or refused.
    virtual bool refused() const = 0;

    // Whether no QSO of the log carries `key` yet in Mlt (Mlt1 when `second`), counted on
    // the current band and/or mode when asked; the QSO being corrected does not count.
    virtual bool isNewMark(const QString& key, bool perBand, bool perMode, bool second) = 0;
    // Shows "NEW" beside the call.
    virtual void showNew() = 0;
    // Decides the multiplier of the QSO anew (the running contest's multiplier rule).
    virtual void detectMultiplier() = 0;

    // A county or province list: a single entry is taken as the exchange, several are
    // offered in the pick list; a filled exchange finishes the multiplier at once.
    virtual void exchangeListStep(const QStringList& entries) = 0;
    // Offers entries in the pick list (hidden when empty), or hides it.
    virtual void fillPickList(const QStringList& entries) = 0;
    virtual void hidePickList() = 0;
    // Offers the sub-entities of a country (List2: Scotland or Shetland, ...).
    virtual void offerSubEntities(const QStringList& prefixes) = 0;

    // The learned exchange of the call into LearnedExchange (a call not found is learned
    // from the typed exchange when the QSO is stored).
    virtual void lookupLearned() = 0;
    // IARU-HF: the society of a headquarters station by its country, else from earlier QSOs.
    virtual void lookupSociety() = 0;
    virtual std::optional<QString> societyOfCall(const QString& call) = 0;
    // Russian DX: the oblast of a Russian call area.
    virtual std::optional<QString> oblastOfArea(const QString& area) = 0;

    virtual void focusCall() = 0;
    virtual void focusExchangeAtEnd() = 0;
    virtual void cursorToExchangeEnd() = 0;
    // Enables or disables the store button.
    virtual void enableStore(bool on) = 0;
    // Off-line input: the date and hour of the last QSO prefilled, the minutes to be typed.
    virtual void offLinePrefill() = 0;

    // A value a contest keeps from one step of the analysis to the next for the QSO on the
    // desk (the Scandinavian call district).
    virtual QString& memo() = 0;
};

// What a QSO looks like to the adjustments made when it is stored.
struct StoredQso {
    QString rcvdExchange; // received exchange, trimmed
    QString sentExchange; // sent exchange, trimmed
    bool societyExchange; // the received exchange was typed as a word (a society)
    bool bothFixed;       // neither the own nor the worked call is portable
};

class Contest {
public:
    explicit Contest(const ContestInfo& info) : info(info) {}
    virtual ~Contest() = default;
    Contest(const Contest&) = delete;
    Contest& operator=(const Contest&) = delete;

    const ContestInfo& info;

    // --- Duplicates, admission and multipliers -------------------------------------------

    // `cwPhMode` is Log General's mode rule.
    virtual DupeRule dupeRule(ModeRule /*cwPhMode*/) const { return DupeRule::PerBand; }
    // Whether the contest admits a QSO with the worked country prefix, for an own station of
    // prefix `myPrfx` (the own call itself is refused separately, in every contest).
    virtual bool admits(const QString& /*myPrfx*/, const QString& /*workedPfx*/) const {
        return true;
    }
    // Decides MultValue (and Mult1Value) of the QSO on the desk.
    virtual void detectMultiplier(ContestDesk& desk) const = 0;
    // The key whose band marks show where this station would be a new multiplier; empty
    // when the contest marks no band for it.
    virtual QString bandMarkKey(ContestDesk& /*desk*/) const { return {}; }
    // No 160 m multiplier marks and no 160 m button reset.
    virtual bool hasNo160Marks() const { return false; }
    // Counts a second multiplier (Mlt1).
    virtual bool countsSecondMultiplier() const { return false; }
    // The dupe check goes on to the multiplier when the call is no dupe.
    virtual bool multiplierAtDupeCheck() const { return true; }

    // --- Points ------------------------------------------------------------------------

    // The points text of the QSO, or nullopt when no rule applies (the previous value is
    // kept): a band-dependent row with no band chosen.
    virtual std::optional<QString> qsoPoints(const PointsInput& in) const = 0;
    // Whether the points depend on the worked country or continent (a call of no known
    // country then scores 0).
    virtual bool pointsDependOnCountry() const { return true; }
    // Changes to points and marks when the QSO is stored.
    virtual void adjustAtStore(SharedState& /*s*/, const StoredQso& /*q*/) const {}

    // --- Serial numbers and the sent exchange ------------------------------------------

    // Whether a received exchange is a serial to be zero-filled to three digits.
    virtual bool padsReceivedSerial(const QString& /*workedPfx*/) const { return false; }
    // Whether storing a QSO advances the own serial number (`nrConst`: Log General's
    // numbering option).
    virtual bool advancesSerial(const QString& /*own*/, const QString& /*worked*/,
                                Numbering /*nrConst*/) const {
        return false;
    }
    // Whether choosing a mode resumes the own serial from the log.
    virtual bool resumesSerial(const QString& /*own*/, Numbering /*nrConst*/) const {
        return false;
    }
    // Whether choosing a band resumes the own serial from the log.
    virtual bool resumesSerialOnBand(const SharedState& /*s*/, int /*band*/) const { return false; }
    // Whether the own station sends its exchange typed at setup (MyBezirk) from the start.
    virtual bool sendsOwnExchange(Numbering /*nrConst*/) const { return false; }
    // The exchange sent when a mode is chosen (a zone), or nullopt.
    virtual std::optional<QString> sentOnModeChoice(const SharedState& /*s*/) const {
        return std::nullopt;
    }

    // --- Steps of the call analysis, in the order the desk takes them --------------------

    // Right after the country is found: prefills of the received and sent exchange.
    virtual void onCountryFound(ContestDesk& /*desk*/) const {}
    // After the country, before the dupe check: exchanges known from the call.
    virtual void beforeDupeCheck(ContestDesk& /*desk*/) const {}
    // After the dupe check: county and province lists (none by default).
    virtual void afterDupeCheck(ContestDesk& desk) const { desk.hidePickList(); }
    // After the band marks: multipliers and zone lists that need them.
    virtual void afterBandMarks(ContestDesk& /*desk*/) const {}
    // After the log grid is refreshed: most contests decide the multiplier here.
    virtual void afterGrid(ContestDesk& /*desk*/) const {}
    // Before the admission rules: the sub-entity list.
    virtual void beforeAdmission(ContestDesk& /*desk*/) const {}
    // After the QSO is admitted: prefills that go with admission.
    virtual void afterAdmission(ContestDesk& /*desk*/) const {}

    // --- The exchange field ------------------------------------------------------------

    // The learned table of the contest.
    virtual LearnedKind learnedKind() const { return LearnedKind::None; }
    // A one-letter exchange completed to a county from the call's area; empty when none.
    virtual QString completeExchange(const SharedState& /*s*/, const QString& /*call*/,
                                     const QString& /*typed*/) const {
        return {};
    }
    // The exchange field is entered with its text selected (to be typed over).
    virtual bool selectsExchangeOnFocus(const SharedState& /*s*/) const { return false; }

    // --- Desk layout -------------------------------------------------------------------

    // The band tallies show 80 m alone.
    virtual bool tallies80Only() const { return false; }
    // Captions of the log grid's two multiplier columns.
    virtual const char* multCaption() const { return "Mult"; }
    virtual const char* mult1Caption() const { return "Mult 2"; }
};

// Shared multiplier rules used by several contests.

// The key is new per band: MultValue = key and "NEW" shown, else `none`.
void markPerBand(ContestDesk& desk, const QString& key, const QString& none = QStringLiteral("  "));
// The second multiplier (Mlt1) per band: Mult1Value = key and "NEW" shown, else `none`.
void markSecondPerBand(ContestDesk& desk, const QString& key, const QString& none);
// Contests of a home country: a home station's exchange counts, a foreign one's country.
void homeExchangeOrCountry(ContestDesk& desk, bool home, const QString& exchange);
// Points that depend on the band: 10, 15 and 20 m give `high`, 40, 80 and 160 m `low`.
std::optional<int> pointsByBand(int band, int high, int low);
// A points number as text.
std::optional<QString> pointsText(std::optional<int> points);
// Whether `pfx` is one of `list`.
bool isOneOf(const QString& pfx, std::initializer_list<const char*> list);
// The sub-entity list of GM, JW and SV (field-day and WAG rules).
void offerSubEntitiesOf(ContestDesk& desk);

} // namespace korvel::scoring
