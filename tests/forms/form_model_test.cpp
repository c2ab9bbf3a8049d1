#include "forms/form_model.h"
#include "forms/script_runner.h"

#include <QTextStream>

#include <gtest/gtest.h>

using namespace korvel::forms;

namespace {

// A small screen that records the stages a key goes through and filters like the desk:
// letters upper-cased in "Call", digits only in "Nr", Enter moves on.
class Probe : public FormModel {
public:
    Probe() : FormModel(QStringLiteral("Probe")) {
        add(QStringLiteral("Call"), ControlKind::Text);
        add(QStringLiteral("Nr"), ControlKind::Text);
        add(QStringLiteral("Ok"), ControlKind::Button, QStringLiteral("&OK"));
        add(QStringLiteral("Picks"), ControlKind::List).items = {QStringLiteral("AB"),
                                                                 QStringLiteral("CD")};
        setFocus(QStringLiteral("Call"));
    }
    QStringList log;

protected:
    void onKeyDown(const QString& c, KeyEvent& e) override {
        log << QStringLiteral("down %1 %2%3")
                   .arg(c)
                   .arg(static_cast<int>(e.key))
                   .arg(e.alt ? "+alt" : "");
        if (e.key == Key::F5) e.swallowed = true;
    }
    void onKeyPress(const QString& c, int& ascii) override {
        log << QStringLiteral("press %1 %2").arg(c).arg(ascii);
        if (c == QLatin1String("Call")) ascii = QChar(ascii).toUpper().unicode();
        if (c == QLatin1String("Nr") && ascii >= 32 && !QChar(ascii).isDigit()) ascii = 0;
        if (ascii == 13) {
            focusAtEnd(c == QLatin1String("Call") ? QStringLiteral("Nr") : QStringLiteral("Call"));
            ascii = 0;
        }
    }
    void onKeyUp(const QString& c, const KeyEvent&) override {
        log << QStringLiteral("up %1").arg(c);
    }
    void onChange(const QString& c) override { log << QStringLiteral("change %1").arg(c); }
    void onClick(const QString& c) override { log << QStringLiteral("click %1").arg(c); }
};

} // namespace

TEST(FormModel, KeyStagesFilterAndEdit) {
    Probe p;
    p.typeText(QStringLiteral("dl1"));
    EXPECT_EQ(p.ctl(QStringLiteral("Call")).text, QStringLiteral("DL1"));
    EXPECT_EQ(p.log.mid(0, 4),
              (QStringList{QStringLiteral("down Call 0"), QStringLiteral("press Call 100"),
                           QStringLiteral("change Call"), QStringLiteral("up Call")}));
    p.pressKey({Key::Enter});
    EXPECT_EQ(p.focus(), QStringLiteral("Nr"));
    p.typeText(QStringLiteral("0a7"));
    EXPECT_EQ(p.ctl(QStringLiteral("Nr")).text, QStringLiteral("07"));
    p.pressKey({Key::Backspace});
    EXPECT_EQ(p.ctl(QStringLiteral("Nr")).text, QStringLiteral("0"));
    // A swallowed key-down never reaches key-press or key-up.
    p.log.clear();
    p.pressKey({Key::F5});
    EXPECT_EQ(p.log, QStringList{QStringLiteral("down Nr 20")});
    // Alt keys produce no character.
    p.log.clear();
    KeyEvent altA{Key::Char, QLatin1Char('a')};
    altA.alt = true;
    p.pressKey(altA);
    EXPECT_EQ(p.ctl(QStringLiteral("Nr")).text, QStringLiteral("0"));
    EXPECT_EQ(p.log.size(), 2);
}

TEST(FormModel, SelectionIsReplacedAndCursorKeysMove) {
    Probe p;
    p.typeText(QStringLiteral("DL1ABC  "));
    p.focusAtEnd(QStringLiteral("Call"));
    EXPECT_EQ(p.ctl(QStringLiteral("Call")).selStart, 6); // after the last non-blank
    p.focusSelectAll(QStringLiteral("Call"));
    p.typeText(QStringLiteral("k"));
    EXPECT_EQ(p.ctl(QStringLiteral("Call")).text, QStringLiteral("K"));
    p.typeText(QStringLiteral("1AW"));
    p.pressKey({Key::Home});
    p.pressKey({Key::Delete});
    EXPECT_EQ(p.ctl(QStringLiteral("Call")).text, QStringLiteral("1AW"));
    p.pressKey({Key::End});
    p.pressKey({Key::Left});
    p.typeText(QStringLiteral("x"));
    EXPECT_EQ(p.ctl(QStringLiteral("Call")).text, QStringLiteral("1AXW"));
}

