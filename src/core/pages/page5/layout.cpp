#include "pages/page5/layout.h"

namespace korvalde::page5 {

namespace {

struct OptionBox {
    QString name;
    QString caption;
    Placement placement;
};

// Layout order: each accessory followed by the group that refines it.
const OptionBox kBoxes[] = {
    {"smartextern", "Smartgunsystem (extern)", {kOptionsFrame}},
    {kSmartGroup, "", {kOptionsFrame}},
    {"smartextern1", "Smart 1", {kSmartGroup}},
    {"smartextern2", "Smart 2", {kSmartGroup, true}},
    {"ultraschall", "Ultraschallsensor", {kOptionsFrame}},
    {"laser", "Lasermarkierer", {kOptionsFrame}},
    {kLaserGroup, "", {kOptionsFrame}},
    {"hochenergetisch", "Hochenergetisch", {kLaserGroup}},
    {"niederenergetisch", "Niederenergetisch", {kLaserGroup}},
    {"laserziel", "Laser - Zielmarkierer (für lasergestützte Zielerfassung)", {kOptionsFrame}},
    {"sichtgerät", "Sichtgeräte", {kOptionsFrame}},
    {kSightGroup, "", {kOptionsFrame}},
    {"v1", "Vergrößerung 1", {kSightGroup}},
    {"v2", "Vergrößerung 2", {kSightGroup, true}},
    {"v3", "Vergrößerung 3", {kSightGroup, true}},
    {"IR", "IR", {kSightGroup}},
    {"licht", "Lichtverstärkung", {kSightGroup, true}},
    {"guncam", "Guncam", {kSightGroup}},
    {"blitz", "Blitzlicht", {kSightGroup, true}},
    {"entfernungsmesser", "Entfernungsmesser", {kOptionsFrame}},
};

bool isGroup(const OptionBox &box)
{
    return box.name == kSightGroup || box.name == kLaserGroup || box.name == kSmartGroup;
}

} // namespace

const QStringList &accessories()
{
    static const QStringList names = {"entfernungsmesser", "sichtgerät", "laserziel", "laser",
                                      "ultraschall",       "smartextern"};
    return names;
}

const QStringList &sightOptions()
{
    static const QStringList names = {"blitz", "guncam", "licht", "IR", "v1", "v2", "v3"};
    return names;
}

const QStringList &refiningOptions()
{
    static const QStringList names =
        sightOptions() + QStringList{"hochenergetisch", "niederenergetisch", "smartextern1", "smartextern2"};
    return names;
}

void layOutOptions(Window &page)
{
    for (const OptionBox &box : kBoxes) {
        Control &control =
            page.add(box.name, isGroup(box) ? ControlKind::Frame : ControlKind::CheckBox, box.caption, box.placement);
        if (refiningOptions().contains(box.name))
            control.setEnabled(false);
    }
    // The mount-taken flags: rules set them, the user never sees them.
    page.add("Check1", ControlKind::CheckBox, "Aufmontiert zurücksetzen", {kOptionsFrame}).setVisible(false);
    page.add("Check2", ControlKind::CheckBox, "Unterlauf zurücksetzen", {kOptionsFrame, true}).setVisible(false);
}

} // namespace korvalde::page5
