#include "pages/page4/layout.h"

#include <QStringList>

namespace korvalde::page4 {

namespace {

struct BoxLayout {
    QString name;
    QString caption;
    QString toolTip;
    QString parent;
    bool shown = true;
    bool enabled = true;
};

// Boxes in layout order. Hidden boxes are the ones only some frames offer; the load and
// the earlier pages show them.
const BoxLayout kBoxes[] = {
    {"schulter", "Schulterstütze", "Tarnstufe -1, DP +40, Rückstoßkompensation +1, Gewicht +0.5 kg", kBarrelFrame,
     false},
    {"suppressor", "Schallunterdrücker", "Tarnstufe -2, DP +150, FKE -0.25, Gewicht +0.5 kg", kBarrelFrame, false},
    {"hüft", "Hüftpolster", "Tarnstufe -4, DP +40, Rückstoßkompensation +1, Gewicht +2 kg", kBarrelFrame, false},
    {"schock", "Schockpolster", "DP +40, Rückstoßkompensation +1, Gewicht +2.5 kg", kBarrelFrame, false},
    {"schall", "Schalldämpfer", "Tarnstufe -2, DP +100, FKE -0.25, Gewicht +0.2 kg", kBarrelFrame, false},
    {"abgesägte", "Abgesägte Schrotflinte", "Tarnstufe +2, Powerniveau -1, DP +8, Gewicht -1 kg", kBarrelFrame, false},
    {"griff", "Angepasster Griff", "DP +25, Rückstoßkompensation +1", kBarrelFrame},
    {"sicherung", "Ausgebaute Sicherung", "DP +30", kBarrelFrame},
    {"abzug", "Ausgebauter Abzug", "DP +50, FKE -0.5", kBarrelFrame},
    {"automodus", "Automatischer Modus", "DP +120, FKE -1", kBarrelFrame, false},
    {"bio", "Biometrische Sicherheitsschaltung", "DP +450, FKE -0.25", kBarrelFrame},
};

const BoxLayout kBioBoxes[] = {
    {"sekundär", "Sekundärwaffe", "DP +450, FKE -0.75, Gewicht +0.5 kg", kBioFrame},
    {"griffdornen", "Griffdornen", "", kBioFrame},
    {"sprühsystem", "Sprühsystem", "", kBioFrame},
    {"elektroshock", "Elektroshock", "", kBioFrame},
};

const BoxLayout kUnderbarrelBoxes[] = {
    {"dreibein", "Dreibein", "DP +120, Rückstoßkompensation +6, Gewicht +8 kg", kUnderbarrelFrame, false},
    {"zweibein", "Zweibein", "DP +80, Rückstoßkompensation +2, Gewicht +2 kg", kUnderbarrelFrame, false},
    {"vordergriff", "Vordergriff", "Tarnstufe -1, DP +50, Rückstoßkompensation +1, Gewicht +0.5 kg", kUnderbarrelFrame},
    {"unterlaufwaffe", "Unterlaufwaffe", "", kUnderbarrelFrame, false},
    {"unterlaufgewicht", "Unterlaufgewicht", "Tarnstufe -1, DP +25, FKE -0.25, Rückstoßkompensation +1, Gewicht +1 kg",
     kUnderbarrelFrame},
};

const BoxLayout kWeaponBoxes[] = {
    {"granatwerfer", "Granatwerfer", "Tarnstufe -3, DP +360, FKE -0.25, Gewicht +2 kg", kWeaponFrame, true, false},
    {"flammenwerfer", "Flammenwerfer", "DP +240, FKE -0.25", kWeaponFrame, true, false},
    {"enterhaken", "Enterhakenkanone", "Tarnstufe -1, DP +100, FKE -0.25, Gewicht +2 kg", kWeaponFrame, true, false},
    {"bajonett", "Bajonett", "Tarnstufe -1, DP +10, FKE -0.25, Gewicht +0.75 kg", kWeaponFrame, true, false},
};

template <std::size_t N> void addBoxes(Window &page, const BoxLayout (&boxes)[N])
{
    for (const BoxLayout &layout : boxes) {
        Control &box = page.add(layout.name, ControlKind::CheckBox, layout.caption, {layout.parent, false});
        box.setToolTip(layout.toolTip);
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
    Control &clip =
        page.add("ladestreifen", ControlKind::CheckBox, "Vergrößerter Ladestreifen (max.)", {kBarrelFrame, false});
    clip.setToolTip("DP +2 pro Schuß");
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
