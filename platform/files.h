#pragma once
// File-system helpers shared by every layer.

#include <QString>

namespace korvel {

// The default program folder: $XDG_DATA_HOME/korvel (usually ~/.local/share/korvel).
QString defaultAppDir();

// The path of `name` inside `dir`. Leading "\" or "/" of `name` are dropped, and an
// existing entry whose name differs only in letter case is found and used, so "\LOG",
// "\Log" and "log" all reach the same folder.
QString childPath(const QString& dir, const QString& name);

// Creates `dir` and its parents. Returns an empty string on success, else a message
// naming the folder.
QString makeFolder(const QString& dir);

} // namespace korvel
