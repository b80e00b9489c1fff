#pragma once

#include "drivenprogram.h"
#include "widgetinput.h"
#include "wizard/windows.h"

#include <QApplication>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
// Readable failures for the window and control names the tests compare.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '(' << texts.join(", ").toStdString() << ')';
}
QT_END_NAMESPACE

namespace korvalde::test {

using gui::settle;

// The whole program behind its real widgets, driven as a user would with the widget
// driver: clicks and keys on the widgets, never calls into the core. Its dialogs are
// answered through `dialogs`; the texts of its message boxes collect in `messages`.
class ProgramFixture : public ::testing::Test {
protected:
    // The wizard's pages in the order the user walks them, as the table of windows has
    // them: `next` is empty on the completion page, `previous` on the start page.
    static const std::vector<WindowRow> &wizard()
    {
        static const std::vector<WindowRow> pages = [] {
            std::vector<WindowRow> rows;
            for (const WindowRow &row : windowTable()) {
                if (row.kind == WindowKind::Page)
                    rows.push_back(row);
            }
            return rows;
        }();
        return pages;
    }

    ProgramFixture() { makeActive(frontend.mainWindow()); }

    // Keys go to the active window only, as on a desktop.
    static void makeActive(QWidget &window)
    {
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QString frontPage() const
    {
        for (const WindowRow &page : wizard()) {
            if (frontend.isOnScreen(page.name))
                return page.name;
        }
        return {};
    }

    void click(const QString &window, const QString &control) { ASSERT_EQ(program.click(window, control), ""); }

    void chooseFrame(int number) { click(windows::startPage, QStringLiteral("Option%1").arg(number)); }

    // The loaded page's button that reads `caption` ("&Weiter", "&Zurück"), or empty.
    QString buttonReading(const QString &page, const QString &caption) const
    {
        if (const Window *window = app->find(page)) {
            for (const auto &control : window->controls()) {
                if (control->kind() == ControlKind::Button && control->text() == caption)
                    return control->name();
            }
        }
        return {};
    }

    // Clicks the forward button of the page in front.
    void goForward()
    {
        const QString page = frontPage();
        click(page, windowRow(page).forwardButton);
    }

    gui::DrivenProgram program;
    gui::Frontend &frontend = program.frontend();
    Application *const app = &program.app();
    gui::DialogAnswers &dialogs = program.dialogs();
    QStringList &messages = dialogs.messages();
};

} // namespace korvalde::test
