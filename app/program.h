#pragma once
// The program with its windows: the setup screen first, the QSO desk after START-CONTEST or the
// log review screen after LOG, and back to the setup screen from their first-page menus. The desk
// lives as long as the program; the setup screen is loaded each time it opens and unloaded when the
// desk takes over.

#include "app/help_window.h"
#include "app/qt_message_box.h"
#include "app/session.h"
#include "app/station_link.h"
#include "desk/desk_form.h"
#include "desk/message_keys.h"
#include "keying/desk_keying.h"
#include "keying/keyer.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/control_line.h"
#include "platform/rig_control.h"
#include "review/review_form.h"
#include "setup/setup_form.h"

#include <future>
#include <memory>
#include <optional>

class QWidget;

namespace korvel {

class DeskWindow;
class ReviewWindow;
class SetupWindow;

struct ProgramOptions {
    bool autoStart = false; // the command-line argument AUTO
    // Messages go here instead of real dialogs when set (tests).
    forms::MessageBox* messages = nullptr;
};

class Program {
public:
    Program(Session& session, ProgramOptions options);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Opens and loads the setup screen; the exit status when the program must end at once.
    std::optional<int> openSetup();

    SetupWindow* setupWindow() { return setupWindow_.get(); }
    DeskWindow* deskWindow() { return deskWindow_.get(); }
    ReviewWindow* reviewWindow() { return reviewWindow_.get(); }
    DeskForm& desk() { return desk_; }

private:
    void showDesk();
    void showReview();
    void openStation();

    Session& session_;
    ProgramOptions options_;
    QtMessageBox dialogs_;
    forms::MessageBox& box_;
    SystemClock clock_;
    // The keying: serial control lines, sound, the keyer thread, and the message keys that
    // drive them from the desk.
    platform::LinuxSerialPorts ports_;
    platform::QtAudioOutput audio_;
    keying::ThreadedKeyer keyer_;
    keying::DeskKeying keys_;
    DeskForm desk_;
    // The radio, the telnet cluster and cwdaemon, as the station's settings switch them on.
    StationLink station_{desk_, keys_, session_.state};
    // Hamlib's list of rig models, read on a thread of its own from the start.
    std::shared_future<std::vector<platform::RigModel>> rigModels_;
    HelpWindow help_;
    std::unique_ptr<SetupForm> setup_;
    std::unique_ptr<SetupWindow> setupWindow_;
    std::unique_ptr<DeskWindow> deskWindow_;
    std::unique_ptr<ReviewForm> review_;
    std::unique_ptr<ReviewWindow> reviewWindow_;
};

} // namespace korvel
