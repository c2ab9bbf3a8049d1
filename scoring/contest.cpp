#include "scoring/contest.h"

namespace korvel::scoring {

void markPerBand(ContestDesk& desk, const QString& key, const QString& none) {
    if (desk.isNewMark(key, true, false, false)) {
        desk.showNew();
        desk.state().MultValue = key;
    } else {
        desk.state().MultValue = none;
    }
}

void markSecondPerBand(ContestDesk& desk, const QString& key, const QString& none) {
    if (desk.isNewMark(key, true, false, true)) {
        desk.showNew();
        desk.state().Mult1Value = key;
    } else {
        desk.state().Mult1Value = none;
    }
}

void homeExchangeOrCountry(ContestDesk& desk, bool home, const QString& exchange) {
    markPerBand(desk, home ? exchange : desk.state().LookupCtyPfx);
}

std::optional<int> pointsByBand(int band, int high, int low) {
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

std::optional<QString> pointsText(std::optional<int> points) {
    if (!points) return std::nullopt;
    return QString::number(*points);
}

bool isOneOf(const QString& pfx, std::initializer_list<const char*> list) {
    for (const char* p : list)
        if (pfx == QLatin1String(p)) return true;
    return false;
}

void offerSubEntitiesOf(ContestDesk& desk) {
    const QString& w = desk.state().LookupCtyPfx;
    if (w == QLatin1String("GM"))
        desk.offerSubEntities({QStringLiteral("GM"), QStringLiteral("SH")});
    else if (w == QLatin1String("JW"))
        desk.offerSubEntities({QStringLiteral("JW"), QStringLiteral("JW/B")});
    else if (w == QLatin1String("SV"))
        desk.offerSubEntities({QStringLiteral("SV"), QStringLiteral("SV/A")});
}

} // namespace korvel::scoring
