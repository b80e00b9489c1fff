#include "pages/page4/page4.h"

#include "pages/page4/options.h"

namespace korvalde {

namespace {

struct Entry {
    QString box; // empty: the enlarged clip, which counts while a size is applied
    QString text;
};

const Entry kEntries[] = {
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
    {"", ", vergrößerter Ladestreifen"},
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

} // namespace

QString page4Entries(const Window &page)
{
    QString entries;
    for (const Entry &entry : kEntries) {
        const bool chosen = entry.box.isEmpty() ? page4::isClipApplied(page) : page[entry.box].isChecked();
        if (chosen)
            entries += entry.text;
    }
    return entries;
}

} // namespace korvalde
