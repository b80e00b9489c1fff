#include "pages/page3/page3.h"

#include "app/modificationlist.h"
#include "app/navigation.h"
#include "app/wizardpage.h"
#include "sheet/sheet.h"

namespace korvalde {

namespace {

const WizardPageLayout kLayout = {
    "Form3", "\"Korvalde\" - Seite 3", "Sheet", "Werte", "Frame4", "", "", "Command3", "Command2",
};

void goForward(Window &page)
{
    Application &app = page.app();
    Window &page4 = app.window("Form4");
    navigation::placeAt(page4, page);
    rebuildModificationList(app, "Form3");
    if (!page["hlt"].isEnabled())
        page4["hlt"].setEnabled(false);
    sheet::copy(page, page4, sheet::handOffFields());
    navigation::showInsteadOf(page4, page);
}

} // namespace

std::unique_ptr<Window> createPage3(Application &app)
{
    auto owned = newWizardPage(app, kLayout);
    Window &page = *owned;
    addWizardButtons(page, kLayout);
    page["Command2"].onClick([&page] { goForward(page); });
    page["Command3"].onClick([&page] { navigation::stepBack(page, "Form2"); });
    return owned;
}

QString page3Entries(const Window &)
{
    return {};
}

} // namespace korvalde
