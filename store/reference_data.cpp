#include "store/reference_data.h"

#include "platform/files.h"
#include "store/cty_import.h"
#include "store/schema.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

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

} // namespace

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

BuildReport buildReferenceDatabase(const QString& path, const ReferenceSources& sources) {
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

    const QString temp = path + QStringLiteral(".building");
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(temp + QLatin1String(suffix));
    {
        RefStore ref;
        if (QString err = ref.open(temp); !err.isEmpty()) {
            report.error = err;
            return report;
        }
        const bool ok = ref.inTransaction([&] {
            return ref.replaceCountries(countries.rows) &&
                   ref.insertLearnedRows(LearnedTable::CallDOK, doks) &&
                   ref.insertLearnedRows(LearnedTable::CallObl, obls) && ref.insertSocieties(socs);
        });
        if (!ok) {
            report.error = QStringLiteral("Cannot build %1: %2").arg(path, ref.lastError());
            ref.close();
            QFile::remove(temp);
            return report;
        }
    }
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
    return report;
}

OpenReport openDatabases(const QString& dataDir, Databases& dbs, const ReferenceSources& sources) {
    OpenReport report;
    if (QString err = makeFolder(dataDir); !err.isEmpty()) {
        report.refError = report.logError = err;
        return report;
    }
    const QString refPath = childPath(dataDir, QLatin1String(kRefDatabaseFile));
    const QString logPath = childPath(dataDir, QLatin1String(kLogDatabaseFile));
    if (!QFileInfo::exists(refPath)) {
        BuildReport built = buildReferenceDatabase(refPath, sources);
        report.warnings += built.warnings;
        report.refError = built.error;
        report.createdRef = built.error.isEmpty();
    }
    if (report.refError.isEmpty()) report.refError = dbs.ref.open(refPath);
    report.createdLog = !QFileInfo::exists(logPath);
    report.logError = dbs.log.open(logPath);
    return report;
}

} // namespace korvel::store
