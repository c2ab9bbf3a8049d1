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
    for (const char* n :
         {"txtIndic", "TxtRSTE1", "TxtRSTE2", "TxtRSTR1", "TxtRSTR2", "TxtUTC", "TxtDate"})
        if (c == QLatin1String(n)) return true;
    return false;
}

bool upperCasedField(const QString& c) {
    for (const char* n : {"txtIndic", "TxtRSTE1", "TxtRSTE2", "TxtRSTR2", "TxtUTC"})
        if (c == QLatin1String(n)) return true;
    return c.startsWith(QLatin1String("TxtF"));
}

// Characters a call sign can hold; everything else is refused at the key.
bool callCharacter(int ascii) {
    const QChar ch(ascii);
    return (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) || ch.isDigit() ||
           ch == QLatin1Char('/');
}

int messageFieldNumber(const QString& c) {
    if (!c.startsWith(QLatin1String("TxtF"))) return 0;
    bool ok = false;
    const int n = c.mid(4).toInt(&ok);
    return ok && n >= 1 && n <= 11 ? n : 0;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Key-down: function keys, Tab, Alt, Page Up/Down.

void DeskForm::onKeyDown(const QString& control, KeyEvent& e) {
    if (e.key == Key::Esc || e.key == Key::End) keys_.stop(*this); // ends a message or a repeat
    if (control == QLatin1String("txtIndic")) {
        keyDownCall(e);
    } else if (control == QLatin1String("TxtRSTR2")) {
        keyDownReceivedExchange(e);
    } else if (control == QLatin1String("TxtRSTR1")) {
        keyDownReceivedReport(e);
    } else if (control == QLatin1String("TxtRSTE1") || control == QLatin1String("TxtRSTE2")) {
        keyDownSent(control, e);
    } else if (control == QLatin1String("TxtUTC") || control == QLatin1String("TxtDate")) {
        keyDownTimeDate(control, e);
    } else if (const int n = messageFieldNumber(control); n && e.key == Key::Tab && n <= 4) {
        s_.cwText(n) = ctl(control).text;
        focusAtEnd(QStringLiteral("TxtF%1").arg(n + 1));
        e.swallowed = true;
    }
}

// A message key (F1..F11, Alt+F3) in the call field or a received field. Returns true when
// the key was one and has been dealt with.
bool DeskForm::messageKey(const QString& control, KeyEvent& e) {
    const int n = forms::functionKeyNumber(e.key);
    if (n < 1 || n > 11) return false;
    e.swallowed = true;
    if (e.alt && n != 3) return true;
    if (keys_.busy()) return true;
    if (s_.OffLineInput == 100) return offLineDateTimeKey(control, e);
    keys_.messageKey(*this, n, e.alt, control);
    return true;
}

// Off-line input: F2 keeps month and year for the day to be typed, F3 keeps the hour,
// F4 keeps the minutes for the hour to be typed.
bool DeskForm::offLineDateTimeKey(const QString&, const KeyEvent& e) {
    if (e.alt) return true;
    if (e.key == Key::F2) {
        QString& d = text("TxtDate");
        const QString t = d.trimmed();
        d = t.size() >= 10 ? t.right(8) : t.size() >= 8 ? t.right(6) : t;
        setFocus(QStringLiteral("TxtDate"));
        c("TxtDate").selStart = 0;
        c("TxtDate").selLength = 0;
    } else if (e.key == Key::F3) {
        QString& u = text("TxtUTC");
        u = u.left(3);
        setFocus(QStringLiteral("TxtUTC"));
        cursorToEnd("TxtUTC");
    } else if (e.key == Key::F4) {
        QString& u = text("TxtUTC");
        u = u.trimmed().right(3);
        setFocus(QStringLiteral("TxtUTC"));
        c("TxtUTC").selStart = 0;
        c("TxtUTC").selLength = 0;
    }
    return true;
}

void DeskForm::keyDownCall(KeyEvent& e) {
    if (e.key == Key::Tab) {
        e.swallowed = true;
        if (trimmedCall().size() > 2) analyseCall();
        if (!rejected_) focusSelectAll(QStringLiteral("TxtRSTR2"));
        return;
    }
    if (e.key == Key::F12 || e.key == Key::Insert) {
        e.swallowed = true;
        if (c("CmdEnterCall").enabled) {
            commitQso();
            focusCall();
        }
        return;
    }
    if (e.alt && e.key == Key::F2) {
        e.swallowed = true;
        reloadLastQso();
        focusCall();
        enable("CmdEnterCall", true);
        return;
    }
    if (e.alt) {
        const auto clearAndFocus = [&](const char* field) {
            text(field).clear();
            focusAtEnd(QLatin1String(field));
        };
        switch (e.key) {
        case Key::F4:
        case Key::F5:
        case Key::F6:
        case Key::F7: e.swallowed = true; return;
        case Key::F8:
            e.swallowed = true;
            clearAndFocus("TxtRSTR1");
            return;
        case Key::F9:
            e.swallowed = true;
            text("TxtRSTR2").clear();
            focusExchange();
            return;
        case Key::F10:
            e.swallowed = true;
            clearAndFocus("TxtRSTE1");
            return;
        case Key::F11:
            e.swallowed = true;
            clearAndFocus("TxtRSTE2");
            return;
        default: break;
        }
    }
    if (messageKey(QStringLiteral("txtIndic"), e)) return;
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
        setFocus(QStringLiteral("TxtRSTR1"));
        c("TxtRSTR1").selStart = 1;
        c("TxtRSTR1").selLength = 1;
        return;
    }
    messageKey(QStringLiteral("TxtRSTR2"), e);
}

