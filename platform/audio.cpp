// Wave playback through Qt Multimedia (library korvel_audio_qt).
#include "platform/audio.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMetaObject>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace korvel::platform {

namespace {
constexpr int kLoadTimeoutMs = 5000;
}

QtAudioOutput::QtAudioOutput() = default;

QtAudioOutput::~QtAudioOutput() {
    done_ = nullptr; // nobody is left to tell
    effect_.reset();
}

int QtAudioOutput::outputCount() const {
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

void QtAudioOutput::play(const QString& path, std::function<void(bool)> done) {
    stop();
    done_ = std::move(done);
    started_ = false;
    // Every playback gets its own effect: signals of an earlier one cannot reach it.
    effect_ = std::make_unique<QSoundEffect>();
    QSoundEffect* e = effect_.get();
    if (!QFileInfo::exists(path) || outputCount() == 0) {
        QMetaObject::invokeMethod(
            e, [this] { finish(false); }, Qt::QueuedConnection);
        return;
    }
    // A sound system that never answers must not hold the desk: give up on loading.
    QTimer::singleShot(kLoadTimeoutMs, e, [this, e] {
        if (e == effect_.get() && !started_) finish(false);
    });
    const auto startWhenReady = [this, e] {
        if (e != effect_.get()) return;
        if (e->status() == QSoundEffect::Error) {
            finish(false);
        } else if (e->status() == QSoundEffect::Ready && !started_) {
            started_ = true;
            e->play();
        }
    };
    QObject::connect(e, &QSoundEffect::statusChanged, e, startWhenReady);
    QObject::connect(e, &QSoundEffect::playingChanged, e, [this, e] {
        if (e == effect_.get() && started_ && !e->isPlaying()) finish(true);
    });
    e->setSource(QUrl::fromLocalFile(path));
    startWhenReady();
}

void QtAudioOutput::stop() {
    started_ = false; // what stop() itself signals is no end of playback
    if (effect_) effect_->stop();
    finish(false);
}

void QtAudioOutput::finish(bool played) {
    // The effect may be the sender of the signal being handled: it goes later.
    if (effect_) effect_.release()->deleteLater();
    if (!done_) return;
    auto done = std::move(done_);
    done_ = nullptr;
    done(played);
}

} // namespace korvel::platform
