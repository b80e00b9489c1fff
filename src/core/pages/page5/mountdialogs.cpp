#include "pages/page5/mountdialogs.h"

#include "pages/page5/page5.h"

#include <algorithm>
#include <stdexcept>

namespace korvalde::page5 {

const std::vector<MountDialog> &mountDialogs()
{
    static const std::vector<MountDialog> dialogs = {
        {"form6", "Entfernungsmesser", "entfernungsmesser"},
        {"Form7", "Laser-Zielmarkierer", "laserziel"},
        {"Form8", "Ultraschall-Sensor", "ultraschall"},
        {"Form9", "Smartgun (extern)", "smartextern"},
        {"Form10", "Lasermarkierer", "laser"},
        {"Form11", "Sichtgerät", "sichtgerät"},
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

void layOut(Window &dialog)
{
    dialog.add("aufmontiert", ControlKind::CheckBox, "Aufmontiert");
    dialog.add("unterlauf", ControlKind::CheckBox, "Unterlauf");
    dialog.add("frei", ControlKind::TextArea, kNoMountFree).setVisible(false);
    dialog.add("ok", ControlKind::Button, "&OK");
    dialog.add("cancel", ControlKind::Button, "&Cancel", {{}, true});
}

} // namespace

const MountDialog &dialogOf(const QString &accessory)
{
    return findDialog(&MountDialog::accessory, accessory);
}

} // namespace korvalde::page5

namespace korvalde {

std::unique_ptr<Window> createMountDialog(Application &app, const QString &name)
{
    const page5::MountDialog &binding = page5::findDialog(&page5::MountDialog::window, name);
    auto dialog = std::make_unique<Window>(app, name, WindowKind::Dialog, binding.title);
    page5::layOut(*dialog);
    return dialog;
}

} // namespace korvalde
