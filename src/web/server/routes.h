#pragma once

#include "originpolicy.h"

#include <QHttpServer>

namespace korvalde::web {

// The HTTP side: the page's files from the program's resources, and the one address a
// page opens its WebSocket at, for pages of the origins `origins` allows (kept by the caller).
void addRoutes(QHttpServer &server, const OriginPolicy &origins);

} // namespace korvalde::web
