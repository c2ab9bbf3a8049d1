#pragma once
// The station around the desk, wired to it: the radio read through Hamlib, the telnet DX
// cluster and keying through cwdaemon, each made and started from the station's settings
// file when it is switched on there. Everything reaches the desk on the thread of the
// user interface (the radio is read on a thread of its own and reports through the event
// loop); what goes wrong is said in the desk's error line and retried in the background,
// so that no key waits for the radio, the node or the daemon.

#include "core/station_settings.h"
#include "desk/desk_form.h"
#include "keying/cwdaemon_keyer.h"
#include "keying/desk_keying.h"
#include "platform/rig_control.h"
#include "platform/telnet_cluster.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace korvel {

class StationLink : public QObject {
public:
    // Makes the radio: the real one reads Hamlib; tests hand in a fake.
    using RigMaker = std::function<std::unique_ptr<platform::RigControl>()>;

    StationLink(DeskForm& desk, keying::DeskKeying& keys, const SharedState& state,
                RigMaker makeRig = {});
    ~StationLink() override;

    // Stops whatever runs and starts what `settings` switches on.
    void apply(const StationSettings& settings);
    // Stops everything: the desk keys through the serial port again.
    void stop();

    platform::RigControl* rig() { return rig_.get(); }
    platform::TelnetCluster* cluster() { return cluster_.get(); }
    keying::CwDaemonKeyer* daemon() { return daemon_.get(); }

    // After every change made to the desk from here, so that the window shows it.
    std::function<void()> onChanged;

private:
    void changed();
    void startRig(const StationSettings& st);
    void startCluster(const StationSettings& st);
    void startDaemon(const StationSettings& st);

    DeskForm& desk_;
    keying::DeskKeying& keys_;
    const SharedState& s_;
    RigMaker makeRig_;
    std::unique_ptr<platform::RigControl> rig_;
    std::unique_ptr<platform::TelnetCluster> cluster_;
    std::unique_ptr<keying::CwDaemonKeyer> daemon_;
    QTimer expiry_;
};

} // namespace korvel
