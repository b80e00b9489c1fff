#include "pages/page4/layout.h"

#include <QStringList>

namespace korvalde::page4 {

namespace {

struct BoxLayout {
    QString name;
    QString caption;
    QString parent;
    bool shown = true;
    bool enabled = true;
};

// Boxes in layout order. Hidden boxes are the ones only some frames offer; the load and
// the earlier pages show them.
const BoxLayout kBoxes[] = {
    {"schulter", "Schulterstütze", kBarrelFrame, false},
    {"suppressor", "Schallunterdrücker", kBarrelFrame, false},
    {"hüft", "Hüftpolster", kBarrelFrame, false},
    {"schock", "Schockpolster", kBarrelFrame, false},
    {"schall", "Schalldämpfer", kBarrelFrame, false},
    {"abgesägte", "Abgesägte Schrotflinte", kBarrelFrame, false},
    {"griff", "Angepasster Griff", kBarrelFrame},
    {"sicherung", "Ausgebaute Sicherung", kBarrelFrame},
    {"abzug", "Ausgebauter Abzug", kBarrelFrame},
    {"automodus", "Automatischer Modus", kBarrelFrame, false},
    {"bio", "Biometrische Sicherheitsschaltung", kBarrelFrame},
};

const BoxLayout kBioBoxes[] = {
    {"sekundär", "Sekundärwaffe", kBioFrame},
    {"griffdornen", "Griffdornen", kBioFrame},
    {"sprühsystem", "Sprühsystem", kBioFrame},
    {"elektroshock", "Elektroshock", kBioFrame},
};

const BoxLayout kUnderbarrelBoxes[] = {
    {"dreibein", "Dreibein", kUnderbarrelFrame, false},
    {"zweibein", "Zweibein", kUnderbarrelFrame, false},
    {"vordergriff", "Vordergriff", kUnderbarrelFrame},
    {"unterlaufwaffe", "Unterlaufwaffe", kUnderbarrelFrame, false},
    {"unterlaufgewicht", "Unterlaufgewicht", kUnderbarrelFrame},
};

const BoxLayout kWeaponBoxes[] = {
    {"granatwerfer", "Granatwerfer", kWeaponFrame, true, false},
    {"flammenwerfer", "Flammenwerfer", kWeaponFrame, true, false},
    {"enterhaken", "Enterhakenkanone", kWeaponFrame, true, false},
    {"bajonett", "Bajonett", kWeaponFrame, true, false},
};

template <std::size_t N> void addBoxes(Window &page, const BoxLayout (&boxes)[N])
{
    for (const BoxLayout &layout : boxes) {
        Control &box = page.add(layout.name, ControlKind::CheckBox, layout.caption, {layout.parent, false});
        box.setVisible(layout.shown);
        box.setEnabled(layout.enabled);
    }
}

// The size list of the enlarged clip: "01" to "50".
QStringList clipSizes()
{
    QStringList sizes;
    for (int size = 1; size <= 50; ++size)
        sizes << QStringLiteral("%1").arg(size, 2, 10, QLatin1Char('0'));
    return sizes;
}

} // namespace

void layOut(Window &page)
{
    page.add(kBarrelFrame, ControlKind::Frame, "Lauf-/Sonstiges Zubehör", {"Frame6", false});
    page.add("ladestreifen", ControlKind::CheckBox, "Vergrößerter Ladestreifen (max.)", {kBarrelFrame, false});
    page.add("vergrößert", ControlKind::ComboBox, "0", {kBarrelFrame, true}).setItems(clipSizes());
    addBoxes(page, kBoxes);
    page.add(kBioFrame, ControlKind::Frame, "", {kBarrelFrame, false});
    addBoxes(page, kBioBoxes);

    page.add(kUnderbarrelFrame, ControlKind::Frame, "Unterlauf Zubehör", {"Frame6", true});
    addBoxes(page, kUnderbarrelBoxes);
    page.add(kWeaponFrame, ControlKind::Frame, "", {kUnderbarrelFrame, false});
    addBoxes(page, kWeaponBoxes);
    page.add("lblCredit", ControlKind::Label, "Korvalde - Waffenkonstruktion für Veltrano");
}

} // namespace korvalde::page4
