#include "app/station_window.h"

#include "app/key_translate.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvel {

namespace ctl = station_ctl;

StationWindow::StationWindow(StationForm& model, QWidget* parent)
    : QDialog(parent), model_(model), binder_(model) {
    setObjectName(ctl::form);
    setWindowTitle(QStringLiteral("STATION: RIG, DX CLUSTER, CWDAEMON"));
    auto* root = new QVBoxLayout(this);
    auto field = [this](ctl::Name name) { return watch(new QLineEdit(this), name); };
    auto check = [this](ctl::Name name) { return button(new QCheckBox(this), name); };
    auto list = [this](ctl::Name name, int rows) {
        auto* l = new QListWidget(this);
        l->setMaximumHeight(l->fontMetrics().lineSpacing() * rows + 8);
        connect(l, &QListWidget::currentRowChanged, this, [this, l, name](int row) {
            if (row >= 0 && row != model_.ctl(name).listIndex)
                model_.clickItem(name, l->item(row)->text());
            sync();
        });
        return watch(l, name);
    };

    auto* rig = new QGroupBox(this);
    auto* rigForm = new QFormLayout(rig);
    rigForm->addRow(check(ctl::ChkRig));
    rigForm->addRow(QStringLiteral("Rig model"), list(ctl::LstRigModel, 5));
    rigForm->addRow(QStringLiteral("Serial device, speed"), [&] {
        auto* row = new QHBoxLayout;
        row->addWidget(field(ctl::TxtRigDevice), 3);
        row->addWidget(field(ctl::TxtRigSpeed), 1);
        return row;
    }());
    rigForm->addRow(QStringLiteral("rigctld host:port (model 2)"), field(ctl::TxtRigNet));
    rigForm->addRow(QStringLiteral("Poll (ms)"), field(ctl::TxtRigPoll));
    root->addWidget(rig);

    auto* cluster = new QGroupBox(this);
    auto* clusterForm = new QFormLayout(cluster);
    clusterForm->addRow(check(ctl::ChkCluster));
    clusterForm->addRow(QStringLiteral("Nodes (the chosen one is used, Del removes)"),
                        list(ctl::LstNodes, 3));
    clusterForm->addRow(QStringLiteral("Add node host:port, Enter"), field(ctl::TxtNode));
    clusterForm->addRow(QStringLiteral("Spot age (minutes)"), field(ctl::TxtSpotAge));
    root->addWidget(cluster);

    auto* daemon = new QGroupBox(this);
    auto* daemonForm = new QFormLayout(daemon);
    daemonForm->addRow(check(ctl::ChkCwDaemon));
    daemonForm->addRow(QStringLiteral("cwdaemon host:port"), field(ctl::TxtCwDaemon));
    daemonForm->addRow(QStringLiteral("Weighting (-50 .. 50)"), field(ctl::TxtCwWeight));
    root->addWidget(daemon);

    auto* status = new QLabel(this);
    status->setStyleSheet(QStringLiteral("color: rgb(255,0,0);"));
    binder_.bind(ctl::LblStatus, status);
    root->addWidget(status);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (ctl::Name name : {ctl::CmdSave, ctl::CmdCancel}) {
        auto* b = new QPushButton(this);
        b->setAutoDefault(false);
        buttons->addWidget(button(b, name));
    }
    root->addLayout(buttons);
    model_.onClose = [this] { accept(); };
    sync();
}

// Every control takes the focus only from the model; its keys and clicks go to the model.
QWidget* StationWindow::watch(QWidget* w, const QString& name) {
    w->setObjectName(name);
    w->setFocusPolicy(Qt::ClickFocus);
    w->installEventFilter(this);
    binder_.bind(name, w);
    return w;
}

// A check box or a button: clicked with the mouse or its Alt key, the model decides.
QWidget* StationWindow::button(QAbstractButton* b, const QString& name) {
    connect(b, &QAbstractButton::clicked, this, [this, name] {
        model_.click(name);
        if (isVisible()) sync();
    });
    return watch(b, name);
}

void StationWindow::sync() {
    binder_.sync();
}

bool StationWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || !model_.has(w->objectName())) return QDialog::eventFilter(watched, event);
    const QString name = w->objectName();
    if (event->type() == QEvent::KeyPress) {
        const auto key = translateKey(static_cast<const QKeyEvent&>(*event));
        if (!key || key->alt) return false; // Alt keys: the buttons' and boxes' accelerators
        model_.pressKey(*key);
        if (isVisible()) sync();
        return true;
    }
    // A click in a field puts the model's focus there; buttons and lists report clicks.
    if (event->type() == QEvent::MouseButtonPress && qobject_cast<QLineEdit*>(w)) {
        model_.click(name);
        if (isVisible()) sync();
        return true;
    }
    return false;
}

} // namespace korvel
