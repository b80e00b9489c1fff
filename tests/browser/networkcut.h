#pragma once

#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <vector>

namespace korvalde::scenario::browser {

// A stretch of network between the browser and the server that a test can cut, as a
// phone loses its network: every connection through it ends at once, without a goodbye,
// and new ones pass again afterwards.
class NetworkCut : public QObject {
public:
    // Passes connections on to the host and port of `server`.
    explicit NetworkCut(const QUrl &server);

    // `page` as reached through the cut.
    QUrl through(const QUrl &page) const;
    // Ends every connection through it; says how many there were.
    int cut();

private:
    void accept();

    QTcpServer listener_;
    QUrl server_;
    std::vector<std::pair<QPointer<QTcpSocket>, QPointer<QTcpSocket>>> pairs_;
};

} // namespace korvalde::scenario::browser
