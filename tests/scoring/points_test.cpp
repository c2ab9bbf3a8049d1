#include "scoring/contests/registry.h"

#include <gtest/gtest.h>

using namespace korvel::scoring;

namespace {

// One QSO: contest, own prefix and continent, worked prefix and continent, band, and the
// points expected (nullptr: no rule applies).
struct Case {
    int contest;
    const char *my, *myCont, *worked, *workedCont;
    int band;
    const char* points;
};

void check(const PointsInput& in, const char* points) {
    const std::optional<QString> got = computeQsoPoints(in);
    const std::string what = std::to_string(in.contest) + " " + in.myPrfx.toStdString() + " " +
                             in.workedPfx.toStdString() + " " + in.workedCont.toStdString() + " " +
                             std::to_string(in.band) + " m";
    if (!points)
        EXPECT_FALSE(got.has_value()) << what;
    else
        EXPECT_EQ(got.value_or(QStringLiteral("none")).toStdString(), points) << what;
}

PointsInput make(const Case& c) {
    PointsInput in;
    in.contest = c.contest;
    in.band = c.band;
    in.myPrfx = QString::fromLatin1(c.my);
    in.myCont = QString::fromLatin1(c.myCont);
    in.workedPfx = QString::fromLatin1(c.worked);
    in.workedCont = QString::fromLatin1(c.workedCont);
    return in;
}

void checkAll(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        check(make(c), c.points);
}

} // namespace

TEST(QsoPoints, NationalContests) {
    checkAll({{100, "YO", "Eu", "DL", "Eu", 20, "4"},  {100, "YO", "Eu", "YO", "Eu", 20, "4"},
              {100, "YO", "Eu", "W", "Na", 20, "8"},   {100, "DL", "Eu", "DL", "Eu", 20, "1"},
              {100, "DL", "Eu", "YO", "Eu", 20, "8"},  {100, "DL", "Eu", "F", "Eu", 20, "2"},
              {100, "DL", "Eu", "W", "Na", 20, "4"},   {102, "DL", "Eu", "DL", "Eu", 20, "1"},
              {102, "DL", "Eu", "F", "Eu", 20, "3"},   {102, "DL", "Eu", "JA", "As", 20, "5"},
              {102, "W", "Na", "DL", "Eu", 20, "3"},   {104, "YO", "Eu", "LZ", "Eu", 20, "10"},
              {104, "LZ", "Eu", "LZ", "Eu", 20, "10"}, {104, "LZ", "Eu", "YO", "Eu", 20, "1"},
              {104, "YO", "Eu", "W", "Na", 20, "3"},   {105, "HA", "Eu", "HA", "Eu", 20, "1"},
              {105, "HA", "Eu", "OE", "Eu", 20, "3"},  {105, "HA", "Eu", "VK", "Oc", 20, "5"},
              {105, "W", "Na", "HA", "Eu", 20, "6"},   {105, "W", "Na", "VE", "Na", 20, "1"},
              {105, "W", "Na", "DL", "Eu", 20, "3"},   {106, "YO", "Eu", "W", "Na", 20, "1"},
              {107, "YO", "Eu", "EA", "Eu", 20, "1"},  {108, "YO", "Eu", "PA", "Eu", 20, "1"}});
}

TEST(QsoPoints, FieldDayPortableAndFixed) {
    struct FdCase {
        bool workedPortable, bothFixed;
        const char *workedCont, *points;
    };
    // Two fixed stations score 0 whatever the continent; otherwise a portable worked
    // station scores 4 in Europe and 6 elsewhere, a fixed one 2 and 3.
    const FdCase cases[] = {{false, true, "Eu", "0"},  {false, true, "Na", "0"},
                            {false, false, "Eu", "2"}, {false, false, "Na", "3"},
                            {true, false, "Eu", "4"},  {true, false, "Af", "6"}};
    for (const FdCase& c : cases) {
        PointsInput in = make({103, "YO", "Eu", "DL", c.workedCont, 20, nullptr});
        in.workedPortable = c.workedPortable;
        in.bothFixed = c.bothFixed;
        check(in, c.points);
    }
}

TEST(QsoPoints, IaruHfZones) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"28", "28", "As", "1"}, {"28", "27", "Eu", "3"}, {"28", "08", "Na", "5"}};
    for (const auto& [myZone, workedItu, workedCont, points] : cases) {
        PointsInput in = make({200, "YO", "Eu", "W", workedCont, 20, nullptr});
        in.myZone = QString::fromLatin1(myZone);
        in.workedItu = QString::fromLatin1(workedItu);
        check(in, points);
    }
}

