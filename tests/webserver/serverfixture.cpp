#include "serverfixture.h"

#include "responseheaders.h"
#include "routes.h"

#include <QTcpSocket>
#include <QUrlQuery>

namespace korvalde::web::testing {

void ServerFixture::startServer(const ServerLimits &limits, const QStringList &allowedOrigins)
{
    origins = std::make_unique<OriginPolicy>(allowedOrigins);
    http = std::make_unique<QHttpServer>();
    addRoutes(*http, *origins);
    guardResponses(*http);
    sessions = std::make_unique<SessionTable>(*http, limits, *origins);
    port = http->listen(QHostAddress::LocalHost, 0);
    ASSERT_NE(port, 0);
}

void ServerFixture::TearDown()
{
    sessions.reset();
    http.reset();
    origins.reset();
}

QUrl ServerFixture::socketUrl(const QByteArray &token) const
{
    QUrl url(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port));
    if (!token.isEmpty())
        url.setQuery(QStringLiteral("resume=") + QString::fromLatin1(token));
    return url;
}

std::unique_ptr<PageClient> ServerFixture::openPage(const QByteArray &token, QJsonObject &view)
{
    auto page = std::make_unique<PageClient>(socketUrl(token), origin().toLatin1());
    EXPECT_TRUE(page->waitConnected());
    view = page->next();
    EXPECT_EQ(view.value(QStringLiteral("type")).toString(), QStringLiteral("view"));
    return page;
}

ServerFixture::RawAnswer ServerFixture::rawGet(const QByteArray &target)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(socket.waitForConnected(kWaitMs));
    socket.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
                 "\r\nConnection: close\r\n\r\n");
    // The whole answer is in once its head is and as much body as it announces.
    QByteArray bytes;
    qsizetype headEnd = -1;
    waitUntil([&] {
        bytes += socket.readAll();
        headEnd = bytes.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return socket.state() == QAbstractSocket::UnconnectedState;
        const qsizetype lengthAt = bytes.toLower().indexOf("content-length:");
        const qsizetype length =
            lengthAt < 0 || lengthAt > headEnd
                ? 0
                : bytes.mid(lengthAt + 15, bytes.indexOf('\r', lengthAt) - lengthAt - 15).trimmed().toLongLong();
        return bytes.size() - headEnd - 4 >= length;
    });
    RawAnswer answer;
    if (headEnd < 0)
        return answer;
    const QList<QByteArray> lines = bytes.left(headEnd).split('\n');
    if (lines.isEmpty())
        return answer;
    answer.status = lines.constFirst().split(' ').value(1).toInt();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            answer.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    answer.body = bytes.mid(headEnd + 4);
    return answer;
}

} // namespace korvalde::web::testing
