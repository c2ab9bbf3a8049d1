#pragma once
// What one run of the program owns: the shared state and the two databases. Start-up
// derives the folders, reads the settings files and opens (creating when missing) the
// databases; nothing here needs a display.

#include "core/shared_state.h"
#include "store/reference_data.h"

#include <QString>
#include <QStringList>

namespace korvel {

inline constexpr const char* kNoConnectionMessage = "Keine Verbindung zum Server !";

struct Session {
    SharedState state;
    store::Databases dbs;
};

struct StartReport {
    QString folderError;   // the program or data folder could not be created or written
    QString databaseError; // a database could not be opened or written, naming its file
    // The start must not go on (a damaged log, left as it is); also in databaseError.
    QString stopError;
    // For the operator, once before the first screen (the reference database was rebuilt).
    QStringList notices;
    QStringList warnings; // settings files, settings lines or data lines that could not be read
    bool ok() const { return folderError.isEmpty() && databaseError.isEmpty(); }
};

// Sets AppDir (the given folder, or the default one when empty) and DataDir, creates the
// folders and checks that they can be written, reads both settings files and opens both
// databases.
StartReport startSession(Session& session, const QString& appDir);

} // namespace korvel
