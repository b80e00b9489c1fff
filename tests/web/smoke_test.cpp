#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QWebSocket>

#include <gtest/gtest.h>

namespace {

constexpr int kWaitMs = 10000;

// korvalde-web as a game master starts it, on a free port of the loopback interface.
class RunningServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.start(QStringLiteral(KORVALDE_WEB), {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0")});
        ASSERT_TRUE(server.waitForStarted(kWaitMs));
        while (!server.canReadLine())
            ASSERT_TRUE(server.waitForReadyRead(kWaitMs)) << "no address printed";
        address = QString::fromUtf8(server.readLine()).trimmed();
        ASSERT_TRUE(address.startsWith("http://127.0.0.1:")) << address.toStdString();
        ASSERT_NE(QUrl(address).port(), 0);
    }

    void TearDown() override
    {
        server.terminate();
        server.waitForFinished(kWaitMs);
    }

    QNetworkReply *get(const QString &path)
    {
        QNetworkReply *reply = network.get(QNetworkRequest(QUrl(address + path)));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        EXPECT_TRUE(finished.wait(kWaitMs)) << path.toStdString();
        return reply;
    }

    static QJsonObject next(QSignalSpy &messages)
    {
        if (messages.isEmpty() && !messages.wait(kWaitMs))
            return {};
        return QJsonDocument::fromJson(messages.takeFirst().at(0).toString().toUtf8()).object();
    }

    QProcess server;
    QString address;
    QNetworkAccessManager network;
};

TEST_F(RunningServer, ServesThePageAndASessionPerConnection)
{
    QNetworkReply *page = get("");
    EXPECT_EQ(page->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    EXPECT_TRUE(page->header(QNetworkRequest::ContentTypeHeader).toString().startsWith("text/html"));
    EXPECT_TRUE(page->readAll().contains("main.js"));
    QNetworkReply *script = get("main.js");
    EXPECT_TRUE(script->header(QNetworkRequest::ContentTypeHeader).toString().startsWith("text/javascript"));
    EXPECT_TRUE(script->rawHeader("Content-Security-Policy").contains("default-src 'self'"));
    EXPECT_EQ(get("nothing-here.js")->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 404);
    EXPECT_EQ(get("ws")->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 426);

    QWebSocket socket;
    QSignalSpy messages(&socket, &QWebSocket::textMessageReceived);
    QString webSocketAddress = address;
    socket.open(QUrl(webSocketAddress.replace("http://", "ws://") + "ws"));
    const QJsonObject view = next(messages);
    EXPECT_EQ(view["type"], "view");
    EXPECT_EQ(view["front"], "Form1");

    socket.sendTextMessage("{\"id\":1,\"type\":\"click\",\"window\":\"Form1\",\"control\":\"Option9\"}");
    const QJsonObject update = next(messages);
    EXPECT_EQ(update["type"], "update");
    EXPECT_EQ(update["id"], 1);
    socket.sendTextMessage("kein JSON");
    EXPECT_EQ(next(messages)["type"], "error");
    socket.sendTextMessage("{\"id\":2,\"type\":\"click\",\"window\":\"Form1\",\"control\":\"Command1\"}");
    EXPECT_EQ(next(messages)["front"], "Form2") << "the session went on";

    QSignalSpy closed(&socket, &QWebSocket::disconnected);
    socket.close();
    ASSERT_TRUE(!closed.isEmpty() || closed.wait(kWaitMs));
    // The server notes the session's start and the lost connection (the session waits for
    // its page to come back), and nothing of what was designed.
    QByteArray log = server.readAllStandardError();
    for (int i = 0; i < 100 && !log.contains("unterbrochen"); ++i) {
        QSignalSpy more(&server, &QProcess::readyReadStandardError);
        more.wait(100);
        log += server.readAllStandardError();
    }
    EXPECT_TRUE(log.contains("Sitzung 1 begonnen")) << log.toStdString();
    EXPECT_TRUE(log.contains("Sitzung 1 unterbrochen")) << log.toStdString();
    EXPECT_FALSE(log.contains("Sturmgewehr"));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
