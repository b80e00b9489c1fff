#include "pages/completion/completion.h"
#include "pages/page2/page2.h"
#include "pages/page3/page3.h"
#include "pages/page4/page4.h"
#include "pages/page5/page5.h"
#include "pages/start/startpage.h"
#include "reopen/opensheet.h"
#include "wizard/windows.h"

namespace korvalde {

namespace {

WindowRow mountDialog(const QString &name)
{
    return {.name = name,
            .kind = WindowKind::Dialog,
            .create = [name](Application &app) { return createMountDialog(app, name); },
            .previous = {},
            .next = {}};
}

// The start page's "Öffnen…" rebuilds a design through every page, so it is wired here,
// where the program is assembled, not in the start page, which knows no other page.
std::unique_ptr<Window> createStartPageThatOpensSheets(Application &app)
{
    std::unique_ptr<Window> page = createStartPage(app);
    (*page)["mnuOeffnen"].onClick([&app] { reopen::askAndOpenSheet(app); });
    return page;
}

} // namespace

const std::vector<WindowRow> &windowTable()
{
    using namespace windows;
    static const std::vector<WindowRow> table = {
        {.name = startPage,
         .kind = WindowKind::Page,
         .create = createStartPageThatOpensSheets,
         .previous = {},
         .next = page2},
        {.name = page2,
         .kind = WindowKind::Page,
         .create = createPage2,
         .previous = startPage,
         .next = page3,
         .entries = page2Entries},
        {.name = page3,
         .kind = WindowKind::Page,
         .create = createPage3,
         .previous = page2,
         .next = page4,
         .entries = page3Entries},
        {.name = page4,
         .kind = WindowKind::Page,
         .create = createPage4,
         .previous = page3,
         .next = page5,
         .entries = page4Entries},
        {.name = page5,
         .kind = WindowKind::Page,
         .create = createPage5,
         .previous = page4,
         .next = completion,
         .entries = page5Entries},
        {.name = completion, .kind = WindowKind::Page, .create = createCompletionPage, .previous = page5, .next = {}},
        mountDialog(rangefinderDialog),
        mountDialog(laserTargetDialog),
        mountDialog(ultrasoundDialog),
        mountDialog(smartgunDialog),
        mountDialog(laserDialog),
        mountDialog(sightDialog),
    };
    return table;
}

} // namespace korvalde
