#pragma once
// Points of a QSO by contest, worked out right after the country lookup.

#include <QString>

#include <optional>

namespace korvel::scoring {

struct PointsInput {
    int contest = 0;
    int band = 0;                // metres
    QString myPrfx;              // own country prefix
    QString myCont;              // own continent ("Eu", ...)
    QString myZone;              // own ITU zone (two digits)
    QString workedPfx;           // worked country prefix (CtyPfx)
    QString workedItu;           // worked ITU zone (two digits)
    QString workedCont;          // worked continent as shown on the desk (an operator's fix counts)
    bool workedPortable = false; // IARU-FD: worked call ends /P, /M or /MM
    bool bothFixed = false;      // IARU-FD: neither call ends so
};

// The points text ("0" to "10", or one blank for Log General); nullopt when no rule of
// the contest applies (the caller keeps the previous value): an unknown contest, or a
// band-dependent row (CQ-WPX, TAC, Holyland DX) with no band chosen. Prefixes, continents
// and zones are compared as the texts are given, so the caller passes them trimmed.
std::optional<QString> computeQsoPoints(const PointsInput& in);

// Russian DX: the worked prefixes that count as Russia.
bool isRussianPrefix(const QString& ctyPfx);
// UBA: the 47 prefixes that count as countries.
bool isUbaCountry(const QString& ctyPfx);

} // namespace korvel::scoring
