#pragma once

#include <QJsonObject>
#include <QUrl>
#include <QWebSocket>

#include <deque>
#include <functional>

namespace korvalde::web::testing {

constexpr int kWaitMs = 10000;

// Runs the event loop until `done` holds or `ms` have passed; says whether it holds.
bool waitUntil(const std::function<bool()> &done, int ms = kWaitMs);

// A page's end of the protocol: a WebSocket that collects what the server sends.
class PageClient {
public:
    // Connects to `url`, as a page of `origin` when one is given.
    explicit PageClient(const QUrl &url, const QByteArray &origin = {});

    bool waitConnected();
    bool waitClosed();
    bool isClosed() const { return closed_; }
    int closeCode() const { return socket_.closeCode(); }

    // The next message the server sends, or an empty object when none comes in time.
    QJsonObject next();
    // Sends a gesture under a new number and returns the answer carrying that number.
    QJsonObject gesture(QJsonObject gesture);
    QJsonObject click(const QString &window, const QString &control);
    void sendText(const QByteArray &text) { socket_.sendTextMessage(QString::fromUtf8(text)); }
    void sendBinary(const QByteArray &bytes) { socket_.sendBinaryMessage(bytes); }
    // The connection lost without a goodbye, as a phone losing its network.
    void kill() { socket_.abort(); }

    std::deque<QJsonObject> &received() { return received_; }

private:
    QWebSocket socket_;
    std::deque<QJsonObject> received_;
    bool closed_ = false;
    qint64 lastId_ = 0;
};

// The shown flag and front page of a view, and the text of one control in it.
QString controlText(const QJsonObject &view, const QString &window, const QString &control);
bool windowShown(const QJsonObject &view, const QString &window);

} // namespace korvalde::web::testing
