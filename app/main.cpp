// korvel [--dir PATH] [AUTO]
// korvel replay --dir DATA SCRIPT
// korvel --help | --version
// Developer option of both forms: --screenshot FILE saves the first screen (or the screen a
// replay ended on) to a PNG and ends.
#include "app/desk_window.h"
#include "app/page_printer.h"
#include "app/program.h"
#include "app/qt_message_box.h"
#include "app/replay.h"
#include "app/review_window.h"
#include "app/session.h"
#include "app/setup_window.h"
#include "forms/message_box.h"

#include "korvel_version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

// The desktop entry's name without ".desktop"; also the program's id in the AppStream data.
constexpr const char* kDesktopId = "org.korvel.Korvel";

// "0.1.0", followed by the commit when built from a git checkout: "0.1.0 (git 1a2b3c4d5e6f)".
QString versionText() {
    const QString commit = QStringLiteral(KORVEL_COMMIT);
    return QStringLiteral(KORVEL_VERSION) +
           (commit.isEmpty() ? QString() : QStringLiteral(" (git %1)").arg(commit));
}

struct CommandLine {
    enum class Action { Run, Replay, Help, Version, Error };
    Action action = Action::Run;
    bool autoStart = false;
    QString dir;
    QString script;
    QString screenshot; // developer option: save the first screen to a PNG and end
    QString error;
};

class CommandLineParser {
public:
    CommandLineParser() {
        parser_.setApplicationDescription(QStringLiteral(
            "       korvel replay --dir DATA SCRIPT\n\n"
            "Korvel, a contest logger for amateur radio. It opens on its setup screen. The\n"
            "program folder holds the settings files and both databases; it is created on\n"
            "first start.\n\n"
            "replay runs the key SCRIPT against the screens without a display, with DATA as\n"
            "the program folder, and prints what they show; korvel(1) lists its commands."));
        screenshot_.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOptions({help_, version_, dir_, screenshot_});
        parser_.addPositionalArgument(QStringLiteral("AUTO"),
                                      QStringLiteral("When a database cannot be opened, end at "
                                                     "once with exit status 1 instead of asking."),
                                      QStringLiteral("[AUTO]"));
    }

    CommandLine parse(const QStringList& args) {
        CommandLine cl;
        const auto fail = [&cl](const QString& message) {
            cl.action = CommandLine::Action::Error;
            cl.error = message;
            return cl;
        };
        if (!parser_.parse(args)) return fail(parser_.errorText());
        if (parser_.isSet(help_)) {
            cl.action = CommandLine::Action::Help;
            return cl;
        }
        if (parser_.isSet(version_)) {
            cl.action = CommandLine::Action::Version;
            return cl;
        }
        cl.dir = parser_.value(dir_);
        cl.screenshot = parser_.value(screenshot_);
        const QStringList positional = parser_.positionalArguments();
        for (qsizetype i = 0; i < positional.size(); ++i) {
            const QString& a = positional[i];
            if (a.compare(QLatin1String("AUTO"), Qt::CaseInsensitive) == 0) {
                cl.autoStart = true;
            } else if (a == QLatin1String("replay") && i == 0) {
                cl.action = CommandLine::Action::Replay;
            } else if (cl.action == CommandLine::Action::Replay && cl.script.isEmpty()) {
                cl.script = a;
            } else {
                return fail(QStringLiteral("Unknown argument '%1'.").arg(a));
            }
        }
        if (cl.action == CommandLine::Action::Replay && (cl.dir.isEmpty() || cl.script.isEmpty()))
            return fail(QStringLiteral("replay needs --dir DATA and a script."));
        return cl;
    }

    // Needs an application object (for the program name in the usage line).
    QString helpText() const { return parser_.helpText(); }

private:
    QCommandLineParser parser_;
    QCommandLineOption help_{{QStringLiteral("h"), QStringLiteral("help")},
                             QStringLiteral("Show this help and end.")};
    QCommandLineOption version_{{QStringLiteral("v"), QStringLiteral("version")},
                                QStringLiteral("Show the version and end.")};
    QCommandLineOption dir_{QStringLiteral("dir"),
                            QStringLiteral("The program folder (default: $XDG_DATA_HOME/korvel, "
                                           "usually ~/.local/share/korvel)."),
                            QStringLiteral("PATH")};
    QCommandLineOption screenshot_{QStringLiteral("screenshot"),
                                   QStringLiteral("Save the first screen to FILE and end."),
                                   QStringLiteral("FILE")};
};

