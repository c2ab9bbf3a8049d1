#pragma once
// The addresses the desk's DX-cluster panel offers: sixteen DX-spot pages on two servers.
//
// The two servers can be changed in the text file "KorvelCluster.dat" in the program
// folder: line 1 is the first server, line 2 the second, each a host name ("dx.example.org")
// or a base address ("https://dx.example.org:8080"); a host without a scheme is reached over
// http. A missing file, or a line that is empty or not such an address, leaves that server
// at its default.

#include <QString>
#include <QStringList>

namespace korvel {

struct ClusterHosts {
    QString first; // base address without a trailing "/", e.g. "https://dx.example.org"
    QString second;
};

ClusterHosts defaultClusterHosts();

// The servers named in KorvelCluster.dat of `appDir` (found regardless of letter case).
ClusterHosts readClusterHosts(const QString& appDir);

// The sixteen page addresses: nine on the first server, then seven on the second.
QStringList clusterAddresses(const ClusterHosts& hosts);

// The status-bar text of a page that is loading: "NN %" (received × 100 / total), or an
// empty string while the total is unknown (negative or 0).
QString loadProgressText(qint64 received, qint64 total);

} // namespace korvel
