#include "app/desk_window.h"

#include "app/compass_widget.h"
#include "app/dx_cluster_panel.h"
#include "app/form_events.h"
#include "app/key_translate.h"
#include "app/qt_message_box.h"
#include "app/station_panel.h"
#include "desk/dx_cluster_addresses.h"
#include "platform/help_file.h"
#include "scoring/contests/registry.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvel {

namespace {

// Grid columns: the stored columns in their order, with the contest's captions for the marks.
QStringList gridCaptions(const scoring::Contest& contest) {
    return {QStringLiteral("Nr"),
            QStringLiteral("Call"),
            QStringLiteral("Date"),
            QStringLiteral("UTC"),
            QStringLiteral("Band"),
            QStringLiteral("Sent"),
            QStringLiteral("Rcvd"),
            QStringLiteral("Mode"),
            QStringLiteral("Pfx"),
            QLatin1String(contest.multCaption()),
            QLatin1String(contest.mult1Caption()),
            QStringLiteral("Pts")};
}

} // namespace

DeskWindow::DeskWindow(DeskForm& model, SharedState& state, QWidget* parent)
    : QMainWindow(parent), model_(model), state_(state), binder_(model) {
    setObjectName(desk_ctl::form);
    if (compact()) {
        // 800x600 and smaller: smaller fonts, so that every control fits the screen.
        QFont f = font();
        f.setPointSizeF(f.pointSizeF() * 0.85);
        setFont(f);
    }
    build();
    applyScale();
    connect(&clock_, &QTimer::timeout, this, [this] {
        model_.tick();
        if (windowTitle() != model_.title()) setWindowTitle(model_.title());
    });
    clock_.start(250);
    model_.tick();
    setWindowTitle(model_.title());
    sync();
}

QWidget* DeskWindow::field(const QString& name, int width) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setFocusPolicy(Qt::ClickFocus);
    e->installEventFilter(this);
    if (width > 0) e->setMinimumWidth(width);
    binder_.bind(name, e);
    return e;
}

QWidget* DeskWindow::label(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent ? parent : this);
    l->setObjectName(name);
    binder_.bind(name, l);
    return l;
}

QWidget* DeskWindow::button(const QString& name) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setMinimumWidth(36); // narrow screens: the layout may squeeze the buttons
    const QString control = name;
    connect(b, &QPushButton::clicked, this, [this, control] { forwardClick(control); });
    binder_.bind(control, b);
    return b;
}

void DeskWindow::build() {
    auto* central = new QWidget(this);
    auto* root = new QVBoxLayout(central);
    root->setContentsMargins(6, 4, 6, 4);
    root->setSpacing(4);
    const QFont big = captionRow(root);
    entryRow(root, big);
    analysisRows(root);
    auto* middle = new QHBoxLayout;
    actionsAndBands(middle, big);
    // The own station takes what its lines need; the score frame the rest, so that the
    // claimed score and the rate beside the band table are not squeezed by the dupe frame.
    middle->addWidget(ownStationFrame(), 0);
    middle->addWidget(scoreFrame(), 1);
    root->addLayout(middle);
    logGrid(root);
    // The band map and the cluster console beside the log; folded away on a small screen.
    const auto syncAll = [this] { sync(); };
    station_ = new StationPanel(model_, binder_, syncAll, central);
    station_->commandLine()->installEventFilter(this);
    station_->besideLog(root, state_.ScreenHeightPx > 0 && state_.ScreenHeightPx < 700);
    cwPanel(root);
    messageKeys(root);
    // The message buttons stay visible for the voice keyer when the CW texts are hidden.
    // The key summary wraps rather than widen the desk past a small screen.
    auto* keySummary = static_cast<QLabel*>(label(desk_ctl::LblJos));
    keySummary->setWordWrap(true);
    root->addWidget(keySummary);
    setCentralWidget(central);
    menus();
}

QFont DeskWindow::captionRow(QVBoxLayout* root) {
    // Contest caption, notices.
    auto* top = new QHBoxLayout;
    QWidget* conc = label(desk_ctl::LblConc);
    QFont big = conc->font();
    big.setPointSizeF(big.pointSizeF() * (compact() ? 1.25 : 1.5));
    big.setBold(true);
    conc->setFont(big);
    top->addWidget(conc);
    QWidget* freq = label(desk_ctl::LblFreq); // the radio's frequency
    freq->setFont(big);
    top->addWidget(freq);
    top->addWidget(label(desk_ctl::LblAnunt), 1);
    top->addWidget(label(desk_ctl::LblOffLine));
    top->addWidget(label(desk_ctl::LblRaport));
    root->addLayout(top);
    return big;
}

