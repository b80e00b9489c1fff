#include "pages/page2/capacity.h"
#include "pages/page2/page2.h"

namespace korvalde::page2 {

const ModificationEntries &modificationEntries()
{
    using Shows = ModificationEntry::Shows;
    // In the order the list names them, which is not the order of the page.
    static const ModificationEntries entries = {
        {"tarnstufe1", ", erhöhte Tarnstufe (1)"},
        {"tarnstufe2", ", erhöhte Tarnstufe (2)"},
        {"powerstufe1", ", erhöhtes Powerniveau (1)"},
        {"powerstufe2", ", erhöhtes Powerniveau (2)"},
        {"modus1", ", Feuermodus (EM)"},
        {"modus2", ", Feuermodus (HM)"},
        {"modus3", ", Feuermodus (SM)"},
        {"modus4", ", Feuermodus (HM/SM)"},
        {"modus5", ", Feuermodus (SM/AM)"},
        {"modus6", ", Feuermodus (HM/SM/AM)"},
        {"modus7", ", Feuermodus (AM)"},
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
        {"mehrstufe6", ", erhöhte FKE (%1)", Shows::WithSteps},
        {"mehrstufe4", ", erhöhte FKE (%1)", Shows::WithSteps},
        {"mehrstufe2", ", erhöhte FKE (%1)", Shows::WithSteps},
        {"mehrstufe1", ", erhöhte FKE (%1)", Shows::WithSteps},
        {"lauf1", ", Laufverlängerung"},
        {"lauf2", ", Laufverkürzung"},
        {"munitionswahl", ", Munitionswahl"},
        {"rück1", ", Rückstoßkompensation (1)"},
        {"rück2", ", Rückstoßkompensation (2)"},
        {"rück3", ", Rückstoßkompensation (3)"},
        {"schwer", ", schwerer Lauf"},
        {"munistufe", ", erhöhte Munitionskapazität", Shows::WhenApplied, capacityApplied},
        {"zerlegbar", ", zerlegbar"},
    };
    return entries;
}

} // namespace korvalde::page2
