#include "scoring/exchange_tables.h"

#include <gtest/gtest.h>

using namespace korvel::scoring;

namespace {

QStringList list(const char* blankSeparated) {
    return QString::fromLatin1(blankSeparated).split(u' ', Qt::SkipEmptyParts);
}

} // namespace

TEST(PickLists, EntriesInOfferedOrder) {
    struct Case {
        const char* what;
        QStringList got;
        const char* expected;
    };
    const Case cases[] = {
        {"YO2", yoCounties(u'2'), "AR CS HD TM"},
        {"YO3", yoCounties(u'3'), "BU IF"},
        {"YO5", yoCounties(u'5'), "AB BH BN CJ MM SJ SM"},
        {"YO9", yoCounties(u'9'), "BZ CL DB GR IL PH TR"},
        {"YO1", yoCounties(u'1'), ""},
        {"YO0", yoCounties(u'0'), ""},
        {"YO/", yoCounties(u'/'), ""},
        {"HA0", haCounties(u'0'), "SA HB"},
        {"HA3", haCounties(u'3'), "SO TO BA"},
        {"HA4", haCounties(u'4'), "FE"},
        {"HA8", haCounties(u'8'), "BE CS BN"},
        {"HA9", haCounties(u'9'), "BO"},
        {"EA1", eaProvinces(u'1'), "AV BU C LE LO LU O P PO S SA SG SO ZA VA"},
        {"EA3", eaProvinces(u'3'), "B GE/GI L T"},
        {"EA6", eaProvinces(u'6'), "PM"},
        {"EA0", eaProvinces(u'0'), ""},
        {"PA", paccProvinces(), "DR FL FR GD GR LB NB NH OV UT ZH ZL"},
        {"JA1", keymenPrefectures(QStringLiteral("JA1ABC")), "CB GM IB KN MT OG ST TG TK YN"},
        {"7K4", keymenPrefectures(QStringLiteral("7K4XYZ")), "CB GM IB KN MT OG ST TG TK YN"},
        {"7N2", keymenPrefectures(QStringLiteral("7N2AA")), "CB GM IB KN MT OG ST TG TK YN"},
        {"7J1", keymenPrefectures(QStringLiteral("7J1AAA")), "CB GM IB KN MT OG ST TG TK YN"},
        {"7J3", keymenPrefectures(QStringLiteral("7J3AAA")), "HG KT NR OS SI WK"},
        {"JH8", keymenPrefectures(QStringLiteral("JH8ABC")),
         "AB HD HY IR IS KK KR NM OM RM SB SC SY TC"},
        {"JA0", keymenPrefectures(QStringLiteral("JA0AA")), "NI NN"},
        {"JA", keymenPrefectures(QStringLiteral("JA")), ""},
        {"K", iaruZones(QStringLiteral("K")), "06 07 08"},
        {"KL", iaruZones(QStringLiteral("KL")), "1 2"},
        {"OX", iaruZones(QStringLiteral("OX")), "5 75"},
        {"UA9", iaruZones(QStringLiteral("UA9")), "20 21 22 23 24 25 26 30 31 32 33 34 35 75"},
        {"VE", iaruZones(QStringLiteral("VE")), "02 03 04 09 75"},
        {"DL", iaruZones(QStringLiteral("DL")), ""}};
    for (const Case& c : cases)
        EXPECT_EQ(c.got, list(c.expected)) << c.what << ": " << c.got.join(u' ').toStdString();
}

TEST(PickLists, LearnedBucharestSectorsShowAsBU) {
    const std::pair<const char*, const char*> cases[] = {{"B1", "BU"}, {"B3", "BU"},   {"B6", "BU"},
                                                         {"BU", "BU"}, {" B2 ", "BU"}, {"B7", "B7"},
                                                         {"BH", "BH"}, {"CJ", "CJ"},   {"", ""}};
    for (const auto& [learned, offered] : cases)
        EXPECT_EQ(normaliseCounty(QString::fromLatin1(learned)).toStdString(), offered) << learned;
}

TEST(CountyCompletion, EveryTableEntry) {
    struct Case {
        bool yo;
        char area;
        const char* pairs; // letter and county, blank separated
    };
    const Case cases[] = {{true, '2', "A AR C CS H HD T TM"},
                          {true, '3', "B BU I IF"},
                          {true, '4', "B BR C CT G GL T TL V VN"},
                          {true, '5', "A AB C CJ M MM"},
                          {true, '6', "B BV C CV H HR M MS S SB"},
                          {true, '7', "A AG D DJ G GJ M MH O OT V VL"},
                          {true, '8', "I IS N NT S SV V VS"},
                          {true, '9', "B BZ C CL D DB G GR I IL P PH T TR"},
                          {false, '0', "S SA H HB"},
                          {false, '1', "Z ZA G GY V VA"},
                          {false, '2', "K KO V VE"},
                          {false, '3', "B BA S SO T TO"},
                          {false, '6', "N NG H HE"},
                          {false, '7', "P PE S SZ"},
                          {false, '8', "C CS"}};
    for (const Case& c : cases) {
        const QStringList pairs = list(c.pairs);
        for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
            EXPECT_EQ(completeCounty(c.yo, QChar(c.area), pairs[i]), pairs[i + 1])
                << (c.yo ? "YO" : "HA") << c.area << " " << pairs[i].toStdString();
    }
}

TEST(CountyCompletion, LettersLeftAlone) {
    struct Case {
        bool yo;
        char area;
        const char* letter;
    };
    const Case cases[] = {{true, '5', "B"},  // BH or BN
                          {true, '5', "S"},  // SJ or SM
                          {true, '8', "B"},  // BC or BT
                          {true, '2', "X"},  // no county
                          {true, '1', "A"},  // no such area
                          {true, '2', "AR"}, // only single letters
                          {true, '2', "1"},  {true, '2', ""},  {false, '8', "B"}, // BE or BN
                          {false, '4', "F"}, // FE is prefilled, not completed
                          {false, '5', "B"}, {false, '9', "B"}};
    for (const Case& c : cases)
        EXPECT_TRUE(completeCounty(c.yo, QChar(c.area), QString::fromLatin1(c.letter)).isEmpty())
            << (c.yo ? "YO" : "HA") << c.area << " " << c.letter;
    EXPECT_EQ(completeCounty(true, u'2', QStringLiteral("a")), QStringLiteral("AR"));
}

TEST(ExchangePrefills, ArrlProvinceByFirstThreeCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"VE1ABC", "NS"}, {"VE2AA", "QC"}, {"VE3XYZ", "ON"}, {"VE8AA", "NWT"}, {"VE9AA", "NB"},
        {"VO1AA", "NF"},  {"VO2AA", "LB"}, {"VY0AA", "NU"},  {"VY1AA", "YT"},  {"VY2ZZ", "PEI"},
        {" VE7A ", "BC"}, {"VA3ABC", ""},  {"VE0AA", ""},    {"VE", ""}};
    for (const auto& [call, province] : cases)
        EXPECT_EQ(arrlProvince(QString::fromLatin1(call)).toStdString(), province) << call;
}

TEST(ExchangePrefills, RefOverseasPrefixes) {
    for (const char* p : {"FG", "FJ", "FH", "FK", "FM", "FO", "FP", "FR", "FS", "FT", "FW", "FY"})
        EXPECT_TRUE(isRefOverseasPrefix(QString::fromLatin1(p))) << p;
    for (const char* p : {"F", "TK", "FX", "", "fg"})
        EXPECT_FALSE(isRefOverseasPrefix(QString::fromLatin1(p))) << p;
}
