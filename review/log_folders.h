#pragma once
// The two export folders under the data folder, the names of the export files, and the
// clearing of a station's old files from the log folder.
//
// Every file name built from the own call passes through safeFileName(), so that no call
// (a "/" of a portable call, "..", or a settings file edited by hand) can reach a file
// outside the folder.

#include <QString>
#include <QStringList>

namespace korvel::review {

inline constexpr const char* kLogFolder = "LOG";
inline constexpr const char* kArchiveFolder = "ARHIVA";

// The folder `name` under `dataDir`; an existing folder whose name differs only in letter
// case is the one used.
QString exportFolder(const QString& dataDir, const char* name);

struct FolderResult {
    QString path;
    bool created = false; // did not exist before
    QString error;        // could not be created (the path and the reason)
};
// Makes sure the folder exists.
FolderResult ensureExportFolder(const QString& dataDir, const char* name);

// The message said once when a folder was created.
QString folderCreatedMessage(const QString& dataDir, const char* name);

// Every character that is not a letter, a digit or "-" becomes "_".
QString safeFileName(const QString& text);

// The own call without its portable designators (/P, a one-character suffix, /MM, /QRP, a
// prefix before "/"), made safe for a file name.
QString fileCall(const QString& myCall);

// "<FileCall> <ContestName><date><extension>" in the log folder.
QString exportFileName(const QString& myCall, const QString& contestName, const QString& date,
                       const QString& extension);

// The text log in the log folder: "<FileCall>100 <ContestName><date>.txt" for a contest
// whose text log is named by the whole-log band, else "<FileCall> <ContestName><date>LOG
// ALL.txt". `extension` replaces ".txt" (the printout's PDF file).
QString textLogFileName(const QString& myCall, const QString& contestName, const QString& date,
                        bool namedByBand, const QString& extension = QStringLiteral(".txt"));

// The station's old files the clearing removes: the ten text logs and the .CBR and .STF
// named from the whole call (made safe).
QStringList stationFileNames(const QString& myCall);

// Deletes the station's old files from `folder`; a file that is not there is no error.
// Returns, for each file that was there and could not be deleted, its path and the reason.
QStringList clearStationFiles(const QString& folder, const QString& myCall);

} // namespace korvel::review
