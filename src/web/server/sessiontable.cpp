#include "sessiontable.h"

#include "connection.h"
#include "session.h"
#include "sessiontoken.h"

#include <QUrlQuery>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace korvalde::web {

namespace {

// A token is 43 characters; anything much longer is no token of ours.
constexpr qsizetype kLongestToken = 128;
// Asked to try again later: a code of the application's own range, as not every client
// takes the newer standard codes.
constexpr auto kCloseTryLater = static_cast<QWebSocketProtocol::CloseCode>(4503);

// One line per start and end of a session on standard error: no names, nothing of what is
// designed, only how many sessions are open.
void log(const char *what, quint64 number, std::size_t open)
{
    std::fprintf(stderr, "korvalde-web: Sitzung %llu %s (%zu offen)\n", static_cast<unsigned long long>(number), what,
                 open);
    std::fflush(stderr);
}

// The welcome as the session writes it, with the token the page keeps and whether the
// page found the session it asked for. The view is large and sent as is: the two fields
// go in front of its first member.
QByteArray withToken(const QByteArray &welcome, const QByteArray &token, bool resumed)
{
    QByteArray marked = welcome;
    marked.insert(1, "\"token\":\"" + token + "\",\"resumed\":" + (resumed ? "true" : "false") + ",");
    return marked;
}

QByteArray requestedToken(const QWebSocket &socket)
{
    const QByteArray token = QUrlQuery(socket.requestUrl()).queryItemValue(QStringLiteral("resume")).toLatin1();
    return token.size() <= kLongestToken ? token : QByteArray();
}

} // namespace

SessionTable::SessionTable(QAbstractHttpServer &server, const ServerLimits &limits, const OriginPolicy &origins)
    : server_(server), limits_(limits), origins_(origins)
{
    connect(&server, &QAbstractHttpServer::newWebSocketConnection, this, [this] {
        while (server_.hasPendingWebSocketConnections())
            accept(server_.nextPendingWebSocketConnection());
    });
    // Often enough that a session ends within a small part of its time.
    const auto shortest = std::min(limits_.idle, limits_.keepAfterDrop);
    sweeper_.setInterval(std::clamp(shortest / 8, std::chrono::milliseconds(5), std::chrono::milliseconds(1000)));
    connect(&sweeper_, &QTimer::timeout, this, &SessionTable::sweep);
    sweeper_.start();
}

SessionTable::~SessionTable()
{
    // The sessions go first, so that no connection going with them reports back here.
    sessions_.clear();
    connections_.clear();
}

void SessionTable::accept(std::unique_ptr<QWebSocket> socket)
{
    if (socket == nullptr)
        return;
    if (!origins_.allows(socket->request().rawHeader("Origin"), socket->request().rawHeader("Host"))) {
        // The upgrade route refused it already; this is for a request that got past it.
        socket->abort();
        return;
    }
    auto owned =
        std::make_unique<Connection>(std::move(socket), limits_.messagesPerSecond,
                                     Connection::Handlers{[this](Connection &from, const QByteArray &message,
                                                                 bool binary) { receive(from, message, binary); },
                                                          [this](Connection &from) { gone(from); }});
    Connection &connection = *owned;
    connections_.emplace(owned.get(), std::move(owned));
    if (closingAll_) {
        connection.closeWith(QStringLiteral("shutdown"), QStringLiteral("Der Server wird beendet."),
                             QWebSocketProtocol::CloseCodeGoingAway);
        return;
    }
    const QByteArray token = requestedToken(connection.socket());
    if (!token.isEmpty()) {
        const QByteArray key = sessionKey(token);
        if (sessions_.contains(key)) {
            attach(connection, key, true, token);
            return;
        }
    }
    if (sessions_.size() >= limits_.maxSessions) {
        std::fprintf(stderr, "korvalde-web: Verbindung abgewiesen, %zu Sitzungen offen\n", sessions_.size());
        std::fflush(stderr);
        connection.closeWith(QStringLiteral("full"), QStringLiteral("Der Server ist voll, bitte später noch einmal."),
                             kCloseTryLater);
        return;
    }
    startNew(connection);
}

