#include "app/setup_window.h"

#include "app/form_events.h"
#include "app/qt_message_box.h"
#include "core/contest_catalogue.h"
#include "platform/help_file.h"
#include "scoring/contests/registry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QVBoxLayout>

namespace korvel {

namespace {

QFont scaledFont(QFont f, double factor, bool bold) {
    f.setPointSizeF(f.pointSizeF() * factor);
    f.setBold(bold);
    return f;
}

// The mode notice's caption lays its sentences out with runs of blanks; here each of them
// starts a line of its own.
QString noticeLines(const QString& caption) {
    static const QRegularExpression gap(QStringLiteral("\\s{3,}"));
    return caption.trimmed().replace(gap, QStringLiteral("\n"));
}

} // namespace

SetupWindow::SetupWindow(SetupForm& model, QWidget* parent)
    : QMainWindow(parent), model_(model), binder_(model) {
    setObjectName(setup_ctl::form);
    setWindowTitle(QStringLiteral("Init"));
    applyScale();
    build();
    menus();
    sync();
}

void SetupWindow::applyScale() {
    // The fonts follow the screen's layout scale; the layouts place everything else.
    const double scale = std::max(0.8f, model_.state().ScaleY);
    if (scale != 1.0) setFont(scaledFont(font(), scale, false));
}

QWidget* SetupWindow::field(const QString& name, QWidget* parent, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFocusPolicy(Qt::ClickFocus);
    e->installEventFilter(this);
    if (width > 0) e->setFixedWidth(width);
    binder_.bind(name, e);
    return e;
}

QWidget* SetupWindow::label(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    binder_.bind(name, l);
    return l;
}

QWidget* SetupWindow::choice(const QString& name, QWidget* parent) {
    QAbstractButton* b = nullptr;
    if (model_.ctl(name).kind == forms::ControlKind::Option) {
        auto* r = new QRadioButton(parent);
        r->setAutoExclusive(false); // the model keeps one option of a frame selected
        b = r;
    } else {
        b = new QCheckBox(parent);
    }
    b->setObjectName(name);
    // The model moves the focus here (Tab, the arrow keys) and takes its keys; Alt+letter
    // works from anywhere.
    b->setFocusPolicy(Qt::ClickFocus);
    b->installEventFilter(this);
    connect(b, &QAbstractButton::clicked, this, [this, name] { forward(name); });
    binder_.bind(name, b);
    return b;
}

QWidget* SetupWindow::frame(const QString& name, QWidget* parent) {
    auto* g = new QGroupBox(parent);
    g->setObjectName(name);
    binder_.bind(name, g);
    return g;
}

void SetupWindow::build() {
    auto* central = new QWidget(this);
    auto* root = new QVBoxLayout(central);
    root->setContentsMargins(10, 6, 10, 6);
    root->setSpacing(6);

    // Title and the chosen contest.
    auto* top = new QHBoxLayout;
    QWidget* title = label(setup_ctl::LblContest, central);
    title->setFont(scaledFont(font(), 1.3, true));
    top->addWidget(title);
    top->addStretch(1);
    QWidget* tip = label(setup_ctl::LblTipTest, central);
    tip->setFont(scaledFont(font(), 1.6, true));
    tip->setStyleSheet(QStringLiteral("color: rgb(0,0,160);"));
    top->addWidget(tip);
    root->addLayout(top);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    auto* left = new QVBoxLayout;
    left->addWidget(stationPanel(central));
    left->addWidget(optionsPanel(central));
    left->addStretch(1);
    columns->addLayout(left, 0);

    auto* right = new QVBoxLayout;
    // The wizard: one of its choices is on screen at a time.
    auto* language = static_cast<QGroupBox*>(frame(setup_ctl::FraLimbaj, central));
    auto* languageRow = new QHBoxLayout(language);
    languageRow->addWidget(choice(setup_ctl::OpBRomanian, language));
    languageRow->addWidget(choice(setup_ctl::OpbEnglish, language));
    languageRow->addStretch(1);
    right->addWidget(language);
    right->addWidget(contestFrame(central));

    auto* mode = static_cast<QGroupBox*>(frame(setup_ctl::FraConcurs, central));
    auto* modeLayout = new QVBoxLayout(mode);
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(choice(setup_ctl::OpbConcurs, mode));
    modeRow->addWidget(choice(setup_ctl::OpbTest, mode));
    modeRow->addStretch(1);
    modeLayout->addLayout(modeRow);
    // The notice explains the two modes: it belongs with their choice.
    notice_ = new QLabel(mode);
    notice_->setObjectName(setup_ctl::LblAnunt);
    notice_->setTextFormat(Qt::PlainText);
    notice_->setWordWrap(true);
    modeLayout->addWidget(notice_);
    right->addWidget(mode);

    auto* logGen = static_cast<QGroupBox*>(frame(setup_ctl::FramLogGen, central));
    auto* logGenLayout = new QGridLayout(logGen);
    logGenLayout->addWidget(choice(setup_ctl::ChkNrUp, logGen), 0, 0);
    logGenLayout->addWidget(choice(setup_ctl::ChkNrConst, logGen), 1, 0);
    logGenLayout->addWidget(label(setup_ctl::LblMode, logGen), 0, 1, 2, 1,
                            Qt::AlignRight | Qt::AlignVCenter);
    logGenLayout->addWidget(choice(setup_ctl::ChkCWandPH, logGen), 0, 2);
    logGenLayout->addWidget(choice(setup_ctl::ChKCWorPH, logGen), 1, 2);
    right->addWidget(logGen);

    right->addWidget(messagesFrame(central));
    right->addStretch(1);
    columns->addLayout(right, 1);
    root->addLayout(columns, 1);
    setCentralWidget(central);
}

QWidget* SetupWindow::stationPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    const int width = fontMetrics().horizontalAdvance(QLatin1Char('M')) * 12;
    const setup_ctl::Name rows[][2] = {
        {setup_ctl::LblMyCall, setup_ctl::TxtMyCall}, {setup_ctl::LblMyPfx, setup_ctl::TxtMyPrfx},
        {setup_ctl::LblQSO, setup_ctl::TxtMyCont},    {setup_ctl::LblZone, setup_ctl::TxtZone},
        {setup_ctl::LblMyQRA, setup_ctl::txtMyQRA},   {setup_ctl::LblTime, setup_ctl::TxtTime}};
    int row = 0;
    for (const auto& [caption, name] : rows) {
        grid->addWidget(label(caption, panel), row, 0);
        grid->addWidget(field(name, panel, width), row++, 1);
    }
    QFont callFont = scaledFont(font(), 1.25, true);
    panel->findChild<QWidget*>(setup_ctl::TxtMyCall)->setFont(callFont);
    // The own exchange, or the control number, under the same caption.
    grid->addWidget(label(setup_ctl::LblBezirk, panel), row, 0);
    auto* exchange = new QHBoxLayout;
    exchange->setSpacing(4);
    exchange->addWidget(field(setup_ctl::TxtMyBezirkA, panel, width));
    exchange->addWidget(field(setup_ctl::txtControl, panel, width));
    exchange->addStretch(1);
    grid->addLayout(exchange, row++, 1);
    auto* inscr = static_cast<QLabel*>(label(setup_ctl::LblInscr, panel));
    inscr->setWordWrap(true);
    grid->addWidget(inscr, row++, 0, 1, 2);
    for (const auto& [caption, name] : {std::pair{setup_ctl::LblSD, setup_ctl::TxtSD},
                                        std::pair{setup_ctl::LblST, setup_ctl::TxtST},
                                        std::pair{setup_ctl::LblCP, setup_ctl::TxtCP}}) {
        grid->addWidget(label(caption, panel), row, 0);
        grid->addWidget(field(name, panel, width), row++, 1);
    }
    grid->setColumnStretch(2, 1);
    return panel;
}

