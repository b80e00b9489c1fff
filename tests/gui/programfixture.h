#pragma once

#include "app/windowfactory.h"
#include "frontend.h"
#include "model/application.h"

#include <QAbstractButton>
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

// The whole program behind its real widgets, driven as a user would: clicks and keys on
// the widgets, never calls into the core. Message boxes are recorded instead of shown.
class ProgramFixture : public ::testing::Test {
protected:
    struct PageButtons {
        QString window;
        QString forward; // empty on the completion page
        QString back;    // empty on the start page
    };

    // The wizard's pages in the order the user walks them.
    static const std::vector<PageButtons> &wizard()
    {
        static const std::vector<PageButtons> pages = {
            {"Form1", "Command1", ""},       {"Form2", "Weiter1", "Zurück1"},  {"Form3", "Command2", "Command3"},
            {"Form4", "Command2", "Zurück"}, {"Form12", "Command2", "Zurück"}, {"Form5", "", "Zurück"},
        };
        return pages;
    }

    ProgramFixture()
    {
        frontend.setMessageRunner([this](QMessageBox &box) { messages << box.text(); });
        frontend.setEndHandler([this] { ended = true; });
        app = std::make_unique<Application>(frontend, createWindow, windowNames());
        frontend.attach(*app);
        app->start(QStringLiteral("Form1"));
        settle();
        makeActive(frontend.mainWindow());
    }

    static void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::sendPostedEvents();
    }

    // Keys go to the active window only, as on a desktop.
    static void makeActive(QWidget &window)
    {
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QString frontPage() const
    {
        for (const PageButtons &page : wizard()) {
            if (frontend.isOnScreen(page.window))
                return page.window;
        }
        return {};
    }

    void click(const QString &window, const QString &control)
    {
        auto *button = qobject_cast<QAbstractButton *>(frontend.widget(window, control));
        ASSERT_NE(button, nullptr) << qPrintable(window + '.' + control);
        ASSERT_TRUE(button->isEnabled()) << qPrintable(window + '.' + control);
        button->click();
        settle();
    }

    void chooseFrame(int number) { click("Form1", QStringLiteral("Option%1").arg(number)); }

    // Clicks the forward button of the page in front.
    void goForward()
    {
        const QString page = frontPage();
        for (const PageButtons &buttons : wizard()) {
            if (buttons.window == page)
                click(page, buttons.forward);
        }
    }

    QStringList messages;
    bool ended = false;
    gui::Frontend frontend;
    std::unique_ptr<Application> app; // goes before the front end
};

} // namespace korvalde::test
