#include "bench/bench_log.h"

#include <QDir>

#include <QCoreApplication>

#include "store/connection.h"
#include "store/log_store.h"
#include "store/schema.h"

#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>

namespace korvel::bench {

QString randomCall(Random& rng) {
    QString prefix = QLatin1String(pickOf(rng, kPrefixes));
    QString call = prefix;
    if (!prefix.back().isDigit()) call += QChar('0' + pick(rng, 10));
    const int letters = 1 + pick(rng, 3);
    for (int i = 0; i < letters; ++i)
        call += QChar('A' + pick(rng, 26));
    return call;
}

QString countryPrefix(const QString& call) {
    for (const char* p : kPrefixes) {
        const QLatin1String prefix(p);
        if (!call.startsWith(prefix)) continue;
        if (QChar(prefix.back()).isDigit() || call.at(prefix.size()).isDigit()) return prefix;
    }
    return {};
}

store::QsoRow randomQso(Random& rng, const std::vector<QString>& calls, int serial) {
    store::QsoRow r;
    r.callsign = calls[std::size_t(pick(rng, int(calls.size())))];
    r.data = QStringLiteral("%1.06.24").arg(8 + serial / 60'000, 2, 10, QChar('0'));
    r.utc = QStringLiteral("%1:%2")
                .arg((serial / 60) % 24, 2, 10, QChar('0'))
                .arg(serial % 60, 2, 10, QChar('0'));
    r.bnd = QLatin1String(pickOf(rng, kLogBands));
    r.md = QLatin1String(pickOf(rng, kLogModes));
    r.sent = QStringLiteral("599 %1").arg(serial + 1, 3, 10, QChar('0'));
    r.rcvd = QStringLiteral("599 %1").arg(1 + pick(rng, 2000), 3, 10, QChar('0'));
    r.pfx = countryPrefix(r.callsign);
    if (pick(rng, 20) == 0)
        r.mlt = pick(rng, 2) ? r.pfx : QString(QLatin1String(pickOf(rng, kCounties)));
    r.pct = pick(rng, 3) ? QStringLiteral("1") : QStringLiteral("3");
    return r;
}

bool bulkFill(const QString& path, const std::vector<store::QsoRow>& rows) {
    {
        store::LogStore schema;
        if (QString err = schema.open(path); !err.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(err));
            return false;
        }
    }
    store::Connection c;
    if (QString err = c.open(path); !err.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(err));
        return false;
    }
    c.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    c.db().transaction();
    QSqlQuery q = c.prepare(QStringLiteral(
        "INSERT INTO LogGen (Callsign, Data, UTC, Bnd, Sent, Rcvd, Md, Pfx, Mlt, Mlt1, Pct) "
        "VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
    for (const store::QsoRow& r : rows) {
        int i = 0;
        for (const QString* v : {&r.callsign, &r.data, &r.utc, &r.bnd, &r.sent, &r.rcvd, &r.md,
                                 &r.pfx, &r.mlt, &r.mlt1, &r.pct})
            q.bindValue(i++, v->isNull() ? QString(QLatin1String("")) : *v);
        if (!q.exec()) {
            std::fprintf(stderr, "insert: %s\n", qPrintable(q.lastError().text()));
            return false;
        }
    }
    q.finish();
    return c.db().commit();
}

bool buildLog(Random& rng, const QString& path, BenchLog& out) {
    out = {};
    while (out.calls.size() < std::size_t(kDistinctCalls)) {
        QString call = randomCall(rng);
        if (out.known.insert(call).second) out.calls.push_back(call);
    }
    out.rows.reserve(kLogSize);
    for (int i = 0; i < kLogSize; ++i)
        out.rows.push_back(randomQso(rng, out.calls, i));
    return bulkFill(path, out.rows);
}

bool openBenchDatabases(Random& rng, const QString& folder, store::Databases& dbs, BenchLog& log) {
    const QString logPath = QDir(folder).filePath(QLatin1String(store::kLogDatabaseFile));
    if (!buildLog(rng, logPath, log)) return false;
    if (const store::OpenReport r = store::openDatabases(folder, dbs); !r.ok()) {
        std::fprintf(stderr, "cannot open the databases in %s: %s %s\n", qPrintable(folder),
                     qPrintable(r.refError), qPrintable(r.logError));
        return false;
    }
    return true;
}

std::optional<QString> benchFolderTemplate(const char* program) {
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 2) {
        std::fprintf(stderr, "usage: %s [benchmark options] [folder]\n", program);
        return std::nullopt;
    }
    if (args.size() < 2) return QString();
    return QDir(args[1]).filePath(QStringLiteral("korvel-bench-XXXXXX"));
}

} // namespace korvel::bench
