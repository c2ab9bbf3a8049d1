#include "app/program.h"

#include "app/desk_window.h"
#include "app/page_printer.h"
#include "app/review_window.h"
#include "app/setup_window.h"
#include "app/station_window.h"
#include "app/system_checks.h"
#include "core/screen_scale.h"
#include "store/qso_freq.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

namespace korvel {

namespace {

// Shows a window over the whole available screen, as the screens were drawn for.
void showFull(QWidget& window) {
    window.setGeometry(QApplication::primaryScreen()->availableGeometry());
    window.show();
    // The operator's first key reaches the screen, also where no window manager gives it
    // the keyboard.
    window.activateWindow();
}

} // namespace

Program::Program(Session& session, ProgramOptions options)
    : session_(session), options_(options),
      box_(options.messages ? *options.messages : static_cast<forms::MessageBox&>(dialogs_)),
      keys_(session.state, box_, ports_, keyer_, audio_),
      desk_(session.state, session.dbs, box_, clock_, keys_), help_(session.state.DataDir) {
    // What the keyer reports between keys (characters keyed, a message ended) shows at once.
    keys_.onChanged = [this] {
        if (deskWindow_) deskWindow_->sync();
    };
    station_.onChanged = keys_.onChanged; // readings, spots and station messages alike
    rigModels_ = std::async(std::launch::async, platform::hamlibRigModels).share();
    // EXIT confirmed on the desk ends the program at once: quit() would ask the desk window
    // to close, and its close asks EXIT again.
    desk_.onExit = [] { QApplication::exit(0); };
    desk_.onReturnToSetup = [this] {
        // The desk's handler is still running: the switch waits for the event loop.
        QTimer::singleShot(0, qApp, [this] {
            if (deskWindow_) deskWindow_->hide();
            if (const auto quit = openSetup()) QApplication::exit(*quit);
        });
    };
}

Program::~Program() {
    keys_.shutdown(); // nothing may reach the desk once it is going
}

std::optional<int> Program::openSetup() {
    SetupPlatform platform;
    const QSize screen = QApplication::primaryScreen()->size();
    platform.screenWidthPx = screen.width();
    platform.screenHeightPx = screen.height();
    platform.audioOutputs = audioOutputCount();
    platform.browserAvailable = [] { return webBrowserAvailable(); };
    platform.localNow = [] { return QDateTime::currentDateTime(); };
    platform.autoStart = options_.autoStart;
    setup_ = std::make_unique<SetupForm>(session_.state, session_.dbs, box_, &desk_, platform);
    // The window's fonts follow the scale the load sets: the same at the first opening as on
    // the way back from the desk.
    const ScreenScale scale = screenScale(screen.width(), screen.height());
    session_.state.ScaleX = scale.x;
    session_.state.ScaleY = scale.y;
    setupWindow_ = std::make_unique<SetupWindow>(*setup_);
    setupWindow_->onStation = [this] { openStation(); };
    dialogs_.setParent(setupWindow_.get());
    // The window shows filled in, before any message of the load appears over it.
    setup_->onShow = [this] {
        setupWindow_->sync();
        showFull(*setupWindow_);
    };
    setup_->onExit = [] { QApplication::quit(); };
    setup_->onHelp = [this](HelpLanguage language, int context) {
        help_.showTopic(language, context);
    };
    setup_->onContestStarted = [this] {
        // Unloading the setup screen waits until its menu handler has returned.
        QTimer::singleShot(0, qApp, [this] { showDesk(); });
    };
    setup_->onLog = [this] { QTimer::singleShot(0, qApp, [this] { showReview(); }); };
    if (auto quit = setup_->load()) return quit;
    setupWindow_->sync();
    // A size the layouts were not drawn for is said once, in the status line.
    setupWindow_->showStatus(setup_->resolutionNotice());
    return std::nullopt;
}

// START-CONTEST handed over: the desk shows, the setup screen is unloaded.
void Program::showDesk() {
    setupWindow_->hide();
    // The station around the desk as its settings file says now (the setup screen may have
    // changed it), and the log's frequency table beside LogGen.
    store::createQsoFreqTable(session_.dbs.log.connection());
    StationSettings station;
    const StationReadResult read =
        readStationFile(station, stationFilePath(session_.state.DataDir));
    station_.apply(station);
    if (!read.warning.isEmpty()) desk_.showError(read.warning);
    // A fresh window each time: it is laid out for the cluster choice and the language.
    deskWindow_ = std::make_unique<DeskWindow>(desk_, session_.state);
    deskWindow_->onHelp = [this](HelpLanguage language, int context) {
        help_.showTopic(language, context);
    };
    dialogs_.setParent(deskWindow_.get());
    showFull(*deskWindow_);
    deskWindow_->sync();
    setupWindow_.reset();
    setup_.reset();
}

// The station screen over the setup screen; the desk takes what it saved when it opens.
void Program::openStation() {
    std::vector<RigModelEntry> models;
    // Until Hamlib's list has been read the screen keeps the model number it has.
    if (rigModels_.valid() &&
        rigModels_.wait_for(std::chrono::seconds(0)) == std::future_status::ready)
        for (const platform::RigModel& m : rigModels_.get())
            models.push_back({m.model, m.maker + QLatin1Char(' ') + m.name});
    StationForm form(stationFilePath(session_.state.DataDir), std::move(models));
    StationWindow window(form, setupWindow_.get());
    window.exec();
}

// LOG handed over: the review screen shows, loaded anew, and the setup screen is unloaded.
void Program::showReview() {
    setupWindow_->hide();
    // The log and the summary sheet go to the default printer, or into a PDF file.
    static QtPagePrinter printer;
    ReviewOptions options;
    options.printer = &printer;
    review_ = std::make_unique<ReviewForm>(session_.state, session_.dbs, box_, options);
    review_->onExit = [] { QApplication::quit(); };
    review_->onHelp = [this](HelpLanguage language, int context) {
        help_.showTopic(language, context);
    };
    review_->onReturnToSetup = [this] {
        QTimer::singleShot(0, qApp, [this] {
            reviewWindow_->hide();
            if (const auto quit = openSetup()) return QApplication::exit(*quit);
            reviewWindow_.reset();
            review_.reset();
        });
    };
    review_->load();
    reviewWindow_ = std::make_unique<ReviewWindow>(*review_);
    dialogs_.setParent(reviewWindow_.get());
    showFull(*reviewWindow_);
    reviewWindow_->sync();
    setupWindow_.reset();
    setup_.reset();
}

} // namespace korvel
