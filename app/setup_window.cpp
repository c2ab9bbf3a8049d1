#include "app/setup_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace korvel {

SetupWindow::SetupWindow(SetupForm& model, QWidget* parent)
    : QMainWindow(parent), model_(model), binder_(model) {
    setWindowTitle(QStringLiteral("Init"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    for (const char* name : {"LblContest", "LblStation", "LblDataDir"}) {
        auto* label = new QLabel(central);
        label->setObjectName(QLatin1String(name));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
        binder_.bind(QLatin1String(name), label);
    }
    QFont title = central->findChild<QLabel*>(QStringLiteral("LblContest"))->font();
    title.setPointSizeF(title.pointSizeF() * 1.4);
    title.setBold(true);
    central->findChild<QLabel*>(QStringLiteral("LblContest"))->setFont(title);
    layout->addStretch();
    setCentralWidget(central);

    QAction* exitAction = menuBar()->addAction(QString());
    exitAction->setObjectName(QStringLiteral("mnuBeenden"));
    connect(exitAction, &QAction::triggered, this,
            [this] { forward(QStringLiteral("mnuBeenden")); });
    binder_.bind(QStringLiteral("mnuBeenden"), exitAction);
    binder_.sync();
    resize(640, 360);
}

void SetupWindow::showStatus(const QString& text) {
    statusBar()->showMessage(text);
}

void SetupWindow::forward(const QString& control) {
    model_.click(control);
    binder_.sync();
}

void SetupWindow::closeEvent(QCloseEvent* event) {
    // Closing the window asks like the EXIT menu does.
    if (!model_.exitConfirmed()) forward(QStringLiteral("mnuBeenden"));
    if (model_.exitConfirmed())
        event->accept();
    else
        event->ignore();
}

} // namespace korvel