void DeskWindow::entryRow(QVBoxLayout* root, const QFont& big) {
    // Entry fields in one row, captions above.
    auto* entry = new QGridLayout;
    const char* captions[] = {"CALL", "RSTS", "", "RSTR", "", "UTC", "Date"};
    const int stretch[] = {4, 1, 2, 1, 3, 2, 2};
    for (int i = 0; i < 7; ++i) {
        entry->addWidget(new QLabel(QLatin1String(captions[i]), this), 0, i);
        QWidget* f = field(desk_ctl::kEntryFields[i]);
        f->setFont(big);
        entry->addWidget(f, 1, i);
        entry->setColumnStretch(i, stretch[i]);
    }
    root->addLayout(entry);
}

void DeskWindow::analysisRows(QVBoxLayout* root) {
    // Analysis fields beside each other.
    auto* analysis = new QHBoxLayout;
    const char* captions[] = {"Country", "Cont", "Pfx", "ITU", "CQ", "Beam"};
    for (std::size_t i = 0; i < std::size(desk_ctl::kAnalysisFields); ++i) {
        const desk_ctl::Name name = desk_ctl::kAnalysisFields[i];
        analysis->addWidget(new QLabel(QLatin1String(captions[i]), this));
        QWidget* f = field(name);
        analysis->addWidget(f, name == desk_ctl::TxtCountry ? 4 : 1);
    }
    root->addLayout(analysis);
    QWidget* error = field(desk_ctl::TxtEroare);
    error->setStyleSheet(QStringLiteral("color: rgb(255,0,0);"));
    root->addWidget(error);
}

void DeskWindow::actionsAndBands(QHBoxLayout* middle, const QFont& big) {
    // Middle: actions, lists, bands and modes on the left; compass and own station right.
    auto* left = new QVBoxLayout;
    auto* actions = new QHBoxLayout;
    // The two buttons keep their size whatever the warning beside them needs.
    for (desk_ctl::Name name : {desk_ctl::CmdEnterCall, desk_ctl::CmdAbbruchX}) {
        QWidget* b = button(name);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        actions->addWidget(b);
    }
    QWidget* neu = label(desk_ctl::LblNeu);
    neu->setFont(big);
    actions->addWidget(neu);
    // The dupe warning: its caption in red inside a framed box.
    auto* dupe = new QLabel(this);
    dupe->setObjectName(desk_ctl::Frame3);
    dupe->setAlignment(Qt::AlignCenter);
    dupe->setFrameShape(QFrame::Box);
    // Red and bold through the palette and the font's weight alone: the size follows the
    // window's font (a style sheet would fix it at the size it had when set).
    QPalette red = dupe->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    dupe->setPalette(red);
    QFont bold;
    bold.setBold(true);
    dupe->setFont(bold);
    dupe->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    binder_.bind(desk_ctl::Frame3, dupe);
    actions->addWidget(dupe, 1);
    left->addLayout(actions);
    auto* lists = new QHBoxLayout;
    for (desk_ctl::Name name : {desk_ctl::list1, desk_ctl::List2}) {
        auto* l = new QListWidget(this);
        l->setObjectName(name);
        l->setFocusPolicy(Qt::NoFocus);
        l->setMaximumHeight(compact() ? 48 : 90);
        const QString control = name;
        connect(l, &QListWidget::itemClicked, this, [this, control](QListWidgetItem* item) {
            model_.clickItem(control, item->text());
            sync();
        });
        binder_.bind(control, l);
        lists->addWidget(l);
    }
    left->addLayout(lists);
    auto* bands = new QGridLayout;
    for (int i = 0; i < 6; ++i) {
        QWidget* b = button(desk_ctl::bandButton(i));
        b->setToolTip(
            QStringLiteral("%1 m: Ctrl+F%2; Ctrl+Left / Ctrl+Right: band to the left / right")
                .arg(kBands[static_cast<std::size_t>(i)])
                .arg(i + 1));
        bands->addWidget(b, 0, i);
        QWidget* l = label(desk_ctl::bandLabel(i));
        static_cast<QLabel*>(l)->setAlignment(Qt::AlignCenter);
        l->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        bands->addWidget(l, 1, i);
    }
    bands->addWidget(button(desk_ctl::CmdCW), 0, 6);
    bands->addWidget(button(desk_ctl::CmdSSB), 0, 7);
    for (const auto& [name, col] :
         {std::pair{desk_ctl::LblCW, 6}, std::pair{desk_ctl::LblSSB, 7}}) {
        QWidget* l = label(name);
        static_cast<QLabel*>(l)->setAlignment(Qt::AlignCenter);
        l->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        bands->addWidget(l, 1, col);
    }
    left->addLayout(bands);
    middle->addLayout(left, 3);

    compass_ = new CompassWidget(this);
    middle->addWidget(compass_, 1);
}

