#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QWebSocket>

#include <deque>
#include <functional>
#include <optional>

namespace korvalde::scenario::browser {

// A client of the browser's remote debugging protocol over its WebSocket: commands sent
// and their answers awaited one at a time, events kept until someone asks for them. The
// tool drives one page step by step, so waiting here (in a local event loop) is what it
// needs; nothing else runs meanwhile.
class DevToolsClient : public QObject {
public:
    struct Reply {
        QJsonObject result;
        QString error; // empty when the command succeeded
    };
    struct Event {
        QString method;
        QJsonObject params;
        QString session; // the attached target's session; empty for the browser itself
    };

    DevToolsClient();
    ~DevToolsClient() override;

    // Connects; returns why it could not within the time given.
    QString open(const QUrl &url, int milliseconds);
    bool isOpen() const;

    // Sends the command (to the attached target `session`, or to the browser) and waits
    // for its answer. A lost connection or no answer in time is an error like any other.
    Reply call(const QString &method, const QJsonObject &params = {}, const QString &session = {},
               int milliseconds = kDefaultWait);

    // The oldest event received (or arriving within the time given) that `matches`, taken
    // off the queue; nothing when none came.
    std::optional<Event> waitForEvent(const std::function<bool(const Event &)> &matches, int milliseconds);
    // Forgets the queued events that `matches`.
    void dropEvents(const std::function<bool(const Event &)> &matches);

    static constexpr int kDefaultWait = 8000;
    // Events nobody asked for are forgotten beyond this many, oldest first.
    static constexpr size_t kMaxQueuedEvents = 2000;

private:
    void received(const QString &message);
    // Runs the event loop until `done` holds, the connection is lost or the time is up.
    bool waitUntil(const std::function<bool()> &done, int milliseconds);

    QWebSocket socket_;
    int nextId_ = 1;
    std::optional<std::pair<int, Reply>> answer_; // the answer to the command in flight
    std::deque<Event> events_;
    bool lost_ = false;
    QString lostWhy_;
};

} // namespace korvalde::scenario::browser
