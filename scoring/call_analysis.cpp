#include "scoring/call_analysis.h"

namespace korvel::scoring {

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}
bool inRange(QChar c, char16_t first, char16_t last) {
    return c >= first && c <= last;
}

// "RA" & rest for the Russian blocks; 0 when the call is none of them.
int russianMark(QChar second, bool startsWithR) {
    if (startsWithR) {
        if (inRange(second, u'B', u'P') || inRange(second, u'R', u'Z')) return 10;
        if (second == u'0' || inRange(second, u'2', u'9')) return 11;
        return 0;
    }
    if (inRange(second, u'A', u'I')) return 10;
    if (QStringView(u"13469").contains(second)) return 11;
    return 0;
}

bool isCanadianBlock(QChar first, QChar second) {
    switch (first.unicode()) {
    case u'V':
        return inRange(second, u'A', u'G') || second == u'O' || second == u'X' || second == u'Y';
    case u'C': return inRange(second, u'F', u'K');
    case u'X': return inRange(second, u'J', u'O');
    default: return false;
    }
}

bool isChineseBlock(QChar first, QChar second) {
    if (first == u'3') return inRange(second, u'H', u'U');
    if (first == u'B') return inRange(second, u'A', u'V') || second == u'X' || second == u'Z';
    return false;
}

bool isUsBlock(const QString& call) {
    const QChar first = call[0];
    const QChar second = call[1];
    if (call.startsWith(u"KG4") || second == u'L') return false; // KL, AL, NL, WL
    if (second == u'P' && call.size() > 2 && inRange(call[2], u'1', u'5'))
        return false; // KP1..KP5, NP1..NP5, WP1..WP5
    if (first == u'A') return inRange(second, u'A', u'G') || inRange(second, u'I', u'L');
    return inRange(second, u'A', u'G') || inRange(second, u'I', u'Z');
}

} // namespace

QString normaliseCall(const QString& typed) {
    QString call = typed.trimmed().left(kMaxCallChars);
    call.remove(u' ');
    return call;
}

QString loggedCall(const QString& typed) {
    return normaliseCall(typed.toUpper());
}

MappedKey nationalMapping(const QString& call) {
    if (call.size() < 2) return {};
    const QChar first = call[0];
    const QChar second = call[1];
    switch (first.unicode()) {
    case u'R':
    case u'U': {
        const int mark = russianMark(second, first == u'R');
        if (mark == 0) return {};
        return {mark, QStringLiteral("RA") + call.mid(mark == 10 ? 2 : 1)};
    }
    case u'V':
    case u'C':
    case u'X':
        if (isCanadianBlock(first, second)) return {20, QStringLiteral("VE") + call.mid(2)};
        return {};
    case u'3':
    case u'B':
        if (isChineseBlock(first, second)) return {20, QStringLiteral("BY") + call.mid(2)};
        return {};
    case u'A':
    case u'K':
    case u'N':
    case u'W':
        if (isUsBlock(call)) return {20, QStringLiteral("K") + call.mid(2)};
        return {};
    default: return {};
    }
}

QString wpxPrefix(const QString& call, const QString& ctyPfx) {
    const qsizetype n = call.size();
    if (n > 0 && isAsciiDigit(call[0])) {
        qsizetype i = 1;
        while (i < n && !isAsciiLetter(call[i]))
            ++i;
        for (qsizetype j = i + 1; j < n; ++j)
            if (isAsciiDigit(call[j])) return call.left(j + 1);
        return call;
    }
    qsizetype first = 1;
    while (first < n && !isAsciiDigit(call[first]))
        ++first;
    if (first >= n - 1) return ctyPfx + u'0';
    qsizetype end = first + 1;
    while (end < n && isAsciiDigit(call[end]))
        ++end;
    return call.left(end);
}

bool isPortable(const QString& call) {
    const QString c = call.trimmed().toUpper();
    return c.endsWith(u"/P") || c.endsWith(u"/M") || c.endsWith(u"/MM");
}

long long leadingNumber(const QString& text) {
    const QString t = text.trimmed();
    constexpr qsizetype kMaxDigits = 18; // stays inside a long long
    long long value = 0;
    for (qsizetype i = 0; i < t.size() && i < kMaxDigits && isAsciiDigit(t[i]); ++i)
        value = value * 10 + (t[i].unicode() - u'0');
    return value;
}

QString twoDigitZone(const QString& zone) {
    const QString z = zone.trimmed();
    if (leadingNumber(z) == 0) return {};
    return z.size() == 1 ? u'0' + z : z;
}

QString russianCallArea(const QString& rawCall) {
    const QString call = rawCall.left(kMaxCallChars);
    for (qsizetype i = call.size() - 1; i >= 0; --i)
        if (isAsciiDigit(call[i])) return call.mid(i, 2);
    return {};
}

QString scandinavianDistrict(const QString& ctyPfx, const QString& call) {
    const QChar district = call.size() > 2 && isAsciiDigit(call[2]) ? call[2] : QChar(u'0');
    return (ctyPfx + district).left(3);
}

bool isNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    for (QChar c : t)
        if (!isAsciiDigit(c)) return false;
    return true;
}

} // namespace korvel::scoring
