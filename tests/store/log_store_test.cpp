#include "store/log_store.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    log.insertQso(qso(QStringLiteral("DL1ABC"), QStringLiteral("20"), QStringLiteral("CW")));
    log.insertQso(qso(QStringLiteral("DL1ABC"), QStringLiteral("40"), QStringLiteral("SSB")));
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
    log.insertQso(qso(QStringLiteral("DL1ABC"), QStringLiteral("20"), QStringLiteral("CW"),
                      QStringLiteral("DL")));
    log.insertQso(qso(QStringLiteral("YO3AA"), QStringLiteral("40"), QStringLiteral("SSB"),
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
        log.insertQso(qso(QLatin1String(c)));
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
    log.insertQso(qso(QStringLiteral("OK1XYZ")));
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
        log.insertQso(qso(QStringLiteral("DL1ABC")));
    }
    LogStore log;
    ASSERT_EQ(log.open(path), QString());
    EXPECT_EQ(calls(log.all()), QStringList{QStringLiteral("DL1ABC")});
}
