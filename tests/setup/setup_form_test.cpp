// The setup screen's model: its load, the wizard, the contest handlers, the own-call
// analysis, the keyboard flow and the option handlers.
#include "scoring/contests/registry.h"
#include "setup_fixture.h"

#include "core/contest_catalogue.h"
#include "core/screen_scale.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <optional>

using namespace korvel;
using korvel::testing::SetupFixture;

namespace {

using SetupLoad = SetupFixture;

TEST_F(SetupLoad, FirstOpeningWithoutSettingsAsksForTheCall) {
    s.OffLineInput = Flag::On;
    open(true);
    EXPECT_EQ(loadResult, std::nullopt);
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("PLEASE YOUR CALL")});
    EXPECT_EQ(focus(), "TxtMyCall");
    // A new run: no paper log, no band or mode yet, nothing keyed by the PC.
    EXPECT_EQ(s.OffLineInput, Flag::Unset);
    EXPECT_EQ(s.Band, 0);
    EXPECT_EQ(s.CwByPc, Flag::No);
    EXPECT_EQ(s.SsbByPc, Flag::No);
    // The wizard starts with the language; the contest and the mode wait for it.
    EXPECT_TRUE(visible("FraLimbaj"));
    EXPECT_FALSE(visible("FRAContest") || visible("FraConcurs") || visible("FramTxtCw"));
}

TEST_F(SetupLoad, StationOfTheSettingsFileIsShownAndLookedUp) {
    writeStation("YO9XX", "YO", "Eu", "99");
    open(true);
    EXPECT_TRUE(box.shown().empty());
    // The zone stored in the file gives way to the own call's zone.
    expectTexts({{"TxtMyCall", "YO9XX"},
                 {"TxtMyPrfx", "YO"},
                 {"TxtMyCont", "Eu"},
                 {"TxtTime", "2"},
                 {"txtMyQRA", "KN34BW"},
                 {"TxtZone", "28"},
                 {"TxtF1", "CQ TEST #1"},
                 {"TxtCP", "1"}});
    EXPECT_EQ(s.MyCont, "Eu");
    EXPECT_EQ(focus(), "TxtMyCall");
    EXPECT_EQ(ctl("TxtMyCall").selStart, 5);
}

TEST_F(SetupLoad, DamagedSettingsFileFillsWhatItHasAndTheLoadGoesOn) {
    writeFile(initFilePath(s),
              "\"DL1ABC\"\r\n\"1\"\r\n\"Eu\"\r\n\"14\"\r\n\"DL\"\r\n\"\"\r\n\"\"\r\n"
              "\"\"\r\nnot a number\r\n");
    writeFile(cwTextFilePath(s), "\"CQ TEST #1");
    open(true);
    EXPECT_EQ(loadResult, std::nullopt);
    EXPECT_TRUE(box.shown().empty());
    // The zone is the own call's.
    expectTexts({{"TxtMyCall", "DL1ABC"},
                 {"TxtTime", "1"},
                 {"TxtZone", "28"},
                 {"txtMyQRA", ""},
                 {"TxtF1", "CQ TEST #1"}});
    EXPECT_EQ(focus(), "TxtMyCall");
    form->click("OpbEnglish");
    EXPECT_TRUE(visible("FRAContest"));
}

// The disabled controls and the flags are compared by the replayed session no_sound.
TEST_F(SetupLoad, NoSoundDeviceDisablesTheVoiceOptions) {
    platform.audioOutputs = 0;
    open();
    EXPECT_TRUE(ctl("OpbSSBN").checked);
    EXPECT_FALSE(ctl("ChkSSBRpt").checked);
    form->click("OpbSSBJ");
    EXPECT_FALSE(QDir(dir.path()).exists(QStringLiteral("WAVDx")));
}

