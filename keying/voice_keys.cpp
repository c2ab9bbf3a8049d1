// The voice keyer: F1 to F7 in SSB play the recorded messages with the transmitter
// switched to send by RTS, and F1 can repeat itself with a pause.
#include "keying/desk_keying.h"

#include "core/shared_state.h"
#include "desk/desk_form.h"
#include "platform/files.h"

#include <QFileInfo>

namespace korvel::keying {

using platform::Line;

void DeskKeying::voiceKey(DeskForm& desk, int key) {
    wavPath_ = childPath(childPath(s_.DataDir, QStringLiteral("WAVDx")),
                         QStringLiteral("F%1.wav").arg(key));
    light(key, true);
    if (key == 1) voiceRepeatCancel_ = false;
    playVoiceMessage(desk, [this, key](bool played) {
        if (key == 1 && s_.SsbRepeat == Flag::On && played && !sendAborted_)
            repeatVoice();
        else
            light(key, false);
    });
}

void DeskKeying::playVoiceMessage(DeskForm& desk, std::function<void(bool)> then) {
    sendAborted_ = stopRequested_ = false;
    if (!QFileInfo::exists(wavPath_)) {
        showError(QString::fromLatin1(keying_text::kWavMissing).arg(wavPath_));
        then(false);
        return;
    }
    lines_ = openPort(); // without a port the message still plays, with no transmit switching
    if (lines_ && !(lines_->set(Line::Dtr, false) && lines_->set(Line::Rts, true))) {
        showError(QString::fromLatin1(keying_text::kLineLost).arg(s_.ComPort));
        lines_.reset();
    }
    playing_ = true;
    focusAtStart_ = desk.focus();
    typedDuringMessage_ = false;
    thenPlayed_ = std::move(then);
    const std::uint64_t id = ++generation_;
    audio_.play(wavPath_,
                [this, id](bool played) { post([this, id, played] { voiceDone(id, played); }); });
}

void DeskKeying::voiceDone(std::uint64_t id, bool played) {
    if (id != generation_ || !desk_) return;
    playing_ = false;
    if (lines_) {
        if (!lines_->set(Line::Rts, false))
            showError(QString::fromLatin1(keying_text::kLineLost).arg(s_.ComPort));
        lines_.reset();
    }
    if (stopRequested_)
        sendAborted_ = true;
    else if (!played)
        showError(QString::fromLatin1(keying_text::kWavFailed).arg(wavPath_));
    auto then = std::move(thenPlayed_);
    thenPlayed_ = nullptr;
    if (then) then(played && !stopRequested_);
    changed();
}

} // namespace korvel::keying
