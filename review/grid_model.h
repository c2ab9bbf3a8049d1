#pragma once
// A table for a grid of the review screen that reads its rows from the store a page at a
// time, as the grid asks for them: a 100,000-QSO log opens as fast as an empty one. It knows
// its row count up front, so the grid can jump to any row, and keeps a few pages in memory.

#include <QAbstractTableModel>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace korvel::review {

struct GridRow {
    std::int64_t id = 0; // the row's record number
    QStringList cells;
};

class PagedTableModel : public QAbstractTableModel {
public:
    using PageSource = std::function<std::vector<GridRow>(std::int64_t offset, int limit)>;

    explicit PagedTableModel(QStringList headers, QObject* parent = nullptr)
        : QAbstractTableModel(parent), headers_(std::move(headers)) {}

    // Shows `count` rows read through `source`.
    void show(std::int64_t count, PageSource source);
    // No rows.
    void clear() { show(0, {}); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The row at `row` (read when needed), or nullptr outside the table.
    const GridRow* row(int row) const;
    std::int64_t idAt(int r) const {
        const GridRow* g = row(r);
        return g ? g->id : 0;
    }
    // Pages read from the store since the last show() (for tests of the paging).
    int pagesRead() const { return pagesRead_; }

    static constexpr int kPageSize = 256;

private:
    QStringList headers_;
    std::int64_t count_ = 0;
    PageSource source_;
    mutable std::map<std::int64_t, std::vector<GridRow>> pages_;
    mutable int pagesRead_ = 0;
};

} // namespace korvel::review
