// The debugging-protocol client against a pretend browser: answers found by their number
// among events, errors and silence reported, events kept in order until asked for.

#include "devtoolsclient.h"

#include <QJsonDocument>
#include <QWebSocket>
#include <QWebSocketServer>

#include <gtest/gtest.h>

#include <memory>

namespace korvalde::scenario::browser {
namespace {

// Answers by the command's method: "echo" with its parameters, after an event and an
// unrelated answer; "fail" with an error; "silent" not at all; "hang up" by closing.
class PretendBrowser {
public:
    PretendBrowser() : server_(QStringLiteral("pretend"), QWebSocketServer::NonSecureMode)
    {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QWebSocketServer::newConnection, [this] {
            QWebSocket *socket = server_.nextPendingConnection();
            socket->setParent(&server_);
            QObject::connect(socket, &QWebSocket::textMessageReceived, socket, [socket](const QString &text) {
                const QJsonObject command = QJsonDocument::fromJson(text.toUtf8()).object();
                const QString method = command.value("method").toString();
                const int id = command.value("id").toInt();
                auto send = [socket](const QJsonObject &message) {
                    socket->sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson()));
                };
                if (method == "echo") {
                    send({{"method", "Page.happened"}, {"params", QJsonObject{{"n", id}}}, {"sessionId", "s"}});
                    send({{"id", id + 1000}, {"result", QJsonObject{{"stale", true}}}});
                    send({{"id", id}, {"result", command.value("params")}});
                } else if (method == "fail") {
                    send({{"id", id}, {"error", QJsonObject{{"message", "No such node"}, {"data", "12"}}}});
                } else if (method == "hang up") {
                    socket->close();
                }
            });
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(server_.serverPort())); }

private:
    QWebSocketServer server_;
};

TEST(DevToolsClient, MatchesAnswersAndKeepsEvents)
{
    PretendBrowser browser;
    DevToolsClient client;
    ASSERT_EQ(client.open(browser.url(), 5000), "");
    const DevToolsClient::Reply first = client.call("echo", {{"x", 1}});
    EXPECT_EQ(first.error, "");
    EXPECT_EQ(first.result, QJsonObject({{"x", 1}})) << "not the stale answer before it";
    EXPECT_EQ(client.call("echo", {{"x", 2}}).result, QJsonObject({{"x", 2}}));

    auto happened = [](const DevToolsClient::Event &event) { return event.method == "Page.happened"; };
    const std::optional<DevToolsClient::Event> oldest = client.waitForEvent(happened, 0);
    ASSERT_TRUE(oldest);
    EXPECT_EQ(oldest->session, "s");
    EXPECT_EQ(oldest->params.value("n").toInt(), 1) << "oldest first";
    client.dropEvents(happened);
    EXPECT_FALSE(client.waitForEvent(happened, 50));
}

TEST(DevToolsClient, ReportsErrorsSilenceAndALostConnection)
{
    PretendBrowser browser;
    DevToolsClient client;
    ASSERT_EQ(client.open(browser.url(), 5000), "");
    EXPECT_EQ(client.call("fail").error, "No such node (12)");
    EXPECT_EQ(client.call("silent", {}, {}, 100).error, "silent: no answer within 100 ms");
    EXPECT_EQ(client.call("echo", {{"y", 3}}).result, QJsonObject({{"y", 3}})) << "still usable after silence";
    EXPECT_NE(client.call("hang up").error, "");
    EXPECT_FALSE(client.isOpen());
    EXPECT_NE(client.call("echo").error, "");
}

TEST(DevToolsClient, SaysWhyItCannotConnect)
{
    quint16 unused = 0;
    {
        PretendBrowser gone;
        unused = gone.url().port();
    }
    DevToolsClient client;
    EXPECT_NE(client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1").arg(unused)), 5000), "");
    EXPECT_FALSE(client.isOpen());
}

} // namespace
} // namespace korvalde::scenario::browser
