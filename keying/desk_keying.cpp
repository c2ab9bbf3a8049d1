// The CW message keys of the desk and what they share with the voice keys.
#include "keying/desk_keying.h"

#include "core/recorded_ask.h"
#include "core/shared_state.h"
#include "desk/desk_form.h"
#include "forms/message_box.h"
#include "keying/cwdaemon_keyer.h"

#include <QMetaObject>

#include <algorithm>
#include <cmath>

namespace korvel::keying {

namespace colour = forms::colour;

namespace {

Weighting weighting(const DeskForm& desk) {
    switch (desk.cwWeighting()) {
    case 50: return Weighting::W50;
    case 62: return Weighting::W62;
    case 75: return Weighting::W75;
    default: return Weighting::None;
    }
}

// The number a pause field starts with, in seconds ("3", "2.5", "4 s"); 0 for none.
double leadingSeconds(const QString& text) {
    const QString t = text.trimmed();
    qsizetype n = 0;
    while (n < t.size() && (t[n].isDigit() || t[n] == QLatin1Char('.')))
        ++n;
    return std::max(0.0, t.left(n).toDouble());
}

} // namespace

DeskKeying::DeskKeying(SharedState& state, forms::MessageBox& box, platform::SerialPorts& ports,
                       Keyer& keyer, platform::AudioOutput& audio, Delivery delivery)
    : s_(state), box_(box), ports_(ports), keyer_(keyer), audio_(audio), delivery_(delivery),
      context_(std::make_unique<QObject>()) {}

DeskKeying::~DeskKeying() {
    shutdown();
}

void DeskKeying::shutdown() {
    desk_ = nullptr; // late reports find no desk and are dropped
    if (daemon_ && keying_) daemon_->abort();
    ++generation_;
    keyer_.shutdown();
    audio_.stop();
    lines_.reset();
    keying_ = playing_ = false;
    repeat_ = Repeat::None;
    then_ = nullptr;
    thenPlayed_ = nullptr;
}

// ---------------------------------------------------------------------------------------
// The keys the desk hands over.

void DeskKeying::messageKey(DeskForm& desk, int key, bool alt, const QString& control) {
    desk_ = &desk;
    if (busy()) return;
    focusAtStart_ = desk.focus();
    typedDuringMessage_ = false;
    if (cwKeysOn()) {
        if (alt && key != 3) return;
        leaveRepeat(); // a message key ends a repeat waiting for its pause
        cwKey(desk, key, alt, control);
    } else if (voiceKeysOn()) {
        // The voice messages answer the keys in the entry fields, not the buttons.
        if (alt || key > 7 || desk_ctl::messageButtonNumber(control) != 0) return;
        leaveRepeat();
        voiceKey(desk, key);
    }
}

bool DeskKeying::cwKeysOn() const {
    return s_.Mode == QLatin1String("CW") && s_.CwByPc == Flag::On && s_.OffLineInput != Flag::On;
}

bool DeskKeying::voiceKeysOn() const {
    return s_.Mode == QLatin1String("SSB") && s_.SoundCard == Flag::On && s_.SsbByPc == Flag::On &&
           s_.OffLineInput != Flag::On;
}

void DeskKeying::speedKey(DeskForm& desk, int delta) {
    if (s_.Mode != QLatin1String("CW") || s_.CwByPc != Flag::On) return;
    const double wpm = desk.cwSpeed() + delta;
    desk.setCwSpeed(delta > 0 ? std::min(wpm, 40.0) : std::max(wpm, 10.0));
    if (daemon_) daemon_->setSpeed(static_cast<int>(std::lround(desk.cwSpeed())));
}

void DeskKeying::stop(DeskForm& desk) {
    desk_ = &desk;
    if (keying_) {
        stopRequested_ = true;
        if (daemon_)
            daemon_->abort();
        else
            keyer_.stop();
    } else if (playing_) {
        stopRequested_ = true;
        audio_.stop();
    } else if (repeat_ == Repeat::CwPause || repeat_ == Repeat::VoicePause) {
        sendAborted_ = true;
        leaveRepeat();
    }
}

void DeskKeying::operatorTyped(const QString& control) {
    if (busy()) typedDuringMessage_ = true;
    cwRepeatCancel_ = true;
    if (control == desk_ctl::txtIndic) voiceRepeatCancel_ = true;
    if (repeat_ == Repeat::CwPause) {
        cwRepeatCancel_ = false;
        leaveRepeat();
    } else if (repeat_ == Repeat::VoicePause && voiceRepeatCancel_) {
        voiceRepeatCancel_ = false;
        leaveRepeat();
    }
}

// ---------------------------------------------------------------------------------------
// CW message keys.

void DeskKeying::cwKey(DeskForm& desk, int key, bool alt, const QString& control) {
    if (alt) { // Alt+F3: the last logged QSO's call, report and exchange once more
        s_.LookupCall = desk.trimmedCall();
        keyCw(desk, expand(desk, desk.lastLoggedText()).text, nullptr);
        return;
    }
    switch (key) {
    case 1: keyF1(desk); return;
    case 2:
    case 4: keyDupeChecked(desk, key); return;
    case 3:
    case 5: keyLogging(desk, key, control); return;
    default: {
        light(key, true);
        const QString text = desk.messageText(key);
        sendMessage(desk, text, false, [this, key] { light(key, false); });
    }
    }
}

void DeskKeying::keyF1(DeskForm& desk) {
    cwRepeatCancel_ = false;
    light(1, true);
    s_.LookupCall = desk.trimmedCall();
    keyCw(desk, expand(desk, desk.messageText(1)).text, [this] {
        const bool repeat = s_.CwRepeat == Flag::On && !sendAborted_;
        if (!operatorLeftCursor()) {
            DeskForm& d = *desk_;
            if (d.trimmedCall().size() < 3 || !d.receivedExchange().trimmed().isEmpty())
                d.focusCall();
            else
                d.focusExchange();
        }
        if (repeat) {
            repeatCw();
        } else {
            light(1, false);
        }
    });
}

// F2 and F4: a dupe gets its answer once ("CALL QSO B4", or a word space for F4); the
// next press of the key sends its normal text.
void DeskKeying::keyDupeChecked(DeskForm& desk, int key) {
    light(key, true);
    exchangeFocusPending_ = true;
    s_.LookupCall = desk.trimmedCall();
    const bool answered = desk.dupeState() == DupeState::Answered;
    if (desk.dupeState() != DupeState::Refused && !answered) desk.checkDupe();
    QString message;
    bool keepAnswered = answered;
    if (desk.dupeState() == DupeState::Refused && desk.callRefused()) {
        desk.setDupeState(DupeState::Answered);
        message = key == 2 ? desk.trimmedCall() + QStringLiteral(" QSO B4") : QStringLiteral(" ");
        keepAnswered = true;
    } else {
        desk.setDupeState(DupeState::None);
        message = desk.messageText(key == 2 ? 2 : 4);
    }
    analysePending_ = true;
    sendMessage(desk, message, keepAnswered, [this, key] {
        DeskForm& d = *desk_;
        if (!operatorLeftCursor()) {
            if (key == 4 && d.trimmedCall().size() < 2)
                d.focusCall();
            else
                d.focusExchange();
        }
        light(key, false);
    });
}

// F3 and F5: only a complete entry is sent; a "#8" message logs the QSO once it has gone
// out unstopped.
void DeskKeying::keyLogging(DeskForm& desk, int key, const QString& control) {
    light(key, true);
    if (!desk.checkEntry()) {
        askRecorded(s_, box_, forms::msg::kOkOnly | forms::msg::kExclamation,
                    QLatin1String(desk_text::kIncomplete), QString());
        desk.refreshLogGrid();
        light(key, false);
        return;
    }
    const bool button = desk_ctl::messageButtonNumber(control) != 0;
    if (button || control == desk_ctl::TxtRSTR2) {
        desk.padSerial();
        desk.detectMultiplier();
    }
    s_.LookupCall = desk.trimmedCall();
    const Expanded e = expand(desk, desk.messageText(key == 3 ? 3 : 5));
    entryAtStart_ = desk.entryTexts();
    keyCw(desk, e.text, [this, key, button] {
        DeskForm& d = *desk_;
        // The QSO is stored as it stood when the key was pressed; when the operator has
        // changed it meanwhile, Enter decides.
        const bool unchanged = d.entryTexts() == entryAtStart_;
        if (button) d.finishExchange();
        if (d.logOnSend() && !sendAborted_) {
            if (unchanged)
                d.commitQso();
            else
                showError(QLatin1String(keying_text::kNotLogged));
        }
        d.setEntryComplete(false);
        d.setLogOnSend(false);
        sendAborted_ = false;
        if (!operatorLeftCursor()) {
            if (d.trimmedCall().size() < 3 || !d.receivedExchange().trimmed().isEmpty())
                d.focusCall();
            else
                d.focusExchange();
        }
        light(key, false);
    });
}

// F2, F4 and F6 to F11. A "#8" message logs the QSO before it is keyed.
void DeskKeying::sendMessage(DeskForm& desk, const QString& message, bool keepDupeAnswer,
                             Then then) {
    s_.LookupCall = desk.trimmedCall();
    if (analysePending_) {
        analysePending_ = false;
        desk.analyseCall();
        // The analysis finds the dupe again; its answer has been sent all the same.
        if (keepDupeAnswer && desk.dupeState() == DupeState::Refused)
            desk.setDupeState(DupeState::Answered);
    }
    if (exchangeFocusPending_) desk.focusExchange();
    const Expanded e = expand(desk, message);
    bool refused = false;
    if (desk.logOnSend()) {
        desk.setLogOnSend(false);
        if (!desk.checkEntry()) {
            askRecorded(s_, box_, forms::msg::kOkOnly | forms::msg::kExclamation,
                        QLatin1String(desk_text::kIncomplete), QString());
            desk.refreshLogGrid();
            refused = true;
        } else {
            desk.detectMultiplier();
            desk.commitQso();
            desk.setEntryComplete(false);
        }
    }
    auto finish = [this, then = std::move(then)] {
        DeskForm& d = *desk_;
        if (!operatorLeftCursor()) {
            if (d.receivedExchange().trimmed().isEmpty()) d.focusExchange();
            if (d.trimmedCall().isEmpty()) d.focusCall();
            if (exchangeFocusPending_) d.focusExchange();
        }
        exchangeFocusPending_ = false;
        if (then) then();
    };
    if (refused)
        finish();
    else
        keyCw(desk, e.text, std::move(finish));
}

Expanded DeskKeying::expand(DeskForm& desk, const QString& message) {
    const MacroValues values{s_.MyCall.trimmed(), s_.LookupCall, desk.sentExchange().trimmed(),
                             s_.MyQRA.trimmed()};
    Expanded e = expandMacros(message, values);
    if (e.logOnSend) desk.setLogOnSend(true);
    outgoing_ = e.text;
    return e;
}

void DeskKeying::keyCw(DeskForm& desk, const QString& message, Then then) {
    sendAborted_ = stopRequested_ = false;
    if (daemon_) return keyDaemon(desk, message, std::move(then));
    lines_ = openPort();
    CwSettings settings = cw_;
    settings.wpm = desk.cwSpeed();
    settings.weighting = weighting(desk);
    CwPlan plan = compileCw(message, settings);
    cw_.previous = settings.previous; // the speed changes as the characters are reached
    desk.clearKeyedText();
    keying_ = true;
    focusAtStart_ = desk.focus();
    typedDuringMessage_ = false;
    then_ = std::move(then);
    const std::uint64_t id = ++generation_;
    KeyerEvents events;
    events.shown = [this, id](int index, double wpm) {
        post([this, id, index, wpm] { cwCharacter(id, index, wpm); });
    };
    events.done = [this, id](KeyResult r) { post([this, id, r] { cwDone(id, r); }); };
    keyer_.key(std::move(plan), lines_.get(), std::move(events));
}

void DeskKeying::cwCharacter(std::uint64_t id, int index, double wpm) {
    if (id != generation_ || !desk_ || index >= outgoing_.size()) return;
    desk_->addKeyedCharacter(outgoing_[index]);
    if (wpm > 0) desk_->setCwSpeed(wpm);
    changed();
}

void DeskKeying::cwDone(std::uint64_t id, KeyResult result) {
    if (id != generation_ || !desk_) return;
    DeskForm& d = *desk_;
    keying_ = false;
    lines_.reset();
    if (result.stopped || stopRequested_) sendAborted_ = true;
    if (result.lineLost && !daemon_)
        showError(QString::fromLatin1(keying_text::kLineLost).arg(s_.ComPort));
    d.clearKeyedText();
    if (!operatorLeftCursor()) {
        d.focusCall();
        if (exchangeFocusPending_) d.focusExchange();
    }
    Then then = std::move(then_);
    then_ = nullptr;
    if (then) then();
    changed();
}

void DeskKeying::useDaemon(CwDaemonKeyer* daemon) {
    QObject::disconnect(daemonDone_);
    daemon_ = daemon;
    if (daemon_)
        daemonDone_ = QObject::connect(daemon_, &CwDaemonKeyer::finished, context_.get(),
                                       [this](KeyResult r) { cwDone(daemonId_, r); });
}

void DeskKeying::keyDaemon(DeskForm& desk, const QString& message, Then then) {
    desk.clearKeyedText();
    keying_ = true;
    focusAtStart_ = desk.focus();
    typedDuringMessage_ = false;
    then_ = std::move(then);
    daemonId_ = ++generation_;
    const int wpm = static_cast<int>(std::lround(desk.cwSpeed()));
    if (wpm != daemon_->speed()) daemon_->setSpeed(wpm);
    daemon_->setPanelWeighting(weighting(desk));
    for (const QChar ch : message) // the daemon reports no progress: the text shows whole
        desk.addKeyedCharacter(ch);
    if (!daemon_->send(message)) cwDone(daemonId_, {false, true});
}

// One round of the automatic repeat of F1 (CW or voice): the pause, with its field red,
// unless typing has cancelled the repeat; then the message again, with the field yellow
// (CW) or green (voice), and the next round unless the message was stopped.
void DeskKeying::repeatRound(bool voice) {
    bool& cancel = voice ? voiceRepeatCancel_ : cwRepeatCancel_;
    if (cancel) {
        cancel = false;
        repeat_ = voice ? Repeat::VoicePlaying : Repeat::CwKeying; // for leaveRepeat()
        leaveRepeat();
        return;
    }
    repeat_ = voice ? Repeat::VoicePause : Repeat::CwPause;
    startPause(voice, [this, voice] {
        if (!(voice ? voiceKeysOn() : cwKeysOn())) { // the mode changed meanwhile
            leaveRepeat();
            return;
        }
        DeskForm& d = *desk_;
        d.colourPause(voice, voice ? colour::kGreen : colour::kYellow);
        repeat_ = voice ? Repeat::VoicePlaying : Repeat::CwKeying;
        auto next = [this, voice](bool sent) {
            if (!sent || sendAborted_)
                leaveRepeat();
            else
                repeatRound(voice);
        };
        if (voice)
            playVoiceMessage(d, next);
        else
            keyCw(d, expand(d, d.messageText(1)).text, [next] { next(true); });
    });
}

// ---------------------------------------------------------------------------------------
// Shared by CW and voice.

std::unique_ptr<platform::ControlLines> DeskKeying::openPort() {
    QString why;
    std::unique_ptr<platform::ControlLines> lines = ports_.open(s_.ComPort, &why);
    if (!lines) {
        askRecorded(s_, box_, forms::msg::kOkOnly | forms::msg::kExclamation,
                    QLatin1String(keying_text::kNoPort), QString());
        s_.CwByPc = Flag::Unset;
        s_.SsbByPc = Flag::Unset;
    }
    return lines;
}

void DeskKeying::startPause(bool voice, Then expired) {
    DeskForm& d = *desk_;
    d.colourPause(voice, colour::kRed);
    const double seconds = leadingSeconds(d.pauseText(voice));
    const std::uint64_t id = ++generation_;
    keyer_.pause(static_cast<std::int64_t>(seconds * 1000), [this, id, expired] {
        post([this, id, expired] {
            if (id != generation_ || !desk_) return;
            expired();
            changed();
        });
    });
}

void DeskKeying::leaveRepeat() {
    if (repeat_ == Repeat::None || !desk_) return;
    if (repeat_ == Repeat::CwPause || repeat_ == Repeat::VoicePause) {
        keyer_.cancelPause();
        ++generation_;
    }
    if (repeat_ == Repeat::CwPause || repeat_ == Repeat::CwKeying)
        desk_->colourPause(false, colour::kYellow);
    else
        desk_->colourPause(true, forms::Rgb{192, 255, 255});
    repeat_ = Repeat::None;
    light(1, false);
}

void DeskKeying::post(std::function<void()> f) {
    if (delivery_ == Delivery::Direct)
        f();
    else
        QMetaObject::invokeMethod(context_.get(), std::move(f), Qt::QueuedConnection);
}

void DeskKeying::changed() {
    if (onChanged) onChanged();
}

void DeskKeying::light(int key, bool sending) {
    if (desk_) desk_->lightMessageKey(key, sending);
}

void DeskKeying::showError(const QString& text) {
    if (desk_) desk_->showError(text);
}

// The operator typed in the desk or moved the cursor while the message went out: the
// cursor stays where the operator is.
bool DeskKeying::operatorLeftCursor() const {
    return typedDuringMessage_ || !desk_ || desk_->focus() != focusAtStart_;
}

} // namespace korvel::keying
