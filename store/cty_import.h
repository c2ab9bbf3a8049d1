#pragma once
// Reads a country file in the cty.dat layout and turns it into CountryName rows.
//
// The file is a list of entities, each a header line
//   Name: CQ zone: ITU zone: continent: latitude: longitude: UTC offset: primary prefix:
// followed by indented lines listing prefixes and exact calls, separated by commas and
// ended by a semicolon. An entry may carry overrides: (CQ zone) [ITU zone] <lat/lon>
// {continent} ~UTC offset~. Longitudes are positive to the west. An exact call is
// written "=CALL".
//
// The rows:
// - one row per prefix, with its overrides applied; an exact call gets Pfx "=CALL";
// - Country = entity name, CtyPfx = the entity's primary prefix, Cnt written "Eu", "As",
//   "Af", "Na", "Sa", "Oc", zones as two digits, QRALoc the 6-character locator of the
//   entry's position (the entity's unless overridden);
// - Beam = 0: the desk works the heading out from the locators, so no stored heading
//   is kept;
// - entities whose primary prefix starts with "*" (counted only for some awards, such as
//   Sicily or Shetland) are no countries of their own: their entries keep their own
//   zones, continent and position, but take the Country and CtyPfx of the entity whose
//   prefixes cover them (longest prefix among the other entities; an entry that no
//   prefix covers goes with the country that covers the entity's primary prefix).

#include "store/rows.h"

#include <QString>
#include <QStringList>

#include <vector>

class QTextStream;

namespace korvel::store {

struct CtyImport {
    std::vector<CountryRow> rows;
    QStringList warnings; // "file:line: what" for every entry that was skipped
    int entities = 0;
};

CtyImport parseCtyDat(QTextStream& in, const QString& sourceName);

// A header line or an entry whose position is not a finite latitude within -90..90 and
// longitude within -180..180 (such as "nan" or "inf") is skipped with a warning naming the
// line; the rest of the file is imported.
//
// Maidenhead locator (6 characters, upper case) of a position in degrees, east positive;
// empty when a coordinate is not a finite number.
QString locatorFromDegrees(double latitude, double longitudeEast);

} // namespace korvel::store
