// The setup screen's model: its load, the wizard, the contest handlers, the own-call
// analysis, the keyboard flow and the option handlers.
#include "scoring/contests/registry.h"
#include "setup_fixture.h"

#include "core/contest_catalogue.h"
#include "core/screen_scale.h"

#include <QDir>
#include <QFile>

using namespace korvel;
using korvel::testing::SetupFixture;

namespace {

using SetupLoad = SetupFixture;

TEST_F(SetupLoad, FirstOpeningWithoutSettingsAsksForTheCall) {
    s.OffLineInput = Flag::On;
    open(true);
    EXPECT_EQ(loadResult, std::nullopt);
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("PLEASE YOUR CALL")});
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyCall"));
    // A new run: no paper log, no band or mode yet, nothing keyed by the PC.
    EXPECT_EQ(s.OffLineInput, Flag::Unset);
    EXPECT_EQ(s.Band, 0);
    EXPECT_EQ(s.CwByPc, Flag::No);
    EXPECT_EQ(s.SsbByPc, Flag::No);
    // The wizard starts with the language; the contest and the mode wait for it.
    EXPECT_TRUE(visible("FraLimbaj"));
    EXPECT_FALSE(visible("FRAContest"));
    EXPECT_FALSE(visible("FraConcurs"));
    EXPECT_FALSE(visible("FramTxtCw"));
}

