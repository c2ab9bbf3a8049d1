#include "store/cty_import.h"
#include "store/reference_data.h"

#include "tests/support/locked_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iostream>
#include <limits>
#include <optional>

using namespace korvel::store;

namespace {

CtyImport parse(const QString& text) {
    QString copy = text;
    QTextStream in(&copy);
    return parseCtyDat(in, QStringLiteral("test.dat"));
}

const CountryRow* find(const CtyImport& r, const QString& pfx) {
    for (const CountryRow& row : r.rows)
        if (row.pfx == pfx) return &row;
    return nullptr;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Shipped data of two German prefixes, one DOK, one oblast and one society.
ReferenceSources smallSources(const QTemporaryDir& dir) {
    ReferenceSources src;
    src.ctyDat = dir.filePath(QStringLiteral("cty.dat"));
    src.dokCalls = dir.filePath(QStringLiteral("dok.txt"));
    src.callObl = dir.filePath(QStringLiteral("obl.csv"));
    src.iaru = dir.filePath(QStringLiteral("iaru.csv"));
    writeFile(src.ctyDat, "Germany:  14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n    DL,DA;\n");
    writeFile(src.dokCalls, "DL1ABC,A01\n");
    writeFile(src.callObl, "1A,SP\n");
    writeFile(src.iaru, "DA0HQ,Germany,1,DARC,DL\n");
    return src;
}

// Runs statements on a database file without the store's checks.
void execOn(const QString& path, const QStringList& statements) {
    Connection c;
    ASSERT_EQ(c.open(path), QString());
    for (const QString& sql : statements)
        ASSERT_EQ(c.exec(sql), QString()) << sql.toStdString();
}

} // namespace

TEST(CtyImport, OverridesAndPositions) {
    const CtyImport r = parse(QStringLiteral(
        "Canada:                   05:  09:  NA:   44.35:    78.75:     5.0:  VE:\n"
        "    VE,VE3(4)[4],VE7(3)[2],=VE2ABC/KL<61.00/150.00>{OC},\n"
        "    VO1;\n"
        "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
        "    IT9,=IT9XYZ(99);\n"
        "Italy:                    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n"
        "    I,IK;\n"));
    EXPECT_TRUE(r.warnings.isEmpty()) << r.warnings.join('\n').toStdString();
    EXPECT_EQ(r.entities, 3);
    const CountryRow* ve3 = find(r, QStringLiteral("VE3"));
    ASSERT_TRUE(ve3);
    EXPECT_EQ(ve3->cq, QStringLiteral("04"));
    EXPECT_EQ(ve3->itu, QStringLiteral("04"));
    EXPECT_EQ(ve3->cnt, QStringLiteral("Na"));
    EXPECT_EQ(ve3->qraLoc, QStringLiteral("FN04PI")); // 44.35 N, 78.75 W
    const CountryRow* odd = find(r, QStringLiteral("=VE2ABC/KL"));
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->cnt, QStringLiteral("Oc"));
    EXPECT_EQ(odd->qraLoc, QStringLiteral("BP51AA")); // 61 N, 150 W
    EXPECT_EQ(odd->ctyPfx, QStringLiteral("VE"));
    // An award-only entity listed before its country still ends up under the country.
    const CountryRow* it9 = find(r, QStringLiteral("IT9"));
    ASSERT_TRUE(it9);
    EXPECT_EQ(it9->country, QStringLiteral("Italy"));
    EXPECT_EQ(it9->ctyPfx, QStringLiteral("I"));
    EXPECT_EQ(find(r, QStringLiteral("=IT9XYZ"))->cq, QStringLiteral("99"));
}

TEST(CtyImport, BadLinesAreSkippedWithFileAndLine) {
    const CtyImport r =
        parse(QStringLiteral("this is not an entity line\n"
                             "    K1;\n"
                             "Japan:   25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n"
                             "    JA,JA1(25<35/139,JE;\n"));
    ASSERT_EQ(r.rows.size(), 2u);
    EXPECT_EQ(r.rows[0].pfx, QStringLiteral("JA"));
    EXPECT_EQ(r.rows[1].pfx, QStringLiteral("JE"));
    ASSERT_EQ(r.warnings.size(), 3);
    EXPECT_TRUE(r.warnings[0].startsWith(QStringLiteral("test.dat:1:")));
    EXPECT_TRUE(r.warnings[1].startsWith(QStringLiteral("test.dat:2:")));
    EXPECT_TRUE(r.warnings[2].startsWith(QStringLiteral("test.dat:4:")));
}

