#include "store/connection.h"

#include <QSqlError>

#include <atomic>

namespace korvel::store {

namespace {
std::atomic<int> g_connectionCounter{0}; // only makes names unique
}

Connection::~Connection() {
    close();
}

bool Connection::isDamage(const QSqlError& error) {
    // SQLITE_CORRUPT and SQLITE_NOTADB.
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("11") || code == QLatin1String("26");
}

QString Connection::open(const QString& path) {
    close();
    openFoundDamage_ = false;
    path_ = path;
    name_ = QStringLiteral("korvel-%1").arg(++g_connectionCounter);
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db_.setDatabaseName(path);
    if (!db_.open()) {
        const QString err =
            QStringLiteral("Cannot open the database %1: %2").arg(path, db_.lastError().text());
        close();
        return err;
    }
    // A file that is not a database opens lazily; the first read finds out.
    QSqlQuery probe(db_);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        openFoundDamage_ = isDamage(probe.lastError());
        const QString err = QStringLiteral("The file %1 is not a readable database: %2")
                                .arg(path, probe.lastError().text());
        probe = QSqlQuery();
        close();
        return err;
    }
    return {};
}

QString Connection::openDurable(const QString& path, QString (*createSchema)(Connection&)) {
    if (QString err = open(path); !err.isEmpty()) return err;
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"}) {
        if (QString err = exec(QLatin1String(pragma)); !err.isEmpty()) {
            close();
            return QStringLiteral("%1: %2").arg(path, err);
        }
    }
    if (QString err = createSchema(*this); !err.isEmpty()) {
        close();
        return QStringLiteral("%1: %2").arg(path, err);
    }
    return {};
}

void Connection::close() {
    if (name_.isEmpty()) return;
    if (db_.isOpen()) db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
    name_.clear();
}

QString Connection::exec(const QString& sql, std::initializer_list<QVariant> values) {
    QSqlQuery q(db_);
    if (!q.prepare(sql)) return q.lastError().text();
    int i = 0;
    for (const QVariant& v : values)
        q.bindValue(i++, v);
    if (!q.exec()) return q.lastError().text();
    return {};
}

QSqlQuery Connection::prepare(const QString& sql) {
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(sql);
    return q;
}

} // namespace korvel::store
