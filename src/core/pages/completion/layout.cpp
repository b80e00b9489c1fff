#include "pages/completion/layout.h"

namespace korvalde::completion {

namespace {

constexpr auto kFrame = "Frame1";

void addRow(Window &page, const QList<std::pair<QString, std::pair<ControlKind, QString>>> &row)
{
    bool first = true;
    for (const auto &[name, content] : row) {
        page.add(name, content.first, content.second, {kFrame, !first});
        first = false;
    }
}

} // namespace

void layOut(Window &page)
{
    page.add(kFrame, ControlKind::Frame, "Fertigstellung");
    const auto label = ControlKind::Label;
    const auto field = ControlKind::TextField;
    addRow(page, {{"Label1", {label, "Name"}},
                  {"Label2", {label, "Typ"}},
                  {"Label3", {label, "Tarnstufe"}},
                  {"Label4", {label, "Feuermodi"}},
                  {"Label5", {label, "Schaden"}},
                  {"Label6", {label, "Gewicht "}},
                  {"Label7", {label, "Munition"}}});
    addRow(page, {{"waffenname", {ControlKind::EditField, ""}},
                  {"typus", {field, ""}},
                  {"trn", {field, "XX"}},
                  {"Label8", {label, "/"}},
                  {"trnkera", {field, ""}},
                  {"pwr", {field, "XX"}},
                  {"pwn", {field, "10"}},
                  {"snw", {field, "M"}},
                  {"gew", {field, "2,75"}},
                  {"Label9", {label, "kg"}},
                  {"cap", {field, "XXXXX"}},
                  {"lmm", {field, "Streifen"}},
                  {"Gurt", {field, "/ -"}}});
    addRow(page, {{"Label10", {label, "(Namen eingeben)"}}});
    addRow(page, {{"Label11", {label, "Verfügbare Halterungen:"}},
                  {"hlt", {field, "Lauf"}},
                  {"hlt2", {field, "Aufmontiert"}},
                  {"hlt3", {field, "Unterlauf"}}});
    addRow(page, {{"Label12", {label, "Rückstoßkompensation:"}}, {"kpd", {field, "0"}}});
    addRow(page, {{"Label13", {label, "FKE: "}}, {"fke", {field, "0"}}});
    addRow(page, {{"Label14", {label, "DP:"}}, {"dp", {field, "0"}}});
    addRow(page,
           {{"Label15", {label, "Endgültiger Preis:"}}, {"preis", {field, "00000"}}, {"Label16", {label, "Kordo"}}});
    addRow(page, {{"Label17", {label, "Modifikationen:"}}});
    addRow(page, {{"Text1", {ControlKind::TextArea, "Rahmen"}}});
    page.add("Zurück", ControlKind::Button, "&Zurück");
    page.add("cmdSave", ControlKind::Button, "&Speichern", {{}, true});
    page.add("Command1", ControlKind::Button, "&Neu", {{}, true});
    page.add("beenden", ControlKind::Button, "&Beenden", {{}, true});
}

} // namespace korvalde::completion