QWidget* SetupWindow::optionsPanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 6, 0, 0);
    int column = 0;
    for (const auto& [name, yes, no, repeat] :
         {std::tuple{setup_ctl::FramCW, setup_ctl::OpbCwJ, setup_ctl::OpbCwN, setup_ctl::ChkCwRpt},
          std::tuple{setup_ctl::FramSSB, setup_ctl::OpbSSBJ, setup_ctl::OpbSSBN,
                     setup_ctl::ChkSSBRpt}}) {
        auto* box = static_cast<QGroupBox*>(frame(name, panel));
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setSpacing(2);
        auto* answers = new QHBoxLayout;
        answers->addWidget(choice(yes, box));
        answers->addWidget(choice(no, box));
        boxLayout->addLayout(answers);
        boxLayout->addWidget(choice(repeat, box));
        layout->addWidget(box, 0, column++);
    }
    layout->addWidget(choice(setup_ctl::ChkDxCl, panel), 1, 0, 1, 2);
    // The station screen: rig control, the telnet DX cluster and cwdaemon (Alt+K).
    auto* station = new QPushButton(QStringLiteral("RIG / CLUSTER / &KEYER ..."), panel);
    station->setObjectName(QStringLiteral("CmdStation"));
    station->setFocusPolicy(Qt::NoFocus);
    station->setAutoDefault(false);
    connect(station, &QPushButton::clicked, this, [this] {
        if (onStation) onStation();
    });
    layout->addWidget(station, 2, 0, 1, 2);
    return panel;
}

