#pragma once
// The desk's DX-cluster panel: an address field with a pick list of DX-spot pages, Search and
// Refresh, the page itself as rich text, and a status bar for the load progress and errors.
// Pages load asynchronously; nothing here waits for the network.

#include <QGroupBox>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QNetworkAccessManager;
class QNetworkReply;
class QPushButton;
class QStatusBar;
class QTextBrowser;

namespace korvel {

class DxClusterPanel : public QGroupBox {
    Q_OBJECT
public:
    // `addresses` fill the pick list; the first is the address field's starting text.
    explicit DxClusterPanel(QStringList addresses, QWidget* parent = nullptr);
    ~DxClusterPanel() override;

    // Starts loading `address`; the page shown stays until the new one has arrived.
    void load(const QString& address);
    // Loads the page shown again (or the address field's page when none is shown yet).
    void refresh();

    // Called after the operator chose a page, searched or refreshed; the desk puts the cursor
    // back into the call field.
    std::function<void()> onDone;

signals:
    // A load ended: ok with the page shown, or failed with the error in the status bar.
    void pageFinished(bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showAddressList();
    void choose(QListWidgetItem* item);
    void loadAndReturn(const QString& address);
    void dropPending();
    void progress(QNetworkReply* reply, qint64 received, qint64 total);
    void finished(QNetworkReply* reply);

    QStringList addresses_;
    QLineEdit* address_;
    QListWidget* list_;
    QPushButton* find_;
    QPushButton* refresh_;
    QTextBrowser* page_;
    QStatusBar* status_;
    QLabel* hint_;
    QNetworkAccessManager* network_;
    QPointer<QNetworkReply> pending_;
    QUrl shown_; // address of the page shown
};

} // namespace korvel
