#include "store/schema.h"

#include <QStringList>

namespace korvel::store {

namespace {

QString runAll(Connection& c, const QStringList& statements) {
    for (const QString& s : statements)
        if (QString err = c.exec(s); !err.isEmpty()) return err + QStringLiteral(" (") + s + ')';
    return {};
}

} // namespace

QString createReferenceSchema(Connection& c) {
    // Tables in the order the program makes them reachable at start.
    return runAll(
        c,
        {
            QStringLiteral("CREATE TABLE IF NOT EXISTS CountryName (ID INTEGER PRIMARY KEY, "
                           "Country TEXT, Cnt TEXT, CtyPfx TEXT, Pfx TEXT, ITU TEXT, CQ TEXT, "
                           "Beam INTEGER, QRALoc TEXT)"),
            QStringLiteral("CREATE TABLE IF NOT EXISTS CallJud (ID INTEGER PRIMARY KEY, Call TEXT, "
                           "Jud TEXT)"),
            QStringLiteral("CREATE TABLE IF NOT EXISTS CallDOK (ID INTEGER PRIMARY KEY, Call TEXT, "
                           "DOK TEXT)"),
            QStringLiteral("CREATE TABLE IF NOT EXISTS HADXM (ID INTEGER PRIMARY KEY, Call TEXT, "
                           "Nr TEXT)"),
            QStringLiteral("CREATE TABLE IF NOT EXISTS IARU (ID INTEGER PRIMARY KEY, Call TEXT, "
                           "Country TEXT, Region TEXT, Society TEXT, Pref TEXT)"),
            QStringLiteral("CREATE TABLE IF NOT EXISTS CallObl (ID INTEGER PRIMARY KEY, Call TEXT, "
                           "Obl TEXT)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS CountryName_Pfx ON CountryName (Pfx, ID)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS CountryName_CtyPfx ON CountryName (CtyPfx)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS CallJud_Call ON CallJud (Call, ID)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS CallDOK_Call ON CallDOK (Call, ID)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS HADXM_Call ON HADXM (Call, ID)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS IARU_Call ON IARU (Call, ID)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS IARU_Pref ON IARU (Pref, ID)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS CallObl_Call ON CallObl (Call, ID)"),
        });
}

QString createLogSchema(Connection& c) {
    // AUTOINCREMENT: an ID is never given twice, even after the last QSO was deleted,
    // so the IDs always follow the order of entry.
    return runAll(
        c,
        {
            QStringLiteral(
                "CREATE TABLE IF NOT EXISTS LogGen (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                "Callsign TEXT, Data TEXT, UTC TEXT, Bnd TEXT, Sent TEXT, Rcvd TEXT, "
                "Md TEXT, Pfx TEXT, Mlt TEXT, Mlt1 TEXT, Pct TEXT)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS LogGen_Call ON LogGen (Callsign, Bnd, Md)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS LogGen_Mlt ON LogGen (Mlt, Bnd, Md)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS LogGen_Mlt1 ON LogGen (Mlt1, Bnd, Md)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS LogGen_Bnd ON LogGen (Bnd, ID)"),
        });
}

} // namespace korvel::store
