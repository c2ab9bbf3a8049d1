#include "app/replay.h"

#include "app/session.h"
#include "desk/desk_form.h"
#include "forms/script_runner.h"
#include "keying/desk_keying.h"
#include "keying/keyer.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "review/review_form.h"
#include "setup/setup_form.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <memory>

namespace korvel {

namespace {

QString quoted(const QString& s) {
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// The cells of a row, each in double quotes, tab-separated.
QString quotedRow(const QStringList& cells) {
    QStringList q;
    for (const QString& c : cells)
        q << quoted(c);
    return q.join(QLatin1Char('\t'));
}

// Splits "NAME VALUE..." at the first blank.
std::pair<QString, QString> firstWord(const QString& args) {
    const QString a = args.trimmed();
    const qsizetype sp = a.indexOf(QLatin1Char(' '));
    return sp < 0 ? std::pair{a, QString()} : std::pair{a.left(sp), a.mid(sp + 1)};
}

// The keyer of a replay prints every CW message as it goes out ("cw" and the text after
// its macros); the message ends when the replay lets it (Replay::settle).
class PrintingKeyer : public keying::FakeKeyer {
public:
    explicit PrintingKeyer(QTextStream& out) : out_(out) {}
    void key(keying::CwPlan plan, platform::ControlLines* lines,
             keying::KeyerEvents events) override {
        out_ << "cw \"" << plan.text << "\"\n";
        FakeKeyer::key(std::move(plan), lines, std::move(events));
    }

private:
    QTextStream& out_;
};

// The sound output of a replay prints every voice message played ("voice F1").
class PrintingAudio : public platform::FakeAudioOutput {
public:
    explicit PrintingAudio(QTextStream& out) : out_(out) {}
    void play(const QString& path, std::function<void(bool)> done) override {
        out_ << "voice " << QFileInfo(path).completeBaseName() << '\n';
        FakeAudioOutput::play(path, std::move(done));
    }

private:
    QTextStream& out_;
};

// One replay: a session on the data folder, the screens it opens, a clock that stands
// still until the script sets it, and message keys that print what they send on a
// recording serial line and sound output.
class Replay {
public:
    Replay(QTextStream& out, QSize screen, review::PagePrinter* printer)
        : out_(out), screen_(screen), printer_(printer) {
        for (int port = 0; port <= 255; ++port) // whatever port the station names is there
            ports_.present.insert(port);
    }
    ~Replay() { keys_.shutdown(); }

    // Lets the message (or voice message) under way end, and what follows it: a "#8"
    // message logs, a repeat goes into its pause (which "wait" lets run out).
    void settle() {
        for (int i = 0; i < 1000 && (keyer_.keying() || audio_.playing()); ++i) {
            if (keyer_.keying())
                keyer_.finishMessage();
            else
                audio_.finish(true);
        }
    }

    // "wait MS": the keyer's clock moves on (a repeat's pause runs out), then the message
    // that follows goes out.
    bool wait(const QString& args, QString& error) {
        bool ok = false;
        const int ms = args.trimmed().toInt(&ok);
        if (!ok || ms < 0) {
            error = QStringLiteral("wait wants milliseconds");
            return false;
        }
        keyer_.advance(ms);
        settle();
        return true;
    }

    // "radio HZ MODE": a reading of the radio as rig control hands it to the desk; "radio
    // lost REASON": the radio stopped answering.
    bool radio(const QString& args, QString& error) {
        const QStringList parts = args.simplified().split(QLatin1Char(' '));
        if (parts.value(0) == QLatin1String("lost")) {
            desk().radioLost(parts.mid(1).join(QLatin1Char(' ')));
            return true;
        }
        bool ok = false;
        const qint64 hz = parts.value(0).toLongLong(&ok);
        if (!ok || hz <= 0) {
            error = QStringLiteral("radio wants HZ MODE or lost REASON");
            return false;
        }
        desk().showStation(true, desk().ctl(desk_ctl::FraStation).visible);
        desk().followRadio(hz, parts.value(1));
        return true;
    }

    // "cluster LINE": a line from the DX-cluster node, as received at the replay's clock.
    bool cluster(const QString& args, QString&) {
        desk().showStation(desk().radioHz().has_value(), true);
        desk().clusterLine(args, clock_.utcNow());
        return true;
    }

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
        if (leftReview_) {
            // The review screen is unloaded once the setup screen is back.
            review_.reset();
            leftReview_ = false;
        }
        if (ended_) return nullptr;
        if (onReview_) return review_.get();
        if (onSetup_) {
            if (!setup_) openSetup();
            return ended_ ? nullptr : setup_.get();
        }
        return &desk();
    }

    // The replay's own commands, looked up by name. Those that act on a screen fail once
    // the program has ended.
    bool extension(const QString& command, const QString& args, QString& error) {
        using Handler = bool (Replay::*)(const QString& args, QString& error);
        struct Command {
            const char* name;
            Handler handler;
            bool needsScreen;
        };
        static const Command kCommands[] = {
            {"set", &Replay::set, false},        {"get", &Replay::get, false},
            {"clock", &Replay::clock, false},    {"screen", &Replay::screen, false},
            {"wait", &Replay::wait, true},       {"audio", &Replay::audio, false},
            {"file", &Replay::file, false},      {"band", &Replay::band, true},
            {"mode", &Replay::mode, true},       {"text", &Replay::text, true},
            {"dump", &Replay::dump, true},       {"tally", &Replay::tally, true},
            {"grid", &Replay::grid, true},       {"row", &Replay::row, true},
            {"tick", &Replay::tick, true},       {"radio", &Replay::radio, true},
            {"cluster", &Replay::cluster, true},
        };
        for (const Command& c : kCommands) {
            if (command != QLatin1String(c.name)) continue;
            if (c.needsScreen && ended_) {
                error = QStringLiteral("no screen is open");
                return false;
            }
            return (this->*c.handler)(args, error);
        }
        error = QStringLiteral("unknown command %1").arg(command);
        return false;
    }

    bool set(const QString& args, QString& error) {
        const auto [name, value] = firstWord(args);
        if (!setField(session_.state, name, value)) {
            error = QStringLiteral("cannot set %1 to \"%2\"").arg(name, value);
            return false;
        }
        return true;
    }

    bool get(const QString& args, QString& error) {
        const auto v = fieldText(session_.state, args.trimmed());
        if (!v) {
            error = QStringLiteral("unknown field %1").arg(args.trimmed());
            return false;
        }
        out_ << args.trimmed() << ' ' << quoted(*v) << '\n';
        return true;
    }

    bool clock(const QString& args, QString& error) {
        const QDateTime t = QDateTime::fromString(args.trimmed(), QStringLiteral("dd.MM.yy HH:mm"));
        if (!t.isValid()) {
            error = QStringLiteral("clock wants DD.MM.YY HH:MM");
            return false;
        }
        QDateTime utc(t.date().addYears(t.date().year() < 2000 ? 100 : 0), t.time(), Qt::UTC);
        clock_.set(utc);
        return true;
    }

    // The desk's timer fires once: the clock title and the rate at the replay's time.
    bool tick(const QString&, QString&) {
        desk().tick();
        return true;
    }

    bool screen(const QString& args, QString& error) {
        const QString which = args.trimmed();
        if (ended_) {
            error = QStringLiteral("no screen is open");
            return false;
        }
        if (which == QLatin1String("setup")) {
            onSetup_ = true;
            onReview_ = false;
            if (!setup_) openSetup();
        } else if (which == QLatin1String("desk")) {
            onSetup_ = false;
            onReview_ = false;
        } else if (which == QLatin1String("review")) {
            // The way an operator gets there: the setup screen's LOG menu.
            if (onReview_) return true;
            if (!onSetup_ || !setup_) {
                onSetup_ = true;
                openSetup();
            }
            if (!ended_) setup_->click(setup_ctl::mnuLog);
            if (!onReview_) {
                error = QStringLiteral("the setup screen's LOG did not open the review screen");
                return false;
            }
        } else {
            error = QStringLiteral("unknown screen %1").arg(which);
            return false;
        }
        return true;
    }

    bool audio(const QString& args, QString& error) {
        bool ok = false;
        const int n = args.trimmed().toInt(&ok);
        if (!ok || n < 0) {
            error = QStringLiteral("audio wants the number of sound outputs");
            return false;
        }
        audioOutputs_ = n;
        return true;
    }

    // A file of the data folder as it is on disk: each line as it stands, a CR shown as
    // "\r", a backslash as "\\", and a last line without LF marked "\no LF".
    bool file(const QString& args, QString& error) {
        const QString name = args.trimmed();
        QString path = session_.state.DataDir;
        for (const QString& part :
             name.split(QRegularExpression(QStringLiteral("[/\\\\]")), Qt::SkipEmptyParts)) {
            if (part == QLatin1String("..") || part == QLatin1String(".")) {
                error = QStringLiteral("file names a file of the data folder: %1").arg(name);
                return false;
            }
            path = childPath(path, part);
        }
        QFile f(path);
        if (name.isEmpty() || !f.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot read %1").arg(name);
            return false;
        }
        const QByteArray bytes = f.readAll();
        QList<QByteArray> lines = bytes.split('\n');
        const bool lastLf = bytes.endsWith('\n');
        if (lastLf) lines.removeLast();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QString line = QString::fromUtf8(lines[i]);
            line.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
                .replace(QLatin1Char('\r'), QStringLiteral("\\r"));
            out_ << line << (i + 1 == lines.size() && !lastLf ? "\\no LF" : "") << '\n';
        }
        return true;
    }

