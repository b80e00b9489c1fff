#include "pages/page2/layout.h"

#include <vector>

namespace korvalde::page2 {

namespace {

struct Item {
    QString name;
    ControlKind kind;
    QString text;
    QStringList items = {};
};

// One group of options in a frame of its own; `beside` puts it right of the group before.
struct Group {
    QString frame;
    QString parent;
    bool beside;
    std::vector<std::vector<Item>> rows;
};

Item box(const QString &name, const QString &caption)
{
    return {name, ControlKind::CheckBox, caption};
}

// The entries "01" to the maximum: the number of steps a pick applies.
QStringList stepEntries(int first, int last)
{
    QStringList entries;
    for (int step = first; step <= last; ++step)
        entries << QStringLiteral("%1").arg(step, 2, 10, QLatin1Char('0'));
    return entries;
}

// The step list of a summary box: one list per maximum, each with the label that names
// the maximum; the frame profile shows the one pair that fits the frame.
std::vector<Item> stepListRow(const Item &summary, const QString &prefix, const QList<int> &maxima,
                              const QString &oneStep, const QString &manySteps, const QString &longestInitial)
{
    std::vector<Item> row = {summary};
    for (int maximum : maxima) {
        const QString name = prefix + QString::number(maximum);
        const bool longest = maximum == maxima.last();
        row.push_back({prefix + "stufe" + QString::number(maximum), ControlKind::ComboBox,
                       longest ? longestInitial : QStringLiteral("0"), stepEntries(1, maximum)});
        row.push_back({name, ControlKind::Label, maximum == 1 ? oneStep : manySteps.arg(maximum)});
    }
    return row;
}

std::vector<Item> levelRow(const QString &group, int levels)
{
    std::vector<Item> row;
    for (int level = 1; level <= levels; ++level)
        row.push_back(box(group + QString::number(level), QStringLiteral("Stufe %1").arg(level)));
    return row;
}

std::vector<Group> groups(const QString &options)
{
    return {
        {"fraTarn", options, false, {{box("tarn", "Erhöhte Tarnstufe ")}, levelRow("tarnstufe", 2)}},
        {"fraPower", options, true, {{box("power", "Erhöhtes Powerniveau ")}, levelRow("powerstufe", 2)}},
        {"fraKeramik", options, true, {{box("keramik", "Keramikkomponenten")}, levelRow("keramikstufe", 3)}},
        {"fraRueck", options, false, {{box("rück", "Rückstoßkompensation")}, levelRow("rück", 3)}},
        {"fraLauf",
         options,
         true,
         {{box("lauf", "Laufverlängerung / -verkürzung")}, {box("lauf1", "Verlängerung"), box("lauf2", "Verkürzung")}}},
        {"fraModus", options, false, {{box("modus", "Feuermodus ")}}},
        {"modusframe",
         "fraModus",
         false,
         {{box("modus1", "EM"), box("modus2", "HM"), box("modus3", "SM"), box("modus4", "HM/SM"),
           box("modus5", "SM/AM"), box("modus6", "HM/SM/AM"), box("modus7", "AM")}}},
        {"fraLade",
         options,
         false,
         {{box("lade", "Lademechanismus ")},
          {box("lade1", "Klapp"), box("lade2", "Streifen"), box("lade3", "Trommel"), box("lade4", "Magazin"),
           box("lade5", "Gurt")},
          {box("muni", "Erhöhte Munikapazität (max. 10 Schuß / 7 Schuß bei Revolver)"),
           {"munistufe", ControlKind::ComboBox, "0", stepEntries(4, 10)}}}},
        {"fraGewicht",
         options,
         false,
         {stepListRow(box("gewicht", "Gewichtsreduzierung "), "gewicht", {2, 6, 8, 12, 16}, "", "(bis zu %1 Stufen)",
                      "16 Stufen")}},
        {"fraMehr",
         options,
         true,
         {stepListRow(box("mehr", "Erhöhte FKE"), "mehr", {1, 2, 4, 6}, "(bis 1 Stufe)", "(bis %1 Stufen)", "0")}},
        {"fraExtras",
         options,
         false,
         {{box("flechette", "Flechettebeschränkung"), box("größe", "Größenanpassung")},
          {box("nahkampf", "Nahkampfverstärkung"), box("munitionswahl", "Munitionswahl")},
          {box("zerlegbar", "Zerlegbar")},
          {box("bullpup", " Bullpup - Design (bietet 1 Punkt Rückstoßdämpfung)")},
          {box("schwer", "Schwerer Lauf (bietet 1 Punkt Rückstoßdämpfung)")},
          {box("schnell", "Schnellfeuer (erhöht max. Rückstoßkompensation um 1)")}}},
    };
}

bool holdsVisibleControl(const Window &page, const QString &frame)
{
    for (const auto &control : page.controls()) {
        if (control->placement().parent != frame)
            continue;
        if (control->kind() == ControlKind::Frame ? holdsVisibleControl(page, control->name()) : control->isVisible())
            return true;
    }
    return false;
}

} // namespace

void layOutOptions(Window &page, const QString &optionsFrame)
{
    for (const Group &group : groups(optionsFrame)) {
        page.add(group.frame, ControlKind::Frame, QString(), {group.parent, group.beside}).setVisible(false);
        for (const std::vector<Item> &row : group.rows) {
            bool first = true;
            for (const Item &item : row) {
                Control &control = page.add(item.name, item.kind, item.text, {group.frame, !first});
                control.setItems(item.items);
                control.setVisible(false);
                first = false;
            }
        }
    }
}

void showGroupsInUse(Window &page, const QString &optionsFrame)
{
    for (const Group &group : groups(optionsFrame))
        page[group.frame].setVisible(holdsVisibleControl(page, group.frame));
}

} // namespace korvalde::page2