// A position that is no finite number in its range is refused with its line; the rest of the
// file is imported.
TEST(CtyImport, CoordinatesThatAreNoNumbersAreRefused) {
    struct Case {
        const char* name;
        const char* header; // latitude: longitude of the entity line
        const char* entry;  // the prefix line's entries
        int badLine;
        const char* prefixGone; // an entry that must not be imported, or ""
    };
    const Case cases[] = {
        {"nan latitude", "nan:   -10.00", "DL,DA", 3, "DL"},
        {"inf longitude", "51.00:   inf", "DL,DA", 3, "DL"},
        {"-infinity latitude", "-infinity:  -10.0", "DL,DA", 3, "DL"},
        {"latitude beyond the pole", "91.0:  -10.0", "DL,DA", 3, "DL"},
        {"longitude beyond the date line", "51.0:  180.5", "DL,DA", 3, "DL"},
        {"nan in an override", "51.00:  -10.00", "DL,DA<nan/10>", 4, "DA"},
        {"inf in an override", "51.00:  -10.00", "DL,DA<50/-inf>", 4, "DA"},
        {"1e999 in an override", "51.00:  -10.00", "DL,DA<1e999/0>", 4, "DA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CtyImport r = parse(
            QStringLiteral("Japan:   25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\n    JA;\n"
                           "Germany:  14:  28:  EU:  %1:    -1.0:  DL:\n    %2;\n"
                           "Italy:    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n    I;\n")
                .arg(QLatin1String(c.header), QLatin1String(c.entry)));
        EXPECT_TRUE(find(r, QStringLiteral("JA")));
        EXPECT_TRUE(find(r, QStringLiteral("I")));
        EXPECT_FALSE(find(r, QLatin1String(c.prefixGone)));
        ASSERT_FALSE(r.warnings.isEmpty());
        EXPECT_TRUE(r.warnings[0].startsWith(QStringLiteral("test.dat:%1:").arg(c.badLine)))
            << r.warnings[0].toStdString();
        for (const CountryRow& row : r.rows)
            EXPECT_EQ(row.qraLoc.size(), 6) << row.pfx.toStdString();
    }
    EXPECT_TRUE(locatorFromDegrees(std::nan(""), 10).isEmpty());
    EXPECT_TRUE(locatorFromDegrees(10, std::numeric_limits<double>::infinity()).isEmpty());
}

TEST(CtyImport, Locators) {
    EXPECT_EQ(locatorFromDegrees(44.43, 26.10), QStringLiteral("KN34BK"));   // Bucharest
    EXPECT_EQ(locatorFromDegrees(-33.87, 151.21), QStringLiteral("QF56OD")); // Sydney
    EXPECT_EQ(locatorFromDegrees(90.0, 180.0), QStringLiteral("AR09AX"));
    EXPECT_EQ(locatorFromDegrees(-90.0, -180.0), QStringLiteral("AA00AA"));
}

TEST(ReferenceDatabase, ABadSourceFailsWithoutLeavingAFile) {
    QTemporaryDir dir;
    ReferenceSources src;
    src.ctyDat = dir.filePath(QStringLiteral("missing.dat"));
    const QString path = dir.filePath(QStringLiteral("DbsKorvel.mdb"));
    const BuildReport r = buildReferenceDatabase(path, src);
    EXPECT_TRUE(r.error.contains(QStringLiteral("missing.dat")));
    EXPECT_FALSE(QFile::exists(path));

    writeFile(dir.filePath(QStringLiteral("empty.dat")), "# nothing here\n");
    src.ctyDat = dir.filePath(QStringLiteral("empty.dat"));
    EXPECT_FALSE(buildReferenceDatabase(path, src).error.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ReferenceDatabase, SmallSourcesBuildEveryTable) {
    QTemporaryDir dir;
    const ReferenceSources src = smallSources(dir);
    writeFile(src.dokCalls, "# DOKs\nDL1ABC,a01\nDL2XX,\nbroken\n");
    writeFile(src.callObl, "1A,SP\n123,XX\n");
    writeFile(src.iaru, "DA0HQ,Germany,1,DARC,DL\n,too,few\n");
    Databases dbs;
    const OpenReport r = openDatabases(dir.filePath(QStringLiteral("data")), dbs, src);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.createdRef);
    EXPECT_TRUE(r.createdLog);
    EXPECT_EQ(r.warnings.size(), 3) << r.warnings.join('\n').toStdString();
    EXPECT_EQ(dbs.ref.countryCount(), 2);
    EXPECT_EQ(dbs.ref.learned(LearnedTable::CallDOK, QStringLiteral("DL1ABC"))->value,
              QStringLiteral("A01"));
    EXPECT_EQ(dbs.ref.learned(LearnedTable::CallObl, QStringLiteral("1A"))->value,
              QStringLiteral("SP"));
    EXPECT_EQ(dbs.ref.societyByPrefix(QStringLiteral("DL"))->call, QStringLiteral("DA0HQ"));

    // A second start opens the files it finds and creates nothing.
    dbs.closeAll();
    const OpenReport again = openDatabases(dir.filePath(QStringLiteral("data")), dbs, src);
    EXPECT_TRUE(again.ok());
    EXPECT_FALSE(again.createdRef);
    EXPECT_FALSE(again.createdLog);
}

