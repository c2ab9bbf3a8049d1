#pragma once
// The names of the setup screen's controls. The names themselves are kept as they have
// always been: key scripts, the window and the settings name controls by them. Code names a
// control only through these constants, so that a misspelt name does not compile. The
// contest options are named by the contest table (ContestInfo::optionButton) and the help
// entries by the help menu table.

#include "desk/desk_controls.h"

#include <QLatin1String>
#include <QString>

namespace korvel::setup_ctl {

using Name = QLatin1String;

// The form itself.
inline constexpr Name form{"FrmInit"};

// The own station.
inline constexpr Name TxtMyCall{"TxtMyCall"};       // own call
inline constexpr Name LblMyCall{"LblMyCall"};       // its caption
inline constexpr Name TxtMyPrfx{"TxtMyPrfx"};       // own country prefix
inline constexpr Name LblMyPfx{"LblMyPfx"};         // its caption
inline constexpr Name TxtMyCont{"TxtMyCont"};       // own continent
inline constexpr Name LblQSO{"LblQSO"};             // its caption ("CONTINENT")
inline constexpr Name TxtZone{"TxtZone"};           // own zone (ITU, or CQ in CQ-WW)
inline constexpr Name LblZone{"LblZone"};           // its caption
inline constexpr Name txtMyQRA{"txtMyQRA"};         // own locator
inline constexpr Name LblMyQRA{"LblMyQRA"};         // its caption
inline constexpr Name TxtTime{"TxtTime"};           // local time minus UTC, in hours
inline constexpr Name LblTime{"LblTime"};           // its caption
inline constexpr Name TxtMyBezirkA{"TxtMyBezirkA"}; // own exchange (county, DOK ...)
inline constexpr Name LblBezirk{"LblBezirk"};       // its caption, set by the contest
inline constexpr Name txtControl{"txtControl"};     // the serial of the next QSO
inline constexpr Name LblInscr{"LblInscr"};         // its caption
inline constexpr Name TxtSD{"TxtSD"};               // start date of an off-line log
inline constexpr Name LblSD{"LblSD"};               // its caption
inline constexpr Name TxtST{"TxtST"};               // start time of an off-line log
inline constexpr Name LblST{"LblST"};               // its caption
inline constexpr Name TxtCP{"TxtCP"};               // the serial port of the CW interface
inline constexpr Name LblCP{"LblCP"};               // its caption
inline constexpr Name LblContest{"LblContest"};     // the screen's title
inline constexpr Name LblTipTest{"LblTipTest"};     // the chosen contest
inline constexpr Name LblAnunt{"LblAnunt"};         // the mode notice

// The wizard: language, contest, mode.
inline constexpr Name FraLimbaj{"FraLimbaj"};     // the language frame
inline constexpr Name OpBRomanian{"OpBRomanian"}; // Romanian help
inline constexpr Name OpbEnglish{"OpbEnglish"};   // English help
inline constexpr Name FRAContest{"FRAContest"};   // the frame of the contest options
inline constexpr Name FraConcurs{"FraConcurs"};   // the mode frame
inline constexpr Name OpbConcurs{"OpbConcurs"};   // CONCURS: the learned tables are kept
inline constexpr Name OpbTest{"OpbTest"};         // SIMULATOR: nothing is learned

// Operating options.
inline constexpr Name FramCW{"FramCW"};         // "CW cu PC"
inline constexpr Name OpbCwJ{"OpbCwJ"};         // CW keyed by the PC
inline constexpr Name OpbCwN{"OpbCwN"};         // CW not keyed by the PC
inline constexpr Name ChkCwRpt{"ChkCwRpt"};     // CW message F1 repeats
inline constexpr Name FramSSB{"FramSSB"};       // "SSB cu PC"
inline constexpr Name OpbSSBJ{"OpbSSBJ"};       // voice messages played by the PC
inline constexpr Name OpbSSBN{"OpbSSBN"};       // no voice messages
inline constexpr Name ChkSSBRpt{"ChkSSBRpt"};   // voice message F1 repeats
inline constexpr Name ChkDxCl{"ChkDxCl"};       // the DX-cluster panel on the desk
inline constexpr Name FramLogGen{"FramLogGen"}; // Log General's choices
inline constexpr Name ChkNrUp{"ChkNrUp"};       // the exchange is a rising serial
inline constexpr Name ChkNrConst{"ChkNrConst"}; // the exchange is a constant
inline constexpr Name ChkCWandPH{"ChkCWandPH"}; // a call counts once per mode
inline constexpr Name ChKCWorPH{"ChKCWorPH"};   // a call counts once in either mode
inline constexpr Name LblMode{"LblMode"};       // the caption of the mode choice

// The CW message texts.
inline constexpr Name FramTxtCw{"FramTxtCw"}; // " CW MESSAGES"
inline constexpr int kMessageKeys = desk_ctl::kMessageKeys;
// "TxtF1".."TxtF11": the text of message key n, the same name as on the desk.
using desk_ctl::messageText;
using desk_ctl::messageTextNumber;
// "LblF1".."LblF11": its caption.
inline QString messageCaption(int n) {
    return QStringLiteral("LblF%1").arg(n);
}
// "LblHint1"..: the hints on the placeholders of a message.
inline QString hint(int n) {
    return QStringLiteral("LblHint%1").arg(n);
}

// Menus.
inline constexpr Name mnuBeenden{"mnuBeenden"};     // EXIT
inline constexpr Name mnuQSOfahren{"mnuQSOfahren"}; // START-CONTEST
inline constexpr Name mnuLog{"mnuLog"};             // LOG: the review screen
inline constexpr Name mnuInpLog{"mnuInpLog"};       // INPUT-LOG-OFF-LINE
inline constexpr Name mnuHelp{"mnuHelp"};           // the help menu

} // namespace korvel::setup_ctl
