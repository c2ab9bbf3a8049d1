#include "app/review_window.h"

#include "app/form_events.h"
#include "app/rate_chart_widget.h"
#include "platform/help_file.h"
#include "review/review_controls.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace korvel {

namespace {

constexpr const char* kCabrilloFields[] = {
    rc::TxtCall,    rc::TxtCA,        rc::TxtCategBand, rc::TxtCategMode, rc::TxtCategOp,
    rc::TxtPw,      rc::TxtCategStat, rc::TxtCategT,    rc::TxtTransm,    rc::TxtOverl,
    rc::TxtScore,   rc::TxtClub,      rc::TxtContest,   rc::TxtCreated,   rc::TxtEmail,
    rc::TxtLoc,     rc::TxtName,      rc::TxtAdrs1,     rc::TxtAdrs2,     rc::TxtOperat,
    rc::TxtOffTime, rc::TxtSoap1,     rc::TxtSoap2,     rc::TxtDebug,     rc::TxtStart};

constexpr const char* kStfFields[] = {
    rc::TxtContest1,    rc::TxtMyCall1,     rc::TxtCategory1,    rc::TxtMailAdress1,
    rc::TxtMailAdress2, rc::TxtMailAdress3, rc::TxtMailAdress4,  rc::TxtEMail1,
    rc::TxtClaimedQso1, rc::TxtClaimedPts1, rc::TxtClaimedMult1, rc::TxtClaimedScore1,
    rc::TxtOperators1,  rc::TxtClub1,       rc::TxtEquipment1,   rc::TxtPower1,
    rc::TxtSpecific1,   rc::TxtSoapBox1,    rc::TxtQsoOrder1};

constexpr const char* kStationFields[] = {rc::TxtSection, rc::TxtOp,   rc::TxtNo,   rc::TxtQTH,
                                          rc::TxtAds,     rc::TxtTx,   rc::TxtRx,   rc::TxtAnt,
                                          rc::TxtAnt2,    rc::TxtAnt3, rc::TxtAnt4, rc::TxtAnt5};

constexpr const char* kCountryFields[] = {rc::TxtCountry, rc::TxtCont, rc::TxtCtyPfx, rc::TxtPfx,
                                          rc::TxtITU,     rc::TxtCQ,   rc::TxtBeam,   rc::txtQRA};

} // namespace

ReviewWindow::ReviewWindow(ReviewForm& model, QWidget* parent)
    : QMainWindow(parent), model_(model), binder_(model) {
    setObjectName(QStringLiteral("FrmAnzeigen"));
    setWindowTitle(QLatin1String(review_text::kCaption));
    build();
    menus();
    model_.onTextLogWritten = [this](const QString& path) { saveRateChartBeside(path); };
    sync();
}

QWidget* ReviewWindow::frame(const char* name, QWidget* parent) {
    auto* g = new QGroupBox(parent);
    g->setObjectName(QLatin1String(name));
    binder_.bind(QLatin1String(name), g);
    return g;
}

QWidget* ReviewWindow::option(const char* name, QWidget* parent) {
    auto* r = new QRadioButton(parent);
    r->setAutoExclusive(false); // the model keeps the options
    r->setObjectName(QLatin1String(name));
    r->setFocusPolicy(Qt::NoFocus);
    const QString control = QLatin1String(name);
    connect(r, &QAbstractButton::clicked, this, [this, control] { forward(control); });
    r->installEventFilter(this); // double clicks
    binder_.bind(control, r);
    return r;
}

QWidget* ReviewWindow::label(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    binder_.bind(name, l);
    return l;
}

QWidget* ReviewWindow::field(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setFocusPolicy(Qt::ClickFocus);
    e->installEventFilter(this);
    binder_.bind(QLatin1String(name), e);
    return e;
}

