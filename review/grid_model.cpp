#include "review/grid_model.h"

#include <iterator>
#include <limits>

namespace korvel::review {

namespace {
constexpr std::size_t kPagesKept = 16;
}

void PagedTableModel::show(std::int64_t count, PageSource source) {
    beginResetModel();
    count_ = source ? count : 0;
    source_ = std::move(source);
    pages_.clear();
    pagesRead_ = 0;
    endResetModel();
}

int PagedTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(std::min<std::int64_t>(count_, std::numeric_limits<int>::max()));
}

int PagedTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

const GridRow* PagedTableModel::row(int r) const {
    if (r < 0 || r >= count_ || !source_) return nullptr;
    const std::int64_t page = r / kPageSize;
    auto it = pages_.find(page);
    if (it == pages_.end()) {
        if (pages_.size() >= kPagesKept) {
            // Drop the page farthest from the one asked for.
            auto far = pages_.begin();
            if (std::prev(pages_.end())->first - page > page - far->first)
                far = std::prev(pages_.end());
            pages_.erase(far);
        }
        it = pages_.emplace(page, source_(page * kPageSize, kPageSize)).first;
        ++pagesRead_;
    }
    const std::size_t i = static_cast<std::size_t>(r % kPageSize);
    return i < it->second.size() ? &it->second[i] : nullptr;
}

QVariant PagedTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const GridRow* g = row(index.row());
    if (!g || index.column() >= g->cells.size()) return {};
    return g->cells.at(index.column());
}

QVariant PagedTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section < headers_.size() ? QVariant(headers_.at(section)) : QVariant();
}

} // namespace korvel::review
