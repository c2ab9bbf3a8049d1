#include "scoring/contest_rules.h"

#include "scoring/points.h"

#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace korvel::scoring {

namespace {

bool in(int code, std::initializer_list<int> codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool oneOf(const QString& pfx, std::initializer_list<const char*> list) {
    return std::any_of(list.begin(), list.end(),
                       [&](const char* p) { return pfx == QLatin1String(p); });
}

// Worked stations a contest admits: the contest, and the prefixes allowed. Contests not
// listed admit everybody.
struct Admission {
    int contest;
    std::initializer_list<const char*> allowed;
};

const Admission kAdmissions[] = {
    {108, {"PA"}},
    {204, {"TK", "F", "FG", "FJ", "FK", "FH", "FM", "FO", "FR", "FP", "FT", "FW", "FS", "FY"}},
    {205, {"VE", "K"}},
    {207, {"SP"}},
    {208, {"4X"}},
    {209, {"HB"}},
    {210, {"JA"}},
    {212, {"OK", "OM"}},
    {213, {"JX", "JW", "LA", "OH0", "OH", "OJ0", "OY", "OX", "OZ", "TF", "SM"}},
};

} // namespace

DupeRule dupeRule(int contest, int cwPhMode) {
    if (contest == 214)
        return cwPhMode == 100   ? DupeRule::PerBand
               : cwPhMode == 200 ? DupeRule::PerBandAndMode
                                 : DupeRule::None;
    if (in(contest, {102, 104, 105, 106, 200, 206, 207, 208, 211})) return DupeRule::PerBandAndMode;
    return DupeRule::PerBand;
}

bool admits(int contest, const QString& myPrfx, const QString& workedPfx) {
    if (contest == 100 && myPrfx == QLatin1String("YO") && workedPfx == QLatin1String("YO"))
        return false;
    if (contest == 102 && myPrfx != QLatin1String("DL") && workedPfx != QLatin1String("DL"))
        return false;
    for (const Admission& a : kAdmissions)
        if (a.contest == contest)
            return std::any_of(a.allowed.begin(), a.allowed.end(),
                               [&](const char* p) { return workedPfx == QLatin1String(p); });
    return true;
}

bool isSpanishPrefix(const QString& ctyPfx) {
    return oneOf(ctyPfx, {"EA", "EA6", "EA8", "EA9"});
}

bool padsReceivedSerial(int contest, const QString& w) {
    switch (contest) {
    case 100: return w != QLatin1String("YO");
    case 102: return w != QLatin1String("DL");
    case 103: return true;
    case 105: return w != QLatin1String("HA");
    case 107: return !isSpanishPrefix(w);
    case 108: return w != QLatin1String("PA");
    default: return false;
    }
}

// Contests in which only stations outside the organising country send serials: the own
// station sends one unless its prefix is the contest's own.
std::optional<bool> foreignerSendsSerial(int contest, const QString& own) {
    switch (contest) {
    case 100: return own != QLatin1String("YO");
    case 102: return own != QLatin1String("DL");
    case 105: return own != QLatin1String("HA");
    case 107: return !isSpanishPrefix(own);
    case 108: return own != QLatin1String("PA");
    default: return std::nullopt;
    }
}

bool advancesSerial(int contest, const QString& own, const QString& w, int nrConst) {
    if (const auto foreign = foreignerSendsSerial(contest, own)) return *foreign;
    switch (contest) {
    case 207: return w == QLatin1String("SP");
    case 208: return w == QLatin1String("4X");
    case 209: return w == QLatin1String("HB");
    case 211: return w == QLatin1String("UR");
    case 212: return w == QLatin1String("OK") || w == QLatin1String("OM");
    case 214: return nrConst == 200;
    default: return in(contest, {103, 202, 203, 204, 206, 213, 215});
    }
}

bool resumesSerial(int contest, const QString& own, int nrConst) {
    if (const auto foreign = foreignerSendsSerial(contest, own)) return *foreign;
    switch (contest) {
    case 204: return !own.startsWith(QLatin1Char('F'));
    case 206: return !isRussianPrefix(own);
    case 207: return own != QLatin1String("SP");
    case 208: return own != QLatin1String("4X");
    case 209: return own != QLatin1String("HB9");
    case 212: return own != QLatin1String("OK") && own != QLatin1String("OM");
    case 214: return nrConst == 200;
    default: return in(contest, {103, 202, 203, 211, 213, 215});
    }
}

bool sendsOwnExchange(int contest, int nrConst) {
    return contest == 205 || (contest == 214 && nrConst == 100);
}

bool hasNo160Marks(int contest) {
    return in(contest, {100, 102, 103, 104});
}

bool countsSecondMultiplier(int contest) {
    return contest == 201 || contest == 215;
}

} // namespace korvel::scoring
