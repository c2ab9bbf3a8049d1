// The frequency table beside the log: kept, replaced, deleted with the QSO, and LogGen
// keeps its twelve columns.
#include "store/log_store.h"
#include "store/qso_freq.h"

#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvel::store {
namespace {

QsoRow qso(const QString& call) {
    QsoRow r;
    r.callsign = call;
    r.data = QStringLiteral("06.12.26");
    r.utc = QStringLiteral("12:00");
    r.bnd = QStringLiteral("20");
    r.sent = QStringLiteral("599 14");
    r.rcvd = QStringLiteral("599 15");
    r.md = QStringLiteral("CW");
    r.pfx = QStringLiteral("DL");
    r.mlt = r.mlt1 = QStringLiteral(" ");
    r.pct = QStringLiteral("3");
    return r;
}

class QsoFreqTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(log.open(dir.filePath(QStringLiteral("LogKorvel"))), QString());
        ASSERT_EQ(createQsoFreqTable(log.connection()), QString());
    }
    Connection& c() { return log.connection(); }
    QTemporaryDir dir;
    LogStore log;
};

TEST_F(QsoFreqTest, SetReplaceReadAndDelete) {
    const auto a = log.insertQso(qso(QStringLiteral("DL1ABC")));
    const auto b = log.insertQso(qso(QStringLiteral("OK1XYZ")));
    const auto untuned = log.insertQso(qso(QStringLiteral("G4AAA")));
    ASSERT_GT(a, 0);
    EXPECT_EQ(setQsoFreq(c(), a, 14025), QString());
    EXPECT_EQ(setQsoFreq(c(), b, 7150), QString());
    // A correction stores the frequency again: the row is replaced, not doubled.
    EXPECT_EQ(setQsoFreq(c(), a, 14026), QString());

    QString error = QStringLiteral("stale");
    EXPECT_EQ(qsoFreq(c(), a, &error), 14026);
    EXPECT_EQ(error, QString());
    EXPECT_EQ(qsoFreq(c(), untuned), std::nullopt);
    EXPECT_EQ(allQsoFreqs(c()), (std::map<std::int64_t, std::int64_t>{{a, 14026}, {b, 7150}}));

    EXPECT_EQ(deleteQsoFreq(c(), a), QString());
    EXPECT_EQ(qsoFreq(c(), a), std::nullopt);
    EXPECT_EQ(qsoFreq(c(), b), 7150);
    EXPECT_EQ(deleteAllQsoFreqs(c()), QString());
    EXPECT_TRUE(allQsoFreqs(c()).empty());
}

TEST_F(QsoFreqTest, CreatingAgainKeepsTheRowsAndLogGenKeepsItsColumns) {
    const auto a = log.insertQso(qso(QStringLiteral("DL1ABC")));
    ASSERT_EQ(setQsoFreq(c(), a, 21012), QString());
    log.close();
    ASSERT_EQ(log.open(dir.filePath(QStringLiteral("LogKorvel"))), QString());
    EXPECT_EQ(createQsoFreqTable(c()), QString());
    EXPECT_EQ(qsoFreq(c(), a), 21012);

    QSqlQuery q(c().db());
    ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA table_info(LogGen)")));
    int columns = 0;
    while (q.next())
        ++columns;
    EXPECT_EQ(columns, 12);
    EXPECT_EQ(log.qsoById(a), [&] {
        QsoRow r = qso(QStringLiteral("DL1ABC"));
        r.id = a;
        return std::optional<QsoRow>(r);
    }());
}

TEST_F(QsoFreqTest, ReadsOnAClosedLogReportTheError) {
    log.close();
    QString error;
    EXPECT_EQ(qsoFreq(c(), 1, &error), std::nullopt);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(setQsoFreq(c(), 1, 14000).isEmpty());
    allQsoFreqs(c(), &error);
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace korvel::store
