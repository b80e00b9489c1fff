#include "pages/page5/mountdialogs.h"

#include "pages/page5/page5.h"
#include "wizard/windows.h"

#include "pages/page5/mounts.h"

#include <algorithm>
#include <stdexcept>

namespace korvalde::page5 {

const std::vector<MountDialog> &mountDialogs()
{
    static const std::vector<MountDialog> dialogs = {
        {windows::rangefinderDialog, "Entfernungsmesser", "entfernungsmesser"},
        {windows::laserTargetDialog, "Laser-Zielmarkierer", "laserziel"},
        {windows::ultrasoundDialog, "Ultraschall-Sensor", "ultraschall"},
        {windows::smartgunDialog, "Smartgun (extern)", "smartextern"},
        {windows::laserDialog, "Lasermarkierer", "laser"},
        {windows::sightDialog, "Sichtgerät", "sichtgerät"},
    };
    return dialogs;
}

namespace {

const MountDialog &findDialog(QString MountDialog::*key, const QString &value)
{
    const auto &dialogs = mountDialogs();
    const auto found =
        std::find_if(dialogs.begin(), dialogs.end(), [&](const MountDialog &dialog) { return dialog.*key == value; });
    if (found == dialogs.end())
        throw std::logic_error("no mount-choice dialog for " + value.toStdString());
    return *found;
}

void closeDialog(Window &dialog)
{
    dialog.setShown(false);
    dialog.app().window(windows::page5).setEnabled(true);
}

void confirm(Window &dialog)
{
    for (const Mount *mount : {&kTopMount, &kUnderbarrelMount}) {
        if (dialog[mount->box].isChecked()) {
            dialog.app().window(windows::page5)[mount->flag].setState(CheckState::Checked);
            closeDialog(dialog);
            return;
        }
    }
}

// A tick that is not confirmed is taken back before the accessory goes, so that no mount
// stays reserved on page 5 without an accessory holding it.
void cancel(Window &dialog, const QString &accessory)
{
    for (const Mount *mount : {&kTopMount, &kUnderbarrelMount}) {
        if (dialog[mount->box].isChecked())
            dialog[mount->box].setState(CheckState::Unchecked);
    }
    dialog.app().window(windows::page5)[accessory].setState(CheckState::Unchecked);
    closeDialog(dialog);
}

void layOut(Window &dialog)
{
    dialog.add(kTopMount.box, ControlKind::CheckBox, kTopMount.freeText);
    dialog.add(kUnderbarrelMount.box, ControlKind::CheckBox, kUnderbarrelMount.freeText);
    dialog.add("frei", ControlKind::TextArea, kNoMountFree).setVisible(false);
    dialog.add("ok", ControlKind::Button, "&OK");
    dialog.add("cancel", ControlKind::Button, "&Cancel", {{}, true});
    // Taking a tick back offers the other mount again.
    dialog[kTopMount.box].addShownByClickOn(kUnderbarrelMount.box);
    dialog[kUnderbarrelMount.box].addShownByClickOn(kTopMount.box);
}

} // namespace

const MountDialog &dialogOf(const QString &accessory)
{
    return findDialog(&MountDialog::accessory, accessory);
}

void openMountDialog(Window &page5, const QString &accessory)
{
    Window &dialog = page5.app().window(dialogOf(accessory).window);
    page5.setEnabled(false);
    dialog.setShown(true);
}

} // namespace korvalde::page5

namespace korvalde {

std::unique_ptr<Window> createMountDialog(Application &app, const QString &name)
{
    const page5::MountDialog &binding = page5::findDialog(&page5::MountDialog::window, name);
    auto dialog = std::make_unique<Window>(app, name, WindowKind::Dialog, binding.title);
    Window &window = *dialog;
    page5::layOut(window);
    page5::attachMountBoxes(window);
    window["ok"].onClick([&window] { page5::confirm(window); });
    window["cancel"].onClick([&window, accessory = binding.accessory] { page5::cancel(window, accessory); });
    window.onClose([&window, accessory = binding.accessory] { page5::cancel(window, accessory); });
    return dialog;
}

} // namespace korvalde
