#include "desk/dx_cluster_addresses.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvel;

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
    EXPECT_EQ(readClusterHosts(dir.path()).first, defaults.first); // no file
    EXPECT_EQ(readClusterHosts(dir.path()).second, defaults.second);
    // The file is found regardless of letter case. A bare host is reached over http; "/" at
    // the end goes; with only one usable line the other server stays at its default;
    // garbled lines keep the defaults.
    const struct {
        QByteArray text;
        QString first, second; // empty: the default
    } rows[] = {
        {"  spots.example.org/ \r\nhttps://127.0.0.1:8080\r\n", "http://spots.example.org",
         "https://127.0.0.1:8080"},
        {"\nother.example\n", "", "http://other.example"},
        {"two words\nftp://files.example\n", "", ""},
        {"http://a.example/page.html\nhttp://b.example?x=1\n", "", ""},
        {"http://\nhttp://user@b.example\n", "", ""},
        {QByteArray("\x01\xff\xfe\x00zz\n\x80", 8), "", ""},
        {"", "", ""},
    };
    for (const auto& r : rows) {
        QFile f(dir.filePath(QStringLiteral("korvelcluster.DAT")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(r.text);
        f.close();
        const ClusterHosts hosts = readClusterHosts(dir.path());
        EXPECT_EQ(hosts.first, r.first.isEmpty() ? defaults.first : r.first) << r.text.data();
        EXPECT_EQ(hosts.second, r.second.isEmpty() ? defaults.second : r.second) << r.text.data();
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
