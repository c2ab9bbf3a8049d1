#include "scoring/geo.h"

#include <cmath>

namespace korvel::scoring {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kHalfPi = 1.5708; // the heading formula's own rounding of pi / 2
constexpr double kDegree = kPi / 180.0;

// The arc cosine written the way the heading formula writes it; |v| < 1.
double arcCos(double v) {
    return std::atan(-v / std::sqrt(1.0 - v * v)) + kHalfPi;
}

bool isIn(QChar c, char16_t first, char16_t last) {
    return c >= first && c <= last;
}

} // namespace

LatLon locatorToCoordinates(const QString& locator, bool* ok) {
    QString loc = locator.trimmed().toUpper().left(6);
    const bool valid = loc.size() >= 4 && isIn(loc[0], u'A', u'R') && isIn(loc[1], u'A', u'R') &&
                       isIn(loc[2], u'0', u'9') && isIn(loc[3], u'0', u'9') &&
                       (loc.size() < 5 || isIn(loc[4], u'A', u'X')) &&
                       (loc.size() < 6 || isIn(loc[5], u'A', u'X'));
    if (ok) *ok = valid;
    if (!valid) return {};
    while (loc.size() < 6)
        loc += u'M';
    const auto code = [&loc](int i) { return double(loc[i].unicode()); };
    const double lon = (code(0) - 74) * 20 + 2 * (code(2) - '0') + (code(4) - 65) / 12;
    const double lat = (code(1) - 74) * 10 + (code(3) - '0') + (code(5) - 65) / 24;
    return {lat * kDegree, lon * kDegree};
}

int computeBeam(const LatLon& own, const LatLon& worked) {
    const double dLon = worked.lon - own.lon;
    const double x = std::sin(own.lat) * std::sin(worked.lat) +
                     std::cos(own.lat) * std::cos(worked.lat) * std::cos(dLon);
    if (!(x > -1.0 && x < 1.0)) return 0; // same place or antipode: every heading is as good
    const double c = arcCos(x);
    const double y = (std::sin(worked.lat) - std::sin(own.lat) * std::cos(c)) /
                     (std::cos(own.lat) * std::sin(c));
    if (std::isnan(y)) return 0;
    if (y >= 1.0) return 0;
    if (y <= -1.0) return 180;
    const double a = y == 0.0 ? 90.0 : std::nearbyint(arcCos(y) * 180.0 / kPi);
    return int(std::sin(dLon) >= 0.0 ? a : 360.0 - a);
}

QString beamText(int heading) {
    return QString::number(heading) + QStringLiteral(" \u00B0");
}

CompassGeometry compassGeometry(int heading, double size) {
    const Point centre{size / 2, size / 2};
    const auto at = [&centre](double degrees, double radius) {
        const double r = degrees * kDegree;
        return Point{centre.x + radius * std::sin(r), centre.y - radius * std::cos(r)};
    };
    CompassGeometry g;
    g.centre = centre;
    g.outerRadius = size * kOuterRadius;
    g.innerRadius = size * kInnerRadius;
    const double letters = size * kLetterRadius;
    g.north = at(0, letters);
    g.east = at(90, letters);
    g.south = at(180, letters);
    g.west = at(270, letters);
    g.headingEnd = at(heading, g.outerRadius);
    return g;
}

} // namespace korvel::scoring
