#include "app/wizardpage.h"

#include "app/navigation.h"
#include "sheet/sheet.h"

namespace korvalde {

std::unique_ptr<Window> newWizardPage(Application &app, const WizardPageLayout &layout)
{
    auto page = navigation::newPage(app, layout.name, layout.title);
    page->add(layout.sheetFrame, ControlKind::Frame, layout.sheetCaption);
    sheet::addStatPanel(*page, layout.sheetFrame, layout.snwPlaceholder);
    page->add(layout.optionsFrame, ControlKind::Frame, layout.optionsCaption, {{}, true});
    return page;
}

void addWizardButtons(Window &page, const WizardPageLayout &layout)
{
    page.add(layout.backButton, ControlKind::Button, "&Zurück");
    page.add(layout.forwardButton, ControlKind::Button, "&Weiter", {{}, true});
    sheet::installFkeGuard(page, layout.forwardButton);
}

} // namespace korvalde
