#include "app/station_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvel {

StationPanel::StationPanel(DeskForm& model, FormBinder& binder, std::function<void()> sync,
                           QWidget* parent)
    : QWidget(parent), model_(model), syncAll_(std::move(sync)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(new QLabel(QStringLiteral("BAND MAP"), this));
    bandMap_ = new QListWidget(this);
    bandMap_->setObjectName(desk_ctl::LstBandMap);
    bandMap_->setFocusPolicy(Qt::NoFocus);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    bandMap_->setFont(fixed);
    connect(bandMap_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        model_.clickItem(desk_ctl::LstBandMap, item->text());
        model_.dblClick(desk_ctl::LstBandMap);
        syncAll_();
    });
    binder.bind(desk_ctl::LstBandMap, bandMap_);
    column->addWidget(bandMap_, 3);

    column->addWidget(new QLabel(QStringLiteral("CLUSTER"), this));
    console_ = new QListWidget(this);
    console_->setObjectName(desk_ctl::LstCluster);
    console_->setFocusPolicy(Qt::NoFocus);
    console_->setFont(fixed);
    console_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    binder.bind(desk_ctl::LstCluster, console_);
    column->addWidget(console_, 2);
    command_ = new QLineEdit(this);
    command_->setObjectName(desk_ctl::TxtClusterCmd);
    command_->setFocusPolicy(Qt::ClickFocus); // the keyboard belongs to the call field
    command_->setPlaceholderText(QStringLiteral("command for the node, Enter"));
    binder.bind(desk_ctl::TxtClusterCmd, command_);
    column->addWidget(command_);
}

void StationPanel::besideLog(QVBoxLayout* root, bool folded) {
    // The log grid (with whatever stands beside it) is the last part of the desk so far.
    QLayoutItem* log = root->takeAt(root->count() - 1);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    if (QWidget* widget = log->widget()) {
        delete log; // the layout item only: the widget moves into the new row
        row->addWidget(widget, 1);
    } else {
        row->addItem(log);
    }
    // The panel and its fold button come and go together (shown while the cluster is on).
    side_ = new QWidget(parentWidget());
    side_->setObjectName(QStringLiteral("StationSide"));
    auto* sideRow = new QHBoxLayout(side_);
    sideRow->setContentsMargins(0, 0, 0, 0);
    sideRow->setSpacing(2);
    if (folded) {
        auto* fold = new QPushButton(QStringLiteral("M\nA\nP"), side_);
        fold->setObjectName(QStringLiteral("CmdBandMap"));
        fold->setCheckable(true);
        fold->setFocusPolicy(Qt::NoFocus);
        fold->setFixedWidth(fold->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 2);
        fold->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        setVisible(false);
        connect(fold, &QPushButton::toggled, this, &QWidget::setVisible);
        sideRow->addWidget(fold);
    }
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24);
    sideRow->addWidget(this);
    row->addWidget(side_);
    side_->setVisible(model_.ctl(desk_ctl::FraStation).visible);
    root->addLayout(row, 1);
}

void StationPanel::sync() {
    if (side_) side_->setVisible(model_.ctl(desk_ctl::FraStation).visible);
    const std::vector<cluster::BandMapRow>& rows = model_.bandMap().rows();
    for (int i = 0; i < bandMap_->count() && i < static_cast<int>(rows.size()); ++i) {
        const forms::Rgb c = cluster::markColour(rows[static_cast<std::size_t>(i)].mark);
        bandMap_->item(i)->setForeground(QColor(c.r, c.g, c.b));
    }
    if (console_->count() != consoleLines_) {
        consoleLines_ = console_->count();
        console_->scrollToBottom();
    }
}

} // namespace korvel