// The scale of each size is the screen scale's; here it reaches the shared state, and only an
// unlisted size has the notice, once a run.
TEST_F(SetupLoad, ScreenSizesGiveTheirScaleAndOnlyOthersTheNotice) {
    platform.screenWidthPx = 1280;
    platform.screenHeightPx = 1024;
    open();
    EXPECT_EQ(s.ScaleX, 1.365333f);
    EXPECT_EQ(s.ScaleY, 1.28f);
    EXPECT_EQ(s.ScreenWidthPx, 1280);
    EXPECT_TRUE(form->resolutionNotice().isEmpty());
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

// A folder where the reference database should be: it cannot be opened, and unlike a damaged
// file it is not built again. AUTO ends at once; Cancel ends; OK goes on with the load.
TEST_F(SetupLoad, UnusableDatabaseEndsOrGoesOnAsTheOperatorSays) {
    dbs.closeAll();
    const QString ref = dir.filePath(QStringLiteral("DbsKorvel.mdb"));
    ASSERT_TRUE(QFile::remove(ref));
    ASSERT_TRUE(QDir().mkdir(ref));
    platform.autoStart = true;
    open(true);
    EXPECT_EQ(loadResult, 1);
    EXPECT_TRUE(box.shown().empty());
    EXPECT_FALSE(dbs.ref.isOpen() || dbs.log.isOpen());

    platform.autoStart = false;
    box.queueAnswer(forms::msg::kCancel);
    open(true);
    EXPECT_EQ(loadResult, 1);
    expectOneMessage(QStringLiteral("Keine Verbindung zum Server !"), forms::msg::kOkCancel);
    EXPECT_FALSE(dbs.log.isOpen());

    box.clear();
    box.queueAnswer(forms::msg::kOk);
    open(true);
    EXPECT_EQ(loadResult, std::nullopt);
    EXPECT_EQ(prompts(), (QStringList{QStringLiteral("Keine Verbindung zum Server !"),
                                      QStringLiteral("PLEASE YOUR CALL")}));
    // The screen stays usable: the wizard and the fields work without the country table.
    form->click("OpbEnglish");
    EXPECT_TRUE(visible("FRAContest"));
    typeInto("TxtMyCall", "yo9xx");
    enter();
    EXPECT_EQ(text("TxtMyCall"), "YO9XX");
}

using SetupWizard = SetupFixture;

// The English captions of the menus and the mode frame are compared by the replayed session
// language_help_exit.
TEST_F(SetupWizard, LanguageChoiceChangesTheCaptionsAndShowsTheContests) {
    open();
    form->click("OpbYODX"); // no contest before the language
    EXPECT_EQ(s.ContestCode, 0);
    EXPECT_FALSE(ctl("OpbYODX").checked);
    form->click("OpbEnglish");
    EXPECT_EQ(s.Language, HelpLanguage::English);
    EXPECT_FALSE(visible("FraLimbaj"));
    EXPECT_TRUE(visible("FRAContest") && visible("OpbYODX"));
    EXPECT_TRUE(text("LblAnunt").startsWith(QStringLiteral("The software allow")));
    EXPECT_TRUE(form->helpFile().endsWith(QStringLiteral("/KorvelEngl.HLP")));

    open();
    form->click("OpBRomanian");
    EXPECT_EQ(s.Language, HelpLanguage::Romanian);
    EXPECT_EQ(text("OpbConcurs"), "C&ONCURS");
    EXPECT_TRUE(text("LblAnunt").startsWith(QStringLiteral("Programul permite")));
    EXPECT_TRUE(form->helpFile().endsWith(QStringLiteral("/KorvelContest.HLP")));
}

// The Romanian notice and OpbTest (no notice, learning off) are compared by the replayed
// sessions 100_yodx_yo and 100_yodx_dx.
TEST_F(SetupWizard, ModeFrameOnlyForTheLearningContestsAndItsNotice) {
    open();
    choose("OpbYODX");
    EXPECT_FALSE(visible("FRAContest"));
    EXPECT_TRUE(visible("FraConcurs"));
    form->click("OpbConcurs");
    EXPECT_FALSE(visible("FraConcurs"));
    EXPECT_EQ(s.ContestMode, Flag::On);
    expectOneMessage(QStringLiteral("Please check whether the LOG lists are empty before "
                                    "starting the contest programme !"),
                     forms::msg::kExclamation);

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
    writeStation("YO9XX", "YO", "Eu", "28");
    for (const scoring::Contest* contest : scoring::contests()) {
        const ContestInfo& c = contest->info;
        SCOPED_TRACE(c.code);
        s.ContestCode = 0; // every run of the program starts without a contest
        open();
        choose(c.optionButton);
        EXPECT_EQ(s.ContestCode, c.code);
        EXPECT_EQ(s.ContestName, QLatin1String(c.contestName));
        EXPECT_EQ(text("LblTipTest"), QLatin1String(c.tipTestCaption));
        EXPECT_EQ(deskCtl("LblConc").text, QLatin1String(c.deskCaption));
        EXPECT_FALSE(visible("FRAContest") || visible("txtControl"));
        EXPECT_EQ(visible("FraConcurs"), c.modeFrame == ModeFrame::Shown);
        EXPECT_EQ(visible("FramLogGen"), c.logGeneral);
    }
}

// LZ-DX chosen by a foreign station and CQ-WW chosen before the call are compared by the
// replayed sessions 104_lzdx_dx and 201_cqww_empty_call.
using ContestChoice = SetupFixture;

TEST_F(ContestChoice, YoDxShowsTheOwnCountyOnlyForAYoStation) {
    ASSERT_TRUE(dbs.ref.learn(store::LearnedTable::CallJud, "YO9XX", "B3"));
    writeStation("YO9XX", "YO", "Eu", "28");
    open();
    choose("OpbYODX");
    EXPECT_TRUE(visible("TxtMyBezirkA") && visible("LblBezirk"));
    // Bucharest sectors count as BU.
    expectTexts({{"LblBezirk", "        MY COUNTY"}, {"TxtMyBezirkA", "BU"}});
    EXPECT_EQ(s.MyBezirk, "BU");
    EXPECT_EQ(focus(), "TxtMyBezirkA");

    // The prefix field is read again: a DL station gets no county field.
    open();
    set("TxtMyPrfx", " DL ");
    choose("OpbYODX");
    EXPECT_EQ(s.MyPrfx, "DL");
    EXPECT_FALSE(visible("TxtMyBezirkA") || visible("LblBezirk") || visible("LblInscr"));
}

// Another prefix hides the field: compared by the replayed session 107_king_other.
TEST_F(ContestChoice, KingOfSpainCountyForTheFourSpanishPrefixesOnly) {
    writeStation("EA8XX", "EA8", "Af", "36");
    open();
    s.MyBezirk = QStringLiteral("TF");
    choose("OpbKing");
    EXPECT_TRUE(visible("TxtMyBezirkA"));
    expectTexts({{"LblBezirk", "MY COUNTY"}, {"TxtMyBezirkA", "TF"}});
}

// "Nr crescator" and "CW and PH", each disabling the other choice, are compared by the
// replayed session 214_loggen_crescator.
TEST_F(ContestChoice, LogGeneralChoicesExcludeEachOther) {
    open();
    choose("OpbLogGen");
    EXPECT_TRUE(visible("FramLogGen") && visible("ChkNrConst"));
    form->click("ChkNrConst");
    EXPECT_EQ(s.NrConst, Numbering::Constant);
    EXPECT_FALSE(ctl("ChkNrUp").enabled);
    EXPECT_TRUE(visible("TxtMyBezirkA"));
    EXPECT_EQ(text("LblBezirk"), "         CONTROL");
    EXPECT_EQ(focus(), "TxtMyBezirkA");
    form->click("ChkNrUp"); // disabled: nothing happens
    EXPECT_EQ(s.NrConst, Numbering::Constant);
    form->click("ChkNrConst");
    EXPECT_EQ(s.NrConst, Numbering::Unset);
    EXPECT_TRUE(ctl("ChkNrUp").enabled);
    EXPECT_FALSE(visible("TxtMyBezirkA"));
    form->click("ChKCWorPH");
    EXPECT_EQ(s.CwPhMode, ModeRule::CwOrPhone);
    EXPECT_FALSE(ctl("ChkCWandPH").enabled);
    form->click("ChKCWorPH");
    EXPECT_EQ(s.CwPhMode, ModeRule::Unset);
    EXPECT_TRUE(ctl("ChkCWandPH").enabled);
}

using OwnCall = SetupFixture;

// The own call typed (lower case too) and ended with Enter or Space, with a prefix contest
// chosen: the station is looked up and the contest's own field is prompted for, or not.
TEST_F(OwnCall, PromptsOfThePrefixContests) {
    ASSERT_TRUE(dbs.ref.learn(store::LearnedTable::CallJud, "YO9XX", "B3"));
    ASSERT_TRUE(dbs.ref.learn(store::LearnedTable::CallDOK, "DL1ABC", "A01"));
    struct Case {
        const char* button;
        const char* typed;
        forms::Key key;
        const char* prefix;
        const char* caption; // nullptr: no own field
        const char* field;   // nullptr: not looked at
        const char* focus;
    };
    const Case cases[] = {
        {"OpbYODX", "yo9xx", forms::Key::Enter, "YO", "MY COUNTY", "BU", "TxtMyBezirkA"},
        {"OpbYODX", "yo9xx", forms::Key::Space, "YO", "MY COUNTY", "BU", "TxtMyBezirkA"},
        // DARC-WAG: a foreign station has no DOK and goes back to the call; a DL station
        // gets its DOK from CallDOK.
        {"OpbWAG", "YO9XX", forms::Key::Enter, "YO", nullptr, nullptr, "TxtMyCall"},
        {"OpbWAG", "DL1ABC", forms::Key::Enter, "DL", "     MY DOK", "A01", "TxtMyBezirkA"},
        // HA-DX: a foreign station goes on to the prefix; an HA station to its county.
        {"OpbHA", "DL1ABC", forms::Key::Enter, "DL", nullptr, nullptr, "TxtMyPrfx"},
        {"OpbHA", "HA1AA", forms::Key::Enter, "HA", "MY COUNTY", nullptr, "TxtMyBezirkA"},
        // LZ-DX: an LZ station types its district into a field holding one blank.
        {"OpbLZ", "LZ1AA", forms::Key::Enter, "LZ", "     MY DISTRICT", " ", "TxtMyBezirkA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        SCOPED_TRACE(c.button);
        freshState();
        open();
        choose(c.button);
        typeInto("TxtMyCall", QLatin1String(c.typed));
        form->pressKey(c.key);
        EXPECT_EQ(text("TxtMyCall"), QString::fromLatin1(c.typed).toUpper());
        expectTexts({{"TxtMyPrfx", c.prefix}, {"TxtMyCont", "Eu"}, {"TxtZone", "28"}});
        EXPECT_EQ(s.MyCall, text("TxtMyCall"));
        EXPECT_EQ(s.MyPrfx, QString::fromUtf8(c.prefix));
        EXPECT_EQ(s.MyZone, "28");
        EXPECT_EQ(visible("TxtMyBezirkA"), c.caption != nullptr);
        EXPECT_EQ(visible("LblBezirk"), c.caption != nullptr);
        expectIfGiven(text("LblBezirk"), c.caption);
        expectIfGiven(text("TxtMyBezirkA"), c.field);
        EXPECT_EQ(focus(), QString::fromUtf8(c.focus));
    }
}

// The own call's zones: one digit gets its leading 0, an unknown zone none, and the longest
// prefix wins. CQ-WW puts the CQ zone under its caption (two digits: 201_cqww_empty_call).
TEST_F(OwnCall, ZonesArePaddedOrEmptiedAndTheLongestPrefixWins) {
    open();
    typeInto("TxtMyCall", "W1AW");
    enter();
    EXPECT_EQ(text("TxtZone"), "08");
    EXPECT_EQ(s.LookupCQ, "05");
    typeInto("TxtMyCall", "ZZ9A");
    enter();
    EXPECT_EQ(text("TxtZone"), "");
    EXPECT_EQ(s.LookupCQ, "");
    typeInto("TxtMyCall", "UA9ABC");
    enter();
    expectTexts({{"TxtMyPrfx", "UA9"}, {"TxtMyCont", "As"}});
    typeInto("TxtMyCall", "UA3ABC");
    enter();
    EXPECT_EQ(text("TxtMyPrfx"), "UA");

    choose("OpBCQWW");
    typeInto("TxtMyCall", "w1aw");
    enter();
    expectTexts({{"LblZone", "   ZONE CQ"}, {"TxtZone", "05"}});
    EXPECT_EQ(s.MyCQZone, "05");
}

TEST_F(OwnCall, UnknownCallKeepsTheLastLookupAndEmptyCallIsRefused) {
    open();
    typeInto("TxtMyCall", "DL1ABC");
    enter();
    typeInto("TxtMyCall", "QQ1QQ");
    enter();
    expectTexts({{"TxtMyCall", "QQ1QQ"}, {"TxtMyPrfx", "DL"}});
    EXPECT_EQ(s.MyPrfx, "DL");
    box.clear();
    typeInto("TxtMyCall", QString());
    enter();
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("PLEASE YOUR CALL")});
    EXPECT_EQ(text("TxtMyPrfx"), "DL");
}

