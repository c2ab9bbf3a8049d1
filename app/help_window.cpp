#include "app/help_window.h"

namespace korvel {

HelpWindow::HelpWindow(QString dataDir, QWidget* parent)
    : QTextBrowser(parent), dataDir_(std::move(dataDir)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowFlag(Qt::Window);
    setOpenLinks(false);
    resize(560, 420);
}

void HelpWindow::showTopic(HelpLanguage language, int context) {
    const QString path = helpFilePath(dataDir_, language);
    if (path.isEmpty() || context <= 0) return;
    const HelpPage page = helpPage(path, context);
    setHtml(page.html);
    setWindowTitle(QStringLiteral("Korvel help: %1").arg(page.title));
    show();
    raise();
    activateWindow();
}

} // namespace korvel
