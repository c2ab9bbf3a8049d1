#include "store/log_store.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace korvel::store;

namespace {

QsoRow qso(const QString& call, const QString& band = QStringLiteral("20"),
           const QString& mode = QStringLiteral("CW"), const QString& mlt = QStringLiteral(" ")) {
    QsoRow r;
    r.callsign = call;
    r.data = QStringLiteral("06.12.26");
    r.utc = QStringLiteral("12:00");
    r.bnd = band;
    r.sent = QStringLiteral("599 001");
    r.rcvd = QStringLiteral("599 14");
    r.md = mode;
    r.pfx = QStringLiteral("DL");
    r.mlt = mlt;
    r.mlt1 = QStringLiteral(" ");
    r.pct = QStringLiteral("3");
    return r;
}

void add(LogStore& log, const QsoRow& row) {
    ASSERT_GT(log.insertQso(row), 0) << log.lastError().toStdString();
}

QStringList calls(const std::vector<QsoRow>& rows) {
    QStringList out;
    for (const QsoRow& r : rows)
        out << r.callsign;
    return out;
}

class LogStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(log.open(dir.filePath(QStringLiteral("LogKorvel"))), QString());
    }
    QTemporaryDir dir;
    LogStore log;
};

} // namespace

TEST_F(LogStoreTest, IdsFollowEntryOrderAndAreNeverReused) {
    const auto a = log.insertQso(qso(QStringLiteral("DL1ABC")));
    const auto b = log.insertQso(qso(QStringLiteral("OK1XYZ")));
    ASSERT_GT(a, 0);
    EXPECT_EQ(b, a + 1);
    ASSERT_TRUE(log.deleteQso(b));
    const auto c = log.insertQso(qso(QStringLiteral("HA5X")));
    EXPECT_GT(c, b);
    EXPECT_EQ(calls(log.all()), (QStringList{QStringLiteral("DL1ABC"), QStringLiteral("HA5X")}));
    EXPECT_EQ(log.lastQso()->callsign, QStringLiteral("HA5X"));
    ASSERT_TRUE(log.deleteAll());
    EXPECT_EQ(log.count(), 0);
    EXPECT_FALSE(log.lastQso().has_value());
}

TEST_F(LogStoreTest, ValuesAreStoredAndFoundExactlyAsWritten) {
    // Quotes, backslashes, percent signs, blanks and non-ASCII text are data, never SQL.
    const QStringList odd = {
        QStringLiteral("O'HARA"),      QStringLiteral("A\\B"),
        QStringLiteral("50%"),         QStringLiteral("X'); DROP TABLE LogGen; --"),
        QStringLiteral("ŞTEFAN"),      QStringLiteral(" 0"),
        QString(200, QLatin1Char('Q'))};
    for (const QString& v : odd) {
        QsoRow r = qso(v);
        r.rcvd = QStringLiteral("59 ") + v;
        r.mlt = v;
        const auto id = log.insertQso(r);
        ASSERT_GT(id, 0) << v.toStdString();
        const auto back = log.qsoById(id);
        ASSERT_TRUE(back.has_value());
        r.id = id;
        EXPECT_EQ(*back, r);
        EXPECT_TRUE(log.hasCall(v));
        EXPECT_EQ(log.byCall(v).size(), 1u);
        EXPECT_TRUE(log.hasMark(MarkColumn::Mlt, v, QStringLiteral("20")));
    }
    EXPECT_EQ(log.count(), odd.size());
}

TEST_F(LogStoreTest, DupeQueriesByCallBandAndMode) {
    add(log, qso(QStringLiteral("DL1ABC"), QStringLiteral("20"), QStringLiteral("CW")));
    add(log, qso(QStringLiteral("DL1ABC"), QStringLiteral("40"), QStringLiteral("SSB")));
    EXPECT_EQ(log.byCall(QStringLiteral("DL1ABC")).size(), 2u);
    EXPECT_TRUE(log.hasCallBand(QStringLiteral("DL1ABC"), QStringLiteral("20")));
    EXPECT_FALSE(log.hasCallBand(QStringLiteral("DL1ABC"), QStringLiteral("80")));
    EXPECT_TRUE(
        log.hasCallBandMode(QStringLiteral("DL1ABC"), QStringLiteral("40"), QStringLiteral("SSB")));
    EXPECT_FALSE(
        log.hasCallBandMode(QStringLiteral("DL1ABC"), QStringLiteral("40"), QStringLiteral("CW")));
    EXPECT_FALSE(log.hasCall(QStringLiteral("DL1AB")));
    EXPECT_EQ(
        log.byCallBandMode(QStringLiteral("DL1ABC"), QStringLiteral("20"), QStringLiteral("CW"))
            .size(),
        1u);
}