void SessionTable::startNew(Connection &connection)
{
    const QByteArray token = newSessionToken();
    const QByteArray key = sessionKey(token);
    Kept &kept = sessions_[key];
    kept.session = std::make_unique<Session>();
    kept.number = ++started_;
    kept.lastMessage = Clock::now();
    log("begonnen", kept.number, sessions_.size());
    attach(connection, key, false, token);
}

void SessionTable::attach(Connection &connection, const QByteArray &key, bool resumed, const QByteArray &token)
{
    Kept &kept = sessions_.at(key);
    if (kept.connection != nullptr) {
        // The newest page wins: the older one may be a connection the network lost
        // without telling, or a tab the player left for this one.
        kept.connection->sessionKey.clear();
        kept.connection->closeWith(QStringLiteral("elsewhere"),
                                   QStringLiteral("Diese Waffe ist jetzt in einem anderen Fenster geöffnet."),
                                   QWebSocketProtocol::CloseCodeNormal);
    }
    kept.connection = &connection;
    connection.sessionKey = key;
    if (resumed)
        log("fortgesetzt", kept.number, sessions_.size());
    connection.send(withToken(kept.session->welcome(), token, resumed));
}

void SessionTable::receive(Connection &connection, const QByteArray &message, bool binary)
{
    const auto found = sessions_.find(connection.sessionKey);
    if (found == sessions_.end())
        return;
    Kept &kept = found->second;
    kept.lastMessage = Clock::now();
    connection.send(binary ? kept.session->receiveBinary(message) : kept.session->receiveText(message));
    // The program has ended: the page has its last answer, the connection and the
    // session go with it.
    if (kept.session->isOver()) {
        connection.sessionKey.clear();
        kept.connection = nullptr;
        connection.close(QWebSocketProtocol::CloseCodeNormal);
        end(found);
    }
}

void SessionTable::gone(Connection &connection)
{
    const auto owned = connections_.find(&connection);
    if (owned == connections_.end())
        return;
    if (const auto found = sessions_.find(connection.sessionKey);
        found != sessions_.end() && found->second.connection == &connection) {
        found->second.connection = nullptr;
        found->second.dropped = Clock::now();
        log("unterbrochen", found->second.number, sessions_.size());
    }
    // Not now: the socket is in the middle of telling us it is gone.
    owned->second.release()->deleteLater();
    connections_.erase(owned);
    if (closingAll_ && connections_.empty() && allGone_)
        std::exchange(allGone_, nullptr)();
}

void SessionTable::end(std::map<QByteArray, Kept>::iterator kept)
{
    const quint64 number = kept->second.number;
    sessions_.erase(kept);
    log("beendet", number, sessions_.size());
}

void SessionTable::sweep()
{
    const Clock::time_point now = Clock::now();
    for (auto kept = sessions_.begin(); kept != sessions_.end();) {
        const auto current = kept++;
        Kept &session = current->second;
        const bool idle = now - session.lastMessage >= limits_.idle;
        const bool abandoned = session.connection == nullptr && now - session.dropped >= limits_.keepAfterDrop;
        if (!idle && !abandoned)
            continue;
        if (session.connection != nullptr) {
            session.connection->sessionKey.clear();
            session.connection->closeWith(QStringLiteral("idle"),
                                          QStringLiteral("Die Sitzung ist beendet: zu lange keine Eingabe."),
                                          QWebSocketProtocol::CloseCodeNormal);
        }
        end(current);
    }
}

void SessionTable::closeAll(std::function<void()> allGone)
{
    closingAll_ = true;
    allGone_ = std::move(allGone);
    // Closing a connection may report it gone at once, which takes it out of the table.
    std::vector<Connection *> open;
    for (const auto &[connection, owned] : connections_)
        open.push_back(connection);
    for (Connection *connection : open) {
        if (connections_.contains(connection))
            connection->closeWith(QStringLiteral("shutdown"), QStringLiteral("Der Server wird beendet."),
                                  QWebSocketProtocol::CloseCodeGoingAway);
    }
    if (connections_.empty() && allGone_)
        std::exchange(allGone_, nullptr)();
}

} // namespace korvalde::web
