#pragma once
// Topic help: the two help files, their text format, the topics of the screens' help menus
// and the viewer interface the screens call.
//
// Help file format (UTF-8 text, CR LF or LF line ends):
//
//   Lines before the first topic are a preamble and are ignored.
//   @@ 400 Title of the topic
//   Text of the topic. Lines of a paragraph are joined with a blank;
//   a blank line starts a new paragraph.
//
//   - a line beginning "- " is an item of a list;
//     indented lines after it continue the item.
//   @@ 500 Next topic
//   ...
//
// A topic begins at a line starting with "@@", followed by its context number (a positive
// whole number) and the title; its text runs to the next "@@" line or the end of the file.
// A header without a valid number, or one repeating a number already seen, is reported as a
// problem and its text is skipped; the other topics stay usable.

#include <QList>
#include <QString>
#include <QStringList>

#include <span>
#include <utility>
#include <vector>

#include "platform/help_language.h"

class QTextStream;

namespace korvel {

struct HelpTopic {
    int context = 0;
    QString title;
    QString text; // lines joined with "\n", leading and trailing blank lines dropped
};

class HelpFile {
public:
    static HelpFile parse(QTextStream& in);
    // Reads the file at `path` (a file or a ":/" resource); a file that cannot be opened
    // gives an empty HelpFile whose problems() say so.
    static HelpFile load(const QString& path);

    // nullptr when the file has no topic of that number.
    const HelpTopic* topic(int context) const;
    const QList<HelpTopic>& topics() const { return topics_; }
    // One line per problem, "line N: ..." where a line is to blame.
    const QStringList& problems() const { return problems_; }

private:
    QList<HelpTopic> topics_;
    QStringList problems_;
};

// The help file name of a language ("KorvelCONTEST.HLP", "KorvelEngl.HLP"); empty for none.
QString helpFileName(HelpLanguage language);

// The help file of `language`: the file of that name in `dataDir`, found regardless of letter
// case, or else the one that ships with the program: installed (share/korvel/help/<name>) or
// built in (":/help/<name>"). Empty for no language.
QString helpFilePath(const QString& dataDir, HelpLanguage language);

// A topic ready to show: its title and its text as HTML. When the topic is missing or the
// file cannot be read, `found` is false and the page says so in one line.
struct HelpPage {
    bool found = false;
    QString title;
    QString html;
};
HelpPage helpPage(const QString& path, int context);

// The entries of the help menus of the three screens. A screen shows the Romanian caption
// until English is chosen; an entry with no English caption is hidden in English.
enum class HelpScreen { Setup, Desk, Review };

struct HelpMenuEntry {
    HelpScreen screen;
    const char* menu;
    const char* romanianCaption;
    const char* englishCaption; // empty: hidden when the language is English
    int romanianContext;
    int englishContext; // 0: no topic in English
};

std::span<const HelpMenuEntry> helpMenuEntries();

// The context an entry opens in `language`; 0 when it opens nothing.
int helpContext(const HelpMenuEntry& entry, HelpLanguage language);

// Shows a help topic. Language 0 (none chosen) and context 0 show nothing.
class HelpViewer {
public:
    virtual ~HelpViewer();
    virtual void showTopic(HelpLanguage language, int context) = 0;
};

// Records every request; for tests and replays.
class RecordingHelpViewer : public HelpViewer {
public:
    void showTopic(HelpLanguage language, int context) override {
        shown.emplace_back(language, context);
    }
    std::vector<std::pair<HelpLanguage, int>> shown; // (language, context)
};

} // namespace korvel