// The keyboard on the station and message fields: each step focuses a field at the end of
// its text (or keeps the focus), types into it (or not), presses a key (or not), and gives
// the field's text and the focus after.
class SetupKeys : public SetupFixture {
protected:
    struct Step {
        const char* field; // nullptr: the focus as it is
        const char* typed; // replaces the field's text; nullptr: the text as it is
        std::optional<forms::KeyEvent> key;
        const char* shown; // nullptr: not looked at
        const char* focus; // nullptr: not looked at
    };
    void walk(std::initializer_list<Step> steps) {
        int n = 0;
        for (const Step& step : steps) {
            SCOPED_TRACE(++n);
            if (step.field && step.typed) typeInto(step.field, QString::fromUtf8(step.typed));
            if (step.field && !step.typed) form->focusAtEnd(QLatin1String(step.field));
            if (step.key) form->pressKey(*step.key);
            if (step.shown) expectIfGiven(text(step.field), step.shown);
            expectIfGiven(focus(), step.focus);
        }
    }
    static forms::KeyEvent backTab() {
        forms::KeyEvent back(forms::Key::Tab);
        back.shift = true;
        return back;
    }
};

TEST_F(SetupKeys, EnterAndSpaceChainThroughTheFieldsAndTakeThem) {
    using forms::Key;
    open();
    form->click("OpbCwJ");
    walk({
        {"TxtMyPrfx", "yo", Key::Enter, "YO", "TxtTime"},
        {"TxtTime", "2 ", {}, "2", "TxtMyCont"},
        {"TxtMyCont", nullptr, Key::Enter, nullptr, "TxtZone"},
        {"TxtZone", nullptr, Key::Enter, nullptr, "TxtZone"},
        {"txtMyQRA", "kn34bw", {}, "KN34BW", nullptr}, // upper-cased as typed
        {"txtMyQRA", nullptr, Key::Space, nullptr, "TxtTime"},
        // Space in the prefix field is just a blank: only Enter acts there.
        {"TxtMyPrfx", "d l", {}, "d l", "TxtMyPrfx"},
        {"TxtCP", "3", Key::Enter, "3", "TxtMyCall"},
        {"txtControl", "001", Key::Enter, "001", nullptr},
        // The message fields take blanks and chain to the com port.
        {"TxtF1", "cq test #1", Key::Enter, "CQ TEST #1", "TxtF2"},
        {"TxtF7", "tu", Key::Enter, "TU", "TxtCP"},
        {"TxtF8", "agn pse", Key::Enter, "agn pse", "TxtF8"}, // taken at the start
        // F1 and double quotes are kept out.
        {"TxtMyCall", "YO\"9XX", Key::F1, "YO9XX", nullptr},
    });
    EXPECT_EQ(s.MyPrfx, "YO");
    EXPECT_EQ(s.MyQRA, "KN34BW");
    EXPECT_EQ(s.MyQRACalc, "KN34BW");
    EXPECT_EQ(s.ComPort, 3);
    EXPECT_EQ(s.NextNr, "001");
    EXPECT_EQ(s.CwTextF1, "CQ TEST #1");
    EXPECT_EQ(s.CwTextF7, "TU");
    EXPECT_EQ(s.CwTextF8, "");
}