QWidget* DeskWindow::ownStationFrame() {
    auto* myData = new QGroupBox(this);
    myData->setObjectName(desk_ctl::FrmMyData);
    binder_.bind(desk_ctl::FrmMyData, myData);
    auto* myLayout = new QGridLayout(myData);
    myLayout->setVerticalSpacing(0);
    myLayout->setContentsMargins(6, 2, 6, 2);
    const std::pair<const char*, desk_ctl::Name> own[] = {
        {"Call", desk_ctl::LblMyCall},   {"Cont", desk_ctl::LblMyCnt},
        {"ITU", desk_ctl::LblMyITU},     {"Pfx", desk_ctl::LblMyCntPfx},
        {"Exch", desk_ctl::LblMyBezirk}, {"QRA", desk_ctl::LblMyQRA}};
    int row = 0;
    for (const auto& [caption, name] : own) {
        myLayout->addWidget(new QLabel(QLatin1String(caption), myData), row, 0);
        myLayout->addWidget(label(name, myData), row++, 1);
    }
    return myData;
}

QWidget* DeskWindow::scoreFrame() {
    // Score summary: the current band and the five others.
    auto* score = new QGroupBox(this);
    score->setObjectName(desk_ctl::Frame2);
    binder_.bind(desk_ctl::Frame2, score);
    auto* scoreLayout = new QGridLayout(score);
    scoreLayout->setVerticalSpacing(0);
    scoreLayout->setContentsMargins(6, 2, 6, 2);
    const char* heads[] = {"Band", "QSO", "Pts", "Mult"};
    for (int c = 0; c < 4; ++c)
        scoreLayout->addWidget(new QLabel(QLatin1String(heads[c]), score), 0, c);
    for (int r = 0; r < 6; ++r) {
        int col = 0;
        for (desk_ctl::Tally column : desk_ctl::kTallies) {
            auto* l = new QLabel(score);
            const QString name = desk_ctl::tallyLabel(column, r);
            l->setObjectName(name);
            if (r == 0) {
                QFont f = l->font();
                f.setBold(true);
                l->setFont(f);
            }
            binder_.bind(name, l);
            scoreLayout->addWidget(l, r + 1, col++);
        }
    }
    // Under the band table, across the frame: the claimed score, the rate and the next
    // serial (on a small screen they fold away with the super check list).
    if (!foldFigures()) scoreLayout->addWidget(figureLabels(score), 7, 0, 1, 4);
    return score;
}

QWidget* DeskWindow::figureLabels(QWidget* parent) {
    auto* figures = new QWidget(parent);
    auto* column = new QVBoxLayout(figures);
    column->setContentsMargins(0, 0, 0, 0);
    for (desk_ctl::Name name : {desk_ctl::LblScore, desk_ctl::LblRate, desk_ctl::LblNextNr}) {
        auto* l = static_cast<QLabel*>(label(name, figures));
        l->setWordWrap(true);
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        column->addWidget(l);
    }
    column->addStretch(1);
    figures->setMinimumWidth(
        figures->fontMetrics().horizontalAdvance(QStringLiteral("CLAIMED 9999 QSO")));
    return figures;
}

// 800x600 and smaller: the figures and the super check list open from a narrow button.
bool DeskWindow::foldFigures() const {
    return state_.ScaleX <= 1.0f;
}

void DeskWindow::logGrid(QVBoxLayout* root) {
    // The log grid of the current band.
    grid_ = new QTableWidget(this);
    grid_->setObjectName(desk_ctl::DBGrid9);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->setVisible(false);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    connect(grid_, &QTableWidget::cellClicked, this, [this](int r, int) {
        if (auto* item = grid_->item(r, 0)) model_.selectGridRow(item->text().toLongLong());
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int r, int) {
        if (auto* item = grid_->item(r, 0)) model_.selectGridRow(item->text().toLongLong());
        model_.dblClick(desk_ctl::DBGrid9);
        sync();
    });
    if (state_.DxClusterOn == Flag::On) {
        // The DX-cluster pages beside the log; they never take the keyboard from the desk.
        auto* logAndCluster = new QHBoxLayout;
        logAndCluster->addWidget(superCheckBeside(grid_), 3);
        cluster_ = new DxClusterPanel(clusterAddresses(readClusterHosts(state_.AppDir)), this);
        cluster_->setObjectName(desk_ctl::FraDxCluster);
        // Its address bar and buttons take the focus only when clicked: the keyboard
        // belongs to the call field.
        for (QWidget* w : cluster_->findChildren<QWidget*>())
            if (w->focusPolicy() & Qt::TabFocus) w->setFocusPolicy(Qt::ClickFocus);
        cluster_->onDone = [this] {
            model_.focusCall();
            sync();
        };
        logAndCluster->addWidget(cluster_, compact() ? 1 : 2);
        root->addLayout(logAndCluster, 1);
    } else {
        root->addWidget(superCheckBeside(grid_), 1);
    }
}

