#pragma once
// Plain rows of the tables, in the order of their stored columns.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace korvel::store {

// CountryName: record number, Country, Cnt, CtyPfx, Pfx, ITU, CQ, Beam, QRALoc.
// An exact-call entry (a single call whose country or zones differ from its prefix) is
// stored with Pfx "=" + the call, so that no prefix search can ever match it.
struct CountryRow {
    std::int64_t id = 0;
    QString country;
    QString cnt; // "Eu", "As", "Af", "Na", "Sa", "Oc"
    QString ctyPfx;
    QString pfx;
    QString itu; // two digits as stored
    QString cq;
    int beam = 0;
    QString qraLoc;
    bool operator==(const CountryRow&) const = default;
};

// CallJud, CallDOK, CallObl, HADXM: record number, Call, value.
struct LearnedRow {
    std::int64_t id = 0;
    QString call;
    QString value;
    bool operator==(const LearnedRow&) const = default;
};

// IARU: record number, Call, Country, Region, Society, Pref. The society abbreviation
// (the exchange an HQ station sends) is the fifth column.
struct IaruRow {
    std::int64_t id = 0;
    QString call;
    QString country;
    QString region;
    QString society;
    QString pref;
    bool operator==(const IaruRow&) const = default;
};

// LogGen: ID, Callsign, Data, UTC, Bnd, Sent, Rcvd, Md, Pfx, Mlt, Mlt1, Pct. Every value
// is text as the desk wrote it (points " 0" on a duplicate, blank marks, ...).
struct QsoRow {
    std::int64_t id = 0; // assigned by the store in insertion order
    QString callsign;
    QString data; // "dd.mm.yy"
    QString utc;  // "hh:mm"
    QString bnd;  // "10" .. "160"
    QString sent; // report, one blank, exchange
    QString rcvd;
    QString md; // "CW" or "SSB"
    QString pfx;
    QString mlt;
    QString mlt1;
    QString pct;
    bool operator==(const QsoRow&) const = default;
};

// The twelve columns of a QSO in their stored order, as text: what the log grid and the
// replay's dump show.
inline QStringList cells(const QsoRow& q) {
    return {QString::number(q.id),
            q.callsign,
            q.data,
            q.utc,
            q.bnd,
            q.sent,
            q.rcvd,
            q.md,
            q.pfx,
            q.mlt,
            q.mlt1,
            q.pct};
}

} // namespace korvel::store
