#include "platform/help_file.h"

#include "platform/files.h"
#include "platform/shipped_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace korvel {

namespace {

const QString kTopicMark = QStringLiteral("@@");

bool isBlank(const QString& line) {
    return line.trimmed().isEmpty();
}

// Joins the collected lines, dropping blank lines at both ends.
QString topicText(QStringList lines) {
    while (!lines.isEmpty() && isBlank(lines.first()))
        lines.removeFirst();
    while (!lines.isEmpty() && isBlank(lines.last()))
        lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

// Splits "@@ 400 Title" into number and title. Returns 0 when the number is not valid.
int parseHeader(const QString& line, QString* title) {
    const QString rest = line.mid(kTopicMark.size()).trimmed();
    const qsizetype gap = rest.indexOf(QLatin1Char(' '));
    bool ok = false;
    const int context = rest.left(gap < 0 ? rest.size() : gap).toInt(&ok);
    if (!ok || context <= 0) return 0;
    *title = gap < 0 ? QString() : rest.mid(gap + 1).trimmed();
    return context;
}

} // namespace

HelpFile HelpFile::parse(QTextStream& in) {
    HelpFile file;
    QSet<int> seen;
    HelpTopic current;
    QStringList lines;
    bool inTopic = false; // false in the preamble and in the text of a rejected header
    const auto finish = [&] {
        if (!inTopic) return;
        current.text = topicText(lines);
        file.topics_.append(current);
    };
    int lineNo = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (!line.startsWith(kTopicMark)) {
            if (inTopic) lines.append(line);
            continue;
        }
        finish();
        lines.clear();
        QString title;
        const int context = parseHeader(line, &title);
        inTopic = false;
        if (context == 0) {
            file.problems_.append(
                QStringLiteral("line %1: a topic needs a positive number after @@").arg(lineNo));
        } else if (seen.contains(context)) {
            file.problems_.append(
                QStringLiteral("line %1: topic %2 is given twice").arg(lineNo).arg(context));
        } else {
            seen.insert(context);
            current = HelpTopic{context, title, {}};
            inTopic = true;
        }
    }
    finish();
    return file;
}

HelpFile HelpFile::load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        HelpFile file;
        file.problems_.append(QStringLiteral("cannot read %1: %2").arg(path, f.errorString()));
        return file;
    }
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    return parse(in);
}

const HelpTopic* HelpFile::topic(int context) const {
    for (const HelpTopic& t : topics_)
        if (t.context == context) return &t;
    return nullptr;
}

QString helpFileName(HelpLanguage language) {
    switch (language) {
    case HelpLanguage::Romanian: return QStringLiteral("KorvelCONTEST.HLP");
    case HelpLanguage::English: return QStringLiteral("KorvelEngl.HLP");
    default: return {};
    }
}

QString helpFilePath(const QString& dataDir, HelpLanguage language) {
    const QString name = helpFileName(language);
    if (name.isEmpty()) return {};
    if (!dataDir.isEmpty()) {
        const QString onDisk = childPath(dataDir, name);
        if (QFileInfo(onDisk).isFile()) return onDisk;
    }
    return shippedFile(QStringLiteral("help/") + name);
}

namespace {

// Paragraphs become <p>, runs of "- " items (with their indented continuation lines) a list.
QString textHtml(const QString& text) {
    QString html;
    QStringList paragraph;
    QStringList items;
    const auto flush = [&] {
        if (!paragraph.isEmpty())
            html += QStringLiteral("<p>") + paragraph.join(QLatin1Char(' ')).toHtmlEscaped() +
                    QStringLiteral("</p>\n");
        if (!items.isEmpty()) {
            html += QStringLiteral("<ul>\n");
            for (const QString& item : std::as_const(items))
                html += QStringLiteral("<li>") + item.toHtmlEscaped() + QStringLiteral("</li>\n");
            html += QStringLiteral("</ul>\n");
        }
        paragraph.clear();
        items.clear();
    };
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            flush();
        } else if (line.startsWith(QStringLiteral("- "))) {
            if (!paragraph.isEmpty()) flush();
            items.append(line.mid(2).trimmed());
        } else if (!items.isEmpty() && raw.front().isSpace()) {
            items.last() += QLatin1Char(' ') + line;
        } else {
            if (!items.isEmpty()) flush();
            paragraph.append(line);
        }
    }
    flush();
    return html;
}

QString oneLine(const QString& text) {
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>\n");
}

} // namespace

HelpPage helpPage(const QString& path, int context) {
    const QString name = QFileInfo(path).fileName();
    QFile probe(path);
    if (!probe.exists())
        return {false, name, oneLine(QStringLiteral("The help file %1 is missing.").arg(name))};
    const HelpFile file = HelpFile::load(path);
    const HelpTopic* topic = file.topic(context);
    if (!topic)
        return {false, name,
                oneLine(QStringLiteral("No help topic %1 in %2.").arg(context).arg(name))};
    return {true, topic->title,
            QStringLiteral("<h2>") + topic->title.toHtmlEscaped() + QStringLiteral("</h2>\n") +
                textHtml(topic->text)};
}

std::span<const HelpMenuEntry> helpMenuEntries() {
    using S = HelpScreen;
    static const HelpMenuEntry entries[] = {
        {S::Setup, "mnuGeneralitati", "Generalitati", "General notes", 100, 100},
        {S::Setup, "mnuInputDateProprii", "Introducere date proprii", "Data input", 200, 200},
        {S::Setup, "mnuOutInit", "Iesire din Initializare", "Initialisation session end", 300, 300},
        {S::Desk, "mnuDescr", "Descriere ecran", "Changing the bands", 400, 400},
        {S::Desk, "mnuSchimb", "Schimbare banda si mod", "Data entry", 500, 500},
        {S::Desk, "mnuDateIn", "Introducere date", "CW transmision", 600, 600},
        {S::Desk, "mnuModif", "Modificari date introduse", "Altering the data", 700, 700},
        {S::Desk, "mnuOutPag", "Iesire din pagina", "", 800, 0},
        {S::Review, "mnuVizLog", "Vizualizare log", "Wiew log", 900, 800},
        {S::Review, "mnuTipLog", "Tiparire log", "Printing log", 1000, 900},
        {S::Review, "mnuMemLog", "Memorare log", "Save log", 1100, 1000},
        {S::Review, "mnuDelLog", "Stergere log", "Quiting log", 1200, 1100},
        {S::Review, "mnuOutPrel", "Iesire din prelucrare log", "", 1300, 0},
    };
    return entries;
}

int helpContext(const HelpMenuEntry& entry, HelpLanguage language) {
    switch (language) {
    case HelpLanguage::Romanian: return entry.romanianContext;
    case HelpLanguage::English: return entry.englishContext;
    default: return 0;
    }
}

HelpViewer::~HelpViewer() = default;

} // namespace korvel
