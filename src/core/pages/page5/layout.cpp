#include "pages/page5/layout.h"

#include "sheet/mounts.h"

#include <QHash>

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
    static const QStringList names = [] {
        QStringList all;
        for (const OptionBox &box : kBoxes) {
            if (box.placement.parent == kOptionsFrame && !isGroup(box))
                all << box.name;
        }
        return all;
    }();
    return names;
}

QStringList refinementsOf(const QString &accessory)
{
    QStringList refinements;
    for (const QString &option : refiningOptions()) {
        if (accessoryOf(option) == accessory)
            refinements << option;
    }
    return refinements;
}

QString accessoryOf(const QString &option)
{
    // Each group follows the accessory it refines.
    QString accessory;
    QHash<QString, QString> groupOf;
    for (const OptionBox &box : kBoxes) {
        if (isGroup(box))
            groupOf.insert(box.name, accessory);
        else if (box.placement.parent == kOptionsFrame)
            accessory = box.name;
        else if (box.name == option)
            return groupOf.value(box.placement.parent);
    }
    return {};
}

const QStringList &sightOptions()
{
    static const QStringList names = {"blitz", "guncam", "licht", "IR", "v1", "v2", "v3"};
    return names;
}

const QStringList &refiningOptions()
{
    static const QStringList names = [] {
        QStringList all;
        for (const OptionBox &box : kBoxes) {
            if (box.placement.parent != kOptionsFrame)
                all << box.name;
        }
        return all;
    }();
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
    page.add(kTopMount.flag, ControlKind::CheckBox, "Aufmontiert zurücksetzen", {kOptionsFrame}).setVisible(false);
    page.add(kUnderbarrelMount.flag, ControlKind::CheckBox, "Unterlauf zurücksetzen", {kOptionsFrame, true})
        .setVisible(false);
}

} // namespace korvalde::page5
