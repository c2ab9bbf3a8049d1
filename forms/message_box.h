#pragma once
// Modal messages. A screen asks through this interface; the window shows a real dialog,
// tests and replays answer from a script.
//
// The style number packs the buttons (style & 7), the icon (style & 0x70) and the
// default button (style & 0x300), and the answer is a button number, as operators'
// documentation and older settings give them.

#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace korvel::forms {

namespace msg {
// Buttons.
inline constexpr int kOkOnly = 0, kOkCancel = 1, kAbortRetryIgnore = 2, kYesNoCancel = 3,
                     kYesNo = 4, kRetryCancel = 5;
// Icons.
inline constexpr int kCritical = 16, kQuestion = 32, kExclamation = 48, kInformation = 64;
// Default button.
inline constexpr int kDefault2 = 256, kDefault3 = 512;
// Answers.
inline constexpr int kOk = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7;

// The buttons a style shows, in order, and the one Enter would press.
std::vector<int> buttons(int style);
int defaultAnswer(int style);
// The button Esc presses: Cancel where there is one, else No, else the only button; a
// box without any of these (Abort/Retry/Ignore) answers its default. Esc never says Yes.
int escapeAnswer(int style);
// "Yes" -> 6 and so on; nullopt for an unknown name.
std::optional<int> answerFromName(const QString& name);
QString answerName(int answer);
} // namespace msg

class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual int ask(int style, const QString& prompt, const QString& title) = 0;
};

// Answers from a queue; a message with no queued answer gets its default button.
// Every message shown is recorded and handed to an optional listener.
class ScriptedMessageBox : public MessageBox {
public:
    struct Shown {
        int style;
        QString prompt;
        QString title;
        int answer;
    };

    int ask(int style, const QString& prompt, const QString& title) override;
    void queueAnswer(int answer) { answers_.push_back(answer); }
    const std::vector<Shown>& shown() const { return shown_; }
    void clear() { shown_.clear(); }
    std::function<void(const Shown&)> onShown;

private:
    std::deque<int> answers_;
    std::vector<Shown> shown_;
};

} // namespace korvel::forms
