#pragma once
// The help viewer as a window: shows one topic of the help file of the chosen language.

#include "platform/help_file.h"

#include <QPointer>
#include <QTextBrowser>

namespace korvel {

class HelpWindow : public QTextBrowser, public HelpViewer {
public:
    // `dataDir` is searched for the help files first; the built-in copies stand in for
    // missing ones.
    explicit HelpWindow(QString dataDir, QWidget* parent = nullptr);

    void showTopic(HelpLanguage language, int context) override;

protected:
    // Esc closes the window; the keyboard goes back to the field it came from.
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Beside the window the operator works in; where that fills the screen, in the screen's
    // lower right corner, away from the entry fields at the top.
    void placeBeside(const QWidget* owner);

    QString dataDir_;
    QPointer<QWidget> returnTo_;
};

} // namespace korvel
