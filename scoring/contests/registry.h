#pragma once
// The built-in contests in the order of the setup screen's contest frame.

#include "scoring/contest.h"

#include <span>

namespace korvel::scoring {

std::span<const Contest* const> contests();

// The contest of a code, or nullptr for an unknown code (there is no 101).
const Contest* findContest(int code);

// The catalogue row of a code, or nullptr for an unknown code.
const ContestInfo* catalogueRow(int code);

// The export facts of a code; an unknown code gets every export offered and nothing counted
// beyond 10 to 80 m.
const ContestExports& contestExports(int code);

// The contest of a code; an unknown code gets a contest without rules (no multipliers, no
// points), so that the desk can run before a contest is chosen.
const Contest& contestOrNone(int code);

// The points text of a QSO by the rules of `in.contest` (see Contest::qsoPoints).
std::optional<QString> computeQsoPoints(const PointsInput& in);

} // namespace korvel::scoring
