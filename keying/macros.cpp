#include "keying/macros.h"

namespace korvel::keying {

QString cutNumber(const QString& exchange) {
    if (exchange.startsWith(QLatin1String("00"))) return QStringLiteral("TT") + exchange.right(1);
    if (exchange.startsWith(QLatin1Char('0'))) return QStringLiteral("T") + exchange.right(2);
    return exchange;
}

Expanded expandMacros(const QString& message, const MacroValues& values) {
    Expanded out;
    const QString text = message.trimmed();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('#')) {
            out.text += text[i];
            continue;
        }
        if (++i >= text.size()) break;
        switch (text[i].unicode()) {
        case '1': out.text += values.myCall; break;
        case '2': out.text += values.workedCall; break;
        case '3': out.text += cutNumber(values.sentExchange); break;
        case '4': out.text += values.myLocator; break;
        case '8': out.logOnSend = true; break;
        default: break;
        }
    }
    return out;
}

} // namespace korvel::keying
