#include "core/settings_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvel;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

SharedState station() {
    SharedState s;
    s.MyCall = QStringLiteral("YO9XX");
    s.TimeOffset = 2.0;
    s.LookupCnt = QStringLiteral("Eu");
    s.MyZone = QStringLiteral("28");
    s.MyPrfx = QStringLiteral("YO");
    s.MyBezirk = QStringLiteral("PH");
    s.SummaryOperators = QStringLiteral("YO9XX");
    s.SummaryOpName = QStringLiteral("Ion Popescu");
    s.SummaryOperatorCount = 0;
    s.SummaryQTH = QStringLiteral("Ploiesti");
    s.SummaryAddress = QStringLiteral("Str. Lunga 1, Ploiesti");
    s.SummaryTx = QStringLiteral("100 W");
    s.SummaryRx = QStringLiteral("RX");
    s.SummaryAnt1 = QStringLiteral("Dipole");
    s.SummaryAnt5 = QStringLiteral(" ");
    s.MyQRA = QStringLiteral("KN34BW");
    s.CwTextF1 = QStringLiteral("CQ TEST, #1");
    s.CwTextF2 = QStringLiteral("#2 5NN #3");
    s.CwTextF3 = QStringLiteral("TU#8");
    s.CwTextF11 = QStringLiteral("AGN?");
    s.ComPort = 1;
    return s;
}

} // namespace

TEST(SettingsLine, FieldRules) {
    using settings_line::field;
    EXPECT_EQ(field(QStringLiteral("\"CQ TEST, #1\"")), QStringLiteral("CQ TEST, #1"));
    EXPECT_EQ(field(QStringLiteral("   \"  two blanks\"  trailing")),
              QStringLiteral("  two blanks"));
    EXPECT_EQ(field(QStringLiteral(" 0 ")), QStringLiteral("0"));
    EXPECT_EQ(field(QStringLiteral("-3 ")), QStringLiteral("-3"));
    EXPECT_EQ(field(QStringLiteral("YO9XX,ignored")), QStringLiteral("YO9XX"));
    EXPECT_EQ(field(QStringLiteral("\"unterminated")), QStringLiteral("unterminated"));
    EXPECT_EQ(field(QString()), QString());
    EXPECT_EQ(settings_line::integer(0), QStringLiteral(" 0 "));
    EXPECT_EQ(settings_line::integer(-5), QStringLiteral("-5 "));
    EXPECT_EQ(settings_line::quoted(QStringLiteral("say \"hi\"")), QStringLiteral("\"say 'hi'\""));
}

TEST(SettingsFile, InitFileIsWrittenExactlyAndReadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KorvelInit.dat"));
    const SharedState s = station();
    ASSERT_TRUE(writeInitFile(s, path).ok);

    const QByteArray expected =
        "\"YO9XX\"\r\n\"2\"\r\n\"Eu\"\r\n\"28\"\r\n\"YO\"\r\n\"PH\"\r\n\"YO9XX\"\r\n\"Ion "
        "Popescu\"\r\n"
        " 0 \r\n\"Ploiesti\"\r\n\"Str. Lunga 1, Ploiesti\"\r\n\"100 W\"\r\n\"RX\"\r\n\"Dipole\"\r\n"
        "\"\"\r\n\"\"\r\n\"\"\r\n\" \"\r\n\"KN34BW\"\r\n";
    EXPECT_EQ(readAll(path), expected);

    SharedState back;
    back.SummaryOperatorCount = 99;
    const SettingsReadResult r = readInitFile(back, path);
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.fieldsRead, kInitFileLines);
    EXPECT_TRUE(r.warning.isEmpty());
    EXPECT_EQ(back.MyCall, s.MyCall);
    EXPECT_EQ(back.TimeOffset.toDouble(), 2.0);
    EXPECT_EQ(back.LookupCnt, QStringLiteral("Eu"));
    EXPECT_EQ(back.SummaryOperatorCount, 0);
    EXPECT_EQ(back.SummaryAddress, s.SummaryAddress); // holds a comma
    EXPECT_EQ(back.SummaryAnt5, QStringLiteral(" "));
    EXPECT_EQ(back.MyQRA, s.MyQRA);

    // Written again from what was read: byte for byte the same file.
    const QString again = dir.filePath(QStringLiteral("again.dat"));
    ASSERT_TRUE(writeInitFile(back, again).ok);
    EXPECT_EQ(readAll(again), expected);
}

