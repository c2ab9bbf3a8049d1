#pragma once
// What a DX-cluster node sends, read line by line: spots ("DX de SPOTTER: FREQ DXCALL
// comment 1234Z", some nodes add a locator after the time), and the propagation lines
// of WWV and WCY. Real nodes differ in blanks, in the width of the columns, in the case
// of "DX de", and send lines cut short or joined; a line that is not a spot or cannot be
// read as one is simply not a spot.
//
// The spot store keeps the spots of the last minutes (30 unless told), one per call and
// band: a newer spot of the same call on the same band replaces the older one.

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace korvel::cluster {

struct DxSpot {
    QString spotter;    // without the trailing ":" and "-#" suffixes kept as sent ("DL0ABC-#")
    double kHz = 0;     // frequency in kHz, as sent ("14025.3")
    QString call;       // the spotted call, upper case
    QString comment;    // trimmed
    QString time;       // "1234Z" as sent, empty when the line had none
    QString locator;    // the spotter's locator when the node adds one
    QDateTime received; // UTC, when the line came in
};

// The longest line taken; anything longer is not a spot (a node sending garbage).
inline constexpr int kMaxSpotLineLength = 256;

// A spot line, or nothing. `received` is stamped into the spot.
std::optional<DxSpot> parseSpot(const QString& line, const QDateTime& received);

// A WWV or WCY line: its source and the indices it gives (-1 when absent).
struct Propagation {
    QString kind;   // "WWV" or "WCY"
    QString source; // the station that sent it
    int sfi = -1;
    int a = -1;
    int k = -1;
    QString text; // the line trimmed
};
std::optional<Propagation> parsePropagation(const QString& line);

// A call as a band map takes it: letters, digits and "/", at least one digit and one
// letter, 3 to 15 characters.
bool plausibleCall(const QString& call);

class SpotStore {
public:
    explicit SpotStore(int minutes = 30) : minutes_(minutes) {}
    void setMinutes(int minutes) { minutes_ = minutes; }
    int minutes() const { return minutes_; }

    // Adds a spot (replacing the spot of the same call on the same band). Spots outside
    // the contest bands are kept as well: the console shows them, the band map does not.
    void add(const DxSpot& spot);
    // Drops the spots received more than `minutes` before `now`.
    void expire(const QDateTime& now);
    // The spots of a band (metres), lowest frequency first.
    std::vector<DxSpot> ofBand(int band) const;
    const std::vector<DxSpot>& all() const { return spots_; }
    void clear() { spots_.clear(); }

private:
    int minutes_;
    std::vector<DxSpot> spots_;
};

} // namespace korvel::cluster
