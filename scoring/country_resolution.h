#pragma once
// Which country a call belongs to: the part of the call that gives the country, and the
// order of the lookups in the country table.
//
// The whole call (as typed, upper case) is what the log stores, what the dupe check, the
// admission of the own call and the WPX prefix read. The country part decides the country,
// continent, zones and so the points and the country multipliers.

#include "store/rows.h"

#include <QString>

#include <functional>
#include <optional>

namespace korvel::scoring {

// The part of a call that gives its country. Trailing designators that keep the country
// ("/P", "/M", "/MM", "/AM", "/QRP", "/A", "/LH", and a single digit: a new call area in the
// same country) are dropped; of the parts left around a "/", the shortest is the prefix
// (DL/YO9XX -> DL, K0MKL/VE4 -> VE4, KH6/K1ABC -> KH6; ties go to the first part).
QString countryPart(const QString& call);

struct CountryLookups {
    // The exact-call entry of a call.
    std::function<std::optional<store::CountryRow>(const QString&)> exactCall;
    // The row of the longest stored prefix of a key.
    std::function<std::optional<store::CountryRow>(const QString&)> longestPrefix;
};

// The country row of a call: its exact-call entry; else the longest prefix of its country
// part as typed; only when that finds nothing, the national mapping's key of the country
// part (the mappings were made for a table that stored a whole block of prefixes under one
// key; the shipped table lists every block, so a mapped key is a fallback, never a
// replacement of a found prefix). nullopt when the table does not know the call.
std::optional<store::CountryRow> resolveCountry(const QString& call, const CountryLookups& find);

} // namespace korvel::scoring