TEST_F(LogStoreTest, MultiplierMarksByBandModeOrWholeLog) {
    add(log, qso(QStringLiteral("DL1ABC"), QStringLiteral("20"), QStringLiteral("CW"),
                 QStringLiteral("DL")));
    add(log, qso(QStringLiteral("YO3AA"), QStringLiteral("40"), QStringLiteral("SSB"),
                 QStringLiteral("CT*")));
    EXPECT_TRUE(log.hasMark(MarkColumn::Mlt, QStringLiteral("DL")));
    EXPECT_TRUE(log.hasMark(MarkColumn::Mlt, QStringLiteral("DL"), QStringLiteral("20")));
    EXPECT_FALSE(log.hasMark(MarkColumn::Mlt, QStringLiteral("DL"), QStringLiteral("40")));
    EXPECT_FALSE(log.hasMark(MarkColumn::Mlt, QStringLiteral("CT"))); // the county key is "CT*"
    EXPECT_TRUE(log.hasMark(MarkColumn::Mlt, QStringLiteral("CT*"), QStringLiteral("40"),
                            QStringLiteral("SSB")));
    EXPECT_FALSE(
        log.hasMark(MarkColumn::Mlt, QStringLiteral("CT*"), std::nullopt, QStringLiteral("CW")));
    EXPECT_FALSE(log.hasMark(MarkColumn::Mlt1, QStringLiteral("DL")));
    EXPECT_EQ(log.byMark(MarkColumn::Mlt, QStringLiteral("DL")).size(), 1u);
}

TEST_F(LogStoreTest, PrefixSearchTakesTypedTextLiterally) {
    for (const char* c : {"YO3AA", "YO3ZZ", "YO31X", "YO4AA", "AYO3B", "YO%1", "YO_X", "YO3"})
        add(log, qso(QLatin1String(c)));
    EXPECT_EQ(calls(log.callsStartingWith(QStringLiteral("YO3"))),
              (QStringList{QStringLiteral("YO3AA"), QStringLiteral("YO3ZZ"),
                           QStringLiteral("YO31X"), QStringLiteral("YO3")}));
    EXPECT_EQ(calls(log.callsStartingWith(QStringLiteral("YO%"))),
              QStringList{QStringLiteral("YO%1")});
    EXPECT_EQ(calls(log.callsStartingWith(QStringLiteral("YO_"))),
              QStringList{QStringLiteral("YO_X")});
    EXPECT_TRUE(log.callsStartingWith(QStringLiteral("YO3B")).empty());
    EXPECT_EQ(log.callsStartingWith(QString()).size(), 8u);
    EXPECT_EQ(log.callsStartingWith(QStringLiteral("YO"), 2).size(), 2u);
}

TEST_F(LogStoreTest, ReplaceKeepsIdAndPlace) {
    const auto a = log.insertQso(qso(QStringLiteral("DL1ABC")));
    add(log, qso(QStringLiteral("OK1XYZ")));
    QsoRow fixed = qso(QStringLiteral("DL1ABD"), QStringLiteral("15"));
    ASSERT_TRUE(log.replaceQso(a, fixed));
    const auto rows = log.all();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].id, a);
    EXPECT_EQ(rows[0].callsign, QStringLiteral("DL1ABD"));
    EXPECT_EQ(rows[0].bnd, QStringLiteral("15"));
    EXPECT_FALSE(log.replaceQso(9999, fixed));
    EXPECT_EQ(log.byBand(QStringLiteral("15")).size(), 1u);
}

TEST(LogStoreFiles, AFileThatIsNoDatabaseIsReported) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LogKorvel"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    LogStore log;
    const QString err = log.open(path);
    EXPECT_FALSE(err.isEmpty());
    EXPECT_TRUE(err.contains(path));
    EXPECT_FALSE(log.isOpen());
    EXPECT_EQ(log.insertQso(qso(QStringLiteral("DL1ABC"))), -1);
    EXPECT_TRUE(log.all().empty());
}

TEST(LogStoreFiles, RowsSurviveCloseAndReopen) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LogKorvel"));
    {
        LogStore log;
        ASSERT_EQ(log.open(path), QString());
        add(log, qso(QStringLiteral("DL1ABC")));
    }
    LogStore log;
    ASSERT_EQ(log.open(path), QString());
    EXPECT_EQ(calls(log.all()), QStringList{QStringLiteral("DL1ABC")});
}

