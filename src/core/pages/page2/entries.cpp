#include "pages/page2/capacity.h"
#include "pages/page2/layout.h"
#include "pages/page2/page2.h"
#include "sheet/firemodes.h"

namespace korvalde::page2 {

namespace {

using Shows = ModificationEntry::Shows;

void append(ModificationEntries &entries, const ModificationEntries &more)
{
    entries.insert(entries.end(), more.begin(), more.end());
}

ModificationEntries fireModeEntries()
{
    ModificationEntries entries;
    for (const FireMode &mode : fire::all)
        entries.push_back({mode.box, QStringLiteral(", Feuermodus (%1)").arg(QLatin1String(mode.text))});
    return entries;
}

// Only the frame's own step list can hold steps; the longest list comes first.
ModificationEntries fkeStepEntries()
{
    ModificationEntries entries;
    const QStringList lists = stepListsOf(QStringLiteral("mehr"));
    for (auto list = lists.rbegin(); list != lists.rend(); ++list)
        entries.push_back({*list, QStringLiteral(", erhöhte FKE (%1)"), Shows::WithSteps});
    return entries;
}

} // namespace

const ModificationEntries &modificationEntries()
{
    // In the order the list names them, which is not the order of the page.
    static const ModificationEntries entries = [] {
        ModificationEntries all = {
            {"tarnstufe1", ", erhöhte Tarnstufe (1)"},
            {"tarnstufe2", ", erhöhte Tarnstufe (2)"},
            {"powerstufe1", ", erhöhtes Powerniveau (1)"},
            {"powerstufe2", ", erhöhtes Powerniveau (2)"},
        };
        append(all, fireModeEntries());
        append(all, {
                        {"flechette", ", Flechettebeschränkung"},
                        {"größe", ", Größenanpassung"},
                        {"keramikstufe1", ", Keramikkomponenten (1)"},
                        {"keramikstufe2", ", Keramikkomponenten (2)"},
                        {"keramikstufe3", ", Keramikkomponenten (3)"},
                        {"lade1", ", Lademechanismus (Klapp)"},
                        {"lade2", ", Lademechanismus (Streifen)"},
                        {"lade3", ", Lademechanismus (Trommel)"},
                        {"lade4", ", Lademechanismus (Magazin)"},
                        {"lade5", ", Lademechanismus (Gurt)"},
                        {"nahkampf", ", Nahkampfverstärkung"},
                        {"gewicht", ", Gewichtsreduzierung"},
                        {"bullpup", ", Bullpup-Design"},
                    });
        append(all, fkeStepEntries());
        append(all, {
                        {"lauf1", ", Laufverlängerung"},
                        {"lauf2", ", Laufverkürzung"},
                        {"munitionswahl", ", Munitionswahl"},
                        {"rück1", ", Rückstoßkompensation (1)"},
                        {"rück2", ", Rückstoßkompensation (2)"},
                        {"rück3", ", Rückstoßkompensation (3)"},
                        {"schwer", ", schwerer Lauf"},
                        {"munistufe", ", erhöhte Munitionskapazität", Shows::WhenApplied, capacityApplied},
                        {"zerlegbar", ", zerlegbar"},
                    });
        return all;
    }();
    return entries;
}

} // namespace korvalde::page2
