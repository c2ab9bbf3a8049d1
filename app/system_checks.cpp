#include "app/system_checks.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QStandardPaths>

namespace korvel {

int audioOutputCount() {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

bool webBrowserAvailable() {
    return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
}

} // namespace korvel
