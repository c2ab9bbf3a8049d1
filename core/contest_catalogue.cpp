#include "core/contest_catalogue.h"

#include <algorithm>

namespace korvel {

bool ownPrefixQualifies(const ContestInfo& contest, const QString& myPrfx) {
    if (contest.prompt.qualifying.empty()) return true;
    const QByteArray p = myPrfx.trimmed().toLatin1();
    return std::any_of(
        contest.prompt.qualifying.begin(), contest.prompt.qualifying.end(),
        [&](std::string_view q) { return q == std::string_view(p.data(), p.size()); });
}

} // namespace korvel
