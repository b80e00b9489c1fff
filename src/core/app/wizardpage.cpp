#include "app/wizardpage.h"

#include "app/modificationlist.h"
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
    page[layout.forwardButton].onClick([&page, &layout] {
        stepForward(page, layout.nextPage,
                    layout.handsOnType ? sheet::handOffFields() : sheet::handOffFieldsWithoutType(), layout.handOver);
    });
    page[layout.backButton].onClick([&page, &layout] { navigation::stepBack(page, layout.previousPage); });
}

void stepForward(Window &page, const QString &next, const QStringList &fields, const HandOver &handOver)
{
    Application &app = page.app();
    Window &nextPage = app.window(next);
    navigation::placeAt(nextPage, page);
    if (handOver)
        handOver(page, nextPage);
    rebuildModificationList(app, page.name());
    sheet::copy(page, nextPage, fields);
    navigation::showInsteadOf(nextPage, page);
}

} // namespace korvalde
