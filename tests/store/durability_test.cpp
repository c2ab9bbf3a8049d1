// A QSO whose insert has returned must be on the disk: it survives the process being killed,
// and before it was reported the log's file or its write-ahead journal was flushed. A kill
// alone leaves the kernel's page cache in place, so the flushes are counted as well (a
// preloaded library reports each fsync and fdatasync of the child in line with its output).
#include "store/log_store.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <map>

using namespace korvel::store;

namespace {

// A sanitized program needs its sanitizer runtime loaded before any other library: it is
// put in front of the preloaded one when this test program runs with it.
QString preloadList() {
    QString list = QStringLiteral(KORVEL_FLUSH_SHIM);
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return list;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const qsizetype slash = line.indexOf('/');
        if (slash < 0) continue;
        const QString file = QString::fromLocal8Bit(line.mid(slash));
        if (QFileInfo(file).fileName().startsWith(QLatin1String("libasan.so")))
            return file + QLatin1Char(':') + list;
    }
    return list;
}

struct ChildRun {
    std::map<qint64, int> reported;     // ID -> QSO number, as the child printed them
    std::vector<int> flushesBeforeEach; // per reported QSO: flushes of the log since the last
    int otherLines = 0;
};

// Runs the child on `path` until it is killed at a random moment and reads its output.
ChildRun runAndKill(const QString& path, const QString& canonicalPath) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LD_PRELOAD"), preloadList());
    env.insert(QStringLiteral("KORVEL_FLUSH_FD"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(KORVEL_DURABILITY_CHILD), {path});
    EXPECT_TRUE(child.waitForStarted());
    QThread::msleep(300 + QRandomGenerator::global()->bounded(400));
    child.kill(); // SIGKILL: no clean-up of any kind
    child.waitForFinished();

    ChildRun run;
    int flushes = 0;
    QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    lines.removeLast(); // empty, or a line cut short by the kill
    for (const QByteArray& line : lines) {
        if (line.startsWith("flush ")) {
            const QString file = QString::fromLocal8Bit(line.mid(6));
            if (file == canonicalPath || file == canonicalPath + QLatin1String("-wal")) ++flushes;
            continue;
        }
        const QList<QByteArray> f = line.split(' ');
        if (f.size() != 2) {
            ++run.otherLines;
            continue;
        }
        run.reported[f[0].toLongLong()] = f[1].toInt();
        run.flushesBeforeEach.push_back(flushes);
        flushes = 0;
    }
    return run;
}

} // namespace

TEST(Durability, TheLogRunsWithAWriteAheadJournalAndFullSynchronousCommits) {
    QTemporaryDir dir;
    LogStore log;
    ASSERT_EQ(log.open(dir.filePath(QStringLiteral("LogKorvel"))), QString());
    EXPECT_EQ(log.journalMode(), QStringLiteral("wal"));
    EXPECT_GE(log.synchronousLevel(), 2) << "2 is FULL: every commit is flushed";
    EXPECT_EQ(log.lastError(), QString());
}

TEST(Durability, EveryReportedInsertWasFlushedAndSurvivesAKill) {
    for (int round = 0; round < 3; ++round) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("LogKorvel"));
        const QString canonicalPath =
            QFileInfo(dir.path()).canonicalFilePath() + QLatin1String("/LogKorvel");
        const ChildRun run = runAndKill(path, canonicalPath);
        ASSERT_GT(run.reported.size(), 0u) << "the child logged nothing before it was killed";
        EXPECT_EQ(run.otherLines, 0);

        // Each QSO was flushed between the previous report and its own.
        int unflushed = 0;
        for (const int n : run.flushesBeforeEach)
            if (n == 0) ++unflushed;
        EXPECT_EQ(unflushed, 0) << unflushed << " of " << run.reported.size()
                                << " QSOs were reported stored without a flush of the log";

        LogStore log;
        ASSERT_EQ(log.open(path), QString());
        for (const auto& [id, n] : run.reported) {
            const auto row = log.qsoById(id);
            ASSERT_TRUE(row.has_value()) << "QSO " << id << " was lost";
            EXPECT_EQ(row->callsign, QStringLiteral("DL%1ABC").arg(n));
        }
        // At most the one insert under way at the kill may be there unreported.
        EXPECT_LE(log.count(), static_cast<qint64>(run.reported.size()) + 1);
    }
}