    bool band(const QString& args, QString& error) {
        const QString name = QStringLiteral("Cmd") + args.trimmed();
        if (!desk().has(name) || name == QLatin1String("Cmd")) {
            error = QStringLiteral("unknown band %1").arg(args.trimmed());
            return false;
        }
        desk().click(name);
        return true;
    }

    bool mode(const QString& args, QString& error) {
        const QString m = args.trimmed().toUpper();
        if (m != QLatin1String("CW") && m != QLatin1String("SSB")) {
            error = QStringLiteral("unknown mode %1").arg(args.trimmed());
            return false;
        }
        desk().click(m == QLatin1String("CW") ? desk_ctl::CmdCW : desk_ctl::CmdSSB);
        return true;
    }

    bool text(const QString& args, QString& error) {
        const auto [name, value] = firstWord(args);
        forms::FormModel* m = current();
        if (!m->has(name)) {
            error = QStringLiteral("unknown control %1").arg(name);
            return false;
        }
        m->ctl(name).text = value;
        return true;
    }

    bool dump(const QString&, QString&) {
        for (const store::QsoRow& r : session_.dbs.log.all())
            out_ << quotedRow(store::cells(r)) << '\n';
        return true;
    }

    bool tally(const QString&, QString&) {
        for (std::size_t i = 0; i < kBands.size(); ++i) {
            const BandTally& t = session_.state.BandTallies[i];
            out_ << kBands[i] << ' ' << t.qsos << ' ' << t.points << ' ' << t.mults << '\n';
        }
        return true;
    }

