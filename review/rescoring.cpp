#include "review/rescoring.h"

namespace korvel::review {

Tallies rescore(store::LogStore& log, const ContestExports& contest, bool* ok) {
    Tallies t{};
    const auto totals = log.bandTotals();
    if (ok) *ok = log.lastError().isEmpty();
    for (const store::LogStore::BandTotals& b : totals) {
        bool numeric = false;
        const int index = bandIndex(b.bnd.toInt(&numeric));
        if (!numeric || index < 0) continue;
        BandTally& band = t[static_cast<std::size_t>(index)];
        band.qsos += static_cast<int>(b.qsos);
        band.points += b.points;
        band.mults += static_cast<int>(b.mlt + (contest.countsMlt1 ? b.mlt1 : 0));
    }
    return t;
}

namespace {

constexpr std::size_t k80 = 4, k160 = 5;

Totals sum(const Tallies& t, bool with160) {
    Totals s;
    for (std::size_t i = 0; i <= (with160 ? k160 : k80); ++i) {
        s.qsos += t[i].qsos;
        s.points += t[i].points;
        s.mults += t[i].mults;
    }
    return s;
}

} // namespace

Totals claimedTotals(const Tallies& t, const ContestExports& contest) {
    if (contest.claimsOnly80) return {t[k80].qsos, t[k80].points, t[k80].mults};
    return sum(t, contest.claims160);
}

Totals logGeneralTotals(const Tallies& t, const ContestExports& contest) {
    return sum(t, contest.logGeneral160);
}

Totals exportPassTotals(const Tallies& t, const ContestExports& contest) {
    return sum(t, contest.exportTotals160);
}

} // namespace korvel::review
