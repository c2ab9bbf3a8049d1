#include "scoring/call_analysis.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace korvel::scoring;

namespace {

QString q(const char* s) {
    return QString::fromLatin1(s);
}
std::string str(const QString& s) {
    return s.toStdString();
}

using TextCases = std::initializer_list<std::pair<const char*, const char*>>;

} // namespace

TEST(NationalMapping, MappedBlocks) {
    struct Case {
        const char* call;
        int mark;
        const char* key;
    };
    // Russian: two letters keep the rest from position 3 (10), a letter and a digit from
    // position 2 (11); Canada, China and the USA mark 20.
    const Case cases[] = {
        {"UA9ABC", 10, "RA9ABC"}, {"UI8A", 10, "RA8A"},    {"RB5A", 10, "RA5A"},
        {"RP9X", 10, "RA9X"},     {"RR9X", 10, "RA9X"},    {"RZ3AA", 10, "RA3AA"},
        {"R3ABC", 11, "RA3ABC"},  {"R0AA", 11, "RA0AA"},   {"R9AA", 11, "RA9AA"},
        {"U1AA", 11, "RA1AA"},    {"U6AA", 11, "RA6AA"},   {"U9AA", 11, "RA9AA"},
        {"VO1AA", 20, "VE1AA"},   {"VA3X", 20, "VE3X"},    {"VG3X", 20, "VE3X"},
        {"VX9A", 20, "VE9A"},     {"VY2ZZ", 20, "VE2ZZ"},  {"VE3ABC", 20, "VE3ABC"},
        {"CF3A", 20, "VE3A"},     {"CK2A", 20, "VE2A"},    {"XJ1A", 20, "VE1A"},
        {"XO1A", 20, "VE1A"},     {"BV2A", 20, "BY2A"},    {"BA1AA", 20, "BY1AA"},
        {"BX2A", 20, "BY2A"},     {"BZ4A", 20, "BY4A"},    {"3H0A", 20, "BY0A"},
        {"3U8A", 20, "BY8A"},     {"WA6XYZ", 20, "K6XYZ"}, {"KZ1A", 20, "K1A"},
        {"NI5A", 20, "K5A"},      {"AA1A", 20, "K1A"},     {"AG4A", 20, "K4A"},
        {"AK1A", 20, "K1A"},      {"KG5AA", 20, "K5AA"},   {"KP6AB", 20, "K6AB"}};
    for (const Case& c : cases) {
        const MappedKey m = nationalMapping(q(c.call));
        EXPECT_EQ(m.mark, c.mark) << c.call;
        EXPECT_EQ(str(m.key), c.key) << c.call;
    }
}

TEST(NationalMapping, LookedUpAsTyped) {
    // Russian calls outside the blocks, XS, H in second place, a digit in second place, the
    // listed US blocks, other first characters, too short calls.
    const char* const calls[] = {
        "RA3ABC", "RQ0A", "R1FJ",  "R1MV",  "U2AA",   "U5AA", "UJ8A",  "UR5ABC", "VH2A", "VK2A",
        "CE3A",   "CL2A", "XP1A",  "BY1AA", "BW2A",   "3V8A", "3G0A",  "XS3A",   "XSA",  "KH6XX",
        "AH6A",   "WH7A", "KL7XX", "AL7A",  "NL7A",   "WL7A", "KP4XX", "KP1A",   "NP2A", "WP5A",
        "KG4XX",  "AM1A", "W1AW",  "K1ABC", "DL1ABC", "K",    ""};
    for (const char* call : calls) {
        const MappedKey m = nationalMapping(q(call));
        EXPECT_EQ(m.mark, 0) << call;
        EXPECT_TRUE(m.key.isEmpty()) << call;
    }
}

