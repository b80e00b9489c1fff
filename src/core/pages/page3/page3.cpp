#include "pages/page3/page3.h"

#include "pages/page3/layout.h"
#include "pages/page3/options.h"
#include "sheet/fields.h"
#include "sheet/frameprofile.h"
#include "sheet/sheet.h"
#include "wizard/chosenframe.h"
#include "wizard/windows.h"
#include "wizard/wizardpage.h"

namespace korvalde {

namespace {

// A barrel mount taken here stays taken on page 4.
void handOverBarrelMount(const Window &page, Window &page4)
{
    if (!page[field::barrelMount].isEnabled())
        page4[field::barrelMount].setEnabled(false);
}

const WizardPageLayout kLayout = {
    .name = windows::page3,
    .title = "\"Korvalde\" - Seite 3",
    .sheetFrame = "Sheet",
    .sheetCaption = "Werte",
    .optionsFrame = page3::kOptionsFrame,
    .optionsCaption = "",
    .snwPlaceholder = "",
    .backButton = "Command3",
    .handsOnType = true,
    .entries = page3::modificationEntries,
    .handOver = handOverBarrelMount,
};

// Page 4 comes into being with page 3, so that the gas vent can switch its sawn-off
// shotgun; the values copied here are replaced by the hand-off.
void load(Window &page)
{
    Application &app = page.app();
    sheet::copy(page, app.window(windows::page4), {field::frame, field::fke, field::dp});
    const FrameEntry *frame = chosenFrame(app);
    if (frame == nullptr)
        return;
    page[page3::kOptionsFrame].setText(frame->name);
    if (const Window *page2 = app.find(windows::page2))
        sheet::copy(*page2, page,
                    {field::powerLevel, field::damageLevel, field::fireModes, field::concealment,
                     field::ceramicConcealment, field::weight, field::capacity, field::loading, field::barrelMount,
                     field::topMount, field::underbarrelMount, field::recoilCompensation});
    if (const FrameProfile *profile = frameProfile(frame->name); profile && !takesGasVent(*profile)) {
        const OptionGroup &vent = page3::gasVent();
        for (const QString &box : QStringList{vent.summary} + vent.members)
            page[box].setEnabled(false);
    }
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
    return owned;
}

} // namespace korvalde
