#include "scoring/geo.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvel::scoring;

namespace {

constexpr double kDeg = 3.14159265358979 / 180.0;

LatLon degrees(double lat, double lon) {
    return {lat * kDeg, lon * kDeg};
}

LatLon locator(const char* text) {
    bool ok = false;
    const LatLon p = locatorToCoordinates(QString::fromLatin1(text), &ok);
    EXPECT_TRUE(ok) << text;
    return p;
}

// Initial great-circle bearing by the atan2 form, in degrees 0..360.
double bearing(LatLon a, LatLon b) {
    const double d = b.lon - a.lon;
    const double y = std::sin(d) * std::cos(b.lat);
    const double x =
        std::cos(a.lat) * std::sin(b.lat) - std::sin(a.lat) * std::cos(b.lat) * std::cos(d);
    return std::fmod(std::atan2(y, x) / kDeg + 360.0, 360.0);
}

double angleBetween(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

} // namespace

TEST(Locator, SouthWestCornerOfTheSubSquare) {
    struct Case {
        const char* locator;
        double lat, lon; // degrees
    };
    const Case cases[] = {
        {"KN34MM", 44.5, 27.0}, // Bucharest's square, at its centre
        {"KN34", 44.5, 27.0},   // four characters count as ...MM
        {"KN34BK", 44.41666666666667, 26.08333333333333},
        {"kn34bk", 44.41666666666667, 26.08333333333333},
        {" FN30 ", 40.5, -73.0},
        {"JJ00AA", 0.0, 0.0},
        {"AA00AA", -90.0, -180.0},
        {"RR99XX", 89.95833333333333, 179.91666666666666},
        {"QF56", -33.5, 151.0},
        {"IO91WM5", 51.5, -0.16666666666666666}, // characters past the sixth are ignored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locator);
        const LatLon p = locator(c.locator);
        EXPECT_NEAR(p.lat, c.lat * kDeg, 1e-12);
        EXPECT_NEAR(p.lon, c.lon * kDeg, 1e-12);
    }
    const LatLon four = locatorToCoordinates(QStringLiteral("KO85"));
    const LatLon six = locatorToCoordinates(QStringLiteral("KO85MM"));
    EXPECT_EQ(four.lat, six.lat);
    EXPECT_EQ(four.lon, six.lon);
}

TEST(Locator, InvalidTextIsRejected) {
    for (const char* text : {"", "KN3", "KZ34", "SN34", "KN3A", "K134", "KN34YA", "KN34AZ"}) {
        bool ok = true;
        const LatLon p = locatorToCoordinates(QString::fromLatin1(text), &ok);
        EXPECT_FALSE(ok) << text;
        EXPECT_EQ(p.lat, 0.0);
        EXPECT_EQ(p.lon, 0.0);
    }
}

TEST(Beam, CityPairsMatchTheGreatCircle) {
    struct Case {
        const char *from, *to;
        LatLon a, b; // the same points worked out by hand from the squares' centres
    };
    const Case cases[] = {
        {"KN34", "FN30", degrees(44.5, 27.0), degrees(40.5, -73.0)},  // Bucharest - New York
        {"KN34", "PM95", degrees(44.5, 27.0), degrees(35.5, 139.0)},  // Bucharest - Tokyo
        {"KN34", "QF56", degrees(44.5, 27.0), degrees(-33.5, 151.0)}, // Bucharest - Sydney
        {"IO91", "KO85", degrees(51.5, -1.0), degrees(55.5, 37.0)},   // London - Moscow
        {"FN30", "KN34", degrees(40.5, -73.0), degrees(44.5, 27.0)},
        {"QF56", "IO91", degrees(-33.5, 151.0), degrees(51.5, -1.0)},
        {"PM95", "FN30", degrees(35.5, 139.0), degrees(40.5, -73.0)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        const int heading = computeBeam(locator(c.from), locator(c.to));
        EXPECT_GE(heading, 0);
        EXPECT_LE(heading, 360);
        EXPECT_LE(angleBetween(heading, bearing(c.a, c.b)), 1.0) << heading;
    }
}

TEST(Beam, CasesTheFormulaLeavesOpen) {
    struct Case {
        const char* what;
        LatLon own, worked;
        int heading;
    };
    const Case cases[] = {{"same position", degrees(44.5, 27.0), degrees(44.5, 27.0), 0},
                          {"antipode", degrees(0, 0), degrees(0, 180), 0},
                          {"due north", degrees(0, 10), degrees(30, 10), 0},
                          {"due north to the pole", degrees(44.5, 27.0), degrees(90, 27.0), 0},
                          {"due south", degrees(44.5, 27.0), degrees(-20, 27.0), 180},
                          {"due east on the equator", degrees(0, 0), degrees(0, 90), 90},
                          {"due west on the equator", degrees(0, 0), degrees(0, -90), 270}};
    for (const Case& c : cases)
        EXPECT_EQ(computeBeam(c.own, c.worked), c.heading) << c.what;
    for (double lat : {-90.0, 90.0}) { // an own station on a pole still gets a heading
        const int h = computeBeam(degrees(lat, 0), degrees(10, 40));
        EXPECT_TRUE(h >= 0 && h <= 360) << lat;
    }
}

TEST(Beam, Text) {
    EXPECT_EQ(beamText(47), QStringLiteral("47 \u00B0"));
}

TEST(Compass, NorthUpHeadingClockwise) {
    // heading -> where the line ends, on the outer circle of a square of 200 (screen y down)
    const std::tuple<int, double, double> ends[] = {
        {0, 0, -1}, {90, 1, 0}, {180, 0, 1}, {270, -1, 0}};
    for (const auto& [heading, dx, dy] : ends) {
        const CompassGeometry g = compassGeometry(heading, 200);
        EXPECT_DOUBLE_EQ(g.centre.x, 100);
        EXPECT_DOUBLE_EQ(g.centre.y, 100);
        EXPECT_NEAR(g.headingEnd.x, 100 + dx * g.outerRadius, 1e-9) << heading;
        EXPECT_NEAR(g.headingEnd.y, 100 + dy * g.outerRadius, 1e-9) << heading;
    }
    const CompassGeometry g = compassGeometry(45, 200);
    EXPECT_LT(g.innerRadius, g.outerRadius);
    // Letters at the four points, outside the outer circle and inside the square.
    const std::tuple<Point, double, double> letters[] = {
        {g.north, 0, -1}, {g.east, 1, 0}, {g.south, 0, 1}, {g.west, -1, 0}};
    for (const auto& [p, dx, dy] : letters) {
        const double r = std::hypot(p.x - 100, p.y - 100);
        EXPECT_GT(r, g.outerRadius);
        EXPECT_LT(r, 100);
        EXPECT_NEAR(p.x, 100 + dx * r, 1e-9);
        EXPECT_NEAR(p.y, 100 + dy * r, 1e-9);
    }
}
