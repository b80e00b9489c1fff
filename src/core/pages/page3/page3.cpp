#include "pages/page3/page3.h"

#include "app/modificationlist.h"
#include "app/navigation.h"
#include "app/wizardpage.h"
#include "pages/page3/layout.h"
#include "pages/page3/options.h"
#include "sheet/frames.h"
#include "sheet/sheet.h"

namespace korvalde {

namespace {

const WizardPageLayout kLayout = {
    "Form3", "\"Korvalde\" - Seite 3", "Sheet", "Werte", page3::kOptionsFrame, "", "", "Command3", "Command2",
};

const QStringList kGasVentBoxes = {"gas", "gas2", "gas3", "gas4"};

// Page 4 comes into being with page 3, so that the gas vent can switch its sawn-off
// shotgun; the values copied here are replaced by the hand-off.
void load(Window &page)
{
    Application &app = page.app();
    if (const Window *page2 = app.find("Form2"))
        navigation::placeAt(page, *page2);
    sheet::copy(page, app.window("Form4"), {"typ", "fke", "dp"});
    const FrameEntry *frame = chosenFrame(app);
    if (frame == nullptr)
        return;
    page[page3::kOptionsFrame].setText(frame->name);
    if (const Window *page2 = app.find("Form2"))
        sheet::copy(*page2, page,
                    {"pwn", "snw", "pwr", "trn", "trnkera", "gew", "cap", "lmm", "hlt", "hlt2", "hlt3", "kpd"});
    if (frame->name == "Taser") {
        for (const QString &box : kGasVentBoxes)
            page[box].setEnabled(false);
    }
}

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
    page3::layOut(page);
    addWizardButtons(page, kLayout);
    page3::attachGasVent(page);
    page3::attachSingleOptions(page);
    page3::attachSmartgun(page);
    page.onLoad([&page] { load(page); });
    page["Command2"].onClick([&page] { goForward(page); });
    // Also discards pages 4 and 5, so no switch made by this page outlives it.
    page["Command3"].onClick([&page] { navigation::stepBack(page, "Form2"); });
    return owned;
}

} // namespace korvalde
