#include "reopen/listentries.h"

#include "pages/page2/page2.h"
#include "pages/page3/page3.h"
#include "pages/page4/page4.h"
#include "pages/page5/page5.h"
#include "wizard/windows.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace korvalde::reopen {

namespace {

struct EntryText {
    QString text;
    ListEntry entry;
};

// What the user does for an entry of the pages' tables, where checking its control is not
// all of it.
ListEntry userActionFor(const QString &window, const ModificationEntry &entry)
{
    if (entry.control == QStringLiteral("gewicht"))
        return {window, EntryAction::Weight, entry.control};
    if (entry.control == QStringLiteral("munistufe"))
        return {window, EntryAction::Capacity, entry.control};
    if (entry.control == QStringLiteral("vergrößert"))
        return {window, EntryAction::Clip, entry.control};
    return {window, EntryAction::Check, entry.control};
}

// The rebuild sets some options of a page before the others: what frees FKE comes first,
// so the budget never runs out on the way, and a box comes after the box that unlocks it.
// Controls are named by prefix; whatever no prefix names follows in the page's own order.
const QHash<QString, QStringList> &setFirst()
{
    static const QHash<QString, QStringList> first = {
        {windows::page2, {"flechette", "mehrstufe", "modus", "lade"}},
        // Page 5's accessories with their refinements right after them; the sight before
        // the rangefinder, which locks it.
        {windows::page5,
         {"smartextern", "ultraschall", "niederenergetisch", "hochenergetisch", "laserziel", "sichtgerät", "v", "IR",
          "blitz", "licht", "guncam", "entfernungsmesser"}},
    };
    return first;
}

qsizetype setOrder(const QString &window, const QString &control)
{
    const QStringList &first = setFirst().value(window);
    for (qsizetype i = 0; i < first.size(); ++i) {
        if (control.startsWith(first[i]))
            return i;
    }
    return first.size();
}

// A step list's entry stands for every count up to the longest list's: "mehrstufe6"
// offers six steps. The lists share their name up to the count.
void addStepEntries(std::vector<EntryText> &texts, const QString &window, const ModificationEntries &entries,
                    const ModificationEntry &entry)
{
    static const QRegularExpression count(QStringLiteral("\\d+$"));
    const QString prefix = QString(entry.control).remove(count);
    if (std::any_of(texts.begin(), texts.end(), [&](const EntryText &text) { return text.entry.control == prefix; }))
        return;
    int most = 0;
    for (const ModificationEntry &other : entries) {
        if (other.text == entry.text)
            most = std::max(most, count.match(other.control).captured().toInt());
    }
    for (int steps = 1; steps <= most; ++steps)
        texts.push_back({entry.text.arg(steps), {window, EntryAction::FkeSteps, prefix, steps}});
}

// Every text an option writes into the list and what the user does for it, in the order
// the rebuild sets them: page by page, on each page as `setFirst` says.
const std::vector<EntryText> &entryTexts()
{
    static const std::vector<EntryText> texts = [] {
        const std::pair<QString, const ModificationEntries &> pages[] = {
            {windows::page2, page2::modificationEntries()},
            {windows::page3, page3::modificationEntries()},
            {windows::page4, page4::modificationEntries()},
            {windows::page5, page5::modificationEntries()},
        };
        std::vector<EntryText> all;
        for (const auto &pageEntries : pages) {
            const auto &window = pageEntries.first;
            const auto &entries = pageEntries.second;
            std::vector<EntryText> page;
            for (const ModificationEntry &entry : entries) {
                if (entry.shows == ModificationEntry::Shows::WithSteps)
                    addStepEntries(page, window, entries, entry);
                else
                    page.push_back({entry.text, userActionFor(window, entry)});
            }
            std::stable_sort(page.begin(), page.end(), [&window](const EntryText &a, const EntryText &b) {
                return setOrder(window, a.entry.control) < setOrder(window, b.entry.control);
            });
            all.insert(all.end(), page.begin(), page.end());
        }
        return all;
    }();
    return texts;
}

const QString kFirstEntry = QStringLiteral("Rahmen");

} // namespace

std::vector<ListEntry> readModificationList(const QString &list)
{
    std::vector<ListEntry> entries;
    if (!list.startsWith(kFirstEntry))
        return entries;
    std::vector<size_t> found;
    for (qsizetype at = kFirstEntry.size(); at < list.size();) {
        // The longest text that fits: a variant of the biometric safety starts like the
        // safety itself.
        size_t best = entryTexts().size();
        qsizetype bestLength = 0;
        for (size_t i = 0; i < entryTexts().size(); ++i) {
            const QString &text = entryTexts()[i].text;
            if (text.size() > bestLength && QStringView(list).mid(at).startsWith(text)) {
                best = i;
                bestLength = text.size();
            }
        }
        if (best == entryTexts().size())
            break;
        found.push_back(best);
        at += bestLength;
    }
    std::sort(found.begin(), found.end());
    for (size_t i : found)
        entries.push_back(entryTexts()[i].entry);
    return entries;
}

} // namespace korvalde::reopen

namespace korvalde::reopen {

QStringList listedBoxes(const QString &window)
{
    QStringList boxes;
    for (const EntryText &text : entryTexts()) {
        if (text.entry.window == window && text.entry.action == EntryAction::Check)
            boxes << text.entry.control;
    }
    return boxes;
}

} // namespace korvalde::reopen
