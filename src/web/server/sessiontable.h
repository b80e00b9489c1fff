#pragma once

#include <QAbstractHttpServer>
#include <QObject>
#include <QWebSocket>

#include <map>
#include <memory>

namespace korvalde::web {

class Session;

// The open design sessions, one per WebSocket connection. Each lives exactly as long as
// its connection; one session's messages reach no other.
class SessionTable : public QObject {
public:
    explicit SessionTable(QAbstractHttpServer &server);
    ~SessionTable() override;

    std::size_t openSessions() const { return sessions_.size(); }

private:
    struct Open {
        std::unique_ptr<QWebSocket> socket;
        std::unique_ptr<Session> session;
        quint64 number = 0;
    };

    void accept(std::unique_ptr<QWebSocket> socket);
    void answer(QWebSocket *socket, const QByteArray &reply);
    void close(QWebSocket *socket);

    QAbstractHttpServer &server_;
    std::map<QWebSocket *, Open> sessions_;
    quint64 started_ = 0;
};

} // namespace korvalde::web
