#pragma once
// Contests of one home country: only its stations may be worked (unless a contest says
// otherwise); they send their area and a serial comes from everybody else. A home station's
// area counts per band, a foreign station's country.

#include "scoring/contests/contest_kit.h"

namespace korvel::scoring {

class HomeCountryRules : public Contest {
public:
    HomeCountryRules(const ContestInfo& row, std::span<const std::string_view> home)
        : Contest(row), home_(home) {}

    bool isHome(const QString& pfx) const { return kit::isListed(pfx, home_); }

    bool admits(const QString&, const QString& w) const override { return isHome(w); }
    void detectMultiplier(ContestDesk& desk) const override {
        homeExchangeOrCountry(desk, isHome(kit::worked(desk)), areaKey(kit::received(desk)));
    }
    QString bandMarkKey(ContestDesk& desk) const override {
        return isHome(kit::worked(desk)) ? QString() : desk.shownPrefix();
    }
    bool advancesSerial(const QString&, const QString& w, Numbering) const override {
        return isHome(w);
    }
    bool resumesSerial(const QString& own, Numbering) const override { return !isHome(own); }
    void afterGrid(ContestDesk& desk) const override { desk.detectMultiplier(); }

protected:
    // The multiplier key of a home station's received area.
    virtual QString areaKey(const QString& received) const { return received; }

private:
    std::span<const std::string_view> home_;
};

} // namespace korvel::scoring
