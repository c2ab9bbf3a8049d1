#include "app/dx_cluster_panel.h"

#include "desk/dx_cluster_addresses.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QStatusBar>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace korvel {

namespace {

// The page view shows text only: images, style sheets and other linked resources are neither
// fetched nor looked for on disk.
class PageView : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

// The body as text, in the character set the server or the page names (UTF-8 otherwise).
QString decodeBody(const QByteArray& body, const QString& contentType) {
    const qsizetype at = contentType.indexOf(QStringLiteral("charset="), 0, Qt::CaseInsensitive);
    if (at >= 0) {
        QString name = contentType.mid(at + 8).section(QLatin1Char(';'), 0, 0).trimmed();
        name.remove(QLatin1Char('"'));
        QStringDecoder decoder(name.toLatin1().constData());
        if (decoder.isValid()) return decoder.decode(body);
    }
    const auto encoding = QStringConverter::encodingForHtml(body);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    return decoder.decode(body);
}

} // namespace

DxClusterPanel::DxClusterPanel(QStringList addresses, QWidget* parent)
    : QGroupBox(QStringLiteral("DX CLUSTER"), parent), addresses_(std::move(addresses)),
      address_(new QLineEdit(this)), list_(new QListWidget(this)),
      find_(new QPushButton(QStringLiteral("Search"), this)),
      refresh_(new QPushButton(QStringLiteral("Refresh"), this)), page_(new PageView(this)),
      status_(new QStatusBar(this)),
      hint_(new QLabel(QStringLiteral("double-click address bar for cluster option"), this)),
      network_(new QNetworkAccessManager(this)) {
    setObjectName(QStringLiteral("FraDxCluster"));
    address_->setObjectName(QStringLiteral("TxtClst"));
    list_->setObjectName(QStringLiteral("LstClst"));
    find_->setObjectName(QStringLiteral("CmdFind"));
    refresh_->setObjectName(QStringLiteral("CmdRefresh"));
    page_->setObjectName(QStringLiteral("Browser"));
    status_->setObjectName(QStringLiteral("StatusBar1"));
    hint_->setObjectName(QStringLiteral("LblClstHint"));

    if (!addresses_.isEmpty()) address_->setText(addresses_.first());
    address_->installEventFilter(this);
    list_->hide();
    page_->setOpenLinks(false);
    status_->setSizeGripEnabled(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(address_, 1);
    bar->addWidget(find_);
    bar->addWidget(refresh_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(list_);
    layout->addWidget(page_, 1);
    layout->addWidget(hint_);
    layout->addWidget(status_);

    connect(address_, &QLineEdit::returnPressed, this, [this] { loadAndReturn(address_->text()); });
    connect(find_, &QPushButton::clicked, this, [this] { loadAndReturn(address_->text()); });
    connect(refresh_, &QPushButton::clicked, this, [this] {
        refresh();
        if (onDone) onDone();
    });
    connect(list_, &QListWidget::itemClicked, this, &DxClusterPanel::choose);
    connect(list_, &QListWidget::itemActivated, this, &DxClusterPanel::choose);
    connect(page_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QUrl target = shown_.resolved(link);
        address_->setText(target.toString());
        load(target.toString());
    });
}

DxClusterPanel::~DxClusterPanel() {
    dropPending();
}

bool DxClusterPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == address_ && event->type() == QEvent::MouseButtonDblClick) showAddressList();
    return QGroupBox::eventFilter(watched, event);
}

void DxClusterPanel::showAddressList() {
    list_->clear();
    list_->addItems(addresses_);
    list_->show();
}

void DxClusterPanel::choose(QListWidgetItem* item) {
    if (!item || list_->isHidden()) return;
    const QString address = item->text();
    address_->setText(address);
    list_->hide();
    loadAndReturn(address);
}

void DxClusterPanel::loadAndReturn(const QString& address) {
    load(address);
    if (onDone) onDone();
}

void DxClusterPanel::load(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!url.isValid() || url.host().isEmpty()) {
        status_->showMessage(QStringLiteral("Not a web address: %1").arg(address.trimmed()));
        return;
    }
    dropPending();
    status_->clearMessage();
    QNetworkRequest request(url);
    request.setTransferTimeout(30000);
    QNetworkReply* reply = network_->get(request);
    pending_ = reply;
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, reply](qint64 received, qint64 total) { progress(reply, received, total); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finished(reply); });
}

void DxClusterPanel::refresh() {
    load(shown_.isValid() ? shown_.toString() : address_->text());
}

// A newer load replaces the one under way, which ends without a word.
void DxClusterPanel::dropPending() {
    if (!pending_) return;
    QNetworkReply* reply = pending_;
    pending_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void DxClusterPanel::progress(QNetworkReply* reply, qint64 received, qint64 total) {
    if (reply != pending_) return;
    const QString text = loadProgressText(received, total);
    if (!text.isEmpty()) status_->showMessage(text);
}

void DxClusterPanel::finished(QNetworkReply* reply) {
    reply->deleteLater();
    if (reply != pending_) return;
    pending_ = nullptr;
    if (reply->error() != QNetworkReply::NoError) {
        status_->showMessage(reply->errorString());
        emit pageFinished(false);
        return;
    }
    const QString contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    const QString text = decodeBody(reply->readAll(), contentType);
    shown_ = reply->url();
    page_->document()->setBaseUrl(shown_);
    if (contentType.startsWith(QStringLiteral("text/plain"), Qt::CaseInsensitive))
        page_->setPlainText(text);
    else
        page_->setHtml(text);
    emit pageFinished(true);
}

} // namespace korvel
