#include "routes.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QUrl>

namespace korvalde::web {

namespace {

using StatusCode = QHttpServerResponder::StatusCode;

QByteArray contentType(const QString &path)
{
    // Module scripts are refused under any other type.
    if (path.endsWith(QLatin1String(".js")))
        return "text/javascript; charset=utf-8";
    if (path.endsWith(QLatin1String(".html")))
        return "text/html; charset=utf-8";
    if (path.endsWith(QLatin1String(".css")))
        return "text/css; charset=utf-8";
    if (path.endsWith(QLatin1String(".svg")))
        return "image/svg+xml";
    return QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toUtf8();
}

// The page loads nothing from elsewhere and runs no script it did not bring; its one
// connection goes back to the host it came from.
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

QHttpServerResponse notFound()
{
    return QHttpServerResponse("text/plain; charset=utf-8", QByteArray("Nicht gefunden.\n"), StatusCode::NotFound);
}

QHttpServerResponse pageFile(const QString &requested, const QHttpServerRequest &request)
{
    QString path = requested;
    if (path.isEmpty() || path.endsWith(u'/'))
        path += QLatin1String("index.html");
    if (path.contains(QLatin1String("..")) || path.startsWith(u'/'))
        return notFound();
    QFile file(QStringLiteral(":/page/") + path);
    if (!file.open(QIODevice::ReadOnly))
        return notFound();
    QHttpServerResponse response(contentType(path), file.readAll());
    // A new version of the program brings new files; the browser asks again each time.
    response.setHeader("Cache-Control", "no-cache");
    response.setHeader("X-Content-Type-Options", "nosniff");
    response.setHeader("Content-Security-Policy", contentSecurityPolicy(request));
    return response;
}

bool asksForWebSocket(const QHttpServerRequest &request)
{
    return request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
}

} // namespace

void addRoutes(QHttpServer &server)
{
    // The server upgrades a request to a WebSocket only when a route takes it, and it
    // writes the 101 after the route: so this route takes the responder and writes
    // nothing. A plain request here learns what the address is for.
    server.route(QStringLiteral("/ws"), [](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
        if (!asksForWebSocket(request))
            responder.write("Hier spricht nur die Seite per WebSocket.\n", "text/plain; charset=utf-8",
                            StatusCode::UpgradeRequired);
    });
    server.route(QStringLiteral("/<arg>"), QHttpServerRequest::Method::Get,
                 [](const QUrl &path, const QHttpServerRequest &request) { return pageFile(path.path(), request); });
}

} // namespace korvalde::web
