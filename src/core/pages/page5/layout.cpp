#include "pages/page5/layout.h"

namespace korvalde::page5 {

namespace {

struct OptionBox {
    QString name;
    QString caption;
    QString toolTip;
    Placement placement;
};

// Layout order: each accessory followed by the group that refines it.
const OptionBox kBoxes[] = {
    {"smartextern", "Smartgunsystem (extern)", "", {kOptionsFrame}},
    {kSmartGroup, "", "", {kOptionsFrame}},
    {"smartextern1", "Smart 1", "Tarnstufe -2, DP +120, Gewicht +1 kg", {kSmartGroup}},
    {"smartextern2", "Smart 2", "Tarnstufe -2, DP +160, Gewicht +0.75 kg", {kSmartGroup, true}},
    {"ultraschall", "Ultraschallsensor", "Tarnstufe -2, DP +260, FKE -0.25, Gewicht +0.25 kg", {kOptionsFrame}},
    {"laser", "Lasermarkierer", "", {kOptionsFrame}},
    {kLaserGroup, "", "", {kOptionsFrame}},
    {"hochenergetisch", "Hochenergetisch", "Tarnstufe -1, DP +280, FKE -0.25, Gewicht +0.25 kg", {kLaserGroup}},
    {"niederenergetisch", "Niederenergetisch", "Tarnstufe -1, DP +100, FKE -0.25, Gewicht +0.25 kg", {kLaserGroup}},
    {"laserziel",
     "Laser - Zielmarkierer (für lasergestützte Zielerfassung)",
     "Tarnstufe -2, DP +740, FKE -0.25, Gewicht +0.5 kg",
     {kOptionsFrame}},
    {"sichtgerät", "Sichtgeräte", "Tarnstufe -1, FKE -0.25, Gewicht +0.25 kg", {kOptionsFrame}},
    {kSightGroup, "", "", {kOptionsFrame}},
    {"v1", "Vergrößerung 1", "DP +100", {kSightGroup}},
    {"v2", "Vergrößerung 2", "DP +160", {kSightGroup, true}},
    {"v3", "Vergrößerung 3", "DP +240", {kSightGroup, true}},
    {"IR", "IR", "DP +300", {kSightGroup}},
    {"licht", "Lichtverstärkung", "DP +300", {kSightGroup, true}},
    {"guncam", "Guncam", "DP +400", {kSightGroup}},
    {"blitz", "Blitzlicht", "DP +25", {kSightGroup, true}},
    {"entfernungsmesser", "Entfernungsmesser", "DP +30, FKE -0.25, Gewicht +0.1 kg", {kOptionsFrame}},
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
        control.setToolTip(box.toolTip);
        if (refiningOptions().contains(box.name))
            control.setEnabled(false);
    }
    // The mount-taken flags: rules set them, the user never sees them.
    page.add("Check1", ControlKind::CheckBox, "Aufmontiert zurücksetzen", {kOptionsFrame}).setVisible(false);
    page.add("Check2", ControlKind::CheckBox, "Unterlauf zurücksetzen", {kOptionsFrame, true}).setVisible(false);
}

} // namespace korvalde::page5
