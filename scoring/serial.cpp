#include "scoring/serial.h"

#include "scoring/call_analysis.h"

namespace korvel::scoring {

QString formatSerial(long long n) {
    if (n < 0 || n >= 1000) return QString::number(n);
    return QStringLiteral("%1").arg(n, 3, 10, QChar(u'0'));
}

SerialStep nextSerial(const QString& field) {
    const long long n = leadingNumber(field);
    return {formatSerial(n), formatSerial(n + 1)};
}

SerialStep resumeSerial(const QString& lastSent) {
    const QString sent = lastSent.trimmed();
    return nextSerial(sent.mid(sent.indexOf(u' ') + 1));
}

} // namespace korvel::scoring
