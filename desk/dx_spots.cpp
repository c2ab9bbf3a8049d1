#include "desk/dx_spots.h"

#include "core/band_plan.h"

#include <QRegularExpression>

#include <algorithm>

namespace korvel::cluster {

namespace {

// "DX de SPOTTER:" then the frequency, the call, and the rest; the spotter may have no
// blank before the frequency when its name fills the column ("DX de LONGCALL-#:14025.0").
const QRegularExpression& spotPattern() {
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*DX\s+de\s+([A-Z0-9/\-#_]+)\s*:?\s*(\d{3,6}(?:\.\d{1,3})?)\s+)"
                       R"(([A-Z0-9/]+)\s*(.*)$)"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

// The time at the end of the comment, with an optional locator after it.
const QRegularExpression& timePattern() {
    static const QRegularExpression re(
        QStringLiteral(R"((?:^|\s)(\d{4})Z(?:\s+([A-R]{2}\d{2}(?:[A-X]{2})?))?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

int indexAfter(const QString& line, const QString& key) {
    const QRegularExpression re(QStringLiteral(R"(\b%1\s*=\s*(\d+))").arg(key),
                                QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(line);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

bool plausibleCall(const QString& call) {
    static const QRegularExpression re(QStringLiteral("^[A-Z0-9/]{3,15}$"));
    if (!re.match(call).hasMatch()) return false;
    bool digit = false, letter = false;
    for (const QChar c : call) {
        digit = digit || c.isDigit();
        letter = letter || c.isLetter();
    }
    return digit && letter && !call.startsWith(QLatin1Char('/')) &&
           !call.endsWith(QLatin1Char('/'));
}

std::optional<DxSpot> parseSpot(const QString& line, const QDateTime& received) {
    if (line.size() > kMaxSpotLineLength) return std::nullopt;
    const auto m = spotPattern().match(line);
    if (!m.hasMatch()) return std::nullopt;
    DxSpot s;
    s.spotter = m.captured(1).toUpper();
    bool ok = false;
    s.kHz = m.captured(2).toDouble(&ok);
    if (!ok || s.kHz < 100) return std::nullopt;
    s.call = m.captured(3).toUpper();
    if (!plausibleCall(s.call)) return std::nullopt;
    QString rest = m.captured(4);
    if (const auto t = timePattern().match(rest); t.hasMatch()) {
        s.time = t.captured(1) + QLatin1Char('Z');
        s.locator = t.captured(2).toUpper();
        rest = rest.left(t.capturedStart());
    }
    s.comment = rest.simplified();
    s.received = received;
    return s;
}

std::optional<Propagation> parsePropagation(const QString& line) {
    static const QRegularExpression re(QStringLiteral(R"(^\s*(WWV|WCY)\s+de\s+([A-Z0-9/\-#]+))"),
                                       QRegularExpression::CaseInsensitiveOption);
    if (line.size() > kMaxSpotLineLength) return std::nullopt;
    const auto m = re.match(line);
    if (!m.hasMatch()) return std::nullopt;
    Propagation p;
    p.kind = m.captured(1).toUpper();
    p.source = m.captured(2).toUpper();
    p.sfi = indexAfter(line, QStringLiteral("SFI"));
    p.a = indexAfter(line, QStringLiteral("A"));
    p.k = indexAfter(line, QStringLiteral("K"));
    p.text = line.trimmed();
    return p;
}

void SpotStore::add(const DxSpot& spot) {
    const int band = bandOfKHz(spot.kHz);
    const auto same = [&](const DxSpot& s) {
        return s.call == spot.call && (band ? bandOfKHz(s.kHz) == band : s.kHz == spot.kHz);
    };
    spots_.erase(std::remove_if(spots_.begin(), spots_.end(), same), spots_.end());
    spots_.push_back(spot);
}

void SpotStore::expire(const QDateTime& now) {
    const QDateTime oldest = now.addSecs(-60LL * minutes_);
    spots_.erase(std::remove_if(spots_.begin(), spots_.end(),
                                [&](const DxSpot& s) { return s.received < oldest; }),
                 spots_.end());
}

std::vector<DxSpot> SpotStore::ofBand(int band) const {
    std::vector<DxSpot> out;
    for (const DxSpot& s : spots_)
        if (band != 0 && bandOfKHz(s.kHz) == band) out.push_back(s);
    std::stable_sort(out.begin(), out.end(),
                     [](const DxSpot& a, const DxSpot& b) { return a.kHz < b.kHz; });
    return out;
}

} // namespace korvel::cluster
