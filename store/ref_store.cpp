#include "store/ref_store.h"

#include "store/schema.h"

#include <QSqlError>

namespace korvel::store {

namespace {

const char* tableName(LearnedTable t) {
    switch (t) {
    case LearnedTable::CallJud: return "CallJud";
    case LearnedTable::CallDOK: return "CallDOK";
    case LearnedTable::CallObl: return "CallObl";
    case LearnedTable::HADXM: return "HADXM";
    }
    return "CallJud";
}

const char* valueColumn(LearnedTable t) {
    switch (t) {
    case LearnedTable::CallJud: return "Jud";
    case LearnedTable::CallDOK: return "DOK";
    case LearnedTable::CallObl: return "Obl";
    case LearnedTable::HADXM: return "Nr";
    }
    return "Jud";
}

const QString kCountryColumns =
    QStringLiteral("ID, Country, Cnt, CtyPfx, Pfx, ITU, CQ, Beam, QRALoc");

CountryRow readCountry(const QSqlQuery& q) {
    CountryRow r;
    r.id = q.value(0).toLongLong();
    r.country = q.value(1).toString();
    r.cnt = q.value(2).toString();
    r.ctyPfx = q.value(3).toString();
    r.pfx = q.value(4).toString();
    r.itu = q.value(5).toString();
    r.cq = q.value(6).toString();
    r.beam = q.value(7).toInt();
    r.qraLoc = q.value(8).toString();
    return r;
}

IaruRow readSociety(const QSqlQuery& q) {
    return {q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
            q.value(3).toString(),   q.value(4).toString(), q.value(5).toString()};
}

QString text(const QString& s) {
    return s.isNull() ? QString(QLatin1String("")) : s;
}

} // namespace

QString countryColumns() {
    return kCountryColumns;
}

CountryRow readCountryRow(const QSqlQuery& q) {
    return readCountry(q);
}

QString learnedTableName(LearnedTable table) {
    return QLatin1String(tableName(table));
}

QString learnedValueColumn(LearnedTable table) {
    return QLatin1String(valueColumn(table));
}

RefStore::~RefStore() {
    close();
}

QString RefStore::open(const QString& path) {
    close();
    lastError_ = conn_.openDurable(path, createReferenceSchema);
    return lastError_;
}

void RefStore::close() {
    countries_.clear();
    countriesLoaded_ = false;
    statements_.clear();
    conn_.close();
}

QSqlQuery& RefStore::statement(const QString& sql) {
    for (auto& [text, q] : statements_)
        if (text == sql) return q;
    statements_.emplace_back(sql, conn_.prepare(sql));
    return statements_.back().second;
}

bool RefStore::fail(const QSqlQuery& q) {
    lastError_ = q.lastError().text();
    return false;
}

std::optional<CountryRow> RefStore::firstCountry(QSqlQuery& q) {
    if (!q.exec()) {
        fail(q);
        return std::nullopt;
    }
    std::optional<CountryRow> r;
    if (q.next()) r = readCountry(q);
    q.finish();
    return r;
}

const CountryIndex& RefStore::countries() {
    if (!countriesLoaded_ && isOpen()) {
        std::vector<CountryRow> rows;
        QSqlQuery& q = statement(QStringLiteral("SELECT ") + kCountryColumns +
                                 QStringLiteral(" FROM CountryName ORDER BY ID"));
        if (q.exec()) {
            while (q.next())
                rows.push_back(readCountry(q));
            countries_.build(std::move(rows));
            // Inside a transaction the rows may still be rolled back: read them again later.
            countriesLoaded_ = savepointDepth_ == 0;
        } else {
            fail(q);
        }
        q.finish();
    }
    return countries_;
}

std::optional<CountryRow> RefStore::countryByPrefix(const QString& prefix) {
    if (!isOpen()) return std::nullopt;
    if (const CountryRow* row = countries().byPrefix(prefix)) return *row;
    return std::nullopt;
}

std::optional<CountryRow> RefStore::countryByLongestPrefix(const QString& key) {
    if (!isOpen() || key.isEmpty()) return std::nullopt;
    if (const CountryRow* row = countries().longestPrefix(key, kMaxCallLength)) return *row;
    return std::nullopt;
}

std::optional<CountryRow> RefStore::countryByExactCall(const QString& call) {
    if (call.isEmpty()) return std::nullopt;
    return countryByPrefix(QLatin1Char('=') + call);
}

std::optional<CountryRow> RefStore::countryForCall(const QString& call) {
    if (auto exact = countryByExactCall(call)) return exact;
    return countryByLongestPrefix(call);
}

std::vector<CountryRow> RefStore::allCountries() {
    std::vector<CountryRow> out;
    if (!isOpen()) return out;
    QSqlQuery& q = statement(QStringLiteral("SELECT ") + kCountryColumns +
                             QStringLiteral(" FROM CountryName ORDER BY CtyPfx, ID"));
    if (!q.exec()) {
        fail(q);
        return out;
    }
    while (q.next())
        out.push_back(readCountry(q));
    q.finish();
    return out;
}

bool RefStore::insertCountries(const std::vector<CountryRow>& rows) {
    QSqlQuery& q = statement(
        QStringLiteral("INSERT INTO CountryName (Country, Cnt, CtyPfx, Pfx, ITU, CQ, Beam, QRALoc) "
                       "VALUES (?,?,?,?,?,?,?,?)"));
    for (const CountryRow& r : rows) {
        q.bindValue(0, text(r.country));
        q.bindValue(1, text(r.cnt));
        q.bindValue(2, text(r.ctyPfx));
        q.bindValue(3, text(r.pfx));
        q.bindValue(4, text(r.itu));
        q.bindValue(5, text(r.cq));
        q.bindValue(6, r.beam);
        q.bindValue(7, text(r.qraLoc));
        if (!q.exec()) return fail(q);
    }
    q.finish();
    return true;
}

bool RefStore::addCountry(const CountryRow& row) {
    countriesLoaded_ = false;
    return isOpen() && insertCountries({row});
}

bool RefStore::inTransaction(const std::function<bool()>& work) {
    if (!isOpen()) return false;
    // Savepoints nest, so a caller may wrap several of these calls in one transaction.
    const QString name = QStringLiteral("korvel_%1").arg(++savepointDepth_);
    if (QString err = conn_.exec(QStringLiteral("SAVEPOINT ") + name); !err.isEmpty()) {
        --savepointDepth_;
        lastError_ = err;
        return false;
    }
    const bool ok = work();
    if (!ok) conn_.exec(QStringLiteral("ROLLBACK TO ") + name);
    const QString err = conn_.exec(QStringLiteral("RELEASE ") + name);
    --savepointDepth_;
    if (ok && !err.isEmpty()) {
        lastError_ = err;
        return false;
    }
    return ok;
}

bool RefStore::replaceCountries(const std::vector<CountryRow>& rows) {
    countriesLoaded_ = false;
    return inTransaction([&] {
        if (QString err = conn_.exec(QStringLiteral("DELETE FROM CountryName")); !err.isEmpty()) {
            lastError_ = err;
            return false;
        }
        return insertCountries(rows);
    });
}

std::int64_t RefStore::countryCount() {
    if (!isOpen()) return 0;
    QSqlQuery& q = statement(QStringLiteral("SELECT count(*) FROM CountryName"));
    if (!q.exec() || !q.next()) {
        fail(q);
        return 0;
    }
    const std::int64_t n = q.value(0).toLongLong();
    q.finish();
    return n;
}

std::optional<LearnedRow> RefStore::learned(LearnedTable table, const QString& call) {
    if (!isOpen()) return std::nullopt;
    QSqlQuery& q =
        statement(QStringLiteral("SELECT ID, Call, %1 FROM %2 WHERE Call=? ORDER BY ID LIMIT 1")
                      .arg(QLatin1String(valueColumn(table)), QLatin1String(tableName(table))));
    q.bindValue(0, text(call));
    if (!q.exec()) {
        fail(q);
        return std::nullopt;
    }
    std::optional<LearnedRow> r;
    if (q.next())
        r = LearnedRow{q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString()};
    q.finish();
    return r;
}

std::vector<LearnedRow> RefStore::allLearned(LearnedTable table) {
    std::vector<LearnedRow> out;
    if (!isOpen()) return out;
    QSqlQuery& q =
        statement(QStringLiteral("SELECT ID, Call, %1 FROM %2 ORDER BY Call, ID")
                      .arg(QLatin1String(valueColumn(table)), QLatin1String(tableName(table))));
    if (!q.exec()) {
        fail(q);
        return out;
    }
    while (q.next())
        out.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString()});
    q.finish();
    return out;
}

