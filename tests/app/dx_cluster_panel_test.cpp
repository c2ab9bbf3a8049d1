// The DX-cluster panel against a small web server of the test's own on 127.0.0.1.
// This program brings its own main: the panel needs a QApplication.
#include "app/dx_cluster_panel.h"
#include "desk/dx_cluster_addresses.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace korvel;

namespace {

// Serves "/missing" as 404 and "/slow..." after a pause; every other path as an HTML page
// naming the path, sent in two parts with a Content-Length so that progress is known.
class PageServer {
public:
    PageServer() {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost));
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                serve(socket);
        });
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    QStringList paths; // requested, in order

private:
    void serve(QTcpSocket* socket) {
        auto request = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            request->append(socket->readAll());
            if (!request->contains("\r\n\r\n")) return;
            const QByteArray path = request->split(' ').value(1);
            request->clear();
            paths << QString::fromLatin1(path);
            const int pause = path.startsWith("/slow") ? 400 : 0;
            QTimer::singleShot(pause, socket, [socket, path] { respond(socket, path); });
        });
    }

    static void respond(QTcpSocket* socket, const QByteArray& path) {
        if (path == "/missing") {
            socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n"
                          "Connection: close\r\n\r\nNot found");
            socket->disconnectFromHost();
            return;
        }
        const QByteArray body = "<html><body><p>Spots for " + path + "</p><pre>" +
                                QByteArray(4000, 'x') + "</pre></body></html>";
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                      "Content-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n");
        // Qt reports progress at most every 100 ms: the halves come 200 ms apart.
        const qsizetype half = body.size() / 2;
        QTimer::singleShot(200, socket,
                           [socket, first = body.left(half)] { socket->write(first); });
        QTimer::singleShot(400, socket, [socket, rest = body.mid(half)] {
            socket->write(rest);
            socket->disconnectFromHost();
        });
    }

    QTcpServer server_;
};

// A port on 127.0.0.1 that nobody listens on.
quint16 closedPort() {
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost));
    return probe.serverPort();
}

class DxClusterPanelTest : public ::testing::Test {
protected:
    DxClusterPanelTest()
        : panel(clusterAddresses({server.base(), server.base()})),
          address(panel.findChild<QLineEdit*>(QStringLiteral("TxtClst"))),
          list(panel.findChild<QListWidget*>(QStringLiteral("LstClst"))),
          page(panel.findChild<QTextBrowser*>(QStringLiteral("Browser"))),
          status(panel.findChild<QStatusBar*>(QStringLiteral("StatusBar1"))),
          finished(&panel, &DxClusterPanel::pageFinished) {
        panel.onDone = [this] { ++done; };
        QObject::connect(status, &QStatusBar::messageChanged,
                         [this](const QString& m) { messages << m; });
        panel.resize(500, 400);
        panel.show();
    }

    // Waits for the next load to end; returns whether it succeeded.
    bool nextPage() {
        const qsizetype before = finished.size();
        if (!QTest::qWaitFor([&] { return finished.size() > before; }, 10000)) {
            ADD_FAILURE() << "no page finished";
            return false;
        }
        return finished.last().value(0).toBool();
    }
    bool shows(const QString& path) const {
        return page->toPlainText().contains(QStringLiteral("Spots for ") + path);
    }

    PageServer server;
    QStringList messages; // every status-bar message
    int done = 0;         // calls of onDone
    DxClusterPanel panel;
    QLineEdit* address;
    QListWidget* list;
    QTextBrowser* page;
    QStatusBar* status;
    QSignalSpy finished;
};

} // namespace

TEST_F(DxClusterPanelTest, PageLoadsWithProgressInTheStatusBar) {
    panel.load(server.base() + QStringLiteral("/dxs/14.html"));
    ASSERT_TRUE(nextPage());
    EXPECT_TRUE(shows(QStringLiteral("/dxs/14.html")));
    static const QRegularExpression percent(QStringLiteral("^(\\d+) %$"));
    QList<int> values;
    for (const QString& m : messages)
        if (const auto match = percent.match(m); match.hasMatch())
            values << match.captured(1).toInt();
    ASSERT_FALSE(values.isEmpty()) << messages.join(u'|').toStdString();
    EXPECT_EQ(values.last(), 100);
    EXPECT_TRUE(std::any_of(values.begin(), values.end(), [](int v) { return v > 0 && v < 100; }))
        << "the first half should have been reported: " << messages.join(u'|').toStdString();
    EXPECT_EQ(done, 0); // a load of the program's own is not an operator's choice
}

