#pragma once
// Building the reference database from the data that ships with the program (data/,
// installed in share/korvel/data and compiled into the program as resources), and opening
// both databases of a data folder.

#include "platform/shipped_files.h"
#include "store/log_store.h"
#include "store/ref_store.h"

#include <QString>
#include <QStringList>

#include <vector>

class QTextStream;

namespace korvel::store {

// The installed copies (share/korvel/data) when there are, else the built-in ones.
struct ReferenceSources {
    QString ctyDat = shippedFile(QStringLiteral("data/cty.dat"));
    QString dokCalls = shippedFile(QStringLiteral("data/WAG_call_history.txt"));
    QString callObl = shippedFile(QStringLiteral("data/callobl.csv"));
    QString iaru = shippedFile(QStringLiteral("data/iaru.csv"));
};

struct BuildReport {
    QString error;        // empty on success
    QStringList warnings; // "file:line: what" for every skipped line
    int countries = 0, doks = 0, oblasts = 0, societies = 0;
};

// Readers of the shipped lists. Comment lines start with "#"; a line that cannot be
// read is skipped with a warning naming the file and line.
std::vector<LearnedRow> parseDokCalls(QTextStream& in, const QString& source,
                                      QStringList& warnings);
std::vector<LearnedRow> parseCallObl(QTextStream& in, const QString& source, QStringList& warnings);
std::vector<IaruRow> parseIaru(QTextStream& in, const QString& source, QStringList& warnings);

// Creates the reference database at `path` from the sources. The file is built under a
// temporary name and moved into place only when complete.
BuildReport buildReferenceDatabase(const QString& path, const ReferenceSources& sources = {});

struct OpenReport {
    QString refError; // empty when the reference database is open
    QString logError; // empty when the log database is open
    bool createdRef = false;
    bool createdLog = false;
    QStringList warnings;
    bool ok() const { return refError.isEmpty() && logError.isEmpty(); }
};

// The two open databases of a session, owned by the application.
struct Databases {
    RefStore ref;
    LogStore log;
    // Reference database first, then the log.
    void closeAll() {
        ref.close();
        log.close();
    }
};

// Opens "DbsKorvel.mdb" and "LogKorvel" in `dataDir`, creating missing files (the
// reference database from the shipped data, the log empty).
OpenReport openDatabases(const QString& dataDir, Databases& dbs,
                         const ReferenceSources& sources = {});

} // namespace korvel::store
