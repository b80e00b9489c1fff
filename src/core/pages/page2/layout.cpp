#include "pages/page2/layout.h"

#include "sheet/firemodes.h"
#include "sheet/frameprofile.h"

#include <QHash>

#include <vector>

namespace korvalde::page2 {

namespace {

struct Item {
    QString name;
    ControlKind kind;
    QString text;
    QStringList items = {};
};

// One row of controls inside the frame `parent`: the first item starts the row, the others
// stand right of it. Sub-frames are items too; their own rows follow.
struct Row {
    QString parent;
    std::vector<Item> items;
};

Item box(const QString &name, const QString &caption)
{
    return {name, ControlKind::CheckBox, caption};
}

Item group(const QString &name)
{
    return {name, ControlKind::Frame, QString()};
}

// The entries "01" to the maximum: the number of steps a pick applies.
QStringList stepEntries(int first, int last)
{
    QStringList entries;
    for (int step = first; step <= last; ++step)
        entries << QStringLiteral("%1").arg(step, 2, 10, QLatin1Char('0'));
    return entries;
}

std::vector<Item> fireModeBoxes()
{
    std::vector<Item> boxes;
    for (const FireMode &mode : fire::all)
        boxes.push_back(box(mode.box, mode.text));
    return boxes;
}

// A summary box with its levels beside it, "Stufe 1" to "Stufe <levels>".
std::vector<Item> levelRow(const Item &summary, const QString &prefix, int levels)
{
    std::vector<Item> row = {summary};
    for (int level = 1; level <= levels; ++level)
        row.push_back(box(prefix + QString::number(level), QStringLiteral("Stufe %1").arg(level)));
    return row;
}

// The maxima of the options bought in steps.
const QHash<QString, QList<int>> &stepMaxima()
{
    static const QHash<QString, QList<int>> maxima = {
        {"gewicht", {2, 6, 8, 12, 16}},
        {"mehr", {1, 2, 4, 6}},
    };
    return maxima;
}

QString stepListName(const QString &summary, int maximum)
{
    return summary + "stufe" + QString::number(maximum);
}

// A summary box with one step list per maximum beside it, each followed by the label that
// names the maximum; the frame profile shows the one pair that fits the frame.
std::vector<Item> stepListRow(const Item &summary, const QString &oneStep, const QString &manySteps,
                              const QString &longestInitial)
{
    std::vector<Item> row = {summary};
    const QList<int> &maxima = stepMaxima()[summary.name];
    for (int maximum : maxima) {
        const bool longest = maximum == maxima.last();
        const QString list = stepListName(summary.name, maximum);
        row.push_back(
            {list, ControlKind::ComboBox, longest ? longestInitial : QStringLiteral("0"), stepEntries(1, maximum)});
        row.push_back({stepLimitLabel(list), ControlKind::Label, maximum == 1 ? oneStep : manySteps.arg(maximum)});
    }
    return row;
}

// The stepped options form a table (summary box, then its levels); fire mode and loading
// mechanism keep their variants in a box of their own under the summary box; the options
// bought in steps and the single boxes stand in two columns below. Every group that may be
// partly hidden has a frame of its own, so a hidden control never leaves a hole.
std::vector<Row> rows(const QString &options)
{
    return {
        {options, {group("fraStufen")}},
        {"fraStufen", levelRow(box("tarn", "Erhöhte Tarnstufe "), "tarnstufe", 2)},
        {"fraStufen", levelRow(box("power", "Erhöhtes Powerniveau "), "powerstufe", 2)},
        {"fraStufen", levelRow(box("keramik", "Keramikkomponenten"), "keramikstufe", 3)},
        {"fraStufen", levelRow(box("rück", "Rückstoßkompensation"), "rück", 3)},
        {"fraStufen",
         {box("lauf", "Laufverlängerung / -verkürzung"), box("lauf1", "Verlängerung"), box("lauf2", "Verkürzung")}},
        {options, {group("fraModus")}},
        {"fraModus", {box("modus", "Feuermodus ")}},
        {"fraModus", {group("modusframe")}},
        {"modusframe", fireModeBoxes()},
        {options, {group("fraLade")}},
        {"fraLade", {box("lade", "Lademechanismus ")}},
        {"fraLade", {group("fraLadeArten")}},
        {"fraLadeArten",
         {box("lade1", "Klapp"), box("lade2", "Streifen"), box("lade3", "Trommel"), box("lade4", "Magazin"),
          box("lade5", "Gurt")}},
        {"fraLade",
         {box("muni", "Erhöhte Munikapazität (max. 10 Schuß / 7 Schuß bei Revolver)"),
          {"munistufe", ControlKind::ComboBox, "0", stepEntries(4, 10)}}},
        {options, {group("fraGewicht"), group("fraMehr")}},
        {"fraGewicht", stepListRow(box("gewicht", "Gewichtsreduzierung "), "", "(bis zu %1 Stufen)", "16 Stufen")},
        {"fraMehr", stepListRow(box("mehr", "Erhöhte FKE"), "(bis 1 Stufe)", "(bis %1 Stufen)", "0")},
        {options, {group("fraEinzeln"), group("fraRueckstoss")}},
        {"fraEinzeln", {box("flechette", "Flechettebeschränkung")}},
        {"fraEinzeln", {box("größe", "Größenanpassung")}},
        {"fraEinzeln", {box("nahkampf", "Nahkampfverstärkung")}},
        {"fraEinzeln", {box("munitionswahl", "Munitionswahl")}},
        {"fraEinzeln", {box("zerlegbar", "Zerlegbar")}},
        {"fraRueckstoss", {box("bullpup", " Bullpup - Design (bietet 1 Punkt Rückstoßdämpfung)")}},
        {"fraRueckstoss", {box("schwer", "Schwerer Lauf (bietet 1 Punkt Rückstoßdämpfung)")}},
        {"fraRueckstoss", {box("schnell", "Schnellfeuer (erhöht max. Rückstoßkompensation um 1)")}},
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

QStringList stepListsOf(const QString &summary)
{
    QStringList lists;
    for (int maximum : stepMaxima().value(summary))
        lists << stepListName(summary, maximum);
    return lists;
}

void layOutOptions(Window &page, const QString &optionsFrame)
{
    for (const Row &row : rows(optionsFrame)) {
        bool first = true;
        for (const Item &item : row.items) {
            Control &control = page.add(item.name, item.kind, item.text, {row.parent, !first});
            control.setItems(item.items);
            control.setVisible(false);
            first = false;
        }
    }
}

void showGroupsInUse(Window &page, const QString &optionsFrame)
{
    for (const Row &row : rows(optionsFrame)) {
        for (const Item &item : row.items) {
            if (item.kind == ControlKind::Frame)
                page[item.name].setVisible(holdsVisibleControl(page, item.name));
        }
    }
}

} // namespace korvalde::page2
