#pragma once
// The station screen, opened from the setup screen: rig control through Hamlib, the telnet
// DX cluster and keying through cwdaemon, each switched on and set up here and kept in the
// station's own settings file (KorvelStation.dat) only. A form model like every screen:
// named controls, the focus, and the keyboard: Tab and Shift+Tab go round the controls,
// Space ticks a check box, Up and Down move in a list, Enter in the node field adds the node,
// Delete in the node list removes one, Enter on a button presses it, Esc cancels.

#include "core/station_settings.h"
#include "forms/form_model.h"

#include <QLatin1String>
#include <QString>

#include <functional>
#include <vector>

namespace korvel {

namespace station_ctl {
using Name = QLatin1String;
inline constexpr Name form{"FrmStation"};
inline constexpr Name ChkRig{"ChkRig"};             // rig control on
inline constexpr Name LstRigModel{"LstRigModel"};   // Hamlib's rig models
inline constexpr Name TxtRigDevice{"TxtRigDevice"}; // serial device of the rig
inline constexpr Name TxtRigSpeed{"TxtRigSpeed"};   // its speed, 0 for the model's own
inline constexpr Name TxtRigNet{"TxtRigNet"};       // rigctld "host:port" (model 2)
inline constexpr Name TxtRigPoll{"TxtRigPoll"};     // milliseconds between readings
inline constexpr Name ChkCluster{"ChkCluster"};     // telnet DX cluster on
inline constexpr Name LstNodes{"LstNodes"};         // the nodes "host:port"; the chosen one used
inline constexpr Name TxtNode{"TxtNode"};           // a node to add
inline constexpr Name TxtSpotAge{"TxtSpotAge"};     // minutes a spot stays on the band map
inline constexpr Name ChkCwDaemon{"ChkCwDaemon"};   // keying through cwdaemon on
inline constexpr Name TxtCwDaemon{"TxtCwDaemon"};   // cwdaemon "host:port"
inline constexpr Name TxtCwWeight{"TxtCwWeight"};   // its weighting, -50 .. 50
inline constexpr Name CmdSave{"CmdSave"};
inline constexpr Name CmdCancel{"CmdCancel"};
inline constexpr Name LblStatus{"LblStatus"}; // what is wrong with a value, or the file
} // namespace station_ctl

// One model of Hamlib's list as the screen shows it.
struct RigModelEntry {
    int model = 0;
    QString caption; // "Yaesu FT-991"
};

class StationForm : public forms::FormModel {
public:
    // `models` is Hamlib's list (read away from the user interface's thread); the file is
    // read at once.
    StationForm(QString path, std::vector<RigModelEntry> models);

    // Checks every value and writes the file; false (LblStatus says why, the focus is on the
    // value) when a value is wrong or the file could not be written.
    bool save();
    const StationSettings& settings() const { return settings_; }

    // The screen closes (after a save or a cancel).
    std::function<void()> onClose;

protected:
    void onKeyDown(const QString& control, forms::KeyEvent& e) override;
    void onClick(const QString& control) override;

private:
    void show();
    void addNode();
    void deleteNode();
    bool fail(station_ctl::Name control, const QString& why);
    int modelIndex(int model) const;

    QString path_;
    std::vector<RigModelEntry> models_;
    StationSettings settings_;
};

} // namespace korvel
