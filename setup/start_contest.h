#pragma once
// The three ways out of the setup screen: START-CONTEST checks the setup in a fixed order,
// stores it and hands over to the QSO desk; INPUT-LOG-OFF-LINE prepares the screen for
// typing in a paper log; LOG leads to the log review screen.

namespace korvel {

class SetupForm;

namespace start_text {
inline constexpr const char* kFillContestType = "Please fill CONTEST TYP !";
inline constexpr const char* kFillTextbox = "Please fill this TEXTBOX !";
inline constexpr const char* kBadTimeOffset =
    "The time offset (OraYO-OraUTC) must be a whole number of hours, for example 2, +02 or -1 !";
inline constexpr const char* kLogGeneral = "Complectati corect tabelul LOG GENERAL";
inline constexpr const char* kNoReviewScreen =
    "The log review screen is not part of this version yet.";
} // namespace start_text

// START-CONTEST. Returns true when the desk has been handed the contest and opened; false
// after a refusal, with its message shown and the focus on the faulty field.
bool startContest(SetupForm& setup);

// INPUT-LOG-OFF-LINE: start date and time come from the screen, nothing is keyed.
void inputLogOffLine(SetupForm& setup);

// LOG. Returns true when the review screen is to open (a contest has been chosen).
bool logMenu(SetupForm& setup);

} // namespace korvel
