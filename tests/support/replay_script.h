#pragma once
// Key scripts replayed through the real program: `korvel replay` on a fresh data folder,
// its output compared with the script's NAME.expected. The test program defines
// KORVEL_BINARY, the program to run.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

// Test names and failure messages show a script's name as text (gtest finds this by the
// argument's namespace, which is Qt's).
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}
QT_END_NAMESPACE

namespace korvel::testing {

struct ReplayRun {
    bool finished = false;
    int code = -1;
    QString out;
    QString err;
};

// Runs `script` with `dataDir` as the program folder.
inline ReplayRun replay(const QString& dataDir, const QString& script) {
    QProcess p;
    p.start(QStringLiteral(KORVEL_BINARY),
            {QStringLiteral("replay"), QStringLiteral("--dir"), dataDir, script});
    const bool finished = p.waitForFinished(120000);
    return {finished, p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The NAME of every NAME.script in `folder`, in order.
inline std::vector<QString> scriptNames(const QDir& folder) {
    std::vector<QString> names;
    for (QString n : folder.entryList({QStringLiteral("*.script")}, QDir::Files, QDir::Name)) {
        n.chop(7);
        names.push_back(n);
    }
    return names;
}

// A script's name as a test name.
inline std::string scriptTestName(const ::testing::TestParamInfo<QString>& info) {
    std::string s = info.param.toStdString();
    for (char& ch : s)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return s;
}

// How a script's output is held against its expected file.
struct ReplayCheck {
    // The data folder differs from run to run: the expected output names it $DATA.
    bool dataAsPlaceholder = false;
    // After the first line that differs, the whole output is compared as well.
    bool showWholeOutput = false;
    // A program that does not end in time ends the test.
    bool stopWhenUnfinished = false;
};

// Replays folder/NAME.script on a fresh data folder; the program must end with status 0 and
// print folder/NAME.expected. A difference is reported at its first line.
inline void expectReplayMatches(const QDir& folder, const QString& name, ReplayCheck check) {
    QFile expected(folder.filePath(name + QStringLiteral(".expected")));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly))
        << "missing " << expected.fileName().toStdString();
    QTemporaryDir data;
    const ReplayRun r = replay(data.path(), folder.filePath(name + QStringLiteral(".script")));
    if (check.stopWhenUnfinished) {
        ASSERT_TRUE(r.finished);
    } else {
        EXPECT_TRUE(r.finished);
    }
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    QString got = r.out;
    if (check.dataAsPlaceholder) got.replace(data.path(), QStringLiteral("$DATA"));
    const QString want = QString::fromUtf8(expected.readAll());
    if (got == want) return;
    const QStringList g = got.split(QLatin1Char('\n')), w = want.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::max(g.size(), w.size()); ++i) {
        const QString gl = i < g.size() ? g[i] : QStringLiteral("<none>");
        const QString wl = i < w.size() ? w[i] : QStringLiteral("<none>");
        if (gl != wl) {
            ADD_FAILURE() << "line " << i + 1 << "\n  expected: " << wl.toStdString()
                          << "\n  got:      " << gl.toStdString();
            break;
        }
    }
    if (check.showWholeOutput) {
        EXPECT_EQ(got.toStdString(), want.toStdString());
    }
}

} // namespace korvel::testing
