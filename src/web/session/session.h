#pragma once

#include "changerecorder.h"
#include "gesture.h"
#include "model/application.h"
#include "webplatform.h"

#include <QByteArray>

#include <memory>

namespace korvalde::web {

// One player's design: a program of its own, started as the desktop starts it, and the
// translation between it and the page. It knows nothing of the network: messages come in
// as bytes and the answers go out as bytes, one answer per message.
class Session {
public:
    Session();
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // The whole view, sent once as the page connects.
    QByteArray welcome();
    // The answer to a text message: the changes the gesture made, or why it was refused.
    QByteArray receiveText(const QByteArray &message);
    // The answer to a binary message (an upload).
    QByteArray receiveBinary(const QByteArray &message);

    // The program has ended ("&Beenden"), or it failed and cannot go on; the connection
    // may close once the last answer is sent.
    bool isOver() const { return platform_.hasEnded() || broken_; }

private:
    QByteArray answer(const ReadGesture &read);
    QString perform(const Gesture &gesture);
    QString upload(const Gesture &gesture);

    WebPlatform platform_;
    std::unique_ptr<Application> app_;
    std::unique_ptr<ChangeRecorder> recorder_;
    bool broken_ = false;
    // The message boxes the last answer brought, until the next gesture shows them closed.
    QJsonArray openMessages_;
};

} // namespace korvalde::web