// A frame of labelled fields, in `columns` pairs of columns.
template <std::size_t N>
QWidget* ReviewWindow::fieldPanel(const char* frameName, const char* const (&names)[N], int columns,
                                  QWidget* parent) {
    auto* box = static_cast<QGroupBox*>(frame(frameName, parent));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    const int rows = static_cast<int>((N + columns - 1) / columns);
    for (int i = 0; i < static_cast<int>(N); ++i) {
        const QString name = QLatin1String(names[i]);
        grid->addWidget(label(QStringLiteral("Lbl") + name, box), i % rows, (i / rows) * 2);
        grid->addWidget(field(names[i], box), i % rows, (i / rows) * 2 + 1);
    }
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(c * 2 + 1, 1);
    return box;
}

// A grid of the store's rows; `widths` are the columns' widths in characters.
QTableView* ReviewWindow::grid(const char* name, QAbstractItemModel& rows,
                               std::initializer_list<int> widths, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setModel(&rows);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->verticalHeader()->setVisible(false);
    view->horizontalHeader()->setStretchLastSection(true);
    const int character = view->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    int column = 0;
    for (const int w : widths)
        view->horizontalHeader()->resizeSection(column++, character * w + 12);
    view->setFocusPolicy(Qt::NoFocus);
    binder_.bind(QLatin1String(name), view);
    return view;
}

void ReviewWindow::build() {
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(8, 6, 8, 6);
    columns->setSpacing(10);

    // The small panels, one above the other.
    leftColumn_ = new QWidget(central);
    auto* left = new QVBoxLayout(leftColumn_);
    left->setContentsMargins(0, 0, 0, 0);
    const auto optionFrame = [&](const char* name, std::initializer_list<const char*> options) {
        auto* box = frame(name, leftColumn_);
        auto* layout = new QVBoxLayout(box);
        layout->setSpacing(1);
        for (const char* o : options)
            layout->addWidget(option(o, box));
        left->addWidget(box);
    };
    optionFrame(rc::Frame1, {rc::OpB10, rc::OpB15, rc::OpB20, rc::OpB40, rc::OpB80, rc::Opb160,
                             rc::OpbLogGen, rc::OpBDXCC, rc::OpbCallJud});
    optionFrame(rc::Frame3, {rc::OpBD10, rc::OpBD15, rc::OpBD20, rc::OpBD40, rc::OpBD80,
                             rc::OpBD160, rc::OpbDLogGen, rc::OpBDSumm});
    optionFrame(rc::Frame2, {rc::OpbLLogGen});
    auto* summary = static_cast<QGroupBox*>(frame(rc::Frame4, leftColumn_));
    auto* summaryGrid = new QGridLayout(summary);
    int row = 0;
    for (const auto& [caption, name] :
         {std::pair{rc::LblQSO, rc::TxtQSO}, std::pair{rc::LblPkt, rc::TxtPkt},
          std::pair{rc::LblMlt, rc::TxtMlt}}) {
        summaryGrid->addWidget(label(QLatin1String(caption), summary), row, 0);
        auto* value = static_cast<QLineEdit*>(field(name, summary));
        value->setReadOnly(true);
        value->setAlignment(Qt::AlignRight);
        summaryGrid->addWidget(value, row++, 1);
    }
    left->addWidget(summary);
    optionFrame(rc::Frame5, {rc::OpBDelete});
    optionFrame(rc::Frame7, {rc::OpBAnf_gen});
    left->addWidget(fieldPanel(rc::Frame8, kCountryFields, 1, leftColumn_));
    left->addStretch(1);
    leftColumn_->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 17);
    columns->addWidget(leftColumn_);

    // The grids, the header panels and the pick list.
    auto* right = new QVBoxLayout;
    right_ = right;
    logGrid_ = grid(rc::DBGrid9, model_.logGrid(), {6, 12, 8, 5, 4, 9, 9, 4, 5, 5, 5, 5}, central);
    right->addWidget(logGrid_, 1);
    countryGrid_ = grid(rc::DBGrid6, model_.countryGrid(), {24, 4, 7, 10, 4, 4, 5, 7}, central);
    right->addWidget(countryGrid_, 1);
    right->addWidget(grid(rc::DBGrid7, model_.learnedGrid(), {14, 8}, central), 1);
    right->addWidget(grid(rc::DBGrid8, model_.learnedGrid(), {14, 8}, central), 1);
    connect(logGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (syncing_ || !current.isValid()) return;
                model_.selectLogRow(current.row());
                sync();
            });

    auto* panels = new QHBoxLayout;
    panels_ = panels;
    panels->addWidget(fieldPanel(rc::FraLogCbr, kCabrilloFields, 2, central), 3);
    panels->addWidget(fieldPanel(rc::FraLogSTF, kStfFields, 2, central), 3);
    panels->addWidget(fieldPanel(rc::Frame6, kStationFields, 2, central), 3);
    list_ = new QListWidget(central);
    list_->setObjectName(QLatin1String(rc::ListCbr));
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setFocusPolicy(Qt::NoFocus);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_.clickItem(QLatin1String(rc::ListCbr), item->text());
        sync();
    });
    binder_.bind(QLatin1String(rc::ListCbr), list_);
    panels->addWidget(list_, 1);
    // No stretch: a hidden layout would keep its share of the row.
    panels->addLayout(archivePanel(central));
    right->addLayout(panels, 2);

    auto* gata = new QPushButton(central);
    gata->setObjectName(QLatin1String(rc::CmdGata));
    gata->setFocusPolicy(Qt::NoFocus);
    connect(gata, &QPushButton::clicked, this, [this] { forward(QLatin1String(rc::CmdGata)); });
    binder_.bind(QLatin1String(rc::CmdGata), gata);
    right->addWidget(gata, 0, Qt::AlignLeft);
    columns->addLayout(right, 1);
    setCentralWidget(central);
}

