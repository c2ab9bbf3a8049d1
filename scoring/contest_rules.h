#pragma once
// Per-contest rules of the desk that are plain facts of a contest: how duplicates are
// counted, which stations may be worked, who sends and pads serial numbers.

#include <QString>

namespace korvel::scoring {

enum class DupeRule { PerBand, PerBandAndMode, None };

// `cwPhMode` is Log General's mode rule (100 CW or PH, 200 CW and PH).
DupeRule dupeRule(int contest, int cwPhMode);

// Whether the contest admits a QSO with the worked country prefix, for an own station of
// prefix `myPrfx` (the own call itself is refused separately, in every contest).
bool admits(int contest, const QString& myPrfx, const QString& workedPfx);

// Spanish prefixes of King of Spain.
bool isSpanishPrefix(const QString& ctyPfx);

// Whether a received exchange is a serial to be zero-filled to three digits.
bool padsReceivedSerial(int contest, const QString& workedPfx);

// Whether storing a QSO advances the own serial number. `nrConst` is Log General's
// numbering option (200 = increasing number).
bool advancesSerial(int contest, const QString& myPrfx, const QString& workedPfx, int nrConst);

// Whether choosing a mode resumes the own serial from the log.
bool resumesSerial(int contest, const QString& myPrfx, int nrConst);

// Whether the own station sends its exchange typed at setup (MyBezirk) from the start.
bool sendsOwnExchange(int contest, int nrConst);

// Contests whose desk has no 160 m multiplier marks and no 160 m button reset.
bool hasNo160Marks(int contest);

// Contests that count a second multiplier (Mlt1).
bool countsSecondMultiplier(int contest);

} // namespace korvel::scoring