TEST(SettingsFile, CwFileKeepsCommasAndThePortNumber) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KorvelTextCw.dat"));
    ASSERT_TRUE(writeCwTextFile(station(), path).ok);
    const QByteArray bytes = readAll(path);
    EXPECT_EQ(bytes.count("\r\n"), kCwFileLines);
    EXPECT_TRUE(bytes.startsWith("\"CQ TEST, #1\"\r\n\"#2 5NN #3\"\r\n\"TU#8\"\r\n"));
    EXPECT_TRUE(bytes.endsWith("\"AGN?\"\r\n 1 \r\n"));

    SharedState back;
    const SettingsReadResult r = readCwTextFile(back, path);
    EXPECT_EQ(r.fieldsRead, kCwFileLines);
    EXPECT_EQ(back.CwTextF1, QStringLiteral("CQ TEST, #1"));
    EXPECT_EQ(back.CwTextF2, QStringLiteral("#2 5NN #3"));
    EXPECT_EQ(back.CwTextF4, QString());
    EXPECT_EQ(back.CwTextF11, QStringLiteral("AGN?"));
    EXPECT_EQ(back.ComPort, 1);
}

TEST(SettingsFile, ShortMissingAndGarbledFilesKeepWhatWasNotRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KorvelInit.dat"));

    SharedState s = station();
    const SettingsReadResult missing = readInitFile(s, path);
    EXPECT_FALSE(missing.found);
    EXPECT_EQ(missing.fieldsRead, 0);
    EXPECT_EQ(s.MyCall, QStringLiteral("YO9XX"));

    // Ten lines fill the first ten fields; 11 to 19 keep their values.
    writeAll(path, "\"DL1ABC\"\r\n\"1\"\r\n\"Eu\"\r\n\"28\"\r\n\"DL\"\r\n\"A01\"\r\n\"DL1ABC\"\r\n"
                   "\"Hans\"\r\n 2 \r\n\"Berlin\"\r\n");
    const SettingsReadResult ten = readInitFile(s, path);
    EXPECT_EQ(ten.fieldsRead, 10);
    EXPECT_EQ(s.MyCall, QStringLiteral("DL1ABC"));
    EXPECT_EQ(s.SummaryOperatorCount, 2);
    EXPECT_EQ(s.SummaryQTH, QStringLiteral("Berlin"));
    EXPECT_EQ(s.SummaryAddress, QStringLiteral("Str. Lunga 1, Ploiesti"));
    EXPECT_EQ(s.MyQRA, QStringLiteral("KN34BW"));

    // A count that is no number stops the read at that line, with the file and line named.
    writeAll(path, "OK1ABC\n\"x\"\n\"Eu\"\n\"28\"\n\"OK\"\n\"\"\n\"\"\n\"\"\nlots\n\"Praha\"\n");
    SharedState g = station();
    const SettingsReadResult garbled = readInitFile(g, path);
    EXPECT_EQ(garbled.fieldsRead, 8);
    EXPECT_EQ(g.MyCall, QStringLiteral("OK1ABC"));           // unquoted text is accepted
    EXPECT_EQ(g.TimeOffset.toString(), QStringLiteral("x")); // not numeric: kept as text
    EXPECT_EQ(g.SummaryQTH, QStringLiteral("Ploiesti"));
    EXPECT_TRUE(garbled.warning.contains(path));
    EXPECT_TRUE(garbled.warning.contains(QStringLiteral("line 9")));
}

TEST(SettingsFile, FailedWriteIsReportedAndLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KorvelInit.dat"));
    writeAll(path, "\"OLD\"\r\n");
    const SettingsWriteResult bad =
        writeInitFile(station(), dir.filePath(QStringLiteral("no/such/folder/KorvelInit.dat")));
    EXPECT_FALSE(bad.ok);
    EXPECT_TRUE(bad.error.contains(QStringLiteral("KorvelInit.dat")));
    EXPECT_EQ(readAll(path), QByteArray("\"OLD\"\r\n"));
}

TEST(SettingsFile, DoubleQuoteInATextNeverBreaksTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KorvelTextCw.dat"));
    SharedState s = station();
    s.CwTextF5 = QStringLiteral("NAME \"OP\" HERE");
    ASSERT_TRUE(writeCwTextFile(s, path).ok);
    SharedState back;
    EXPECT_EQ(readCwTextFile(back, path).fieldsRead, kCwFileLines);
    EXPECT_EQ(back.CwTextF5, QStringLiteral("NAME 'OP' HERE"));
    EXPECT_EQ(back.CwTextF6, QString());
    EXPECT_EQ(back.ComPort, 1);
}
