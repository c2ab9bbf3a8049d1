#include "store/review_queries.h"

#include "store/qso_freq.h"

#include <QSqlError>

namespace korvel::store {

namespace {

QString selectLog(const QString& rest) {
    return QStringLiteral("SELECT ") + logColumns() + QStringLiteral(" FROM LogGen ") + rest;
}

} // namespace

bool ReviewQueries::run(QSqlQuery& q) {
    if (q.exec()) {
        lastError_.clear();
        return true;
    }
    lastError_ = q.lastError().text();
    return false;
}

std::int64_t ReviewQueries::number(QSqlQuery& q) {
    if (!run(q) || !q.next()) return -1;
    return q.value(0).toLongLong();
}

std::vector<QsoRow> ReviewQueries::logPage(std::int64_t offset, int limit) {
    std::vector<QsoRow> out;
    QSqlQuery q =
        log_.connection().prepare(selectLog(QStringLiteral("ORDER BY ID LIMIT ? OFFSET ?")));
    q.bindValue(0, limit);
    q.bindValue(1, static_cast<qlonglong>(offset));
    if (!run(q)) return out;
    while (q.next())
        out.push_back(readQsoRow(q));
    return out;
}

std::vector<QsoRow> ReviewQueries::bandPage(const QString& band, std::int64_t offset, int limit) {
    std::vector<QsoRow> out;
    QSqlQuery q = log_.connection().prepare(
        selectLog(QStringLiteral("WHERE Bnd=? ORDER BY ID LIMIT ? OFFSET ?")));
    q.bindValue(0, band);
    q.bindValue(1, limit);
    q.bindValue(2, static_cast<qlonglong>(offset));
    if (!run(q)) return out;
    while (q.next())
        out.push_back(readQsoRow(q));
    return out;
}

std::int64_t ReviewQueries::bandCount(const QString& band) {
    QSqlQuery q =
        log_.connection().prepare(QStringLiteral("SELECT count(*) FROM LogGen WHERE Bnd=?"));
    q.bindValue(0, band);
    return std::max<std::int64_t>(0, number(q));
}

std::int64_t ReviewQueries::logPosition(std::int64_t id) {
    QSqlQuery q = log_.connection().prepare(
        QStringLiteral("SELECT (SELECT count(*) FROM LogGen WHERE ID<?1) FROM LogGen WHERE ID=?1"));
    q.bindValue(0, static_cast<qlonglong>(id));
    return number(q);
}

std::int64_t ReviewQueries::bandPosition(const QString& band, std::int64_t id) {
    QSqlQuery q = log_.connection().prepare(
        QStringLiteral("SELECT (SELECT count(*) FROM LogGen WHERE Bnd=?1 AND ID<?2) FROM LogGen "
                       "WHERE Bnd=?1 AND ID=?2"));
    q.bindValue(0, band);
    q.bindValue(1, static_cast<qlonglong>(id));
    return number(q);
}

std::map<std::int64_t, std::int64_t> ReviewQueries::qsoFreqs() {
    // A log without the table (no radio was ever read) has no frequency: no error.
    return allQsoFreqs(log_.connection());
}

bool ReviewQueries::forEachQso(const std::function<bool(const QsoRow&)>& visit) {
    QSqlQuery q = log_.connection().prepare(selectLog(QStringLiteral("ORDER BY ID")));
    if (!run(q)) return false;
    while (q.next())
        if (!visit(readQsoRow(q))) break;
    if (q.lastError().isValid()) {
        lastError_ = q.lastError().text();
        return false;
    }
    return true;
}

bool ReviewQueries::copyLogTo(const QString& path) {
    QSqlQuery q = log_.connection().prepare(QStringLiteral("VACUUM INTO ?"));
    q.bindValue(0, path);
    return run(q);
}

std::vector<CountryRow> ReviewQueries::countryPage(std::int64_t offset, int limit) {
    std::vector<CountryRow> out;
    QSqlQuery q = ref_.connection().prepare(QStringLiteral("SELECT ") + countryColumns() +
                                            QStringLiteral(" FROM CountryName ORDER BY CtyPfx, "
                                                           "ID LIMIT ? OFFSET ?"));
    q.bindValue(0, limit);
    q.bindValue(1, static_cast<qlonglong>(offset));
    if (!run(q)) return out;
    while (q.next())
        out.push_back(readCountryRow(q));
    return out;
}

std::int64_t ReviewQueries::countryPosition(std::int64_t id) {
    QSqlQuery q = ref_.connection().prepare(
        QStringLiteral("SELECT (SELECT count(*) FROM CountryName o WHERE o.CtyPfx<c.CtyPfx OR "
                       "(o.CtyPfx=c.CtyPfx AND o.ID<c.ID)) FROM CountryName c WHERE c.ID=?"));
    q.bindValue(0, static_cast<qlonglong>(id));
    return number(q);
}

std::vector<LearnedRow> ReviewQueries::learnedPage(LearnedTable table, std::int64_t offset,
                                                   int limit) {
    std::vector<LearnedRow> out;
    QSqlQuery q = ref_.connection().prepare(
        QStringLiteral("SELECT ID, Call, %1 FROM %2 ORDER BY Call, ID LIMIT ? OFFSET ?")
            .arg(learnedValueColumn(table), learnedTableName(table)));
    q.bindValue(0, limit);
    q.bindValue(1, static_cast<qlonglong>(offset));
    if (!run(q)) return out;
    while (q.next())
        out.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString()});
    return out;
}

std::int64_t ReviewQueries::learnedCount(LearnedTable table) {
    QSqlQuery q = ref_.connection().prepare(
        QStringLiteral("SELECT count(*) FROM %1").arg(learnedTableName(table)));
    return std::max<std::int64_t>(0, number(q));
}

} // namespace korvel::store
