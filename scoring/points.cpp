#include "scoring/points.h"

#include <initializer_list>

namespace korvel::scoring {

namespace {

bool listed(const QString& pfx, std::initializer_list<const char*> list) {
    for (const char* p : list)
        if (pfx == QLatin1String(p)) return true;
    return false;
}

// Points that depend on the band: 10, 15 and 20 m give `high`, 40, 80 and 160 m `low`.
std::optional<int> byBand(int band, int high, int low) {
    switch (band) {
    case 10:
    case 15:
    case 20: return high;
    case 40:
    case 80:
    case 160: return low;
    default: return std::nullopt;
    }
}

std::optional<int> points(const PointsInput& in) {
    const bool sameCountry = in.workedPfx == in.myPrfx;
    const bool sameContinent = in.workedCont == in.myCont;
    const bool workedEu = in.workedCont == u"Eu";
    switch (in.contest) {
    case 100: // YO-DX-HF
        if (in.myPrfx == u"YO") return workedEu ? 4 : 8;
        if (sameCountry) return 1;
        if (in.workedPfx == u"YO") return 8;
        return sameContinent ? 2 : 4;
    case 102: // DARC-WAG
        if (in.myPrfx != u"DL") return 3;
        if (in.workedPfx == u"DL") return 1;
        return workedEu ? 3 : 5;
    case 103: // IARU-FD
        if (in.bothFixed) return 0;
        if (in.workedPortable) return workedEu ? 4 : 6;
        return workedEu ? 2 : 3;
    case 104: // LZ-DX
        if (in.workedPfx == u"LZ") return 10;
        return sameContinent ? 1 : 3;
    case 105: // HA-DX
        if (in.myPrfx == u"HA") {
            if (in.workedPfx == u"HA") return 1;
            return workedEu ? 3 : 5;
        }
        if (in.workedPfx == u"HA") return 6;
        return sameContinent ? 1 : 3;
    case 200: // IARU-HF
        if (in.workedItu == in.myZone) return 1;
        return sameContinent ? 3 : 5;
    case 201: // CQ-WW
        if (sameCountry) return 0;
        return sameContinent ? 1 : 3;
    case 202: // CQ-WPX
    case 203: // TAC, its bonus comes at storing
        if (sameCountry) return 1;
        return sameContinent ? byBand(in.band, 1, 2) : byBand(in.band, 3, 6);
    case 204: // REF
        return sameContinent ? 1 : 3;
    case 206: // Russian DX
        if (isRussianPrefix(in.workedPfx)) return 10;
        if (sameCountry) return 2;
        return sameContinent ? 3 : 5;
    case 208: // Holyland DX
        return byBand(in.band, 1, 2);
    case 211: // Ukrainian DX
        if (in.workedPfx == u"UR") return 10;
        if (sameCountry) return 1;
        return sameContinent ? 2 : 3;
    case 215: // UBA
        if (in.workedPfx == u"ON") return 10;
        return isUbaCountry(in.workedPfx) ? 3 : 1;
    case 205: // ARRL DX
    case 207: // SP DX
    case 209: // Helvetia
        return 3;
    case 106: // EU-CHAMP
    case 107: // King of Spain
    case 108: // PACC
    case 210: // Keymen's Club of Japan
    case 212: // OK-OM DX
    case 213: // Scandinavian
        return 1;
    default: return std::nullopt;
    }
}

} // namespace

std::optional<QString> computeQsoPoints(const PointsInput& in) {
    if (in.contest == 214) return QStringLiteral(" "); // Log General scores nothing
    const std::optional<int> p = points(in);
    if (!p) return std::nullopt;
    return QString::number(*p);
}

bool isRussianPrefix(const QString& ctyPfx) {
    return listed(ctyPfx, {"UA", "UA9", "UA2", "R1FJ", "CE9", "R1MV"});
}

bool isUbaCountry(const QString& ctyPfx) {
    return listed(ctyPfx,
                  {"9H", "5B", "CT", "CT3", "CU",  "DL", "EA",  "EA6", "EA8", "EI", "ES", "F",
                   "FM", "FG", "FR", "FY",  "GD",  "G",  "GI",  "GJ",  "GU",  "GM", "GW", "HA",
                   "IS", "I",  "LX", "LY",  "OE",  "LZ", "OH",  "OH0", "OJ0", "OK", "OM", "OZ",
                   "S5", "PA", "SM", "SP",  "SV5", "SV", "SV9", "SY",  "YL",  "TK", "YO"});
}

} // namespace korvel::scoring
