// The export files written by the export pass: Cabrillo and STF compared byte for byte with
// files written by hand, the names they get and what a failed write reports.
#include "review/cabrillo.h"
#include "review/log_folders.h"
#include "review/stf.h"
#include "tests/review/review_fixture.h"

#include <QBuffer>
#include <QDir>

using namespace korvel;
using namespace korvel::review;

namespace {

class Export : public korvel::testing::ReviewFixture {
protected:
    QByteArray run(FormatWriter& writer) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        store::ReviewQueries q(dbs.log, dbs.ref);
        const PassResult r = runExportPass(q, writer, buffer);
        EXPECT_TRUE(r.ok) << r.error.toStdString();
        return buffer.data();
    }
    // The file from its first line after the header (the header itself is compared byte for
    // byte by the replayed sessions cabrillo_cqww and stf_wag_delete).
    std::string body(FormatWriter& writer, const char* firstLine) {
        const QByteArray text = run(writer);
        return text.mid(text.indexOf(firstLine)).toStdString();
    }
};

CabrilloHeader cwHeader() {
    CabrilloHeader h;
    h.callsign = QStringLiteral("YO9XX");
    h.mode = QStringLiteral("CW");
    return h;
}

// SSB is written PH with two-digit reports.
TEST_F(Export, CabrilloOfACwAndSsbLog) {
    log({{"DL1ABC", "28.11.26", "00:01", "20", "599 20", "599 14", "CW", "DL", "14"},
         // A call longer than 12 characters is cut; 160 m is 1800.
         {"JA1XYZABCDEFGH", "28.11.26", "00:05", "160", "599 20", "599 25", "CW"},
         // The received exchange is cut to its 6 characters.
         {"K1AB", "29.11.26", "23:59", "10", "599 20", "599 ABCDEFGH", "CW"},
         {"YO3ABC", "02.08.26", "12:00", "40", "59 BV", "59 B", "SSB"},
         {"DL2XYZ", "02.08.26", "12:30", "80", "59 BV", "59 001", "SSB"},
         {"YO2AA", "02.08.26", "12:31", "15", "59 BV", "59 TM", "SSB"}});
    CabrilloWriter writer(cwHeader(), {});
    EXPECT_EQ(body(writer, "QSO: "),
              "QSO: 14000 CW 2026-11-28 0001 YO9XX         599 20     DL1ABC        599 14    \r\n"
              "QSO: 1800  CW 2026-11-28 0005 YO9XX         599 20     JA1XYZABCDEF  599 25    \r\n"
              "QSO: 28000 CW 2026-11-29 2359 YO9XX         599 20     K1AB          599 ABCDEF\r\n"
              "QSO: 7000  PH 2026-08-02 1200 YO9XX         59  BV     YO3ABC        59  B     \r\n"
              "QSO: 3500  PH 2026-08-02 1230 YO9XX         59  BV     DL2XYZ        59  001   \r\n"
              "QSO: 21000 PH 2026-08-02 1231 YO9XX         59  BV     YO2AA         59  TM    \r\n"
              "END-OF-LOG:\r\n");
}

TEST_F(Export, CabrilloExchangeColumnsAreTwelveWideInTac) {
    log({{"OE1ABC", "10.10.26", "14:00", "80", "599 001 KN34AB", "599 017 JN45", "CW"}});
    CabrilloWriter tac(cwHeader(), {12, 12});
    EXPECT_TRUE(run(tac).contains("QSO: 3500  CW 2026-10-10 1400 YO9XX         599 001 KN34    "
                                  "OE1ABC        599 017 JN45    \r\n"));
    CabrilloWriter other(cwHeader(), {});
    EXPECT_TRUE(run(other).contains(
        "QSO: 3500  CW 2026-10-10 1400 YO9XX         599 001 KN3OE1ABC        599 017 JN\r\n"));
}

