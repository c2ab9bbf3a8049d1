// The registry: one line per contest. A new contest is one file in this folder and one line
// here.
#include "scoring/contests/registry.h"

#include <algorithm>
#include <array>

namespace korvel::scoring {

const Contest& yoDxHf();
const Contest& darcWag();
const Contest& iaruFieldDay();
const Contest& lzDx();
const Contest& haDx();
const Contest& euChamp();
const Contest& kingOfSpain();
const Contest& pacc();
const Contest& iaruHf();
const Contest& cqWw();
const Contest& cqWpx();
const Contest& tac();
const Contest& ref();
const Contest& arrlDx();
const Contest& russianDx();
const Contest& spDx();
const Contest& holylandDx();
const Contest& helvetia();
const Contest& keymensClub();
const Contest& ukrainianDx();
const Contest& okOmDx();
const Contest& scandinavian();
const Contest& logGeneral();
const Contest& uba();

namespace {

const std::array<const Contest*, 24>& all() {
    static const std::array<const Contest*, 24> list = {
        &yoDxHf(),  &darcWag(),      &iaruFieldDay(), &lzDx(),        &haDx(),
        &euChamp(), &kingOfSpain(),  &pacc(),         &iaruHf(),      &cqWw(),
        &cqWpx(),   &tac(),          &ref(),          &arrlDx(),      &russianDx(),
        &spDx(),    &holylandDx(),   &helvetia(),     &keymensClub(), &ukrainianDx(),
        &okOmDx(),  &scandinavian(), &logGeneral(),   &uba(),
    };
    return list;
}

// Before a contest is chosen: no rules.
class NoContest final : public Contest {
public:
    NoContest() : Contest(row_) {}
    void detectMultiplier(ContestDesk&) const override {}
    std::optional<QString> qsoPoints(const PointsInput&) const override { return std::nullopt; }

private:
    static inline const ContestInfo row_{};
};

} // namespace

std::span<const Contest* const> contests() {
    return all();
}

const Contest* findContest(int code) {
    const auto& list = all();
    const auto it = std::find_if(list.begin(), list.end(),
                                 [code](const Contest* c) { return c->info.code == code; });
    return it == list.end() ? nullptr : *it;
}

const ContestInfo* catalogueRow(int code) {
    const Contest* c = findContest(code);
    return c ? &c->info : nullptr;
}

const ContestExports& contestExports(int code) {
    static const ContestExports unknown{};
    const ContestInfo* row = catalogueRow(code);
    return row ? row->exports : unknown;
}

const Contest& contestOrNone(int code) {
    static const NoContest none;
    const Contest* c = findContest(code);
    return c ? *c : none;
}

std::optional<QString> computeQsoPoints(const PointsInput& in) {
    return contestOrNone(in.contest).qsoPoints(in);
}

} // namespace korvel::scoring
