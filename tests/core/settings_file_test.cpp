#include "core/settings_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>

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

    // Read back (a count of 99 overwritten, the address with its comma whole) and written
    // again: byte for byte the same file.
    SharedState back;
    back.SummaryOperatorCount = 99;
    const SettingsReadResult r = readInitFile(back, path);
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.fieldsRead, kInitFileLines);
    EXPECT_TRUE(r.warnings.isEmpty());
    EXPECT_EQ(back.TimeOffset.toDouble(), 2.0);
    const QString again = dir.filePath(QStringLiteral("again.dat"));
    ASSERT_TRUE(writeInitFile(back, again).ok);
    EXPECT_EQ(readAll(again), expected);
}

// Commas and the port number kept; a double quote in a text never breaks the file.
TEST(SettingsFile, CwFileIsWrittenExactlyAndReadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KorvelTextCw.dat"));
    SharedState s = station();
    s.CwTextF5 = QStringLiteral("NAME \"OP\" HERE");
    ASSERT_TRUE(writeCwTextFile(s, path).ok);
    const QByteArray expected = "\"CQ TEST, #1\"\r\n\"#2 5NN #3\"\r\n\"TU#8\"\r\n\"\"\r\n"
                                "\"NAME 'OP' HERE\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
                                "\"AGN?\"\r\n 1 \r\n";
    EXPECT_EQ(readAll(path), expected);

    SharedState back;
    EXPECT_EQ(readCwTextFile(back, path).fieldsRead, kCwFileLines);
    EXPECT_EQ(back.CwTextF1, QStringLiteral("CQ TEST, #1"));
    EXPECT_EQ(back.CwTextF5, QStringLiteral("NAME 'OP' HERE"));
    EXPECT_EQ(back.ComPort, 1);
    const QString again = dir.filePath(QStringLiteral("again.dat"));
    ASSERT_TRUE(writeCwTextFile(back, again).ok);
    EXPECT_EQ(readAll(again), expected);
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
    ASSERT_EQ(garbled.warnings.size(), 1);
    EXPECT_TRUE(garbled.warnings[0].contains(path));
    EXPECT_TRUE(garbled.warnings[0].contains(QStringLiteral("line 9")));
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

// A file that is there but cannot be read is neither missing nor taken in: the reader says
// why, and the writers keep it unless the operator replaces it on purpose.
TEST(SettingsFile, UnreadableFileIsReportedAndKept) {
    struct Case {
        const char* name;
        std::function<bool(const QString& path)> make; // false: cannot be set up here
    };
    const Case cases[] = {
        {"a folder in its place", [](const QString& p) { return QDir().mkdir(p); }},
        {"a link to nothing",
         [](const QString& p) { return QFile::link(p + QStringLiteral(".gone"), p); }},
        {"no read permission",
         [](const QString& p) {
             QFile f(p);
             if (!f.open(QIODevice::WriteOnly)) return false;
             f.write("\"OLD\"\r\n");
             f.close();
             // The super-user reads the file whatever its mode says.
             return f.setPermissions(QFileDevice::WriteOwner) && geteuid() != 0;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        for (const bool init : {true, false}) {
            const QString path = dir.filePath(init ? QStringLiteral("KorvelInit.dat")
                                                   : QStringLiteral("KorvelTextCw.dat"));
            if (!c.make(path)) {
                std::cout << "skipped: " << c.name << " cannot be set up as this user\n";
                break;
            }
            SharedState s = station();
            const SettingsReadResult r = init ? readInitFile(s, path) : readCwTextFile(s, path);
            EXPECT_TRUE(r.unreadable);
            EXPECT_FALSE(r.found);
            EXPECT_EQ(r.fieldsRead, 0);
            EXPECT_TRUE(r.error.contains(path)) << r.error.toStdString();
            EXPECT_EQ(s.MyCall, QStringLiteral("YO9XX"));

            const QFileInfo before(path);
            const SettingsWriteResult w =
                init ? writeInitFile(station(), path) : writeCwTextFile(station(), path);
            EXPECT_FALSE(w.ok);
            EXPECT_TRUE(w.refused);
            EXPECT_TRUE(w.error.contains(path));
            const QFileInfo after(path);
            EXPECT_EQ(after.isDir(), before.isDir());
            EXPECT_EQ(after.isSymLink(), before.isSymLink());
            EXPECT_EQ(after.size(), before.size());
        }
    }

    // Saved on purpose, the settings replace what the link pointed to.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KorvelInit.dat"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("elsewhere.dat")), path));
    ASSERT_TRUE(writeInitFile(station(), path, ReplaceUnreadable::Yes).ok);
    SharedState back;
    EXPECT_EQ(readInitFile(back, path).fieldsRead, kInitFileLines);
    EXPECT_EQ(back.MyCall, QStringLiteral("YO9XX"));
    // A missing file is no reason to refuse.
    EXPECT_TRUE(writeCwTextFile(station(), dir.filePath(QStringLiteral("KorvelTextCw.dat"))).ok);
}

// A file that is not text is read up to the line before the first bad one, which is named.
TEST(SettingsFile, BinaryLinesStopTheReadWithTheirLineNumber) {
    struct Case {
        const char* name;
        QByteArray bytes;
        int fieldsRead;
        const char* line;
    };
    const Case cases[] = {
        {"control characters", "\"DL1ABC\"\r\n\"1\"\r\n\"E\x01u\x02\"\r\n\"28\"\r\n", 2, "line 3"},
        {"a NUL byte", QByteArray("\"DL1ABC\"\r\n\"1\"\r\n\"Eu\"\r\n\"2\0\"\r\n", 27), 3, "line 4"},
        {"invalid UTF-8", "\"DL1ABC\"\r\n\xff\xfe\x80garbage\r\n", 1, "line 2"},
        {"a cut multi-byte character", "\"DL1ABC\"\r\n\"1\"\r\n\"\xc3\"\r\n", 2, "line 3"},
        {"garbage from the first byte", QByteArray("\x7f\x45LF\x02\x01\x01\0\0", 9), 0, "line 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("KorvelInit.dat"));
        writeAll(path, c.bytes);
        SharedState s = station();
        const SettingsReadResult r = readInitFile(s, path);
        EXPECT_TRUE(r.found);
        EXPECT_EQ(r.fieldsRead, c.fieldsRead);
        ASSERT_EQ(r.warnings.size(), 1);
        EXPECT_TRUE(r.warnings[0].contains(path));
        EXPECT_TRUE(r.warnings[0].contains(QLatin1String(c.line))) << r.warnings[0].toStdString();
        EXPECT_EQ(s.MyCall, c.fieldsRead > 0 ? QStringLiteral("DL1ABC") : QStringLiteral("YO9XX"));
        EXPECT_EQ(s.MyZone, QStringLiteral("28")); // never reached
    }
    // Tabs, a CR inside a line and a byte-order mark are text.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("KorvelTextCw.dat"));
    writeAll(path, "\xef\xbb\xbf\"CQ\tTEST\"\r\n\"A\rB\"\r\n\"\xc3\xa9\"\r\n");
    SharedState s;
    const SettingsReadResult r = readCwTextFile(s, path);
    EXPECT_EQ(r.fieldsRead, 3);
    EXPECT_TRUE(r.warnings.isEmpty());
    EXPECT_EQ(s.CwTextF1, QStringLiteral("CQ\tTEST"));
    EXPECT_EQ(s.CwTextF3, QStringLiteral("\u00e9"));
}

// An over-long line is cut with a warning and the lines after it are read as usual.
TEST(SettingsFile, OverLongLineIsCutWithAWarning) {
    struct Case {
        const char* name;
        QByteArray line;
        QString expected;
    };
    const Case cases[] = {
        {"5 MB of one letter", QByteArray(5 * 1024 * 1024, 'A'),
         QString(kMaxSettingsLineBytes, QLatin1Char('A'))},
        {"two-byte letters cut between characters",
         "\"" + QByteArray(3000, 'x') + QByteArray(2000, '\xc3').replace("\xc3", "\xc3\xa9") + "\"",
         QString(3000, QLatin1Char('x')) + QString(547, QChar(0xe9))},
        {"exactly the longest line", QByteArray(kMaxSettingsLineBytes, 'B'),
         QString(kMaxSettingsLineBytes, QLatin1Char('B'))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("KorvelInit.dat"));
        QByteArray bytes = c.line + "\r\n";
        for (int i = 2; i <= kInitFileLines; ++i) // line 9 is a number
            bytes += (i == 9 ? QByteArray(" 9 ") : "\"L" + QByteArray::number(i) + "\"") + "\r\n";
        writeAll(path, bytes);
        SharedState s;
        const SettingsReadResult r = readInitFile(s, path);
        EXPECT_EQ(r.fieldsRead, kInitFileLines);
        EXPECT_EQ(s.MyCall, c.expected);
        EXPECT_EQ(s.MyQRA, QStringLiteral("L19"));
        const bool cut = c.line.size() > kMaxSettingsLineBytes;
        ASSERT_EQ(r.warnings.size(), cut ? 1 : 0);
        if (cut) {
            EXPECT_TRUE(r.warnings[0].contains(QStringLiteral("line 1")))
                << r.warnings[0].toStdString();
        }
    }
}