// The archive panel: the name field, its three buttons, and the archive folder's files. A
// layout, not a widget, so that it takes no room while both are hidden.
QLayout* ReviewWindow::archivePanel(QWidget* parent) {
    auto* box = static_cast<QGroupBox*>(frame(rc::FraArh, parent));
    auto* layout = new QGridLayout(box);
    layout->addWidget(label(QLatin1String(rc::LblNameDat), box), 0, 0);
    layout->addWidget(field(rc::TxtNameDat, box), 0, 1, 1, 2);
    int column = 0;
    for (const char* name : {rc::CmdMem, rc::CmdArhivADI, rc::CmdSterg}) {
        auto* button = new QPushButton(box);
        button->setObjectName(QLatin1String(name));
        button->setFocusPolicy(Qt::NoFocus);
        const QString control = QLatin1String(name);
        connect(button, &QPushButton::clicked, this, [this, control] { forward(control); });
        binder_.bind(control, button);
        layout->addWidget(button, 1, column++);
    }
    auto* files = new QListWidget(parent);
    files->setObjectName(QLatin1String(rc::FilList));
    files->setFocusPolicy(Qt::NoFocus);
    connect(files, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_.clickItem(QLatin1String(rc::FilList), item->text());
        sync();
    });
    binder_.bind(QLatin1String(rc::FilList), files);
    auto* stack = new QVBoxLayout;
    stack->addWidget(box);
    stack->addWidget(files, 1);
    return stack;
}

void ReviewWindow::menus() {
    auto action = [this](QMenu* menu, const char* name) {
        QAction* a = menu ? menu->addAction(QString()) : menuBar()->addAction(QString());
        a->setObjectName(QLatin1String(name));
        const QString control = QLatin1String(name);
        connect(a, &QAction::triggered, this, [this, control] { forward(control); });
        binder_.bind(control, a);
        return a;
    };
    auto submenu = [this](QMenu* parent, const char* name) {
        const QString control = QLatin1String(name);
        QMenu* m = parent ? parent->addMenu(model_.ctl(control).text)
                          : menuBar()->addMenu(model_.ctl(control).text);
        m->setObjectName(control);
        binder_.bind(control, m->menuAction());
        return m;
    };
    action(nullptr, rc::mnuAnfang);
    action(nullptr, rc::mnuLogAnzeigen);
    action(nullptr, rc::mnuLOGDrucken);
    action(nullptr, rc::mnuLOGL);
    QMenu* save = submenu(nullptr, rc::mnuMem);
    QMenu* folder = submenu(save, rc::mnuLog);
    action(folder, rc::mnutxt);
    action(folder, rc::mnucabrillo);
    action(folder, rc::mnuFormatSTF);
    action(save, rc::mnuArhiva);
    QMenu* help = submenu(nullptr, rc::mnuHelp3);
    for (const HelpMenuEntry& e : helpMenuEntries())
        if (e.screen == HelpScreen::Review) action(help, e.menu);
    QAction* rate = menuBar()->addAction(QStringLiteral("RATE &CHART"));
    rate->setObjectName(QStringLiteral("mnuRateChart"));
    connect(rate, &QAction::triggered, this, [this] { showRateChart(); });
    action(nullptr, rc::mnuBeenden);
}

