#pragma once
// The radio's frequency and mode, read through Hamlib.
//
// A RigControl reads the radio on a thread of its own, every pollMs milliseconds, and
// reports through its signals on the thread that made it (through that thread's event
// loop): a reading when the frequency or the mode changed, lost() once when the radio
// stops answering or cannot be opened, and a reading again once it answers again. It
// retries in the background with a growing pause (1 s doubling up to 8 s). No call here
// waits for the radio: tune() is carried out on the reading thread.

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace korvel::platform {

// Hamlib's model numbers for its dummy rig (kept in the process) and for a rigctld
// reached over the network.
inline constexpr int kRigModelDummy = 1;
inline constexpr int kRigModelNetRigctl = 2;

struct RigParams {
    int model = kRigModelDummy;
    // For a serial rig the device file and its speed; for model 2 "host:port".
    QString path;
    int serialSpeed = 0; // 0: the model's default
    int pollMs = 200;
    // Pauses before a new attempt after a failure: first, then doubled up to the last.
    int retryFirstMs = 1000;
    int retryMaxMs = 8000;
};

struct RigReading {
    std::int64_t hz = 0;
    QString mode; // Hamlib's name of the mode: "CW", "CWR", "USB", "LSB", "AM", ...
    bool operator==(const RigReading&) const = default;
};

class RigControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~RigControl() override = default;
    // Starts reading the radio (again, with new parameters when it ran).
    virtual void start(const RigParams& params) = 0;
    // Stops reading; no signal comes after it returns.
    virtual void stop() = 0;
    // Sets the radio's frequency (and its mode, when one is given: "CW", "USB", ...).
    virtual void tune(std::int64_t hz, const QString& mode = {}) = 0;

signals:
    void reading(korvel::platform::RigReading reading);
    void lost(QString reason);
};

// One model of Hamlib's list, for the setup screen.
struct RigModel {
    int model;
    QString maker;
    QString name;
};
std::vector<RigModel> hamlibRigModels(); // ordered by maker, then name

// The radio through Hamlib.
class HamlibRig : public RigControl {
    Q_OBJECT
public:
    explicit HamlibRig(QObject* parent = nullptr);
    ~HamlibRig() override;
    void start(const RigParams& params) override;
    void stop() override;
    void tune(std::int64_t hz, const QString& mode = {}) override;

private:
    struct Tune {
        std::int64_t hz;
        QString mode;
    };
    void loop(RigParams params, std::uint64_t gen);
    void deliver(std::uint64_t gen, std::function<void()> emitIt);

    std::mutex mutex_;
    std::condition_variable wake_;
    bool quit_ = false;
    std::optional<Tune> tune_;
    std::atomic<std::uint64_t> generation_{0};
    std::thread thread_;
};

// A radio for tests: the test sets what it reads, takes it away and brings it back.
// Signals come at once, on the caller's thread.
class FakeRig : public RigControl {
    Q_OBJECT
public:
    using RigControl::RigControl;
    void start(const RigParams& params) override;
    void stop() override { running_ = false; }
    void tune(std::int64_t hz, const QString& mode = {}) override;

    void set(std::int64_t hz, const QString& mode);
    void goAway(const QString& reason = QStringLiteral("no answer"));
    void comeBack();

    bool running() const { return running_; }
    bool present() const { return present_; }
    const RigParams& params() const { return params_; }
    std::vector<RigReading> tuned; // what tune() was asked for

private:
    RigParams params_;
    RigReading now_{14000000, QStringLiteral("CW")};
    bool running_ = false;
    bool present_ = true;
};

} // namespace korvel::platform

Q_DECLARE_METATYPE(korvel::platform::RigReading)
