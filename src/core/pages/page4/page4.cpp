#include "pages/page4/page4.h"

#include "app/wizardpage.h"
#include "pages/page4/handoff.h"
#include "pages/page4/layout.h"
#include "pages/page4/load.h"
#include "pages/page4/options.h"

namespace korvalde {

namespace {

const WizardPageLayout kLayout = {
    "Form4", "\"Korvalde\" - Seite 4",  "Sheet", "Werte", "Frame6", "", "X", "Zurück", "Command2", "Form3", "Form12",
    false,   page4::handOverUsedMounts,
};

} // namespace

std::unique_ptr<Window> createPage4(Application &app)
{
    auto owned = newWizardPage(app, kLayout);
    Window &page = *owned;
    page4::layOut(page);
    addWizardButtons(page, kLayout);
    page4::attachAccessoryOptions(page);
    page4::attachAutoMode(page);
    page4::attachEnlargedClip(page);
    page.onLoad([&page] { page4::load(page); });
    return owned;
}

} // namespace korvalde
