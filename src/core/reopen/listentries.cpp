#include "reopen/listentries.h"

#include <algorithm>

namespace korvalde::reopen {

namespace {

struct EntryText {
    const char *text;
    ListEntry entry;
};

ListEntry box(const char *window, const char *control)
{
    return {window, EntryAction::Check, control};
}

ListEntry fkeSteps(int steps)
{
    return {"Form2", EntryAction::FkeSteps, "mehrstufe", steps};
}

// Every text an option writes into the list and what the user does for it. The rows run in
// the order the rebuild sets them: on each page what frees FKE comes first, so the budget
// never runs out on the way, and a box comes after the box that unlocks it.
const std::vector<EntryText> &entryTexts()
{
    static const std::vector<EntryText> texts = {
        {", Flechettebeschränkung", box("Form2", "flechette")},
        {", erhöhte FKE (1)", fkeSteps(1)},
        {", erhöhte FKE (2)", fkeSteps(2)},
        {", erhöhte FKE (3)", fkeSteps(3)},
        {", erhöhte FKE (4)", fkeSteps(4)},
        {", erhöhte FKE (5)", fkeSteps(5)},
        {", erhöhte FKE (6)", fkeSteps(6)},
        {", Feuermodus (EM)", box("Form2", "modus1")},
        {", Feuermodus (HM)", box("Form2", "modus2")},
        {", Feuermodus (SM)", box("Form2", "modus3")},
        {", Feuermodus (HM/SM)", box("Form2", "modus4")},
        {", Feuermodus (SM/AM)", box("Form2", "modus5")},
        {", Feuermodus (HM/SM/AM)", box("Form2", "modus6")},
        {", Feuermodus (AM)", box("Form2", "modus7")},
        {", Lademechanismus (Klapp)", box("Form2", "lade1")},
        {", Lademechanismus (Streifen)", box("Form2", "lade2")},
        {", Lademechanismus (Trommel)", box("Form2", "lade3")},
        {", Lademechanismus (Magazin)", box("Form2", "lade4")},
        {", Lademechanismus (Gurt)", box("Form2", "lade5")},
        {", erhöhte Tarnstufe (1)", box("Form2", "tarnstufe1")},
        {", erhöhte Tarnstufe (2)", box("Form2", "tarnstufe2")},
        {", erhöhtes Powerniveau (1)", box("Form2", "powerstufe1")},
        {", erhöhtes Powerniveau (2)", box("Form2", "powerstufe2")},
        {", Größenanpassung", box("Form2", "größe")},
        {", Keramikkomponenten (1)", box("Form2", "keramikstufe1")},
        {", Keramikkomponenten (2)", box("Form2", "keramikstufe2")},
        {", Keramikkomponenten (3)", box("Form2", "keramikstufe3")},
        {", Nahkampfverstärkung", box("Form2", "nahkampf")},
        {", Gewichtsreduzierung", {"Form2", EntryAction::Weight, "gewicht"}},
        {", Bullpup-Design", box("Form2", "bullpup")},
        {", Laufverlängerung", box("Form2", "lauf1")},
        {", Laufverkürzung", box("Form2", "lauf2")},
        {", Munitionswahl", box("Form2", "munitionswahl")},
        {", Rückstoßkompensation (1)", box("Form2", "rück1")},
        {", Rückstoßkompensation (2)", box("Form2", "rück2")},
        {", Rückstoßkompensation (3)", box("Form2", "rück3")},
        {", schwerer Lauf", box("Form2", "schwer")},
        {", erhöhte Munitionskapazität", {"Form2", EntryAction::Capacity, "munistufe"}},
        {", zerlegbar", box("Form2", "zerlegbar")},

        {", persönliche Gestaltung", box("Form3", "gestaltung")},
        {", Gravur", box("Form3", "gravur")},
        {", Gasventil (2)", box("Form3", "gas2")},
        {", Gasventil (3)", box("Form3", "gas3")},
        {", Gasventil (4)", box("Form3", "gas4")},
        {", Smartgun intern (1)", box("Form3", "smartintern1")},
        {", Smartgun intern (2)", box("Form3", "smartintern2")},
        {", Stimmaktivierung", box("Form3", "stimm")},

        {", Schalldämpfer", box("Form4", "schall")},
        {", Schockpolster", box("Form4", "schock")},
        {", Hüftpolster", box("Form4", "hüft")},
        {", Schulterstütze", box("Form4", "schulter")},
        {", Schallunterdrücker", box("Form4", "suppressor")},
        {", Unterlaufgewicht", box("Form4", "unterlaufgewicht")},
        {", Unterlaufwaffe (Bajonett)", box("Form4", "bajonett")},
        {", Unterlaufwaffe (Enterhakenkanone)", box("Form4", "enterhaken")},
        {", Unterlaufwaffe (Granatwerfer)", box("Form4", "granatwerfer")},
        {", Unterlaufwaffe (Flammenwerfer)", box("Form4", "flammenwerfer")},
        {", vergrößerter Ladestreifen", {"Form4", EntryAction::Clip, "vergrößert"}},
        {", abgesägte Schrotflinte", box("Form4", "abgesägte")},
        {", angepasster Griff", box("Form4", "griff")},
        {", ausgebaute Sicherung", box("Form4", "sicherung")},
        {", ausgebauter Abzug", box("Form4", "abzug")},
        {", Automatischer Modus", box("Form4", "automodus")},
        {", Biometrische Sicherheitsschaltung", box("Form4", "bio")},
        {", Biometrische Sicherheitsschaltung mit Griffdornen", box("Form4", "griffdornen")},
        {", Biometrische Sicherheitsschaltung mit Sprühsystem", box("Form4", "sprühsystem")},
        {", Biometrische Sicherheitsschaltung mit Elektroshock", box("Form4", "elektroshock")},
        {", Dreibein", box("Form4", "dreibein")},
        {", Vordergriff", box("Form4", "vordergriff")},
        {", Zweibein", box("Form4", "zweibein")},

        // Page 5's accessories with their refinements right after them; the sight before
        // the rangefinder, which locks it.
        {", Smartgun extern (1)", box("Form12", "smartextern1")},
        {", Smartgun extern (2)", box("Form12", "smartextern2")},
        {", Ultraschallsensor", box("Form12", "ultraschall")},
        {", Lasermarkierer (niederenergetisch)", box("Form12", "niederenergetisch")},
        {", Lasermarkierer (hochenergetisch)", box("Form12", "hochenergetisch")},
        {", Laser-Zielmarkierer", box("Form12", "laserziel")},
        {", Sichtgerät", box("Form12", "sichtgerät")},
        {" mit Vergrößerung (1)", box("Form12", "v1")},
        {" mit Vergrößerung (2)", box("Form12", "v2")},
        {" mit Vergrößerung (3)", box("Form12", "v3")},
        {" mit Infrarot", box("Form12", "IR")},
        {" mit Blitzlicht", box("Form12", "blitz")},
        {" mit Lichtverstärkung", box("Form12", "licht")},
        {" mit Guncam", box("Form12", "guncam")},
        {", Entfernungsmesser", box("Form12", "entfernungsmesser")},
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
