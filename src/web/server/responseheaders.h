#pragma once

#include <QByteArray>
#include <QHttpServer>
#include <QHttpServerResponder>
#include <QHttpServerResponse>

namespace korvalde::web {

// Adds what every answer of this server carries: a strict content security policy (the
// page's own files only, no inline script or style, no eval, no framing), no guessing of
// content types, no referrer to other sites.
void addSecurityHeaders(QHttpServerResponse &response, const QHttpServerRequest &request);

// A short German text answer with those headers, for a route that writes to its responder.
QHttpServerResponse plainAnswer(const QByteArray &text, QHttpServerResponder::StatusCode status,
                                const QHttpServerRequest &request);

// Every answer the routes give gets the headers; an address no route takes is answered
// 404 with them.
void guardResponses(QHttpServer &server);

} // namespace korvalde::web
