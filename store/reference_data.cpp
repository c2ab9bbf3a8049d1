#include "store/reference_data.h"

#include "platform/files.h"
#include "store/cty_import.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QTextStream>

#include <optional>
#include <utility>

namespace korvel::store {

namespace {

// Calls lines of "a,b,..." with at least `minFields` fields; warns about the others.
template <class Fn>
void forEachDataLine(QTextStream& in, const QString& source, QStringList& warnings, int minFields,
                     Fn&& fn) {
    int lineNo = 0;
    QString line;
    while (in.readLineInto(&line)) {
        ++lineNo;
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char('#'))) continue;
        const QStringList f = t.split(QLatin1Char(','));
        if (f.size() < minFields || f[0].trimmed().isEmpty()) {
            warnings << QStringLiteral("%1:%2: cannot read \"%3\", skipped")
                            .arg(source)
                            .arg(lineNo)
                            .arg(t);
            continue;
        }
        fn(f, lineNo);
    }
}

QString cell(const QStringList& f, int i) {
    return i < f.size() ? f[i].trimmed() : QString();
}

// The files SQLite keeps next to a database while it is open or after a crash.
constexpr const char* kJournalSuffixes[] = {"-wal", "-shm", "-journal"};

// A shipped list read with `parse`; nothing when it cannot be read.
template <class Parse>
auto readShipped(const QString& file, Parse parse, QStringList& warnings)
    -> std::optional<decltype(parse(std::declval<QTextStream&>(), file, warnings))> {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    return parse(in, QFileInfo(file).fileName(), warnings);
}

// Engine errors that say the file is busy or cannot be reached now, not that it is damaged.
bool isPassing(const QSqlError& e) {
    const QString code = e.nativeErrorCode();
    return code == QLatin1String("5") || code == QLatin1String("6") ||
           code == QLatin1String("10") || code == QLatin1String("14");
}

// What `PRAGMA quick_check` finds wrong with an open database ("" when nothing); sets
// `damaged` unless the check could not run for a passing reason.
QString quickCheck(Connection& c, bool& damaged) {
    QSqlQuery q = c.prepare(QStringLiteral("PRAGMA quick_check(1)"));
    if (!q.exec() || !q.next()) {
        damaged = !isPassing(q.lastError());
        return q.lastError().text();
    }
    const QString result = q.value(0).toString();
    damaged = result != QLatin1String("ok");
    return damaged ? result : QString();
}

// Why the reference database cannot serve as it is, or empty. `damaged` tells a file whose
// content is wrong (to be built again) from one that cannot be reached.
QString referenceProblem(const QString& path, const ReferenceSources& sources, bool& damaged) {
    damaged = false;
    Connection c;
    if (QString err = c.open(path); !err.isEmpty()) {
        damaged = c.openFoundDamage();
        return err;
    }
    if (QString err = quickCheck(c, damaged); !err.isEmpty()) return err;
    QStringList ignored;
    const auto doks = readShipped(sources.dokCalls, parseDokCalls, ignored);
    const auto obls = readShipped(sources.callObl, parseCallObl, ignored);
    const auto socs = readShipped(sources.iaru, parseIaru, ignored);
    const auto size = [](const auto& rows) { return rows ? static_cast<qint64>(rows->size()) : 0; };
    const struct {
        const char* name;
        qint64 atLeast;
    } tables[] = {
        {"CountryName", 1},      {"CallJud", 0}, {"CallDOK", size(doks)},
        {"CallObl", size(obls)}, {"HADXM", 0},   {"IARU", size(socs)},
    };
    for (const auto& t : tables) {
        QSqlQuery q = c.prepare(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(t.name));
        if (!q.exec() || !q.next()) {
            damaged = !isPassing(q.lastError());
            return QStringLiteral("the table %1 cannot be read: %2")
                .arg(QLatin1String(t.name), q.lastError().text());
        }
        if (const qint64 rows = q.value(0).toLongLong(); rows < t.atLeast) {
            damaged = true;
            return QStringLiteral("the table %1 holds %2 rows, the shipped data %3")
                .arg(QLatin1String(t.name))
                .arg(rows)
                .arg(t.atLeast);
        }
    }
    return {};
}

// The rows of a damaged reference database that can still be read (each table as far as it
// reads); the build keeps those the shipped data do not hold.
KeptReferenceRows readableRows(const QString& path) {
    KeptReferenceRows kept;
    Connection c;
    if (!c.open(path).isEmpty()) return kept;
    QSqlQuery q = c.prepare(QStringLiteral("SELECT ") + countryColumns() +
                            QStringLiteral(" FROM CountryName ORDER BY ID"));
    if (q.exec())
        while (q.next())
            kept.countries.push_back(readCountryRow(q));
    const std::pair<LearnedTable, std::vector<LearnedRow>*> learned[] = {
        {LearnedTable::CallJud, &kept.counties},
        {LearnedTable::CallDOK, &kept.doks},
        {LearnedTable::HADXM, &kept.hadxm},
    };
    for (const auto& [table, rows] : learned) {
        q = c.prepare(QStringLiteral("SELECT ID, Call, %1 FROM %2 ORDER BY ID")
                          .arg(learnedValueColumn(table), learnedTableName(table)));
        if (q.exec())
            while (q.next())
                rows->push_back(
                    {q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString()});
    }
    return kept;
}

