#pragma once
// What the points of a QSO are worked out from, right after the country lookup (each
// contest's rule is its Contest::qsoPoints).

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

} // namespace korvel::scoring
