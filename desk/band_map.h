#pragma once
// The band map: the spots of the desk's band by frequency, each marked as the running
// contest sees the call: a dupe (grey), a new multiplier (red) or a new QSO (black).
//
// The marks come from a SpotJudge, which the desk implements with its own analysis
// without touching the entry. A judgement is kept until rejudge() (a QSO stored,
// corrected or deleted; the band or mode changed), so a burst of spots asks the judge
// once per call.

#include "desk/dx_spots.h"
#include "forms/control.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace korvel::cluster {

enum class SpotMark { NewQso, Dupe, NewMultiplier };

class SpotJudge {
public:
    virtual ~SpotJudge() = default;
    // How a QSO with `call` on `band` (metres) would count now.
    virtual SpotMark judge(const QString& call, int band) = 0;
};

// The colour of a mark's text: grey, red, black.
forms::Rgb markColour(SpotMark mark);

struct BandMapRow {
    double kHz = 0;
    QString call;
    QString spotter;
    QString comment;
    QString time;
    SpotMark mark = SpotMark::NewQso;
    // "14025.0 DL1ABC" with the call from column 10: the text of the row in a list.
    QString text() const;
};

// What a double click on a row asks for: the call into the call field as if typed, and
// the radio tuned to the spot when rig control is on.
struct BandMapPick {
    QString call;
    std::int64_t hz = 0;
};

class BandMap {
public:
    explicit BandMap(SpotJudge& judge) : judge_(judge) {}

    // The band shown (metres); 0 shows nothing.
    void setBand(int band);
    int band() const { return band_; }
    // Takes the spots of the band from the store (call it when spots came or expired).
    void show(const SpotStore& spots);
    // Forgets every judgement and marks the rows again.
    void rejudge();

    const std::vector<BandMapRow>& rows() const { return rows_; }
    QStringList lines() const;
    std::optional<BandMapPick> pick(int row) const;
    // The row nearest to a frequency (kHz), -1 when the map is empty: the desk puts the
    // list's cursor there when the radio moves.
    int nearest(double kHz) const;

private:
    SpotMark mark(const QString& call);

    SpotJudge& judge_;
    int band_ = 0;
    std::vector<BandMapRow> rows_;
    std::map<QString, SpotMark> judged_;
};

} // namespace korvel::cluster
