// START-CONTEST, INPUT-LOG-OFF-LINE and LOG: the checks in their order with their messages,
// what they store, what the desk receives, and the setup screen on the way back.
#include "setup_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace korvel;
using korvel::testing::SetupFixture;

namespace {

class StartContest : public SetupFixture {
protected:
    // A station that passes every general check, its call analysed, the contest chosen.
    void ready(const char* contestButton, const QString& call = QStringLiteral("YO9XX")) {
        writeStation(call, QString(), QString(), QString());
        open();
        form->focusAtEnd(QStringLiteral("TxtMyCall"));
        enter();
        choose(contestButton);
        if (visible("FraConcurs")) form->click(QStringLiteral("OpbTest"));
        box.clear();
    }
    bool start() {
        const int before = started;
        form->click(QStringLiteral("mnuQSOfahren"));
        return started > before;
    }
    bool settingsWritten() const {
        return QFileInfo::exists(initFilePath(s)) && QFileInfo::exists(cwTextFilePath(s));
    }
};

// The messages and the dates shown are compared by the replayed session start_refusals.
TEST_F(StartContest, WithoutAContestOnlyTheDatesAreFilled) {
    writeStation(QStringLiteral("YO9XX"), QString(), QStringLiteral("Eu"), QString());
    QFile::remove(initFilePath(s));
    open();
    EXPECT_FALSE(start());
    EXPECT_EQ(s.StartDate, QStringLiteral("06.12.26"));
    EXPECT_FALSE(QFileInfo::exists(initFilePath(s)));
    form->click(QStringLiteral("OpbEnglish"));
    EXPECT_FALSE(start());
    form->click(QStringLiteral("mnuLog"));
    EXPECT_EQ(prompts().size(), 3);
    EXPECT_EQ(started, 0);
}

TEST_F(StartContest, GeneralChecksInOrderEmptyTheFieldAndFocusIt) {
    ready("OpBCQWW");
    QFile::remove(initFilePath(s));
    QFile::remove(cwTextFilePath(s));
    form->ctl(QStringLiteral("TxtTime")).text = QStringLiteral("  ");
    form->ctl(QStringLiteral("TxtMyCall")).text = QStringLiteral("YO");
    EXPECT_FALSE(start());
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("Please fill this TEXTBOX !")});
    EXPECT_EQ(text("TxtTime"), QString());
    EXPECT_EQ(form->focus(), QStringLiteral("TxtTime"));
    EXPECT_EQ(text("TxtMyCall"), QStringLiteral("YO")); // not yet looked at

    form->ctl(QStringLiteral("TxtTime")).text = QStringLiteral("2");
    EXPECT_FALSE(start());
    EXPECT_EQ(text("TxtMyCall"), QString());
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyCall"));

    form->ctl(QStringLiteral("TxtMyCall")).text = QStringLiteral("YO9XX");
    form->ctl(QStringLiteral("txtMyQRA")).text = QStringLiteral("KN34B");
    EXPECT_FALSE(start());
    EXPECT_EQ(text("txtMyQRA"), QString());
    EXPECT_EQ(form->focus(), QStringLiteral("txtMyQRA"));
    EXPECT_FALSE(settingsWritten());
    EXPECT_EQ(box.shown().size(), 3u);
}

// A YO station's county and a foreign station's serial (100_yodx_yo, 100_yodx_dx), WPX without
// a control number (202_wpx_control) and TAC's desk (203_tac_desk) are compared by the
// replayed sessions.
TEST_F(StartContest, DokNeedsThreeCharactersAndLzDistrictBecomesTheOwnExchange) {
    ready("OpbWAG", QStringLiteral("DL1ABC"));
    form->ctl(QStringLiteral("TxtMyBezirkA")).text = QStringLiteral("A0");
    EXPECT_FALSE(start());
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyBezirkA"));

    ready("OpbLZ", QStringLiteral("LZ1AA"));
    form->ctl(QStringLiteral("TxtMyBezirkA")).text = QStringLiteral(" ");
    EXPECT_FALSE(start());
    form->ctl(QStringLiteral("TxtMyBezirkA")).text = QStringLiteral("PV");
    EXPECT_TRUE(start());
    EXPECT_EQ(s.MyBezirk, QStringLiteral("PV"));
    EXPECT_EQ(deskCtl("TxtRSTE2").text, QStringLiteral("PV"));
}

TEST_F(StartContest, KeymensClubSendsTheOwnContinent) {
    ready("OpbKeymens", QStringLiteral("JA1XYZ"));
    form->ctl(QStringLiteral("TxtMyCont")).text = QStringLiteral(" As ");
    EXPECT_TRUE(start());
    EXPECT_EQ(deskCtl("TxtRSTE2").text, QStringLiteral("As"));
    EXPECT_EQ(deskCtl("LblRaport").text, QStringLiteral("As"));
}

