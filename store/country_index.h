#pragma once
// The country table in memory, for the lookups made on every call the desk analyses:
// exact-call entries in a hash map, prefixes in a trie that finds the longest stored prefix
// of a call in one pass over its characters. It answers exactly as the table's statements
// do: the lowest record number wins among rows of the same Pfx.

#include "store/rows.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace korvel::store {

class CountryIndex {
public:
    // Rows in record-number order.
    void build(std::vector<CountryRow> rows);
    // Adds a row whose record number is above every other.
    void add(const CountryRow& row);
    void clear();

    // The row stored under exactly this Pfx (an exact-call entry is "=" + the call).
    const CountryRow* byPrefix(QStringView pfx) const;
    // The row of the longest stored prefix of `key`, looking at its first `maxLength`
    // characters; nullptr when no prefix of it is stored.
    const CountryRow* longestPrefix(QStringView key, int maxLength) const;
    std::size_t size() const { return rows_.size(); }

private:
    struct Node {
        char16_t ch = 0;
        std::int32_t firstChild = -1;
        std::int32_t nextSibling = -1;
        std::int32_t row = -1; // row whose Pfx ends here
    };
    std::int32_t child(std::int32_t node, char16_t ch) const;
    std::int32_t childOrNew(std::int32_t node, char16_t ch);
    void insert(std::int32_t rowIndex);

    std::vector<CountryRow> rows_;
    std::vector<Node> nodes_{Node{}};    // node 0 is the root
    QHash<QString, std::int32_t> exact_; // "=CALL" and any Pfx the trie does not hold
};

} // namespace korvel::store
