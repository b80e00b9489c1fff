#include "wizard/wizardpage.h"

#include "sheet/sheet.h"
#include "wizard/modificationlist.h"
#include "wizard/navigation.h"
#include "wizard/windows.h"

namespace korvalde {

WizardPage::WizardPage(Application &app, const WizardPageLayout &layout)
    : Window(app, layout.name, WindowKind::Page, layout.title), layout_(layout)
{
    navigation::endProgramOnClose(*this);
}

std::unique_ptr<Window> newWizardPage(Application &app, const WizardPageLayout &layout)
{
    auto page = std::make_unique<WizardPage>(app, layout);
    page->add(layout.sheetFrame, ControlKind::Frame, layout.sheetCaption);
    sheet::addStatPanel(*page, layout.sheetFrame, layout.snwPlaceholder);
    page->add(layout.optionsFrame, ControlKind::Frame, layout.optionsCaption, {{}, true});
    return page;
}

void addWizardButtons(Window &page, const WizardPageLayout &layout)
{
    page.add(layout.backButton, ControlKind::Button, "&Zurück");
    const WindowRow &row = windowRow(layout.name);
    page.add(row.forwardButton, ControlKind::Button, "&Weiter", {{}, true});
    sheet::installFkeGuard(page, row.forwardButton);
    page[row.forwardButton].onClick([&page, &layout, &row] {
        stepForward(page, row.next, layout.handsOnType ? sheet::handOffFields() : sheet::handOffFieldsWithoutType(),
                    layout.handOver);
    });
    page[layout.backButton].onClick([&page, &row] { navigation::stepBack(page, row.previous); });
}

void stepForward(Window &page, const QString &next, const QStringList &fields, const HandOver &handOver)
{
    Application &app = page.app();
    Window &nextPage = app.window(next);
    if (handOver)
        handOver(page, nextPage);
    rebuildModificationList(app, page.name());
    sheet::copy(page, nextPage, fields);
    navigation::showInsteadOf(nextPage, page);
}

} // namespace korvalde