TEST_F(LogStoreTest, DeletingReportsAQsoThatIsNotThere) {
    const auto a = log.insertQso(qso(QStringLiteral("DL1ABC")));
    ASSERT_GT(a, 0);
    EXPECT_FALSE(log.deleteQso(a + 1));
    EXPECT_TRUE(log.lastError().contains(QString::number(a + 1)));
    EXPECT_TRUE(log.deleteQso(a));
    EXPECT_EQ(log.lastError(), QString());
    EXPECT_FALSE(log.deleteQso(a)); // a second time: already gone
    EXPECT_FALSE(log.lastError().isEmpty());
}

namespace {

// Ways the log can go bad under an open store, and how to put it right again (an empty
// repair: it stays bad).
struct Breakage {
    const char* name;
    std::function<void(const QString& path)> breakIt;
    std::function<void(const QString& path)> repair;
};

void onOtherConnection(const QString& path, const QString& sql) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("x"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(sql));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("x"));
}

void closeUnderTheStore(const QString& path) {
    for (const QString& name : QSqlDatabase::connectionNames()) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.databaseName() == path) db.close();
    }
}

const Breakage kBreakages[] = {
    {"connection closed under the store", closeUnderTheStore, {}},
    {"table dropped by another program",
     [](const QString& path) { onOtherConnection(path, QStringLiteral("DROP TABLE LogGen")); },
     [](const QString& path) {
         LogStore other; // opening creates the table again
         ASSERT_EQ(other.open(path), QString());
         ASSERT_GT(other.insertQso(qso(QStringLiteral("DL1ABC"), QStringLiteral("20"),
                                       QStringLiteral("CW"), QStringLiteral("DL"))),
                   0);
     }},
};

// Reads the desk relies on; each finds the one stored QSO while the log is sound.
struct Read {
    const char* name;
    std::function<bool(LogStore&)> found;
};

const Read kReads[] = {
    {"dupe per band",
     [](LogStore& l) { return l.hasCallBand(QStringLiteral("DL1ABC"), QStringLiteral("20")); }},
    {"dupe per band and mode",
     [](LogStore& l) {
         return l.hasCallBandMode(QStringLiteral("DL1ABC"), QStringLiteral("20"),
                                  QStringLiteral("CW"));
     }},
    {"worked before", [](LogStore& l) { return l.hasCall(QStringLiteral("DL1ABC")); }},
    {"multiplier mark on the band",
     [](LogStore& l) {
         return l.hasMark(MarkColumn::Mlt, QStringLiteral("DL"), QStringLiteral("20"));
     }},
    {"multiplier mark on the band and mode",
     [](LogStore& l) {
         return l.hasMark(MarkColumn::Mlt, QStringLiteral("DL"), QStringLiteral("20"),
                          QStringLiteral("CW"));
     }},
    {"band totals", [](LogStore& l) { return !l.bandTotals().empty(); }},
    {"count", [](LogStore& l) { return l.count() > 0; }},
    {"rows of the band", [](LogStore& l) { return !l.byBand(QStringLiteral("20")).empty(); }},
    {"partial call",
     [](LogStore& l) { return !l.callsStartingWith(QStringLiteral("DL")).empty(); }},
    {"last QSO", [](LogStore& l) { return l.lastQso().has_value(); }},
};

} // namespace

TEST(LogStoreErrors, AFailedReadIsReportedNotTakenForNothingFound) {
    for (const Breakage& b : kBreakages) {
        SCOPED_TRACE(b.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("LogKorvel"));
        LogStore log;
        ASSERT_EQ(log.open(path), QString());
        add(log, qso(QStringLiteral("DL1ABC"), QStringLiteral("20"), QStringLiteral("CW"),
                     QStringLiteral("DL")));
        for (const Read& r : kReads) {
            EXPECT_TRUE(r.found(log)) << r.name;
            EXPECT_EQ(log.lastError(), QString()) << r.name;
        }
        b.breakIt(path);
        for (const Read& r : kReads) {
            EXPECT_FALSE(r.found(log)) << r.name;
            EXPECT_FALSE(log.lastError().isEmpty()) << r.name << ": failure passed as no rows";
        }
        EXPECT_FALSE(log.deleteQso(1));
        EXPECT_FALSE(log.lastError().isEmpty());
        EXPECT_EQ(log.insertQso(qso(QStringLiteral("OK1XYZ"))), -1);
        EXPECT_FALSE(log.lastError().isEmpty());
        if (!b.repair) continue;
        b.repair(path);
        for (const Read& r : kReads) {
            EXPECT_TRUE(r.found(log)) << r.name << " after the repair";
            EXPECT_EQ(log.lastError(), QString()) << r.name << " after the repair";
        }
    }
}
