// The desk's keyboard flow: what every key does in every field.
#include "desk/desk_form.h"

#include "scoring/call_analysis.h"
#include "scoring/contests/registry.h"
#include "scoring/exchange_tables.h"

#include <QDate>
#include <QTime>

#include <QTime>
#include <algorithm>

namespace korvel {

using forms::Key;
using forms::KeyEvent;
namespace colour = forms::colour;

namespace {

bool isEntryField(const QString& c) {
    return std::any_of(std::begin(desk_ctl::kEntryFields), std::end(desk_ctl::kEntryFields),
                       [&](desk_ctl::Name n) { return c == n; });
}

bool upperCasedField(const QString& c) {
    for (desk_ctl::Name n : {desk_ctl::txtIndic, desk_ctl::TxtRSTE1, desk_ctl::TxtRSTE2,
                             desk_ctl::TxtRSTR2, desk_ctl::TxtUTC})
        if (c == n) return true;
    return desk_ctl::messageTextNumber(c) != 0;
}

// Characters a call sign can hold; everything else is refused at the key.
bool callCharacter(int ascii) {
    const QChar ch(ascii);
    return (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) || ch.isDigit() ||
           ch == QLatin1Char('/');
}

} // namespace

// ---------------------------------------------------------------------------------------
// Key-down: function keys, Tab, Alt, Page Up/Down.

void DeskForm::onKeyDown(const QString& control, KeyEvent& e) {
    if (stationKeyDown(control, e)) return;
    if (superCheckKeyDown(control, e)) return;
    if (e.key == Key::Esc || e.key == Key::End) keys_.stop(*this); // ends a message or a repeat
    if (bandKey(e)) return;
    if (control == desk_ctl::txtIndic) {
        keyDownCall(e);
    } else if (control == desk_ctl::TxtRSTR2) {
        keyDownReceivedExchange(e);
    } else if (control == desk_ctl::TxtRSTR1) {
        keyDownReceivedReport(e);
    } else if (control == desk_ctl::TxtRSTE1 || control == desk_ctl::TxtRSTE2) {
        keyDownSent(control, e);
    } else if (control == desk_ctl::TxtUTC || control == desk_ctl::TxtDate) {
        keyDownTimeDate(control, e);
    } else if (const int n = desk_ctl::messageTextNumber(control);
               n && e.key == Key::Tab && n <= 4) {
        s_.cwText(n) = ctl(control).text;
        focusAtEnd(desk_ctl::messageText(n + 1));
        e.swallowed = true;
    }
}

// The band keys: Ctrl+F1 to Ctrl+F6 choose 10, 15, 20, 40, 80 and 160 m, Ctrl+Right and
// Ctrl+Left the band of the button to the right or to the left. Each does what a click on
// the band's button does. Returns true when the key was one of them.
bool DeskForm::bandKey(KeyEvent& e) {
    if (!e.ctrl || e.alt) return false;
    int index = -1;
    const int n = forms::functionKeyNumber(e.key);
    const int current = bandIndex(s_.Band);
    if (n >= 1 && n <= static_cast<int>(kBands.size()))
        index = n - 1;
    else if (e.key == Key::Right)
        index = current < 0 ? 0 : current + 1;
    else if (e.key == Key::Left)
        index = current < 0 ? static_cast<int>(kBands.size()) - 1 : current - 1;
    else
        return false;
    e.swallowed = true;
    if (index < 0 || index >= static_cast<int>(kBands.size())) return true; // no band beyond
    click(desk_ctl::bandButton(index)); // a disabled or hidden button takes no click
    return true;
}

// A key that reaches no field: a band key, or, before a band and a mode are chosen, the
// reminder; afterwards the key goes to the call field.
void DeskForm::keyOutsideFields(KeyEvent e) {
    if (bandKey(e)) return;
    if (!entryReady()) {
        keyBeforeModeAndBand();
        return;
    }
    focusCall();
    pressKey(e);
}

// A message key (F1..F11, Alt+F3) in the call field or a received field. Returns true when
// the key was one and has been dealt with.
bool DeskForm::messageKey(const QString& control, KeyEvent& e) {
    const int n = forms::functionKeyNumber(e.key);
    if (n < 1 || n > 11) return false;
    e.swallowed = true;
    if (e.alt && n != 3) return true;
    if (keys_.busy()) return true;
    if (s_.OffLineInput == Flag::On) return offLineDateTimeKey(control, e);
    keys_.messageKey(*this, n, e.alt, control);
    return true;
}

// Off-line input: F2 keeps month and year for the day to be typed, F3 keeps the hour,
// F4 keeps the minutes for the hour to be typed.
bool DeskForm::offLineDateTimeKey(const QString&, const KeyEvent& e) {
    if (e.alt) return true;
    if (e.key == Key::F2) {
        QString& d = text(desk_ctl::TxtDate);
        const QString t = d.trimmed();
        d = t.size() >= 10 ? t.right(8) : t.size() >= 8 ? t.right(6) : t;
        setFocus(desk_ctl::TxtDate);
        c(desk_ctl::TxtDate).selStart = 0;
        c(desk_ctl::TxtDate).selLength = 0;
    } else if (e.key == Key::F3) {
        QString& u = text(desk_ctl::TxtUTC);
        u = u.left(3);
        setFocus(desk_ctl::TxtUTC);
        cursorToEnd(desk_ctl::TxtUTC);
    } else if (e.key == Key::F4) {
        QString& u = text(desk_ctl::TxtUTC);
        u = u.trimmed().right(3);
        setFocus(desk_ctl::TxtUTC);
        c(desk_ctl::TxtUTC).selStart = 0;
        c(desk_ctl::TxtUTC).selLength = 0;
    }
    return true;
}

void DeskForm::keyDownCall(KeyEvent& e) {
    if (e.key == Key::Tab) {
        e.swallowed = true;
        if (trimmedCall().size() > 2) analyseCall();
        if (!rejected_) focusSelectAll(desk_ctl::TxtRSTR2);
        return;
    }
    if (e.key == Key::F12 || e.key == Key::Insert) {
        e.swallowed = true;
        if (c(desk_ctl::CmdEnterCall).enabled) {
            commitQso();
            focusCall();
        }
        return;
    }
    if (e.alt && e.key == Key::F2) {
        e.swallowed = true;
        reloadLastQso();
        focusCall();
        enable(desk_ctl::CmdEnterCall, true);
        return;
    }
    if (e.alt) {
        const auto clearAndFocus = [&](desk_ctl::Name field) {
            text(field).clear();
            focusAtEnd(field);
        };
        switch (e.key) {
        case Key::F4:
        case Key::F5:
        case Key::F6:
        case Key::F7: e.swallowed = true; return;
        case Key::F8:
            e.swallowed = true;
            clearAndFocus(desk_ctl::TxtRSTR1);
            return;
        case Key::F9:
            e.swallowed = true;
            text(desk_ctl::TxtRSTR2).clear();
            focusExchange();
            return;
        case Key::F10:
            e.swallowed = true;
            clearAndFocus(desk_ctl::TxtRSTE1);
            return;
        case Key::F11:
            e.swallowed = true;
            clearAndFocus(desk_ctl::TxtRSTE2);
            return;
        default: break;
        }
    }
    if (messageKey(desk_ctl::txtIndic, e)) return;
    if (e.key == Key::PageUp || e.key == Key::PageDown) { // CW speed
        e.swallowed = true;
        if (!keys_.busy()) keys_.speedKey(*this, e.key == Key::PageUp ? 2 : -2);
    }
}

void DeskForm::keyDownReceivedExchange(KeyEvent& e) {
    if (e.key == Key::Space) spaceAdvance_ = true;
    if (e.key == Key::F12) {
        e.swallowed = true;
        loggingSequence(spaceAdvance_);
        return;
    }
    if (e.key == Key::Tab) {
        e.swallowed = true;
        setFocus(desk_ctl::TxtRSTR1);
        c(desk_ctl::TxtRSTR1).selStart = 1;
        c(desk_ctl::TxtRSTR1).selLength = 1;
        return;
    }
    messageKey(desk_ctl::TxtRSTR2, e);
}

void DeskForm::keyDownReceivedReport(KeyEvent& e) {
    if (e.key == Key::Space) spaceAdvance_ = true;
    if (e.key == Key::Tab) {
        e.swallowed = true;
        setFocus(desk_ctl::TxtRSTE1);
        c(desk_ctl::TxtRSTE1).selStart = 1;
        c(desk_ctl::TxtRSTE1).selLength = 1;
        return;
    }
    messageKey(desk_ctl::TxtRSTR1, e);
}

void DeskForm::keyDownSent(const QString& control, KeyEvent& e) {
    if (e.key == Key::Space) spaceAdvance_ = true;
    if (e.key == Key::Tab) {
        e.swallowed = true;
        if (control == desk_ctl::TxtRSTE1)
            focusSelectAll(desk_ctl::txtIndic);
        else
            focusSelectAll(desk_ctl::TxtRSTR2);
    }
}

void DeskForm::keyDownTimeDate(const QString&, KeyEvent& e) {
    if (e.key == Key::Space || e.key == Key::Tab) spaceAdvance_ = true;
}

// ---------------------------------------------------------------------------------------
// Key-press: characters, Space and Enter.

// The most characters a field holds: the call as the analysis reads it (15); the reports
// (3); an exchange as the export columns hold it behind its report (12 - "599 " = 8); the
// date (dd.mm.yy) and the time (hh:mm).
int DeskForm::maxLength(const QString& control) {
    if (control == desk_ctl::txtIndic) return scoring::kMaxCallChars;
    if (control == desk_ctl::TxtRSTR1 || control == desk_ctl::TxtRSTE1) return 3;
    if (control == desk_ctl::TxtRSTR2 || control == desk_ctl::TxtRSTE2) return 8;
    if (control == desk_ctl::TxtDate) return 8;
    if (control == desk_ctl::TxtUTC) return 5;
    return -1;
}

bool DeskForm::roomFor(const QString& control) const {
    const int max = maxLength(control);
    if (max < 0 || !has(control)) return true;
    // Blanks around the text are not stored: the trimmed text counts.
    const forms::Control& f = ctl(control);
    return f.text.trimmed().size() - std::max(0, f.selLength) < max;
}

void DeskForm::onKeyPress(const QString& control, int& ascii) {
    if (ascii >= 'a' && ascii <= 'z' && upperCasedField(control)) ascii -= 32;
    if (ascii == '"') ascii = 0; // never part of a call, a report or an exchange
    // Control characters (DEL and the C1 block among them) are no text of any field.
    if (ascii == 127 || (ascii >= 0x80 && ascii < 0xA0)) ascii = 0;
    // A field takes no more than its column holds in the log and the exports; longer input
    // is refused at the key, never cut later.
    if (ascii >= 32 && !roomFor(control)) ascii = 0;
    if (control == desk_ctl::txtIndic || control == desk_ctl::TxtRSTR1 ||
        control == desk_ctl::TxtRSTR2)
        keys_.operatorTyped(control); // typing ends an automatic repeat

    if (control == desk_ctl::txtIndic) {
        if (ascii == 32) {
            ascii = 0;
            if (trimmedCall().size() >= 3) {
                analyseCall();
                if (rejected_) return;
                text(desk_ctl::txtIndic) = trimmedCall();
                focusExchange();
                if (s_.OffLineInput == Flag::On) focusAtEnd(desk_ctl::TxtUTC);
            }
            return;
        }
        if (ascii == 13) {
            ascii = 0;
            if (c(desk_ctl::CmdEnterCall).enabled) {
                commitQso();
                focusCall();
            }
            return;
        }
        if (ascii == 9 || ascii == 27) {
            ascii = 0;
            return;
        }
        if (ascii >= 32 && !callCharacter(ascii)) {
            ascii = 0;
            return;
        }
        if (ascii != 0) refreshOwnLabels();
        return;
    }
    if (control == desk_ctl::TxtRSTR2) {
        if (ascii == 9 || ascii == 27) ascii = 0;
        if (ascii == 32 && spaceAdvance_) {
            ascii = 0;
            spaceAdvance_ = false;
            finishExchange();
            return;
        }
        if (ascii == 13) {
            ascii = 0;
            loggingSequence(spaceAdvance_);
            spaceAdvance_ = false;
            return;
        }
        if (ascii >= 32) typedExchange_ = true;
        return;
    }
    if (control == desk_ctl::TxtRSTR1) {
        if (ascii == 9 || ascii == 27) ascii = 0;
        if (ascii == 32 && spaceAdvance_) {
            ascii = 0;
            spaceAdvance_ = false;
            enable(desk_ctl::CmdEnterCall, true);
            s_.RcvdReport = text(desk_ctl::TxtRSTR1);
            s_.RcvdExchange = text(desk_ctl::TxtRSTR2);
            focusCall();
            return;
        }
        if (ascii == 13) ascii = 0; // Enter does nothing here
        return;
    }
    if (control == desk_ctl::TxtRSTE1 || control == desk_ctl::TxtRSTE2) {
        if (ascii == 9 || ascii == 27) ascii = 0;
        if (ascii == 32 && spaceAdvance_) {
            ascii = 0;
            spaceAdvance_ = false;
            (control == desk_ctl::TxtRSTE1 ? s_.SentReport : s_.SentExchange) = ctl(control).text;
            enable(desk_ctl::CmdEnterCall, true);
            if (checkEntry()) focusCall();
            return;
        }
        if (ascii == 13) {
            ascii = 0;
            loggingSequence(false);
        }
        return;
    }
    if (control == desk_ctl::TxtUTC) {
        keyPressTime(ascii);
        return;
    }
    if (control == desk_ctl::TxtDate) {
        keyPressDate(ascii);
        return;
    }
    if (const int n = desk_ctl::messageTextNumber(control)) {
        if (ascii == 13) {
            ascii = 0;
            if (n <= 7) {
                s_.cwText(n) = ctl(control).text;
                if (n < 7)
                    focusAtEnd(desk_ctl::messageText(n + 1));
                else
                    focusCall();
            }
        }
        if (ascii == 9) ascii = 0;
    }
}

// ---------------------------------------------------------------------------------------
// Key-up: partial-call lookup, county completion, off-line time.

void DeskForm::onKeyUp(const QString& control, const KeyEvent& e) {
    if (control == desk_ctl::txtIndic) {
        if (e.key == Key::Char || e.key == Key::Backspace || e.key == Key::Delete)
            partialCallLookup();
        return;
    }
    if (control == desk_ctl::TxtRSTR2) {
        const QString call = trimmedCall().toUpper();
        const QString typed = text(desk_ctl::TxtRSTR2).trimmed();
        QString completed;
        if (typed.size() == 1 && call.size() >= 3)
            completed = contest().completeExchange(s_, call, typed);
        if (!completed.isEmpty()) {
            text(desk_ctl::TxtRSTR2) = completed;
            finishFromExchangeField();
        } else if (spaceAdvance_) {
            spaceAdvance_ = false;
            finishFromExchangeField();
        }
        return;
    }
    if (control == desk_ctl::TxtUTC && s_.OffLineInput == Flag::On && e.key == Key::Char &&
        text(desk_ctl::TxtUTC).trimmed().size() >= 5)
        validateTime();
}

// The exchange is finished from the received-exchange field (a completed county).
void DeskForm::finishFromExchangeField() {
    text(desk_ctl::TxtRSTR2) = text(desk_ctl::TxtRSTR2).toUpper();
    s_.RcvdExchange = text(desk_ctl::TxtRSTR2);
    s_.RcvdReport = text(desk_ctl::TxtRSTR1);
    societyExchange_ = !scoring::isNumber(text(desk_ctl::TxtRSTR2).trimmed());
    show(desk_ctl::LblNeu, false);
    detectMultiplier();
    if (callRefused()) {
        show(desk_ctl::Frame3, true);
        enable(desk_ctl::CmdEnterCall, false);
    } else {
        enable(desk_ctl::CmdEnterCall, true);
    }
    focusCall();
}

void DeskForm::partialCallLookup() {
    gridRows_ = dbs_.log.callsStartingWith(trimmedCall(), kGridRows);
    std::sort(gridRows_.begin(), gridRows_.end(),
              [](const store::QsoRow& a, const store::QsoRow& b) { return a.id < b.id; });
    superCheckLookup();
}

// ---------------------------------------------------------------------------------------
// Completeness, finishing and the logging sequence.

bool DeskForm::checkEntry() {
    entryComplete_ = false;
    if (trimmedCall().size() < 3) {
        focusCall();
        return false;
    }
    for (desk_ctl::Name field : {desk_ctl::TxtRSTE1, desk_ctl::TxtRSTE2, desk_ctl::TxtRSTR1})
        if (text(field).trimmed().size() < 2) {
            focusAtEnd(field);
            return false;
        }
    if (text(desk_ctl::TxtRSTR2).trimmed().isEmpty()) {
        focusExchange();
        return false;
    }
    if (text(desk_ctl::TxtDate).trimmed().size() < 8) {
        focusAtEnd(desk_ctl::TxtDate);
        return false;
    }
    if (text(desk_ctl::TxtUTC).trimmed().size() < 5) {
        focusAtEnd(desk_ctl::TxtUTC);
        return false;
    }
    entryComplete_ = true;
    return true;
}

void DeskForm::padSerial() {
    if (!contest().padsReceivedSerial(s_.LookupCtyPfx)) return;
    QString& x = text(desk_ctl::TxtRSTR2);
    const QString t = x.trimmed();
    if (t.size() == 1) x = QStringLiteral("00") + t;
    if (t.size() == 2) x = QStringLiteral("0") + t;
}

void DeskForm::finishExchange() {
    padSerial();
    societyExchange_ = !scoring::isNumber(text(desk_ctl::TxtRSTR2).trimmed());
    text(desk_ctl::TxtRSTR2) = text(desk_ctl::TxtRSTR2).toUpper();
    s_.RcvdExchange = text(desk_ctl::TxtRSTR2);
    s_.RcvdReport = text(desk_ctl::TxtRSTR1);
    show(desk_ctl::LblNeu, false); // the finished exchange decides it anew
    detectMultiplier();
    if (callRefused()) {
        show(desk_ctl::Frame3, true);
        s_.QsoPoints = QStringLiteral("0");
        s_.Mult1Value = QStringLiteral(" ");
    } else {
        enable(desk_ctl::CmdEnterCall, true);
    }
    focusCall();
    showBeam();
}

// The country, marks and points stored with a QSO are always those of its call: a call
// changed since its analysis (taken back with Alt+F2 and retyped, or typed and logged
// without Space) is analysed first, and when the analysis refuses it, finds a dupe or
// leaves a field empty, the desk stops there with the analysis shown.
bool DeskForm::analyseChangedCall() {
    const QString call = scoring::loggedCall(text(desk_ctl::txtIndic));
    if (call.isEmpty() || call == analysedCall_) return true;
    if (call.size() < 3) {
        focusCall();
        return false;
    }
    analyseCall();
    if (rejected_ || callRefused()) return false;
    text(desk_ctl::txtIndic) = trimmedCall();
    focusExchange();
    if (!checkEntry()) return false;
    finishExchange();
    return true;
}

void DeskForm::loggingSequence(bool finishFirst) {
    if (finishFirst) finishExchange();
    if (!checkEntry()) {
        askRecorded(s_, box_, forms::msg::kOkOnly | forms::msg::kExclamation,
                    QLatin1String(desk_text::kIncomplete), QString());
        refreshLogGrid();
        if (text(desk_ctl::TxtRSTR2).trimmed().isEmpty()) focusExchange();
        if (trimmedCall().size() < 3) focusCall();
        return;
    }
    finishExchange();
    commitQso();
    focusCall();
    entryComplete_ = logOnSend_ = false;
}

// ---------------------------------------------------------------------------------------
// Hand-typed time and date.

void DeskForm::keyPressTime(int& ascii) {
    if (ascii == 32 || ascii == 9) {
        ascii = 0;
        if (spaceAdvance_) {
            spaceAdvance_ = false;
            validateTime();
        }
        return;
    }
    if (ascii == 13 || ascii == 27) {
        ascii = 0;
        return;
    }
    forms::Control& f = c(desk_ctl::TxtUTC);
    if (ascii > 32 && f.text.size() == 2 && f.selLength == 0) {
        f.text += QLatin1Char(':');
        f.selStart = 3;
    }
}

bool DeskForm::validateTime() {
    const QString t = text(desk_ctl::TxtUTC).trimmed();
    QTime time = QTime::fromString(t, QStringLiteral("H:m"));
    if (!time.isValid()) time = QTime::fromString(t, QStringLiteral("HHmm"));
    if (!time.isValid()) {
        askRecorded(s_, box_, forms::msg::kOkOnly, QLatin1String(desk_text::kBadTime), QString());
        text(desk_ctl::TxtUTC) = QStringLiteral(" ");
        focusAtEnd(desk_ctl::TxtUTC);
        c(desk_ctl::TxtUTC).selStart = 0;
        return false;
    }
    text(desk_ctl::TxtUTC) = time.toString(QStringLiteral("HH:mm"));
    nowTime_ = text(desk_ctl::TxtUTC);
    enable(desk_ctl::CmdEnterCall, true);
    if (s_.OffLineInput == Flag::On && text(desk_ctl::TxtRSTR2).trimmed().isEmpty())
        focusAtEnd(desk_ctl::TxtRSTR2);
    else
        focusCall();
    return true;
}

void DeskForm::keyPressDate(int& ascii) {
    if (ascii == 32 || ascii == 9) {
        ascii = 0;
        if (spaceAdvance_) {
            spaceAdvance_ = false;
            enable(desk_ctl::CmdEnterCall, true);
            validateDate();
        }
        return;
    }
    if (ascii == 13 || ascii == 27) {
        ascii = 0;
        return;
    }
    forms::Control& f = c(desk_ctl::TxtDate);
    if (ascii > 32 && (f.text.size() == 2 || f.text.size() == 5) && f.selLength == 0 &&
        f.selStart == f.text.size()) {
        f.text += QLatin1Char('.');
        f.selStart = static_cast<int>(f.text.size());
    }
}

bool DeskForm::validateDate() {
    const QString t = text(desk_ctl::TxtDate).trimmed();
    QDate date = QDate::fromString(t, QStringLiteral("d.M.yyyy"));
    if (!date.isValid()) {
        const QStringList parts = t.split(QLatin1Char('.'));
        bool ok1 = false, ok2 = false, ok3 = false;
        if (parts.size() == 3 && parts[2].size() == 2) {
            date = QDate(2000 + parts[2].toInt(&ok3), parts[1].toInt(&ok2), parts[0].toInt(&ok1));
            if (!(ok1 && ok2 && ok3)) date = QDate();
        }
    }
    if (!date.isValid()) {
        askRecorded(s_, box_, forms::msg::kOkOnly, QLatin1String(desk_text::kBadDate), QString());
        text(desk_ctl::TxtDate) = QStringLiteral(" ");
        setFocus(desk_ctl::TxtDate);
        c(desk_ctl::TxtDate).selStart = 0;
        return false;
    }
    text(desk_ctl::TxtDate) = date.toString(QStringLiteral("dd.MM.yy"));
    nowDate_ = text(desk_ctl::TxtDate);
    if (s_.OffLineInput == Flag::On) {
        if (text(desk_ctl::TxtUTC).trimmed().isEmpty())
            focusAtEnd(desk_ctl::TxtUTC);
        else if (text(desk_ctl::TxtRSTR2).trimmed().isEmpty())
            focusAtEnd(desk_ctl::TxtRSTR2);
        else
            focusCall();
    } else {
        focusCall();
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Clicks and focus.

void DeskForm::onClick(const QString& control) {
    if (isEntryField(control)) {
        enable(desk_ctl::CmdEnterCall, false);
        return;
    }
    for (int i = 0; i < 6; ++i)
        if (control == desk_ctl::bandButton(i)) {
            switchBand(kBands[static_cast<std::size_t>(i)]);
            return;
        }
    if (control == desk_ctl::CmdCW || control == desk_ctl::CmdSSB) {
        control == desk_ctl::CmdCW ? switchToCw() : switchToSsb();
        prepareSentExchange();
        return;
    }
    if (control == desk_ctl::CmdEnterCall) {
        commitQso();
        focusCall();
        return;
    }
    if (control == desk_ctl::CmdAbbruchX) {
        abort();
        return;
    }
    if (control == desk_ctl::OpB50 || control == desk_ctl::OpB62 || control == desk_ctl::Opb75) {
        for (desk_ctl::Name weighting :
             {desk_ctl::OpB50, desk_ctl::OpB62, desk_ctl::Opb75}) // one CW weighting at a time
            c(weighting).checked = control == weighting;
        return;
    }
    if (control == desk_ctl::mnuUndo) {
        undo();
        return;
    }
    if (control == desk_ctl::mnuAnfang) {
        s_.SetupDone = Flag::On;
        if (onReturnToSetup) onReturnToSetup();
        return;
    }
    if (control == desk_ctl::mnuBeenden) {
        const int answer =
            askRecorded(s_, box_, 36, QLatin1String(kExitPrompt), QLatin1String(kExitTitle));
        if (answer == forms::msg::kYes && onExit) onExit();
        return;
    }
    if (control == desk_ctl::list1) {
        pickListChosen();
        return;
    }
    if (control == desk_ctl::List2) {
        list2Chosen();
        return;
    }
    if (const int n = desk_ctl::messageButtonNumber(control)) {
        if (!keys_.busy() && s_.OffLineInput != Flag::On)
            keys_.messageKey(*this, n, false, control);
    }
}

void DeskForm::onDblClick(const QString& control) {
    if (stationDblClick(control)) return;
    if (superCheckDblClick(control)) return;
    if (control == desk_ctl::TxtUTC || control == desk_ctl::TxtDate) {
        ctl(control).text.clear();
        ctl(control).selStart = 0;
    } else if (control == desk_ctl::DBGrid9) {
        deleteSelectedQso();
    }
}

void DeskForm::onFocusIn(const QString& control) {
    if (control == desk_ctl::TxtRSTR2 || control == desk_ctl::TxtUTC ||
        control == desk_ctl::TxtDate || (control == desk_ctl::txtIndic && trimmedCall().size() < 3))
        enable(desk_ctl::CmdEnterCall, false);
}

void DeskForm::onFocusOut(const QString& control) {
    if (control == desk_ctl::TxtRSTR2) enable(desk_ctl::CmdEnterCall, true);
}

} // namespace korvel
