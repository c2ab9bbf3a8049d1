#include "desk/band_map.h"

#include <cmath>

namespace korvel::cluster {

forms::Rgb markColour(SpotMark mark) {
    switch (mark) {
    case SpotMark::Dupe: return {128, 128, 128};
    case SpotMark::NewMultiplier: return forms::colour::kRed;
    case SpotMark::NewQso: break;
    }
    return {0, 0, 0};
}

QString BandMapRow::text() const {
    return QString::number(kHz, 'f', 1).leftJustified(9) + QLatin1Char(' ') + call;
}

void BandMap::setBand(int band) {
    if (band == band_) return;
    band_ = band;
    rows_.clear();
    judged_.clear();
}

void BandMap::show(const SpotStore& spots) {
    rows_.clear();
    for (const DxSpot& s : spots.ofBand(band_))
        rows_.push_back({s.kHz, s.call, s.spotter, s.comment, s.time, mark(s.call)});
}

void BandMap::rejudge() {
    judged_.clear();
    for (BandMapRow& r : rows_)
        r.mark = mark(r.call);
}

SpotMark BandMap::mark(const QString& call) {
    const auto it = judged_.find(call);
    if (it != judged_.end()) return it->second;
    return judged_[call] = judge_.judge(call, band_);
}

QStringList BandMap::lines() const {
    QStringList l;
    for (const BandMapRow& r : rows_)
        l << r.text();
    return l;
}

std::optional<BandMapPick> BandMap::pick(int row) const {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return std::nullopt;
    const BandMapRow& r = rows_[static_cast<std::size_t>(row)];
    return BandMapPick{r.call, std::llround(r.kHz * 1000.0)};
}

int BandMap::nearest(double kHz) const {
    int best = -1;
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i)
        if (best < 0 || std::abs(rows_[i].kHz - kHz) < std::abs(rows_[best].kHz - kHz)) best = i;
    return best;
}

} // namespace korvel::cluster