// CQ-WW: the own country scores 0; a continent corrected on the desk counts. CQ-WPX and
// TAC go by band; with no band chosen the band rows leave the points open.
TEST(QsoPoints, CqContests) {
    checkAll({{201, "YO", "Eu", "YO", "Eu", 20, "0"},
              {201, "YO", "Eu", "DL", "Eu", 20, "1"},
              {201, "YO", "Eu", "W", "Na", 20, "3"},
              {201, "YO", "Eu", "UA9", "Eu", 20, "1"},
              {202, "YO", "Eu", "YO", "Eu", 40, "1"},
              {202, "YO", "Eu", "DL", "Eu", 20, "1"},
              {202, "YO", "Eu", "DL", "Eu", 80, "2"},
              {202, "YO", "Eu", "W", "Na", 10, "3"},
              {202, "YO", "Eu", "W", "Na", 20, "3"},
              {202, "YO", "Eu", "W", "Na", 40, "6"},
              {202, "YO", "Eu", "W", "Na", 160, "6"},
              {202, "YO", "Eu", "W", "Na", 0, nullptr},
              {202, "YO", "Eu", "YO", "Eu", 0, "1"},
              {203, "YO", "Eu", "W", "Na", 80, "6"},
              {203, "YO", "Eu", "OK", "Eu", 15, "1"}});
}

// The other international contests; unknown codes have no rule.
TEST(QsoPoints, InternationalContests) {
    checkAll({{204, "YO", "Eu", "F", "Eu", 20, "1"},     {204, "W", "Na", "F", "Eu", 20, "3"},
              {205, "YO", "Eu", "K", "Na", 20, "3"},     {206, "UA", "Eu", "UA", "Eu", 20, "10"},
              {206, "YO", "Eu", "YO", "Eu", 20, "2"},    {206, "YO", "Eu", "DL", "Eu", 20, "3"},
              {206, "YO", "Eu", "W", "Na", 20, "5"},     {207, "YO", "Eu", "SP", "Eu", 20, "3"},
              {208, "YO", "Eu", "4X", "As", 20, "1"},    {208, "YO", "Eu", "4X", "As", 40, "2"},
              {208, "YO", "Eu", "4X", "As", 0, nullptr}, {209, "YO", "Eu", "HB", "Eu", 20, "3"},
              {210, "YO", "Eu", "JA", "As", 20, "1"},    {211, "YO", "Eu", "UR", "Eu", 20, "10"},
              {211, "YO", "Eu", "YO", "Eu", 20, "1"},    {211, "YO", "Eu", "DL", "Eu", 20, "2"},
              {211, "YO", "Eu", "W", "Na", 20, "3"},     {212, "YO", "Eu", "OK", "Eu", 20, "1"},
              {213, "YO", "Eu", "SM", "Eu", 20, "1"},    {214, "YO", "Eu", "W", "Na", 20, " "},
              {215, "YO", "Eu", "ON", "Eu", 20, "10"},   {215, "YO", "Eu", "OH0", "Eu", 20, "3"},
              {215, "YO", "Eu", "W", "Na", 20, "1"},     {101, "YO", "Eu", "W", "Na", 20, nullptr},
              {0, "YO", "Eu", "W", "Na", 20, nullptr}});
}

// The prefixes that count as Russia score 10 in Russian DX; UBA's country list scores 3.
TEST(QsoPoints, RussianAndUbaPrefixLists) {
    for (const char* p : {"UA", "UA9", "UA2", "R1FJ", "CE9", "R1MV"})
        checkAll({{206, "W", "Na", p, "As", 20, "10"}});
    for (const char* p : {"UR", "RA", "CE", "R1AN"})
        checkAll({{206, "W", "Na", p, "As", 20, "5"}});
    for (const char* p :
         {"9H", "5B", "CT3", "EA8", "F", "GU", "IS", "OJ0", "S5", "SV5", "SV9", "SY", "TK", "YO"})
        checkAll({{215, "W", "Na", p, "Eu", 20, "3"}});
    for (const char* p : {"UA", "W", "CT9", "SV1", "", "dl"})
        checkAll({{215, "W", "Na", p, "Eu", 20, "1"}});
}
