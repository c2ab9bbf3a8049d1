#pragma once
// Pure rules on call signs: normalising, the national prefix mappings, the WPX prefix,
// portable designators and zone texts.

#include <QString>

namespace korvel::scoring {

inline constexpr int kMaxCallChars = 15;

// The typed call trimmed, cut to its first 15 characters, with every blank dropped.
QString normaliseCall(const QString& typed);
// The call as the log keeps it: the typed text in capitals, then normalised, so that it never
// grows past 15 characters (a few letters have capitals of two).
QString loggedCall(const QString& typed);

// National prefix mappings: the key under which the country table stores a block of
// prefixes. `mark` is 0 when no mapping applies (the call is looked up as it is),
// 10 or 11 for the Russian mappings, 20 for Canada, China and the USA; `key` is empty
// when `mark` is 0. XS calls are never mapped. `call` must be upper case.
struct MappedKey {
    int mark = 0;
    QString key;
};
MappedKey nationalMapping(const QString& call);

// The WPX prefix of a call (DL1ABC -> DL1, DL10ABC -> DL10, 9A1A -> 9A1, 3DA0RU -> 3DA0);
// a call with no digit before its last character gets `ctyPfx` + "0".
QString wpxPrefix(const QString& call, const QString& ctyPfx);

// The call ends in "/P", "/M" or "/MM".
bool isPortable(const QString& call);

// Zone text as shown: one digit gets a leading "0", a zone whose number is 0 is empty
// (so is a text that does not start with a digit).
QString twoDigitZone(const QString& zone);

// The two characters starting at the last digit of the first 15 characters (Russian call
// area: RA3ABC -> "3A", UA9XYZ/P -> "9X"); empty when the call holds no digit.
QString russianCallArea(const QString& rawCall);

// Scandinavian district: the country prefix followed by the call's third character when
// that is a digit, else by "0", cut to 3 characters (LA1ABC -> LA1, TF/DL1A -> TF0,
// OH0X -> OH0: a three-character prefix is the district by itself).
QString scandinavianDistrict(const QString& ctyPfx, const QString& call);

// The number the leading digits of the trimmed text form (at most 18 of them are read);
// 0 when the text does not start with a digit ("014" -> 14, "5NN" -> 5, "PH" -> 0).
long long leadingNumber(const QString& text);

// Whole-number text, as the exchange rules test it: after trimming, one or more digits and
// nothing else ("007" is a number, "PH", "5A" and "" are not).
bool isNumber(const QString& text);

} // namespace korvel::scoring
