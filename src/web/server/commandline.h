#pragma once

#include "serverlimits.h"

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <optional>

namespace korvalde::web {

// What korvalde-web's command line asks for.
struct CommandLine {
    // Set when the program is to end at once: the text for standard output (help,
    // version) or standard error (a wrong argument), and the exit status.
    std::optional<int> exitStatus;
    QString output;
    QString error;
    // Where the server listens.
    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = 8080;
    ServerLimits limits;
    // Origins besides the page's own whose pages may open a session ("https://host").
    QStringList allowedOrigins;
};

CommandLine readCommandLine(const QStringList &arguments);

// The address a browser opens for a server listening there: "http://127.0.0.1:8080/".
QString pageAddress(const QHostAddress &address, quint16 port);

} // namespace korvalde::web