    // The desk's log grid; on the review screen the rows of the grid it shows.
    bool grid(const QString&, QString&) {
        current();
        if (onReview_ && review_) {
            for (const char* name : {"DBGrid9", "DBGrid6", "DBGrid7", "DBGrid8"}) {
                if (!review_->ctl(QLatin1String(name)).visible) continue;
                review::PagedTableModel& rows =
                    QLatin1String(name) == QLatin1String("DBGrid9")   ? review_->logGrid()
                    : QLatin1String(name) == QLatin1String("DBGrid6") ? review_->countryGrid()
                                                                      : review_->learnedGrid();
                for (int r = 0; r < rows.rowCount(); ++r)
                    out_ << "grid " << quotedRow(rows.row(r)->cells) << '\n';
            }
            return true;
        }
        for (const store::QsoRow& r : desk().gridRows())
            out_ << "grid " << r.callsign << '\n';
        return true;
    }

    // Selects row N (from 1) of the review screen's log grid, as a click on it does.
    bool row(const QString& args, QString& error) {
        bool ok = false;
        const int n = args.trimmed().toInt(&ok);
        current();
        if (!onReview_ || !review_ || !ok || n < 1 || n > review_->logGrid().rowCount()) {
            error = QStringLiteral("row wants a row of the review screen's log grid");
            return false;
        }
        review_->selectLogRow(n - 1);
        return true;
    }

