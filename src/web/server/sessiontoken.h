#pragma once

#include <QByteArray>

namespace korvalde::web {

// A new session's token: 256 bits from the system's secure random source, written in
// base64url (43 characters), for the page to keep and present when it comes back.
QByteArray newSessionToken();

// What the server files a session under: a digest of its token, so that looking a
// session up takes no longer or shorter for a token that is nearly right.
QByteArray sessionKey(const QByteArray &token);

} // namespace korvalde::web
