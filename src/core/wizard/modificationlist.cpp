#include "wizard/modificationlist.h"

#include "sheet/numbertext.h"
#include "wizard/navigation.h"
#include "wizard/windows.h"
#include "wizard/wizardpage.h"

namespace korvalde {

namespace {

QString entryFor(const Window &page, const ModificationEntry &entry)
{
    const Control &control = page[entry.control];
    switch (entry.shows) {
    case ModificationEntry::Shows::WhenChecked:
        return control.isChecked() ? entry.text : QString();
    case ModificationEntry::Shows::WithSteps: {
        const double steps = parseNumber(control.text()).value_or(0);
        return steps > 0 ? entry.text.arg(formatNumber(steps)) : QString();
    }
    case ModificationEntry::Shows::WhenApplied:
        return entry.applied(page) ? entry.text : QString();
    }
    return {};
}

} // namespace

QString listedEntries(const Window &page, const ModificationEntries &entries)
{
    QString listed;
    for (const ModificationEntry &entry : entries)
        listed += entryFor(page, entry);
    return listed;
}

void rebuildModificationList(Application &app, const QString &lastPage)
{
    QString list = QStringLiteral("Rahmen");
    const QStringList &pages = navigation::pageOrder();
    for (qsizetype i = pages.indexOf(windows::page2); i <= pages.indexOf(lastPage); ++i) {
        if (const auto *page = dynamic_cast<const WizardPage *>(app.find(pages[i])))
            list += page->listedEntries();
    }
    app.window(windows::completion)["Text1"].setText(list);
}

} // namespace korvalde