TEST_F(DxClusterPanelTest, FailedPagesLeaveThePreviousOneAndShowTheError) {
    panel.load(server.base() + QStringLiteral("/dxs/7.html"));
    ASSERT_TRUE(nextPage());
    const QString shown = page->toHtml();

    panel.load(QStringLiteral("http://127.0.0.1:%1/dxs/1.html").arg(closedPort()));
    EXPECT_FALSE(nextPage());
    EXPECT_EQ(page->toHtml(), shown);
    EXPECT_FALSE(status->currentMessage().isEmpty());
    EXPECT_FALSE(status->currentMessage().contains(QLatin1Char('%')));

    panel.load(server.base() + QStringLiteral("/missing"));
    EXPECT_FALSE(nextPage());
    EXPECT_EQ(page->toHtml(), shown);
    EXPECT_TRUE(status->currentMessage().contains(QStringLiteral("Not Found"), Qt::CaseInsensitive))
        << status->currentMessage().toStdString();

    // Refresh after a failure reloads the page still shown, not the failed address.
    const qsizetype requests = server.paths.size();
    QTest::mouseClick(panel.findChild<QPushButton*>(QStringLiteral("CmdRefresh")), Qt::LeftButton);
    ASSERT_TRUE(nextPage());
    EXPECT_EQ(server.paths.mid(requests), QStringList{QStringLiteral("/dxs/7.html")});
    EXPECT_EQ(done, 1);
}

TEST_F(DxClusterPanelTest, PickListEnterAndSearchLoadAndReturnToTheDesk) {
    EXPECT_EQ(address->text(), server.base() + QStringLiteral("/dxs/dx25.html"));
    EXPECT_TRUE(list->isHidden());
    QTest::mouseDClick(address, Qt::LeftButton);
    QTest::mouseDClick(address, Qt::LeftButton); // fills the list afresh, adds nothing
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->count(), 16);
    QListWidgetItem* item = list->item(2);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    EXPECT_EQ(address->text(), item->text());
    EXPECT_TRUE(list->isHidden());
    EXPECT_EQ(done, 1);
    ASSERT_TRUE(nextPage());
    EXPECT_TRUE(shows(QStringLiteral("/dxs/hffonedx50.html")));

    address->setText(server.base() + QStringLiteral("/dxc/top_50_7_MHz.html"));
    QTest::keyClick(address, Qt::Key_Return);
    EXPECT_EQ(done, 2);
    ASSERT_TRUE(nextPage());
    EXPECT_TRUE(shows(QStringLiteral("/dxc/top_50_7_MHz.html")));

    address->setText(server.base() + QStringLiteral("/dxs/21.html"));
    QTest::mouseClick(panel.findChild<QPushButton*>(QStringLiteral("CmdFind")), Qt::LeftButton);
    EXPECT_EQ(done, 3);
    ASSERT_TRUE(nextPage());
    EXPECT_TRUE(shows(QStringLiteral("/dxs/21.html")));
}

TEST_F(DxClusterPanelTest, ANewerLoadReplacesOneStillUnderWay) {
    panel.load(server.base() + QStringLiteral("/slow/dxs/28.html"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.paths.isEmpty(); }, 5000));
    panel.load(server.base() + QStringLiteral("/dxs/3.html"));
    ASSERT_TRUE(nextPage());
    QTest::qWait(900); // the slow answer would have come by now
    EXPECT_EQ(finished.size(), 1);
    EXPECT_TRUE(shows(QStringLiteral("/dxs/3.html")));
    EXPECT_EQ(status->currentMessage(), QStringLiteral("100 %"));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
