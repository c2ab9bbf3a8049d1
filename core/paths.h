#pragma once
// The data folder and the band text derived from the shared state's fields.

#include <QString>

namespace korvel {

// The data folder derived from the program folder. Without a "]" both are the same. With
// one, a program folder on a drive (D:[DISK1]\CONTEST) gives the drive followed by what
// comes after the last "]" (D:\CONTEST); any other program folder gives what comes after
// the last "]" when that is an absolute path, and otherwise that folder below the program
// folder (a name that would climb out of it gives the program folder itself).
QString deriveDataDir(const QString& appDir);

// What asking for a folder came to: made now, there already, or not made (the name is
// taken by a file, or the system refused).
enum class FolderOutcome { Created, AlreadyThere, Failed };

// Creates `dir` and its parents when `dir` is not there yet. Only Created may be announced
// as a new folder.
FolderOutcome createFolder(const QString& dir);

// "10".."160" for the six bands; any other band leaves the current text unchanged.
QString bandToText(int band, const QString& current);

} // namespace korvel
