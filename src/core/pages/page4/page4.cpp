#include "pages/page4/page4.h"

#include "app/modificationlist.h"
#include "app/navigation.h"
#include "app/wizardpage.h"
#include "pages/page4/layout.h"
#include "sheet/sheet.h"

namespace korvalde {

namespace {

const WizardPageLayout kLayout = {
    "Form4", "\"Korvalde\" - Seite 4", "Sheet", "Werte", "Frame6", "", "X", "Zurück", "Command2",
};

void goForward(Window &page)
{
    Application &app = page.app();
    Window &page5 = app.window("Form12");
    navigation::placeAt(page5, page);
    rebuildModificationList(app, "Form4");
    sheet::copy(page, page5, sheet::handOffFieldsWithoutType());
    navigation::showInsteadOf(page5, page);
}

} // namespace

std::unique_ptr<Window> createPage4(Application &app)
{
    auto owned = newWizardPage(app, kLayout);
    Window &page = *owned;
    page4::layOut(page);
    addWizardButtons(page, kLayout);
    page["Command2"].onClick([&page] { goForward(page); });
    page["Zurück"].onClick([&page] { navigation::stepBack(page, "Form3"); });
    return owned;
}

QString page4Entries(const Window &)
{
    return {};
}

} // namespace korvalde
