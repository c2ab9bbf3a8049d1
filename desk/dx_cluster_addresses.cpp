#include "desk/dx_cluster_addresses.h"

#include "platform/files.h"

#include <QFile>
#include <QTextStream>
#include <QUrl>

#include <algorithm>

namespace korvel {

namespace {

const char* const kFirstServerPaths[] = {
    "/dxs/dx25.html", "/dxs/hfcwdx50.html", "/dxs/hffonedx50.html", "/dxs/28.html", "/dxs/21.html",
    "/dxs/14.html",   "/dxs/7.html",        "/dxs/3.html",          "/dxs/1.html",
};

const char* const kSecondServerPaths[] = {
    "/dxc/top_50_ALL.html",    "/dxc/top_50_1.8_MHz.html", "/dxc/top_50_3.5_MHz.html",
    "/dxc/top_50_7_MHz.html",  "/dxc/top_50_14_MHz.html",  "/dxc/top_50_21_MHz.html",
    "/dxc/top_50_28_MHz.html",
};

// A server line as a base address, or an empty string when it is not one.
QString baseAddress(const QString& line) {
    QString text = line.trimmed();
    const bool printable = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() > 0x20 && c.unicode() < 0x7f;
    });
    if (text.isEmpty() || !printable) return {}; // also no blanks inside
    if (!text.contains(QStringLiteral("://"))) text.prepend(QStringLiteral("http://"));
    const QUrl url(text, QUrl::StrictMode);
    const bool web =
        url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    const bool bare = url.path().isEmpty() || url.path() == QLatin1String("/");
    if (!url.isValid() || !web || url.host().isEmpty() || !bare || url.hasQuery() ||
        url.hasFragment() || !url.userInfo().isEmpty())
        return {};
    return url.toString(QUrl::RemovePath);
}

} // namespace

ClusterHosts defaultClusterHosts() {
    return {QStringLiteral("https://www.dxsummit.fi"),
            QStringLiteral("https://cluster.sdr-radio.com")};
}

ClusterHosts readClusterHosts(const QString& appDir) {
    ClusterHosts hosts = defaultClusterHosts();
    QFile file(childPath(appDir, QStringLiteral("KorvelCluster.dat")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return hosts;
    QTextStream in(&file);
    const QString first = baseAddress(in.readLine());
    const QString second = baseAddress(in.readLine());
    if (!first.isEmpty()) hosts.first = first;
    if (!second.isEmpty()) hosts.second = second;
    return hosts;
}

QStringList clusterAddresses(const ClusterHosts& hosts) {
    QStringList addresses;
    for (const char* path : kFirstServerPaths)
        addresses << hosts.first + QLatin1String(path);
    for (const char* path : kSecondServerPaths)
        addresses << hosts.second + QLatin1String(path);
    return addresses;
}

QString loadProgressText(qint64 received, qint64 total) {
    if (total <= 0 || received < 0) return {};
    return QStringLiteral("%1 %").arg(received * 100 / total);
}

} // namespace korvel