// The caption, the message and the desk's fields are compared by the replayed session
// 205_arrl_power.
TEST_F(StartContest, ArrlWithoutPowerIsRefusedAfterTheFilesAreWritten) {
    ready("OpbARRL");
    QFile::remove(initFilePath(s));
    QFile::remove(cwTextFilePath(s));
    form->ctl(QStringLiteral("TxtMyBezirkA")).text = QStringLiteral("  ");
    EXPECT_FALSE(start());
    EXPECT_EQ(lineCount(initFilePath(s)), 19);
    EXPECT_EQ(lineCount(cwTextFilePath(s)), 12);
    form->ctl(QStringLiteral("TxtMyBezirkA")).text = QStringLiteral(" 100 ");
    EXPECT_TRUE(start());
    EXPECT_EQ(s.MyBezirk, QStringLiteral("100"));
}

TEST_F(StartContest, LogGeneralNeedsBothChoices) {
    ready("OpbLogGen");
    form->click(QStringLiteral("ChkNrUp"));
    EXPECT_FALSE(start());
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("Complectati corect tabelul LOG GENERAL")});
    EXPECT_TRUE(settingsWritten());
    form->click(QStringLiteral("ChkNrUp"));
    form->click(QStringLiteral("ChkNrConst"));
    form->click(QStringLiteral("ChkCWandPH"));
    typeInto("TxtMyBezirkA", QStringLiteral("ab12"));
    EXPECT_TRUE(start());
    EXPECT_EQ(s.MyBezirk, QStringLiteral("AB12"));
    EXPECT_EQ(deskCtl("TxtRSTE2").text, QStringLiteral("AB12"));
}

TEST_F(StartContest, StoresTheStationAndOpensTheDesk) {
    ready("OpBCQWW");
    form->click(QStringLiteral("OpbCwJ"));
    form->click(QStringLiteral("ChkCwRpt"));
    form->ctl(QStringLiteral("TxtF1")).text = QStringLiteral("CQ TEST #1");
    form->ctl(QStringLiteral("TxtF11")).text = QStringLiteral("AGN");
    form->ctl(QStringLiteral("TxtCP")).text = QStringLiteral("2");
    form->ctl(QStringLiteral("TxtTime")).text = QStringLiteral("-1");
    EXPECT_TRUE(start());
    EXPECT_TRUE(box.shown().empty());
    EXPECT_EQ(s.MyCQZone, QStringLiteral("20"));
    EXPECT_EQ(s.MyZone, QStringLiteral("20"));
    EXPECT_EQ(s.TimeOffset.toDouble(), -1.0);
    EXPECT_EQ(s.CwRepeat, Flag::On);
    EXPECT_EQ(s.ComPort, 2);
    EXPECT_EQ(s.CwTextF11, QStringLiteral("AGN"));
    EXPECT_EQ(lineCount(initFilePath(s)), 19);
    EXPECT_EQ(lineCount(cwTextFilePath(s)), 12);
    SharedState reread;
    reread.AppDir = s.AppDir;
    readCwTextFile(reread, cwTextFilePath(reread));
    EXPECT_EQ(reread.CwTextF1, QStringLiteral("CQ TEST #1"));
    // The desk: own station, messages, the date and the UTC time of the start.
    EXPECT_EQ(deskCtl("LblMyCall").text, QStringLiteral("YO9XX"));
    EXPECT_EQ(deskCtl("LblMyCntPfx").text, QStringLiteral("YO"));
    EXPECT_EQ(deskCtl("LblMyQRA").text, QStringLiteral("KN34BW"));
    EXPECT_EQ(deskCtl("LblConcurs").text, QStringLiteral("201"));
    EXPECT_EQ(deskCtl("LblConc").text, QStringLiteral("CQ-WW"));
    EXPECT_EQ(deskCtl("TxtF1").text, QStringLiteral("CQ TEST #1"));
    EXPECT_EQ(deskCtl("TxtF1").back, forms::colour::kGreen);
    EXPECT_EQ(deskCtl("TxtDate").text, QStringLiteral("06.12.26"));
    // The desk's UTC field shows its UTC clock (12:00), not the local time less the offset.
    EXPECT_EQ(deskCtl("TxtUTC").text, QStringLiteral("12:00"));
    EXPECT_TRUE(deskCtl("LblAnunt").visible); // no band and mode yet
    EXPECT_FALSE(deskCtl("txtIndic").enabled);
    EXPECT_NE(s.MyLat, 0.0);
}

