#include "pages/page4/page4.h"

#include "pages/page4/handoff.h"
#include "pages/page4/layout.h"
#include "pages/page4/load.h"
#include "pages/page4/options.h"
#include "wizard/windows.h"
#include "wizard/wizardpage.h"

namespace korvalde {

namespace {

const WizardPageLayout kLayout = {
    .name = windows::page4,
    .title = "\"Korvalde\" - Seite 4",
    .sheetFrame = "Sheet",
    .sheetCaption = "Werte",
    .optionsFrame = "Frame6",
    .optionsCaption = "",
    .snwPlaceholder = "X",
    .backButton = "Zurück",
    .handsOnType = false,
    .entries = page4::modificationEntries,
    .handOver = page4::handOverUsedMounts,
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
