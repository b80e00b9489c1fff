#include "pages/page2/page2.h"

#include "pages/page2/layout.h"
#include "pages/page2/options.h"
#include "pages/page2/profile.h"
#include "wizard/windows.h"
#include "wizard/wizardpage.h"

namespace korvalde {

namespace {

const WizardPageLayout kLayout = {
    .name = windows::page2,
    .title = "\"Korvalde\" - Seite 2",
    .sheetFrame = "Sheet",
    .sheetCaption = "Werte",
    .optionsFrame = "Frame2",
    .optionsCaption = "Wahl der Komponenten",
    .snwPlaceholder = "",
    .backButton = "Zurück1",
    .handsOnType = true,
    .entries = page2::modificationEntries,
};

} // namespace

std::unique_ptr<Window> createPage2(Application &app)
{
    auto owned = newWizardPage(app, kLayout);
    Window &page = *owned;
    page2::layOutOptions(page, kLayout.optionsFrame);
    page.add("muniorg", ControlKind::TextField, QString(), {kLayout.optionsFrame}).setVisible(false);
    addWizardButtons(page, kLayout);
    page2::attachFrameToggles(page);
    page2::attachSteppedModifications(page);
    page2::attachFireModes(page);
    page2::attachLoadingMechanisms(page);
    page2::attachAmmunitionCapacity(page);
    page2::attachStepPurchases(page);
    page.onLoad([&page] { page2::applyFrameProfile(page, kLayout.optionsFrame); });
    return owned;
}

} // namespace korvalde
