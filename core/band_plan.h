#pragma once
// Which contest band a frequency lies in, and which operating mode a radio's mode means.
// Pure functions: the desk asks them with what the radio reports, the band map with the
// frequency of a spot.

#include <QString>

#include <cstdint>
#include <optional>

namespace korvel {

// The six contest bands in metres, with their edges in kHz (both edges belong to the band).
struct ContestBand {
    int metres;
    int lowKHz;
    int highKHz;
};
inline constexpr ContestBand kContestBands[] = {
    {160, 1800, 2000},  {80, 3500, 4000},   {40, 7000, 7300},
    {20, 14000, 14350}, {15, 21000, 21450}, {10, 28000, 29700},
};

// The band (10 .. 160 m) of a frequency given in kHz, or 0 outside the contest bands.
int bandOfKHz(double kHz);

// "CW" for the radio modes CW and CWR, "SSB" for USB and LSB; nothing for any other mode
// (AM, FM, data modes): the desk then keeps its mode. Case and blanks do not matter.
std::optional<QString> deskModeOfRigMode(const QString& rigMode);

// What the desk does with a reading of the radio.
struct RigFollow {
    int band = 0;                // the band to switch to; 0: keep the band (outside the bands)
    bool outside = false;        // the frequency lies outside the contest bands
    std::optional<QString> mode; // the mode to switch to, when the radio's mode says one
    long long kHz = 0;           // the frequency rounded to whole kHz, as it is logged
};
RigFollow followRig(std::int64_t hz, const QString& rigMode);

// The frequency as the desk shows it: kHz with one decimal ("14025.0").
QString frequencyText(std::int64_t hz);

} // namespace korvel
