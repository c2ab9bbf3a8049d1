#include "core/paths.h"

namespace korvel {

QString deriveDataDir(const QString& appDir) {
    const qsizetype p = appDir.lastIndexOf(QLatin1Char(']'));
    if (p < 0) return appDir;
    return appDir.left(2) + appDir.mid(p + 1);
}

QString bandToText(int band, const QString& current) {
    switch (band) {
    case 10:
    case 15:
    case 20:
    case 40:
    case 80:
    case 160: return QString::number(band);
    default: return current;
    }
}

} // namespace korvel
