// SPDX-License-Identifier: GPL-2.0-or-later
// The manual update check against a local HTTP server: the feed URL comes
// from LUMAROO_UPDATE_FEED_URL, and every answer the server can give leads
// to the right outcome. Only a feed that was read and lists nothing newer
// may say the program is up to date.

#include "IMVProductMeta.h"
#include "IMVUpdatesService.h"
#include "TestHome.h"
#include "UpdateCheckResult.h"

#include <QtNetwork>
#include <QtTest>

#include <optional>

namespace {

// Answers every request with one fixed HTTP response.
class FeedServer : public QTcpServer
{
public:
    QByteArray response;

protected:
    void incomingConnection(qintptr handle) override
    {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(handle);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            if (!socket->readAll().contains("\r\n\r\n"))
                return;
            socket->write(response);
            socket->disconnectFromHost();
        });
    }
};

QByteArray httpResponse(int status, const QByteArray& body)
{
    return "HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: application/xml\r\nContent-Length: "
        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

QByteArray feed(const QByteArray& releases)
{
    return "<?xml version=\"1.0\"?><component type=\"desktop-application\"><id>com.tavrel.Lumaroo</id><releases>"
        + releases + "</releases></component>";
}

const char* const kNewest = "is currently the newest version available.";

} // namespace

class UpdateCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void outcomeFollowsTheFeed_data();
    void outcomeFollowsTheFeed();
};

void UpdateCheckTest::outcomeFollowsTheFeed_data()
{
    QTest::addColumn<QString>("running");
    QTest::addColumn<QByteArray>("response"); // empty: nobody listens
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("latest");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("messagePart");

    const auto ok = [](const QByteArray& body) { return httpResponse(200, body); };
    QTest::newRow("newer, 5.10 after 5.9") << "5.9.0"
        << ok(feed("<release version=\"5.10.0\" date=\"2026-11-02\"><url type=\"details\">https://example.org/5.10</url></release>"
                   "<release version=\"5.9.0\" date=\"2026-01-10\"/>"))
        << int(UpdateCheckResult::NewerAvailable) << "5.10.0" << "https://example.org/5.10"
        << "Lumaroo 5.10.0 is available. You are using version 5.9.0.";
    QTest::newRow("same version") << "5.0.0"
        << ok(feed("<release version=\"4.2.1\"/><release version=\"5.0.0\"/>"))
        << int(UpdateCheckResult::UpToDate) << "5.0.0" << "https://www.tavrel.com/lumaroo/" << QString("Lumaroo 5.0.0 %1").arg(kNewest);
    QTest::newRow("feed lists only older") << "5.0.0" << ok(feed("<release version=\"4.9.9\"/>"))
        << int(UpdateCheckResult::UpToDate) << "4.9.9" << "https://www.tavrel.com/lumaroo/" << QString(kNewest);
    QTest::newRow("script link is not offered") << "5.0.0"
        << ok(feed("<release version=\"6.0\"><url>javascript:alert(1)</url></release>"))
        << int(UpdateCheckResult::NewerAvailable) << "6.0" << "https://www.tavrel.com/lumaroo/" << "Lumaroo 6.0 is available.";

    const QString cannot = QStringLiteral("Could not check for updates.");
    QTest::newRow("malformed XML") << "5.0.0" << ok("<releases><release version=\"9.0\"><url>https://x")
        << int(UpdateCheckResult::Failed) << "" << "" << cannot;
    QTest::newRow("a web page, not a feed") << "5.0.0" << ok("<html><body>Moved</body></html>")
        << int(UpdateCheckResult::Failed) << "" << "" << cannot;
    QTest::newRow("no usable version") << "5.0.0" << ok(feed("<release version=\"9.0-beta\"/><release version=\"\"/>"))
        << int(UpdateCheckResult::Failed) << "" << "" << cannot;
    QTest::newRow("oversized") << "5.0.0" << ok(feed("<release version=\"5.0.0\"/>" + QByteArray(2 << 20, ' ')))
        << int(UpdateCheckResult::Failed) << "" << "" << cannot;
    QTest::newRow("not found") << "5.0.0" << httpResponse(404, "gone")
        << int(UpdateCheckResult::Failed) << "" << "" << "The update server answered with error 404.";
    QTest::newRow("too many requests") << "5.0.0" << httpResponse(429, "")
        << int(UpdateCheckResult::Failed) << "" << "" << "Requests are too frequent, please try again later.";
    QTest::newRow("unreachable server") << "5.0.0" << QByteArray()
        << int(UpdateCheckResult::Failed) << "" << "" << "Error network, please check your connection!";
}

void UpdateCheckTest::outcomeFollowsTheFeed()
{
    QFETCH(QString, running);
    QFETCH(QByteArray, response);
    QFETCH(int, outcome);

    FeedServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    server.response = response;
    const quint16 port = server.serverPort();
    if (response.isEmpty())
        server.close();
    qputenv("LUMAROO_UPDATE_FEED_URL", QByteArray("http://127.0.0.1:") + QByteArray::number(port) + "/releases.xml");

    auto meta = Morvek::IMVProductMeta::MallocProductMeta("10016");
    meta->SetVersion(running.toStdString());
    auto service = Morvek::IMVUpdatesService::Shared();
    service->Setup(meta, true);
    std::optional<UpdateCheckResult> result;
    service->SetPresenter([&result](const UpdateCheckResult& r) { result = r; });

    QVERIFY(service->CheckForUpdates(nullptr));
    QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 15000);
    QCOMPARE(int(result->outcome), outcome);
    QFETCH(QString, messagePart);
    QVERIFY2(result->message.contains(messagePart), qPrintable(result->message));
    if (outcome == UpdateCheckResult::Failed)
        QVERIFY2(!result->message.contains(QLatin1String(kNewest)), qPrintable(result->message));
    QTEST(result->latestVersion, "latest");
    QTEST(result->link.toString(), "link");
    service->SetPresenter(nullptr);
}

LUMAROO_TEST_MAIN_AT_HOME(QCoreApplication, UpdateCheckTest)

#include "tst_UpdateCheck.moc"
