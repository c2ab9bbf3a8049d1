// The call analysis and the contests' rules on their own: any call text through the call
// rules and the country resolution against a small table kept in memory, and the country,
// continent and zone texts of the input through every contest's points, admission and
// serial rules.
#include "scoring/call_analysis.h"
#include "scoring/contests/registry.h"
#include "scoring/country_resolution.h"
#include "tests/fuzz/fuzz_support.h"

#include <QHash>
#include <QStringList>

#include <cstdlib>

using namespace korvel;
using namespace korvel::scoring;

namespace {

store::CountryRow row(const char* pfx, const char* ctyPfx, const char* cnt) {
    store::CountryRow r;
    r.pfx = QLatin1String(pfx);
    r.ctyPfx = QLatin1String(ctyPfx);
    r.cnt = QLatin1String(cnt);
    r.country = r.ctyPfx;
    r.cq = QStringLiteral("14");
    r.itu = QStringLiteral("28");
    r.qraLoc = QStringLiteral("JO51AA");
    return r;
}

// A few prefixes, exact calls and the keys of the national mappings.
const QHash<QString, store::CountryRow>& table() {
    static const QHash<QString, store::CountryRow> t = [] {
        QHash<QString, store::CountryRow> h;
        for (const store::CountryRow& r :
             {row("DL", "DL", "Eu"), row("YO", "YO", "Eu"), row("K", "K", "Na"),
              row("KH6", "KH6", "Oc"), row("VE", "VE", "Na"), row("VE4", "VE", "Na"),
              row("UA", "UA", "Eu"), row("UA9", "UA9", "As"), row("R1FJ", "R1FJ", "Eu"),
              row("BY", "BY", "As"), row("3DA", "3DA", "Af"), row("=DL0ABC", "YO", "Eu"),
              row("JA", "JA", "As"), row("PY", "PY", "Sa"), row("ZS", "ZS", "Af")})
            h.insert(r.pfx, r);
        return h;
    }();
    return t;
}

CountryLookups lookups() {
    CountryLookups find;
    find.exactCall = [](const QString& call) -> std::optional<store::CountryRow> {
        const auto it = table().constFind(QLatin1Char('=') + call);
        return it == table().constEnd() ? std::nullopt : std::optional(*it);
    };
    find.longestPrefix = [](const QString& key) -> std::optional<store::CountryRow> {
        for (qsizetype n = std::min<qsizetype>(key.size(), 15); n > 0; --n)
            if (const auto it = table().constFind(key.left(n)); it != table().constEnd())
                return *it;
        return std::nullopt;
    };
    return find;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Fields of the input, separated by new lines: call, own prefix, worked prefix,
    // continents, zone, band.
    const QStringList f = fuzz::text(data, size).split(QLatin1Char('\n'));
    const auto field = [&](int i) { return i < f.size() ? f[i] : QString(); };

    const QString call = loggedCall(field(0));
    if (call.size() > kMaxCallChars) std::abort();
    const MappedKey mapped = nationalMapping(call);
    if ((mapped.mark == 0) != mapped.key.isEmpty()) std::abort();
    (void)wpxPrefix(call, field(2));
    (void)isPortable(call);
    (void)twoDigitZone(field(5));
    (void)russianCallArea(field(0));
    (void)scandinavianDistrict(field(2), call);
    (void)leadingNumber(field(5));
    (void)isNumber(field(5));
    const QString part = countryPart(call);
    if (part.size() > call.size()) std::abort();
    static const CountryLookups find = lookups();
    (void)resolveCountry(call, find);

    PointsInput in;
    in.band = field(6).toInt();
    in.myPrfx = field(1);
    in.workedPfx = field(2);
    in.myCont = field(3);
    in.workedCont = field(4);
    in.myZone = in.workedItu = field(5);
    in.workedPortable = isPortable(call);
    in.bothFixed = !in.workedPortable;
    for (const Contest* contest : contests()) {
        in.contest = contest->info.code;
        (void)contest->qsoPoints(in);
        (void)computeQsoPoints(in);
        (void)contest->admits(in.myPrfx, in.workedPfx);
        (void)contest->padsReceivedSerial(in.workedPfx);
    }
    return 0;
}
