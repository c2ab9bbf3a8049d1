#pragma once
// The data folder and the band text derived from the shared state's fields.

#include <QString>

namespace korvel {

// The data folder derived from the program folder: when the program folder holds a "]"
// the data folder is its first two characters followed by what comes after the last
// "]" (D:[DISK1]\CONTEST gives D:\CONTEST); otherwise both are the same.
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
