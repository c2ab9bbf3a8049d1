#pragma once
// Sound output for the voice keyer: how many output devices there are, and playing a
// wave file without blocking the caller. The Qt Multimedia implementation (QtAudioOutput)
// lives in its own library, korvel_audio_qt, so that code on QtCore alone never links
// the multimedia stack; the interface and the fake here need nothing but QtCore.

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QSoundEffect;

namespace korvel::platform {

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Number of audio output devices the sound system reports.
    virtual int outputCount() const = 0;
    // Starts playing a wave file and returns at once; `done` runs on the caller's thread
    // when playback has ended: true when the file played to its end, false when it could
    // not be played or was stopped. Playing again first stops what is playing.
    virtual void play(const QString& path, std::function<void(bool played)> done) = 0;
    // Stops playback; the pending `done` runs with false.
    virtual void stop() = 0;
};

// The `SoundCard` flag of the shared state: 100 when there is an output device.
inline int soundCardFlag(const AudioOutput& audio) {
    return audio.outputCount() > 0 ? 100 : 0;
}

// Plays nothing: records what was asked and ends a playback when the test says so.
class FakeAudioOutput : public AudioOutput {
public:
    int outputs = 1;
    std::vector<QString> played; // every file play() was called with

    int outputCount() const override { return outputs; }
    void play(const QString& path, std::function<void(bool)> done) override {
        stop();
        played.push_back(path);
        done_ = std::move(done);
    }
    void stop() override { finish(false); }
    bool playing() const { return static_cast<bool>(done_); }
    // Ends the playback under way.
    void finish(bool played = true) {
        if (!done_) return;
        auto done = std::move(done_);
        done_ = nullptr;
        done(played);
    }

private:
    std::function<void(bool)> done_;
};

// Qt Multimedia: wave files through QSoundEffect on the default output device. Create
// and use it on the thread that runs the event loop (the user-interface thread).
class QtAudioOutput : public AudioOutput {
public:
    QtAudioOutput();
    ~QtAudioOutput() override;
    int outputCount() const override;
    void play(const QString& path, std::function<void(bool)> done) override;
    void stop() override;

private:
    void finish(bool played);

    std::unique_ptr<QSoundEffect> effect_;
    std::function<void(bool)> done_;
    bool started_ = false;
};

} // namespace korvel::platform
