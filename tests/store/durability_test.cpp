// A QSO whose insert has returned must survive the process being killed.
#include "store/log_store.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <map>

using namespace korvel::store;

TEST(Durability, EveryReportedInsertSurvivesAKill) {
    for (int round = 0; round < 3; ++round) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("LogKorvel"));
        QProcess child;
        child.start(QStringLiteral(KORVEL_DURABILITY_CHILD), {path});
        ASSERT_TRUE(child.waitForStarted());
        QThread::msleep(150 + QRandomGenerator::global()->bounded(400));
        child.kill(); // SIGKILL: no clean-up of any kind
        child.waitForFinished();
        std::map<qint64, int> reported;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() == 2) reported[f[0].toLongLong()] = f[1].toInt();
        }
        ASSERT_GT(reported.size(), 0u) << "the child logged nothing before it was killed";

        LogStore log;
        ASSERT_EQ(log.open(path), QString());
        for (const auto& [id, n] : reported) {
            const auto row = log.qsoById(id);
            ASSERT_TRUE(row.has_value()) << "QSO " << id << " was lost";
            EXPECT_EQ(row->callsign, QStringLiteral("DL%1ABC").arg(n));
        }
        // At most the one insert under way at the kill may be there unreported.
        EXPECT_LE(log.count(), static_cast<qint64>(reported.size()) + 1);
    }
}
