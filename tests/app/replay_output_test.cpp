#include "app/replay.h"

#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

using namespace korvel;

namespace {

// Records every write that reaches it, as standard output would receive them.
class WriteLog : public QIODevice {
public:
    WriteLog() { open(QIODevice::WriteOnly); }
    QList<QByteArray> writes;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        writes << QByteArray(data, size);
        return size;
    }
};

} // namespace

// Each command's lines reach the output before the next command runs, so a replay that is
// killed keeps what it printed; a script error still names its line.
TEST(ReplayOutput, EveryCommandIsWrittenOutBeforeTheNext) {
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("s.script"));
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("set MyCall YO9XX\nget MyCall\n# a comment\nset MyPrfx YO\nget MyPrfx\n"
                "get MyCall\nnonsense here\nget MyPrfx\n");
    }
    WriteLog log;
    QTextStream out(&log);
    QString errors;
    QTextStream err(&errors);
    EXPECT_EQ(runReplay(dir.filePath(QStringLiteral("data")), script, out, err), 2);
    QList<QByteArray> lines;
    for (const QByteArray& w : log.writes)
        if (!w.isEmpty()) lines << w;
    EXPECT_EQ(lines,
              (QList<QByteArray>{"MyCall \"YO9XX\"\n", "MyPrfx \"YO\"\n", "MyCall \"YO9XX\"\n"}));
    EXPECT_TRUE(errors.contains(QStringLiteral("line 7: "))) << errors.toStdString();
}
