#pragma once
// The station around the logger: rig control, the telnet DX cluster and keying through
// cwdaemon. Each is off until switched on. Kept in a settings file of its own,
// "KorvelStation.dat" in the data folder, so that the two settings files of the program
// folder keep their layout.
//
// The file has the line format of the other settings files (settings_file.h): one value
// a line, texts quoted, integers with a blank in the sign position, CR LF. A missing file
// or a short one leaves the values not read at their defaults; a line that cannot be
// read stops the reading there.

#include "core/settings_file.h"

#include <QString>
#include <QStringList>

namespace korvel {

inline constexpr int kStationFileLines = 15;

struct StationSettings {
    // Rig control through Hamlib: a rig model of Hamlib's list on a serial device, or a
    // rigctld reached over the network (model 2) at rigHost:rigPort.
    bool rigOn = false;
    int rigModel = 1;
    QString rigDevice = QStringLiteral("/dev/ttyUSB0");
    int rigSerialSpeed = 9600;
    QString rigHost = QStringLiteral("localhost");
    int rigPort = 4532;
    int rigPollMs = 200;

    // Telnet DX cluster: the nodes "host:port", the one used (from 0), how long a spot
    // stays on the band map.
    bool clusterOn = false;
    QStringList clusterNodes;
    int clusterNode = 0;
    int spotMinutes = 30;

    // Keying through cwdaemon over UDP.
    bool cwDaemonOn = false;
    QString cwDaemonHost = QStringLiteral("localhost");
    int cwDaemonPort = 6789;
    int cwDaemonWeighting = 0; // -50 .. 50, the daemon's own scale; 0 is 1:3

    bool operator==(const StationSettings&) const = default;
};

QString stationFilePath(const QString& dataDir); // dataDir + "KorvelStation.dat"

struct StationReadResult {
    int fieldsRead = 0; // lines taken into the settings
    bool found = false; // the file exists and was opened
    QString warning;    // file and line of a line that could not be read, else empty
};

// Reads what the file holds over `settings` (defaults for a missing file or line).
StationReadResult readStationFile(StationSettings& settings, const QString& path);
// Writes through a temporary file that replaces the old one only when complete. Returns
// an empty string or what went wrong, with the file name, for the operator.
QString writeStationFile(const StationSettings& settings, const QString& path);

// A node of the list split into host and port; false when the text is not "host:port"
// with a port of 1 .. 65535.
bool splitNode(const QString& node, QString* host, int* port);

} // namespace korvel
