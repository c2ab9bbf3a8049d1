#include "scoring/country_resolution.h"

#include "scoring/call_analysis.h"

#include <QStringList>

namespace korvel::scoring {

namespace {

// Designators after a "/" that leave the country as it is.
bool keepsCountry(const QString& part) {
    static const QStringList designators = {
        QStringLiteral("P"),   QStringLiteral("M"), QStringLiteral("MM"), QStringLiteral("AM"),
        QStringLiteral("QRP"), QStringLiteral("A"), QStringLiteral("LH")};
    return designators.contains(part) || (part.size() == 1 && part[0].isDigit());
}

} // namespace

QString countryPart(const QString& call) {
    QStringList parts = call.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    while (parts.size() > 1 && keepsCountry(parts.back()))
        parts.removeLast();
    if (parts.isEmpty()) return call;
    QString shortest = parts.front();
    for (const QString& p : parts)
        if (p.size() < shortest.size()) shortest = p;
    return shortest;
}

std::optional<store::CountryRow> resolveCountry(const QString& call, const CountryLookups& find) {
    if (call.isEmpty()) return std::nullopt;
    if (auto exact = find.exactCall(call)) return exact;
    const QString part = countryPart(call);
    if (auto row = find.longestPrefix(part)) return row;
    const MappedKey mapped = nationalMapping(part);
    if (mapped.mark) return find.longestPrefix(mapped.key);
    return std::nullopt;
}

} // namespace korvel::scoring
