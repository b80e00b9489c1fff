#include "pages/page5/page5.h"

#include "app/modificationlist.h"
#include "app/navigation.h"
#include "app/wizardpage.h"
#include "pages/page5/layout.h"
#include "sheet/sheet.h"

namespace korvalde {

namespace {

const WizardPageLayout kLayout = {
    "Form12",   "\"Korvalde\" - Seite 5",
    "Frame1",   "Seite 5",
    "Frame2",   "Unterlauf / Aufmontiertes Zubehör ",
    "X",        "Zurück",
    "Command2",
};

void goForward(Window &page)
{
    Application &app = page.app();
    Window &completion = app.window("Form5");
    navigation::placeAt(completion, page);
    rebuildModificationList(app, "Form12");
    for (const QString mount : {"hlt3", "hlt", "hlt2"})
        completion[mount].setVisible(page[mount].isEnabled());
    sheet::copy(page, completion, sheet::handOffFieldsWithoutType());
    navigation::showInsteadOf(completion, page);
}

} // namespace

std::unique_ptr<Window> createPage5(Application &app)
{
    auto owned = newWizardPage(app, kLayout);
    Window &page = *owned;
    page5::layOutOptions(page);
    addWizardButtons(page, kLayout);
    page["Command2"].onClick([&page] { goForward(page); });
    page["Zurück"].onClick([&page] { navigation::stepBack(page, "Form4"); });
    page.onLoad([&page, &app] { navigation::placeAt(app.window("Form5"), page); });
    return owned;
}

QString page5Entries(const Window &)
{
    return {};
}

} // namespace korvalde
