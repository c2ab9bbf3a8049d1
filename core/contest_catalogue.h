#pragma once
// The types of a contest's catalogue row: captions, names and the per-contest choices of the
// setup screen and the desk. Each row lives in its contest's file under scoring/contests/,
// beside the contest's rules; the registry there lists the contests in catalogue order.

#include "core/contest_exports.h"

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

// What the setup screen shows to an own station whose prefix does not qualify.
enum class OthersPrompt {
    ExchangeField, // the exchange field as the row says (or nothing)
    ControlNumber, // the control number the serial starts from (YO-DX-HF)
    SentAsControl, // the desk's sent exchange kept as control number (DARC-WAG)
};

// The zone that the contest exchanges: sent as own exchange, prefilled from the country.
enum class ZoneExchange { None, Itu, Cq };

struct OwnExchangePrompt {
    PrefixSource prefixSource = PrefixSource::AsStored;
    // The own prefixes that qualify for the exchange field; empty = any station.
    std::span<const std::string_view> qualifying = {};
    const char* captionQualifying = nullptr; // LblBezirk caption; nullptr = unchanged
    const char* captionOthers = nullptr;
    ExchangeFill fillQualifying = ExchangeFill::None;
    ExchangeFill fillOthers = ExchangeFill::None;
    OthersPrompt others = OthersPrompt::ExchangeField;
    // A qualifying station must type at least this many characters of its own exchange
    // before START-CONTEST (0: the exchange is not required).
    int minLength = 0;
    // The typed exchange is sent as it stands and START-CONTEST refuses without it (power).
    bool typedRequired = false;
};

// One row of the contest catalogue: captions, names and the choices the setup screen and the
// desk take from the contest. The rules of the contest are its scoring::Contest.
struct ContestInfo {
    int code = 0;
    const char* optionButton = "";   // name of the option button on the setup screen
    const char* buttonCaption = "";  // its caption
    const char* tipTestCaption = ""; // setup screen LblTipTest after the choice
    const char* deskCaption = "";    // desk LblConc
    const char* contestName = "";    // ContestName, trailing blanks belong to it
    const char* shortTitle = "";     // LblTipTest when the setup screen is opened again
    OwnExchangePrompt prompt = {};
    SentExchange sentQualifying = SentExchange::NotSet; // own station that qualifies (or any)
    SentExchange sentOthers = SentExchange::NotSet;     // own station that does not qualify
    ModeFrame modeFrame = ModeFrame::HiddenLearnOff;
    std::array<Switch, 6> bandButtons = {}; // desk band buttons 10, 15, 20, 40, 80, 160 m
    Switch ssbButton = Switch::Keep;        // desk CmdSSB
    const char* deskNotice = nullptr;       // desk LblAnunt set by the choice, or nullptr
    bool focusExchangeField = false; // the choice moves the focus to the control / exchange field
    ZoneExchange zone = ZoneExchange::None;
    // Log General: the numbering and mode choices and the constant number of the setup screen.
    bool logGeneral = false;
    // What the review screen and the export files need to know.
    ContestExports exports = {};
};

// Whether an own prefix qualifies for the contest's own-exchange field.
bool ownPrefixQualifies(const ContestInfo& contest, const QString& myPrfx);

} // namespace korvel