// The super check partial list beside the log grid; on a small screen folded away behind
// a button that opens it.
QWidget* DeskWindow::superCheckBeside(QWidget* grid) {
    auto* holder = new QWidget(this);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(grid, 3);
    auto* panel = new QWidget(holder);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    auto* notice = static_cast<QLabel*>(label(desk_ctl::LblScp, panel));
    notice->setWordWrap(true);
    notice->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->addWidget(notice);
    auto* list = new QListWidget(panel);
    list->setObjectName(desk_ctl::LstScp);
    list->setFocusPolicy(Qt::NoFocus);
    connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        model_.clickItem(desk_ctl::LstScp, item->text());
        model_.dblClick(desk_ctl::LstScp);
        sync();
    });
    binder_.bind(desk_ctl::LstScp, list);
    column->addWidget(list, 1);
    row->addWidget(panel, 1);
    if (foldFigures()) {
        column->insertWidget(0, figureLabels(panel));
        auto* fold = new QPushButton(QStringLiteral("S\nC\nP"), holder);
        fold->setObjectName(QStringLiteral("CmdScp"));
        fold->setCheckable(true);
        fold->setFocusPolicy(Qt::NoFocus);
        fold->setFixedWidth(fold->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 2);
        fold->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        panel->setVisible(false);
        connect(fold, &QPushButton::toggled, panel, &QWidget::setVisible);
        row->addWidget(fold);
    }
    return holder;
}

void DeskWindow::cwPanel(QVBoxLayout* root) {
    // CW panel and the message keys.
    auto* cw = new QGroupBox(this);
    cw->setObjectName(desk_ctl::FrmCwProgr);
    binder_.bind(desk_ctl::FrmCwProgr, cw);
    auto* cwLayout = new QHBoxLayout(cw);
    cwLayout->addWidget(new QLabel(QStringLiteral("WPM"), cw));
    cwLayout->addWidget(label(desk_ctl::LblWPM, cw));
    cwLayout->addWidget(label(desk_ctl::LblVitezaUp, cw));
    cwLayout->addWidget(label(desk_ctl::LblVitezaDown, cw));
    // The weighting of the dots and dashes.
    for (desk_ctl::Name name : {desk_ctl::OpB50, desk_ctl::OpB62, desk_ctl::Opb75}) {
        auto* option = new QRadioButton(cw);
        option->setObjectName(name);
        option->setFocusPolicy(Qt::NoFocus);
        option->setAutoExclusive(false); // the model decides which one is chosen
        const QString control = name;
        connect(option, &QRadioButton::clicked, this, [this, control] { forwardClick(control); });
        binder_.bind(control, option);
        cwLayout->addWidget(option);
    }
    cwLayout->addWidget(field(desk_ctl::TxtCwCurent), 3);
    cwLayout->addWidget(new QLabel(QStringLiteral("Pause"), cw));
    cwLayout->addWidget(field(desk_ctl::txtPauseCW, 40));
    cwLayout->addWidget(field(desk_ctl::TxtPauseSSB, 40));
    cwLayout->addWidget(label(desk_ctl::LblStopCW, cw));
    root->addWidget(cw);
}

void DeskWindow::messageKeys(QVBoxLayout* root) {
    auto* messages = new QGroupBox(this);
    messages->setObjectName(desk_ctl::FramTxtCw);
    binder_.bind(desk_ctl::FramTxtCw, messages);
    auto* msgLayout = new QGridLayout(messages);
    msgLayout->setVerticalSpacing(1);
    msgLayout->setContentsMargins(4, 2, 4, 2);
    for (int i = 1; i <= 11; ++i) {
        const int r = (i - 1) % 4, c = (i - 1) / 4 * 2;
        msgLayout->addWidget(button(desk_ctl::messageButton(i)), r, c);
        msgLayout->addWidget(field(desk_ctl::messageText(i)), r, c + 1);
    }
    auto* legend = static_cast<QLabel*>(label(desk_ctl::LblTxtCW, messages));
    legend->setWordWrap(true);
    legend->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    legend->setMinimumHeight(legend->fontMetrics().lineSpacing() * 3); // all its lines
    msgLayout->addWidget(legend, 3, 4, 1, 2);
    root->addWidget(messages);
}

