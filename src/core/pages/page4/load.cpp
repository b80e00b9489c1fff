#include "pages/page4/load.h"

#include "model/application.h"
#include "pages/page4/page4.h"
#include "sheet/firemodes.h"
#include "sheet/frameprofile.h"
#include "wizard/chosenframe.h"
#include "wizard/windows.h"

#include <QStringList>

namespace korvalde::page4 {

namespace {

void applyFrameOffer(Window &page, const FrameProfile &profile)
{
    for (const QString &box : profile.shownOnPage4)
        page[box].setVisible(true);
    for (const QString &box : profile.disabledOnPage4)
        page[box].setEnabled(false);
}

// A box of another page that may not exist yet (page 2 builds itself while it reaches here).
bool isChecked(const Window &other, const QString &box)
{
    const Control *control = other.find(box);
    return control && control->isChecked();
}

bool isOffered(const Window &other, const QString &box)
{
    const Control *control = other.find(box);
    return control && control->isVisible();
}

void deriveFromPage2(Window &page, const Window &page2)
{
    // Single shot and semi-automatic fire modes are the ones a silencer fits.
    page["schall"].setVisible(isChecked(page2, fire::single.box) || isChecked(page2, fire::semiAutomatic.box));
    if (isChecked(page2, "lade3"))
        page["schall"].setEnabled(false);
    // An enlarged clip needs stripper clips, or a frame whose feed cannot be chosen.
    const bool clipFits = isChecked(page2, "lade2") || !isOffered(page2, "lade");
    page["ladestreifen"].setEnabled(clipFits);
    page["vergrößert"].setEnabled(clipFits);
}

} // namespace

void deriveFromEarlierPages(Window &page)
{
    Application &app = page.app();
    if (const Window *page2 = app.find(windows::page2)) {
        deriveFromPage2(page, *page2);
        // What the frame has no place for stays hidden whatever page 2 showed.
        const FrameEntry *frame = chosenFrame(app);
        if (const FrameProfile *profile = frame ? frameProfile(frame->name) : nullptr) {
            for (const QString &box : profile->hiddenOnPage4)
                page[box].setVisible(false);
        }
    }
    // The gas vent takes the barrel mount the sawn-off barrel would free.
    if (const Window *page3 = app.find(windows::page3); page3 && isChecked(*page3, "gas"))
        page["abgesägte"].setEnabled(false);
}

void load(Window &page)
{
    Application &app = page.app();
    for (const QString &variant : safetyVariants().members)
        page[variant].setEnabled(false);
    if (const FrameEntry *frame = chosenFrame(app)) {
        page["Frame6"].setText(frame->name);
        if (const FrameProfile *profile = frameProfile(frame->name))
            applyFrameOffer(page, *profile);
    }
    deriveFromEarlierPages(page);
}

} // namespace korvalde::page4
