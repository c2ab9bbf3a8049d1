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

TEST_F(Adif, MixedLogByteForByte) {
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

TEST_F(Adif, EmptyLogGivesTheHeadLineOnly) {
    EXPECT_EQ(run(QStringLiteral("X"), QString()).toStdString(), " LOG X ADIF export <EOH> \r\n");
}

TEST_F(Adif, CommentPerContest) {
    const struct {
        int code;
        const char* date;
        const char* comment;
    } cases[] = {
        {201, "25.03.05", "CQWWDX CONTEST"},         // no date, blanks trimmed
        {100, "25.03.05", "YO DX CONTEST 25.03.05"}, // date appended, then trimmed
        {102, "01.09.26", "WORKED ALL GERMANY 01.09.26"},
        {210, "01.09.26", "Keymen's Club Contest"}, // no trailing blank to trim
        {204, "01.09.26", "COUPE DU REF"},
        {999, "01.09.26", ""}, // an unknown contest writes an empty comment
    };
    for (const auto& c : cases) {
        const QString comment = adifComment(c.code, QLatin1String(c.date));
        EXPECT_EQ(comment.toStdString(), c.comment) << c.code;
        EXPECT_EQ(adifField("COMMENT", comment).toStdString(),
                  "<COMMENT:" + std::to_string(std::strlen(c.comment)) + ">" + c.comment);
    }
}

TEST_F(Adif, StrictReaderReadsTheFileWithoutError) {
    if (const QString why = missingReader(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    mixedLog();
    const QString path = dir.filePath(QStringLiteral("mixed.adi"));
    writeFile(path, run(QStringLiteral("MIXED"), adifComment(100, QStringLiteral("25.03.05"))));
    const auto [code, out] = readBack(path);
    EXPECT_EQ(code, 0) << out;
    EXPECT_EQ(out, "5");
}

// The reader is strict indeed: a letter exchange under STX, as a careless writer would put
// it, is refused, so the test above proves something.
TEST_F(Adif, StrictReaderRefusesALetterExchangeAsANumber) {
    if (const QString why = missingReader(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    const QString path = dir.filePath(QStringLiteral("bad.adi"));
    writeFile(path, " LOG X ADIF export <EOH> \r\n<CALL:5>DL1AB<QSO_DATE:8>20261128<TIME_ON:4>0001"
                    "<MODE:2>CW<BAND:3>20m<SRX:2>BU<EOR>\r\n");
    EXPECT_NE(readBack(path).first, 0);
}

} // namespace
