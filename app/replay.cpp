#include "app/replay.h"

#include "app/session.h"
#include "desk/desk_form.h"
#include "forms/script_runner.h"
#include "platform/clock.h"
#include "setup/setup_form.h"

#include <QFile>
#include <QTextStream>

#include <memory>

namespace korvel {

namespace {

QString quoted(const QString& s) {
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// Splits "NAME VALUE..." at the first blank.
std::pair<QString, QString> firstWord(const QString& args) {
    const QString a = args.trimmed();
    const qsizetype sp = a.indexOf(QLatin1Char(' '));
    return sp < 0 ? std::pair{a, QString()} : std::pair{a.left(sp), a.mid(sp + 1)};
}

// One replay: a session on the data folder, the screens it opens, a clock that stands
// still until the script sets it, and keys that send nothing.
class Replay {
public:
    Replay(QTextStream& out, QSize screen) : out_(out), screen_(screen) {}

    bool start(const QString& dataDir, QTextStream& err) {
        const StartReport start = startSession(session_, dataDir);
        for (const QString& w : start.warnings)
            err << "warning: " << w << '\n';
        if (!start.ok()) {
            err << (start.folderError.isEmpty() ? start.databaseError : start.folderError) << '\n';
            return false;
        }
        return true;
    }

    forms::FormModel* current() {
        if (leftSetup_) {
            // The setup screen is unloaded once the desk took over.
            setup_.reset();
            leftSetup_ = false;
        }
        if (ended_) return nullptr;
        if (onSetup_) {
            if (!setup_) openSetup();
            return ended_ ? nullptr : setup_.get();
        }
        return &desk();
    }

    bool extension(const QString& command, const QString& args, QString& error) {
        if (command == QLatin1String("set")) {
            const auto [name, value] = firstWord(args);
            if (!setField(session_.state, name, value)) {
                error = QStringLiteral("cannot set %1 to \"%2\"").arg(name, value);
                return false;
            }
            return true;
        }
        if (command == QLatin1String("get")) {
            const auto v = fieldText(session_.state, args.trimmed());
            if (!v) {
                error = QStringLiteral("unknown field %1").arg(args.trimmed());
                return false;
            }
            out_ << args.trimmed() << ' ' << quoted(*v) << '\n';
            return true;
        }
        if (command == QLatin1String("clock")) {
            const QDateTime t =
                QDateTime::fromString(args.trimmed(), QStringLiteral("dd.MM.yy HH:mm"));
            if (!t.isValid()) {
                error = QStringLiteral("clock wants DD.MM.YY HH:MM");
                return false;
            }
            QDateTime utc(t.date().addYears(t.date().year() < 2000 ? 100 : 0), t.time(), Qt::UTC);
            clock_.set(utc);
            return true;
        }
        if (command == QLatin1String("screen")) {
            const QString which = args.trimmed();
            if (ended_) {
                error = QStringLiteral("no screen is open");
                return false;
            }
            if (which == QLatin1String("setup")) {
                onSetup_ = true;
                if (!setup_) openSetup();
            } else if (which == QLatin1String("desk")) {
                onSetup_ = false;
            } else {
                error = QStringLiteral("unknown screen %1").arg(which);
                return false;
            }
            return true;
        }
        if (command == QLatin1String("audio")) {
            bool ok = false;
            const int n = args.trimmed().toInt(&ok);
            if (!ok || n < 0) {
                error = QStringLiteral("audio wants the number of sound outputs");
                return false;
            }
            audioOutputs_ = n;
            return true;
        }
        if (ended_) {
            error = QStringLiteral("no screen is open");
            return false;
        }
        if (command == QLatin1String("band")) {
            const QString name = QStringLiteral("Cmd") + args.trimmed();
            if (!desk().has(name) || name == QLatin1String("Cmd")) {
                error = QStringLiteral("unknown band %1").arg(args.trimmed());
                return false;
            }
            desk().click(name);
            return true;
        }
        if (command == QLatin1String("mode")) {
            const QString m = args.trimmed().toUpper();
            if (m != QLatin1String("CW") && m != QLatin1String("SSB")) {
                error = QStringLiteral("unknown mode %1").arg(args.trimmed());
                return false;
            }
            desk().click(m == QLatin1String("CW") ? QStringLiteral("CmdCW")
                                                  : QStringLiteral("CmdSSB"));
            return true;
        }
        if (command == QLatin1String("text")) {
            const auto [name, value] = firstWord(args);
            forms::FormModel* m = current();
            if (!m->has(name)) {
                error = QStringLiteral("unknown control %1").arg(name);
                return false;
            }
            m->ctl(name).text = value;
            return true;
        }
        if (command == QLatin1String("dump")) {
            for (const store::QsoRow& r : session_.dbs.log.all()) {
                const QStringList cols = {QString::number(r.id),
                                          r.callsign,
                                          r.data,
                                          r.utc,
                                          r.bnd,
                                          r.sent,
                                          r.rcvd,
                                          r.md,
                                          r.pfx,
                                          r.mlt,
                                          r.mlt1,
                                          r.pct};
                QStringList q;
                for (const QString& col : cols)
                    q << quoted(col);
                out_ << q.join(QLatin1Char('\t')) << '\n';
            }
            return true;
        }
        if (command == QLatin1String("tally")) {
            for (std::size_t i = 0; i < kBands.size(); ++i) {
                const BandTally& t = session_.state.BandTallies[i];
                out_ << kBands[i] << ' ' << t.qsos << ' ' << t.points << ' ' << t.mults << '\n';
            }
            return true;
        }
        if (command == QLatin1String("grid")) {
            for (const store::QsoRow& r : desk().gridRows())
                out_ << "grid " << r.callsign << '\n';
            return true;
        }
        error = QStringLiteral("unknown command %1").arg(command);
        return false;
    }

    forms::ScriptedMessageBox& box() { return box_; }
    // The screen the script ended on goes to `atEnd`.
    void finish(const ReplayEnd& atEnd) {
        current();
        const bool setup = !ended_ && onSetup_;
        atEnd(session_.state, ended_ || setup || !deskOpened_ ? nullptr : desk_.get(),
              setup ? setup_.get() : nullptr);
    }

private:
    // The setup screen, loaded as at program start or on the way back from the desk. Its
    // local clock is the replay's clock shifted by the time offset, so that the desk's
    // start time is the replay's UTC.
    void openSetup() {
        SetupPlatform platform;
        platform.screenWidthPx = screen_.width();
        platform.screenHeightPx = screen_.height();
        platform.audioOutputs = audioOutputs_;
        platform.localNow = [this] {
            const double offset = session_.state.TimeOffset.toString().trimmed().toDouble();
            return clock_.utcNow().addSecs(static_cast<qint64>(offset * 3600.0));
        };
        setup_ =
            std::make_unique<SetupForm>(session_.state, session_.dbs, box_, &deskForm(), platform);
        setup_->onExit = [this] { ended_ = true; };
        setup_->onContestStarted = [this] {
            deskOpened_ = true;
            onSetup_ = false;
            leftSetup_ = true;
        };
        setup_->onHelp = [this](int language, int context) {
            out_ << "help " << language << ' ' << context << '\n';
        };
        if (setup_->load()) ended_ = true;
    }

    DeskForm& deskForm() {
        if (!desk_) {
            desk_ = std::make_unique<DeskForm>(session_.state, session_.dbs, box_, clock_, keys_);
            desk_->onExit = [this] { ended_ = true; };
            desk_->onReturnToSetup = [this] {
                onSetup_ = true;
                openSetup();
            };
        }
        return *desk_;
    }

    // The desk for desk commands; a script that set the state up itself opens it here.
    DeskForm& desk() {
        DeskForm& d = deskForm();
        if (!deskOpened_) {
            deskOpened_ = true;
            d.handOver();
            d.open();
        }
        return d;
    }

    QTextStream& out_;
    Session session_;
    forms::ScriptedMessageBox box_;
    FakeClock clock_;
    SilentMessageKeys keys_;
    std::unique_ptr<SetupForm> setup_;
    std::unique_ptr<DeskForm> desk_;
    bool onSetup_ = false;
    bool leftSetup_ = false;
    bool deskOpened_ = false;
    bool ended_ = false;
    int audioOutputs_ = 1;
    QSize screen_;
};

} // namespace

int runReplay(const QString& dataDir, const QString& scriptPath, QTextStream& out, QTextStream& err,
              const ReplayEnd& atEnd, QSize screen) {
    QFile file(scriptPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << "Cannot read the script " << scriptPath << ": " << file.errorString() << '\n';
        return 2;
    }
    Replay replay(out, screen);
    if (!replay.start(dataDir, err)) return 1;
    forms::ScriptRunner runner([&]() { return replay.current(); }, replay.box(), out);
    runner.setExtension([&](const QString& command, const QString& args, QString& error) {
        return replay.extension(command, args, error);
    });
    QTextStream script(&file);
    QString error;
    const bool ok = runner.run(script, error);
    out.flush();
    if (!ok) {
        err << "replay " << scriptPath << ", " << error << '\n';
        return 2;
    }
    if (atEnd) replay.finish(atEnd);
    return 0;
}

} // namespace korvel
