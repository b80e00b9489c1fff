#include "app/navigation.h"

namespace korvalde::navigation {

const QStringList &pageOrder()
{
    static const QStringList pages = {"Form1", "Form2", "Form3", "Form4", "Form12", "Form5"};
    return pages;
}

const QStringList &mountDialogs()
{
    static const QStringList dialogs = {"form6", "Form7", "Form8", "Form9", "Form10", "Form11"};
    return dialogs;
}

std::unique_ptr<Window> newPage(Application &app, const QString &name, const QString &title)
{
    auto page = std::make_unique<Window>(app, name, WindowKind::Page, title);
    page->onClose([&app] { app.end(); });
    return page;
}

void placeAt(Window &target, const Window &from)
{
    target.moveTo(from.left(), from.top());
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
        if (pageOrder()[i] != "Form5")
            result << pageOrder()[i];
    }
    if (index < pageOrder().indexOf("Form5"))
        result << "Form5";
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
    placeAt(back, current);
    back.setShown(true);
    app.discard(current.name());
    discardAll(app, windowsAfter(current.name()));
}

} // namespace korvalde::navigation
