#include "app/station_link.h"

#include <QDateTime>

#include <cmath>

namespace korvel {

namespace {

// How often spots older than the settings' minutes leave the band map.
constexpr int kExpiryMs = 30 * 1000;

platform::RigParams rigParams(const StationSettings& st) {
    platform::RigParams p;
    p.model = st.rigModel;
    p.path = st.rigModel == platform::kRigModelNetRigctl
                 ? QStringLiteral("%1:%2").arg(st.rigHost).arg(st.rigPort)
                 : st.rigDevice;
    p.serialSpeed = st.rigSerialSpeed;
    p.pollMs = st.rigPollMs;
    return p;
}

} // namespace

StationLink::StationLink(DeskForm& desk, keying::DeskKeying& keys, const SharedState& state,
                         RigMaker makeRig)
    : desk_(desk), keys_(keys), s_(state), makeRig_(std::move(makeRig)) {
    if (!makeRig_) makeRig_ = [] { return std::make_unique<platform::HamlibRig>(); };
    connect(&expiry_, &QTimer::timeout, this, [this] {
        desk_.expireSpots(QDateTime::currentDateTimeUtc());
        changed();
    });
}

StationLink::~StationLink() {
    stop();
}

void StationLink::stop() {
    expiry_.stop();
    desk_.onTune = nullptr;
    desk_.onClusterCommand = nullptr;
    keys_.useDaemon(nullptr);
    if (rig_) rig_->stop();
    rig_.reset();
    if (cluster_) cluster_->stop();
    cluster_.reset();
    if (daemon_) daemon_->stop();
    daemon_.reset();
    desk_.showStation(false, false);
}

void StationLink::apply(const StationSettings& settings) {
    stop();
    if (settings.rigOn) startRig(settings);
    if (settings.clusterOn) startCluster(settings);
    if (settings.cwDaemonOn) startDaemon(settings);
    desk_.showStation(settings.rigOn, settings.clusterOn);
    changed();
}

void StationLink::changed() {
    if (onChanged) onChanged();
}

void StationLink::startRig(const StationSettings& st) {
    rig_ = makeRig_();
    connect(rig_.get(), &platform::RigControl::reading, this,
            [this](const platform::RigReading& r) {
                desk_.followRadio(r.hz, r.mode);
                changed();
            });
    connect(rig_.get(), &platform::RigControl::lost, this, [this](const QString& reason) {
        desk_.radioLost(reason);
        changed();
    });
    desk_.onTune = [this](std::int64_t hz) {
        if (rig_) rig_->tune(hz);
    };
    rig_->start(rigParams(st));
}

void StationLink::startCluster(const StationSettings& st) {
    QString host;
    int port = 0;
    const QString node = st.clusterNodes.value(st.clusterNode);
    desk_.setSpotMinutes(st.spotMinutes);
    if (!splitNode(node, &host, &port)) {
        desk_.showError(QStringLiteral("CLUSTER: NO NODE host:port SET UP"));
        return;
    }
    cluster_ = std::make_unique<platform::TelnetCluster>();
    connect(cluster_.get(), &platform::TelnetCluster::received, this, [this](const QString& line) {
        desk_.clusterLine(line, QDateTime::currentDateTimeUtc());
        changed();
    });
    connect(cluster_.get(), &platform::TelnetCluster::problem, this, [this](const QString& text) {
        desk_.showError(QStringLiteral("CLUSTER: %1").arg(text));
        changed();
    });
    desk_.onClusterCommand = [this](const QString& command) {
        if (cluster_) cluster_->send(command);
    };
    platform::TelnetCluster::Params p;
    p.host = host;
    p.port = port;
    p.call = s_.MyCall.trimmed().toUpper();
    cluster_->start(p);
    expiry_.start(kExpiryMs);
}

void StationLink::startDaemon(const StationSettings& st) {
    daemon_ = std::make_unique<keying::CwDaemonKeyer>();
    connect(daemon_.get(), &keying::CwDaemonKeyer::problem, this, [this](const QString& text) {
        desk_.showError(text);
        changed();
    });
    keying::CwDaemonKeyer::Params p;
    p.host = st.cwDaemonHost;
    p.port = st.cwDaemonPort;
    p.wpm = static_cast<int>(std::lround(desk_.cwSpeed()));
    p.weighting = st.cwDaemonWeighting;
    daemon_->start(p);
    keys_.useDaemon(daemon_.get());
}

} // namespace korvel
