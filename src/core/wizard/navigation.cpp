#include "wizard/navigation.h"

#include "wizard/windows.h"

namespace korvalde::navigation {

namespace {

QStringList namesOf(WindowKind kind)
{
    QStringList names;
    for (const WindowRow &row : windowTable()) {
        if (row.kind == kind)
            names << row.name;
    }
    return names;
}

} // namespace

const QStringList &pageOrder()
{
    static const QStringList pages = namesOf(WindowKind::Page);
    return pages;
}

const QStringList &mountDialogs()
{
    static const QStringList dialogs = namesOf(WindowKind::Dialog);
    return dialogs;
}

std::unique_ptr<Window> newPage(Application &app, const QString &name, const QString &title)
{
    auto page = std::make_unique<Window>(app, name, WindowKind::Page, title);
    endProgramOnClose(*page);
    return page;
}

void endProgramOnClose(Window &page)
{
    page.onClose([&app = page.app()] { app.end(); });
}

void showInsteadOf(Window &next, Window &current)
{
    next.setShown(true);
    current.setShown(false);
}

QStringList windowsAfter(const QString &page)
{
    // Page 5 goes before the dialogs' owner is gone, the completion page and dialogs last.
    QStringList result;
    const qsizetype index = pageOrder().indexOf(page);
    for (qsizetype i = index + 1; i < pageOrder().size(); ++i) {
        if (pageOrder()[i] != windows::completion)
            result << pageOrder()[i];
    }
    if (index < pageOrder().indexOf(windows::completion))
        result << windows::completion;
    result << mountDialogs();
    return result;
}

void discardAll(Application &app, const QStringList &names)
{
    for (const QString &name : names)
        app.discard(name);
}

void stepBack(Window &current, const QString &previous)
{
    Application &app = current.app();
    Window &back = app.window(previous);
    back.setShown(true);
    app.discard(current.name());
    discardAll(app, windowsAfter(current.name()));
}

} // namespace korvalde::navigation
