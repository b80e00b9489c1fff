#include "reopen/listentries.h"
#include "wizard/windows.h"

#include <algorithm>

namespace korvalde::reopen {

namespace {

struct EntryText {
    const char *text;
    ListEntry entry;
};

ListEntry box(const QString &window, const char *control)
{
    return {window, EntryAction::Check, control};
}

ListEntry fkeSteps(int steps)
{
    return {windows::page2, EntryAction::FkeSteps, "mehrstufe", steps};
}

// Every text an option writes into the list and what the user does for it. The rows run in
// the order the rebuild sets them: on each page what frees FKE comes first, so the budget
// never runs out on the way, and a box comes after the box that unlocks it.
const std::vector<EntryText> &entryTexts()
{
    static const std::vector<EntryText> texts = {
        {", Flechettebeschränkung", box(windows::page2, "flechette")},
        {", erhöhte FKE (1)", fkeSteps(1)},
        {", erhöhte FKE (2)", fkeSteps(2)},
        {", erhöhte FKE (3)", fkeSteps(3)},
        {", erhöhte FKE (4)", fkeSteps(4)},
        {", erhöhte FKE (5)", fkeSteps(5)},
        {", erhöhte FKE (6)", fkeSteps(6)},
        {", Feuermodus (EM)", box(windows::page2, "modus1")},
        {", Feuermodus (HM)", box(windows::page2, "modus2")},
        {", Feuermodus (SM)", box(windows::page2, "modus3")},
        {", Feuermodus (HM/SM)", box(windows::page2, "modus4")},
        {", Feuermodus (SM/AM)", box(windows::page2, "modus5")},
        {", Feuermodus (HM/SM/AM)", box(windows::page2, "modus6")},
        {", Feuermodus (AM)", box(windows::page2, "modus7")},
        {", Lademechanismus (Klapp)", box(windows::page2, "lade1")},
        {", Lademechanismus (Streifen)", box(windows::page2, "lade2")},
        {", Lademechanismus (Trommel)", box(windows::page2, "lade3")},
        {", Lademechanismus (Magazin)", box(windows::page2, "lade4")},
        {", Lademechanismus (Gurt)", box(windows::page2, "lade5")},
        {", erhöhte Tarnstufe (1)", box(windows::page2, "tarnstufe1")},
        {", erhöhte Tarnstufe (2)", box(windows::page2, "tarnstufe2")},
        {", erhöhtes Powerniveau (1)", box(windows::page2, "powerstufe1")},
        {", erhöhtes Powerniveau (2)", box(windows::page2, "powerstufe2")},
        {", Größenanpassung", box(windows::page2, "größe")},
        {", Keramikkomponenten (1)", box(windows::page2, "keramikstufe1")},
        {", Keramikkomponenten (2)", box(windows::page2, "keramikstufe2")},
        {", Keramikkomponenten (3)", box(windows::page2, "keramikstufe3")},
        {", Nahkampfverstärkung", box(windows::page2, "nahkampf")},
        {", Gewichtsreduzierung", {windows::page2, EntryAction::Weight, "gewicht"}},
        {", Bullpup-Design", box(windows::page2, "bullpup")},
        {", Laufverlängerung", box(windows::page2, "lauf1")},
        {", Laufverkürzung", box(windows::page2, "lauf2")},
        {", Munitionswahl", box(windows::page2, "munitionswahl")},
        {", Rückstoßkompensation (1)", box(windows::page2, "rück1")},
        {", Rückstoßkompensation (2)", box(windows::page2, "rück2")},
        {", Rückstoßkompensation (3)", box(windows::page2, "rück3")},
        {", schwerer Lauf", box(windows::page2, "schwer")},
        {", erhöhte Munitionskapazität", {windows::page2, EntryAction::Capacity, "munistufe"}},
        {", zerlegbar", box(windows::page2, "zerlegbar")},

        {", persönliche Gestaltung", box(windows::page3, "gestaltung")},
        {", Gravur", box(windows::page3, "gravur")},
        {", Gasventil (2)", box(windows::page3, "gas2")},
        {", Gasventil (3)", box(windows::page3, "gas3")},
        {", Gasventil (4)", box(windows::page3, "gas4")},
        {", Smartgun intern (1)", box(windows::page3, "smartintern1")},
        {", Smartgun intern (2)", box(windows::page3, "smartintern2")},
        {", Stimmaktivierung", box(windows::page3, "stimm")},

        {", Schalldämpfer", box(windows::page4, "schall")},
        {", Schockpolster", box(windows::page4, "schock")},
        {", Hüftpolster", box(windows::page4, "hüft")},
        {", Schulterstütze", box(windows::page4, "schulter")},
        {", Schallunterdrücker", box(windows::page4, "suppressor")},
        {", Unterlaufgewicht", box(windows::page4, "unterlaufgewicht")},
        {", Unterlaufwaffe (Bajonett)", box(windows::page4, "bajonett")},
        {", Unterlaufwaffe (Enterhakenkanone)", box(windows::page4, "enterhaken")},
        {", Unterlaufwaffe (Granatwerfer)", box(windows::page4, "granatwerfer")},
        {", Unterlaufwaffe (Flammenwerfer)", box(windows::page4, "flammenwerfer")},
        {", vergrößerter Ladestreifen", {windows::page4, EntryAction::Clip, "vergrößert"}},
        {", abgesägte Schrotflinte", box(windows::page4, "abgesägte")},
        {", angepasster Griff", box(windows::page4, "griff")},
        {", ausgebaute Sicherung", box(windows::page4, "sicherung")},
        {", ausgebauter Abzug", box(windows::page4, "abzug")},
        {", Automatischer Modus", box(windows::page4, "automodus")},
        {", Biometrische Sicherheitsschaltung", box(windows::page4, "bio")},
        {", Biometrische Sicherheitsschaltung mit Griffdornen", box(windows::page4, "griffdornen")},
        {", Biometrische Sicherheitsschaltung mit Sprühsystem", box(windows::page4, "sprühsystem")},
        {", Biometrische Sicherheitsschaltung mit Elektroshock", box(windows::page4, "elektroshock")},
        {", Dreibein", box(windows::page4, "dreibein")},
        {", Vordergriff", box(windows::page4, "vordergriff")},
        {", Zweibein", box(windows::page4, "zweibein")},

        // Page 5's accessories with their refinements right after them; the sight before
        // the rangefinder, which locks it.
        {", Smartgun extern (1)", box(windows::page5, "smartextern1")},
        {", Smartgun extern (2)", box(windows::page5, "smartextern2")},
        {", Ultraschallsensor", box(windows::page5, "ultraschall")},
        {", Lasermarkierer (niederenergetisch)", box(windows::page5, "niederenergetisch")},
        {", Lasermarkierer (hochenergetisch)", box(windows::page5, "hochenergetisch")},
        {", Laser-Zielmarkierer", box(windows::page5, "laserziel")},
        {", Sichtgerät", box(windows::page5, "sichtgerät")},
        {" mit Vergrößerung (1)", box(windows::page5, "v1")},
        {" mit Vergrößerung (2)", box(windows::page5, "v2")},
        {" mit Vergrößerung (3)", box(windows::page5, "v3")},
        {" mit Infrarot", box(windows::page5, "IR")},
        {" mit Blitzlicht", box(windows::page5, "blitz")},
        {" mit Lichtverstärkung", box(windows::page5, "licht")},
        {" mit Guncam", box(windows::page5, "guncam")},
        {", Entfernungsmesser", box(windows::page5, "entfernungsmesser")},
    };
    return texts;
}

const QString kFirstEntry = QStringLiteral("Rahmen");

} // namespace

std::vector<ListEntry> readModificationList(const QString &list)
{
    std::vector<ListEntry> entries;
    if (!list.startsWith(kFirstEntry))
        return entries;
    std::vector<size_t> found;
    for (qsizetype at = kFirstEntry.size(); at < list.size();) {
        // The longest text that fits: a variant of the biometric safety starts like the
        // safety itself.
        size_t best = entryTexts().size();
        qsizetype bestLength = 0;
        for (size_t i = 0; i < entryTexts().size(); ++i) {
            const QString text = QString::fromUtf8(entryTexts()[i].text);
            if (text.size() > bestLength && QStringView(list).mid(at).startsWith(text)) {
                best = i;
                bestLength = text.size();
            }
        }
        if (best == entryTexts().size())
            break;
        found.push_back(best);
        at += bestLength;
    }
    std::sort(found.begin(), found.end());
    for (size_t i : found)
        entries.push_back(entryTexts()[i].entry);
    return entries;
}

} // namespace korvalde::reopen

namespace korvalde::reopen {

QStringList listedBoxes(const QString &window)
{
    QStringList boxes;
    for (const EntryText &text : entryTexts()) {
        if (text.entry.window == window && text.entry.action == EntryAction::Check)
            boxes << text.entry.control;
    }
    return boxes;
}

} // namespace korvalde::reopen
