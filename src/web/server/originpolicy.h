#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace korvalde::web {

// Which pages may open a session. A browser names the page a WebSocket comes from in its
// Origin header; only the page this server delivered (same host and port as the request
// was sent to) and the origins the administrator names are let in, so that a foreign site
// a player visits cannot drive a session in the player's name.
class OriginPolicy {
public:
    explicit OriginPolicy(const QStringList &allowedOrigins = {});

    // `origin` and `host` as the request's Origin and Host headers carry them. A request
    // without an Origin comes from no browser page (a tool, a proxy's health check) and
    // could claim any origin it liked, so it is let in.
    bool allows(const QByteArray &origin, const QByteArray &host) const;

private:
    struct Place {
        QString scheme;
        QString host;
        int port = -1;
        bool operator==(const Place &) const = default;
    };
    static bool readOrigin(const QByteArray &origin, Place &into);

    std::vector<Place> allowed_;
};

} // namespace korvalde::web