TEST_F(Export, EmptyLogGivesHeaderAndEndOnly) {
    CabrilloWriter writer(cwHeader(), {});
    const QByteArray cabrillo = run(writer);
    EXPECT_FALSE(cabrillo.contains("QSO:"));
    EXPECT_TRUE(cabrillo.endsWith("\r\nDEBUG: \r\nEND-OF-LOG:\r\n"));
    StfHeader h;
    h.qsoOrder = QLatin1String(kStfQsoOrder);
    StfWriter stf(h, QStringLiteral("https://example.org/stf"));
    EXPECT_TRUE(run(stf).endsWith("EndHeader\r\n\r\nQsoList\r\nEndQsoList\r\n"));
}

TEST_F(Export, StfOfAMixedLog) {
    log({{"DL1ABC", "28.11.26", "00:01", "20", "599 20", "599 14", "CW", "DL", "", "1"},
         // No multiplier gives "-"; points are cut to 3 characters.
         {"JA1XYZ", "29.11.26", "23:59", "160", "59 20", "59 25", "SSB", "", "", "1000"},
         {"K1AB", "29.11.26", "23:59", "10", "599 20", "599 05", "CW", "", "K", "10"}});
    StfHeader h;
    h.qsoOrder = QLatin1String(kStfQsoOrder);
    StfWriter writer(h, QStringLiteral("https://example.org/stf"));
    EXPECT_TRUE(run(writer).contains("\r\n#STF specs at https://example.org/stf\r\n"));
    EXPECT_EQ(body(writer, "QsoList"),
              "QsoList\r\n"
              "20261128 0001 20  CW  DL1ABC        599 20      599 14      1  DL      \r\n"
              "20261129 2359 160 SSB JA1XYZ        59  20      59  25      100-       \r\n"
              "20261129 2359 10  CW  K1AB          599 20      599 05      10 -       \r\n"
              "EndQsoList\r\n");
}

TEST(FileNames, FileCallDropsPortableDesignatorsAndNeverLeavesTheFolder) {
    const std::pair<const char*, const char*> cases[] = {
        {"YO9XX", "YO9XX"},     {"YO9XX/P", "YO9XX"},
        {"YO9XX/p", "YO9XX"},   {"YO9XX/4", "YO9XX"},
        {"YO9XX/MM", "YO9XX"},  {"YO9XX/QRP", "YO9XX"},
        {"DL/YO9XX", "YO9XX"},  {"DL/YO9XX/P", "YO9XX"},
        {" YO9XX/P ", "YO9XX"}, {"../../etc/x", "___etc"},
        {"..", "__"},           {"YO9XX\\..\\A", "YO9XX____A"},
    };
    for (const auto& [call, expected] : cases)
        EXPECT_EQ(fileCall(QLatin1String(call)), QLatin1String(expected)) << call;
    EXPECT_EQ(exportFileName(QStringLiteral("YO9XX/P"), QStringLiteral("CQ-WW "),
                             QStringLiteral("28.11.26"), QStringLiteral(".CBR")),
              QStringLiteral("YO9XX CQ-WW 28.11.26.CBR"));
    // A date edited by hand into the settings file cannot open a folder either.
    EXPECT_EQ(exportFileName(QStringLiteral("YO9XX"), QStringLiteral("TAC "),
                             QStringLiteral("28/11/26"), QStringLiteral(".STF")),
              QStringLiteral("YO9XX TAC 28_11_26.STF"));
    EXPECT_EQ(stationFileNames(QStringLiteral("DL/YO9XX/P")).first(),
              QStringLiteral("DL_YO9XX_P.EtapA.txt"));
}

TEST_F(Export, FileThatCannotBeWrittenIsReportedWithItsPathAndReason) {
    log({{"DL1ABC", "28.11.26", "00:01", "20", "599 20", "599 14", "CW"}});
    store::ReviewQueries q(dbs.log, dbs.ref);
    CabrilloWriter writer(cwHeader(), {});
    // A folder that cannot exist: its parent is a file.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = dir.filePath(QStringLiteral("blocker/LOG/YO9XX.CBR"));
    const PassResult r = exportToFile(q, writer, path);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.startsWith(path)) << r.error.toStdString();
    EXPECT_GT(r.error.size(), path.size() + 2); // the reason follows the path

    // A device that refuses writes stops the pass at once.
    QBuffer closed;
    const PassResult none = runExportPass(q, writer, closed);
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.qsos, 0);
}

} // namespace
