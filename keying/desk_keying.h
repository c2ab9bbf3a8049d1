#pragma once
// The desk's message keys: CW messages keyed by the PC (F1 to F11, Alt+F3, the CmdF
// buttons) with their macros, dupe answers, logging and the automatic CQ repeat, and the
// voice keyer of SSB (F1 to F7 with its repeat).
//
// Threads: everything here runs on the desk's (user-interface) thread. Only the keyer
// works elsewhere; what it reports is handed back to this thread before it touches the
// desk: with Delivery::Queued through the event loop of the thread that made this
// object, with Delivery::Direct at once (a fake keyer driven by the test's own calls).
//
// Keying is asynchronous: a message key starts the message and returns; the rest of the
// key's procedure (logging after a "#8" message, the repeat, the cursor) runs when the
// keyer reports the end. busy() is true in between: the desk ignores message keys then,
// and Esc or End (stop()) end the message before its next element.

#include "desk/desk_controls.h"
#include "desk/message_keys.h"
#include "keying/cw_plan.h"
#include "keying/keyer.h"
#include "keying/macros.h"
#include "platform/audio.h"
#include "platform/control_line.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>

namespace korvel {
struct SharedState;
namespace forms {
class MessageBox;
}
} // namespace korvel

namespace korvel::keying {

class CwDaemonKeyer;

// Texts the keying shows.
namespace keying_text {
inline constexpr const char* kNoPort =
    "PortComm inexistent sau incorect setat! Nu exista legatura TRCV - PC !";
inline constexpr const char* kLineLost = "CW/PTT INTERFACE LOST (ComPort %1): MESSAGE CUT SHORT";
inline constexpr const char* kWavMissing = "VOICE MESSAGE FILE MISSING: %1";
inline constexpr const char* kWavFailed = "VOICE MESSAGE COULD NOT BE PLAYED: %1";
inline constexpr const char* kNotLogged =
    "QSO NOT LOGGED: THE ENTRY CHANGED WHILE THE MESSAGE WAS SENT";
} // namespace keying_text

class DeskKeying : public MessageKeys {
public:
    enum class Delivery { Queued, Direct };

    DeskKeying(SharedState& state, forms::MessageBox& box, platform::SerialPorts& ports,
               Keyer& keyer, platform::AudioOutput& audio, Delivery delivery = Delivery::Queued);
    ~DeskKeying() override;
    DeskKeying(const DeskKeying&) = delete;
    DeskKeying& operator=(const DeskKeying&) = delete;

    void messageKey(DeskForm& desk, int key, bool alt, const QString& control) override;
    bool busy() const override { return keying_ || playing_; }
    void speedKey(DeskForm& desk, int delta) override;
    void stop(DeskForm& desk) override;
    void operatorTyped(const QString& control) override;

    // Stops whatever runs and forgets the desk: call it before the desk goes away.
    void shutdown();

    // CW messages go to cwdaemon instead of the serial port's lines while `daemon` is set
    // (null: the serial port again). The daemon keys the expanded text with its own timing
    // at the desk's speed; the text shows whole while it is keyed, and a daemon that does
    // not report the end in time ends the message as a lost line does.
    void useDaemon(CwDaemonKeyer* daemon);

    // The last message (or repeat pause) was stopped with Esc or End.
    bool sendAborted() const { return sendAborted_; }
    // An automatic repeat of F1 (CW or voice) is under way.
    bool repeating() const { return repeat_ != Repeat::None; }
    // The message as keyed (after the macros).
    const QString& outgoingMessage() const { return outgoing_; }

    // Runs after every change made to the desk outside a key or a click (a character
    // keyed, a message ended, a pause run out), so that the window shows it.
    std::function<void()> onChanged;

private:
    enum class Repeat { None, CwPause, CwKeying, VoicePause, VoicePlaying };
    using Then = std::function<void()>;

    // CW message keys.
    void cwKey(DeskForm& desk, int key, bool alt, const QString& control);
    void keyF1(DeskForm& desk);
    void keyDupeChecked(DeskForm& desk, int key);
    void keyLogging(DeskForm& desk, int key, const QString& control);
    void sendMessage(DeskForm& desk, const QString& message, bool keepDupeAnswer, Then then);
    Expanded expand(DeskForm& desk, const QString& message);
    void keyCw(DeskForm& desk, const QString& message, Then then);
    void cwCharacter(std::uint64_t id, int index, double wpm);
    void cwDone(std::uint64_t id, KeyResult result);
    void keyDaemon(DeskForm& desk, const QString& message, Then then);

    // Voice keys.
    void voiceKey(DeskForm& desk, int key);
    void playVoiceMessage(DeskForm& desk, std::function<void(bool played)> then);
    void voiceDone(std::uint64_t id, bool played);

    // Shared by both.
    bool cwKeysOn() const;
    bool voiceKeysOn() const;
    std::unique_ptr<platform::ControlLines> openPort();
    void repeatCw() { repeatRound(false); }
    void repeatVoice() { repeatRound(true); }
    void repeatRound(bool voice);
    void startPause(bool voice, Then expired); // the pause of the CW (or voice) repeat
    void leaveRepeat();
    void post(std::function<void()> f);
    void changed();
    void light(int key, bool sending);
    void showError(const QString& text);
    bool operatorLeftCursor() const;

    SharedState& s_;
    forms::MessageBox& box_;
    platform::SerialPorts& ports_;
    Keyer& keyer_;
    platform::AudioOutput& audio_;
    Delivery delivery_;
    std::unique_ptr<QObject> context_; // queued callbacks die with it
    DeskForm* desk_ = nullptr;

    std::unique_ptr<platform::ControlLines> lines_;
    CwDaemonKeyer* daemon_ = nullptr;
    QMetaObject::Connection daemonDone_;
    std::uint64_t daemonId_ = 0; // the message the daemon is keying
    bool keying_ = false;
    bool playing_ = false;
    std::uint64_t generation_ = 0; // of the message, playback or pause under way
    Then then_;
    std::function<void(bool)> thenPlayed_;
    QString outgoing_;
    CwSettings cw_;
    QString wavPath_;

    // Desk flags of the message keys.
    bool sendAborted_ = false;
    bool stopRequested_ = false;
    bool analysePending_ = false;
    bool exchangeFocusPending_ = false;
    bool cwRepeatCancel_ = false;
    bool voiceRepeatCancel_ = false;
    Repeat repeat_ = Repeat::None;
    int litKey_ = 0; // the button lit green

    // The operator at work while a message goes out: the cursor is left alone then.
    QString focusAtStart_;
    bool typedDuringMessage_ = false;
    // The entry as it stood when a message that logs after keying began.
    std::array<QString, std::size(desk_ctl::kEntryFields)> entryAtStart_;
};

} // namespace korvel::keying
