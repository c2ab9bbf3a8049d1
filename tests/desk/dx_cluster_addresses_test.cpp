#include "desk/dx_cluster_addresses.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvel;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(DxClusterAddresses, SixteenPagesOnTwoServers) {
    const QStringList list = clusterAddresses(
        {QStringLiteral("http://a.example"), QStringLiteral("https://b.example:8443")});
    ASSERT_EQ(list.size(), 16);
    EXPECT_EQ(list.first(), QStringLiteral("http://a.example/dxs/dx25.html"));
    EXPECT_EQ(list[8], QStringLiteral("http://a.example/dxs/1.html"));
    EXPECT_EQ(list[9], QStringLiteral("https://b.example:8443/dxc/top_50_ALL.html"));
    EXPECT_EQ(list.last(), QStringLiteral("https://b.example:8443/dxc/top_50_28_MHz.html"));
    EXPECT_NE(defaultClusterHosts().first, defaultClusterHosts().second);
}

TEST(DxClusterAddresses, ServersFromTheFileOrDefaults) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ClusterHosts defaults = defaultClusterHosts();
    const auto read = [&] { return readClusterHosts(dir.path()); };

    EXPECT_EQ(read().first, defaults.first); // no file
    EXPECT_EQ(read().second, defaults.second);

    // Found regardless of letter case; a bare host is reached over http; "/" at the end goes.
    writeFile(dir.filePath(QStringLiteral("korvelcluster.DAT")),
              "  spots.example.org/ \r\nhttps://127.0.0.1:8080\r\n");
    EXPECT_EQ(read().first, QStringLiteral("http://spots.example.org"));
    EXPECT_EQ(read().second, QStringLiteral("https://127.0.0.1:8080"));

    // Only one usable line: the other server stays at its default.
    writeFile(dir.filePath(QStringLiteral("korvelcluster.DAT")), "\nother.example\n");
    EXPECT_EQ(read().first, defaults.first);
    EXPECT_EQ(read().second, QStringLiteral("http://other.example"));
}

TEST(DxClusterAddresses, GarbledLinesKeepTheDefaults) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ClusterHosts defaults = defaultClusterHosts();
    const QString path = dir.filePath(QStringLiteral("KorvelCluster.dat"));
    for (const QByteArray& text : {QByteArray("two words\nftp://files.example\n"),
                                   QByteArray("http://a.example/page.html\nhttp://b.example?x=1\n"),
                                   QByteArray("http://\nhttp://user@b.example\n"),
                                   QByteArray("\x01\xff\xfe\x00zz\n\x80", 8), QByteArray()}) {
        writeFile(path, text);
        const ClusterHosts hosts = readClusterHosts(dir.path());
        EXPECT_EQ(hosts.first, defaults.first) << text.toStdString();
        EXPECT_EQ(hosts.second, defaults.second) << text.toStdString();
    }
}

TEST(DxClusterAddresses, ProgressOnlyWithAKnownTotal) {
    EXPECT_EQ(loadProgressText(0, 200), QStringLiteral("0 %"));
    EXPECT_EQ(loadProgressText(99, 200), QStringLiteral("49 %"));
    EXPECT_EQ(loadProgressText(200, 200), QStringLiteral("100 %"));
    EXPECT_EQ(loadProgressText(6'000'000'000, 6'000'000'000), QStringLiteral("100 %"));
    EXPECT_TRUE(loadProgressText(100, -1).isEmpty());
    EXPECT_TRUE(loadProgressText(100, 0).isEmpty());
}
