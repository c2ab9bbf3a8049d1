#pragma once
// The statements of the log review screen: the pages of rows its grids show, the walk of the
// whole log that every export makes, and the copy of the log taken before the whole log is
// deleted. One function per statement; every value is bound. They run on the connections
// of the two open stores.

#include "store/log_store.h"
#include "store/ref_store.h"

#include <functional>
#include <map>
#include <vector>

namespace korvel::store {

class ReviewQueries {
public:
    ReviewQueries(LogStore& log, RefStore& ref) : log_(log), ref_(ref) {}

    // Rows `offset` to `offset + limit - 1` of the whole log / of one band, in entry order.
    std::vector<QsoRow> logPage(std::int64_t offset, int limit);
    std::vector<QsoRow> bandPage(const QString& band, std::int64_t offset, int limit);
    // QSOs of one band.
    std::int64_t bandCount(const QString& band);
    // The place of the QSO with this ID in the whole log / in its band (0-based), or -1.
    std::int64_t logPosition(std::int64_t id);
    std::int64_t bandPosition(const QString& band, std::int64_t id);

    // Hands every QSO of the log to `visit`, in entry order, without holding the log in
    // memory. Stops when `visit` returns false. False (lastError()) when the read fails.
    bool forEachQso(const std::function<bool(const QsoRow&)>& visit);
    // The frequencies the log holds (QsoFreq, kHz by QSO ID), read once for a pass; empty
    // when the log holds none.
    std::map<std::int64_t, std::int64_t> qsoFreqs();

    // Writes a consistent copy of the whole log database to `path` (which must not exist).
    bool copyLogTo(const QString& path);

    // Rows of the country table ordered by CtyPfx, and the place of a row in that order.
    std::vector<CountryRow> countryPage(std::int64_t offset, int limit);
    std::int64_t countryPosition(std::int64_t id);

    // Rows of a learned table ordered by Call, and their number.
    std::vector<LearnedRow> learnedPage(LearnedTable table, std::int64_t offset, int limit);
    std::int64_t learnedCount(LearnedTable table);

    const QString& lastError() const { return lastError_; }

private:
    bool run(QSqlQuery& q);
    std::int64_t number(QSqlQuery& q);

    LogStore& log_;
    RefStore& ref_;
    QString lastError_;
};

} // namespace korvel::store
