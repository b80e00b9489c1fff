#include "routes.h"

#include "responseheaders.h"

#include <QDirIterator>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QSet>
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
    if (path.endsWith(QLatin1String(".png")))
        return "image/png";
    // Nothing is looked up in the system's type database: the server reads no file once it runs.
    return "application/octet-stream";
}

QHttpServerResponse notFound()
{
    return QHttpServerResponse("text/plain; charset=utf-8", QByteArray("Nicht gefunden.\n"), StatusCode::NotFound);
}

// The page's files as the program carries them, "views/button.js" and so on. A request is
// served only when it names one of them exactly: no folder, no detour through "." or "..".
const QSet<QString> &pageFiles()
{
    static const QSet<QString> files = [] {
        const QString root = QStringLiteral(":/page/");
        QSet<QString> found;
        QDirIterator each(root, QDir::Files, QDirIterator::Subdirectories);
        while (each.hasNext())
            found.insert(each.next().mid(root.size()));
        return found;
    }();
    return files;
}

QHttpServerResponse pageFile(const QString &requested)
{
    QString path = requested;
    if (path.isEmpty())
        path = QStringLiteral("index.html");
    if (!pageFiles().contains(path))
        return notFound();
    QFile file(QStringLiteral(":/page/") + path);
    if (!file.open(QIODevice::ReadOnly))
        return notFound();
    QHttpServerResponse response(contentType(path), file.readAll());
    // A new version of the program brings new files; the browser asks again each time.
    response.setHeader("Cache-Control", "no-cache");
    return response;
}

bool asksForWebSocket(const QHttpServerRequest &request)
{
    return request.value("Upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
}

} // namespace

void addRoutes(QHttpServer &server, const OriginPolicy &origins)
{
    // The server upgrades a request to a WebSocket only when a route takes it, and it
    // writes the 101 after the route: so this route takes the responder and writes
    // nothing. A plain request here learns what the address is for.
    server.route(
        QStringLiteral("/ws"), [&origins](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
            if (!asksForWebSocket(request))
                plainAnswer("Hier spricht nur die Seite per WebSocket.\n", StatusCode::UpgradeRequired, request)
                    .write(std::move(responder));
            else if (!origins.allows(request.value("Origin"), request.value("Host")))
                plainAnswer("Diese Seite darf keine Sitzung öffnen.\n", StatusCode::Forbidden, request)
                    .write(std::move(responder));
        });
    server.route(QStringLiteral("/<arg>"), QHttpServerRequest::Method::Get,
                 [](const QUrl &path) { return pageFile(path.path()); });
}

} // namespace korvalde::web
