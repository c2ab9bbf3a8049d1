#include "core/band_plan.h"

#include <cmath>

namespace korvel {

int bandOfKHz(double kHz) {
    for (const ContestBand& b : kContestBands)
        if (kHz >= b.lowKHz && kHz <= b.highKHz) return b.metres;
    return 0;
}

std::optional<QString> deskModeOfRigMode(const QString& rigMode) {
    const QString m = rigMode.trimmed().toUpper();
    if (m == QLatin1String("CW") || m == QLatin1String("CWR")) return QStringLiteral("CW");
    if (m == QLatin1String("USB") || m == QLatin1String("LSB")) return QStringLiteral("SSB");
    return std::nullopt;
}

RigFollow followRig(std::int64_t hz, const QString& rigMode) {
    RigFollow f;
    f.kHz = std::llround(static_cast<double>(hz) / 1000.0);
    f.band = bandOfKHz(static_cast<double>(hz) / 1000.0);
    f.outside = f.band == 0;
    f.mode = deskModeOfRigMode(rigMode);
    return f;
}

QString frequencyText(std::int64_t hz) {
    return QString::number(static_cast<double>(hz) / 1000.0, 'f', 1);
}

} // namespace korvel
