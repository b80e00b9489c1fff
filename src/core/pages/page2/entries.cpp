#include "pages/page2/capacity.h"
#include "pages/page2/page2.h"
#include "sheet/numbertext.h"

#include <vector>

namespace korvalde {

namespace {

enum class Counts {
    WhenChecked, // a checked box
    StepCount,   // a step list, with the number of steps it holds
    WhenApplied, // the capacity list while a pick is applied
};

struct EntryRow {
    QString control;
    QString entry;
    Counts counts = Counts::WhenChecked;
};

// In the order the list names them, which is not the order of the page.
const std::vector<EntryRow> kEntries = {
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
    {"mehrstufe6", ", erhöhte FKE (%1)", Counts::StepCount},
    {"mehrstufe4", ", erhöhte FKE (%1)", Counts::StepCount},
    {"mehrstufe2", ", erhöhte FKE (%1)", Counts::StepCount},
    {"mehrstufe1", ", erhöhte FKE (%1)", Counts::StepCount},
    {"lauf1", ", Laufverlängerung"},
    {"lauf2", ", Laufverkürzung"},
    {"munitionswahl", ", Munitionswahl"},
    {"rück1", ", Rückstoßkompensation (1)"},
    {"rück2", ", Rückstoßkompensation (2)"},
    {"rück3", ", Rückstoßkompensation (3)"},
    {"schwer", ", schwerer Lauf"},
    {"munistufe", ", erhöhte Munitionskapazität", Counts::WhenApplied},
    {"zerlegbar", ", zerlegbar"},
};

QString entryFor(const Window &page, const EntryRow &row)
{
    const Control &control = page[row.control];
    switch (row.counts) {
    case Counts::WhenChecked:
        return control.isChecked() ? row.entry : QString();
    case Counts::StepCount: {
        const double steps = parseNumber(control.text()).value_or(0);
        return steps > 0 ? row.entry.arg(formatNumber(steps)) : QString();
    }
    case Counts::WhenApplied:
        return page2::capacityApplied(page) ? row.entry : QString();
    }
    return {};
}

} // namespace

QString page2Entries(const Window &page)
{
    QString entries;
    for (const EntryRow &row : kEntries)
        entries += entryFor(page, row);
    return entries;
}

} // namespace korvalde
