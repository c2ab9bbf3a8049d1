#pragma once
// Re-scoring: the band tallies recounted from the stored log, and the totals the review
// screen and the exports show. The marks and points stored with each QSO are counted; who
// was a multiplier and what a QSO was worth is not decided again.

#include "core/contest_exports.h"
#include "core/shared_state.h"
#include "store/log_store.h"

#include <array>
#include <cstdint>

namespace korvel::review {

using Tallies = std::array<BandTally, 6>; // in the order of kBands

// QSOs, points and multipliers of the log by band. A row of another band is not counted. On
// a read error the tallies are zero and `ok` is false.
Tallies rescore(store::LogStore& log, const ContestExports& contest, bool* ok = nullptr);

struct Totals {
    std::int64_t qsos = 0;
    std::int64_t points = 0;
    std::int64_t mults = 0;
    std::int64_t score() const { return points * mults; }
};

// The claimed totals of the Cabrillo and STF headers.
Totals claimedTotals(const Tallies& t, const ContestExports& contest);
// The band-summary fields of Log General.
Totals logGeneralTotals(const Tallies& t, const ContestExports& contest);
// The totals formed at the end of an export pass.
Totals exportPassTotals(const Tallies& t, const ContestExports& contest);

} // namespace korvel::review
