#pragma once
// One SQLite connection under a name of its own, closed and removed on destruction.
// Each store object owns its connection; there is no process-wide default connection.

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <initializer_list>

namespace korvel::store {

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens (creating when missing) the SQLite file at `path` and checks that it really
    // is a database. Returns an empty string or an error naming the file.
    QString open(const QString& path);
    // After a failed open: whether the file was read but is no sound database (not a
    // database at all, or a damaged one), as opposed to a file that could not be reached.
    bool openFoundDamage() const { return openFoundDamage_; }
    // Whether a failed statement's error is the engine finding a damaged file.
    static bool isDamage(const QSqlError& error);
    // Opens `path` as above with a write-ahead journal and full synchronous commits (a
    // commit returns only once it is on the disk), then creates the missing tables with
    // `createSchema`. Returns an empty string or an error naming the file; after an error
    // the connection is closed.
    QString openDurable(const QString& path, QString (*createSchema)(Connection&));
    void close();
    bool isOpen() const { return db_.isOpen(); }
    QSqlDatabase& db() { return db_; }
    const QString& path() const { return path_; }

    // Runs a statement with bound values; returns an empty string or the engine's error.
    QString exec(const QString& sql, std::initializer_list<QVariant> values = {});
    // A prepared, forward-only query on this connection (prepare errors show at exec).
    QSqlQuery prepare(const QString& sql);

private:
    QSqlDatabase db_;
    QString name_;
    QString path_;
    bool openFoundDamage_ = false;
};

} // namespace korvel::store
