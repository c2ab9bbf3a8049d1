// Inserts QSOs into the log at the given path for ever, printing each new ID once its
// insert has returned. The durability test kills it at a random moment.
#include "store/log_store.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    korvel::store::LogStore log;
    if (!log.open(QString::fromLocal8Bit(argv[1])).isEmpty()) return 1;
    for (int n = 1;; ++n) {
        korvel::store::QsoRow r;
        r.callsign = QStringLiteral("DL%1ABC").arg(n);
        r.data = QStringLiteral("06.12.26");
        r.utc = QStringLiteral("12:00");
        r.bnd = QStringLiteral("20");
        r.sent = QStringLiteral("599 %1").arg(n, 3, 10, QLatin1Char('0'));
        r.rcvd = QStringLiteral("599 14");
        r.md = QStringLiteral("CW");
        r.pfx = QStringLiteral("DL");
        r.pct = QStringLiteral("3");
        const auto id = log.insertQso(r);
        if (id < 0) return 1;
        std::printf("%lld %d\n", static_cast<long long>(id), n);
        std::fflush(stdout);
    }
}
