#include "pages/page5/options.h"

#include "model/application.h"
#include "pages/page5/layout.h"
#include "pages/page5/mountdialogs.h"
#include "pages/page5/mounts.h"
#include "sheet/fields.h"
#include "sheet/steps.h"
#include "wizard/windows.h"

namespace korvalde::page5 {

namespace {

using namespace steps;

// A refining option: what a check applies. An uncheck undoes exactly that, step by step.
struct RefiningRow {
    QString box;
    QString toolTip;
    Steps whenChecked;
};

const RefiningRow kRefiningRows[] = {
    {"v1", "DP +100", {add(field::dp, 100), disable("v2"), disable("v3")}},
    {"v2", "DP +160", {add(field::dp, 160), disable("v1"), disable("v3")}},
    {"v3", "DP +240", {add(field::dp, 240), disable("v2"), disable("v1")}},
    {"IR", "DP +300", {add(field::dp, 300)}},
    {"licht", "DP +300", {add(field::dp, 300)}},
    {"guncam", "DP +400", {add(field::dp, 400)}},
    {"blitz", "DP +25", {add(field::dp, 25)}},
    // The high-energy class costs no FKE or weight, whatever its tooltip says.
    {"hochenergetisch",
     "Tarnstufe -1, DP +280, FKE -0.25, Gewicht +0.25 kg",
     {disable("niederenergetisch"), add(field::concealment, -1), add(field::dp, 280)}},
    {"niederenergetisch",
     "Tarnstufe -1, DP +100, FKE -0.25, Gewicht +0.25 kg",
     {disable("hochenergetisch"), add(field::concealment, -1), add(field::dp, 100), add(field::fke, -0.25),
      add(field::weight, 0.25)}},
    {"smartextern1",
     "Tarnstufe -2, DP +120, Gewicht +1 kg",
     {add(field::concealment, -2), add(field::weight, 1), add(field::dp, 120), disable("smartextern2")}},
    {"smartextern2",
     "Tarnstufe -2, DP +160, Gewicht +0.75 kg",
     {add(field::concealment, -2), add(field::weight, 0.75), add(field::dp, 160), disable("smartextern1")}},
};

Step openDialog(const QString &accessory)
{
    return run([accessory](Window &page) { openMountDialog(page, accessory); });
}

// The mount goes back before the accessory's own costs are withdrawn.
Step releaseMount(const QString &accessory)
{
    return run([accessory](Window &page) { releaseMountOf(page, accessory); });
}

Step lockSmartgun(bool locked)
{
    return run([locked](Window &page) { lockInternalSmartgun(page.app(), locked); });
}

// An accessory takes its refinements with it: a checked refinement is unchecked (its
// costs withdrawn) before the group is disabled, so none stays enabled or applied.
std::vector<ToggleRow> accessoryRows()
{
    const QStringList laserClasses = {"niederenergetisch", "hochenergetisch"};
    const QStringList smartLevels = {"smartextern1", "smartextern2"};
    return {
        {"smartextern",
         {},
         joined(
             {{openDialog("smartextern")}, forEach(enable, smartLevels), {add(field::fke, -0.25), lockSmartgun(true)}}),
         joined({{releaseMount("smartextern")},
                 forEach(uncheck, smartLevels),
                 forEach(disable, smartLevels),
                 {add(field::fke, 0.25), lockSmartgun(false)}})},
        {"ultraschall",
         "Tarnstufe -2, DP +260, FKE -0.25, Gewicht +0.25 kg",
         {add(field::concealment, -2), openDialog("ultraschall"), add(field::fke, -0.25), add(field::weight, 0.25),
          add(field::dp, 260)},
         {releaseMount("ultraschall"), add(field::concealment, 2), add(field::fke, 0.25), add(field::weight, -0.25),
          add(field::dp, -260)}},
        {"laser",
         {},
         joined({{openDialog("laser")},
                 forEach(enable, laserClasses),
                 {add(field::fke, -0.25), add(field::weight, 0.25)}}),
         joined({{releaseMount("laser")},
                 forEach(uncheck, laserClasses),
                 forEach(disable, laserClasses),
                 {add(field::fke, 0.25), add(field::weight, -0.25)}})},
        {"laserziel",
         "Tarnstufe -2, DP +740, FKE -0.25, Gewicht +0.5 kg",
         {add(field::concealment, -2), openDialog("laserziel"), add(field::dp, 740), add(field::weight, 0.5),
          add(field::fke, -0.25)},
         {releaseMount("laserziel"), add(field::concealment, 2), add(field::dp, -740), add(field::weight, -0.5),
          add(field::fke, 0.25)}},
        {"sichtgerät", "Tarnstufe -1, FKE -0.25, Gewicht +0.25 kg",
         joined(
             {{openDialog("sichtgerät"), add(field::concealment, -1), add(field::fke, -0.25), add(field::weight, 0.25)},
              forEach(enable, sightOptions())}),
         joined({{releaseMount("sichtgerät"), add(field::concealment, 1), add(field::fke, 0.25),
                  add(field::weight, -0.25)},
                 forEach(uncheck, sightOptions()),
                 forEach(disable, sightOptions())})},
        // The rangefinder sits where the sight would; the sight's options stay disabled
        // after it goes until the sight is chosen anew.
        {"entfernungsmesser", "DP +30, FKE -0.25, Gewicht +0.1 kg",
         joined({{openDialog("entfernungsmesser"), add(field::weight, 0.1), add(field::fke, -0.25), add(field::dp, 30),
                  disable("sichtgerät")},
                 forEach(disable, sightOptions())}),
         joined({{releaseMount("entfernungsmesser"), enable("sichtgerät")},
                 forEach(disable, sightOptions()),
                 {add(field::weight, -0.1), add(field::fke, 0.25), add(field::dp, -30)}})},
    };
}

} // namespace

void lockInternalSmartgun(Application &app, bool locked)
{
    if (Window *page3 = app.find(windows::page3))
        (*page3)["smartintern"].setEnabled(!locked);
}

void attachOptions(Window &page)
{
    attachToggles(page, accessoryRows());
    for (const RefiningRow &row : kRefiningRows)
        attachToggle(page, {row.box, row.toolTip, row.whenChecked, undone(row.whenChecked)});
}

} // namespace korvalde::page5
