#pragma once

#include <QHttpServer>

namespace korvalde::web {

// The HTTP side: the page's files from the program's resources, and the one address a
// page opens its WebSocket at.
void addRoutes(QHttpServer &server);

} // namespace korvalde::web
