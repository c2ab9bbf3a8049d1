#include "scoring/exchange_tables.h"

#include <array>

namespace korvel::scoring {

namespace {

// The tables hold each list as one text of blank-separated entries, in the order offered.
QStringList toList(const char* entries) {
    return QString::fromLatin1(entries).split(u' ', Qt::SkipEmptyParts);
}

// Lists indexed by a call-area digit; an empty text is an area without a list.
using AreaTable = std::array<const char*, 10>;

QStringList byArea(const AreaTable& table, QChar area) {
    if (area < u'0' || area > u'9') return {};
    return toList(table[area.unicode() - u'0']);
}

constexpr AreaTable kYoCounties = {
    "",
    "",
    "AR CS HD TM",
    "BU IF",
    "BR CT GL TL VN",
    "AB BH BN CJ MM SJ SM",
    "BV CV HR MS SB",
    "AG DJ GJ MH OT VL",
    "BC BT IS NT SV VS",
    "BZ CL DB GR IL PH TR",
};

constexpr AreaTable kHaCounties = {
    "SA HB", "ZA GY VA", "KO VE", "SO TO BA", "FE", "BP", "NG HE", "PE SZ", "BE CS BN", "BO",
};

constexpr AreaTable kEaProvinces = {
    "",
    "AV BU C LE LO LU O P PO S SA SG SO ZA VA",
    "BI HU NA SS E VI Z",
    "B GE/GI L T",
    "BA CC CR CU GU M TO",
    "A AB CS MU V",
    "PM",
    "AL CA CO GR H J MA SE",
    "GC TF",
    "CE ML",
};

constexpr AreaTable kKeymenPrefectures = {
    "NI NN",
    "CB GM IB KN MT OG ST TG TK YN",
    "AC GF ME SO",
    "HG KT NR OS SI WK",
    "HS OY SN TT YG",
    "EH KA KC TS",
    "FO KG KM MZ ON OT SG",
    "AM AT FS IT MG YM",
    "AB HD HY IR IS KK KR NM OM RM SB SC SY TC",
    "FI IK TY",
};

constexpr const char* kPaccProvinces = "DR FL FR GD GR LB NB NH OV UT ZH ZL";

struct Pair {
    const char* key;
    const char* value;
};

// The zones are offered as written, "1" and "5" included.
constexpr Pair kIaruZones[] = {
    {"BY", "33 42 43 44"},
    {"CE", "14 16"},
    {"CE9", "67 69 70 71 72 73 74"},
    {"CP", "12 14"},
    {"EX", "30 31"},
    {"JT", "32 33"},
    {"K", "06 07 08"},
    {"KH1", "61 62"},
    {"KL", "1 2"},
    {"LU", "14 16"},
    {"OX", "5 75"},
    {"PY", "12 13 15"},
    {"ST", "47 48"},
    {"T32", "61 63"},
    {"UA", "19 20 29 30"},
    {"UA9", "20 21 22 23 24 25 26 30 31 32 33 34 35 75"},
    {"UN", "30 31"},
    {"VE", "02 03 04 09 75"},
    {"VK", "55 58 59 60"},
    {"VU", "41 49"},
    {"YB", "51 54"},
};

constexpr Pair kArrlProvinces[] = {
    {"VE1", "NS"}, {"VE2", "QC"}, {"VE3", "ON"},  {"VE4", "MB"},  {"VE5", "SK"},
    {"VE6", "AB"}, {"VE7", "BC"}, {"VE8", "NWT"}, {"VE9", "NB"},  {"VO1", "NF"},
    {"VO2", "LB"}, {"VY0", "NU"}, {"VY1", "YT"},  {"VY2", "PEI"},
};

template <std::size_t N> const char* valueOf(const Pair (&table)[N], const QString& key) {
    for (const Pair& p : table)
        if (key == QLatin1String(p.key)) return p.value;
    return nullptr;
}

} // namespace

QStringList yoCounties(QChar area) {
    return byArea(kYoCounties, area);
}

QStringList haCounties(QChar area) {
    return byArea(kHaCounties, area);
}

QStringList eaProvinces(QChar area) {
    return byArea(kEaProvinces, area);
}

QStringList paccProvinces() {
    return toList(kPaccProvinces);
}

QStringList keymenPrefectures(const QString& call) {
    const QString c = call.trimmed().toUpper();
    if (c.size() >= 2 && c[0] == u'7' && c[1] >= u'K' && c[1] <= u'N')
        return byArea(kKeymenPrefectures, u'1');
    return c.size() > 2 ? byArea(kKeymenPrefectures, c[2]) : QStringList();
}

QStringList iaruZones(const QString& ctyPfx) {
    const char* zones = valueOf(kIaruZones, ctyPfx);
    return zones ? toList(zones) : QStringList();
}

QString normaliseCounty(const QString& county) {
    const QString c = county.trimmed();
    if (c.size() == 2 && c[0] == u'B' && ((c[1] >= u'1' && c[1] <= u'6') || c[1] == u'U'))
        return QStringLiteral("BU");
    return county;
}

// The completion tables are the unambiguous initials of the pick lists. HA areas with a
// single county complete nothing: the desk prefills that county without asking.
QString completeCounty(bool yo, QChar area, const QString& letter) {
    const QString l = letter.trimmed().toUpper();
    if (l.size() != 1 || !l[0].isLetter()) return {};
    const QStringList counties = yo ? yoCounties(area) : haCounties(area);
    if (counties.size() < 2) return {};
    QString found;
    for (const QString& county : counties) {
        if (!county.startsWith(l[0])) continue;
        if (!found.isEmpty()) return {};
        found = county;
    }
    return found;
}

QString arrlProvince(const QString& call) {
    const char* province = valueOf(kArrlProvinces, call.trimmed().left(3));
    return province ? QString::fromLatin1(province) : QString();
}

bool isRefOverseasPrefix(const QString& ctyPfx) {
    static const QStringList overseas = toList("FG FJ FH FK FM FO FP FR FS FT FW FY");
    return overseas.contains(ctyPfx);
}

} // namespace korvel::scoring
