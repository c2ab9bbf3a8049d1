#pragma once
// The help viewer as a window: shows one topic of the help file of the chosen language.

#include "platform/help_file.h"

#include <QTextBrowser>

namespace korvel {

class HelpWindow : public QTextBrowser, public HelpViewer {
public:
    // `dataDir` is searched for the help files first; the built-in copies stand in for
    // missing ones.
    explicit HelpWindow(QString dataDir, QWidget* parent = nullptr);

    void showTopic(HelpLanguage language, int context) override;

private:
    QString dataDir_;
};

} // namespace korvel
