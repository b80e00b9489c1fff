#include "responseheaders.h"

#include <QHttpServerRequest>
#include <QRegularExpression>

namespace korvalde::web {

namespace {

// The page loads nothing from elsewhere and runs no script it did not bring; its one
// connection goes back to the host it came from (named too, for browsers that do not
// count ws: under 'self').
QByteArray contentSecurityPolicy(const QHttpServerRequest &request)
{
    static const QRegularExpression plainHost(QStringLiteral("^[A-Za-z0-9.:\\[\\]-]+$"));
    QByteArray connect = "'self'";
    const QString host = QString::fromLatin1(request.value("Host"));
    if (plainHost.match(host).hasMatch())
        connect += " ws://" + host.toLatin1() + " wss://" + host.toLatin1();
    return "default-src 'self'; img-src 'self' data: blob:; connect-src " + connect +
           "; object-src 'none'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
}

} // namespace

void addSecurityHeaders(QHttpServerResponse &response, const QHttpServerRequest &request)
{
    response.setHeader("Content-Security-Policy", contentSecurityPolicy(request));
    response.setHeader("X-Content-Type-Options", "nosniff");
    response.setHeader("Referrer-Policy", "no-referrer");
    // For browsers that know no frame-ancestors.
    response.setHeader("X-Frame-Options", "DENY");
    response.setHeader("Cross-Origin-Opener-Policy", "same-origin");
    response.setHeader("Cross-Origin-Resource-Policy", "same-origin");
}

QHttpServerResponse plainAnswer(const QByteArray &text, QHttpServerResponder::StatusCode status,
                                const QHttpServerRequest &request)
{
    QHttpServerResponse response("text/plain; charset=utf-8", text, status);
    addSecurityHeaders(response, request);
    return response;
}

void guardResponses(QHttpServer &server)
{
    server.afterRequest([](QHttpServerResponse &&response, const QHttpServerRequest &request) {
        addSecurityHeaders(response, request);
        return std::move(response);
    });
    server.setMissingHandler([](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
        plainAnswer("Nicht gefunden.\n", QHttpServerResponder::StatusCode::NotFound, request)
            .write(std::move(responder));
    });
}

} // namespace korvalde::web
