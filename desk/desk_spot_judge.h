#pragma once
// How the running contest would count a spotted call on a band, judged the way the desk
// analyses a typed call but on a copy of the shared state: the entry on the desk, its
// marks and the desk's multiplier values stay as they are.
//
// A dupe follows the contest's dupe rule on the spot's band (and the desk's mode where the
// rule counts modes). A new multiplier is what the contest's multiplier rule calls new
// with the exchange the country prefills (a CQ zone, an ITU zone); an exchange that only
// the operator can type (a serial number, a county) is not guessed.

#include "core/shared_state.h"
#include "desk/band_map.h"
#include "scoring/contest.h"
#include "store/reference_data.h"

namespace korvel {

class DeskSpotJudge final : public cluster::SpotJudge {
public:
    DeskSpotJudge(const SharedState& state, store::Databases& dbs) : s_(state), dbs_(dbs) {}
    cluster::SpotMark judge(const QString& call, int band) override;

private:
    const SharedState& s_;
    store::Databases& dbs_;
};

} // namespace korvel
