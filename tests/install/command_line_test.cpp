// The command line of the real program: help, version, the two forms and what it refuses.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Ran {
    int code = -1;
    QString out;
    QString err;
};

Ran korvel(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(KORVEL_BINARY), args);
    EXPECT_TRUE(p.waitForFinished(60000)) << args.join(QLatin1Char(' ')).toStdString();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(CommandLine, VersionIsTheReleaseAndTheCommit) {
    for (const char* option : {"--version", "-v"}) {
        const Ran r = korvel({QString::fromLatin1(option)});
        EXPECT_EQ(r.code, 0) << option;
        EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
        // One line; the commit only when built from a git checkout.
        const QRegularExpression line(
            QStringLiteral("^korvel %1( \\(git [0-9a-f]{7,40}(-dirty)?\\))?\\n$")
                .arg(QRegularExpression::escape(QStringLiteral(KORVEL_PROJECT_VERSION))));
        EXPECT_TRUE(line.match(r.out).hasMatch()) << option << ": " << r.out.toStdString();
    }
}

TEST(CommandLine, HelpShowsBothFormsAndEveryOption) {
    for (const char* option : {"--help", "-h"}) {
        const Ran help = korvel({QString::fromLatin1(option)});
        EXPECT_EQ(help.code, 0) << option;
        EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();
        for (const char* part :
             {"Usage: korvel [options] [AUTO]\n", "korvel replay --dir DATA SCRIPT\n",
              "--dir <PATH>", "--version", "AUTO ", "replay "})
            EXPECT_TRUE(help.out.contains(QString::fromLatin1(part)))
                << option << " lacks " << part << ":\n"
                << help.out.toStdString();
        // The developer's screenshot option stays out of the operator's help.
        EXPECT_FALSE(help.out.contains(QStringLiteral("screenshot")));
    }
}

TEST(CommandLine, WrongArgumentsEndWithStatusTwoAndSayWhat) {
    QTemporaryDir data;
    const QString dir = data.path();
    const struct {
        QStringList args;
        const char* message;
    } cases[] = {
        {{QStringLiteral("--bogus")}, "Unknown option 'bogus'."},
        {{QStringLiteral("-x")}, "Unknown option 'x'."},
        {{QStringLiteral("surplus")}, "Unknown argument 'surplus'."},
        {{QStringLiteral("AUTO"), QStringLiteral("replay")}, "Unknown argument 'replay'."},
        {{QStringLiteral("--dir")}, "Missing value after '--dir'."},
        {{QStringLiteral("replay")}, "replay needs --dir DATA and a script."},
        {{QStringLiteral("replay"), QStringLiteral("--dir"), dir},
         "replay needs --dir DATA and a script."},
        {{QStringLiteral("replay"), QStringLiteral("script")},
         "replay needs --dir DATA and a script."},
        {{QStringLiteral("replay"), QStringLiteral("--dir"), dir, QStringLiteral("one"),
          QStringLiteral("two")},
         "Unknown argument 'two'."},
    };
    for (const auto& c : cases) {
        const QString args = c.args.join(QLatin1Char(' '));
        const Ran r = korvel(c.args);
        EXPECT_EQ(r.code, 2) << args.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << args.toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("korvel: ") + QString::fromLatin1(c.message) +
                                     QLatin1Char('\n')))
            << args.toStdString() << ":\n"
            << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("usage: korvel"))) << args.toStdString();
    }
    // Nothing was started: no data folder was made.
    EXPECT_TRUE(QDir(dir).isEmpty());
}

TEST(CommandLine, ReplayTakesItsArgumentsInAnyOrderAndBothDirForms) {
    QTemporaryDir tmp;
    const QString script = tmp.filePath(QStringLiteral("s.script"));
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("set MyCall YO9XX\nget MyCall\n");
    f.close();
    const QString dir = tmp.filePath(QStringLiteral("data"));
    const QStringList forms[] = {
        {QStringLiteral("replay"), QStringLiteral("--dir"), dir, script},
        {QStringLiteral("replay"), QStringLiteral("--dir=") + dir, script},
        {QStringLiteral("replay"), script, QStringLiteral("--dir"), dir},
        {QStringLiteral("--dir"), dir, QStringLiteral("replay"), script},
        {QStringLiteral("replay"), QStringLiteral("--dir"), dir, script, QStringLiteral("auto")},
    };
    for (const QStringList& args : forms) {
        const Ran r = korvel(args);
        EXPECT_EQ(r.code, 0) << args.join(QLatin1Char(' ')).toStdString() << "\n"
                             << r.err.toStdString();
        EXPECT_EQ(r.out.toStdString(), "MyCall \"YO9XX\"\n");
    }
}

TEST(CommandLine, AutoEndsAtOnceWhenTheFolderCannotBeUsed) {
    // Without AUTO the program would ask in a message box; with it, in any letter case, it
    // ends with status 1 and says why.
    for (const char* autoWord : {"AUTO", "auto", "Auto"}) {
        const Ran r =
            korvel({QStringLiteral("--dir"), QStringLiteral("/proc/korvel-cannot-be-here"),
                    QString::fromLatin1(autoWord)});
        EXPECT_EQ(r.code, 1) << autoWord;
        EXPECT_TRUE(r.err.contains(QStringLiteral("korvel: Cannot create the folder")))
            << r.err.toStdString();
    }
}