QWidget* SetupWindow::contestFrame(QWidget* parent) {
    auto* box = static_cast<QGroupBox*>(frame(setup_ctl::FRAContest, parent));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    const auto contests = scoring::contests();
    const int rows = static_cast<int>((contests.size() + 2) / 3);
    for (int i = 0; i < static_cast<int>(contests.size()); ++i)
        grid->addWidget(
            choice(QLatin1String(contests[static_cast<std::size_t>(i)]->info.optionButton), box),
            i % rows, i / rows);
    return box;
}

QWidget* SetupWindow::messagesFrame(QWidget* parent) {
    auto* box = static_cast<QGroupBox*>(frame(setup_ctl::FramTxtCw, parent));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    // F1..F6 on the left, F7..F11 on the right: the screen stays short enough for 800x600.
    for (int i = 1; i <= setup_ctl::kMessageKeys; ++i) {
        const int row = (i - 1) % 6, column = (i - 1) / 6 * 2;
        grid->addWidget(label(setup_ctl::messageCaption(i), box), row, column);
        grid->addWidget(field(setup_ctl::messageText(i), box), row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // The hints of the message syntax in two lines under the fields; the blanks that laid
    // them out on the old form would only make gaps here.
    auto* hints = new QGridLayout;
    hints->setHorizontalSpacing(16);
    hints->setVerticalSpacing(0);
    for (int i = 1; i <= 7; ++i) {
        const QString name = setup_ctl::hint(i);
        auto* hint = new QLabel(model_.ctl(name).text.simplified(), box);
        hint->setObjectName(name);
        hint->setStyleSheet(QStringLiteral("color: rgb(80,80,80);"));
        hints->addWidget(hint, (i - 1) / 4, (i - 1) % 4);
    }
    hints->setColumnStretch(4, 1);
    grid->addLayout(hints, 6, 0, 1, 4);
    return box;
}

void SetupWindow::menus() {
    keepAltForShortcuts(menuBar());
    auto action = [this](QMenu* menu, const QString& control) {
        QAction* a = menu ? menu->addAction(QString()) : menuBar()->addAction(QString());
        a->setObjectName(control);
        connect(a, &QAction::triggered, this, [this, control] { forward(control); });
        binder_.bind(control, a);
        return a;
    };
    action(nullptr, setup_ctl::mnuBeenden);
    action(nullptr, setup_ctl::mnuQSOfahren);
    action(nullptr, setup_ctl::mnuLog);
    action(nullptr, setup_ctl::mnuInpLog);
    QMenu* help = menuBar()->addMenu(model_.ctl(setup_ctl::mnuHelp).text);
    help->setObjectName(setup_ctl::mnuHelp);
    binder_.bind(setup_ctl::mnuHelp, help->menuAction());
    for (const HelpMenuEntry& e : helpMenuEntries())
        if (e.screen == HelpScreen::Setup) action(help, QLatin1String(e.menu));
}

void SetupWindow::showStatus(const QString& text) {
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text);
}

void SetupWindow::sync() {
    binder_.sync();
    const forms::Control& notice = model_.ctl(setup_ctl::LblAnunt);
    const QString text = noticeLines(notice.text);
    if (notice_->text() != text) notice_->setText(text);
    notice_->setVisible(notice.visible && !notice.text.isEmpty());
}

void SetupWindow::forward(const QString& control) {
    model_.click(control);
    sync();
}

bool SetupWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!qobject_cast<QLineEdit*>(watched) && !qobject_cast<QAbstractButton*>(watched))
        return QMainWindow::eventFilter(watched, event);
    return forwardFieldEvent(w->objectName(), *event, model_, [this] { sync(); },
                             {.altKeysToForm = false, .doubleClicks = false});
}

void SetupWindow::closeEvent(QCloseEvent* event) {
    // Closing the window asks like the EXIT menu does.
    if (!model_.exitConfirmed()) forward(setup_ctl::mnuBeenden);
    if (model_.exitConfirmed())
        event->accept();
    else
        event->ignore();
}

} // namespace korvel
