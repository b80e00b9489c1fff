#include "pages/page4/options.h"
#include "pages/page4/page4.h"

namespace korvalde::page4 {

const ModificationEntries &modificationEntries()
{
    using Shows = ModificationEntry::Shows;
    static const ModificationEntries entries = {
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
        // The enlarged clip counts while a size is applied.
        {"vergrößert", ", vergrößerter Ladestreifen", Shows::WhenApplied, isClipApplied},
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
    return entries;
}

} // namespace korvalde::page4