TEST(ReferenceDatabase, UnusableDataFolderIsReported) {
    Databases dbs;
    const OpenReport r = openDatabases(QStringLiteral("/proc/korvel-cannot-be-here"), dbs);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.refError.contains(QStringLiteral("/proc/korvel-cannot-be-here")));
}

// A reference database that lost tables or rows is built again from the shipped data, once,
// keeping what was added to it as far as it can be read.
TEST(ReferenceDatabase, DamagedOrIncompleteFileIsBuiltAgain) {
    enum Keeps { Nothing, Learned, Both, Unknown };
    struct Case {
        const char* name;
        std::function<void(const QString& path)> damage;
        Keeps keeps;
    };
    const auto cutTo = [](qint64 size) {
        return [size](const QString& path) { ASSERT_TRUE(QFile::resize(path, size)); };
    };
    const Case cases[] = {
        {"zero bytes", cutTo(0), Nothing},
        {"cut after its first pages", cutTo(3 * 4096), Unknown},
        {"cut in its header", cutTo(50), Nothing},
        {"not a database", [](const QString& p) { writeFile(p, QByteArray(9000, 'x')); }, Nothing},
        {"country table emptied",
         [](const QString& p) { execOn(p, {QStringLiteral("DELETE FROM CountryName")}); }, Learned},
        {"a shipped table dropped",
         [](const QString& p) { execOn(p, {QStringLiteral("DROP TABLE CallObl")}); }, Both},
        {"shipped rows gone",
         [](const QString& p) { execOn(p, {QStringLiteral("DELETE FROM IARU")}); }, Both},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const ReferenceSources src = smallSources(dir);
        const QString data = dir.filePath(QStringLiteral("data"));
        const QString path = data + QStringLiteral("/DbsKorvel.mdb");
        {
            Databases dbs;
            ASSERT_TRUE(openDatabases(data, dbs, src).ok());
            ASSERT_TRUE(dbs.ref.addCountry({0, QStringLiteral("Testland"), QStringLiteral("Eu"),
                                            QStringLiteral("TL"), QStringLiteral("TL"),
                                            QStringLiteral("28"), QStringLiteral("14"), 0,
                                            QStringLiteral("JO00AA")}));
            ASSERT_TRUE(dbs.ref.learn(LearnedTable::CallJud, QStringLiteral("YO9XX"),
                                      QStringLiteral("PH")));
            ASSERT_TRUE(dbs.ref.learn(LearnedTable::CallDOK, QStringLiteral("DL9ZZ"),
                                      QStringLiteral("B02")));
        }
        c.damage(path);

        Databases dbs;
        const OpenReport r = openDatabases(data, dbs, src);
        ASSERT_TRUE(r.ok()) << r.refError.toStdString();
        EXPECT_FALSE(r.createdRef);
        EXPECT_TRUE(r.refRebuilt.contains(path)) << r.refRebuilt.toStdString();
        EXPECT_TRUE(r.warnings.contains(r.refRebuilt));
        EXPECT_EQ(dbs.ref.countryForCall(QStringLiteral("DL1ABC"))->ctyPfx, QStringLiteral("DL"));
        EXPECT_EQ(dbs.ref.learned(LearnedTable::CallObl, QStringLiteral("1A"))->value,
                  QStringLiteral("SP"));
        EXPECT_EQ(dbs.ref.learned(LearnedTable::CallDOK, QStringLiteral("DL1ABC"))->value,
                  QStringLiteral("A01"));
        EXPECT_TRUE(dbs.ref.societyByPrefix(QStringLiteral("DL")));
        if (c.keeps != Unknown) {
            const bool learned = c.keeps == Learned || c.keeps == Both;
            EXPECT_EQ(dbs.ref.countryByPrefix(QStringLiteral("TL")).has_value(), c.keeps == Both);
            EXPECT_EQ(dbs.ref.learned(LearnedTable::CallJud, QStringLiteral("YO9XX")).has_value(),
                      learned);
            EXPECT_EQ(dbs.ref.learned(LearnedTable::CallDOK, QStringLiteral("DL9ZZ")).has_value(),
                      learned);
            EXPECT_EQ(r.refRebuilt.contains(QStringLiteral("kept")), c.keeps != Nothing);
            // The shipped DOK is there once, whether it was read back or not.
            EXPECT_EQ(dbs.ref.allLearned(LearnedTable::CallDOK).size(), learned ? 2u : 1u);
        }

        // Said once: the next start finds a sound file.
        dbs.closeAll();
        const OpenReport again = openDatabases(data, dbs, src);
        EXPECT_TRUE(again.ok());
        EXPECT_TRUE(again.refRebuilt.isEmpty()) << again.refRebuilt.toStdString();
    }
}

