// Whole contests replayed through the real program: every NAME.script in the golden folder
// runs with `korvel replay` on a fresh data folder, and its output must equal NAME.expected
// byte for byte. The expected files were worked out from the contest rules by hand.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::vector<QString> scripts() {
    std::vector<QString> names;
    for (QString n : QDir(QStringLiteral(KORVEL_GOLDEN_DIR))
                         .entryList({QStringLiteral("*.script")}, QDir::Files, QDir::Name)) {
        n.chop(7);
        names.push_back(n);
    }
    return names;
}

class Golden : public ::testing::TestWithParam<QString> {};

TEST_P(Golden, ReplayMatchesExpected) {
    const QDir dir(QStringLiteral(KORVEL_GOLDEN_DIR));
    QFile expected(dir.filePath(GetParam() + QStringLiteral(".expected")));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly))
        << "missing " << expected.fileName().toStdString();
    QTemporaryDir data;
    QProcess p;
    p.start(QStringLiteral(KORVEL_BINARY),
            {QStringLiteral("replay"), QStringLiteral("--dir"), data.path(),
             dir.filePath(GetParam() + QStringLiteral(".script"))});
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), 0) << err.toStdString();
    const QString got = QString::fromUtf8(p.readAllStandardOutput());
    const QString want = QString::fromUtf8(expected.readAll());
    if (got != want) {
        // Show the first line that differs, then everything.
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
        EXPECT_EQ(got.toStdString(), want.toStdString());
    }
}

std::string testName(const ::testing::TestParamInfo<QString>& info) {
    std::string s = info.param.toStdString();
    for (char& ch : s)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return s;
}

INSTANTIATE_TEST_SUITE_P(Contests, Golden, ::testing::ValuesIn(scripts()), testName);

} // namespace
