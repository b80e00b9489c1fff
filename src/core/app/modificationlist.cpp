#include "app/modificationlist.h"

#include "app/navigation.h"
#include "pages/page2/page2.h"
#include "pages/page3/page3.h"
#include "pages/page4/page4.h"
#include "pages/page5/page5.h"

namespace korvalde {

QString pageEntries(const Window &page)
{
    if (page.name() == "Form2")
        return page2Entries(page);
    if (page.name() == "Form3")
        return page3Entries(page);
    if (page.name() == "Form4")
        return page4Entries(page);
    if (page.name() == "Form12")
        return page5Entries(page);
    return {};
}

void rebuildModificationList(Application &app, const QString &lastPage)
{
    QString list = QStringLiteral("Rahmen");
    const QStringList &pages = navigation::pageOrder();
    for (qsizetype i = pages.indexOf("Form2"); i <= pages.indexOf(lastPage); ++i) {
        if (const Window *page = app.find(pages[i]))
            list += pageEntries(*page);
    }
    app.window("Form5")["Text1"].setText(list);
}

} // namespace korvalde
