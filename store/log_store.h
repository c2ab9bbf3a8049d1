#pragma once
// The log database "LogKorvel" and its one table LogGen. One function per statement;
// every value is bound as a parameter, never spliced into the statement text.
//
// Durability: the file runs with a write-ahead journal and full synchronous commits, so
// a QSO whose insert has returned survives a killed process or a power cut.

#include "store/connection.h"
#include "store/rows.h"

#include <optional>
#include <vector>

namespace korvel::store {

enum class MarkColumn { Mlt, Mlt1 };

class LogStore {
public:
    LogStore() = default;
    ~LogStore();
    LogStore(const LogStore&) = delete;
    LogStore& operator=(const LogStore&) = delete;

    // Opens the file, creating it and the table when missing. Returns an empty string or
    // an error naming the file.
    QString open(const QString& path);
    void close();
    bool isOpen() const { return conn_.isOpen(); }
    // Why the last statement failed; empty when it succeeded. Every function below sets
    // it: a read that fails returns what it would for no rows (false, nothing, 0), so
    // "not a dupe" and "a new multiplier" are only true when lastError() is empty.
    const QString& lastError() const { return lastError_; }
    // The open connection, for the statements kept in other files (store/review_queries.h).
    Connection& connection() { return conn_; }

    // The journal mode ("wal") and the synchronous level (2 = FULL) the connection runs
    // with, as the database engine reports them; empty and -1 when they cannot be read.
    QString journalMode();
    int synchronousLevel();

    // Inserts a QSO and returns its new ID once the row is on disk, or -1 (lastError()).
    [[nodiscard]] std::int64_t insertQso(const QsoRow& row);
    // Writes `row` over the QSO with this ID (its ID and place in the log are kept).
    [[nodiscard]] bool replaceQso(std::int64_t id, const QsoRow& row);
    // False (lastError()) when the QSO could not be deleted or there is no QSO with this ID.
    [[nodiscard]] bool deleteQso(std::int64_t id);
    [[nodiscard]] bool deleteAll();

    std::optional<QsoRow> qsoById(std::int64_t id);
    std::optional<QsoRow> lastQso(); // highest ID
    std::int64_t count();

    // Earlier QSOs with a call, on a band, on a band and mode (entry order).
    std::vector<QsoRow> byCall(const QString& call);
    std::vector<QsoRow> byCallBand(const QString& call, const QString& band);
    std::vector<QsoRow> byCallBandMode(const QString& call, const QString& band,
                                       const QString& mode);
    // Existence tests behind the same statements, for the per-keystroke checks. The QSO
    // with ID `except` (one taken back for correction) is not counted; 0 counts every QSO.
    bool hasCall(const QString& call, std::int64_t except = 0);
    bool hasCallBand(const QString& call, const QString& band, std::int64_t except = 0);
    bool hasCallBandMode(const QString& call, const QString& band, const QString& mode,
                         std::int64_t except = 0);

    // QSOs carrying a multiplier mark, on the whole log or on a band and/or a mode.
    std::vector<QsoRow> byMark(MarkColumn column, const QString& mark,
                               const std::optional<QString>& band = std::nullopt,
                               const std::optional<QString>& mode = std::nullopt);
    bool hasMark(MarkColumn column, const QString& mark,
                 const std::optional<QString>& band = std::nullopt,
                 const std::optional<QString>& mode = std::nullopt, std::int64_t except = 0);

    // Calls beginning with the typed text, which is taken literally ("%" and "_" are
    // ordinary characters). All of them in entry order; or, with a `limit`, at most that
    // many in the order of the calls (read straight off the call index, no sorting).
    std::vector<QsoRow> callsStartingWith(const QString& text, int limit = 0);

    // Per stored band text: QSOs, the sum of the points, the QSOs whose Mlt and whose
    // Mlt1 are not blank. One pass over the log inside the database.
    struct BandTotals {
        QString bnd;
        std::int64_t qsos = 0;
        std::int64_t points = 0;
        std::int64_t mlt = 0;
        std::int64_t mlt1 = 0;
    };
    std::vector<BandTotals> bandTotals();

    std::vector<QsoRow> byBand(const QString& band); // entry order
    // The last `limit` QSOs of a band, in entry order.
    std::vector<QsoRow> lastOfBand(const QString& band, int limit);
    std::vector<QsoRow> all(); // entry order
    // The last `limit` QSOs of the log, the newest first.
    std::vector<QsoRow> latest(int limit);
    // Every call in the log once, in the order of the calls.
    std::vector<QString> distinctCalls();

private:
    std::vector<QsoRow> rows(QSqlQuery& q);
    bool exists(QSqlQuery& q);
    QSqlQuery& statement(int slot, const QString& sql);
    // Each sets lastError(): ready() when the log is not open, run() from the execution
    // (cleared on success), finished() from an error while stepping through the rows.
    bool ready();
    bool run(QSqlQuery& q);
    bool finished(QSqlQuery& q);
    bool fail(QSqlQuery& q);

    Connection conn_;
    QString lastError_;
    std::vector<std::optional<QSqlQuery>> statements_;
};

// The columns every read of LogGen selects, in stored order, and the row they give.
QString logColumns();
QsoRow readQsoRow(const QSqlQuery& q);

} // namespace korvel::store