// The fields, the focus and the desk's date and time are compared by the replayed session
// offline_start.
TEST_F(StartContest, OffLineInputTakesTheTypedDateAndTime) {
    ready("OpBCQWW");
    form->click(QStringLiteral("OpbCwJ"));
    form->click(QStringLiteral("ChkCwRpt"));
    form->click(QStringLiteral("ChkDxCl"));
    box.clear();
    form->click(QStringLiteral("mnuInpLog"));
    EXPECT_EQ(s.CwRepeat, Flag::Unset);
    EXPECT_EQ(s.DxClusterOn, Flag::Unset);
    EXPECT_FALSE(ctl("ChkDxCl").checked);
    EXPECT_FALSE(ctl("ChkCwRpt").checked);
    EXPECT_TRUE(visible("LblST"));
    form->ctl(QStringLiteral("TxtSD")).text = QStringLiteral("01.02.03");
    form->ctl(QStringLiteral("TxtST")).text = QStringLiteral("10:30");
    EXPECT_TRUE(start());
    EXPECT_EQ(s.StartDate, QStringLiteral("01.02.03"));
    EXPECT_EQ(s.StartTime, QStringLiteral("10:30"));
}

TEST_F(StartContest, LogWithAContestShowsTheNoticeUntilTheReviewScreenExists) {
    ready("OpBCQWW");
    form->click(QStringLiteral("mnuLog"));
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.shown()[0].prompt, QLatin1String(start_text::kNoReviewScreen));
    int logs = 0;
    form->onLog = [&] { ++logs; };
    form->click(QStringLiteral("mnuLog"));
    EXPECT_EQ(logs, 1);
}

using ReturnFromDesk = StartContest;

// The hidden wizard, the caption of the contest and the desk's band, mode and report are
// compared by the replayed session return_15_ssb; here the options and the zone come back.
TEST_F(ReturnFromDesk, SetupComesBackWithItsChoicesAndRestartsBandAndMode) {
    ready("OpBCQWW");
    form->click(QStringLiteral("OpbCwJ"));
    form->click(QStringLiteral("ChkCwRpt"));
    form->click(QStringLiteral("OpbSSBJ"));
    form->click(QStringLiteral("ChkDxCl"));
    ASSERT_TRUE(start());
    desk->switchBand(15);
    desk->click(QStringLiteral("CmdSSB"));
    desk->click(QStringLiteral("mnuAnfang"));
    ASSERT_EQ(s.SetupDone, Flag::On);

    box.clear();
    open(true);
    EXPECT_EQ(prompts(), QStringList()); // no folder message, no cluster warning
    EXPECT_EQ(text("LblZone"), QStringLiteral("   ZONE CQ"));
    EXPECT_EQ(text("TxtZone"), QStringLiteral("20"));
    EXPECT_TRUE(ctl("OpbCwJ").checked);
    EXPECT_TRUE(visible("FramTxtCw"));
    EXPECT_TRUE(ctl("ChkCwRpt").checked);
    EXPECT_TRUE(ctl("OpbSSBJ").checked);
    EXPECT_TRUE(ctl("ChkDxCl").checked);
    EXPECT_EQ(s.DxClusterOn, Flag::On);
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyCall"));

    s.Band = 15;
    s.Mode = QStringLiteral("SSB");
    EXPECT_TRUE(start());
    EXPECT_EQ(s.Band, 15);
    EXPECT_EQ(s.Mode, QStringLiteral("SSB"));
    EXPECT_TRUE(deskCtl("txtIndic").enabled);
}

TEST_F(ReturnFromDesk, ExchangePromptsOfThePrefixContestsAreRestored) {
    struct Case {
        const char* button;
        const char* call;
        const char* exchange;
        const char* caption;
    };
    for (const Case& c : {Case{"OpbYODX", "YO9XX", "BV", "MY COUNTY"},
                          Case{"OpbWAG", "DL1ABC", "A01", "    MY DOK"},
                          Case{"OpbLZ", "LZ1AA", "PV", "     MY DISTRICT"},
                          Case{"OpbKing", "EA8XX", "TF", "MY COUNTY"},
                          Case{"OpbSlovContest", "YO9XX", "YO1999", "LIST.YEAR"},
                          Case{"OpbARRL", "YO9XX", "100", "         POWER"}}) {
        s = SharedState{};
        s.AppDir = s.DataDir = dir.path();
        ready(c.button, QLatin1String(c.call));
        form->ctl(QStringLiteral("TxtMyBezirkA")).text = QLatin1String(c.exchange);
        ASSERT_TRUE(start()) << c.button << prompts().join(QLatin1Char('|')).toStdString();
        s.SetupDone = Flag::On;
        open();
        EXPECT_TRUE(visible("TxtMyBezirkA")) << c.button;
        EXPECT_EQ(text("LblBezirk"), QLatin1String(c.caption)) << c.button;
        EXPECT_EQ(text("TxtMyBezirkA"), QLatin1String(c.exchange)) << c.button;
        EXPECT_TRUE(start()) << c.button;
    }
}

