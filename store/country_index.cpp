#include "store/country_index.h"

namespace korvel::store {

void CountryIndex::clear() {
    rows_.clear();
    nodes_.assign(1, Node{});
    exact_.clear();
}

void CountryIndex::build(std::vector<CountryRow> rows) {
    clear();
    rows_ = std::move(rows);
    for (std::size_t i = 0; i < rows_.size(); ++i)
        insert(static_cast<std::int32_t>(i));
}

void CountryIndex::add(const CountryRow& row) {
    rows_.push_back(row);
    insert(static_cast<std::int32_t>(rows_.size() - 1));
}

std::int32_t CountryIndex::child(std::int32_t node, char16_t ch) const {
    for (std::int32_t c = nodes_[static_cast<std::size_t>(node)].firstChild; c >= 0;
         c = nodes_[static_cast<std::size_t>(c)].nextSibling)
        if (nodes_[static_cast<std::size_t>(c)].ch == ch) return c;
    return -1;
}

std::int32_t CountryIndex::childOrNew(std::int32_t node, char16_t ch) {
    if (const std::int32_t c = child(node, ch); c >= 0) return c;
    Node n;
    n.ch = ch;
    n.nextSibling = nodes_[static_cast<std::size_t>(node)].firstChild;
    nodes_.push_back(n);
    const auto index = static_cast<std::int32_t>(nodes_.size() - 1);
    nodes_[static_cast<std::size_t>(node)].firstChild = index;
    return index;
}

void CountryIndex::insert(std::int32_t rowIndex) {
    const QString& pfx = rows_[static_cast<std::size_t>(rowIndex)].pfx;
    // The first row of a Pfx keeps it: rows come in record-number order.
    if (!exact_.contains(pfx)) exact_.insert(pfx, rowIndex);
    if (pfx.isEmpty() || pfx.startsWith(QLatin1Char('='))) return;
    std::int32_t node = 0;
    for (QChar c : pfx)
        node = childOrNew(node, c.unicode());
    Node& end = nodes_[static_cast<std::size_t>(node)];
    if (end.row < 0) end.row = rowIndex;
}

const CountryRow* CountryIndex::byPrefix(QStringView pfx) const {
    const auto it = exact_.constFind(pfx.toString());
    return it == exact_.constEnd() ? nullptr : &rows_[static_cast<std::size_t>(*it)];
}

const CountryRow* CountryIndex::longestPrefix(QStringView key, int maxLength) const {
    std::int32_t node = 0, found = -1;
    const qsizetype n = std::min<qsizetype>(key.size(), maxLength);
    for (qsizetype i = 0; i < n; ++i) {
        node = child(node, key[i].unicode());
        if (node < 0) break;
        if (const std::int32_t row = nodes_[static_cast<std::size_t>(node)].row; row >= 0)
            found = row;
    }
    return found < 0 ? nullptr : &rows_[static_cast<std::size_t>(found)];
}

} // namespace korvel::store