// Why the log database cannot be opened as it is, or empty; `damaged` as above.
QString logProblem(const QString& path, bool& damaged) {
    damaged = false;
    Connection c;
    if (QString err = c.open(path); !err.isEmpty()) {
        damaged = c.openFoundDamage();
        return err;
    }
    return quickCheck(c, damaged);
}

} // namespace

QString folderWriteError(const QString& dir) {
    QFile probe(QDir(dir).filePath(QStringLiteral(".korvel-write-check")));
    if (!probe.open(QIODevice::WriteOnly))
        return QStringLiteral("The folder %1 cannot be written: %2").arg(dir, probe.errorString());
    probe.close();
    probe.remove();
    return {};
}

QString databaseWriteError(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return QStringLiteral("%1 is a folder, not a database").arg(path);
    if (!info.exists()) return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return QStringLiteral("The database %1 cannot be written: %2").arg(path, f.errorString());
    return {};
}

std::vector<LearnedRow> parseDokCalls(QTextStream& in, const QString& source,
                                      QStringList& warnings) {
    std::vector<LearnedRow> rows;
    forEachDataLine(in, source, warnings, 2, [&](const QStringList& f, int) {
        // Calls listed with no DOK (stations outside the DARC) are left out.
        if (!cell(f, 1).isEmpty()) rows.push_back({0, cell(f, 0).toUpper(), cell(f, 1).toUpper()});
    });
    return rows;
}

std::vector<LearnedRow> parseCallObl(QTextStream& in, const QString& source,
                                     QStringList& warnings) {
    std::vector<LearnedRow> rows;
    forEachDataLine(in, source, warnings, 2, [&](const QStringList& f, int lineNo) {
        if (cell(f, 0).size() != 2 || cell(f, 1).isEmpty()) {
            warnings << QStringLiteral("%1:%2: not a call area and oblast, skipped")
                            .arg(source)
                            .arg(lineNo);
            return;
        }
        rows.push_back({0, cell(f, 0).toUpper(), cell(f, 1).toUpper()});
    });
    return rows;
}

std::vector<IaruRow> parseIaru(QTextStream& in, const QString& source, QStringList& warnings) {
    std::vector<IaruRow> rows;
    int lineNo = 0;
    QString line;
    while (in.readLineInto(&line)) {
        ++lineNo;
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char('#'))) continue;
        const QStringList f = t.split(QLatin1Char(','));
        if (f.size() < 5 || cell(f, 3).isEmpty()) {
            warnings << QStringLiteral("%1:%2: cannot read \"%3\", skipped")
                            .arg(source)
                            .arg(lineNo)
                            .arg(t);
            continue;
        }
        rows.push_back(
            {0, cell(f, 0).toUpper(), cell(f, 1), cell(f, 2), cell(f, 3), cell(f, 4).toUpper()});
    }
    return rows;
}

