#include "app/windowfactory.h"

#include "pages/completion/completion.h"
#include "pages/page2/page2.h"
#include "pages/page3/page3.h"
#include "pages/page4/page4.h"
#include "pages/page5/page5.h"
#include "pages/start/startpage.h"
#include "reopen/opensheet.h"
#include "wizard/windows.h"

#include <QHash>

namespace korvalde {

namespace {

// The start page's "Öffnen…" rebuilds a design through every page, so it is wired here,
// where the program is assembled, not in the start page, which knows no other page.
std::unique_ptr<Window> createStartPageThatOpensSheets(Application &app)
{
    std::unique_ptr<Window> page = createStartPage(app);
    (*page)["mnuOeffnen"].onClick([&app] { reopen::askAndOpenSheet(app); });
    return page;
}

} // namespace

const QStringList &windowNames()
{
    static const QStringList names = [] {
        QStringList all;
        for (const WindowRow &row : windowTable())
            all << row.name;
        return all;
    }();
    return names;
}

std::unique_ptr<Window> createWindow(Application &app, const QString &name)
{
    using CreatePage = std::unique_ptr<Window> (*)(Application &);
    static const QHash<QString, CreatePage> pages = {
        {windows::startPage, createStartPageThatOpensSheets},
        {windows::page2, createPage2},
        {windows::page3, createPage3},
        {windows::page4, createPage4},
        {windows::page5, createPage5},
        {windows::completion, createCompletionPage},
    };
    if (windowRow(name).kind == WindowKind::Dialog)
        return createMountDialog(app, name);
    return pages.value(name)(app);
}

std::unique_ptr<Application> startKorvalde(Platform &platform)
{
    auto app = std::make_unique<Application>(platform, createWindow, windowNames());
    app->start(windows::startPage);
    return app;
}

} // namespace korvalde
