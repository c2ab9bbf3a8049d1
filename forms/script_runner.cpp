#include "forms/script_runner.h"

namespace korvel::forms {

namespace {

QString quote(const QString& s) {
    return QLatin1Char('"') + s + QLatin1Char('"');
}

} // namespace

ScriptRunner::ScriptRunner(std::function<FormModel*()> currentModel, ScriptedMessageBox& box,
                           QTextStream& out)
    : currentModel_(std::move(currentModel)), box_(box), out_(out) {
    box_.onShown = [this](const ScriptedMessageBox::Shown& m) {
        out_ << "message " << quote(m.prompt) << " title " << quote(m.title) << '\n';
        out_.flush();
    };
}

// The box outlives the runner: it must stop printing through it.
ScriptRunner::~ScriptRunner() {
    box_.onShown = nullptr;
}

QString ScriptRunner::describe(const Control& c) {
    return QStringLiteral("%1 %2 visible=%3 enabled=%4 back=%5")
        .arg(c.name, quote(c.text))
        .arg(c.visible ? 1 : 0)
        .arg(c.enabled ? 1 : 0)
        .arg(c.back.hex());
}

bool ScriptRunner::runLine(const QString& rawLine, QString& error) {
    QString line = rawLine;
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) return true;

    // The command is the first word; the argument is the rest after one blank, kept as
    // written so that "type" can send blanks.
    const qsizetype lead = line.indexOf(trimmed.front());
    const qsizetype space = line.indexOf(QLatin1Char(' '), lead);
    const QString command = (space < 0 ? line.mid(lead) : line.mid(lead, space - lead)).toLower();
    const QString args = space < 0 ? QString() : line.mid(space + 1);
    const QString arg = args.trimmed();

    // The screen is looked up only by the commands that act on one, so that commands
    // handled by the extension (such as setting up the state) come before it opens.
    FormModel* m = nullptr;
    auto needModel = [&]() {
        m = currentModel_ ? currentModel_() : nullptr;
        if (!m) error = QStringLiteral("no screen is open");
        return m != nullptr;
    };
    auto needControl = [&](const QString& name) {
        if (!needModel()) return false;
        if (!m->has(name)) {
            error = QStringLiteral("unknown control %1").arg(name);
            return false;
        }
        return true;
    };

    if (command == QLatin1String("type")) {
        if (!needModel()) return false;
        m->typeText(args);
        return true;
    }
    if (command == QLatin1String("key") || command == QLatin1String("alt+key")) {
        if (!needModel()) return false;
        KeyEvent e;
        if (!keyFromName(arg, e.key)) {
            if (arg.size() != 1) {
                error = QStringLiteral("unknown key %1").arg(arg);
                return false;
            }
            e.key = Key::Char;
            e.ch = arg.front();
        }
        e.alt = command == QLatin1String("alt+key");
        m->pressKey(e);
        return true;
    }
    if (command == QLatin1String("click") || command == QLatin1String("dblclick")) {
        const qsizetype colon = arg.indexOf(QLatin1Char(':'));
        const QString name = colon < 0 ? arg : arg.left(colon);
        if (!needControl(name)) return false;
        if (colon >= 0) {
            const QString item = arg.mid(colon + 1);
            if (!m->ctl(name).items.contains(item)) {
                error = QStringLiteral("%1 has no entry %2").arg(name, item);
                return false;
            }
            m->clickItem(name, item);
            if (command == QLatin1String("dblclick")) m->dblClick(name);
            return true;
        }
        if (command == QLatin1String("click"))
            m->click(name);
        else
            m->dblClick(name);
        return true;
    }
    if (command == QLatin1String("answer")) {
        const auto a = msg::answerFromName(arg);
        if (!a) {
            error = QStringLiteral("unknown answer %1").arg(arg);
            return false;
        }
        box_.queueAnswer(*a);
        return true;
    }
    if (command == QLatin1String("show")) {
        if (!needControl(arg)) return false;
        out_ << describe(m->ctl(arg)) << '\n';
        return true;
    }
    if (command == QLatin1String("focus")) {
        if (!needModel()) return false;
        out_ << "focus " << m->focus() << '\n';
        return true;
    }
    if (extension_) return extension_(command, args, error);
    error = QStringLiteral("unknown command %1").arg(command);
    return false;
}

bool ScriptRunner::run(QTextStream& script, QString& error) {
    int lineNo = 0;
    QString line;
    while (script.readLineInto(&line)) {
        ++lineNo;
        QString err;
        if (!runLine(line, err)) {
            error = QStringLiteral("line %1: %2: %3").arg(lineNo).arg(err, line.trimmed());
            out_.flush();
            return false;
        }
    }
    out_.flush();
    return true;
}

} // namespace korvel::forms