bool RefStore::insertLearnedRows(LearnedTable table, const std::vector<LearnedRow>& rows) {
    if (!isOpen()) return false;
    QSqlQuery& q =
        statement(QStringLiteral("INSERT INTO %1 (Call, %2) VALUES (?,?)")
                      .arg(QLatin1String(tableName(table)), QLatin1String(valueColumn(table))));
    for (const LearnedRow& r : rows) {
        q.bindValue(0, text(r.call));
        q.bindValue(1, text(r.value));
        if (!q.exec()) return fail(q);
    }
    q.finish();
    return true;
}

bool RefStore::learn(LearnedTable table, const QString& call, const QString& value) {
    if (table != LearnedTable::CallJud && table != LearnedTable::CallDOK) {
        lastError_ = QStringLiteral("%1 is a reference table").arg(QLatin1String(tableName(table)));
        return false;
    }
    return insertLearnedRows(table, {{0, call, value}});
}

std::optional<IaruRow> RefStore::firstSociety(QSqlQuery& q) {
    if (!q.exec()) {
        fail(q);
        return std::nullopt;
    }
    std::optional<IaruRow> r;
    if (q.next()) r = readSociety(q);
    q.finish();
    return r;
}

std::optional<IaruRow> RefStore::societyByCall(const QString& call) {
    if (!isOpen()) return std::nullopt;
    QSqlQuery& q = statement(QStringLiteral("SELECT ID, Call, Country, Region, Society, Pref FROM "
                                            "IARU WHERE Call=? ORDER BY ID LIMIT 1"));
    q.bindValue(0, text(call));
    return firstSociety(q);
}

std::optional<IaruRow> RefStore::societyByPrefix(const QString& prefix) {
    if (!isOpen()) return std::nullopt;
    QSqlQuery& q = statement(QStringLiteral("SELECT ID, Call, Country, Region, Society, Pref FROM "
                                            "IARU WHERE Pref=? ORDER BY ID LIMIT 1"));
    q.bindValue(0, text(prefix));
    return firstSociety(q);
}

bool RefStore::insertSocieties(const std::vector<IaruRow>& rows) {
    if (!isOpen()) return false;
    QSqlQuery& q = statement(QStringLiteral(
        "INSERT INTO IARU (Call, Country, Region, Society, Pref) VALUES (?,?,?,?,?)"));
    for (const IaruRow& r : rows) {
        q.bindValue(0, text(r.call));
        q.bindValue(1, text(r.country));
        q.bindValue(2, text(r.region));
        q.bindValue(3, text(r.society));
        q.bindValue(4, text(r.pref));
        if (!q.exec()) return fail(q);
    }
    q.finish();
    return true;
}

} // namespace korvel::store
