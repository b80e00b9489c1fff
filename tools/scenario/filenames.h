#pragma once

#include <QString>

namespace korvalde::scenario {

// Why `name` (relative, without ".." steps, as the parser lets it through) leads out of
// `folder` through a symbolic link, or an empty text when it stays inside.
QString linkEscape(const QString &folder, const QString &name);

// Why the save dialog does not take `path`, as the real dialog judges it (the same
// judgement in both modes): no name at all (empty `path`), an existing folder, or a name
// longer than the file system holds. An empty text when it takes it.
QString saveDialogRefusal(const QString &path);

} // namespace korvalde::scenario