void DeskWindow::menus() {
    keepAltForShortcuts(menuBar());
    auto action = [this](desk_ctl::Name name) {
        QAction* a = menuBar()->addAction(QString());
        a->setObjectName(name);
        const QString control = name;
        connect(a, &QAction::triggered, this, [this, control] { forwardClick(control); });
        binder_.bind(control, a);
        return a;
    };
    action(desk_ctl::mnuAnfang);
    action(desk_ctl::mnuBeenden);
    action(desk_ctl::mnuUndo);
    QMenu* help = menuBar()->addMenu(QStringLiteral("HELP"));
    help->setObjectName(desk_ctl::mnuHelp2);
    const bool english = state_.Language == HelpLanguage::English;
    for (const HelpMenuEntry& e : helpMenuEntries()) {
        if (e.screen != HelpScreen::Desk) continue;
        if (english && !*e.englishCaption) continue; // no English topic
        QAction* a =
            help->addAction(QString::fromUtf8(english ? e.englishCaption : e.romanianCaption));
        a->setObjectName(QLatin1String(e.menu));
        connect(a, &QAction::triggered, this, [this, &e] {
            const int context = helpContext(e, state_.Language);
            if (onHelp && context > 0) onHelp(state_.Language, context);
        });
    }
}

void DeskWindow::applyScale() {
    // The fonts follow the screen scale; the layouts do the rest.
    QFont f = font();
    const double scale = std::max(0.8f, state_.ScaleY);
    if (scale != 1.0) {
        f.setPointSizeF(f.pointSizeF() * scale);
        setFont(f);
    }
    const int side = static_cast<int>((compact() ? 64 : 90) * scale);
    compass_->setMinimumSize(side, side);
}

bool DeskWindow::compact() const {
    return state_.ScreenHeightPx > 0 && state_.ScreenHeightPx < 700;
}

void DeskWindow::forwardClick(const QString& control) {
    model_.click(control);
    sync();
}

void DeskWindow::refreshGrid() {
    const auto& rows = model_.gridRows();
    const std::int64_t first = rows.empty() ? 0 : rows.front().id;
    const std::int64_t last = rows.empty() ? 0 : rows.back().id;
    if (rows.size() == gridShown_ && first == gridFirstId_ && last == gridLastId_) return;
    gridShown_ = rows.size();
    gridFirstId_ = first;
    gridLastId_ = last;
    grid_->setUpdatesEnabled(false);
    grid_->clear();
    grid_->setColumnCount(12);
    grid_->setHorizontalHeaderLabels(gridCaptions(scoring::contestOrNone(state_.ContestCode)));
    grid_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const QStringList cells = store::cells(rows[static_cast<std::size_t>(r)]);
        for (int c = 0; c < static_cast<int>(cells.size()); ++c)
            grid_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    const bool second = scoring::contestOrNone(state_.ContestCode).countsSecondMultiplier();
    grid_->setColumnHidden(10, !second);
    if (compact()) {
        // Small screens: no date and band (the grid shows the current band), and columns of
        // fixed width, so that the grid never needs scrolling sideways.
        grid_->setColumnHidden(2, true);
        grid_->setColumnHidden(4, true);
        const int digit = grid_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        const int chars[] = {5, 11, 0, 6, 0, 8, 8, 5, 5, 6, 8, 4};
        for (int c = 0; c < 12; ++c)
            if (chars[c] > 0) grid_->setColumnWidth(c, chars[c] * digit + 8);
    } else {
        grid_->resizeColumnsToContents();
    }
    grid_->scrollToBottom();
    grid_->setUpdatesEnabled(true);
}

void DeskWindow::sync() {
    binder_.sync();
    if (station_) station_->sync();
    compass_->setHeading(model_.beamHeading());
    refreshGrid();
}

bool DeskWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QLineEdit*>(watched);
    if (!w) return QMainWindow::eventFilter(watched, event);
    return forwardFieldEvent(w->objectName(), *event, model_, [this] { sync(); },
                             {.altKeysToForm = true, .doubleClicks = true});
}

void DeskWindow::keyPressEvent(QKeyEvent* event) {
    const auto key = translateKey(*event);
    if (!key) return QMainWindow::keyPressEvent(event);
    model_.keyOutsideFields(*key);
    sync();
}

void DeskWindow::closeEvent(QCloseEvent* event) {
    forwardClick(desk_ctl::mnuBeenden);
    event->ignore(); // the model ends the program when the operator confirms
}

} // namespace korvel
