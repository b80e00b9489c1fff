#include "pages/page5/mounts.h"

#include "model/application.h"
#include "pages/page5/mountdialogs.h"
#include "wizard/windows.h"

namespace korvalde::page5 {

namespace {

const Mount &otherMount(const Mount &mount)
{
    return &mount == &kTopMount ? kUnderbarrelMount : kTopMount;
}

template <typename Operation> void forEachDialog(Application &app, Operation operation)
{
    for (const MountDialog &binding : mountDialogs())
        operation(app.window(binding.window));
}

void showOffer(Control &box, bool offered)
{
    box.setEnabled(offered);
    box.setVisible(offered);
}

// Each step reads the flags again: a grayed box set in the last step runs no operation,
// but the order matters where the flags of both mounts are read.
void flagChanged(Window &page5, const Mount &mount)
{
    Application &app = page5.app();
    const Mount &other = otherMount(mount);
    Control &flag = page5[mount.flag];
    Control &otherFlag = page5[other.flag];
    if (flag.isChecked())
        forEachDialog(app, [&](Window &dialog) { showOffer(dialog[mount.box], false); });
    if (flag.isUnchecked())
        forEachDialog(app, [&](Window &dialog) { showOffer(dialog[mount.box], true); });
    if (flag.isChecked() && otherFlag.isChecked()) {
        forEachDialog(app, [&](Window &dialog) {
            dialog["frei"].setVisible(true);
            dialog[mount.box].setVisible(false);
            dialog[other.box].setVisible(false);
        });
    }
    if (flag.isUnchecked() && otherFlag.isChecked()) {
        forEachDialog(app, [&](Window &dialog) {
            dialog[mount.box].setEnabled(true);
            dialog["frei"].setVisible(false);
            dialog[mount.box].setVisible(true);
            dialog[other.box].setVisible(false);
        });
    }
    for (const MountDialog &holder : mountDialogs()) {
        Control &box = app.window(holder.window)[mount.box];
        if (!flag.isChecked() || !box.isChecked())
            continue;
        box.setState(CheckState::Grayed);
        for (const MountDialog &binding : mountDialogs()) {
            if (binding.window != holder.window)
                showOffer(app.window(binding.window)[mount.box], false);
        }
    }
}

void boxChanged(Window &dialog, const Mount &mount)
{
    Window &page5 = dialog.app().window(windows::page5);
    Control &box = dialog[mount.box];
    Control &field = page5[mount.field];
    if (box.isChecked()) {
        field.setText(QString());
        field.setEnabled(false);
        dialog[otherMount(mount).box].setVisible(false);
    }
    if (box.isUnchecked()) {
        field.setText(mount.freeText);
        field.setEnabled(true);
        dialog[otherMount(mount).box].setVisible(true);
        page5[mount.flag].setState(CheckState::Unchecked);
    }
}

} // namespace

void attachMountFlags(Window &page5)
{
    for (const Mount *mount : {&kTopMount, &kUnderbarrelMount})
        page5[mount->flag].onClick([&page5, mount] { flagChanged(page5, *mount); });
}

void attachMountBoxes(Window &dialog)
{
    for (const Mount *mount : {&kTopMount, &kUnderbarrelMount})
        dialog[mount->box].onClick([&dialog, mount] { boxChanged(dialog, *mount); });
}

void releaseMountOf(Window &page5, const QString &accessory)
{
    if (!page5[accessory].isUnchecked())
        return;
    Window &dialog = page5.app().window(dialogOf(accessory).window);
    // The underbarrel mount goes back first, then the top mount.
    for (const Mount *mount : {&kUnderbarrelMount, &kTopMount}) {
        if (dialog[mount->box].state() != CheckState::Grayed)
            continue;
        page5[mount->flag].setState(CheckState::Unchecked);
        dialog[mount->box].setState(CheckState::Unchecked);
    }
}

} // namespace korvalde::page5