void DeskForm::keyDownReceivedReport(KeyEvent& e) {
    if (e.key == Key::Space) spaceAdvance_ = true;
    if (e.key == Key::Tab) {
        e.swallowed = true;
        setFocus(QStringLiteral("TxtRSTE1"));
        c("TxtRSTE1").selStart = 1;
        c("TxtRSTE1").selLength = 1;
        return;
    }
    messageKey(QStringLiteral("TxtRSTR1"), e);
}

void DeskForm::keyDownSent(const QString& control, KeyEvent& e) {
    if (e.key == Key::Space) spaceAdvance_ = true;
    if (e.key == Key::Tab) {
        e.swallowed = true;
        if (control == QLatin1String("TxtRSTE1"))
            focusSelectAll(QStringLiteral("txtIndic"));
        else
            focusSelectAll(QStringLiteral("TxtRSTR2"));
    }
}

void DeskForm::keyDownTimeDate(const QString&, KeyEvent& e) {
    if (e.key == Key::Space || e.key == Key::Tab) spaceAdvance_ = true;
}

// ---------------------------------------------------------------------------------------
// Key-press: characters, Space and Enter.

void DeskForm::onKeyPress(const QString& control, int& ascii) {
    if (ascii >= 'a' && ascii <= 'z' && upperCasedField(control)) ascii -= 32;
    if (ascii == '"') ascii = 0; // never part of a call, a report or an exchange
    if (control == QLatin1String("txtIndic") || control == QLatin1String("TxtRSTR1") ||
        control == QLatin1String("TxtRSTR2"))
        keys_.operatorTyped(control); // typing ends an automatic repeat

    if (control == QLatin1String("txtIndic")) {
        if (ascii == 32) {
            ascii = 0;
            if (trimmedCall().size() >= 3) {
                analyseCall();
                if (rejected_) return;
                text("txtIndic") = trimmedCall();
                focusExchange();
                if (s_.OffLineInput == 100) focusAtEnd(QStringLiteral("TxtUTC"));
            }
            return;
        }
        if (ascii == 13) {
            ascii = 0;
            if (c("CmdEnterCall").enabled) {
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
    if (control == QLatin1String("TxtRSTR2")) {
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
    if (control == QLatin1String("TxtRSTR1")) {
        if (ascii == 9 || ascii == 27) ascii = 0;
        if (ascii == 32 && spaceAdvance_) {
            ascii = 0;
            spaceAdvance_ = false;
            enable("CmdEnterCall", true);
            s_.RcvdReport = text("TxtRSTR1");
            s_.RcvdExchange = text("TxtRSTR2");
            focusCall();
            return;
        }
        if (ascii == 13) ascii = 0; // Enter does nothing here
        return;
    }
    if (control == QLatin1String("TxtRSTE1") || control == QLatin1String("TxtRSTE2")) {
        if (ascii == 9 || ascii == 27) ascii = 0;
        if (ascii == 32 && spaceAdvance_) {
            ascii = 0;
            spaceAdvance_ = false;
            (control == QLatin1String("TxtRSTE1") ? s_.SentReport : s_.SentExchange) =
                ctl(control).text;
            enable("CmdEnterCall", true);
            if (checkEntry()) focusCall();
            return;
        }
        if (ascii == 13) {
            ascii = 0;
            loggingSequence(false);
        }
        return;
    }
    if (control == QLatin1String("TxtUTC")) {
        keyPressTime(ascii);
        return;
    }
    if (control == QLatin1String("TxtDate")) {
        keyPressDate(ascii);
        return;
    }
    if (const int n = messageFieldNumber(control)) {
        if (ascii == 13) {
            ascii = 0;
            if (n <= 7) {
                s_.cwText(n) = ctl(control).text;
                if (n < 7)
                    focusAtEnd(QStringLiteral("TxtF%1").arg(n + 1));
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
    if (control == QLatin1String("txtIndic")) {
        if (e.key == Key::Char || e.key == Key::Backspace || e.key == Key::Delete)
            partialCallLookup();
        return;
    }
    if (control == QLatin1String("TxtRSTR2")) {
        const QString call = trimmedCall().toUpper();
        const QString typed = text("TxtRSTR2").trimmed();
        QString completed;
        if (typed.size() == 1 && call.size() >= 3)
            completed = contest().completeExchange(s_, call, typed);
        if (!completed.isEmpty()) {
            text("TxtRSTR2") = completed;
            finishFromExchangeField();
        } else if (spaceAdvance_) {
            spaceAdvance_ = false;
            finishFromExchangeField();
        }
        return;
    }
    if (control == QLatin1String("TxtUTC") && s_.OffLineInput == 100 && e.key == Key::Char &&
        text("TxtUTC").trimmed().size() >= 5)
        validateTime();
}

// The exchange is finished from the received-exchange field (a completed county).
void DeskForm::finishFromExchangeField() {
    text("TxtRSTR2") = text("TxtRSTR2").toUpper();
    s_.RcvdExchange = text("TxtRSTR2");
    s_.RcvdReport = text("TxtRSTR1");
    societyExchange_ = !scoring::isNumber(text("TxtRSTR2").trimmed());
    show("LblNeu", false);
    detectMultiplier();
    if (callRefused()) {
        show("Frame3", true);
        enable("CmdEnterCall", false);
    } else {
        enable("CmdEnterCall", true);
    }
    focusCall();
}

void DeskForm::partialCallLookup() {
    gridRows_ = dbs_.log.callsStartingWith(trimmedCall(), kGridRows);
    std::sort(gridRows_.begin(), gridRows_.end(),
              [](const store::QsoRow& a, const store::QsoRow& b) { return a.id < b.id; });
}

// ---------------------------------------------------------------------------------------
// Completeness, finishing and the logging sequence.

bool DeskForm::checkEntry() {
    entryComplete_ = false;
    if (trimmedCall().size() < 3) {
        focusCall();
        return false;
    }
    for (const char* field : {"TxtRSTE1", "TxtRSTE2", "TxtRSTR1"})
        if (text(field).trimmed().size() < 2) {
            focusAtEnd(QLatin1String(field));
            return false;
        }
    if (text("TxtRSTR2").trimmed().isEmpty()) {
        focusExchange();
        return false;
    }
    if (text("TxtDate").trimmed().size() < 8) {
        focusAtEnd(QStringLiteral("TxtDate"));
        return false;
    }
    if (text("TxtUTC").trimmed().size() < 5) {
        focusAtEnd(QStringLiteral("TxtUTC"));
        return false;
    }
    entryComplete_ = true;
    return true;
}

void DeskForm::padSerial() {
    if (!contest().padsReceivedSerial(s_.LookupCtyPfx)) return;
    QString& x = text("TxtRSTR2");
    const QString t = x.trimmed();
    if (t.size() == 1) x = QStringLiteral("00") + t;
    if (t.size() == 2) x = QStringLiteral("0") + t;
}

void DeskForm::finishExchange() {
    padSerial();
    societyExchange_ = !scoring::isNumber(text("TxtRSTR2").trimmed());
    text("TxtRSTR2") = text("TxtRSTR2").toUpper();
    s_.RcvdExchange = text("TxtRSTR2");
    s_.RcvdReport = text("TxtRSTR1");
    show("LblNeu", false); // the finished exchange decides it anew
    detectMultiplier();
    if (callRefused()) {
        show("Frame3", true);
        s_.QsoPoints = QStringLiteral("0");
        s_.Mult1Value = QStringLiteral(" ");
    } else {
        enable("CmdEnterCall", true);
    }
    focusCall();
    showBeam();
}

void DeskForm::loggingSequence(bool finishFirst) {
    if (finishFirst) finishExchange();
    if (!checkEntry()) {
        forms::askRecorded(s_, box_, forms::msg::kOkOnly | forms::msg::kExclamation,
                           QLatin1String(desk_text::kIncomplete), QString());
        refreshLogGrid();
        if (text("TxtRSTR2").trimmed().isEmpty()) focusExchange();
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
    forms::Control& f = c("TxtUTC");
    if (ascii > 32 && f.text.size() == 2 && f.selLength == 0) {
        f.text += QLatin1Char(':');
        f.selStart = 3;
    }
}

bool DeskForm::validateTime() {
    const QString t = text("TxtUTC").trimmed();
    QTime time = QTime::fromString(t, QStringLiteral("H:m"));
    if (!time.isValid()) time = QTime::fromString(t, QStringLiteral("HHmm"));
    if (!time.isValid()) {
        forms::askRecorded(s_, box_, forms::msg::kOkOnly, QLatin1String(desk_text::kBadTime),
                           QString());
        text("TxtUTC") = QStringLiteral(" ");
        focusAtEnd(QStringLiteral("TxtUTC"));
        c("TxtUTC").selStart = 0;
        return false;
    }
    text("TxtUTC") = time.toString(QStringLiteral("HH:mm"));
    nowTime_ = text("TxtUTC");
    enable("CmdEnterCall", true);
    if (s_.OffLineInput == 100 && text("TxtRSTR2").trimmed().isEmpty())
        focusAtEnd(QStringLiteral("TxtRSTR2"));
    else
        focusCall();
    return true;
}

void DeskForm::keyPressDate(int& ascii) {
    if (ascii == 32 || ascii == 9) {
        ascii = 0;
        if (spaceAdvance_) {
            spaceAdvance_ = false;
            enable("CmdEnterCall", true);
            validateDate();
        }
        return;
    }
    if (ascii == 13 || ascii == 27) {
        ascii = 0;
        return;
    }
    forms::Control& f = c("TxtDate");
    if (ascii > 32 && (f.text.size() == 2 || f.text.size() == 5) && f.selLength == 0 &&
        f.selStart == f.text.size()) {
        f.text += QLatin1Char('.');
        f.selStart = static_cast<int>(f.text.size());
    }
}

bool DeskForm::validateDate() {
    const QString t = text("TxtDate").trimmed();
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
        forms::askRecorded(s_, box_, forms::msg::kOkOnly, QLatin1String(desk_text::kBadDate),
                           QString());
        text("TxtDate") = QStringLiteral(" ");
        setFocus(QStringLiteral("TxtDate"));
        c("TxtDate").selStart = 0;
        return false;
    }
    text("TxtDate") = date.toString(QStringLiteral("dd.MM.yy"));
    nowDate_ = text("TxtDate");
    if (s_.OffLineInput == 100) {
        if (text("TxtUTC").trimmed().isEmpty())
            focusAtEnd(QStringLiteral("TxtUTC"));
        else if (text("TxtRSTR2").trimmed().isEmpty())
            focusAtEnd(QStringLiteral("TxtRSTR2"));
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
        enable("CmdEnterCall", false);
        return;
    }
    for (int i = 0; i < 6; ++i)
        if (control == QStringLiteral("Cmd%1").arg(kBands[static_cast<std::size_t>(i)])) {
            switchBand(kBands[static_cast<std::size_t>(i)]);
            return;
        }
    if (control == QLatin1String("CmdCW") || control == QLatin1String("CmdSSB")) {
        control == QLatin1String("CmdCW") ? switchToCw() : switchToSsb();
        prepareSentExchange();
        return;
    }
    if (control == QLatin1String("CmdEnterCall")) {
        commitQso();
        focusCall();
        return;
    }
    if (control == QLatin1String("CmdAbbruchX")) {
        abort();
        return;
    }
    if (control.startsWith(QLatin1String("OpB")) || control == QLatin1String("Opb75")) {
        for (const char* weighting : {"OpB50", "OpB62", "Opb75"}) // one CW weighting at a time
            c(weighting).checked = control == QLatin1String(weighting);
        return;
    }
    if (control == QLatin1String("mnuUndo")) {
        undo();
        return;
    }
    if (control == QLatin1String("mnuAnfang")) {
        s_.SetupDone = 100;
        if (onReturnToSetup) onReturnToSetup();
        return;
    }
    if (control == QLatin1String("mnuBeenden")) {
        const int answer =
            forms::askRecorded(s_, box_, 36, QStringLiteral("DO YOU WANT TO EXIT PROGRAMM ?"),
                               QStringLiteral("EXIT  ?"));
        if (answer == forms::msg::kYes && onExit) onExit();
        return;
    }
    if (control == QLatin1String("list1")) {
        pickListChosen();
        return;
    }
    if (control == QLatin1String("List2")) {
        list2Chosen();
        return;
    }
    if (control.startsWith(QLatin1String("CmdF"))) {
        const int n = control.mid(4).toInt();
        if (n >= 1 && n <= 11 && !keys_.busy() && s_.OffLineInput != 100)
            keys_.messageKey(*this, n, false, control);
    }
}

void DeskForm::onDblClick(const QString& control) {
    if (control == QLatin1String("TxtUTC") || control == QLatin1String("TxtDate")) {
        ctl(control).text.clear();
        ctl(control).selStart = 0;
    } else if (control == QLatin1String("DBGrid9")) {
        deleteSelectedQso();
    }
}

void DeskForm::onFocusIn(const QString& control) {
    if (control == QLatin1String("TxtRSTR2") || control == QLatin1String("TxtUTC") ||
        control == QLatin1String("TxtDate") ||
        (control == QLatin1String("txtIndic") && trimmedCall().size() < 3))
        enable("CmdEnterCall", false);
}

void DeskForm::onFocusOut(const QString& control) {
    if (control == QLatin1String("TxtRSTR2")) enable("CmdEnterCall", true);
}

} // namespace korvel
