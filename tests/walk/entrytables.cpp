#include "entrytables.h"

#include "sheet/numbertext.h"

#include <utility>
#include <vector>

namespace korvalde::walk {

namespace {

using Rows = std::vector<std::pair<QString, QString>>;

const Rows& page2Boxes()
{
    static const Rows rows = {
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
        {"mehr", ""},  // stands for the step lists of increased FKE
        {"lauf1", ", Laufverlängerung"},
        {"lauf2", ", Laufverkürzung"},
        {"munitionswahl", ", Munitionswahl"},
        {"rück1", ", Rückstoßkompensation (1)"},
        {"rück2", ", Rückstoßkompensation (2)"},
        {"rück3", ", Rückstoßkompensation (3)"},
        {"schwer", ", schwerer Lauf"},
        {"munistufe", ""},  // an applied capacity
        {"zerlegbar", ", zerlegbar"},
    };
    return rows;
}

const Rows& page3Boxes()
{
    static const Rows rows = {
        {"gestaltung", ", persönliche Gestaltung"}, {"gravur", ", Gravur"},
        {"gas2", ", Gasventil (2)"},                {"gas3", ", Gasventil (3)"},
        {"gas4", ", Gasventil (4)"},                {"smartintern1", ", Smartgun intern (1)"},
        {"smartintern2", ", Smartgun intern (2)"},  {"stimm", ", Stimmaktivierung"},
    };
    return rows;
}

const Rows& page4Boxes()
{
    static const Rows rows = {
        {"schall", ", Schalldämpfer"},
        {"schock", ", Schockpolster"},
        {"hüft", ", Hüftpolster"},
        {"schulter", ", Schulterstütze"},
        {"suppressor", ", Schallunterdrücker"},
        {"unterlaufgewicht", ", Unterlaufgewicht"},
        {"bajonett", ", Unterlaufwaffe (Bajonett)"},
        {"enterhaken", ", Unterlaufwaffe (Enterhakenkanone)"},
        {"granatwerfer", ", Unterlaufwaffe (Granatwerfer)"},
        {"flammenwerfer", ", Unterlaufwaffe (Flammenwerfer)"},
        {"ladestreifen", ""},  // an applied clip
        {"abgesägte", ", abgesägte Schrotflinte"},
        {"griff", ", angepasster Griff"},
        {"sicherung", ", ausgebaute Sicherung"},
        {"abzug", ", ausgebauter Abzug"},
        {"automodus", ", Automatischer Modus"},
        {"bio", ", Biometrische Sicherheitsschaltung"},
        {"griffdornen", ", Biometrische Sicherheitsschaltung mit Griffdornen"},
        {"sprühsystem", ", Biometrische Sicherheitsschaltung mit Sprühsystem"},
        {"elektroshock", ", Biometrische Sicherheitsschaltung mit Elektroshock"},
        {"dreibein", ", Dreibein"},
        {"vordergriff", ", Vordergriff"},
        {"zweibein", ", Zweibein"},
    };
    return rows;
}

const Rows& page5Boxes()
{
    static const Rows rows = {
        {"entfernungsmesser", ", Entfernungsmesser"},
        {"sichtgerät", ", Sichtgerät"},
        {"v1", " mit Vergrößerung (1)"},
        {"v2", " mit Vergrößerung (2)"},
        {"v3", " mit Vergrößerung (3)"},
        {"IR", " mit Infrarot"},
        {"blitz", " mit Blitzlicht"},
        {"licht", " mit Lichtverstärkung"},
        {"guncam", " mit Guncam"},
        {"smartextern1", ", Smartgun extern (1)"},
        {"smartextern2", ", Smartgun extern (2)"},
        {"niederenergetisch", ", Lasermarkierer (niederenergetisch)"},
        {"hochenergetisch", ", Lasermarkierer (hochenergetisch)"},
        {"laserziel", ", Laser-Zielmarkierer"},
        {"ultraschall", ", Ultraschallsensor"},
    };
    return rows;
}

// The one increased-FKE list a frame shows holds the applied step count.
QString increasedFke(const Window& page)
{
    for (const QString name : {"mehrstufe6", "mehrstufe4", "mehrstufe2", "mehrstufe1"}) {
        const std::optional<double> steps = parseNumber(page[name].text());
        if (steps && *steps > 0)
            return QStringLiteral(", erhöhte FKE (%1)").arg(formatNumber(*steps));
    }
    return {};
}

QString entriesOf(const Window& page, const Rows& rows)
{
    QString entries;
    for (const auto& [box, entry] : rows) {
        const Control& control = page[box];
        if (box == "mehr")
            entries += increasedFke(page);
        else if (box == "munistufe")
            entries += !control.isEnabled() && isTrueNumber(control.text()) ? ", erhöhte Munitionskapazität" : "";
        else if (box == "ladestreifen")
            entries += control.isChecked() && isTrueNumber(page["vergrößert"].text()) ? ", vergrößerter Ladestreifen" : "";
        else if (control.isChecked())
            entries += entry;
    }
    return entries;
}

}  // namespace

QString expectedEntries(const Window& page)
{
    if (page.name() == "Form2")
        return entriesOf(page, page2Boxes());
    if (page.name() == "Form3")
        return entriesOf(page, page3Boxes());
    if (page.name() == "Form4")
        return entriesOf(page, page4Boxes());
    if (page.name() == "Form12")
        return entriesOf(page, page5Boxes());
    return {};
}

}  // namespace korvalde::walk