void ReviewWindow::showRateChart() {
    const QString png = model_.exportFormat() == ReviewForm::ExportFormat::Text &&
                                !model_.lastExportPath().isEmpty()
                            ? review::rateChartFileBeside(model_.lastExportPath())
                            : QString();
    RateChartDialog dialog(model_.rateHours(), QStringLiteral("QSOs per hour"), png, this);
    dialog.exec();
}

// After "Format TXT" wrote the text log: the rate picture beside it.
void ReviewWindow::saveRateChartBeside(const QString& textLog) {
    const QString error = saveRateChart(model_.rateHours(), QFileInfo(textLog).completeBaseName(),
                                        review::rateChartFileBeside(textLog));
    if (!error.isEmpty()) QMessageBox::warning(this, QStringLiteral("RATE CHART"), error);
}

void ReviewWindow::sync() {
    syncing_ = true;
    binder_.sync();
    // The written file takes the whole right side.
    const bool file = model_.fileShown() && list_->isVisibleTo(this);
    for (QWidget* w : {static_cast<QWidget*>(logGrid_), static_cast<QWidget*>(countryGrid_)})
        if (file) w->hide();
    leftColumn_->setVisible(!file);
    // The header panels and the pick list take room only while one of them is shown.
    const bool panels = list_->isVisibleTo(this) || find(rc::FraLogCbr)->isVisibleTo(this) ||
                        find(rc::FraLogSTF)->isVisibleTo(this) ||
                        find(rc::Frame6)->isVisibleTo(this) || find(rc::FilList)->isVisibleTo(this);
    right_->setStretchFactor(panels_, panels ? 2 : 0);
    for (auto* view : {logGrid_, countryGrid_}) {
        const int selected = view == logGrid_ ? model_.logSelection() : model_.countrySelection();
        const int current = view->currentIndex().isValid() ? view->currentIndex().row() : -1;
        if (selected >= 0 && selected != current) {
            const QModelIndex index = view->model()->index(selected, 0);
            view->setCurrentIndex(index);
            view->scrollTo(index);
        }
    }
    syncing_ = false;
}

QWidget* ReviewWindow::find(const char* name) {
    return findChild<QWidget*>(QLatin1String(name));
}

void ReviewWindow::forward(const QString& control) {
    model_.click(control);
    sync();
}

bool ReviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (auto* option = qobject_cast<QRadioButton*>(watched)) {
        if (event->type() != QEvent::MouseButtonDblClick) return false;
        model_.dblClick(option->objectName());
        sync();
        return true;
    }
    auto* w = qobject_cast<QLineEdit*>(watched);
    if (!w) return QMainWindow::eventFilter(watched, event);
    return forwardFieldEvent(w->objectName(), *event, model_, [this] { sync(); },
                             {.altKeysToForm = false, .doubleClicks = false});
}

void ReviewWindow::closeEvent(QCloseEvent* event) {
    // Closing the window asks like the EXIT menu does.
    if (!model_.exitConfirmed()) forward(QLatin1String(rc::mnuBeenden));
    if (model_.exitConfirmed())
        event->accept();
    else
        event->ignore();
}

} // namespace korvel
