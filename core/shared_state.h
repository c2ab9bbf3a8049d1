#pragma once
// The one record that the setup screen, the desk and the review screen all read and
// write. The application owns a single instance and hands it to every model by
// reference; nothing here is global.
//
// Field names follow the names the operator's documentation uses, so that a field can
// be named in a replay script ("set ContestCode 201"). Flags keep the house coding:
// 100 = yes, 0 = no, with 200 / 1000 / 10 for the second choices noted per field.
// Counters that are 16-bit in the documentation are plain int here (wider is allowed).

#include "platform/help_language.h"

#include <QString>
#include <QVariant>

#include <array>
#include <cstdint>
#include <optional>

namespace korvel {

// A yes/no flag of the shared state. A replay script sets and reads it as its number
// ("set ContestMode 100"); No marks an explicit no where that differs from never set.
enum class Flag : int { Unset = 0, No = 10, On = 100 };

// Log General's numbering: a constant exchange, or a rising serial number.
enum class Numbering : int { Unset = 0, Constant = 100, Increasing = 200 };
// Log General's mode rule: a call counts once in either mode, or once in each.
enum class ModeRule : int { Unset = 0, CwOrPhone = 100, CwAndPhone = 200 };

// Bands in the order every tally and report uses them.
inline constexpr std::array<int, 6> kBands = {10, 15, 20, 40, 80, 160};

// Index of a band in kBands, or -1.
int bandIndex(int band);

struct BandTally {
    int qsos = 0;
    std::int64_t points = 0;
    int mults = 0;
};

struct SharedState {
    // Contest and flow.
    int ContestCode = 0;
    QString ContestName;
    Flag ContestMode = Flag::Unset; // On CONCURS (learning tables updated), Unset SIMULATOR
    HelpLanguage Language = HelpLanguage::None;
    Flag SetupDone = Flag::Unset;    // On once the operator came back to the setup screen
    Flag OffLineInput = Flag::Unset; // On while a paper log is typed in

    // Own station.
    QString MyCall;
    QString MyPrfx;
    QString MyCont;
    QString MyZone;
    QString MyCQZone;
    QString MyBezirk;
    QString MyQRA;
    QString MyQRACalc;
    QVariant TimeOffset; // the text as typed (whole hours, such as "2", "+02" or "-1")
    double MyLat = 0.0;  // radians, from MyQRA at the start of a contest
    double MyLon = 0.0;

    // Operating options.
    QString Mode; // "CW", "SSB", "00" before a choice
    int Band = 0; // metres, 0 before a choice
    QString BandText;
    Flag CwByPc = Flag::Unset; // On: the PC keys CW; No: an explicit no
    Flag SsbByPc =
        Flag::Unset; // On: the PC plays voice messages; No: an explicit no; Unset: no sound device
    Flag SoundCard = Flag::Unset;   // On: a sound output exists
    Flag CwRepeat = Flag::Unset;    // On: CW message F1 repeats
    Flag SsbRepeat = Flag::Unset;   // On: voice message F1 repeats
    Flag DxClusterOn = Flag::Unset; // On: the desk shows the DX-cluster panel
    Numbering NrConst = Numbering::Unset;
    ModeRule CwPhMode = ModeRule::Unset;
    QString NextNr;
    int ComPort = 0;
    QString StartDate;
    QString StartTime;
    QVariant StartDateFmt;
    QVariant StartTimeFmt;

    // CW message texts of F1..F11.
    QString CwTextF1, CwTextF2, CwTextF3, CwTextF4, CwTextF5, CwTextF6, CwTextF7, CwTextF8,
        CwTextF9, CwTextF10, CwTextF11;
    QString& cwText(int n);             // n = 1..11
    const QString& cwText(int n) const; // n = 1..11

    // Summary-sheet header.
    QString SummaryOperators;
    QString SummaryOpName;
    int SummaryOperatorCount = 0;
    QString SummaryQTH;
    QString SummaryTx;
    QString SummaryRx;
    QString SummaryAnt1;
    QString SummaryAddress;
    QString SummaryAnt2;
    QString SummaryAnt3;
    QString SummaryAnt4;
    QString SummaryAnt5;

    // Paths.
    QString AppDir;
    QString DataDir;
    int FileNo = 0;

    // Result of the last prefix lookup (not own-station data).
    QString RawCall;
    QString LookupCall;
    QString MyCallTrim;
    double LookupId = 0.0;
    QString LookupCountry;
    QString LookupCnt;
    QString LookupCtyPfx;
    QString LookupPfx;
    QString LookupITU;
    QString LookupCQ;
    std::int32_t LookupBeam = 0;
    QString LearnedExchange;

    // The QSO being entered.
    QString RcvdReport;
    QString RcvdExchange;
    QString SentReport;
    QString SentExchange;
    QString MultValue;
    QString Mult1Value;
    QString QsoPoints;

    // Running tallies, in the order of kBands.
    std::array<BandTally, 6> BandTallies{};

    // Last confirmation asked through a message box.
    QString MsgStyle;
    QString MsgPrompt;
    QString MsgResult;
    QString MsgTitle;

    // Screen layout.
    int ScreenWidthPx = 0;
    int ScreenHeightPx = 0;
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;
};

// Named access for replay scripts and diagnostics. setField returns false for an
// unknown name or a value that does not fit the field's type.
bool setField(SharedState& state, const QString& name, const QString& value);
std::optional<QString> fieldText(const SharedState& state, const QString& name);

} // namespace korvel
