#include "store/cty_import.h"

#include <QHash>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace korvel::store {

namespace {

struct Entity {
    QString name;
    QString cq, itu, cont;
    double lat = 0, lonWest = 0;
    QString primary;
    bool waeOnly = false;
    int line = 0;
};

struct Entry {
    QString text; // prefix, or "=CALL"
    QString cq, itu, cont;
    std::optional<double> lat, lonWest;
    int line = 0;
};

QString twoDigits(const QString& zone) {
    const QString z = zone.trimmed();
    return z.size() == 1 ? QStringLiteral("0") + z : z;
}

QString continent(const QString& code) {
    const QString c = code.trimmed().toUpper();
    if (c.size() != 2) return c;
    return c.left(1) + c.mid(1).toLower();
}

// A coordinate in degrees: a finite number within -limit..limit.
std::optional<double> coordinate(const QString& text, double limit) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < -limit || v > limit) return std::nullopt;
    return v;
}

// Why "latitude/longitude" texts are no position, or empty when they are one.
QString positionError(const QString& lat, const QString& lon) {
    if (!coordinate(lat, 90))
        return QStringLiteral("latitude \"%1\" is not a number from -90 to 90").arg(lat.trimmed());
    if (!coordinate(lon, 180))
        return QStringLiteral("longitude \"%1\" is not a number from -180 to 180")
            .arg(lon.trimmed());
    return {};
}

// Splits "K6(3)[6]" into its call part and overrides. Returns false when malformed, with
// `why` set when there is more to say than that.
bool parseEntry(const QString& raw, Entry& e, QString& why) {
    qsizetype i = 0;
    while (i < raw.size() && !QStringLiteral("([<{~").contains(raw[i]))
        ++i;
    e.text = raw.left(i).trimmed().toUpper();
    if (e.text.isEmpty() || e.text == QLatin1String("=")) return false;
    while (i < raw.size()) {
        const QChar open = raw[i];
        const QChar close = open == QLatin1Char('(')   ? QLatin1Char(')')
                            : open == QLatin1Char('[') ? QLatin1Char(']')
                            : open == QLatin1Char('<') ? QLatin1Char('>')
                            : open == QLatin1Char('{') ? QLatin1Char('}')
                                                       : QLatin1Char('~');
        const qsizetype end = raw.indexOf(close, i + 1);
        if (end < 0) return false;
        const QString inner = raw.mid(i + 1, end - i - 1).trimmed();
        if (open == QLatin1Char('(')) {
            e.cq = inner;
        } else if (open == QLatin1Char('[')) {
            e.itu = inner;
        } else if (open == QLatin1Char('{')) {
            e.cont = inner;
        } else if (open == QLatin1Char('<')) {
            const QStringList ll = inner.split(QLatin1Char('/'));
            if (ll.size() != 2) return false;
            why = positionError(ll[0], ll[1]);
            if (!why.isEmpty()) return false;
            e.lat = coordinate(ll[0], 90);
            e.lonWest = coordinate(ll[1], 180);
        } // ~UTC offset~ is not kept
        i = end + 1;
    }
    return true;
}

bool parseHeader(const QString& line, Entity& e, QString& why) {
    const QStringList f = line.split(QLatin1Char(':'));
    if (f.size() < 8) return false;
    e.name = f[0].trimmed();
    e.cq = f[1].trimmed();
    e.itu = f[2].trimmed();
    e.cont = f[3].trimmed();
    why = positionError(f[4], f[5]);
    if (!why.isEmpty()) return false;
    e.lat = *coordinate(f[4], 90);
    e.lonWest = *coordinate(f[5], 180);
    QString p = f[7].trimmed();
    e.waeOnly = p.startsWith(QLatin1Char('*'));
    if (e.waeOnly) p.remove(0, 1);
    e.primary = p;
    return !e.name.isEmpty() && !e.primary.isEmpty();
}

} // namespace

QString locatorFromDegrees(double latitude, double longitudeEast) {
    if (!std::isfinite(latitude) || !std::isfinite(longitudeEast)) return {};
    double lon = std::fmod(longitudeEast + 180.0, 360.0);
    if (lon < 0) lon += 360.0;
    double lat = std::clamp(latitude + 90.0, 0.0, 179.999999);
    const int f1 = static_cast<int>(lon / 20), f2 = static_cast<int>(lat / 10);
    const int s1 = static_cast<int>(std::fmod(lon, 20.0) / 2),
              s2 = static_cast<int>(std::fmod(lat, 10.0));
    const int t1 = static_cast<int>(std::fmod(lon, 2.0) * 12),
              t2 = static_cast<int>(std::fmod(lat, 1.0) * 24);
    QString loc;
    loc += QChar('A' + std::min(f1, 17));
    loc += QChar('A' + std::min(f2, 17));
    loc += QChar('0' + s1);
    loc += QChar('0' + s2);
    loc += QChar('A' + std::min(t1, 23));
    loc += QChar('A' + std::min(t2, 23));
    return loc;
}

