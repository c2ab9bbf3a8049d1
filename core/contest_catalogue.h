#pragma once
// The 24 built-in contests as one table of data. Every screen reads its captions, names
// and per-contest choices from here; no other code repeats these strings. Rules decided
// while scoring (dupes, multipliers, points) live in the scoring tables, keyed by code.

#include <QString>

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace korvel {

// Where the own-exchange rule takes the own country prefix from when a contest is chosen.
enum class PrefixSource {
    AsStored, // MyPrfx as it is
    ReRead,   // MyPrfx = trimmed text of the setup screen's prefix field first
};

// What the setup screen's exchange field is filled with.
enum class ExchangeFill {
    None,      // field not shown
    Unchanged, // left as typed
    County,    // own county looked up in CallJud
    Dok,       // own DOK looked up in CallDOK
    MyBezirk,  // the own exchange kept in the shared state
    MyZone,    // the own ITU zone
};

// What the desk sends as own exchange from the start of the contest.
enum class SentExchange {
    NotSet,            // nothing set at the start
    OwnExchange,       // the own county / DOK / district / LIST.YEAR / power typed at setup
    Serial,            // a serial number (the desk shows LblRaport)
    SerialFromControl, // a serial number starting from the setup screen's control number
    OwnItuZone,        // the own ITU zone
    OwnContinent,      // the own continent
    ConstantOrSerial,  // Log General: the constant number, or a serial number
};

// Whether the CONCURS / SIMULATOR choice is offered after the contest is chosen.
enum class ModeFrame {
    Shown,          // learning tables kept: the operator chooses
    HiddenLearnOff, // hidden, ContestMode = 0
    HiddenModeKept, // hidden, ContestMode unchanged
};

// A desk button that a contest choice switches on, off, or leaves as it was.
enum class Switch : signed char { Keep = 0, On = 1, Off = -1 };

struct OwnExchangePrompt {
    PrefixSource prefixSource = PrefixSource::AsStored;
    // The own prefixes that qualify for the exchange field; empty = any station.
    std::span<const std::string_view> qualifying;
    bool shownForOthers = false;             // field shown for a non-qualifying station too
    const char* captionQualifying = nullptr; // LblBezirk caption; nullptr = unchanged
    const char* captionOthers = nullptr;
    ExchangeFill fillQualifying = ExchangeFill::None;
    ExchangeFill fillOthers = ExchangeFill::None;
};

struct ContestInfo {
    int code;
    const char* optionButton;   // name of the option button on the setup screen
    const char* buttonCaption;  // its caption
    const char* tipTestCaption; // setup screen LblTipTest after the choice
    const char* deskCaption;    // desk LblConc
    const char* contestName;    // ContestName, trailing blanks belong to it
    const char* shortTitle;     // LblTipTest when the setup screen is opened again
    OwnExchangePrompt prompt;
    SentExchange sentQualifying; // own station with a qualifying prefix (or any station)
    SentExchange sentOthers;     // own station whose prefix does not qualify
    ModeFrame modeFrame;
    std::array<Switch, 6> bandButtons; // desk band buttons 10, 15, 20, 40, 80, 160 m
    Switch ssbButton;                  // desk CmdSSB
    const char* deskNotice;            // desk LblAnunt set by the choice, or nullptr
    bool focusExchangeField;           // the choice moves the focus to the control / exchange field
    bool smallScreenRelayout;          // the choice re-lays the desk out on the 640x480 scale
};

// All 24 contests in the order of the setup screen's contest frame.
std::span<const ContestInfo> contestCatalogue();

// The entry for a code, or nullptr for an unknown code (there is no 101).
const ContestInfo* findContest(int code);

// Whether an own prefix qualifies for the contest's own-exchange field.
bool ownPrefixQualifies(const ContestInfo& contest, const QString& myPrfx);

} // namespace korvel
