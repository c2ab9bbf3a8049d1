#pragma once
// Locators, beam headings and the compass rose.

#include <QString>

namespace korvel::scoring {

struct LatLon {
    double lat = 0.0; // radians, north positive
    double lon = 0.0; // radians, east positive
};

// Maidenhead locator to the south-west corner of its sub-square. Characters 5 and 6
// count as "M" when missing, so a 4-character square lands on its centre; characters
// after the sixth are ignored. Letters may be in either case; blanks around it are
// dropped. A locator shorter than 4 characters, or with a character out of range (A..R,
// 0..9, A..X), is invalid: `ok` is set false and {0, 0} returned.
LatLon locatorToCoordinates(const QString& locator, bool* ok = nullptr);

// Great-circle heading from `own` to `worked` in whole degrees, 0..360, clockwise from
// north. The central angle and the azimuth are taken as arc cosines written with atan and
// pi / 2 = 1.5708; the azimuth a (0..180) is rounded half to even and the heading is a
// when the worked station lies east (sin of the longitude difference >= 0), else 360 - a.
// Cases the plain formula leaves open:
// - the same position (cosine of the central angle >= 1): 0;
// - the antipode (cosine <= -1): 0;
// - worked station due north (azimuth cosine >= 1): 0; due south (<= -1): 180;
// - azimuth cosine exactly 0: 90 when the worked station lies east, else 270;
// - own station on a pole, where the azimuth is not a number: 0.
int computeBeam(const LatLon& own, const LatLon& worked);

// "47 °": the heading, a blank and the degree sign.
QString beamText(int heading);

// Geometry of the compass rose in a square of `size` units, x to the right and y
// downwards as on the screen, north up: the centre of the square, an outer and an inner
// circle, the letters N, E, S, W centred outside the outer circle at the four points, and
// a heading line from the centre to the outer circle, turned clockwise from north by
// `heading` degrees. The radii are fractions of `size`:
inline constexpr double kOuterRadius = 0.36;
inline constexpr double kInnerRadius = 0.24;
inline constexpr double kLetterRadius = 0.44;
struct Point {
    double x = 0.0, y = 0.0;
};
struct CompassGeometry {
    Point centre;
    double outerRadius = 0.0;
    double innerRadius = 0.0;
    Point north, east, south, west; // where the letters are centred
    Point headingEnd;               // the line runs from the centre to here
};
CompassGeometry compassGeometry(int heading, double size);

} // namespace korvel::scoring