TEST_F(ReturnFromDesk, ForeignStationsGetTheirControlFieldsBack) {
    ready("OpbYODX", QStringLiteral("DL1ABC"));
    ASSERT_TRUE(start());
    s.SetupDone = Flag::On;
    open();
    EXPECT_TRUE(visible("txtControl"));
    EXPECT_EQ(text("LblBezirk"), QStringLiteral("CONTROL NR"));
    EXPECT_TRUE(visible("LblInscr"));

    s = SharedState{};
    s.AppDir = s.DataDir = dir.path();
    ready("OpbWAG", QStringLiteral("YO9XX"));
    ASSERT_TRUE(start());
    desk->ctl(QStringLiteral("TxtRSTE2")).text = QStringLiteral("057");
    s.SetupDone = Flag::On;
    open();
    EXPECT_FALSE(visible("TxtMyBezirkA"));
    EXPECT_EQ(text("txtControl"), QStringLiteral("057"));
}

TEST_F(ReturnFromDesk, LogGeneralComesBackWithItsChoicesAndConstant) {
    ready("OpbLogGen");
    form->click(QStringLiteral("ChkNrConst"));
    form->click(QStringLiteral("ChKCWorPH"));
    typeInto("TxtMyBezirkA", QStringLiteral("XY"));
    ASSERT_TRUE(start());
    s.SetupDone = Flag::On;
    open();
    EXPECT_TRUE(visible("FramLogGen"));
    EXPECT_TRUE(ctl("ChkNrConst").checked);
    EXPECT_FALSE(ctl("ChkNrUp").enabled);
    EXPECT_TRUE(ctl("ChKCWorPH").checked);
    EXPECT_EQ(text("TxtMyBezirkA"), QStringLiteral("XY"));
    EXPECT_TRUE(start());
    EXPECT_EQ(deskCtl("TxtRSTE2").text, QStringLiteral("XY"));
}

// A settings file that exists but cannot be read is never written over behind the
// operator's back: the start asks, No (or Esc) keeps it, Yes replaces what can be replaced
// and reports what cannot; the other settings file is written as ever.
class UnreadableSettings : public StartContest, public ::testing::WithParamInterface<int> {};

TEST_P(UnreadableSettings, AreReplacedOnlyWhenTheOperatorSaysSo) {
    ready("OpBCQWW");
    const QString init = initFilePath(s);
    ASSERT_TRUE(QFile::remove(init));
    ASSERT_TRUE(QDir().mkdir(init));
    box.queueAnswer(GetParam());
    EXPECT_TRUE(start());
    ASSERT_EQ(box.shown().size(), 2u);
    EXPECT_TRUE(box.shown()[0].prompt.startsWith(
        init + QStringLiteral(" cannot be read (it is a folder)")));
    EXPECT_EQ(box.shown()[0].style,
              forms::msg::kYesNo | forms::msg::kQuestion | forms::msg::kDefault2);
    // Kept on No; on Yes a folder cannot be replaced, and that is said, not reported as done.
    EXPECT_TRUE(box.shown()[1].prompt.contains(init));
    EXPECT_TRUE(box.shown()[1].prompt.contains(GetParam() == forms::msg::kNo
                                                   ? QStringLiteral("it is kept")
                                                   : QStringLiteral("Cannot write")));
    EXPECT_TRUE(QFileInfo(init).isDir());
    EXPECT_TRUE(QFileInfo(cwTextFilePath(s)).isFile());
}

INSTANTIATE_TEST_SUITE_P(Answers, UnreadableSettings,
                         ::testing::Values(forms::msg::kNo, forms::msg::kYes));

TEST_F(StartContest, YesReplacesASettingsFileThatPointsNowhere) {
    ready("OpBCQWW");
    const QString init = initFilePath(s);
    ASSERT_TRUE(QFile::remove(init));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("gone.dat")), init));
    box.queueAnswer(forms::msg::kYes);
    EXPECT_TRUE(start());
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_TRUE(box.shown()[0].prompt.contains(QStringLiteral("which does not exist")));
    EXPECT_EQ(lineCount(init), 19);
}

} // namespace