BuildReport buildReferenceDatabase(const QString& path, const ReferenceSources& sources,
                                   const KeptReferenceRows& kept) {
    BuildReport report;
    auto openText = [&](const QString& file, QFile& f) {
        f.setFileName(file);
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
            report.error = QStringLiteral("Cannot read %1: %2").arg(file, f.errorString());
            return false;
        }
        return true;
    };

    QFile cty, dok, obl, iaru;
    if (!openText(sources.ctyDat, cty) || !openText(sources.dokCalls, dok) ||
        !openText(sources.callObl, obl) || !openText(sources.iaru, iaru))
        return report;
    QTextStream ctyIn(&cty), dokIn(&dok), oblIn(&obl), iaruIn(&iaru);
    for (QTextStream* s : {&ctyIn, &dokIn, &oblIn, &iaruIn})
        s->setEncoding(QStringConverter::Utf8);

    CtyImport countries = parseCtyDat(ctyIn, QFileInfo(sources.ctyDat).fileName());
    report.warnings += countries.warnings;
    const auto doks = parseDokCalls(dokIn, QFileInfo(sources.dokCalls).fileName(), report.warnings);
    const auto obls = parseCallObl(oblIn, QFileInfo(sources.callObl).fileName(), report.warnings);
    const auto socs = parseIaru(iaruIn, QFileInfo(sources.iaru).fileName(), report.warnings);
    if (countries.rows.empty()) {
        report.error = QStringLiteral("%1 holds no country").arg(sources.ctyDat);
        return report;
    }

    // Of the kept rows, those the shipped data do not hold.
    QSet<QString> shippedPrefixes;
    for (const CountryRow& r : countries.rows)
        shippedPrefixes.insert(r.pfx);
    std::vector<CountryRow> ownCountries;
    for (const CountryRow& r : kept.countries)
        if (!shippedPrefixes.contains(r.pfx)) ownCountries.push_back(r);
    QSet<std::pair<QString, QString>> shippedDoks;
    for (const LearnedRow& r : doks)
        shippedDoks.insert({r.call, r.value});
    std::vector<LearnedRow> ownDoks;
    for (const LearnedRow& r : kept.doks)
        if (!shippedDoks.contains({r.call, r.value})) ownDoks.push_back(r);

    const QString temp = path + QStringLiteral(".building");
    QFile::remove(temp);
    for (const char* suffix : kJournalSuffixes)
        QFile::remove(temp + QLatin1String(suffix));
    {
        RefStore ref;
        if (QString err = ref.open(temp); !err.isEmpty()) {
            report.error = err;
            return report;
        }
        const bool ok = ref.inTransaction([&] {
            if (!ref.replaceCountries(countries.rows) ||
                !ref.insertLearnedRows(LearnedTable::CallDOK, doks) ||
                !ref.insertLearnedRows(LearnedTable::CallObl, obls) || !ref.insertSocieties(socs))
                return false;
            for (const CountryRow& r : ownCountries)
                if (!ref.addCountry(r)) return false;
            return ref.insertLearnedRows(LearnedTable::CallJud, kept.counties) &&
                   ref.insertLearnedRows(LearnedTable::CallDOK, ownDoks) &&
                   ref.insertLearnedRows(LearnedTable::HADXM, kept.hadxm);
        });
        if (!ok) {
            report.error = QStringLiteral("Cannot build %1: %2").arg(path, ref.lastError());
            ref.close();
            QFile::remove(temp);
            return report;
        }
    }
    // A journal left by an earlier file of this name must not be applied to the new one.
    for (const char* suffix : kJournalSuffixes)
        QFile::remove(path + QLatin1String(suffix));
    QFile::remove(path);
    if (!QFile::rename(temp, path)) {
        report.error = QStringLiteral("Cannot move %1 into place").arg(path);
        QFile::remove(temp);
        return report;
    }
    report.countries = static_cast<int>(countries.rows.size());
    report.doks = static_cast<int>(doks.size());
    report.oblasts = static_cast<int>(obls.size());
    report.societies = static_cast<int>(socs.size());
    report.kept = static_cast<int>(ownCountries.size() + kept.counties.size() + ownDoks.size() +
                                   kept.hadxm.size());
    return report;
}

OpenReport openDatabases(const QString& dataDir, Databases& dbs, const ReferenceSources& sources) {
    OpenReport report;
    QString folderError = makeFolder(dataDir);
    if (folderError.isEmpty()) folderError = folderWriteError(dataDir);
    if (!folderError.isEmpty()) {
        report.refError = report.logError = folderError;
        return report;
    }
    const QString refPath = childPath(dataDir, QLatin1String(kRefDatabaseFile));
    const QString logPath = childPath(dataDir, QLatin1String(kLogDatabaseFile));
    const auto there = [](const QString& path) {
        const QFileInfo info(path);
        return info.exists() || info.isSymLink();
    };

    if (!there(refPath)) {
        BuildReport built = buildReferenceDatabase(refPath, sources);
        report.warnings += built.warnings;
        report.refError = built.error;
        report.createdRef = built.error.isEmpty();
    } else if (QString err = databaseWriteError(refPath); !err.isEmpty()) {
        report.refError = err;
    } else {
        bool damaged = false;
        const QString problem = referenceProblem(refPath, sources, damaged);
        if (damaged) {
            BuildReport built = buildReferenceDatabase(refPath, sources, readableRows(refPath));
            report.warnings += built.warnings;
            report.refError = built.error;
            if (built.error.isEmpty()) {
                report.refRebuilt =
                    QStringLiteral("%1 was damaged or incomplete (%2) and has been built again "
                                   "from the shipped data")
                        .arg(refPath, problem) +
                    (built.kept > 0
                         ? QStringLiteral("; %1 rows added to it were kept.").arg(built.kept)
                         : QStringLiteral("."));
                report.warnings << report.refRebuilt;
            }
        } else {
            report.refError = problem;
        }
    }
    if (report.refError.isEmpty()) report.refError = dbs.ref.open(refPath);

    report.createdLog = !there(logPath);
    if (!report.createdLog) {
        report.logError = databaseWriteError(logPath);
        if (report.logError.isEmpty()) {
            const QString problem = logProblem(logPath, report.logDamaged);
            if (report.logDamaged)
                report.logError =
                    QStringLiteral("The log %1 is damaged (%2). It has been left as it is.")
                        .arg(logPath, problem);
            else
                report.logError = problem;
        }
    }
    if (report.logError.isEmpty()) report.logError = dbs.log.open(logPath);
    return report;
}

} // namespace korvel::store
