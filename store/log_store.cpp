#include "store/log_store.h"

#include "store/schema.h"

#include <QSqlError>

#include <algorithm>

namespace korvel::store {

namespace {

const QString kColumns =
    QStringLiteral("ID, Callsign, Data, UTC, Bnd, Sent, Rcvd, Md, Pfx, Mlt, Mlt1, Pct");

QString select(const QString& where) {
    return QStringLiteral("SELECT ") + kColumns + QStringLiteral(" FROM LogGen ") + where;
}

QsoRow readRow(const QSqlQuery& q) {
    QsoRow r;
    r.id = q.value(0).toLongLong();
    r.callsign = q.value(1).toString();
    r.data = q.value(2).toString();
    r.utc = q.value(3).toString();
    r.bnd = q.value(4).toString();
    r.sent = q.value(5).toString();
    r.rcvd = q.value(6).toString();
    r.md = q.value(7).toString();
    r.pfx = q.value(8).toString();
    r.mlt = q.value(9).toString();
    r.mlt1 = q.value(10).toString();
    r.pct = q.value(11).toString();
    return r;
}

void bindRow(QSqlQuery& q, const QsoRow& r) {
    int i = 0;
    for (const QString* v : {&r.callsign, &r.data, &r.utc, &r.bnd, &r.sent, &r.rcvd, &r.md, &r.pfx,
                             &r.mlt, &r.mlt1, &r.pct})
        q.bindValue(i++, v->isNull() ? QString(QLatin1String("")) : *v);
}

// Statement slots: each statement text is prepared once per open connection.
enum Slot {
    kInsert,
    kReplace,
    kDelete,
    kDeleteAll,
    kById,
    kLast,
    kCount,
    kByCall,
    kByCallBand,
    kByCallBandMode,
    kHasCall,
    kHasCallBand,
    kHasCallBandMode,
    kLike,
    kLikeLimit,
    kByBand,
    kAll,
    kLastOfBand,
    kBandTotals,
    kLatest,
    kDistinctCalls,
    kJournalMode,
    kSynchronous,
    kMarkBase // + 8 variants for rows, + 8 for existence
};
constexpr int kSlots = kMarkBase + 16;

int markSlot(MarkColumn column, bool band, bool mode, bool existence) {
    return kMarkBase + (existence ? 8 : 0) + (column == MarkColumn::Mlt1 ? 4 : 0) + (band ? 2 : 0) +
           (mode ? 1 : 0);
}

// Upper bound of the strings beginning with `prefix` in SQLite's binary order: the
// highest code point (U+10FFFF) sorts after every character a call can hold.
QString prefixUpperBound(const QString& prefix) {
    return prefix + QChar(0xDBFF) + QChar(0xDFFF);
}

} // namespace

QString logColumns() {
    return kColumns;
}

QsoRow readQsoRow(const QSqlQuery& q) {
    return readRow(q);
}

LogStore::~LogStore() {
    close();
}

QString LogStore::open(const QString& path) {
    close();
    lastError_ = conn_.openDurable(path, createLogSchema);
    if (lastError_.isEmpty()) statements_.assign(kSlots, std::nullopt);
    return lastError_;
}

void LogStore::close() {
    statements_.clear();
    conn_.close();
}

QSqlQuery& LogStore::statement(int slot, const QString& sql) {
    auto& s = statements_.at(static_cast<std::size_t>(slot));
    if (!s) s = conn_.prepare(sql);
    return *s;
}

bool LogStore::ready() {
    if (isOpen()) return true;
    lastError_ = QStringLiteral("The log is not open");
    return false;
}

bool LogStore::fail(QSqlQuery& q) {
    lastError_ = q.lastError().text();
    if (lastError_.trimmed().isEmpty()) lastError_ = QStringLiteral("The log could not be read");
    q.finish();
    return false;
}

bool LogStore::run(QSqlQuery& q) {
    if (!q.exec()) return fail(q);
    lastError_.clear();
    return true;
}

bool LogStore::finished(QSqlQuery& q) {
    // next() is false at the end of the rows and on an error while stepping.
    if (q.lastError().isValid()) return fail(q);
    q.finish();
    return true;
}

std::vector<QsoRow> LogStore::rows(QSqlQuery& q) {
    std::vector<QsoRow> out;
    if (!run(q)) return out;
    while (q.next())
        out.push_back(readRow(q));
    if (!finished(q)) out.clear();
    return out;
}

bool LogStore::exists(QSqlQuery& q) {
    if (!run(q)) return false;
    const bool found = q.next();
    return finished(q) && found;
}

QString LogStore::journalMode() {
    if (!ready()) return {};
    QSqlQuery& q = statement(kJournalMode, QStringLiteral("PRAGMA journal_mode"));
    if (!run(q)) return {};
    const QString mode = q.next() ? q.value(0).toString() : QString();
    return finished(q) ? mode : QString();
}

int LogStore::synchronousLevel() {
    if (!ready()) return -1;
    QSqlQuery& q = statement(kSynchronous, QStringLiteral("PRAGMA synchronous"));
    if (!run(q)) return -1;
    const int level = q.next() ? q.value(0).toInt() : -1;
    return finished(q) ? level : -1;
}

std::int64_t LogStore::insertQso(const QsoRow& row) {
    if (!ready()) return -1;
    QSqlQuery& q = statement(
        kInsert, QStringLiteral("INSERT INTO LogGen (Callsign, Data, UTC, Bnd, Sent, Rcvd, Md, "
                                "Pfx, Mlt, Mlt1, Pct) VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
    bindRow(q, row);
    if (!run(q)) return -1;
    const std::int64_t id = q.lastInsertId().toLongLong();
    q.finish();
    return id;
}

bool LogStore::replaceQso(std::int64_t id, const QsoRow& row) {
    if (!ready()) return false;
    QSqlQuery& q = statement(
        kReplace, QStringLiteral("UPDATE LogGen SET Callsign=?, Data=?, UTC=?, Bnd=?, Sent=?, "
                                 "Rcvd=?, Md=?, Pfx=?, Mlt=?, Mlt1=?, Pct=? WHERE ID=?"));
    bindRow(q, row);
    q.bindValue(11, static_cast<qlonglong>(id));
    if (!run(q)) return false;
    const bool changed = q.numRowsAffected() == 1;
    q.finish();
    if (!changed) lastError_ = QStringLiteral("No QSO with ID %1").arg(id);
    return changed;
}

bool LogStore::deleteQso(std::int64_t id) {
    if (!ready()) return false;
    QSqlQuery& q = statement(kDelete, QStringLiteral("DELETE FROM LogGen WHERE ID=?"));
    q.bindValue(0, static_cast<qlonglong>(id));
    if (!run(q)) return false;
    const bool deleted = q.numRowsAffected() == 1;
    q.finish();
    if (!deleted) lastError_ = QStringLiteral("No QSO with ID %1").arg(id);
    return deleted;
}

bool LogStore::deleteAll() {
    if (!ready()) return false;
    QSqlQuery& q = statement(kDeleteAll, QStringLiteral("DELETE FROM LogGen"));
    if (!run(q)) return false;
    q.finish();
    return true;
}

std::optional<QsoRow> LogStore::qsoById(std::int64_t id) {
    if (!ready()) return std::nullopt;
    QSqlQuery& q = statement(kById, select(QStringLiteral("WHERE ID=?")));
    q.bindValue(0, static_cast<qlonglong>(id));
    auto r = rows(q);
    if (r.empty()) return std::nullopt;
    return r.front();
}

std::optional<QsoRow> LogStore::lastQso() {
    if (!ready()) return std::nullopt;
    QSqlQuery& q = statement(kLast, select(QStringLiteral("ORDER BY ID DESC LIMIT 1")));
    auto r = rows(q);
    if (r.empty()) return std::nullopt;
    return r.front();
}

std::int64_t LogStore::count() {
    if (!ready()) return 0;
    QSqlQuery& q = statement(kCount, QStringLiteral("SELECT count(*) FROM LogGen"));
    if (!run(q)) return 0;
    if (!q.next()) {
        fail(q);
        return 0;
    }
    const std::int64_t n = q.value(0).toLongLong();
    q.finish();
    return n;
}

std::vector<QsoRow> LogStore::byCall(const QString& call) {
    if (!ready()) return {};
    QSqlQuery& q = statement(kByCall, select(QStringLiteral("WHERE Callsign=? ORDER BY ID")));
    q.bindValue(0, call);
    return rows(q);
}

std::vector<QsoRow> LogStore::byCallBand(const QString& call, const QString& band) {
    if (!ready()) return {};
    QSqlQuery& q =
        statement(kByCallBand, select(QStringLiteral("WHERE Callsign=? AND Bnd=? ORDER BY ID")));
    q.bindValue(0, call);
    q.bindValue(1, band);
    return rows(q);
}

std::vector<QsoRow> LogStore::byCallBandMode(const QString& call, const QString& band,
                                             const QString& mode) {
    if (!ready()) return {};
    QSqlQuery& q = statement(
        kByCallBandMode, select(QStringLiteral("WHERE Callsign=? AND Bnd=? AND Md=? ORDER BY ID")));
    q.bindValue(0, call);
    q.bindValue(1, band);
    q.bindValue(2, mode);
    return rows(q);
}

bool LogStore::hasCall(const QString& call, std::int64_t except) {
    if (!ready()) return false;
    QSqlQuery& q = statement(
        kHasCall, QStringLiteral("SELECT 1 FROM LogGen WHERE Callsign=? AND ID<>? LIMIT 1"));
    q.bindValue(0, call);
    q.bindValue(1, static_cast<qlonglong>(except));
    return exists(q);
}

bool LogStore::hasCallBand(const QString& call, const QString& band, std::int64_t except) {
    if (!ready()) return false;
    QSqlQuery& q = statement(
        kHasCallBand,
        QStringLiteral("SELECT 1 FROM LogGen WHERE Callsign=? AND Bnd=? AND ID<>? LIMIT 1"));
    q.bindValue(0, call);
    q.bindValue(1, band);
    q.bindValue(2, static_cast<qlonglong>(except));
    return exists(q);
}

bool LogStore::hasCallBandMode(const QString& call, const QString& band, const QString& mode,
                               std::int64_t except) {
    if (!ready()) return false;
    QSqlQuery& q = statement(
        kHasCallBandMode,
        QStringLiteral(
            "SELECT 1 FROM LogGen WHERE Callsign=? AND Bnd=? AND Md=? AND ID<>? LIMIT 1"));
    q.bindValue(0, call);
    q.bindValue(1, band);
    q.bindValue(2, mode);
    q.bindValue(3, static_cast<qlonglong>(except));
    return exists(q);
}

namespace {

QString markWhere(MarkColumn column, bool band, bool mode) {
    QString w =
        column == MarkColumn::Mlt ? QStringLiteral("WHERE Mlt=?") : QStringLiteral("WHERE Mlt1=?");
    if (band) w += QStringLiteral(" AND Bnd=?");
    if (mode) w += QStringLiteral(" AND Md=?");
    return w;
}

void bindMark(QSqlQuery& q, const QString& mark, const std::optional<QString>& band,
              const std::optional<QString>& mode) {
    int i = 0;
    q.bindValue(i++, mark);
    if (band) q.bindValue(i++, *band);
    if (mode) q.bindValue(i++, *mode);
}

} // namespace

std::vector<QsoRow> LogStore::byMark(MarkColumn column, const QString& mark,
                                     const std::optional<QString>& band,
                                     const std::optional<QString>& mode) {
    if (!ready()) return {};
    QSqlQuery& q = statement(markSlot(column, band.has_value(), mode.has_value(), false),
                             select(markWhere(column, band.has_value(), mode.has_value()) +
                                    QStringLiteral(" ORDER BY ID")));
    bindMark(q, mark, band, mode);
    return rows(q);
}

bool LogStore::hasMark(MarkColumn column, const QString& mark, const std::optional<QString>& band,
                       const std::optional<QString>& mode, std::int64_t except) {
    if (!ready()) return false;
    QSqlQuery& q = statement(markSlot(column, band.has_value(), mode.has_value(), true),
                             QStringLiteral("SELECT 1 FROM LogGen ") +
                                 markWhere(column, band.has_value(), mode.has_value()) +
                                 QStringLiteral(" AND ID<>? LIMIT 1"));
    bindMark(q, mark, band, mode);
    q.bindValue(1 + (band ? 1 : 0) + (mode ? 1 : 0), static_cast<qlonglong>(except));
    return exists(q);
}

std::vector<QsoRow> LogStore::callsStartingWith(const QString& text, int limit) {
    if (!ready()) return {};
    // A range on the call index: the typed characters are compared as they are, with no
    // wildcard meaning, and every call that begins with them is found.
    const QString where = QStringLiteral("WHERE Callsign >= ? AND Callsign < ?");
    QSqlQuery& q =
        limit > 0
            ? statement(kLikeLimit, select(where + QStringLiteral(" ORDER BY Callsign LIMIT ?")))
            : statement(kLike, select(where + QStringLiteral(" ORDER BY ID")));
    const QString from = text.isNull() ? QString(QLatin1String("")) : text;
    q.bindValue(0, from);
    q.bindValue(1, prefixUpperBound(from));
    if (limit > 0) q.bindValue(2, limit);
    return rows(q);
}

std::vector<QsoRow> LogStore::byBand(const QString& band) {
    if (!ready()) return {};
    QSqlQuery& q = statement(kByBand, select(QStringLiteral("WHERE Bnd=? ORDER BY ID")));
    q.bindValue(0, band);
    return rows(q);
}

std::vector<LogStore::BandTotals> LogStore::bandTotals() {
    std::vector<BandTotals> out;
    if (!ready()) return out;
    // Points are text (" 0" for a dupe): their leading number counts, as the desk reads it.
    QSqlQuery& q = statement(
        kBandTotals,
        QStringLiteral("SELECT trim(Bnd), count(*), sum(CAST(trim(Pct) AS INTEGER)), "
                       "sum(trim(ifnull(Mlt,'')) <> ''), sum(trim(ifnull(Mlt1,'')) <> '') "
                       "FROM LogGen GROUP BY trim(Bnd)"));
    if (!run(q)) return out;
    while (q.next())
        out.push_back({q.value(0).toString(), q.value(1).toLongLong(), q.value(2).toLongLong(),
                       q.value(3).toLongLong(), q.value(4).toLongLong()});
    if (!finished(q)) out.clear();
    return out;
}

std::vector<QsoRow> LogStore::lastOfBand(const QString& band, int limit) {
    if (!ready()) return {};
    QSqlQuery& q =
        statement(kLastOfBand, select(QStringLiteral("WHERE Bnd=? ORDER BY ID DESC LIMIT ?")));
    q.bindValue(0, band);
    q.bindValue(1, limit);
    std::vector<QsoRow> out = rows(q);
    std::reverse(out.begin(), out.end());
    return out;
}

std::vector<QsoRow> LogStore::latest(int limit) {
    if (!ready()) return {};
    QSqlQuery& q = statement(kLatest, select(QStringLiteral("ORDER BY ID DESC LIMIT ?")));
    q.bindValue(0, limit);
    return rows(q);
}

std::vector<QString> LogStore::distinctCalls() {
    std::vector<QString> out;
    if (!ready()) return out;
    QSqlQuery& q = statement(
        kDistinctCalls, QStringLiteral("SELECT DISTINCT Callsign FROM LogGen ORDER BY Callsign"));
    if (!run(q)) return out;
    while (q.next())
        out.push_back(q.value(0).toString());
    if (!finished(q)) out.clear();
    return out;
}

std::vector<QsoRow> LogStore::all() {
    if (!ready()) return {};
    QSqlQuery& q = statement(kAll, select(QStringLiteral("ORDER BY ID")));
    return rows(q);
}

} // namespace korvel::store
