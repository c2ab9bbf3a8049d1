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
    int kept = 0; // rows of an earlier file put back
};

// Readers of the shipped lists. Comment lines start with "#"; a line that cannot be
// read is skipped with a warning naming the file and line.
std::vector<LearnedRow> parseDokCalls(QTextStream& in, const QString& source,
                                      QStringList& warnings);
std::vector<LearnedRow> parseCallObl(QTextStream& in, const QString& source, QStringList& warnings);
std::vector<IaruRow> parseIaru(QTextStream& in, const QString& source, QStringList& warnings);

// Rows of an earlier reference database that the operator or the desk put there: kept when
// the file is built again.
struct KeptReferenceRows {
    std::vector<CountryRow> countries; // added through the country entry
    std::vector<LearnedRow> counties;  // CallJud
    std::vector<LearnedRow> doks;      // CallDOK
    std::vector<LearnedRow> hadxm;     // HADXM
    int size() const {
        return static_cast<int>(countries.size() + counties.size() + doks.size() + hadxm.size());
    }
};

// Creates the reference database at `path` from the sources, with the kept rows that the
// sources do not hold themselves. The file is built under a temporary name and moved into
// place only when complete; the journal files of an earlier file of that name go with it.
BuildReport buildReferenceDatabase(const QString& path, const ReferenceSources& sources = {},
                                   const KeptReferenceRows& kept = {});

// Start-up checks. Why the folder cannot take new files ("The folder ... cannot be
// written: reason"), or empty.
QString folderWriteError(const QString& dir);
// Why an existing database file cannot be used for writing (a folder in its place, no
// permission), naming it, or empty.
QString databaseWriteError(const QString& path);

struct OpenReport {
    QString refError; // empty when the reference database is open
    QString logError; // empty when the log database is open
    bool createdRef = false;
    bool createdLog = false;
    // The reference database was damaged or incomplete and was built again; `refRebuilt`
    // says so for the operator (once, at the start that rebuilt it).
    QString refRebuilt;
    // The log is damaged: the start must not go on, and the file was left as it is.
    bool logDamaged = false;
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
// reference database from the shipped data, the log empty). The folder and existing files
// must be writable. A reference database that is damaged, lacks a table or holds fewer rows
// than the shipped data put there (an empty country table) is built again from the shipped
// data, keeping what the operator added when it can still be read. A damaged log is never
// touched: it is reported (logDamaged) and stays closed.
OpenReport openDatabases(const QString& dataDir, Databases& dbs,
                         const ReferenceSources& sources = {});

} // namespace korvel::store
