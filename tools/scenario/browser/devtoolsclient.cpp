#include "devtoolsclient.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QTimer>

namespace korvalde::scenario::browser {

DevToolsClient::DevToolsClient()
{
    // The browser's own protocol messages are large (a whole page's boxes, a file list):
    // no limit below the socket's own.
    connect(&socket_, &QWebSocket::textMessageReceived, this, &DevToolsClient::received);
    connect(&socket_, &QWebSocket::disconnected, this, [this] {
        lost_ = true;
        if (lostWhy_.isEmpty())
            lostWhy_ = QStringLiteral("the browser closed the connection");
    });
    connect(&socket_, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            [this](QAbstractSocket::SocketError) {
                lost_ = true;
                lostWhy_ = socket_.errorString();
            });
}

DevToolsClient::~DevToolsClient()
{
    socket_.disconnect(this);
    socket_.abort();
}

QString DevToolsClient::open(const QUrl &url, int milliseconds)
{
    lost_ = false;
    lostWhy_.clear();
    socket_.open(url);
    if (!waitUntil([this] { return socket_.state() == QAbstractSocket::ConnectedState; }, milliseconds))
        return lostWhy_.isEmpty() ? QStringLiteral("no connection to %1 in time").arg(url.toString()) : lostWhy_;
    return {};
}

bool DevToolsClient::isOpen() const
{
    return !lost_ && socket_.state() == QAbstractSocket::ConnectedState;
}

DevToolsClient::Reply DevToolsClient::call(const QString &method, const QJsonObject &params, const QString &session,
                                           int milliseconds)
{
    if (!isOpen())
        return {{}, lostWhy_.isEmpty() ? QStringLiteral("not connected to the browser") : lostWhy_};
    const int id = nextId_++;
    QJsonObject message{{"id", id}, {"method", method}, {"params", params}};
    if (!session.isEmpty())
        message.insert("sessionId", session);
    answer_.reset();
    socket_.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    if (!waitUntil([this, id] { return answer_ && answer_->first == id; }, milliseconds)) {
        if (lost_)
            return {{}, lostWhy_};
        return {{}, QStringLiteral("%1: no answer within %2 ms").arg(method).arg(milliseconds)};
    }
    return std::exchange(answer_, std::nullopt)->second;
}

std::optional<DevToolsClient::Event> DevToolsClient::waitForEvent(const std::function<bool(const Event &)> &matches,
                                                                  int milliseconds)
{
    std::optional<Event> found;
    auto take = [&] {
        for (auto it = events_.begin(); it != events_.end(); ++it) {
            if (matches(*it)) {
                found = std::move(*it);
                events_.erase(it);
                return true;
            }
        }
        return false;
    };
    if (!take())
        waitUntil(take, milliseconds);
    return found;
}

void DevToolsClient::dropEvents(const std::function<bool(const Event &)> &matches)
{
    std::erase_if(events_, matches);
}

void DevToolsClient::received(const QString &text)
{
    const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
    if (message.contains("id")) {
        Reply reply;
        if (message.contains("error")) {
            const QJsonObject error = message.value("error").toObject();
            reply.error = error.value("message").toString(QStringLiteral("error"));
            if (const QString data = error.value("data").toString(); !data.isEmpty())
                reply.error += QStringLiteral(" (%1)").arg(data);
        } else {
            reply.result = message.value("result").toObject();
        }
        answer_ = std::pair{message.value("id").toInt(), reply};
        return;
    }
    if (!message.contains("method"))
        return;
    events_.push_back({message.value("method").toString(), message.value("params").toObject(),
                       message.value("sessionId").toString()});
    while (events_.size() > kMaxQueuedEvents)
        events_.pop_front();
}

bool DevToolsClient::waitUntil(const std::function<bool()> &done, int milliseconds)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto check = [&] {
        if (done() || lost_)
            loop.quit();
    };
    const QMetaObject::Connection onMessage = connect(&socket_, &QWebSocket::textMessageReceived, &loop, check);
    const QMetaObject::Connection onConnected = connect(&socket_, &QWebSocket::connected, &loop, check);
    const QMetaObject::Connection onLost = connect(&socket_, &QWebSocket::disconnected, &loop, &QEventLoop::quit);
    const QMetaObject::Connection onError =
        connect(&socket_, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), &loop, &QEventLoop::quit);
    timer.start(milliseconds);
    if (!lost_)
        loop.exec();
    disconnect(onMessage);
    disconnect(onConnected);
    disconnect(onLost);
    disconnect(onError);
    return done();
}

} // namespace korvalde::scenario::browser
