#pragma once
// Exchange tables: pick lists per call area, one-letter county completion, and the
// prefills that follow from a call alone.

#include <QString>
#include <QStringList>

namespace korvel::scoring {

// Romanian counties of a YO call area ('2'..'9'); empty for any other area.
QStringList yoCounties(QChar area);
// Hungarian counties of an HA call area ('0'..'9'). Areas 4, 5 and 9 have one county,
// which the desk prefills instead of showing the list.
QStringList haCounties(QChar area);
// Spanish provinces of an EA call area ('1'..'9'); area 6 has one, prefilled likewise.
QStringList eaProvinces(QChar area);
// Dutch provinces (every PA area).
QStringList paccProvinces();
// Japanese prefectures of a JA call: area = third character, calls beginning 7K..7N are
// area 1.
QStringList keymenPrefectures(const QString& call);
// ITU zones offered in IARU-HF for a country prefix spanning several zones; empty for
// any other country.
QStringList iaruZones(const QString& ctyPfx);

// A learned Romanian county as offered: "B1".."B6" and "BU" become "BU".
QString normaliseCounty(const QString& county);

// One-letter completion of a received county: `yo` chooses the YO table, else HA.
// `area` is the third character of the call. Returns the county, or an empty string
// when the letter is not completed (unknown, or fitting two counties of the area, or an
// HA area with a single county). A letter completes to the one county of the area's
// pick list that begins with it.
QString completeCounty(bool yo, QChar area, const QString& letter);

// ARRL DX: the province of a Canadian call by its first three characters ("VE3" -> "ON",
// "VY2" -> "PEI"); empty when none applies.
QString arrlProvince(const QString& call);

// Coupe du REF: the French overseas prefixes that are their own exchange.
bool isRefOverseasPrefix(const QString& ctyPfx);

} // namespace korvel::scoring
