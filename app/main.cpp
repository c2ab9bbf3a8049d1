// korvel [--dir PATH] [AUTO] [--screenshot FILE]
// korvel replay --dir DATA SCRIPT [--screenshot FILE]
#include "app/desk_window.h"
#include "app/program.h"
#include "app/qt_message_box.h"
#include "app/replay.h"
#include "app/session.h"
#include "app/setup_window.h"
#include "forms/message_box.h"

#include <QApplication>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

struct CommandLine {
    bool replay = false;
    bool autoStart = false;
    QString dir;
    QString script;
    QString screenshot; // developer option: save the first screen to a PNG and end
    QString error;
};

CommandLine parse(const QStringList& args) {
    CommandLine cl;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--dir")) {
            if (++i >= args.size()) {
                cl.error = QStringLiteral("--dir needs a folder");
                return cl;
            }
            cl.dir = args[i];
        } else if (a.startsWith(QLatin1String("--dir="))) {
            cl.dir = a.mid(6);
        } else if (a == QLatin1String("--screenshot")) {
            if (++i >= args.size()) {
                cl.error = QStringLiteral("--screenshot needs a file");
                return cl;
            }
            cl.screenshot = args[i];
        } else if (a.compare(QLatin1String("AUTO"), Qt::CaseInsensitive) == 0) {
            cl.autoStart = true;
        } else if (a == QLatin1String("replay") && i == 1) {
            cl.replay = true;
        } else if (cl.replay && cl.script.isEmpty()) {
            cl.script = a;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            cl.error = QStringLiteral("usage");
            return cl;
        } else {
            cl.error = QStringLiteral("unknown argument %1").arg(a);
            return cl;
        }
    }
    if (cl.replay && (cl.dir.isEmpty() || cl.script.isEmpty()))
        cl.error = QStringLiteral("replay needs --dir DATA and a script");
    return cl;
}

// The screen a replay ended on, drawn into a picture.
int replayScreenshot(const CommandLine& cl, QTextStream& out, QTextStream& err) {
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
        [&](korvel::SharedState& state, korvel::DeskForm* desk, korvel::SetupForm* setup) {
            if (desk) {
                korvel::DeskWindow window(*desk, state);
                save(window, [&] { window.sync(); });
            } else if (setup) {
                korvel::SetupWindow window(*setup);
                window.showStatus(setup->resolutionNotice());
                save(window, [&] { window.sync(); });
            }
        },
        QApplication::primaryScreen()->size());
    return code ? code : saved;
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const CommandLine cl = parse(args);
    QTextStream err(stderr);
    if (!cl.error.isEmpty()) {
        if (cl.error != QLatin1String("usage")) err << "korvel: " << cl.error << '\n';
        err << "usage: korvel [--dir PATH] [AUTO]\n       korvel replay --dir DATA SCRIPT\n";
        return 2;
    }
    if (cl.replay && cl.screenshot.isEmpty()) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        return korvel::runReplay(cl.dir, cl.script, out, err);
    }
    if (cl.replay) {
        QApplication app(argc, argv);
        QTextStream out(stdout);
        return replayScreenshot(cl, out, err);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvel"));
    korvel::Session session;
    const korvel::StartReport start = korvel::startSession(session, cl.dir);
    for (const QString& w : start.warnings)
        err << "korvel: warning: " << w << '\n';
    if (!start.folderError.isEmpty()) {
        err << "korvel: " << start.folderError << '\n';
        if (cl.autoStart) return 1;
        korvel::QtMessageBox box;
        box.ask(korvel::forms::msg::kOkOnly | korvel::forms::msg::kCritical, start.folderError,
                QStringLiteral("Korvel"));
        return 1;
    }
    // A database that cannot be opened is the setup screen's to answer, at its point of the
    // load ("Keine Verbindung zum Server !", or an immediate end with AUTO).
    if (!start.databaseError.isEmpty()) err << "korvel: " << start.databaseError << '\n';

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
