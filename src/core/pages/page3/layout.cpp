#include "pages/page3/layout.h"

#include "sheet/mounts.h"

namespace korvalde::page3 {

namespace {

constexpr auto kSmartLevelFrame = "Frame5";

struct BoxLayout {
    QString name;
    ControlKind kind;
    QString caption;
    Placement placement;
};

const BoxLayout kBoxes[] = {
    {"gas", ControlKind::CheckBox, "Gasventil", {kOptionsFrame}},
    {"gas2", ControlKind::CheckBox, "Gasventil 2", {kOptionsFrame}},
    {"gas3", ControlKind::CheckBox, "Gasventil 3", {kOptionsFrame, true}},
    {"gas4", ControlKind::CheckBox, "Gasventil 4", {kOptionsFrame, true}},
    {"lblKosmetik", ControlKind::Label, "Kosmetische Modifikationen", {kOptionsFrame}},
    {"gestaltung", ControlKind::CheckBox, "Persönliche Gestaltung", {kOptionsFrame}},
    {"gravur", ControlKind::CheckBox, "Prägung / Gravur", {kOptionsFrame}},
    {"lblIntern", ControlKind::Label, "Internes Zubehör", {kOptionsFrame}},
    {"smartintern", ControlKind::CheckBox, "Smartgunsystem (intern)", {kOptionsFrame}},
    {kSmartLevelFrame, ControlKind::Frame, "", {kOptionsFrame}},
    {"smartintern1", ControlKind::CheckBox, "Smart 1", {kSmartLevelFrame}},
    {"smartintern2", ControlKind::CheckBox, "Smart 2", {kSmartLevelFrame, true}},
    {"stimm", ControlKind::CheckBox, "Stimmaktivierung", {kOptionsFrame}},
};

} // namespace

void layOut(Window &page)
{
    for (const BoxLayout &box : kBoxes)
        page.add(box.name, box.kind, box.caption, box.placement);
    page["stimm"].setEnabled(false);
    // What the gas vent took from the barrel mount, so that withdrawing it gives back
    // exactly that text ("-" on a frame without a barrel mount), never an invented "Lauf".
    page.add("hltorg", ControlKind::TextField, kBarrelMount.freeText, {kOptionsFrame}).setVisible(false);
    page.add("lblCredit", ControlKind::Label, "Korvalde - Waffenkonstruktion für Veltrano");
}

} // namespace korvalde::page3
