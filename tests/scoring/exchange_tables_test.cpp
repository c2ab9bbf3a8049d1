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
    // Several entries kept in their order, the areas without a table, and the boundaries
    // between the tables of one country.
    const Case cases[] = {
        {"YO5", yoCounties(u'5'), "AB BH BN CJ MM SJ SM"},
        {"YO1", yoCounties(u'1'), ""},
        {"YO0", yoCounties(u'0'), ""},
        {"YO/", yoCounties(u'/'), ""},
        {"HA0", haCounties(u'0'), "SA HB"},
        {"HA4", haCounties(u'4'), "FE"},
        {"EA3", eaProvinces(u'3'), "B GE/GI L T"},
        {"EA0", eaProvinces(u'0'), ""},
        {"PA", paccProvinces(), "DR FL FR GD GR LB NB NH OV UT ZH ZL"},
        {"JA1", keymenPrefectures(QStringLiteral("JA1ABC")), "CB GM IB KN MT OG ST TG TK YN"},
        {"7K4", keymenPrefectures(QStringLiteral("7K4XYZ")), "CB GM IB KN MT OG ST TG TK YN"},
        {"7J1", keymenPrefectures(QStringLiteral("7J1AAA")), "CB GM IB KN MT OG ST TG TK YN"},
        {"7J3", keymenPrefectures(QStringLiteral("7J3AAA")), "HG KT NR OS SI WK"},
        {"JA0", keymenPrefectures(QStringLiteral("JA0AA")), "NI NN"},
        {"JA", keymenPrefectures(QStringLiteral("JA")), ""},
        {"K", iaruZones(QStringLiteral("K")), "06 07 08"},
        {"OX", iaruZones(QStringLiteral("OX")), "5 75"},
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

TEST(CountyCompletion, SingleLetterCompletesTheOnlyCountyOfTheArea) {
    struct Case {
        bool yo;
        char area;
        const char *letter, *county;
    };
    const Case cases[] = {{true, '2', "A", "AR"},  {true, '3', "B", "BU"},
                          {true, '9', "T", "TR"},  {false, '0', "S", "SA"},
                          {false, '1', "Z", "ZA"}, {false, '8', "C", "CS"}};
    for (const Case& c : cases)
        EXPECT_EQ(completeCounty(c.yo, QChar(c.area), QString::fromLatin1(c.letter)),
                  QLatin1String(c.county))
            << (c.yo ? "YO" : "HA") << c.area << " " << c.letter;
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
        {"VE1ABC", "NS"}, {"VE8AA", "NWT"}, {"VY2ZZ", "PEI"}, {" VE7A ", "BC"},
        {"VA3ABC", ""},   {"VE0AA", ""},    {"VE", ""}};
    for (const auto& [call, province] : cases)
        EXPECT_EQ(arrlProvince(QString::fromLatin1(call)).toStdString(), province) << call;
}

TEST(ExchangePrefills, RefOverseasPrefixes) {
    for (const char* p : {"FG", "FY"})
        EXPECT_TRUE(isRefOverseasPrefix(QString::fromLatin1(p))) << p;
    for (const char* p : {"F", "TK", "FX", "", "fg"})
        EXPECT_FALSE(isRefOverseasPrefix(QString::fromLatin1(p))) << p;
}