// The screen a replay ended on, drawn into a picture.
int replayScreenshot(const CommandLine& cl, QTextStream& out, QTextStream& err,
                     korvel::review::PagePrinter& printer) {
    int saved = 0;
    auto save = [&](QWidget& window, const std::function<void()>& sync) {
        window.resize(QApplication::primaryScreen()->availableSize());
        window.show();
        QApplication::processEvents();
        sync();
        QApplication::processEvents();
        saved = window.grab().save(cl.screenshot) ? 0 : 1;
    };
    const int code = korvel::runReplay(
        cl.dir, cl.script, out, err,
        [&](korvel::SharedState& state, korvel::DeskForm* desk, korvel::SetupForm* setup,
            korvel::ReviewForm* review) {
            if (review) {
                korvel::ReviewWindow window(*review);
                save(window, [&] { window.sync(); });
            } else if (desk) {
                korvel::DeskWindow window(*desk, state);
                save(window, [&] { window.sync(); });
            } else if (setup) {
                korvel::SetupWindow window(*setup);
                window.showStatus(setup->resolutionNotice());
                save(window, [&] { window.sync(); });
            }
        },
        QApplication::primaryScreen()->size(), &printer);
    return code ? code : saved;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("korvel"));
    QCoreApplication::setApplicationVersion(versionText());
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    CommandLineParser parser;
    const CommandLine cl = parser.parse(args);
    QTextStream err(stderr);
    switch (cl.action) {
    case CommandLine::Action::Help: {
        // The usage line names the program as the application object's first argument.
        int helpArgc = 1;
        char name[] = "korvel";
        char* helpArgv[] = {name, nullptr};
        QCoreApplication app(helpArgc, helpArgv);
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    case CommandLine::Action::Version:
        QTextStream(stdout) << QCoreApplication::applicationName() << ' '
                            << QCoreApplication::applicationVersion() << '\n';
        return 0;
    case CommandLine::Action::Error:
        err << "korvel: " << cl.error << '\n'
            << "usage: korvel [--dir PATH] [AUTO]\n"
               "       korvel replay --dir DATA SCRIPT\n"
               "       korvel --help | --version\n";
        return 2;
    case CommandLine::Action::Run:
    case CommandLine::Action::Replay: break;
    }
    const bool replay = cl.action == CommandLine::Action::Replay;
    // A replayed session prints into PDF files of the data folder; it needs no display.
    korvel::QtPagePrinter pdfPrinter(korvel::QtPagePrinter::Output::PdfFile);
    if (replay && cl.screenshot.isEmpty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QTextStream out(stdout);
        return korvel::runReplay(cl.dir, cl.script, out, err, {}, QSize(1024, 768), &pdfPrinter);
    }
    if (replay) {
        QApplication app(argc, argv);
        QTextStream out(stdout);
        return replayScreenshot(cl, out, err, pdfPrinter);
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    korvel::Session session;
    const korvel::StartReport start = korvel::startSession(session, cl.dir);
    for (const QString& w : start.warnings)
        err << "korvel: warning: " << w << '\n';
    // A data folder that cannot be used, or a damaged log (left as it is), ends the start.
    for (const QString& fatal : {start.folderError, start.stopError}) {
        if (fatal.isEmpty()) continue;
        err << "korvel: " << fatal << '\n';
        if (cl.autoStart) return 1;
        korvel::QtMessageBox box;
        box.ask(korvel::forms::msg::kOkOnly | korvel::forms::msg::kCritical, fatal,
                QStringLiteral("Korvel"));
        return 1;
    }
    // A database that cannot be opened is the setup screen's to answer, at its point of the
    // load ("Keine Verbindung zum Server !", or an immediate end with AUTO); the file and the
    // reason are said first.
    if (!start.databaseError.isEmpty()) err << "korvel: " << start.databaseError << '\n';
    if (!cl.autoStart) {
        korvel::QtMessageBox box;
        // A settings file that cannot be read, or lines of one cut or skipped: said once,
        // before the setup screen asks for anything.
        if (!start.warnings.isEmpty()) {
            QStringList shown = start.warnings.mid(0, 12);
            if (start.warnings.size() > shown.size())
                shown
                    << QStringLiteral("... and %1 more").arg(start.warnings.size() - shown.size());
            box.ask(korvel::forms::msg::kOkOnly | korvel::forms::msg::kExclamation,
                    shown.join(QLatin1Char('\n')), QStringLiteral("Korvel"));
        }
        for (const QString& notice : start.notices)
            box.ask(korvel::forms::msg::kOkOnly | korvel::forms::msg::kInformation, notice,
                    QStringLiteral("Korvel"));
        if (!start.databaseError.isEmpty())
            box.ask(korvel::forms::msg::kOkOnly | korvel::forms::msg::kExclamation,
                    start.databaseError, QStringLiteral("Korvel"));
    }

    korvel::Program program(session, {cl.autoStart, nullptr});
    if (const auto quit = program.openSetup()) return *quit;
    if (!cl.screenshot.isEmpty()) {
        QTimer::singleShot(500, qApp, [&] {
            const bool saved = program.setupWindow()->grab().save(cl.screenshot);
            if (!saved) err << "korvel: cannot write " << cl.screenshot << '\n';
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
