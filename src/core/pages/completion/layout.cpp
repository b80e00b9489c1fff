#include "pages/completion/layout.h"

#include "sheet/fields.h"
#include "sheet/mounts.h"

namespace korvalde::completion {

namespace {

constexpr auto kFrame = "Frame1";
constexpr auto kFigures = "fraWerte";

using Cell = std::pair<QString, std::pair<ControlKind, QString>>;

void addRow(Window &page, const QString &parent, const QList<Cell> &row)
{
    bool first = true;
    for (const auto &[name, content] : row) {
        page.add(name, content.first, content.second, {parent, !first});
        first = false;
    }
}

// One column of the summary at the top: its heading over the fields it names, in a frame
// of its own so that the heading stands over its fields however wide they are.
void addColumn(Window &page, const QString &column, const Cell &heading, const QList<QList<Cell>> &rows)
{
    page.add(column, ControlKind::Frame, "", {kFrame, column != QLatin1String("fraName")});
    addRow(page, column, {heading});
    for (const QList<Cell> &row : rows)
        addRow(page, column, row);
}

} // namespace

void layOut(Window &page)
{
    page.add(kFrame, ControlKind::Frame, "Fertigstellung");
    const auto label = ControlKind::Label;
    const auto field = ControlKind::TextField;
    addColumn(page, "fraName", {"Label1", {label, "Name"}},
              {{{"waffenname", {ControlKind::EditField, ""}}}, {{"Label10", {label, "(Namen eingeben)"}}}});
    addColumn(page, "fraTyp", {"Label2", {label, "Typ"}}, {{{"typus", {field, ""}}}});
    addColumn(
        page, "fraTarnstufe", {"Label3", {label, "Tarnstufe"}},
        {{{field::concealment, {field, "XX"}}, {"Label8", {label, "/"}}, {field::ceramicConcealment, {field, ""}}}});
    addColumn(page, "fraFeuermodi", {"Label4", {label, "Feuermodi"}}, {{{field::fireModes, {field, "XX"}}}});
    // Power level and damage code side by side read as one, e.g. 9M.
    addColumn(page, "fraSchaden", {"Label5", {label, "Schaden"}},
              {{{field::powerLevel, {field, "10"}}, {field::damageLevel, {field, "M"}}}});
    addColumn(page, "fraGewicht", {"Label6", {label, "Gewicht "}},
              {{{field::weight, {field, "2,75"}}, {"Label9", {label, "kg"}}}});
    addColumn(
        page, "fraMunition", {"Label7", {label, "Munition"}},
        {{{field::capacity, {field, "XXXXX"}}, {field::loading, {field, "Streifen"}}, {field::belt, {field, "/ -"}}}});
    // The figures below the summary line up among themselves, not with its columns.
    page.add(kFigures, ControlKind::Frame, "", {kFrame});
    addRow(page, kFigures,
           {{"Label11", {label, "Verfügbare Halterungen:"}},
            {kBarrelMount.field, {field, kBarrelMount.freeText}},
            {kTopMount.field, {field, kTopMount.freeText}},
            {kUnderbarrelMount.field, {field, kUnderbarrelMount.freeText}}});
    addRow(page, kFigures, {{"Label12", {label, "Rückstoßkompensation:"}}, {field::recoilCompensation, {field, "0"}}});
    addRow(page, kFigures, {{"Label13", {label, "FKE: "}}, {field::fke, {field, "0"}}});
    addRow(page, kFigures, {{"Label14", {label, "DP:"}}, {field::dp, {field, "0"}}});
    addRow(page, kFigures,
           {{"Label15", {label, "Endgültiger Preis:"}}, {"preis", {field, "00000"}}, {"Label16", {label, "Kordo"}}});
    addRow(page, kFrame, {{"Label17", {label, "Modifikationen:"}}});
    addRow(page, kFrame, {{"Text1", {ControlKind::TextArea, "Rahmen"}}});
    page.add("Zurück", ControlKind::Button, "&Zurück");
    page.add("cmdSave", ControlKind::Button, "&Speichern", {{}, true});
    page.add("cmdDrucken", ControlKind::Button, "&Drucken…", {{}, true});
    page.add("Command1", ControlKind::Button, "&Neu", {{}, true});
    page.add("beenden", ControlKind::Button, "&Beenden", {{}, true});
}

} // namespace korvalde::completion