namespace {

using Entities = std::vector<std::pair<Entity, std::vector<Entry>>>;
using Warn = std::function<void(int line, const QString& what)>;

// The entity lines with their prefix lines; a line that cannot be read is skipped with a
// warning, and so are the prefix lines of an entity that was skipped.
Entities readEntities(QTextStream& in, const Warn& warn) {
    Entities entities;
    int lineNo = 0;
    bool inList = false;
    QString line;
    while (in.readLineInto(&line)) {
        ++lineNo;
        if (line.trimmed().isEmpty()) continue;
        if (!line.front().isSpace()) {
            Entity e;
            e.line = lineNo;
            QString why;
            inList = parseHeader(line, e, why);
            if (inList)
                entities.push_back({e, {}});
            else
                warn(lineNo, why.isEmpty() ? QStringLiteral("not an entity line, skipped")
                                           : why + QStringLiteral(", entity skipped"));
            continue;
        }
        if (!inList) {
            warn(lineNo, QStringLiteral("prefix line outside an entity, skipped"));
            continue;
        }
        QString body = line.trimmed();
        const bool last = body.endsWith(QLatin1Char(';'));
        if (last) body.chop(1);
        for (const QString& raw : body.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            Entry e;
            e.line = lineNo;
            QString why;
            if (parseEntry(raw.trimmed(), e, why))
                entities.back().second.push_back(e);
            else
                warn(lineNo, QStringLiteral("cannot read \"%1\"%2, skipped")
                                 .arg(raw.trimmed(),
                                      why.isEmpty() ? QString() : QStringLiteral(": ") + why));
        }
        if (last) inList = false;
    }
    return entities;
}

// The real country an entry of an award-only entity belongs to: the one listing the longest
// prefix of it.
class CountryOwners {
public:
    explicit CountryOwners(const Entities& entities) {
        for (const auto& [ent, entries] : entities) {
            if (ent.waeOnly) continue;
            for (const Entry& e : entries)
                if (!e.text.startsWith(QLatin1Char('=')) && !owner_.contains(e.text))
                    owner_.insert(e.text, &ent);
        }
    }
    const Entity* of(const QString& text) const {
        const QString key = text.startsWith(QLatin1Char('=')) ? text.mid(1) : text;
        for (qsizetype n = key.size(); n > 0; --n)
            if (const auto it = owner_.constFind(key.left(n)); it != owner_.constEnd()) return *it;
        return nullptr;
    }

private:
    QHash<QString, const Entity*> owner_;
};

// The row of one entry of `ent`, under the country `identity`: the entry's own zones,
// continent and position where it overrides the entity's.
CountryRow rowOf(const Entity& ent, const Entity& identity, const Entry& e) {
    CountryRow row;
    row.country = identity.name;
    row.ctyPfx = identity.primary;
    row.pfx = e.text;
    row.cnt = continent(e.cont.isEmpty() ? ent.cont : e.cont);
    row.cq = twoDigits(e.cq.isEmpty() ? ent.cq : e.cq);
    row.itu = twoDigits(e.itu.isEmpty() ? ent.itu : e.itu);
    row.qraLoc = locatorFromDegrees(e.lat.value_or(ent.lat), -e.lonWest.value_or(ent.lonWest));
    return row;
}

} // namespace

CtyImport parseCtyDat(QTextStream& in, const QString& sourceName) {
    CtyImport out;
    const Warn warn = [&](int line, const QString& what) {
        out.warnings << QStringLiteral("%1:%2: %3").arg(sourceName).arg(line).arg(what);
    };
    const Entities entities = readEntities(in, warn);
    out.entities = static_cast<int>(entities.size());
    const CountryOwners owners(entities);

    // Real countries first, so that they keep a prefix that an award-only entity lists too.
    QHash<QString, std::size_t> seen; // Pfx -> index in out.rows
    for (const bool awardPass : {false, true}) {
        for (const auto& [ent, entries] : entities) {
            if (ent.waeOnly != awardPass) continue;
            for (const Entry& e : entries) {
                const Entity* identity = &ent;
                if (ent.waeOnly) {
                    identity = owners.of(e.text);
                    if (!identity) identity = owners.of(ent.primary); // e.g. an odd exact call
                    if (!identity) {
                        warn(e.line,
                             QStringLiteral("no country covers \"%1\", skipped").arg(e.text));
                        continue;
                    }
                }
                if (const auto it = seen.constFind(e.text); it != seen.constEnd()) {
                    if (!awardPass && out.rows[*it].ctyPfx != identity->primary)
                        warn(e.line,
                             QStringLiteral("\"%1\" listed twice; first entry kept").arg(e.text));
                    continue;
                }
                seen.insert(e.text, out.rows.size());
                out.rows.push_back(rowOf(ent, *identity, e));
            }
        }
    }
    return out;
}

} // namespace korvel::store
