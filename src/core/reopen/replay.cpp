#include "reopen/replay.h"

#include "pages/completion/weaponsheet.h"
#include "pages/completion/windows1252.h"
#include "pages/page3/page3.h"
#include "pages/page4/page4.h"
#include "pages/page5/layout.h"
#include "pages/page5/mountdialogs.h"
#include "pages/start/startpage.h"
#include "reopen/scratchplatform.h"
#include "reopen/sheetfile.h"
#include "sheet/firemodes.h"
#include "sheet/mounts.h"
#include "sheet/numbertext.h"
#include "wizard/windows.h"
#include "wizard/wizardpage.h"

#include <algorithm>
#include <memory>

namespace korvalde::reopen {

namespace {

// The program a rebuild is tried in, with what the user did to it.
class ScratchRun {
public:
    explicit ScratchRun(const Application &original) : app_(original.twin(platform_)) {}

    Application &app() const { return *app_; }
    Replay &result() { return result_; }

    bool reachable(const QString &window, const QString &control) const
    {
        return app_->whyUnreachable(window, control).isEmpty();
    }
    bool isChecked(const QString &window, const QString &control) const
    {
        const Window *page = app_->find(window);
        return page != nullptr && (*page)[control].isChecked();
    }

    bool act(const UserAction &action)
    {
        if (!perform(*app_, action).isEmpty()) {
            ++result_.refusedActions;
            return false;
        }
        result_.actions.push_back(action);
        return true;
    }
    bool click(const QString &window, const QString &control)
    {
        return act({UserAction::Kind::Click, window, control, {}});
    }
    void goForward(const QString &page) { click(page, windowRow(page).forwardButton); }
    void setChecked(const QString &window, const QString &control, bool checked)
    {
        if (isChecked(window, control) != checked)
            click(window, control);
    }
    // Picks the entry that reads as `number` (the lists write "07" for 7) in the first of
    // `lists` the user can reach.
    void pickNumber(const QString &window, const QStringList &lists, double number)
    {
        for (const QString &list : lists) {
            if (!reachable(window, list))
                continue;
            for (const QString &item : (*app_->find(window))[list].items()) {
                if (parseNumber(item) == number) {
                    act({UserAction::Kind::Pick, window, list, item});
                    return;
                }
            }
        }
        ++result_.refusedActions;
    }
    // Controls of `window` whose names start with `prefix`: the step lists of one option.
    QStringList controlsStartingWith(const QString &window, const QString &prefix) const
    {
        QStringList names;
        if (const Window *page = app_->find(window)) {
            for (const auto &control : page->controls()) {
                if (control->name().startsWith(prefix) && control->kind() == ControlKind::ComboBox)
                    names << control->name();
            }
        }
        return names;
    }

private:
    ScratchPlatform platform_;
    std::unique_ptr<Application> app_;
    Replay result_;
};

bool isFireMode(const QString &box)
{
    return std::any_of(fire::all.begin(), fire::all.end(),
                       [&box](const FireMode &mode) { return box == QLatin1String(mode.box); });
}

bool wants(const Wish &wish, const QString &window, const QString &control)
{
    for (const ListEntry &entry : wish.entries) {
        if (entry.window == window && entry.control == control)
            return true;
    }
    return false;
}

// The boxes the page shows checked that the list does not name go first: a pre-selected
// fire mode or loading mechanism must make room, and what they cost comes back.
QString withdrawUnlisted(ScratchRun &run, const Wish &wish, const QString &window)
{
    QString lastFireMode;
    for (const QString &box : listedBoxes(window)) {
        if (run.isChecked(window, box) && !wants(wish, window, box)) {
            run.click(window, box);
            if (isFireMode(box))
                lastFireMode = box;
        }
    }
    return lastFireMode;
}

// With no fire mode left, "-" or " - " tells which was withdrawn last; taking another
// one and withdrawing it again gives the other text.
void tryFireModeAgain(ScratchRun &run, const QString &withdrawn)
{
    const QString full = QString::fromLatin1(fire::fullAutomatic.box);
    QStringList modes = {full};
    for (const FireMode &mode : fire::all) {
        if (QLatin1String(mode.box) != full)
            modes << QString::fromLatin1(mode.box);
    }
    for (const QString &mode : modes) {
        if (mode == withdrawn || (withdrawn != full && mode != full) || !run.reachable(windows::page2, mode))
            continue;
        run.click(windows::page2, mode);
        run.click(windows::page2, mode);
        return;
    }
    ++run.result().refusedActions;
}

// The ammunition list shows only beside a cylinder or a magazine (or for frames that
// offer it from the start); a capacity picked there stays when the mechanism goes again.
void pickCapacity(ScratchRun &run, const QString &list, double capacity)
{
    if (!run.reachable(windows::page2, list)) {
        for (const char *mechanism : {"lade1", "lade2", "lade3", "lade4"})
            run.setChecked(windows::page2, mechanism, false);
        for (const char *mechanism : {"lade3", "lade4"}) {
            if (!run.reachable(windows::page2, mechanism))
                continue;
            run.click(windows::page2, mechanism);
            run.pickNumber(windows::page2, {list}, capacity);
            run.click(windows::page2, mechanism);
            return;
        }
    }
    run.pickNumber(windows::page2, {list}, capacity);
}

void setUpPage2(ScratchRun &run, const Wish &wish, const Choices &choices)
{
    for (const ListEntry &entry : wish.entries) {
        if (entry.action == EntryAction::Capacity)
            pickCapacity(
                run, entry.control,
                parseNumber(choices.capacityPick.isEmpty() ? wish.capacity : choices.capacityPick).value_or(0));
    }
    const QString withdrawn = withdrawUnlisted(run, wish, windows::page2);
    if (choices.fireModeTriedAgain)
        tryFireModeAgain(run, withdrawn);
    for (const QString &list : run.controlsStartingWith(windows::page2, "gewichtstufe")) {
        if (run.reachable(windows::page2, list))
            run.result().weightStepsOffered = int((*run.app().find(windows::page2))[list].items().size());
    }
    run.result().capacityItems = (*run.app().find(windows::page2))["munistufe"].items();
    for (const ListEntry &entry : wish.entries) {
        if (entry.window != windows::page2)
            continue;
        switch (entry.action) {
        case EntryAction::Check:
            // The third level of recoil compensation is there only with rapid fire.
            if (entry.control.startsWith(QStringLiteral("rück")) && choices.rapidFire)
                run.setChecked(windows::page2, "schnell", true);
            run.setChecked(windows::page2, entry.control, true);
            break;
        case EntryAction::FkeSteps:
            run.pickNumber(windows::page2, run.controlsStartingWith(windows::page2, entry.control), entry.steps);
            break;
        case EntryAction::Weight:
            if (choices.weightSteps > 0)
                run.pickNumber(windows::page2, run.controlsStartingWith(windows::page2, "gewichtstufe"),
                               choices.weightSteps);
            else
                run.setChecked(windows::page2, entry.control, true);
            break;
        case EntryAction::Capacity:
        case EntryAction::Clip:
            break;
        }
    }
    if (choices.rapidFire)
        run.setChecked(windows::page2, "schnell", true);
}

void setUpPage3(ScratchRun &run, const Wish &wish, const Choices &choices)
{
    if (choices.gasVentAlone)
        run.setChecked(windows::page3, page3::gasVent().summary, true);
    for (const ListEntry &entry : wish.entries) {
        if (entry.window == windows::page3)
            run.setChecked(windows::page3, entry.control, true);
    }
}

void setUpPage4(ScratchRun &run, const Wish &wish, const Choices &choices)
{
    const OptionGroup &weapons = page4::underbarrelWeapons();
    const OptionGroup &safety = page4::safetyVariants();
    if (choices.underbarrelWeaponAlone)
        run.setChecked(windows::page4, weapons.summary, true);
    for (const ListEntry &entry : wish.entries) {
        if (entry.window != windows::page4)
            continue;
        if (entry.action == EntryAction::Clip) {
            // The clip's size is what the sheet shows as the capacity.
            run.pickNumber(windows::page4, {entry.control}, parseNumber(wish.capacity).value_or(0));
            continue;
        }
        if (weapons.members.contains(entry.control))
            run.setChecked(windows::page4, weapons.summary, true);
        if (safety.members.contains(entry.control))
            run.setChecked(windows::page4, safety.summary, true);
        run.setChecked(windows::page4, entry.control, true);
    }
    if (choices.secondaryWeapon)
        run.setChecked(windows::page4, safety.summary, true);
}

// Checks a page-5 accessory and answers its mount dialog: the first accessory takes the
// mount the choices say, the next the other one, each the one left where only one is.
void takeAccessory(ScratchRun &run, const QString &accessory, const Choices &choices, int &taken)
{
    if (run.isChecked(windows::page5, accessory) || !run.click(windows::page5, accessory))
        return;
    const QString dialog = page5::dialogOf(accessory).window;
    const bool underbarrel = choices.underbarrelFirst != (taken % 2 == 1);
    QStringList mounts = {kTopMount.box, kUnderbarrelMount.box};
    if (underbarrel)
        mounts.swapItemsAt(0, 1);
    ++taken;
    for (const QString &mount : mounts) {
        if (run.reachable(dialog, mount)) {
            run.click(dialog, mount);
            run.click(dialog, "ok");
            return;
        }
    }
    ++run.result().refusedActions;
    run.click(dialog, "cancel");
}

void setUpPage5(ScratchRun &run, const Wish &wish, const Choices &choices)
{
    int taken = 0;
    if (choices.smartgunAlone)
        takeAccessory(run, "smartextern", choices, taken);
    if (choices.laserAlone)
        takeAccessory(run, "laser", choices, taken);
    for (const ListEntry &entry : wish.entries) {
        if (entry.window != windows::page5)
            continue;
        if (const QString accessory = page5::accessoryOf(entry.control); !accessory.isEmpty())
            takeAccessory(run, accessory, choices, taken);
        if (page5::accessories().contains(entry.control))
            takeAccessory(run, entry.control, choices, taken);
        else
            run.setChecked(windows::page5, entry.control, true);
    }
}

} // namespace

Replay replay(const Application &original, const Wish &wish, const Choices &choices)
{
    ScratchRun run(original);
    const FrameEntry &frame = wish.frame ? *wish.frame : frameCatalogue().front();
    run.click(windows::startPage, QStringLiteral("Option%1").arg(frame.number));
    run.goForward(windows::startPage);
    setUpPage2(run, wish, choices);
    run.goForward(windows::page2);
    setUpPage3(run, wish, choices);
    run.goForward(windows::page3);
    setUpPage4(run, wish, choices);
    run.goForward(windows::page4);
    setUpPage5(run, wish, choices);
    run.goForward(windows::page5);
    const Window *completion = run.app().find(windows::completion);
    if (completion == nullptr || !completion->isShown())
        return run.result();
    if ((*completion)["waffenname"].text() != wish.name)
        run.act({UserAction::Kind::Type, windows::completion, "waffenname", wish.name});
    run.result().sheetLines = sheetLines(toWindows1252(weaponSheetText(*completion)));
    return run.result();
}

} // namespace korvalde::reopen
