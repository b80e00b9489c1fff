#include "pageclient.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkRequest>
#include <QThread>

namespace korvalde::web::testing {

bool waitUntil(const std::function<bool()> &done, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(500);
    }
    return true;
}

PageClient::PageClient(const QUrl &url, const QByteArray &origin)
{
    QObject::connect(&socket_, &QWebSocket::textMessageReceived, [this](const QString &text) {
        received_.push_back(QJsonDocument::fromJson(text.toUtf8()).object());
    });
    QObject::connect(&socket_, &QWebSocket::disconnected, [this] { closed_ = true; });
    QNetworkRequest request(url);
    if (!origin.isEmpty())
        request.setRawHeader("Origin", origin);
    socket_.open(request);
}

bool PageClient::waitConnected()
{
    return waitUntil([this] { return socket_.state() == QAbstractSocket::ConnectedState || closed_; }) &&
           socket_.state() == QAbstractSocket::ConnectedState;
}

bool PageClient::waitClosed()
{
    return waitUntil([this] { return closed_; });
}

QJsonObject PageClient::next()
{
    if (!waitUntil([this] { return !received_.empty(); }))
        return {};
    QJsonObject message = received_.front();
    received_.pop_front();
    return message;
}

QJsonObject PageClient::gesture(QJsonObject gesture)
{
    const qint64 id = ++lastId_;
    gesture.insert(QStringLiteral("id"), static_cast<double>(id));
    socket_.sendTextMessage(QString::fromUtf8(QJsonDocument(gesture).toJson(QJsonDocument::Compact)));
    QJsonObject answer;
    waitUntil([&] {
        for (auto it = received_.begin(); it != received_.end(); ++it) {
            if (it->value(QStringLiteral("id")).toInteger(-1) == id) {
                answer = *it;
                received_.erase(it);
                return true;
            }
        }
        return false;
    });
    return answer;
}

QJsonObject PageClient::click(const QString &window, const QString &control)
{
    return gesture({{QStringLiteral("type"), QStringLiteral("click")},
                    {QStringLiteral("window"), window},
                    {QStringLiteral("control"), control}});
}

namespace {

QJsonObject windowOf(const QJsonObject &view, const QString &window)
{
    for (const QJsonValue &each : view.value(QStringLiteral("windows")).toArray()) {
        if (each[QStringLiteral("name")].toString() == window)
            return each.toObject();
    }
    return {};
}

} // namespace

QString controlText(const QJsonObject &view, const QString &window, const QString &control)
{
    for (const QJsonValue &each : windowOf(view, window).value(QStringLiteral("controls")).toArray()) {
        if (each[QStringLiteral("name")].toString() == control)
            return each[QStringLiteral("text")].toString();
    }
    return QStringLiteral("<none>");
}

bool windowShown(const QJsonObject &view, const QString &window)
{
    return windowOf(view, window).value(QStringLiteral("shown")).toBool();
}

} // namespace korvalde::web::testing