// A log is never built again or emptied: a damaged one is refused with its name and its
// bytes stay as they were; the reference database still opens.
TEST(LogDatabase, DamagedLogIsRefusedAndLeftAsItIs) {
    struct Case {
        const char* name;
        std::function<void(const QString& path)> damage;
        bool damaged;
    };
    const Case cases[] = {
        {"not a database", [](const QString& p) { writeFile(p, QByteArray(2048, '\x01')); }, true},
        {"cut in the middle",
         [](const QString& p) { ASSERT_TRUE(QFile::resize(p, QFileInfo(p).size() / 2)); }, true},
        {"a page overwritten",
         [](const QString& p) {
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             f.seek(3 * 4096);
             f.write(QByteArray(4096, '\xA5'));
         },
         true},
        // Nothing can be lost from an empty file (a first start killed at once): it is a new log.
        {"zero bytes", [](const QString& p) { ASSERT_TRUE(QFile::resize(p, 0)); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const ReferenceSources src = smallSources(dir);
        const QString logPath = dir.filePath(QStringLiteral("LogKorvel"));
        {
            Databases dbs;
            ASSERT_TRUE(openDatabases(dir.path(), dbs, src).ok());
            ASSERT_TRUE(dbs.log.connection().db().transaction());
            for (int i = 0; i < 3000; ++i) {
                QsoRow q;
                q.callsign = QStringLiteral("DL%1ABC").arg(i);
                q.bnd = QStringLiteral("20");
                q.md = QStringLiteral("CW");
                q.sent = QStringLiteral("599 %1").arg(i);
                ASSERT_GT(dbs.log.insertQso(q), 0);
            }
            ASSERT_TRUE(dbs.log.connection().db().commit());
        }
        c.damage(logPath);
        const QByteArray before = readFile(logPath);

        Databases dbs;
        const OpenReport r = openDatabases(dir.path(), dbs, src);
        EXPECT_TRUE(dbs.ref.isOpen()) << r.refError.toStdString();
        EXPECT_EQ(r.logDamaged, c.damaged) << r.logError.toStdString();
        EXPECT_EQ(dbs.log.isOpen(), !c.damaged);
        if (c.damaged) {
            EXPECT_TRUE(r.logError.contains(logPath)) << r.logError.toStdString();
            EXPECT_EQ(readFile(logPath), before);
        }
    }
}

// What cannot be written is named with the reason before anything is opened or built: the
// folder, a database, never a file the program makes on the way.
TEST(DataFolder, WhatCannotBeWrittenIsNamed) {
    struct Case {
        const char* name;
        bool withDatabases;  // a first start ran before
        const char* blocked; // the path that cannot be written, under the data folder
        bool makeFolder;     // a folder in its place, else it is locked
        const char* words;
    };
    const Case cases[] = {
        {"the log is a folder", false, "LogKorvel", true, "is a folder"},
        {"the reference database is a folder", false, "DbsKorvel.mdb", true, "is a folder"},
        {"a read-only log", true, "LogKorvel", false, "cannot be written"},
        {"a read-only reference database", true, "DbsKorvel.mdb", false, "cannot be written"},
        {"a read-only folder holding the databases", true, "", false, "cannot be written"},
        {"an empty read-only folder", false, "", false, "cannot be written"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const ReferenceSources src = smallSources(dir);
        const QString data = dir.filePath(QStringLiteral("data"));
        ASSERT_TRUE(QDir().mkpath(data));
        if (c.withDatabases) {
            Databases dbs;
            ASSERT_TRUE(openDatabases(data, dbs, src).ok());
        }
        const QString blocked =
            *c.blocked ? data + QLatin1Char('/') + QLatin1String(c.blocked) : data;
        if (c.makeFolder) ASSERT_TRUE(QDir().mkpath(blocked));
        std::optional<korvel::test::LockedPath> lock;
        if (!c.makeFolder) {
            lock.emplace(blocked);
            if (!lock->locked()) {
                std::cout << "skipped: " << c.name << ": cannot lock a file here\n";
                continue;
            }
        }
        Databases dbs;
        const OpenReport r = openDatabases(data, dbs, src);
        EXPECT_FALSE(r.ok());
        const QString error = *c.blocked == 'L' ? r.logError : r.refError;
        EXPECT_TRUE(error.contains(blocked)) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.words))) << error.toStdString();
        EXPECT_FALSE(error.contains(QStringLiteral(".building"))) << error.toStdString();
        EXPECT_TRUE(r.refRebuilt.isEmpty());
        if (c.makeFolder) EXPECT_TRUE(QFileInfo(blocked).isDir());
    }
}
