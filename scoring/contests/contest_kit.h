#pragma once
// What the contest files share: the interface, the shared rules, the exchange tables and
// short names for the catalogue row's choices.

#include "scoring/call_analysis.h"
#include "scoring/contest.h"
#include "scoring/exchange_tables.h"

namespace korvel::scoring::kit {

inline constexpr Switch K = Switch::Keep;
inline constexpr Switch On = Switch::On;
inline constexpr Switch Off = Switch::Off;

// Desk band buttons 10, 15, 20, 40, 80, 160 m.
inline constexpr std::array<Switch, 6> kBandsKept = {K, K, K, K, K, K};
inline constexpr std::array<Switch, 6> k160Off = {K, K, K, K, K, Off};
inline constexpr std::array<Switch, 6> k160On = {K, K, K, K, K, On};
inline constexpr std::array<Switch, 6> kFiveOn160Off = {On, On, On, On, On, Off};
inline constexpr std::array<Switch, 6> kAllOn = {On, On, On, On, On, On};
inline constexpr std::array<Switch, 6> k80Only = {Off, Off, Off, Off, K, Off};

inline const QString kOneBlank = QStringLiteral(" ");
inline const QString kTwoBlanks = QStringLiteral("  ");

// The received exchange as the multiplier rules read it: trimmed.
inline QString exchange(ContestDesk& desk) {
    return desk.exchange().trimmed();
}
// The exchange finished by the operator (RcvdExchange), trimmed.
inline QString received(ContestDesk& desk) {
    return desk.state().RcvdExchange.trimmed();
}
// The worked country prefix.
inline const QString& worked(ContestDesk& desk) {
    return desk.state().LookupCtyPfx;
}
// Whether `pfx` is one of `list`.
inline bool isListed(const QString& pfx, std::span<const std::string_view> list) {
    for (std::string_view p : list)
        if (pfx == QLatin1String(p.data(), static_cast<qsizetype>(p.size()))) return true;
    return false;
}
// The third character of the call (the call area's letter), or a null character.
inline QChar thirdChar(const QString& call) {
    return call.size() > 2 ? call[2] : QChar();
}

} // namespace korvel::scoring::kit
