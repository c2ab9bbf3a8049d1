#pragma once
// The prefix-multiplier rules of CQ WPX, which TAC shares.

#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

class WpxRules : public Contest {
public:
    explicit WpxRules(const ContestInfo& row) : Contest(row) {}

    // The call's WPX prefix, new once in the whole contest.
    void detectMultiplier(ContestDesk& desk) const override;
    // Own country 1; own continent 1 on 10-20 m, 2 on 40-160 m; others 3 and 6.
    std::optional<QString> qsoPoints(const PointsInput& in) const override;

    bool advancesSerial(const QString&, const QString&, Numbering) const override { return true; }
    bool resumesSerial(const QString&, Numbering) const override { return true; }
    void afterGrid(ContestDesk& desk) const override { desk.detectMultiplier(); }
    const char* multCaption() const override { return "Prefix"; }
};

} // namespace korvel::scoring