    forms::ScriptedMessageBox& box() { return box_; }
    // The screen the script ended on goes to `atEnd`.
    void finish(const ReplayEnd& atEnd) {
        current();
        const bool review = !ended_ && onReview_;
        const bool setup = !ended_ && !review && onSetup_;
        atEnd(session_.state, ended_ || setup || review || !deskOpened_ ? nullptr : desk_.get(),
              setup ? setup_.get() : nullptr, review ? review_.get() : nullptr);
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
        setup_->onHelp = [this](HelpLanguage language, int context) {
            out_ << "help " << static_cast<int>(language) << ' ' << context << '\n';
        };
        setup_->onLog = [this] { openReview(); };
        if (setup_->load()) ended_ = true;
    }

    // The review screen, opened from the setup screen, which is unloaded.
    void openReview() {
        ReviewOptions options;
        options.printer = printer_;
        options.localNow = [this] {
            const double offset = session_.state.TimeOffset.toString().trimmed().toDouble();
            return clock_.utcNow().addSecs(static_cast<qint64>(offset * 3600.0));
        };
        review_ = std::make_unique<ReviewForm>(session_.state, session_.dbs, box_, options);
        review_->onExit = [this] { ended_ = true; };
        review_->onReturnToSetup = [this] {
            onReview_ = false;
            leftReview_ = true;
            onSetup_ = true;
            openSetup();
        };
        review_->onHelp = [this](HelpLanguage language, int context) {
            out_ << "help " << static_cast<int>(language) << ' ' << context << '\n';
        };
        review_->load();
        onReview_ = true;
        onSetup_ = false;
        leftSetup_ = true;
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
    PrintingKeyer keyer_{out_};
    PrintingAudio audio_{out_};
    platform::RecordingPorts ports_;
    keying::DeskKeying keys_{session_.state, box_,   ports_,
                             keyer_,         audio_, keying::DeskKeying::Delivery::Direct};
    std::unique_ptr<SetupForm> setup_;
    std::unique_ptr<DeskForm> desk_;
    std::unique_ptr<ReviewForm> review_;
    bool onSetup_ = false;
    bool onReview_ = false;
    bool leftReview_ = false;
    bool leftSetup_ = false;
    bool deskOpened_ = false;
    bool ended_ = false;
    int audioOutputs_ = 1;
    QSize screen_;
    review::PagePrinter* printer_;
};

} // namespace

int runReplay(const QString& dataDir, const QString& scriptPath, QTextStream& out, QTextStream& err,
              const ReplayEnd& atEnd, QSize screen, review::PagePrinter* printer) {
    QFile file(scriptPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << "Cannot read the script " << scriptPath << ": " << file.errorString() << '\n';
        return 2;
    }
    Replay replay(out, screen, printer);
    if (!replay.start(dataDir, err)) return 1;
    forms::ScriptRunner runner([&]() { return replay.current(); }, replay.box(), out);
    runner.setExtension([&](const QString& command, const QString& args, QString& error) {
        return replay.extension(command, args, error);
    });
    // Line by line, each command's output flushed before the next command runs: a replay
    // that is killed or crashes keeps every line it printed up to the fault.
    err.flush();
    QTextStream script(&file);
    QString error, line;
    bool ok = true;
    for (int lineNo = 1; ok && script.readLineInto(&line); ++lineNo) {
        QString lineError;
        ok = runner.runLine(line, lineError);
        replay.settle();
        if (!ok)
            error = QStringLiteral("line %1: %2: %3").arg(lineNo).arg(lineError, line.trimmed());
        out.flush();
    }
    if (!ok) {
        err << "replay " << scriptPath << ", " << error << '\n';
        return 2;
    }
    if (atEnd) replay.finish(atEnd);
    return 0;
}

} // namespace korvel
