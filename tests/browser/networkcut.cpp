#include "networkcut.h"

#include <QHostAddress>

namespace korvalde::scenario::browser {

NetworkCut::NetworkCut(const QUrl &server) : server_(server)
{
    connect(&listener_, &QTcpServer::newConnection, this, &NetworkCut::accept);
    listener_.listen(QHostAddress::LocalHost, 0);
}

QUrl NetworkCut::through(const QUrl &page) const
{
    QUrl url = page;
    url.setPort(listener_.serverPort());
    return url;
}

void NetworkCut::accept()
{
    while (QTcpSocket *browserSide = listener_.nextPendingConnection()) {
        browserSide->setParent(this);
        auto *serverSide = new QTcpSocket(this);
        // What the browser sends before the server's side is connected waits in its socket.
        connect(serverSide, &QTcpSocket::connected, browserSide, [browserSide, serverSide] {
            serverSide->write(browserSide->readAll());
            connect(browserSide, &QTcpSocket::readyRead, serverSide,
                    [browserSide, serverSide] { serverSide->write(browserSide->readAll()); });
        });
        connect(serverSide, &QTcpSocket::readyRead, browserSide,
                [browserSide, serverSide] { browserSide->write(serverSide->readAll()); });
        connect(browserSide, &QTcpSocket::disconnected, serverSide, &QTcpSocket::disconnectFromHost);
        connect(serverSide, &QTcpSocket::disconnected, browserSide, &QTcpSocket::disconnectFromHost);
        serverSide->connectToHost(server_.host(), static_cast<quint16>(server_.port()));
        pairs_.emplace_back(browserSide, serverSide);
    }
}

int NetworkCut::cut()
{
    int open = 0;
    for (auto &[browserSide, serverSide] : pairs_) {
        for (QTcpSocket *side : {browserSide.data(), serverSide.data()}) {
            if (side != nullptr && side->state() != QAbstractSocket::UnconnectedState) {
                side->abort();
                ++open;
            }
            if (side != nullptr)
                side->deleteLater();
        }
    }
    pairs_.clear();
    return open;
}

} // namespace korvalde::scenario::browser
