#pragma once

#include "originpolicy.h"
#include "serverlimits.h"

#include <QAbstractHttpServer>
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QWebSocket>

#include <chrono>
#include <functional>
#include <map>
#include <memory>

namespace korvalde::web {

class Connection;
class Session;

// The open design sessions and the connections that show them. A session outlives its
// connection: a page that lost it (a phone between two networks, a reloaded tab) comes
// back with the session's token within a while and finds its design as it left it. One
// session's messages reach no other.
class SessionTable : public QObject {
public:
    SessionTable(QAbstractHttpServer &server, const ServerLimits &limits, const OriginPolicy &origins);
    ~SessionTable() override;

    // Sessions kept, with or without a connection.
    std::size_t openSessions() const { return sessions_.size(); }
    std::size_t openConnections() const { return connections_.size(); }

    // Tells every page that the server ends, closes every connection and takes no new
    // one; `allGone` runs once the last connection is closed.
    void closeAll(std::function<void()> allGone);

private:
    using Clock = std::chrono::steady_clock;
    struct Kept {
        std::unique_ptr<Session> session;
        quint64 number = 0;
        Connection *connection = nullptr; // none while the page is away
        Clock::time_point lastMessage;
        Clock::time_point dropped;
    };

    void accept(std::unique_ptr<QWebSocket> socket);
    void attach(Connection &connection, const QByteArray &key, bool resumed, const QByteArray &token);
    void startNew(Connection &connection);
    void receive(Connection &connection, const QByteArray &message, bool binary);
    void gone(Connection &connection);
    void end(std::map<QByteArray, Kept>::iterator kept);
    void sweep();

    QAbstractHttpServer &server_;
    ServerLimits limits_;
    const OriginPolicy &origins_;
    std::map<QByteArray, Kept> sessions_; // by the digest of the token
    std::map<Connection *, std::unique_ptr<Connection>> connections_;
    QTimer sweeper_;
    quint64 started_ = 0;
    std::function<void()> allGone_;
    bool closingAll_ = false;
};

} // namespace korvalde::web
