#include "app/replay.h"

#include "app/session.h"
#include "forms/script_runner.h"
#include "setup/setup_form.h"

#include <QFile>
#include <QTextStream>

namespace korvel {

int runReplay(const QString& dataDir, const QString& scriptPath, QTextStream& out,
              QTextStream& err) {
    QFile file(scriptPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << "Cannot read the script " << scriptPath << ": " << file.errorString() << '\n';
        return 2;
    }
    Session session;
    const StartReport start = startSession(session, dataDir);
    for (const QString& w : start.warnings)
        err << "warning: " << w << '\n';
    if (!start.ok()) {
        err << (start.folderError.isEmpty() ? start.databaseError : start.folderError) << '\n';
        return 1;
    }

    forms::ScriptedMessageBox box;
    SetupForm setup(session.state, session.dbs, box);
    bool ended = false;
    setup.onExit = [&] { ended = true; };
    forms::FormModel* current = &setup;

    forms::ScriptRunner runner([&]() { return ended ? nullptr : current; }, box, out);
    runner.setExtension([&](const QString& command, const QString& args, QString& error) {
        if (command == QLatin1String("set")) {
            const QString a = args.trimmed();
            const qsizetype sp = a.indexOf(QLatin1Char(' '));
            const QString name = sp < 0 ? a : a.left(sp);
            const QString value = sp < 0 ? QString() : a.mid(sp + 1);
            if (!setField(session.state, name, value)) {
                error = QStringLiteral("cannot set %1 to \"%2\"").arg(name, value);
                return false;
            }
            return true;
        }
        if (command == QLatin1String("get")) {
            const auto v = fieldText(session.state, args.trimmed());
            if (!v) {
                error = QStringLiteral("unknown field %1").arg(args.trimmed());
                return false;
            }
            out << args.trimmed() << " \"" << *v << "\"\n";
            return true;
        }
        error = QStringLiteral("unknown command %1").arg(command);
        return false;
    });

    QTextStream script(&file);
    QString error;
    const bool ok = runner.run(script, error);
    out.flush();
    if (!ok) {
        err << "replay " << scriptPath << ", " << error << '\n';
        return 2;
    }
    return 0;
}

} // namespace korvel
