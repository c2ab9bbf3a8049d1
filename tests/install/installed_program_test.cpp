// The program installed into a temporary DESTDIR, under a prefix of its own, runs without the
// build folder: it finds the reference data and help files it ships in share/korvel.
#include "platform/help_file.h"
#include "platform/shipped_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvel;

namespace {

bool writeFile(const QString& path, const QByteArray& text, QIODevice::OpenMode mode = {}) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | mode) && f.write(text) == text.size();
}

} // namespace

TEST(ShippedFiles, InstalledCopyFirstThenTheBuiltInOne) {
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("opt/k/bin"));
    const QString share = root.filePath(QStringLiteral("opt/k/share/korvel"));
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(share + QStringLiteral("/data")));
    ASSERT_TRUE(writeFile(share + QStringLiteral("/data/cty.dat"), "x"));
    EXPECT_EQ(shippedFilesDir(bin).toStdString(), share.toStdString());
    const struct {
        const char* name;
        QString programDir;
        QString expected;
    } cases[] = {
        {"data/cty.dat", bin, share + QStringLiteral("/data/cty.dat")},
        // Not installed (or not installed there): the copy built into the program.
        {"data/iaru.csv", bin, QStringLiteral(":/data/iaru.csv")},
        {"help/KorvelEngl.HLP", bin, QStringLiteral(":/help/KorvelEngl.HLP")},
        {"data/cty.dat", root.path(), QStringLiteral(":/data/cty.dat")},
        {"data/cty.dat", QString(), QStringLiteral(":/data/cty.dat")},
        // A folder of that name is no file.
        {"data", bin, QStringLiteral(":/data")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shippedFile(QString::fromLatin1(c.name), c.programDir).toStdString(),
                  c.expected.toStdString())
            << c.name << " from " << c.programDir.toStdString();
}

TEST(InstalledProgram, RunsAReplayOnItsOwnShippedFiles) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    // A prefix other than the one the build was configured for.
    const QString prefix = root.filePath(QStringLiteral("opt/korvel-test"));
    {
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), root.path());
        install.setProcessEnvironment(env);
        install.start(QStringLiteral(KORVEL_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(KORVEL_BUILD_DIR),
                       QStringLiteral("--prefix"), QStringLiteral("/opt/korvel-test")});
        ASSERT_TRUE(install.waitForFinished(120000));
        ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    }
    const QString bin = prefix + QStringLiteral("/bin");
    const QString share = prefix + QStringLiteral("/share");
    for (const char* file :
         {"korvel/data/cty.dat", "korvel/data/WAG_call_history.txt", "korvel/data/callobl.csv",
          "korvel/data/iaru.csv", "korvel/help/KorvelCONTEST.HLP", "korvel/help/KorvelEngl.HLP",
          "applications/org.korvel.Korvel.desktop", "metainfo/org.korvel.Korvel.metainfo.xml",
          "icons/hicolor/scalable/apps/org.korvel.Korvel.svg",
          "icons/hicolor/48x48/apps/org.korvel.Korvel.png", "man/man1/korvel.1.gz",
          "doc/korvel/copyright", "doc/korvel/changelog.gz"})
        EXPECT_TRUE(QFileInfo(share + QLatin1Char('/') + QString::fromLatin1(file)).isFile())
            << file;

    // The installed country file gets an entity the built-in one lacks: a call of it is
    // resolved only when the program reads the installed copy.
    ASSERT_TRUE(writeFile(share + QStringLiteral("/korvel/data/cty.dat"),
                          "Installed Test Land:      5:   8:  NA:   40.00:   100.00:     6.0:  "
                          "K0I:\n    K0IT;\n",
                          QIODevice::Append));
    const QString script = root.filePath(QStringLiteral("check.script"));
    ASSERT_TRUE(writeFile(script, "set ContestCode 100\n"
                                  "set MyCall DL9XX\n"
                                  "set MyPrfx DL\n"
                                  "set MyCont Eu\n"
                                  "set ContestMode 100\n"
                                  "clock 29.08.26 13:00\n"
                                  "band 20\n"
                                  "mode CW\n"
                                  "type k1abc\n"
                                  "key Space\n"
                                  "get LookupCountry\n"
                                  "text txtIndic \n"
                                  "click txtIndic\n"
                                  "type k0it\n"
                                  "key Space\n"
                                  "get LookupCountry\n"
                                  "screen setup\n"
                                  "click OpbEnglish\n"
                                  "click mnuGeneralitati\n"));
    const QString data = root.filePath(QStringLiteral("new/data"));
    QProcess run;
    run.setWorkingDirectory(root.path());
    run.start(bin + QStringLiteral("/korvel"),
              {QStringLiteral("replay"), QStringLiteral("--dir"), data, script});
    ASSERT_TRUE(run.waitForFinished(120000));
    const QString err = QString::fromUtf8(run.readAllStandardError());
    EXPECT_EQ(run.exitCode(), 0) << err.toStdString();
    EXPECT_EQ(run.readAllStandardOutput().toStdString(),
              "LookupCountry \"United States of America\"\n"
              "LookupCountry \"Installed Test Land\"\n"
              "help 1000 100\n");
    EXPECT_TRUE(QFileInfo(data + QStringLiteral("/DbsKorvel.mdb")).isFile());

    // The help topic it opened is in the installed English help file, which is the one the
    // installed program takes when the data folder has none.
    const QString help = shippedFile(QStringLiteral("help/KorvelEngl.HLP"), bin);
    EXPECT_EQ(help.toStdString(),
              (share + QStringLiteral("/korvel/help/KorvelEngl.HLP")).toStdString());
    EXPECT_TRUE(helpPage(help, 100).found);
}
