#pragma once
// The names of the QSO desk's controls. The names themselves are kept as they have always
// been: key scripts, the window and the settings name controls by them. Code names a
// control only through these constants, so that a misspelt name does not compile.

#include <QLatin1String>
#include <QString>

namespace korvel::desk_ctl {

using Name = QLatin1String;

// The form itself.
inline constexpr Name form{"FrmQSO"};

// Entry fields.
inline constexpr Name txtIndic{"txtIndic"}; // the worked call
inline constexpr Name TxtRSTE1{"TxtRSTE1"}; // the sent report (599)
inline constexpr Name TxtRSTE2{"TxtRSTE2"}; // the sent exchange: serial, county, zone ...
inline constexpr Name TxtRSTR1{"TxtRSTR1"}; // the received report
inline constexpr Name TxtRSTR2{"TxtRSTR2"}; // the received exchange
inline constexpr Name TxtUTC{"TxtUTC"};     // the QSO time "hh:mm"
inline constexpr Name TxtDate{"TxtDate"};   // the QSO date "dd.mm.yy"

// The entry fields a QSO is stored from, in the order they stand on the desk.
inline constexpr Name kEntryFields[] = {txtIndic, TxtRSTE1, TxtRSTE2, TxtRSTR1,
                                        TxtRSTR2, TxtUTC,   TxtDate};

// What the call analysis shows (read-only).
inline constexpr Name TxtCountry{"TxtCountry"}; // the worked country
inline constexpr Name TxtCont{"TxtCont"};       // its continent
inline constexpr Name TxtPrf{"TxtPrf"};         // its country prefix
inline constexpr Name TxtITU{"TxtITU"};         // its ITU zone
inline constexpr Name TxtCQ{"TxtCQ"};           // its CQ zone
inline constexpr Name TxtBeam{"TxtBeam"};       // the heading to it
inline constexpr Name TxtEroare{"TxtEroare"};   // the error line
inline constexpr Name list1{"list1"};           // the country pick list
inline constexpr Name List2{"List2"};           // the exchange pick list
// The fields the call analysis fills, in the order they stand on the desk.
inline constexpr Name kAnalysisFields[] = {TxtCountry, TxtCont, TxtPrf, TxtITU, TxtCQ, TxtBeam};

// Keying.
inline constexpr Name TxtCwCurent{"TxtCwCurent"};     // the text being keyed
inline constexpr Name txtPauseCW{"txtPauseCW"};       // the CW repeat pause
inline constexpr Name TxtPauseSSB{"TxtPauseSSB"};     // the voice repeat pause
inline constexpr Name LblStopCW{"LblStopCW"};         // "ESC=STOP CW" while keying
inline constexpr Name FrmCwProgr{"FrmCwProgr"};       // the frame of the text being keyed
inline constexpr Name LblWPM{"LblWPM"};               // the CW speed
inline constexpr Name OpB50{"OpB50"};                 // weighting 50 %
inline constexpr Name OpB62{"OpB62"};                 // weighting 62 %
inline constexpr Name Opb75{"Opb75"};                 // weighting 75 %
inline constexpr Name LblVitezaUp{"LblVitezaUp"};     // caption of the speed-up key
inline constexpr Name LblVitezaDown{"LblVitezaDown"}; // caption of the speed-down key
inline constexpr Name FramTxtCw{"FramTxtCw"};         // the frame of the message texts
inline constexpr Name LblTxtCW{"LblTxtCW"};           // the placeholders of a message

// The log grid and the desk's frames and notices.
inline constexpr Name DBGrid9{"DBGrid9"};       // the log grid
inline constexpr Name LblNeu{"LblNeu"};         // "NEW": a new multiplier
inline constexpr Name Frame2{"Frame2"};         // "Score Summary", the tallies
inline constexpr Name Frame3{"Frame3"};         // "WARNING ! QSO DUPE !"
inline constexpr Name LblAnunt{"LblAnunt"};     // the notice until band and mode are chosen
inline constexpr Name LblOffLine{"LblOffLine"}; // "OFF LINE": a paper log typed in
inline constexpr Name LblJos{"LblJos"};         // the key summary

// The own station ("MY DATA").
inline constexpr Name FrmMyData{"FrmMyData"};     // the frame
inline constexpr Name LblMyCall{"LblMyCall"};     // own call
inline constexpr Name LblMyCnt{"LblMyCnt"};       // own continent
inline constexpr Name LblMyITU{"LblMyITU"};       // own zone
inline constexpr Name LblMyCntPfx{"LblMyCntPfx"}; // own country prefix
inline constexpr Name LblMyBezirk{"LblMyBezirk"}; // own exchange (county, zone ...)
inline constexpr Name LblMyQRA{"LblMyQRA"};       // own locator
inline constexpr Name LblRaport{"LblRaport"};     // the last serial sent
inline constexpr Name LblConc{"LblConc"};         // the contest's caption
inline constexpr Name LblConcurs{"LblConcurs"};   // hidden: the contest's number

// Buttons, mode labels and menus.
inline constexpr Name CmdEnterCall{"CmdEnterCall"}; // stores the QSO
inline constexpr Name CmdAbbruchX{"CmdAbbruchX"};   // aborts the QSO
inline constexpr Name CmdCW{"CmdCW"};               // the CW mode button
inline constexpr Name CmdSSB{"CmdSSB"};             // the SSB mode button
inline constexpr Name LblCW{"LblCW"};               // lit while in CW
inline constexpr Name LblSSB{"LblSSB"};             // lit while in SSB
inline constexpr Name mnuAnfang{"mnuAnfang"};       // back to the setup screen
inline constexpr Name mnuBeenden{"mnuBeenden"};     // EXIT
inline constexpr Name mnuUndo{"mnuUndo"};           // undo after abort
inline constexpr Name mnuHelp2{"mnuHelp2"};         // the help menu
inline constexpr Name FraDxCluster{"FraDxCluster"}; // the DX-cluster panel

// The station around the desk: the radio's frequency, the band map and the cluster console.
inline constexpr Name LblFreq{"LblFreq"};             // the radio's frequency, kHz
inline constexpr Name FraStation{"FraStation"};       // the band map and console panel
inline constexpr Name LstBandMap{"LstBandMap"};       // the spots of the desk's band
inline constexpr Name LstCluster{"LstCluster"};       // the node's lines
inline constexpr Name TxtClusterCmd{"TxtClusterCmd"}; // a command line for the node

// Beside the tallies and the log grid: the claimed score, the rate, the next serial and
// the super check partial list.
inline constexpr Name LblScore{"LblScore"};   // the claimed QSOs, points, multipliers, score
inline constexpr Name LblRate{"LblRate"};     // QSOs per hour and the time since the last QSO
inline constexpr Name LblNextNr{"LblNextNr"}; // the serial the next QSO sends
inline constexpr Name LstScp{"LstScp"};       // the known calls holding the typed text
inline constexpr Name LblScp{"LblScp"};       // the list's size, or where to put one

// Names composed from a number.
inline constexpr int kMessageKeys = 11;
// "TxtF1".."TxtF11": the text of message key n.
inline QString messageText(int n) {
    return QStringLiteral("TxtF%1").arg(n);
}
// "CmdF1".."CmdF11": the button of message key n.
inline QString messageButton(int n) {
    return QStringLiteral("CmdF%1").arg(n);
}
// The number n of "TxtFn" (1..11), or 0.
int messageTextNumber(const QString& name);
// The number n of "CmdFn" (1..11), or 0.
int messageButtonNumber(const QString& name);

// The band button and label of the band at `index` (0 = 10 m .. 5 = 160 m): "Cmd10",
// "Lbl10" ...
QString bandButton(int index);
QString bandLabel(int index);

// The tallies: row 0 is the current band, rows 1..5 the other bands.
enum class Tally { Band, Qso, Points, Mults };
inline constexpr Tally kTallies[] = {Tally::Band, Tally::Qso, Tally::Points, Tally::Mults};
inline constexpr int kTallyRows = 6;
// "LblBand", "LblQSO", "LblPkt", "LblMlt", with the row's number for rows 1..5.
QString tallyLabel(Tally column, int row);

} // namespace korvel::desk_ctl
