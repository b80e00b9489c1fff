#pragma once

#include "messagerate.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QWebSocket>

#include <deque>
#include <functional>
#include <memory>

namespace korvalde::web {

// One WebSocket to a page, keeping the limits every connection has: a text message over
// 64 KiB closes the connection (the session stays, for the page to come back to), and a
// page sending faster than the rate allows is held back, then refused with an error
// answer. What passes reaches the handler in the order it was sent.
class Connection : public QObject {
public:
    struct Handlers {
        std::function<void(Connection &, const QByteArray &message, bool binary)> message;
        std::function<void(Connection &)> gone;
    };

    Connection(std::unique_ptr<QWebSocket> socket, int messagesPerSecond, Handlers handlers);
    ~Connection() override;

    void send(const QByteArray &message);
    // Tells the page why the server ends the connection (a "closing" message), then closes
    // it; the page does not try to come back.
    void closeWith(const QString &reason, const QString &message, QWebSocketProtocol::CloseCode code);
    void close(QWebSocketProtocol::CloseCode code);

    QWebSocket &socket() { return *socket_; }
    // The key of the session this connection shows, empty while it shows none.
    QByteArray sessionKey;

private:
    struct Held {
        QByteArray message;
        bool binary;
    };

    void receive(const QByteArray &message, bool binary);
    void release();
    void refuse(const QByteArray &message, bool binary);
    void dropHeld();

    std::unique_ptr<QWebSocket> socket_;
    Handlers handlers_;
    MessageRate rate_;
    std::deque<Held> held_;
    qsizetype heldBytes_ = 0;
    std::size_t mostHeld_;
    QTimer release_;
    bool closing_ = false;
};

} // namespace korvalde::web
