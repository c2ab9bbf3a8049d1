#include "store/qso_freq.h"

#include <QSqlError>

namespace korvel::store {

QString createQsoFreqTable(Connection& c) {
    return c.exec(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS QsoFreq (ID INTEGER PRIMARY KEY, KHz INTEGER NOT NULL)"));
}

QString setQsoFreq(Connection& c, std::int64_t id, std::int64_t kHz) {
    return c.exec(QStringLiteral("INSERT OR REPLACE INTO QsoFreq (ID, KHz) VALUES (?, ?)"),
                  {QVariant::fromValue<qlonglong>(id), QVariant::fromValue<qlonglong>(kHz)});
}

std::optional<std::int64_t> qsoFreq(Connection& c, std::int64_t id, QString* error) {
    QSqlQuery q = c.prepare(QStringLiteral("SELECT KHz FROM QsoFreq WHERE ID = ?"));
    q.addBindValue(QVariant::fromValue<qlonglong>(id));
    if (!q.exec()) {
        if (error) *error = q.lastError().text();
        return std::nullopt;
    }
    if (error) error->clear();
    if (!q.next()) return std::nullopt;
    return q.value(0).toLongLong();
}

QString deleteQsoFreq(Connection& c, std::int64_t id) {
    return c.exec(QStringLiteral("DELETE FROM QsoFreq WHERE ID = ?"),
                  {QVariant::fromValue<qlonglong>(id)});
}

QString deleteAllQsoFreqs(Connection& c) {
    return c.exec(QStringLiteral("DELETE FROM QsoFreq"));
}

std::map<std::int64_t, std::int64_t> allQsoFreqs(Connection& c, QString* error) {
    std::map<std::int64_t, std::int64_t> freqs;
    QSqlQuery q = c.prepare(QStringLiteral("SELECT ID, KHz FROM QsoFreq"));
    if (!q.exec()) {
        if (error) *error = q.lastError().text();
        return freqs;
    }
    while (q.next())
        freqs[q.value(0).toLongLong()] = q.value(1).toLongLong();
    if (error) *error = q.lastError().isValid() ? q.lastError().text() : QString();
    return freqs;
}

} // namespace korvel::store