// Tab walks the shown fields; the options and the wizard's choice are stops too: Shift+Tab
// from the call reaches the language, and round from the first stop to the last option.
TEST_F(SetupKeys, TabWalksTheShownFieldsAndTheChoices) {
    using forms::Key;
    open();
    walk({
        {"TxtMyCall", nullptr, Key::Tab, nullptr, "TxtMyPrfx"},
        {"TxtCP", nullptr, Key::Tab, nullptr, "OpbCwJ"}, // the message fields are hidden
        {nullptr, nullptr, backTab(), nullptr, "TxtCP"},
        {"TxtMyCall", nullptr, backTab(), nullptr, "OpbEnglish"},
        {nullptr, nullptr, Key::Left, nullptr, "OpBRomanian"},
        {nullptr, nullptr, backTab(), nullptr, "ChkDxCl"},
    });
    // Space on a choice chooses it as a click does.
    form->pressKey(forms::Key::Space);
    EXPECT_TRUE(ctl("ChkDxCl").checked);
}

// The help entries before and after the language is chosen are compared by the replayed
// session language_help_exit.
using SetupOptions = SetupFixture;

TEST_F(SetupOptions, CwByPcShowsTheMessagesAndTheRepeatColoursTheDesk) {
    open();
    form->click("OpbCwJ");
    EXPECT_EQ(s.CwByPc, Flag::On);
    EXPECT_TRUE(visible("FramTxtCw") && visible("TxtF1") && visible("ChkCwRpt"));
    EXPECT_FALSE(ctl("OpbCwN").checked);
    form->click("ChkCwRpt");
    EXPECT_EQ(s.CwRepeat, Flag::On);
    EXPECT_EQ(deskCtl("TxtF1").back, forms::colour::kGreen);
    desk->ctl(QStringLiteral("txtPauseCW")).visible = true;
    form->click("OpbCwN");
    EXPECT_EQ(s.CwByPc, Flag::No);
    EXPECT_EQ(s.CwRepeat, Flag::Unset);
    EXPECT_FALSE(ctl("ChkCwRpt").checked);
    EXPECT_FALSE(visible("ChkCwRpt") || visible("FramTxtCw"));
    EXPECT_EQ(deskCtl("TxtF1").back, forms::colour::kYellow);
    EXPECT_FALSE(deskCtl("txtPauseCW").visible);
    EXPECT_EQ(focus(), "TxtMyCall");
}

