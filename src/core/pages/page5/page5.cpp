#include "pages/page5/page5.h"

#include "pages/page5/layout.h"
#include "pages/page5/mounts.h"
#include "pages/page5/options.h"
#include "sheet/fields.h"
#include "sheet/frameprofile.h"
#include "wizard/chosenframe.h"
#include "wizard/windows.h"
#include "wizard/wizardpage.h"

namespace korvalde {

namespace {

// The completion page shows the mounts that are still free; a mount released after an
// earlier visit shows again.
void showFreeMounts(const Window &page, Window &completion)
{
    for (const QString mount : {field::underbarrelMount, field::barrelMount, field::topMount})
        completion[mount].setVisible(page[mount].isEnabled());
}

const WizardPageLayout kLayout = {
    .name = windows::page5,
    .title = "\"Korvalde\" - Seite 5",
    .sheetFrame = "Frame1",
    .sheetCaption = "Seite 5",
    .optionsFrame = "Frame2",
    .optionsCaption = "Unterlauf / Aufmontiertes Zubehör ",
    .snwPlaceholder = "X",
    .backButton = "Zurück",
    .handsOnType = false,
    .entries = page5::modificationEntries,
    .handOver = showFreeMounts,
};

// What earlier pages switch on page 5, derived again whenever page 5 is created, so a
// page 5 rebuilt after a back step looks as the first one did.
void takeOverEarlierPages(Window &page, const FrameProfile *profile)
{
    // A frame without an underbarrel mount: the dialogs never offer it.
    if (profile && underbarrelTaken(*profile))
        page[kUnderbarrelMount.flag].setState(CheckState::Checked);
    const Window *page3 = page.app().find(windows::page3);
    if (page3 && (*page3)["smartintern"].isChecked())
        page["smartextern"].setEnabled(false);
}

void load(Window &page)
{
    Application &app = page.app();
    // Page 5 brings the completion page into being before its own first showing, so the
    // completion page's load names the frame chosen now (page 2 may load page 5 early).
    app.window(windows::completion);
    const FrameEntry *frame = chosenFrame(app);
    if (frame)
        page[kLayout.sheetFrame].setText(frame->name);
    // Without a mount for any of them, their refinements stay out of reach too.
    const FrameProfile *profile = frame ? frameProfile(frame->name) : nullptr;
    if (profile && !mountsAccessories(*profile)) {
        for (const QString &accessory : page5::accessories())
            page[accessory].setEnabled(false);
    }
    takeOverEarlierPages(page, profile);
}

} // namespace

std::unique_ptr<Window> createPage5(Application &app)
{
    auto owned = newWizardPage(app, kLayout);
    Window &page = *owned;
    page5::layOutOptions(page);
    addWizardButtons(page, kLayout);
    page5::attachOptions(page);
    page5::attachMountFlags(page);
    page.onLoad([&page] { load(page); });
    // Page 3's internal smartgun is free again once the external one is gone with page 5.
    page.onDiscard([&page] {
        if (page["smartextern"].isChecked())
            page5::lockInternalSmartgun(page.app(), false);
    });
    return owned;
}

namespace page5 {

const ModificationEntries &modificationEntries()
{
    // The sight's options run on from ", Sichtgerät"; the laser marker and the external
    // smartgun appear only through their refinements.
    static const ModificationEntries entries = {
        {"entfernungsmesser", ", Entfernungsmesser"},
        {"sichtgerät", ", Sichtgerät"},
        {"v1", " mit Vergrößerung (1)"},
        {"v2", " mit Vergrößerung (2)"},
        {"v3", " mit Vergrößerung (3)"},
        {"IR", " mit Infrarot"},
        {"blitz", " mit Blitzlicht"},
        {"licht", " mit Lichtverstärkung"},
        {"guncam", " mit Guncam"},
        {"smartextern1", ", Smartgun extern (1)"},
        {"smartextern2", ", Smartgun extern (2)"},
        {"niederenergetisch", ", Lasermarkierer (niederenergetisch)"},
        {"hochenergetisch", ", Lasermarkierer (hochenergetisch)"},
        {"laserziel", ", Laser-Zielmarkierer"},
        {"ultraschall", ", Ultraschallsensor"},
    };
    return entries;
}

} // namespace page5

} // namespace korvalde
