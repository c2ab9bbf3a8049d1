// The ADIF file: a mixed log compared byte for byte with a file written by hand, the comment
// of each kind of contest, and the file read back by an independent strict ADIF reader.
#include "review/adif.h"
#include "tests/review/review_fixture.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

using namespace korvel;
using namespace korvel::review;

namespace {

// The strict reader of the npm package `tcadif`, installed into the build folder (npm install
// --prefix <build>/npm tcadif). Empty when node or the package is missing.
QString missingReader() {
    if (QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty())
        return QStringLiteral("node is not installed (apt-get install nodejs npm)");
    if (!QFile::exists(QStringLiteral(KORVEL_NODE_MODULES "/tcadif/package.json")))
        return QStringLiteral("tcadif is not installed (npm install --prefix <build>/npm tcadif)");
    return {};
}

// Runs the reader on `path`: its exit code, and its output (the number of records) or error.
std::pair<int, std::string> readBack(const QString& path) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NODE_PATH"), QStringLiteral(KORVEL_NODE_MODULES));
    p.setProcessEnvironment(env);
    p.start(QStandardPaths::findExecutable(QStringLiteral("node")),
            {QStringLiteral(KORVEL_ADIF_READER), path});
    if (!p.waitForFinished(30000)) return {-1, "the reader did not finish"};
    return {p.exitCode(),
            (p.readAllStandardOutput() + p.readAllStandardError()).trimmed().toStdString()};
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class Adif : public korvel::testing::ReviewFixture {
protected:
    QByteArray run(const QString& name, const QString& comment) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        store::ReviewQueries q(dbs.log, dbs.ref);
        AdifWriter writer(name, comment);
        const PassResult r = runExportPass(q, writer, buffer);
        EXPECT_TRUE(r.ok) << r.error.toStdString();
        return buffer.data();
    }
    void mixedLog() {
        log({{"DL1ABC", "28.11.26", "00:01", "20", "599 14", "599 A01", "CW", "DL", "3"},
             {"YO3ABC", "28.11.26", "00:05", "160", "599 14", "599 BU", "CW"},
             {"EA5XX", "29.11.26", "23:59", "10", "59 14", "59 037", "SSB"},
             {"JA1XYZ", "29.11.26", "12:30", "40", "59 14", "59 25", "SSB"},
             {"DA0HQ", "29.11.26", "13:00", "15", "59 DARC", "59 14", "SSB"}});
    }
};

TEST_F(Adif, EmptyAndMixedLogByteForByte) {
    EXPECT_EQ(run(QStringLiteral("X"), QString()).toStdString(), " LOG X ADIF export <EOH> \r\n");
    mixedLog();
    const std::string c = "<COMMENT:14>CQWWDX CONTEST<EOR>\r\n";
    EXPECT_EQ(run(QStringLiteral("MYLOG"), QStringLiteral("CQWWDX CONTEST")).toStdString(),
              " LOG MYLOG ADIF export <EOH> \r\n"
              "<CALL:6>DL1ABC<QSO_DATE:8>20261128<TIME_ON:4>0001<MODE:2>CW<BAND:3>20m"
              "<RST_SENT:3>599<STX:2>14<RST_RCVD:3>599<SRX_STRING:3>A01" +
                  c +
                  "<CALL:6>YO3ABC<QSO_DATE:8>20261128<TIME_ON:4>0005<MODE:2>CW<BAND:4>160m"
                  "<RST_SENT:3>599<STX:2>14<RST_RCVD:3>599<SRX_STRING:2>BU" +
                  c +
                  "<CALL:5>EA5XX<QSO_DATE:8>20261129<TIME_ON:4>2359<MODE:3>SSB<BAND:3>10m"
                  "<RST_SENT:2>59<STX:2>14<RST_RCVD:2>59<SRX:3>037" +
                  c +
                  "<CALL:6>JA1XYZ<QSO_DATE:8>20261129<TIME_ON:4>1230<MODE:3>SSB<BAND:3>40m"
                  "<RST_SENT:2>59<STX:2>14<RST_RCVD:2>59<SRX:2>25" +
                  c +
                  "<CALL:5>DA0HQ<QSO_DATE:8>20261129<TIME_ON:4>1300<MODE:3>SSB<BAND:3>15m"
                  "<RST_SENT:2>59<STX_STRING:4>DARC<RST_RCVD:2>59<SRX:2>14" +
                  c);
}

// CQ-WW's comment (no date, blanks trimmed) is in the replayed session archive_adif_cqww,
// YO-DX-HF's (the date appended) in the archive test.
TEST_F(Adif, CommentPerContest) {
    // No trailing blank to trim: nothing is cut.
    EXPECT_EQ(adifComment(210, QStringLiteral("01.09.26")).toStdString(), "Keymen's Club Contest");
    // An unknown contest writes an empty comment.
    EXPECT_EQ(adifField("COMMENT", adifComment(999, QStringLiteral("01.09.26"))).toStdString(),
              "<COMMENT:0>");
}

// The reader is strict indeed: a letter exchange under SRX, as a careless writer would put
// it, is refused, so the mixed log read without error proves something.
TEST_F(Adif, StrictReaderReadsTheFileAndRefusesALetterExchangeAsANumber) {
    if (const QString why = missingReader(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    mixedLog();
    const QString path = dir.filePath(QStringLiteral("mixed.adi"));
    writeFile(path, run(QStringLiteral("MIXED"), adifComment(100, QStringLiteral("25.03.05"))));
    const auto [code, out] = readBack(path);
    EXPECT_EQ(code, 0) << out;
    EXPECT_EQ(out, "5");

    writeFile(path, " LOG X ADIF export <EOH> \r\n<CALL:5>DL1AB<QSO_DATE:8>20261128<TIME_ON:4>0001"
                    "<MODE:2>CW<BAND:3>20m<SRX:2>BU<EOR>\r\n");
    EXPECT_NE(readBack(path).first, 0);
}

} // namespace
