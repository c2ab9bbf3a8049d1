// What the desk shows beside its tallies and its log grid: the super check partial list (on
// its own and on the desk), the rate and the next serial (replayed scripts with known
// times), and the claimed score, which must equal the review screen's claimed totals of the
// same log for every contest replayed.
#include "app/replay.h"
#include "desk/desk_form.h"
#include "desk/rate_meter.h"
#include "desk/super_check.h"
#include "review/rate_chart_model.h"
#include "review/rescoring.h"
#include "scoring/contests/registry.h"
#include "tests/support/desk_keyed_station.h"
#include "tests/support/replay_script.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <memory>

using namespace korvel;

namespace {

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

// ---------------------------------------------------------------------------------------
// The list on its own.

TEST(SuperCheckList, FindsTheTypedTextAnywhereStartsFirst) {
    SuperCheck scp;
    scp.setList("# comment line\nK1DL1\nDL1ABC\n dl1xyz \nXDL1A\nW1AW\nDL1ABC\nDL2AA\n"
                "DL1DL1\r\n");
    EXPECT_EQ(scp.size(), 7u); // the comment and the double left out
    const struct {
        const char* typed;
        QStringList want;
    } cases[] = {
        // Calls beginning with the text first, then those holding it further in; each
        // group in the order of the calls; a call holding it twice once.
        {"dl1", {"DL1ABC", "DL1DL1", "DL1XYZ", "K1DL1", "XDL1A"}},
        {"  DL1A ", {"DL1ABC", "XDL1A"}},
        {"1AW", {"W1AW"}},
        {"DL1XYZ", {"DL1XYZ"}},
        {"ABCD", {}},
        // Fewer than three characters: nothing.
        {"DL", {}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scp.find(QLatin1String(c.typed)), c.want) << c.typed;
}

TEST(SuperCheckList, ShowsAtMostFiftyStartingOnesFirst) {
    QByteArray text;
    for (int i = 0; i < 30; ++i)
        text += QStringLiteral("ABC%1\n").arg(i, 3, 10, QLatin1Char('0')).toLatin1();
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral("X%1ABC\n").arg(i, 3, 10, QLatin1Char('0')).toLatin1();
    SuperCheck scp;
    scp.setList(text);
    const QStringList found = scp.find(QStringLiteral("ABC"));
    ASSERT_EQ(found.size(), SuperCheck::kMaxShown);
    EXPECT_EQ((QStringList{found[0], found[29], found[30], found[49]}),
              (QStringList{"ABC000", "ABC029", "X000ABC", "X019ABC"}));
    // More starting ones than the cap: only they are shown.
    EXPECT_EQ(scp.find(QStringLiteral("ABC0"), 5),
              (QStringList{"ABC000", "ABC001", "ABC002", "ABC003", "ABC004"}));
}

// No list at all: DeskSuperCheck.WithoutAListThePanelSaysWhereToPutOne.
TEST(SuperCheckList, DataFolderCopyWinsOverTheSystemOne) {
    QTemporaryDir data, system;
    const QString name = QLatin1String(SuperCheck::kFileName);
    SuperCheck scp;
    writeFile(QDir(system.path()).filePath(name), "DL1OLD\n");
    EXPECT_EQ(scp.load(data.path(), system.path()), SuperCheck::Source::System);
    EXPECT_EQ(scp.find(QStringLiteral("DL1")), QStringList{"DL1OLD"});

    writeFile(QDir(data.path()).filePath(name), "DL1NEW\nDL1NEWER\n");
    EXPECT_EQ(scp.load(data.path(), system.path()), SuperCheck::Source::DataFolder);
    EXPECT_EQ(scp.path(), QDir(data.path()).filePath(name));
    EXPECT_EQ(scp.find(QStringLiteral("DL1")), (QStringList{"DL1NEW", "DL1NEWER"}));
}

// ---------------------------------------------------------------------------------------
// The list on the desk.

class DeskSuperCheck : public korvel::testing::DeskStation {
protected:
    // The CQ-WPX desk on 20 m CW with `list` as the data folder's super check list.
    void openWith(const QByteArray& list) {
        if (!list.isNull()) writeFile(dir.filePath(QLatin1String(SuperCheck::kFileName)), list);
        open(202);
    }
    QStringList items() { return control("LstScp").items; }
};

TEST_F(DeskSuperCheck, ListFollowsTheCallFieldAndMarksLoggedCalls) {
    openWith("DL1ABC\nDL1XYZ\nK1DL1\nW1AW\n");
    run("type dl\n");
    EXPECT_TRUE(items().isEmpty());
    run("type 1\n");
    EXPECT_EQ(items(), (QStringList{"DL1ABC", "DL1XYZ", "K1DL1"}));
    run("type abc\nkey Space\ntype 7\nkey Enter\n");
    EXPECT_TRUE(items().isEmpty()); // the desk cleared for the next QSO
    run("type dl1\n");
    EXPECT_EQ(items(), (QStringList{"DL1ABC *", "DL1XYZ", "K1DL1"}));
    // Taking the QSO back for correction and deleting it is a recount: the mark goes.
    run("key Backspace\nkey Backspace\nkey Backspace\n");
    desk->selectGridRow(dbs.log.lastQso()->id);
    box.queueAnswer(forms::msg::kYes);
    desk->dblClick(desk_ctl::DBGrid9);
    run("type dl1\n");
    EXPECT_EQ(items(), (QStringList{"DL1ABC", "DL1XYZ", "K1DL1"}));
}

TEST_F(DeskSuperCheck, DoubleClickAndArrowKeysTypeTheChosenCall) {
    openWith("DL1ABC\nDL1XYZ\nK1DL1\n");
    run("type dl1\ndblclick LstScp:K1DL1\n");
    EXPECT_EQ(field("txtIndic"), "K1DL1");
    EXPECT_EQ(items(), (QStringList{"DL1ABC", "DL1XYZ", "K1DL1"})); // the list stays
    EXPECT_EQ(desk->focus(), desk_ctl::txtIndic);
    // Down from the chosen entry to the end stays there; Up goes back.
    run("key Down\n");
    EXPECT_EQ(field("txtIndic"), "K1DL1");
    run("key Up\nkey Up\n");
    EXPECT_EQ(field("txtIndic"), "DL1ABC");
    // Typed on: the list follows the text again; Space analyses the chosen call.
    run("key Backspace\nkey Backspace\nkey Backspace\ntype x\n");
    EXPECT_EQ(items(), QStringList{"DL1XYZ"});
    run("key Down\nkey Space\n");
    EXPECT_FALSE(field("TxtCountry").trimmed().isEmpty());
}

TEST_F(DeskSuperCheck, WithoutAListThePanelSaysWhereToPutOne) {
    openWith(QByteArray());
    EXPECT_EQ(desk->superCheck().source(), SuperCheck::Source::None);
    EXPECT_TRUE(field("LblScp").contains(dir.filePath(QStringLiteral("MASTER.SCP"))));
    run("type dl1abc\n");
    EXPECT_TRUE(items().isEmpty());
}

// ---------------------------------------------------------------------------------------
// Rate.

// Ten QSOs in five minutes, the hour's edges at 59 and 61 minutes, a single QSO and an empty
// log are compared by the replayed script "rate"; here the cases it does not show.
TEST(RateMeterFigures, LastTenAndLastHour) {
    const QDateTime base(QDate(2026, 5, 30), QTime(16, 0), Qt::UTC);
    const struct {
        const char* what;
        std::vector<int> minutes;
        int now;
        int last10, lastHour;
        qint64 since;
    } cases[] = {
        {"the oldest of 11 is left out", {-30, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5}, 6, 120, 11, 60},
        {"two in the same minute count over a minute", {7, 7}, 8, 120, 2, 60},
        {"fewer than 10 count over their own span", {0, 1, 2, 3, 4, 5}, 66, 72, 0, 61 * 60},
    };
    for (const auto& c : cases) {
        RateMeter m;
        std::vector<QDateTime> times;
        for (int t : c.minutes)
            times.push_back(base.addSecs(t * 60));
        m.setTimes(times);
        const RateMeter::Figures f = m.figures(base.addSecs(c.now * 60));
        EXPECT_EQ(f.last10, c.last10) << c.what;
        EXPECT_EQ(f.lastHour, c.lastHour) << c.what;
        EXPECT_EQ(f.sinceLast.value_or(-1), c.since) << c.what;
    }
}

TEST(RateMeterFigures, MoreThanAHundredInAnHourAreAllCounted) {
    const QDateTime base(QDate(2026, 5, 30), QTime(16, 0), Qt::UTC);
    std::vector<QDateTime> times;
    for (int i = 0; i < 240; ++i)
        times.push_back(base.addSecs(i * 15)); // 240 in an hour
    RateMeter m;
    m.setTimes(times);
    EXPECT_EQ(m.figures(base.addSecs(3599)).lastHour, 240);
    // The same times stored one by one, a paper log's older ones among them, count alike.
    RateMeter added;
    for (std::size_t i = 0; i < times.size(); ++i)
        added.add(times[(i * 7) % times.size()]);
    for (int minutes : {59, 60, 70, 120}) {
        const QDateTime now = base.addSecs(minutes * 60);
        EXPECT_EQ(added.figures(now).lastHour, m.figures(now).lastHour) << minutes;
        EXPECT_EQ(added.figures(now).last10, m.figures(now).last10) << minutes;
    }
}

TEST(RateMeterFigures, StoredDateAndTime) {
    using review::qsoTime;
    EXPECT_EQ(qsoTime(QStringLiteral("30.05.26"), QStringLiteral("23:59")),
              QDateTime(QDate(2026, 5, 30), QTime(23, 59), Qt::UTC));
    EXPECT_FALSE(qsoTime(QStringLiteral("30.05.26"), QStringLiteral("25:00")).isValid());
    EXPECT_FALSE(qsoTime(QStringLiteral(" "), QStringLiteral("12:00")).isValid());
}

// ---------------------------------------------------------------------------------------
// Replayed: the rate, the next serial and the score as the desk shows them.

const QDir& figuresDir() {
    static const QDir dir(QStringLiteral(KORVEL_FIGURES_DIR));
    return dir;
}

class Figures : public ::testing::TestWithParam<QString> {};

TEST_P(Figures, ReplayMatchesExpected) {
    korvel::testing::expectReplayMatches(figuresDir(), GetParam(), {.showWholeOutput = true});
}

INSTANTIATE_TEST_SUITE_P(Desk, Figures,
                         ::testing::ValuesIn(korvel::testing::scriptNames(figuresDir())),
                         korvel::testing::scriptTestName);

// Every golden contest and every script above: the claimed score the desk ends with equals
// the review screen's claimed totals of the log it leaves.
class ClaimedScore : public ::testing::TestWithParam<QString> {};

TEST_P(ClaimedScore, DeskEqualsReviewScreen) {
    QTemporaryDir data;
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    std::optional<review::Totals> onDesk;
    int contestCode = 0;
    const int code = runReplay(data.path(), GetParam(), outStream, errStream,
                               [&](SharedState& s, DeskForm* desk, SetupForm*, ReviewForm*) {
                                   contestCode = s.ContestCode;
                                   if (desk) onDesk = desk->claimedScore();
                               });
    ASSERT_EQ(code, 0) << err.toStdString();
    ASSERT_TRUE(onDesk) << "the script does not end on the desk";
    store::Databases dbs;
    ASSERT_TRUE(store::openDatabases(data.path(), dbs).ok());
    const ContestExports& exports = scoring::contestOrNone(contestCode).info.exports;
    const review::Totals claimed =
        review::claimedTotals(review::rescore(dbs.log, exports), exports);
    EXPECT_GT(claimed.qsos, 0);
    EXPECT_EQ(onDesk->qsos, claimed.qsos);
    EXPECT_EQ(onDesk->points, claimed.points);
    EXPECT_EQ(onDesk->mults, claimed.mults);
    EXPECT_EQ(onDesk->score(), claimed.score());
    dbs.closeAll();
}

std::vector<QString> everyScript() {
    std::vector<QString> paths;
    for (const QDir& d : {QDir(QStringLiteral(KORVEL_GOLDEN_DIR)), figuresDir()})
        for (const QString& n : korvel::testing::scriptNames(d))
            paths.push_back(d.filePath(n + QStringLiteral(".script")));
    return paths;
}

std::string scriptName(const ::testing::TestParamInfo<QString>& info) {
    return korvel::testing::scriptTestName({QFileInfo(info.param).completeBaseName(), info.index});
}

INSTANTIATE_TEST_SUITE_P(Contests, ClaimedScore, ::testing::ValuesIn(everyScript()), scriptName);

} // namespace