TEST_F(SetupLoad, StationOfTheSettingsFileIsShownAndLookedUp) {
    writeStation(QStringLiteral("YO9XX"), QStringLiteral("YO"), QStringLiteral("Eu"),
                 QStringLiteral("99"));
    open(true);
    EXPECT_TRUE(box.shown().empty());
    EXPECT_EQ(text("TxtMyCall"), QStringLiteral("YO9XX"));
    EXPECT_EQ(text("TxtMyPrfx"), QStringLiteral("YO"));
    EXPECT_EQ(text("TxtMyCont"), QStringLiteral("Eu"));
    EXPECT_EQ(text("TxtTime"), QStringLiteral("2"));
    EXPECT_EQ(text("txtMyQRA"), QStringLiteral("KN34BW"));
    EXPECT_EQ(s.MyCont, QStringLiteral("Eu"));
    // The zone stored in the file gives way to the own call's zone.
    EXPECT_EQ(text("TxtZone"), QStringLiteral("28"));
    EXPECT_EQ(text("TxtF1"), QStringLiteral("CQ TEST #1"));
    EXPECT_EQ(text("TxtCP"), QStringLiteral("1"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyCall"));
    EXPECT_EQ(ctl("TxtMyCall").selStart, 5);
}

TEST_F(SetupLoad, DamagedSettingsFileFillsWhatItHasAndTheLoadGoesOn) {
    QFile init(initFilePath(s));
    ASSERT_TRUE(init.open(QIODevice::WriteOnly));
    init.write("\"DL1ABC\"\r\n\"1\"\r\n\"Eu\"\r\n\"14\"\r\n\"DL\"\r\n\"\"\r\n\"\"\r\n"
               "\"\"\r\nnot a number\r\n");
    init.close();
    QFile cw(cwTextFilePath(s));
    ASSERT_TRUE(cw.open(QIODevice::WriteOnly));
    cw.write("\"CQ TEST #1");
    cw.close();
    open(true);
    EXPECT_EQ(loadResult, std::nullopt);
    EXPECT_TRUE(box.shown().empty());
    EXPECT_EQ(text("TxtMyCall"), QStringLiteral("DL1ABC"));
    EXPECT_EQ(text("TxtTime"), QStringLiteral("1"));
    EXPECT_EQ(text("TxtZone"), QStringLiteral("28")); // the own call's zone
    EXPECT_EQ(text("txtMyQRA"), QString());
    EXPECT_EQ(text("TxtF1"), QStringLiteral("CQ TEST #1"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyCall"));
    form->click(QStringLiteral("OpbEnglish"));
    EXPECT_TRUE(visible("FRAContest"));
}

// The disabled controls and the flags are compared by the replayed session no_sound.
TEST_F(SetupLoad, NoSoundDeviceDisablesTheVoiceOptions) {
    platform.audioOutputs = 0;
    open();
    EXPECT_TRUE(ctl("OpbSSBN").checked);
    EXPECT_FALSE(ctl("ChkSSBRpt").checked);
    form->click(QStringLiteral("OpbSSBJ"));
    EXPECT_FALSE(QDir(dir.path()).exists(QStringLiteral("WAVDx")));
}

TEST_F(SetupLoad, ScreenSizesGiveTheirScaleAndOnlyOthersTheNotice) {
    open();
    EXPECT_FLOAT_EQ(s.ScaleX, 1.02f);
    EXPECT_FLOAT_EQ(s.ScaleY, 1.015f);
    EXPECT_TRUE(form->resolutionNotice().isEmpty());
    platform.screenWidthPx = 1280;
    platform.screenHeightPx = 1024;
    open();
    EXPECT_EQ(s.ScaleX, 1.365333f);
    EXPECT_EQ(s.ScaleY, 1.28f);
    EXPECT_EQ(s.ScreenWidthPx, 1280);
    platform.screenWidthPx = 1920;
    platform.screenHeightPx = 1080;
    open(true);
    EXPECT_EQ(s.ScaleX, 1.0f);
    EXPECT_EQ(form->resolutionNotice(), QLatin1String(kResolutionNotice));
    // Said in the status line, not as a message box; and once a run, not on every return.
    EXPECT_FALSE(prompts().contains(QLatin1String(kResolutionNotice)));
    s.SetupDone = Flag::On;
    open();
    EXPECT_TRUE(form->resolutionNotice().isEmpty());
}

class SetupLoadWithoutDatabase : public SetupFixture {
protected:
    void SetUp() override {
        SetupFixture::SetUp();
        dbs.closeAll();
        // A folder where the reference database should be: it cannot be opened, and unlike
        // a damaged file it is not built again.
        const QString ref = dir.filePath(QStringLiteral("DbsKorvel.mdb"));
        ASSERT_TRUE(QFile::remove(ref));
        ASSERT_TRUE(QDir().mkdir(ref));
    }
};

TEST_F(SetupLoadWithoutDatabase, AutoEndsAtOnceWithoutAsking) {
    platform.autoStart = true;
    open(true);
    EXPECT_EQ(loadResult, 1);
    EXPECT_TRUE(box.shown().empty());
    EXPECT_FALSE(dbs.ref.isOpen());
    EXPECT_FALSE(dbs.log.isOpen());
}

TEST_F(SetupLoadWithoutDatabase, CancelEndsOkGoesOnWithTheLoad) {
    box.queueAnswer(forms::msg::kCancel);
    open(true);
    EXPECT_EQ(loadResult, 1);
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.shown()[0].prompt, QStringLiteral("Keine Verbindung zum Server !"));
    EXPECT_EQ(box.shown()[0].style, forms::msg::kOkCancel);
    EXPECT_FALSE(dbs.log.isOpen());

    box.clear();
    box.queueAnswer(forms::msg::kOk);
    open(true);
    EXPECT_EQ(loadResult, std::nullopt);
    EXPECT_EQ(prompts(), (QStringList{QStringLiteral("Keine Verbindung zum Server !"),
                                      QStringLiteral("PLEASE YOUR CALL")}));
    // The screen stays usable: the wizard and the fields work without the country table.
    form->click(QStringLiteral("OpbEnglish"));
    EXPECT_TRUE(visible("FRAContest"));
    typeInto("TxtMyCall", QStringLiteral("yo9xx"));
    enter();
    EXPECT_EQ(text("TxtMyCall"), QStringLiteral("YO9XX"));
}

using SetupWizard = SetupFixture;

// The English captions of the menus and the mode frame are compared by the replayed session
// language_help_exit.
TEST_F(SetupWizard, LanguageChoiceChangesTheCaptionsAndShowsTheContests) {
    open();
    form->click(QStringLiteral("OpbEnglish"));
    EXPECT_EQ(s.Language, HelpLanguage::English);
    EXPECT_FALSE(visible("FraLimbaj"));
    EXPECT_TRUE(visible("FRAContest"));
    EXPECT_TRUE(visible("OpbYODX"));
    EXPECT_TRUE(text("LblAnunt").startsWith(QStringLiteral("The software allow")));
    EXPECT_TRUE(form->helpFile().endsWith(QStringLiteral("/KorvelEngl.HLP")));

    open();
    form->click(QStringLiteral("OpBRomanian"));
    EXPECT_EQ(s.Language, HelpLanguage::Romanian);
    EXPECT_EQ(text("OpbConcurs"), QStringLiteral("C&ONCURS"));
    EXPECT_TRUE(text("LblAnunt").startsWith(QStringLiteral("Programul permite")));
    EXPECT_TRUE(form->helpFile().endsWith(QStringLiteral("/KorvelContest.HLP")));
}

TEST_F(SetupWizard, ContestsCannotBeChosenBeforeTheLanguage) {
    open();
    form->click(QStringLiteral("OpbYODX"));
    EXPECT_EQ(s.ContestCode, 0);
    EXPECT_FALSE(ctl("OpbYODX").checked);
}

TEST_F(SetupWizard, ModeFrameOnlyForTheLearningContestsAndItsNotice) {
    open();
    choose("OpbYODX");
    EXPECT_FALSE(visible("FRAContest"));
    EXPECT_TRUE(visible("FraConcurs"));
    form->click(QStringLiteral("OpbConcurs"));
    EXPECT_FALSE(visible("FraConcurs"));
    EXPECT_EQ(s.ContestMode, Flag::On);
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.shown()[0].prompt,
              QStringLiteral("Please check whether the LOG lists are empty before starting "
                             "the contest programme !"));
    EXPECT_EQ(box.shown()[0].style, forms::msg::kExclamation);

    open();
    choose("OpbWAG", false);
    box.clear();
    form->click(QStringLiteral("OpbTest"));
    EXPECT_EQ(s.ContestMode, Flag::Unset);
    EXPECT_TRUE(box.shown().empty());

    // Learning off for the others; King of Spain and PACC keep the mode.
    for (const auto& [button, mode] :
         {std::pair{"OpBCQWW", Flag::Unset}, std::pair{"OpbKing", Flag::On},
          std::pair{"OpbLZ", Flag::Unset}}) {
        s.ContestMode = Flag::On;
        s.MyCall = QStringLiteral("YO9XX");
        open();
        choose(button);
        EXPECT_FALSE(visible("FraConcurs")) << button;
        EXPECT_EQ(s.ContestMode, mode) << button;
    }
}

TEST_F(SetupWizard, EveryContestNamesItselfAndHidesTheList) {
    writeStation(QStringLiteral("YO9XX"), QStringLiteral("YO"), QStringLiteral("Eu"),
                 QStringLiteral("28"));
    for (const scoring::Contest* contest : scoring::contests()) {
        const ContestInfo& c = contest->info;
        s.ContestCode = 0; // every run of the program starts without a contest
        open();
        choose(c.optionButton);
        EXPECT_EQ(s.ContestCode, c.code);
        EXPECT_EQ(s.ContestName, QLatin1String(c.contestName));
        EXPECT_EQ(text("LblTipTest"), QLatin1String(c.tipTestCaption));
        EXPECT_EQ(deskCtl("LblConc").text, QLatin1String(c.deskCaption));
        EXPECT_FALSE(visible("FRAContest")) << c.code;
        EXPECT_FALSE(visible("txtControl")) << c.code;
        EXPECT_EQ(visible("FraConcurs"), c.modeFrame == ModeFrame::Shown) << c.code;
        EXPECT_EQ(visible("FramLogGen"), c.logGeneral) << c.code;
    }
}

// LZ-DX chosen by a foreign station and CQ-WW chosen before the call are compared by the
// replayed sessions 104_lzdx_dx and 201_cqww_empty_call.
using ContestChoice = SetupFixture;

TEST_F(ContestChoice, YoDxShowsTheOwnCountyOnlyForAYoStation) {
    ASSERT_TRUE(
        dbs.ref.learn(store::LearnedTable::CallJud, QStringLiteral("YO9XX"), QStringLiteral("B3")));
    writeStation(QStringLiteral("YO9XX"), QStringLiteral("YO"), QStringLiteral("Eu"),
                 QStringLiteral("28"));
    open();
    choose("OpbYODX");
    EXPECT_TRUE(visible("TxtMyBezirkA"));
    EXPECT_TRUE(visible("LblBezirk"));
    EXPECT_EQ(text("LblBezirk"), QStringLiteral("        MY COUNTY"));
    EXPECT_EQ(text("TxtMyBezirkA"), QStringLiteral("BU")); // Bucharest sectors count as BU
    EXPECT_EQ(s.MyBezirk, QStringLiteral("BU"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyBezirkA"));

    // The prefix field is read again: a DL station gets no county field.
    open();
    form->ctl(QStringLiteral("TxtMyPrfx")).text = QStringLiteral(" DL ");
    choose("OpbYODX");
    EXPECT_EQ(s.MyPrfx, QStringLiteral("DL"));
    EXPECT_FALSE(visible("TxtMyBezirkA"));
    EXPECT_FALSE(visible("LblBezirk"));
    EXPECT_FALSE(visible("LblInscr"));
}

// Another prefix hides the field: compared by the replayed session 107_king_other.
TEST_F(ContestChoice, KingOfSpainCountyForTheFourSpanishPrefixesOnly) {
    writeStation(QStringLiteral("EA8XX"), QStringLiteral("EA8"), QStringLiteral("Af"),
                 QStringLiteral("36"));
    open();
    s.MyBezirk = QStringLiteral("TF");
    choose("OpbKing");
    EXPECT_TRUE(visible("TxtMyBezirkA"));
    EXPECT_EQ(text("LblBezirk"), QStringLiteral("MY COUNTY"));
    EXPECT_EQ(text("TxtMyBezirkA"), QStringLiteral("TF"));
}

TEST_F(ContestChoice, LogGeneralChoicesExcludeEachOther) {
    open();
    choose("OpbLogGen");
    EXPECT_TRUE(visible("FramLogGen"));
    EXPECT_TRUE(visible("ChkNrConst"));
    form->click(QStringLiteral("ChkNrConst"));
    EXPECT_EQ(s.NrConst, Numbering::Constant);
    EXPECT_FALSE(ctl("ChkNrUp").enabled);
    EXPECT_TRUE(visible("TxtMyBezirkA"));
    EXPECT_EQ(text("LblBezirk"), QStringLiteral("         CONTROL"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyBezirkA"));
    form->click(QStringLiteral("ChkNrUp")); // disabled: nothing happens
    EXPECT_EQ(s.NrConst, Numbering::Constant);
    form->click(QStringLiteral("ChkNrConst"));
    EXPECT_EQ(s.NrConst, Numbering::Unset);
    EXPECT_TRUE(ctl("ChkNrUp").enabled);
    EXPECT_FALSE(visible("TxtMyBezirkA"));
    form->click(QStringLiteral("ChkNrUp"));
    EXPECT_EQ(s.NrConst, Numbering::Increasing);
    EXPECT_FALSE(ctl("ChkNrConst").enabled);
    form->click(QStringLiteral("ChKCWorPH"));
    EXPECT_EQ(s.CwPhMode, ModeRule::CwOrPhone);
    EXPECT_FALSE(ctl("ChkCWandPH").enabled);
    form->click(QStringLiteral("ChKCWorPH"));
    form->click(QStringLiteral("ChkCWandPH"));
    EXPECT_EQ(s.CwPhMode, ModeRule::CwAndPhone);
    EXPECT_FALSE(ctl("ChKCWorPH").enabled);
}

using OwnCall = SetupFixture;

TEST_F(OwnCall, LowerCaseYoCallWithEnterOrSpaceFillsTheStationAndCounty) {
    ASSERT_TRUE(
        dbs.ref.learn(store::LearnedTable::CallJud, QStringLiteral("YO9XX"), QStringLiteral("B3")));
    for (const bool space : {false, true}) {
        s = SharedState{};
        s.AppDir = s.DataDir = dir.path();
        open();
        choose("OpbYODX");
        typeInto("TxtMyCall", QStringLiteral("yo9xx"));
        if (space)
            form->pressKey(forms::Key::Space);
        else
            enter();
        EXPECT_EQ(text("TxtMyCall"), QStringLiteral("YO9XX")) << space;
        EXPECT_EQ(s.MyCall, QStringLiteral("YO9XX"));
        EXPECT_EQ(text("TxtMyPrfx"), QStringLiteral("YO"));
        EXPECT_EQ(text("TxtMyCont"), QStringLiteral("Eu"));
        EXPECT_EQ(text("TxtZone"), QStringLiteral("28"));
        EXPECT_EQ(s.MyZone, QStringLiteral("28"));
        EXPECT_EQ(text("LblBezirk"), QStringLiteral("MY COUNTY"));
        EXPECT_TRUE(visible("TxtMyBezirkA"));
        EXPECT_EQ(text("TxtMyBezirkA"), QStringLiteral("BU"));
        EXPECT_EQ(form->focus(), QStringLiteral("TxtMyBezirkA"));
    }
}

TEST_F(OwnCall, CqWwPutsTheCqZoneUnderItsCaption) {
    open();
    choose("OpBCQWW"); // without a call: the list stays
    typeInto("TxtMyCall", QStringLiteral("yo9xx"));
    enter();
    form->click(QStringLiteral("OpBCQWW"));
    typeInto("TxtMyCall", QStringLiteral("w1aw"));
    enter();
    EXPECT_EQ(text("LblZone"), QStringLiteral("   ZONE CQ"));
    EXPECT_EQ(text("TxtZone"), QStringLiteral("05")); // one digit gets its leading 0
    EXPECT_EQ(s.MyCQZone, QStringLiteral("05"));
}

TEST_F(OwnCall, ZonesArePaddedOrEmptiedAndTheLongestPrefixWins) {
    open();
    typeInto("TxtMyCall", QStringLiteral("W1AW"));
    enter();
    EXPECT_EQ(text("TxtZone"), QStringLiteral("08"));
    EXPECT_EQ(s.LookupCQ, QStringLiteral("05"));
    typeInto("TxtMyCall", QStringLiteral("ZZ9A"));
    enter();
    EXPECT_EQ(text("TxtZone"), QString());
    EXPECT_EQ(s.LookupCQ, QString());
    typeInto("TxtMyCall", QStringLiteral("UA9ABC"));
    enter();
    EXPECT_EQ(text("TxtMyPrfx"), QStringLiteral("UA9"));
    EXPECT_EQ(text("TxtMyCont"), QStringLiteral("As"));
    typeInto("TxtMyCall", QStringLiteral("UA3ABC"));
    enter();
    EXPECT_EQ(text("TxtMyPrfx"), QStringLiteral("UA"));
}

TEST_F(OwnCall, UnknownCallKeepsTheLastLookupAndEmptyCallIsRefused) {
    open();
    typeInto("TxtMyCall", QStringLiteral("DL1ABC"));
    enter();
    typeInto("TxtMyCall", QStringLiteral("QQ1QQ"));
    enter();
    EXPECT_EQ(text("TxtMyCall"), QStringLiteral("QQ1QQ"));
    EXPECT_EQ(text("TxtMyPrfx"), QStringLiteral("DL"));
    EXPECT_EQ(s.MyPrfx, QStringLiteral("DL"));
    box.clear();
    typeInto("TxtMyCall", QString());
    enter();
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("PLEASE YOUR CALL")});
    EXPECT_EQ(text("TxtMyPrfx"), QStringLiteral("DL"));
}

TEST_F(OwnCall, PromptsOfTheOtherPrefixContests) {
    // DARC-WAG as a foreign station: no DOK, back to the call.
    open();
    choose("OpbWAG");
    typeInto("TxtMyCall", QStringLiteral("YO9XX"));
    enter();
    EXPECT_FALSE(visible("TxtMyBezirkA"));
    EXPECT_FALSE(visible("LblBezirk"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyCall"));
    // A DL station gets its DOK field, filled from CallDOK.
    ASSERT_TRUE(dbs.ref.learn(store::LearnedTable::CallDOK, QStringLiteral("DL1ABC"),
                              QStringLiteral("A01")));
    typeInto("TxtMyCall", QStringLiteral("DL1ABC"));
    enter();
    EXPECT_EQ(text("LblBezirk"), QStringLiteral("     MY DOK"));
    EXPECT_EQ(text("TxtMyBezirkA"), QStringLiteral("A01"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyBezirkA"));

    // HA-DX: a foreign station goes on to the prefix; an HA station to its county.
    open();
    choose("OpbHA");
    typeInto("TxtMyCall", QStringLiteral("DL1ABC"));
    enter();
    EXPECT_FALSE(visible("TxtMyBezirkA"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyPrfx"));
    typeInto("TxtMyCall", QStringLiteral("HA1AA"));
    enter();
    EXPECT_TRUE(visible("TxtMyBezirkA"));
    EXPECT_EQ(text("LblBezirk"), QStringLiteral("MY COUNTY"));
    EXPECT_EQ(s.MyPrfx, QStringLiteral("HA"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyBezirkA"));

    // LZ-DX: an LZ station types its district into a field holding one blank.
    open();
    choose("OpbLZ");
    typeInto("TxtMyCall", QStringLiteral("LZ1AA"));
    enter();
    EXPECT_EQ(text("LblBezirk"), QStringLiteral("     MY DISTRICT"));
    EXPECT_EQ(text("TxtMyBezirkA"), QStringLiteral(" "));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyBezirkA"));
}

using SetupKeys = SetupFixture;

TEST_F(SetupKeys, EnterChainsThroughTheStationFields) {
    open();
    typeInto("TxtMyPrfx", QStringLiteral("yo"));
    enter();
    EXPECT_EQ(s.MyPrfx, QStringLiteral("YO"));
    EXPECT_EQ(text("TxtMyPrfx"), QStringLiteral("YO"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtTime"));
    form->typeText(QStringLiteral("2 "));
    EXPECT_EQ(text("TxtTime"), QStringLiteral("2"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyCont"));
    enter();
    EXPECT_EQ(form->focus(), QStringLiteral("TxtZone"));
    enter();
    EXPECT_EQ(form->focus(), QStringLiteral("TxtZone"));
    typeInto("txtMyQRA", QStringLiteral("kn34bw"));
    EXPECT_EQ(text("txtMyQRA"), QStringLiteral("KN34BW")); // upper-cased as typed
    form->pressKey(forms::Key::Space);
    EXPECT_EQ(s.MyQRA, QStringLiteral("KN34BW"));
    EXPECT_EQ(s.MyQRACalc, QStringLiteral("KN34BW"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtTime"));
    // Space in the prefix field is just a blank: only Enter acts there.
    typeInto("TxtMyPrfx", QStringLiteral("d l"));
    EXPECT_EQ(text("TxtMyPrfx"), QStringLiteral("d l"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyPrfx"));
    typeInto("TxtCP", QStringLiteral("3"));
    enter();
    EXPECT_EQ(s.ComPort, 3);
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyCall"));
    typeInto("txtControl", QStringLiteral("001"));
    enter();
    EXPECT_EQ(s.NextNr, QStringLiteral("001"));
}

TEST_F(SetupKeys, MessageFieldsTakeBlanksAndChainToTheComPort) {
    open();
    form->click(QStringLiteral("OpbCwJ"));
    typeInto("TxtF1", QStringLiteral("cq test #1"));
    EXPECT_EQ(text("TxtF1"), QStringLiteral("CQ TEST #1"));
    enter();
    EXPECT_EQ(s.CwTextF1, QStringLiteral("CQ TEST #1"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtF2"));
    typeInto("TxtF7", QStringLiteral("tu"));
    enter();
    EXPECT_EQ(s.CwTextF7, QStringLiteral("TU"));
    EXPECT_EQ(form->focus(), QStringLiteral("TxtCP"));
    typeInto("TxtF8", QStringLiteral("agn pse"));
    enter();
    EXPECT_EQ(text("TxtF8"), QStringLiteral("agn pse")); // as typed, taken at the start
    EXPECT_EQ(s.CwTextF8, QString());
    EXPECT_EQ(form->focus(), QStringLiteral("TxtF8"));
}

TEST_F(SetupKeys, F1AndDoubleQuotesAreKeptOutAndTabWalksTheShownFields) {
    open();
    typeInto("TxtMyCall", QStringLiteral("YO\"9XX"));
    form->pressKey(forms::Key::F1);
    EXPECT_EQ(text("TxtMyCall"), QStringLiteral("YO9XX"));
    form->focusAtEnd(QStringLiteral("TxtMyCall"));
    form->pressKey(forms::Key::Tab);
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyPrfx"));
    form->focusAtEnd(QStringLiteral("TxtCP"));
    form->pressKey(forms::Key::Tab); // the message fields are hidden: on to the options
    EXPECT_EQ(form->focus(), QStringLiteral("OpbCwJ"));
    forms::KeyEvent back(forms::Key::Tab);
    back.shift = true;
    form->pressKey(back);
    EXPECT_EQ(form->focus(), QStringLiteral("TxtCP"));
    // The options and the wizard's choice are stops too: Shift+Tab from the call reaches
    // the language, and round from the first stop to the last option.
    form->focusAtEnd(QStringLiteral("TxtMyCall"));
    form->pressKey(back);
    EXPECT_EQ(form->focus(), QStringLiteral("OpbEnglish"));
    form->pressKey(forms::Key::Left);
    EXPECT_EQ(form->focus(), QStringLiteral("OpBRomanian"));
    form->pressKey(back);
    EXPECT_EQ(form->focus(), QStringLiteral("ChkDxCl"));
    // Space on a choice chooses it as a click does.
    form->pressKey(forms::Key::Space);
    EXPECT_TRUE(form->ctl(QStringLiteral("ChkDxCl")).checked);
}

// The help entries before and after the language is chosen are compared by the replayed
// session language_help_exit.
using SetupOptions = SetupFixture;

TEST_F(SetupOptions, CwByPcShowsTheMessagesAndTheRepeatColoursTheDesk) {
    open();
    form->click(QStringLiteral("OpbCwJ"));
    EXPECT_EQ(s.CwByPc, Flag::On);
    EXPECT_TRUE(visible("FramTxtCw"));
    EXPECT_TRUE(visible("TxtF1"));
    EXPECT_TRUE(visible("ChkCwRpt"));
    EXPECT_FALSE(ctl("OpbCwN").checked);
    form->click(QStringLiteral("ChkCwRpt"));
    EXPECT_EQ(s.CwRepeat, Flag::On);
    EXPECT_EQ(deskCtl("TxtF1").back, forms::colour::kGreen);
    desk->ctl(QStringLiteral("txtPauseCW")).visible = true;
    form->click(QStringLiteral("OpbCwN"));
    EXPECT_EQ(s.CwByPc, Flag::No);
    EXPECT_EQ(s.CwRepeat, Flag::Unset);
    EXPECT_FALSE(ctl("ChkCwRpt").checked);
    EXPECT_FALSE(visible("ChkCwRpt"));
    EXPECT_FALSE(visible("FramTxtCw"));
    EXPECT_EQ(deskCtl("TxtF1").back, forms::colour::kYellow);
    EXPECT_FALSE(deskCtl("txtPauseCW").visible);
    EXPECT_EQ(form->focus(), QStringLiteral("TxtMyCall"));
}

// The message, the flag and the single announcement are compared by the replayed session
// ssb_voice_folder; here the folder is made in the data folder the load derives.
TEST_F(SetupOptions, SsbByPcMakesTheVoiceFolderInTheDerivedDataFolder) {
    s.DataDir = QStringLiteral("/elsewhere");
    s.AppDir = dir.path(); // the load derives the data folder from the program folder
    open();
    form->click(QStringLiteral("OpbSSBJ"));
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_TRUE(box.shown()[0].prompt.contains(dir.path() + QStringLiteral("\\WAVDx ")));
    EXPECT_EQ(box.shown()[0].style, 0);
    EXPECT_TRUE(QDir(dir.path()).exists(QStringLiteral("WAVDx")));
}

TEST_F(SetupOptions, ExistingVoiceFolderInOtherLetterCaseCountsAsThere) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("wavdx")));
    open();
    form->click(QStringLiteral("OpbSSBJ"));
    EXPECT_TRUE(box.shown().empty());
}

TEST_F(SetupOptions, AVoiceFolderNameTakenByAFileIsReportedNotAnnounced) {
    QFile taken(dir.filePath(QStringLiteral("WAVDx")));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.close();
    open();
    form->click(QStringLiteral("OpbSSBJ"));
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_TRUE(box.shown()[0].prompt.contains(QStringLiteral("cannot be created")));
    EXPECT_FALSE(box.shown()[0].prompt.contains(QStringLiteral("a fost creiat")));
    EXPECT_EQ(box.shown()[0].style, forms::msg::kExclamation);
}

// The English warning is compared by the replayed session language_help_exit.
TEST_F(SetupOptions, DxClusterWarnsInTheChosenLanguage) {
    open();
    form->click(QStringLiteral("ChkDxCl"));
    EXPECT_EQ(s.Language, HelpLanguage::Romanian); // no language yet: Romanian
    EXPECT_EQ(s.DxClusterOn, Flag::On);
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.shown()[0].style, forms::msg::kExclamation);
    EXPECT_EQ(box.shown()[0].prompt,
              QStringLiteral("Pentru accesarea CLUSTERULUI este necesara o legatura valabila cu "
                             "internetul. Daca aceasta nu exista, Clusterul nu poate fi accesat "
                             "si Checkboxul trebuie sa ramina gol !"));
    form->click(QStringLiteral("ChkDxCl"));
    EXPECT_EQ(s.DxClusterOn, Flag::Unset);
    EXPECT_EQ(box.shown().size(), 1u);
}

} // namespace