TEST(FormModel, DisabledAndHiddenControlsIgnoreClicks) {
    Probe p;
    p.ctl(QStringLiteral("Ok")).enabled = false;
    p.click(QStringLiteral("Ok"));
    p.ctl(QStringLiteral("Ok")).enabled = true;
    p.ctl(QStringLiteral("Ok")).visible = false;
    p.click(QStringLiteral("Ok"));
    EXPECT_FALSE(p.log.contains(QStringLiteral("click Ok")));
    p.clickItem(QStringLiteral("Picks"), QStringLiteral("CD"));
    EXPECT_EQ(p.ctl(QStringLiteral("Picks")).listIndex, 1);
    EXPECT_THROW(p.ctl(QStringLiteral("Nope")), std::out_of_range);
}

TEST(ScriptRunner, DrivesAModelAndReportsErrorsByLine) {
    Probe p;
    ScriptedMessageBox box;
    QString output;
    QTextStream out(&output);
    ScriptRunner runner([&]() -> FormModel* { return &p; }, box, out);
    QString script = QStringLiteral("# a comment\n\n"
                                    "type dl1abc\n"
                                    "key Enter\n"
                                    "type 5\n"
                                    "show Nr\n"
                                    "click Picks:AB\n"
                                    "focus\n"
                                    "key Nonsense\n"
                                    "type never\n");
    QTextStream in(&script);
    QString error;
    EXPECT_FALSE(runner.run(in, error));
    EXPECT_EQ(error, QStringLiteral("line 9: unknown key Nonsense: key Nonsense"));
    EXPECT_EQ(output, QStringLiteral("Nr \"5\" visible=1 enabled=1 back=FFFFFF\nfocus Nr\n"));
    EXPECT_EQ(p.ctl(QStringLiteral("Call")).text, QStringLiteral("DL1ABC"));
    EXPECT_EQ(p.ctl(QStringLiteral("Picks")).listIndex, 0);

    for (const char* bad : {"click Nope", "click Picks:ZZ", "answer Maybe", "show", "frobnicate"}) {
        QString err;
        EXPECT_FALSE(runner.runLine(QLatin1String(bad), err)) << bad;
        EXPECT_FALSE(err.isEmpty());
    }
    QString err;
    EXPECT_TRUE(runner.runLine(QStringLiteral("key Enter"), err)); // back to Call
    EXPECT_TRUE(runner.runLine(QStringLiteral("type  two blanks"), err));
    EXPECT_EQ(p.ctl(QStringLiteral("Call")).text, QStringLiteral("DL1ABC TWO BLANKS"));
}

TEST(MessageBoxStyles, DefaultsAndEscNeverAnswersYes) {
    // style, the default answer and the one Esc gives: Cancel where there is one, else No,
    // else the only button.
    const struct {
        int style, byDefault, esc;
    } rows[] = {
        {36, msg::kYes, msg::kNo}, // the desk's EXIT
        {292, msg::kNo, msg::kNo}, // the setup screen's EXIT
        {msg::kYesNoCancel, msg::kYes, msg::kCancel},
        {msg::kYesNoCancel | msg::kDefault2, msg::kNo, msg::kCancel},
        {msg::kYesNoCancel | msg::kDefault3, msg::kCancel, msg::kCancel},
        {msg::kOkCancel, msg::kOk, msg::kCancel},
        {msg::kRetryCancel, msg::kRetry, msg::kCancel},
        {msg::kOkOnly | msg::kExclamation, msg::kOk, msg::kOk},
        {msg::kAbortRetryIgnore | msg::kDefault2, msg::kRetry, msg::kRetry},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(msg::defaultAnswer(r.style), r.byDefault) << r.style;
        EXPECT_EQ(msg::escapeAnswer(r.style), r.esc) << r.style;
    }
    EXPECT_EQ(msg::answerFromName(QStringLiteral("yes")), msg::kYes);
    EXPECT_EQ(msg::answerName(msg::kCancel), QStringLiteral("Cancel"));
    // A scripted box gives the queued answer, then the default.
    ScriptedMessageBox box;
    box.queueAnswer(msg::kYes);
    EXPECT_EQ(box.ask(292, QStringLiteral("Q"), QStringLiteral("T")), msg::kYes);
    EXPECT_EQ(box.ask(292, QStringLiteral("Q"), QStringLiteral("T")), msg::kNo);
    EXPECT_EQ(box.shown().size(), 2u);
}
