#include "wizard/modificationlist.h"

#include "wizard/navigation.h"
#include "wizard/windows.h"

namespace korvalde {

void rebuildModificationList(Application &app, const QString &lastPage)
{
    QString list = QStringLiteral("Rahmen");
    const QStringList &pages = navigation::pageOrder();
    for (qsizetype i = pages.indexOf(windows::page2); i <= pages.indexOf(lastPage); ++i) {
        const WindowRow &row = windowRow(pages[i]);
        if (const Window *page = app.find(row.name); page && row.entries)
            list += row.entries(*page);
    }
    app.window(windows::completion)["Text1"].setText(list);
}

} // namespace korvalde
