#pragma once

#include "model/application.h"

#include <QString>

namespace korvalde {

// The completion page's list of modifications is rebuilt, never appended to: "Rahmen"
// followed by the entries of every page from page 2 up to and including `lastPage`, each
// page's entries in its own table order, read from that page's boxes as they are now.
// Going back and forward again therefore never repeats or loses an entry.
void rebuildModificationList(Application &app, const QString &lastPage);

} // namespace korvalde
