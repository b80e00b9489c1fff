#include "sessiontable.h"

#include "session.h"

#include <cstdio>

namespace korvalde::web {

namespace {

// Larger messages close the connection before they are read whole; up to here the
// session refuses them with an answer and goes on.
constexpr qint64 kLargestIncomingMessage = 1024 * 1024;

// One line per start and end of a session on standard error: no names, nothing of what is
// designed, only how many sessions are open.
void log(const char *what, quint64 number, std::size_t open)
{
    std::fprintf(stderr, "korvalde-web: Sitzung %llu %s (%zu offen)\n", static_cast<unsigned long long>(number), what,
                 open);
    std::fflush(stderr);
}

} // namespace

SessionTable::SessionTable(QAbstractHttpServer &server) : server_(server)
{
    connect(&server, &QAbstractHttpServer::newWebSocketConnection, this, [this] {
        while (server_.hasPendingWebSocketConnections())
            accept(server_.nextPendingWebSocketConnection());
    });
}

SessionTable::~SessionTable()
{
    for (auto &[socket, open] : sessions_)
        socket->disconnect(this);
}

void SessionTable::accept(std::unique_ptr<QWebSocket> socket)
{
    if (socket == nullptr)
        return;
    QWebSocket *key = socket.get();
    key->setMaxAllowedIncomingMessageSize(kLargestIncomingMessage);
    key->setMaxAllowedIncomingFrameSize(kLargestIncomingMessage);
    Open open{std::move(socket), std::make_unique<Session>(), ++started_};
    const quint64 number = open.number;
    sessions_.emplace(key, std::move(open));
    log("begonnen", number, sessions_.size());
    connect(key, &QWebSocket::textMessageReceived, this, [this, key](const QString &message) {
        if (const auto found = sessions_.find(key); found != sessions_.end())
            answer(key, found->second.session->receiveText(message.toUtf8()));
    });
    connect(key, &QWebSocket::binaryMessageReceived, this, [this, key](const QByteArray &message) {
        if (const auto found = sessions_.find(key); found != sessions_.end())
            answer(key, found->second.session->receiveBinary(message));
    });
    connect(key, &QWebSocket::disconnected, this, [this, key] { close(key); });
    key->sendTextMessage(QString::fromUtf8(sessions_.at(key).session->welcome()));
}

void SessionTable::answer(QWebSocket *socket, const QByteArray &reply)
{
    socket->sendTextMessage(QString::fromUtf8(reply));
    // The program has ended: the page has its last answer, the connection goes with it.
    if (sessions_.at(socket).session->isOver())
        socket->close(QWebSocketProtocol::CloseCodeNormal);
}

void SessionTable::close(QWebSocket *socket)
{
    const auto found = sessions_.find(socket);
    if (found == sessions_.end())
        return;
    const quint64 number = found->second.number;
    // Not now: the socket is in the middle of telling us it is gone.
    found->second.socket.release()->deleteLater();
    sessions_.erase(found);
    log("beendet", number, sessions_.size());
}

} // namespace korvalde::web