TEST(CallText, Normalising) {
    const char* const twenty = "OH2BH   ABCDEFGHIJKL";
    ASSERT_EQ(std::strlen(twenty), 20u);
    // Cut to 15 characters before the blanks go; case is the desk's business.
    for (const auto& [typed, expected] : TextCases{{"DL 1 ABC", "DL1ABC"},
                                                   {"  DL1ABC  ", "DL1ABC"},
                                                   {"dl1abc", "dl1abc"},
                                                   {twenty, "OH2BHABCDEFG"},
                                                   {"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNO"},
                                                   {"   ", ""}})
        EXPECT_EQ(str(normaliseCall(q(typed))), expected) << typed;
    // The logged call is in capitals and still at most 15 characters where a letter's capital
    // is two (German sharp s, the Armenian ligature of a cluster spot).
    EXPECT_EQ(loggedCall(QStringLiteral("dl 1abc")), QStringLiteral("DL1ABC"));
    EXPECT_EQ(loggedCall(QString(12, QChar(0xDF))), QString(15, QLatin1Char('S')));
    EXPECT_EQ(loggedCall(QString::fromUtf8("RK\u0587A'AC/U8AA'AC/ULAA")).size(), 15);
}

TEST(CallText, WpxPrefix) {
    // With no digit before the last character the country prefix "XX" gets a "0".
    for (const auto& [call, expected] : TextCases{{"DL1ABC", "DL1"},
                                                  {"W1AW", "W1"},
                                                  {"OH2BH", "OH2"},
                                                  {"DL10ABC", "DL10"},
                                                  {"9A1A", "9A1"},
                                                  {"3DA0RU", "3DA0"},
                                                  {"4X4AA", "4X4"},
                                                  {"2E0ABC", "2E0"},
                                                  {"DL1ABC/P", "DL1"},
                                                  {"9A", "9A"},
                                                  {"DLABC", "XX0"},
                                                  {"DLABC1", "XX0"},
                                                  {"A", "XX0"},
                                                  {"", "XX0"}})
        EXPECT_EQ(str(wpxPrefix(q(call), QStringLiteral("XX"))), expected) << call;
}

TEST(CallText, PortableSuffixes) {
    for (const char* call : {"DL1ABC/P", "DL1ABC/M", "DL1ABC/MM", "yo3ab/p "})
        EXPECT_TRUE(isPortable(q(call))) << call;
    for (const char* call : {"DL1ABC", "DL1ABC/QRP", "DL1ABC/AM", "P/DL1ABC"})
        EXPECT_FALSE(isPortable(q(call))) << call;
}

TEST(CallText, ZonesAndNumbers) {
    for (const auto& [zone, shown] :
         TextCases{{"5", "05"}, {" 7 ", "07"}, {"28", "28"}, {"0", ""}, {"00", ""}, {"", ""}})
        EXPECT_EQ(str(twoDigitZone(q(zone))), shown) << zone;

    const std::pair<const char*, long long> numbers[] = {
        {"014", 14}, {" 7", 7},      {"5NN", 5},
        {"PH", 0},   {"1000", 1000}, {"9999999999999999999999", 999999999999999999}};
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(leadingNumber(q(text)), value) << text;

    for (const char* text : {"007", " 12 "})
        EXPECT_TRUE(isNumber(q(text))) << text;
    for (const char* text : {"PH", "5A", "", "1 2", "-1"})
        EXPECT_FALSE(isNumber(q(text))) << text;
}

TEST(CallText, RussianCallAreaAndScandinavianDistrict) {
    // The last digit within the first 15 characters starts the area.
    for (const auto& [call, area] : TextCases{{"RA3ABC", "3A"},
                                              {"UA9XYZ/P", "9X"},
                                              {"UA9ABC1", "1"},
                                              {"UA0A2B", "2B"},
                                              {"ABC", ""},
                                              {"UA9AAAAAAAAAAAA1", "9A"}})
        EXPECT_EQ(str(russianCallArea(q(call))), area) << call;

    struct Case {
        const char *ctyPfx, *call, *district;
    };
    const Case cases[] = {{"LA", "LA1ABC", "LA1"}, {"OH", "OH2BH", "OH2"},   {"OH0", "OH0X", "OH0"},
                          {"OJ0", "OJ0B", "OJ0"},  {"TF", "TF/DL1A", "TF0"}, {"SM", "SM", "SM0"}};
    for (const Case& c : cases)
        EXPECT_EQ(str(scandinavianDistrict(q(c.ctyPfx), q(c.call))), c.district) << c.call;
}