// The message, the flag and the single announcement are compared by the replayed session
// ssb_voice_folder. Here: the folder is made in the data folder the load derives from the
// program folder; one there in another letter case counts; a file of that name is reported,
// not announced as made.
TEST_F(SetupOptions, SsbByPcMakesTheVoiceFolderOnlyWhenItIsNotThere) {
    struct Case {
        const char* name;
        std::function<void()> before;
        QString said; // empty: nothing
        int style;
    };
    const QString folder = dir.filePath(QStringLiteral("WAVDx"));
    const Case cases[] = {
        {"made", [&] { s.DataDir = QStringLiteral("/elsewhere"); },
         dir.path() + QStringLiteral("\\WAVDx "), 0},
        {"there in lower case", [&] { QDir(dir.path()).mkdir(QStringLiteral("wavdx")); }, {}, 0},
        {"a file of that name", [&] { writeFile(folder, {}); }, QStringLiteral("cannot be created"),
         forms::msg::kExclamation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dir.path()).rmdir(QStringLiteral("WAVDx"));
        QDir(dir.path()).rmdir(QStringLiteral("wavdx"));
        c.before();
        open();
        form->click("OpbSSBJ");
        ASSERT_EQ(box.shown().size(), c.said.isEmpty() ? 0u : 1u);
        if (c.said.isEmpty()) continue;
        EXPECT_TRUE(box.shown()[0].prompt.contains(c.said));
        EXPECT_EQ(box.shown()[0].prompt.contains(QStringLiteral("a fost creiat")), c.style == 0);
        EXPECT_EQ(box.shown()[0].style, c.style);
        EXPECT_EQ(QFileInfo(folder).isDir(), c.style == 0);
    }
}

// The English warning is compared by the replayed session language_help_exit.
TEST_F(SetupOptions, DxClusterWarnsInTheChosenLanguage) {
    open();
    form->click("ChkDxCl");
    EXPECT_EQ(s.Language, HelpLanguage::Romanian); // no language yet: Romanian
    EXPECT_EQ(s.DxClusterOn, Flag::On);
    expectOneMessage(
        QStringLiteral("Pentru accesarea CLUSTERULUI este necesara o legatura valabila cu "
                       "internetul. Daca aceasta nu exista, Clusterul nu poate fi accesat "
                       "si Checkboxul trebuie sa ramina gol !"),
        forms::msg::kExclamation);
    form->click("ChkDxCl");
    EXPECT_EQ(s.DxClusterOn, Flag::Unset);
    EXPECT_EQ(box.shown().size(), 1u);
}

} // namespace
