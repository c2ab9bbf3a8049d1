#include "platform/rig_control.h"

#include <hamlib/rig.h>

#include <QMetaObject>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>

namespace korvel::platform {

namespace {

// Hamlib is not safe to call from two threads at once (it switches the C locale while it opens
// a rig and formats numbers): every call from a polling thread holds this lock.
std::mutex& hamlibLock() {
    static std::mutex m;
    return m;
}

void quietHamlib() {
    static std::once_flag once;
    std::call_once(once, [] {
        qRegisterMetaType<RigReading>();
        rig_set_debug(RIG_DEBUG_NONE);
    });
}

int collectModel(const rig_caps* caps, rig_ptr_t data) {
    auto* models = static_cast<std::vector<RigModel>*>(data);
    models->push_back({static_cast<int>(caps->rig_model), QString::fromUtf8(caps->mfg_name),
                       QString::fromUtf8(caps->model_name)});
    return 1; // go on
}

QString hamlibError(int rc) {
    return QString::fromUtf8(rigerror(rc)).trimmed();
}

// Sets a configuration value by its name; Hamlib ignores names a model does not know.
void setConf(RIG* rig, const char* name, const QString& value) {
    const auto token = rig_token_lookup(rig, name);
    if (token != RIG_CONF_END) rig_set_conf(rig, token, value.toUtf8().constData());
}

} // namespace

// The list is a walk over Hamlib's tables; it does no input or output.
std::vector<RigModel> hamlibRigModels() {
    quietHamlib();
    std::lock_guard hamlib(hamlibLock()); // a radio may be read meanwhile
    std::vector<RigModel> models;
    rig_load_all_backends();
    rig_list_foreach(collectModel, &models);
    std::sort(models.begin(), models.end(), [](const RigModel& a, const RigModel& b) {
        return std::tie(a.maker, a.name, a.model) < std::tie(b.maker, b.name, b.model);
    });
    return models;
}

HamlibRig::HamlibRig(QObject* parent) : RigControl(parent) {
    quietHamlib();
}

HamlibRig::~HamlibRig() {
    stop();
}

void HamlibRig::start(const RigParams& params) {
    stop();
    std::lock_guard lock(mutex_);
    quit_ = false;
    const std::uint64_t gen = generation_;
    thread_ = std::thread([this, params, gen] { loop(params, gen); });
}

void HamlibRig::stop() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        tune_.reset();
        ++generation_;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void HamlibRig::tune(std::int64_t hz, const QString& mode) {
    {
        std::lock_guard lock(mutex_);
        tune_ = Tune{hz, mode};
    }
    wake_.notify_all();
}

// Signals are emitted on the thread of this object, and only while the run that asked
// for them has not been stopped.
void HamlibRig::deliver(std::uint64_t gen, std::function<void()> emitIt) {
    QMetaObject::invokeMethod(
        this,
        [this, gen, emitIt = std::move(emitIt)] {
            if (gen == generation_) emitIt();
        },
        Qt::QueuedConnection);
}

void HamlibRig::loop(RigParams p, std::uint64_t gen) {
    using namespace std::chrono;
    // Waits `ms` or until stopped (or, with `forTune`, until a tune request comes).
    // Returns false when stopped.
    auto wait = [this](int ms, bool forTune) {
        std::unique_lock lock(mutex_);
        wake_.wait_for(lock, milliseconds(ms),
                       [&] { return quit_ || (forTune && tune_.has_value()); });
        return !quit_;
    };
    int retryMs = p.retryFirstMs;
    bool down = false; // lost() was reported for the present outage
    auto fail = [&](const QString& reason) {
        if (!down) deliver(gen, [this, reason] { emit lost(reason); });
        down = true;
    };
    std::optional<RigReading> last;
    const QString what = p.model == kRigModelNetRigctl ? QStringLiteral("rigctld at %1")
                                                       : QStringLiteral("the radio on %1");
    while (wait(0, false)) {
        std::unique_lock hamlib(hamlibLock());
        RIG* rig = rig_init(static_cast<rig_model_t>(p.model));
        if (!rig) {
            fail(QStringLiteral("RIG CONTROL: Hamlib has no rig model %1").arg(p.model));
        } else {
            if (!p.path.isEmpty()) setConf(rig, "rig_pathname", p.path);
            if (p.serialSpeed > 0) setConf(rig, "serial_speed", QString::number(p.serialSpeed));
            setConf(rig, "timeout", QStringLiteral("500"));
            setConf(rig, "retry", QStringLiteral("0"));
            const int rc = rig_open(rig);
            hamlib.unlock();
            if (rc != RIG_OK) {
                fail(QStringLiteral("RIG CONTROL: cannot open %1: %2")
                         .arg(what.arg(p.path), hamlibError(rc)));
            } else {
                retryMs = p.retryFirstMs;
                while (true) {
                    std::optional<Tune> tune;
                    {
                        std::lock_guard lock(mutex_);
                        if (quit_) break;
                        tune.swap(tune_);
                    }
                    hamlib.lock();
                    if (tune) {
                        if (!tune->mode.isEmpty()) {
                            const rmode_t m = rig_parse_mode(tune->mode.toLatin1().constData());
                            if (m != RIG_MODE_NONE)
                                rig_set_mode(rig, RIG_VFO_CURR, m, RIG_PASSBAND_NOCHANGE);
                        }
                        rig_set_freq(rig, RIG_VFO_CURR, static_cast<freq_t>(tune->hz));
                    }
                    freq_t freq = 0;
                    const int frc = rig_get_freq(rig, RIG_VFO_CURR, &freq);
                    rmode_t mode = RIG_MODE_NONE;
                    pbwidth_t width = 0;
                    const int mrc = rig_get_mode(rig, RIG_VFO_CURR, &mode, &width);
                    const QString modeText =
                        mrc == RIG_OK ? QString::fromLatin1(rig_strrmode(mode)) : QString();
                    hamlib.unlock();
                    if (frc != RIG_OK) {
                        fail(QStringLiteral("RIG CONTROL: %1 does not answer: %2")
                                 .arg(what.arg(p.path), hamlibError(frc)));
                        break;
                    }
                    const RigReading r{std::llround(freq),
                                       mrc == RIG_OK ? modeText : (last ? last->mode : QString())};
                    if (down || !last || *last != r) deliver(gen, [this, r] { emit reading(r); });
                    down = false;
                    last = r;
                    if (!wait(std::max(p.pollMs, 10), true)) break;
                }
                hamlib.lock();
                rig_close(rig);
                hamlib.unlock();
            }
            hamlib.lock();
            rig_cleanup(rig);
        }
        if (hamlib.owns_lock()) hamlib.unlock();
        if (!wait(down ? retryMs : 0, false)) break;
        if (down) retryMs = std::min(retryMs * 2, p.retryMaxMs);
    }
}

void FakeRig::start(const RigParams& params) {
    params_ = params;
    running_ = true;
    if (present_)
        emit reading(now_);
    else
        emit lost(QStringLiteral("no answer"));
}

void FakeRig::tune(std::int64_t hz, const QString& mode) {
    tuned.push_back({hz, mode});
    set(hz, mode.isEmpty() ? now_.mode : mode);
}

void FakeRig::set(std::int64_t hz, const QString& mode) {
    now_ = {hz, mode};
    if (running_ && present_) emit reading(now_);
}

void FakeRig::goAway(const QString& reason) {
    present_ = false;
    if (running_) emit lost(reason);
}

void FakeRig::comeBack() {
    present_ = true;
    if (running_) emit reading(now_);
}

} // namespace korvel::platform
