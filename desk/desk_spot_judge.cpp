#include "desk/desk_spot_judge.h"

#include "core/paths.h"
#include "scoring/call_analysis.h"
#include "scoring/contests/registry.h"
#include "scoring/country_resolution.h"

namespace korvel {

namespace {

// The desk as the contest's rules see it, for a call that is not on the desk: every
// value goes into a copy of the shared state and the multiplier marks are read for the
// spot's band.
class ProbeDesk final : public scoring::ContestDesk {
public:
    ProbeDesk(SharedState state, store::Databases& dbs, const scoring::Contest& contest)
        : s_(std::move(state)), dbs_(dbs), contest_(contest) {}

    bool newShown() const { return new_; }

    SharedState& state() override { return s_; }
    QString call() const override { return s_.LookupCall; }
    QString exchange() const override { return exchange_; }
    void setExchange(const QString& text) override { exchange_ = text; }
    void setSentExchange(const QString&) override {}
    QString shownPrefix() const override { return s_.LookupCtyPfx; }
    bool live() const override { return true; }
    bool refused() const override { return false; }
    bool isNewMark(const QString& key, bool perBand, bool perMode, bool second) override {
        const auto band = perBand ? std::optional<QString>(s_.BandText) : std::nullopt;
        const auto mode = perMode ? std::optional<QString>(s_.Mode) : std::nullopt;
        return !dbs_.log.hasMark(second ? store::MarkColumn::Mlt1 : store::MarkColumn::Mlt, key,
                                 band, mode) &&
               dbs_.log.lastError().isEmpty();
    }
    void showNew() override { new_ = true; }
    void detectMultiplier() override {
        if (detecting_) return;
        detecting_ = true;
        contest_.detectMultiplier(*this);
        detecting_ = false;
    }
    void exchangeListStep(const QStringList& entries) override {
        if (entries.size() == 1) exchange_ = entries.front();
    }
    void fillPickList(const QStringList&) override {}
    void hidePickList() override {}
    void offerSubEntities(const QStringList&) override {}
    void lookupLearned() override {}
    void lookupSociety() override {}
    std::optional<QString> societyOfCall(const QString& call) override {
        if (const auto society = dbs_.ref.societyByCall(call)) return society->society;
        return std::nullopt;
    }
    std::optional<QString> oblastOfArea(const QString&) override { return std::nullopt; }
    void focusCall() override {}
    void focusExchangeAtEnd() override {}
    void cursorToExchangeEnd() override {}
    void enableStore(bool) override {}
    void offLinePrefill() override {}
    QString& memo() override { return memo_; }

private:
    SharedState s_;
    store::Databases& dbs_;
    const scoring::Contest& contest_;
    QString exchange_ = QStringLiteral(" ");
    QString memo_;
    bool new_ = false;
    bool detecting_ = false;
};

} // namespace

cluster::SpotMark DeskSpotJudge::judge(const QString& spotted, int band) {
    const QString call = scoring::loggedCall(spotted);
    const QString bandText = bandToText(band, s_.BandText);
    const scoring::Contest& contest = scoring::contestOrNone(s_.ContestCode);
    switch (contest.dupeRule(s_.CwPhMode)) {
    case scoring::DupeRule::PerBand:
        if (dbs_.log.hasCallBand(call, bandText)) return cluster::SpotMark::Dupe;
        break;
    case scoring::DupeRule::PerBandAndMode:
        if (dbs_.log.hasCallBandMode(call, bandText, s_.Mode)) return cluster::SpotMark::Dupe;
        break;
    case scoring::DupeRule::None: break;
    }

    SharedState probe = s_;
    probe.Band = band;
    probe.BandText = bandText;
    probe.LookupCall = probe.RawCall = call;
    probe.RcvdExchange.clear();
    const std::optional<store::CountryRow> found = scoring::resolveCountry(
        call, {[this](const QString& c) { return dbs_.ref.countryByExactCall(c); },
               [this](const QString& k) { return dbs_.ref.countryByLongestPrefix(k); }});
    if (!found) return cluster::SpotMark::NewQso; // no country: nothing to count
    probe.LookupCountry = found->country;
    probe.LookupCnt = found->cnt;
    probe.LookupCtyPfx = found->ctyPfx;
    probe.LookupPfx = found->pfx;
    probe.LookupITU = scoring::twoDigitZone(found->itu);
    probe.LookupCQ = scoring::twoDigitZone(found->cq);
    probe.LookupBeam = found->beam;
    if (!contest.admits(probe.MyPrfx, probe.LookupCtyPfx)) return cluster::SpotMark::NewQso;

    ProbeDesk desk(std::move(probe), dbs_, contest);
    contest.onCountryFound(desk);
    desk.detectMultiplier();
    return desk.newShown() ? cluster::SpotMark::NewMultiplier : cluster::SpotMark::NewQso;
}

} // namespace korvel
